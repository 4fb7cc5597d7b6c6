#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// Breaking text into the lines the text functions draw. Widths come from a measure function, so
// the layout can be tested without fonts.
namespace Gdi {

// The width of a string in pixels.
using TextMeasure = std::function<int(const QString&)>;

// Text with '&' prefixes resolved: "&x" underlines x, "&&" is one '&', a trailing '&' vanishes.
struct PrefixedText {
    QString text;
    QList<int> underlined;  // indices into text
};
PrefixedText StripPrefixes(const QString& text);

// Splits one line at word boundaries (spaces, and between CJK characters) so that each piece
// fits width as measured; a single word wider than width stays whole.
QStringList WrapLine(const QString& line, int width, const TextMeasure& measure);

// A line of a text and where it starts in the text.
struct TextLine {
    int offset;
    QString text;
};
// Splits at CR LF, lone CR and lone LF; an empty text is one empty line.
QList<TextLine> SplitLines(const QString& text);

// The lines DrawText shows for the given DT_ format and box width: split at line breaks (unless
// DT_SINGLELINE), wrapped (DT_WORDBREAK), shortened with "..." (DT_END_ELLIPSIS), each with its
// underlined characters.
QList<PrefixedText> LayoutText(const PrefixedText& all, unsigned format, qint64 width,
                               const TextMeasure& measure);

}  // namespace Gdi
