#pragma once

#include <QImage>
#include <QSize>

// Background pictures of the dialogue previews.
namespace DialogPictures {

// A plain dialogue window of the given size: a dark brown panel in a grey bevelled border.
QImage PlainDialog(QSize size);

}  // namespace DialogPictures
