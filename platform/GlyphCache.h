#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <array>
#include <unordered_map>
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

    struct Entry;

    // The cached form of a single-line text. It stays valid until Trim.
    Entry& Lookup(const QString& text);

    // Width of a single-line text, as the font's metrics give it.
    static double Advance(const Entry& entry) { return entry.advance; }
    double Advance(const QString& text) { return Lookup(text).advance; }

    // Where Draw writes: the pixels of an RGB32 image.
    struct Canvas {
        QRgb* bits;
        qsizetype stride;  // in pixels
        QRect rect;
    };
    static Canvas CanvasOf(QImage& image) {
        return {reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / 4, image.rect()};
    }

    // Draws a text with the top-left corner of its cell at `at`, in colour, over whatever the
    // canvas holds. Pixels outside it are skipped. Returns the part that received ink.
    QRect Draw(const Canvas& canvas, QPoint at, QRgb color, Entry& entry);

    // Where a text drawn at `at` puts ink: its ink bounds moved there.
    QRect InkRect(Entry& entry, QPoint at) const {
        if (!entry.rendered) Render(entry);
        return entry.bounds.translated(at);
    }

    // Starts afresh once the cache holds more texts than a script plausibly uses; true when it
    // did. Entries looked up before are invalid afterwards.
    bool Trim();

private:
    // One inked pixel, relative to the cell's top-left corner.
    // A horizontal run of inked pixels of one coverage, relative to the cell's top-left corner.
    struct Ink {
        qint16 dx;
        qint16 dy;
        qint16 length;
        quint8 alpha;
    };

public:
    struct Entry {
        QString text;
        double advance = 0;
        bool rendered = false;
        QRect bounds;  // of the ink, relative to the cell's top-left corner
        std::vector<Ink> ink;
    };

private:
    void Render(Entry& entry) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    double m_ascent;
    double m_lineHeight;
    // Node-based, so entries stay where they are while others are added.
    std::unordered_map<QString, Entry> m_entries;
    // The previews print one character at a time: a direct-mapped shortcut for those.
    struct CharSlot {
        char16_t ch = 0;
        Entry* entry = nullptr;
    };
    std::array<CharSlot, 256> m_charSlots{};
};
