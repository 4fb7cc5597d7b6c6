#pragma once

#include <QString>

// What the preview engines need from a picture box: a print position in the box's own
// coordinates, a text colour, and text drawn transparently with its top-left corner at the
// print position.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // Erases everything printed, keeping the background picture; the print position returns
    // to (0, 0) of the box's coordinates.
    virtual void Cls() = 0;

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;

    // Colour of the text printed next, 0x00BBGGRR.
    virtual void SetForeColor(quint32 color) = 0;

    // Draws text at the print position. With keepLineOpen the position moves to the end of the
    // text; otherwise it moves to the start of the next line (x = 0, y + one line of the font).
    virtual void Print(const QString& text, bool keepLineOpen) = 0;

    // Moves the print position to the start of the next line without drawing.
    virtual void PrintNewLine() = 0;

    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;
};
