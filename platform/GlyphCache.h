#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QString>
#include <vector>

// Text of one font rendered once and kept as coverage masks, so drawing the same character again
// is a small blend instead of a trip through text layout. The previews print one character at a
// time, so this is what keeps a redraw on every keystroke cheap.
class GlyphCache {
public:
    explicit GlyphCache(const QFont& font);

    const QFont& Font() const { return m_font; }
    double Ascent() const { return m_ascent; }
    double LineHeight() const { return m_lineHeight; }

    // Width of a single-line text, as the font's metrics give it.
    double Advance(const QString& text);

    // Draws a single-line text with the top-left corner of its cell at `at`, in colour, over
    // whatever the image holds (an RGB32 image). Pixels outside the image are skipped.
    void Draw(QImage& image, QPoint at, QRgb colour, const QString& text);

private:
    // One inked pixel, relative to the cell's top-left corner.
    struct Ink {
        qint16 dx;
        qint16 dy;
        quint8 alpha;
    };
    struct Entry {
        double advance = 0;
        bool rendered = false;
        QRect bounds;  // of the ink, relative to the cell's top-left corner
        std::vector<Ink> ink;
    };

    Entry& Lookup(const QString& text);
    void Render(Entry& entry, const QString& text) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    double m_ascent;
    double m_lineHeight;
    QHash<QString, Entry> m_entries;
};
