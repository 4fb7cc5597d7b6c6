#pragma once

#include <QList>
#include <QString>
#include <ostream>

#include "PrintTarget.h"

// A print target that records what is drawn, measuring text like the preview font: 6 pixels an
// ASCII character, 12 any other, 12 pixels a line.
class RecordingPrintTarget : public PrintTarget {
public:
    struct Draw {
        QString text;
        double x;
        double y;
        quint32 color;
        bool operator==(const Draw&) const = default;
        friend void PrintTo(const Draw& d, std::ostream* os) {
            *os << d.text.toStdString() << "@(" << d.x << "," << d.y << ")#" << std::hex << d.color
                << std::dec;
        }
    };

    static constexpr double kLineHeight = 12;

    QList<Draw> draws;  // every non-empty text printed since the last Cls
    int clsCount = 0;
    quint32 foreColor = 0;
    double currentX = 0;
    double currentY = 0;

    void Cls() override {
        draws.clear();
        ++clsCount;
        currentX = currentY = 0;
    }
    double CurrentX() const override { return currentX; }
    double CurrentY() const override { return currentY; }
    void SetCurrentX(double x) override { currentX = x; }
    void SetCurrentY(double y) override { currentY = y; }
    void SetForeColor(quint32 color) override { foreColor = color; }
    void Print(const QString& text, bool keepLineOpen) override {
        if (!text.isEmpty()) draws.append({text, currentX, currentY, foreColor});
        if (keepLineOpen) {
            currentX += TextWidth(text);
        } else {
            PrintNewLine();
        }
    }
    void PrintNewLine() override {
        currentX = 0;
        currentY += kLineHeight;
    }
    double TextWidth(const QString& text) const override {
        double width = 0;
        for (QChar ch : text)
            width += ch.unicode() < 0x80 ? 6 : 12;
        return width;
    }
    double TextHeight(const QString&) const override { return kLineHeight; }

    // All drawn text joined, for checks that only care what became visible.
    QString Visible() const {
        QString all;
        for (const Draw& d : draws)
            all += d.text;
        return all;
    }
};
