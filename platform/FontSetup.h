#pragma once

#include <QFont>
#include <QString>

// Maps the Windows font names of the stored window data to the installed families, and builds
// the fonts the controls draw with.
namespace FontSetup {

// The installed families that stand in for the Windows faces.
inline const QString kSongStandIn = QStringLiteral("AR PL UMing CN");
inline const QString kHeiStandIn = QStringLiteral("WenQuanYi Zen Hei");

// Installs the family substitutions and the window's default font (宋体 9 pt). Call once,
// after the application object exists.
void Install();

// A font of the given Windows family and point size, sized in pixels at 96 dpi. The Song-style
// faces are drawn without antialiasing, so their built-in bitmaps give crisp text as in the
// game client.
QFont MakeFont(const QString& family, double points, bool bold = false);

// The window's default font, 宋体 9 pt.
QFont DefaultFont();

// 宋体, 新宋体 (by any of their names) or their stand-in: the faces drawn without antialiasing.
bool IsSongFace(const QString& family);

}  // namespace FontSetup
