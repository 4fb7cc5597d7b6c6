#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <functional>

#include "Gdi.h"

// The pure geometry and colours of the command button: which look it shows, the colours of a
// look, and where its caption goes.
namespace YCommandLayout {

enum class ButtonLook { Normal, Hover, Pressed };

// Disabled buttons, and presses that wandered off, show the normal look.
ButtonLook ChooseLook(bool enabled, bool leftWhilePressed, bool pressed, bool hover);

struct LookColors {
    quint32 outline = 0;
    quint32 fill = 0;
};
LookColors ColorsOf(ButtonLook look, quint32 clrBase);

struct CaptionLine {
    QString text;
    int x = 0;
    int y = 0;
};

struct CaptionLayout {
    bool singleLine = true;
    // Enabled single line: drawn with DrawText into rect with format.
    Gdi::Rect rect;
    unsigned format = 0;
    // Disabled single line (one entry) and every line of a multi-line caption: top-left
    // corners.
    QList<CaptionLine> lines;
};

struct CaptionInput {
    QString caption;
    QSize client;
    bool hasIcon = false;
    int relItemLeft = 6;
    int iconSize = 16;
    int textHeight = 12;  // height of "a" in the caption font
    std::function<int(const QString&)> measure;
};

// One centred line when the caption fits and has no CR LF; otherwise the lines of BreakLines,
// centred as a block.
CaptionLayout LayoutCaption(const CaptionInput& in);

// The first line's top for n lines of height th in a client h high.
int FirstLineTop(int n, int h, int th);

}  // namespace YCommandLayout
