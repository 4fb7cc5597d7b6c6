#pragma once

#include <QString>

class PictureBox;

// The notice preview: the notice's lines one under the other from x = 14, exactly as typed (no
// markup, no wrapping); an empty notice leaves the picture blank.
void ShowNotice(PictureBox& picture, const QString& notice);
