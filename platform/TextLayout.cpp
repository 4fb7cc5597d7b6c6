#include "TextLayout.h"

#include "Gdi.h"

namespace Gdi {
namespace {

bool isCjk(QChar c) {
    return c.unicode() >= 0x2E80;
}

bool canBreakBefore(const QString& line, int b) {
    if (b <= 0 || b >= line.size()) return false;
    const QChar prev = line[b - 1];
    const QChar next = line[b];
    return next == u' ' || prev == u' ' || isCjk(prev) || isCjk(next);
}

// The length of the longest prefix of text that, followed by suffix, is at most width wide.
// Widths grow with length, so a binary search keeps long texts cheap.
int longestFit(const QString& text, qint64 width, const TextMeasure& measure,
               const QString& suffix = QString()) {
    int lo = 0;
    int hi = int(text.size());
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (measure(text.left(mid) + suffix) <= width) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return lo;
}

// WrapLine with the offset of each piece in the line, for mapping underlined characters.
QList<TextLine> wrapWithOffsets(const QString& line, qint64 width, const TextMeasure& measure) {
    QList<TextLine> out;
    const int n = int(line.size());
    int start = 0;
    while (start < n) {
        const int end = start + longestFit(line.mid(start), width, measure);
        if (end == n) {
            out.append({start, line.mid(start)});
            break;
        }
        int brk = -1;
        for (int b = end; b > start; --b) {
            if (canBreakBefore(line, b)) {
                brk = b;
                break;
            }
        }
        if (brk < 0) {
            // A word wider than the line is not split: it runs on to its end.
            brk = end + 1;
            while (brk < n && !canBreakBefore(line, brk))
                ++brk;
        }
        QString piece = line.mid(start, brk - start);
        while (piece.endsWith(u' '))
            piece.chop(1);
        out.append({start, piece});
        start = brk;
        while (start < n && line[start] == u' ')
            ++start;
    }
    if (out.isEmpty()) out.append({0, QString()});
    return out;
}

}  // namespace

PrefixedText StripPrefixes(const QString& text) {
    PrefixedText out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out.text.append(text[i]);
            continue;
        }
        if (++i >= text.size()) break;  // a trailing '&' shows nothing
        if (text[i] != u'&') out.underlined.append(int(out.text.size()));
        out.text.append(text[i]);
    }
    return out;
}

QStringList WrapLine(const QString& line, int width, const TextMeasure& measure) {
    QStringList out;
    for (const TextLine& p : wrapWithOffsets(line, width, measure))
        out.append(p.text);
    return out;
}

QList<TextLine> SplitLines(const QString& text) {
    QList<TextLine> out;
    int start = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        out.append({start, text.mid(start, i - start)});
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    out.append({start, text.mid(start)});
    return out;
}

QList<PrefixedText> LayoutText(const PrefixedText& all, unsigned format, qint64 width,
                               const TextMeasure& measure) {
    QList<TextLine> lines;
    if (format & DT_SINGLELINE) {
        lines.append({0, all.text});
    } else {
        for (const TextLine& line : SplitLines(all.text)) {
            if (!(format & DT_WORDBREAK)) {
                lines.append(line);
                continue;
            }
            for (const TextLine& p : wrapWithOffsets(line.text, width, measure)) {
                lines.append({line.offset + p.offset, p.text});
            }
        }
    }
    QList<PrefixedText> out;
    for (const TextLine& line : lines) {
        PrefixedText t{line.text, {}};
        for (int index : all.underlined) {
            if (index >= line.offset && index < line.offset + line.text.size()) {
                t.underlined.append(index - line.offset);
            }
        }
        if ((format & DT_END_ELLIPSIS) && measure(t.text) > width) {
            t.text.truncate(longestFit(t.text, width, measure, "..."));
            t.underlined.removeIf([&](int i) { return i >= t.text.size(); });
            t.text += "...";
        }
        out.append(t);
    }
    return out;
}

}  // namespace Gdi
