#pragma once

#include <QImage>

// The window's pictures, compiled in from the artwork under images/: the dialogue windows
// behind the previews, the notice and title backgrounds and the window icon.
namespace DialogPictures {

// The plain dialogue window, 416 x 176: a dark brown panel in a grey stone border.
QImage Classic();
// The same window, 416 x 347.
QImage Large();
// The dragon-style dialogue window, 568 x 347, with a faint golden dragon on a dark panel.
QImage Dragon();
// The task dialogue window, 328 x 385, with the log and description heading bands.
QImage Task();
// The server notice panel, 256 x 359: a dark panel in a blue-grey metal frame.
QImage Notice();
// The title scene, 320 x 375: a character on sandy ground with a name tag 200 pixels down.
QImage Title();
// The window icon, 256 x 256 with alpha; the 32 and 16 pixel variants are drawn separately so
// that they stay crisp.
QImage WindowIcon();
QImage WindowIcon32();
QImage WindowIcon16();

}  // namespace DialogPictures
