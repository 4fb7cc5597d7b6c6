#pragma once

#include <QString>

class Label;

// The title preview: the parts of a title written with backslashes between its lines, each on a
// centred line of the label. A title without any backslash shows the message "没有符号\" (once
// for its one part) and leaves the label empty.
void PreviewTitle(const QString& title, Label& label);
