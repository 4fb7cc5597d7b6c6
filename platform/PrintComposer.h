#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "GlyphCache.h"

// The picture a picture box shows: a background with printed text over it, composed lazily.
// Prints are queued and drawn when the image is next read, so a redraw that clears and prints
// many times (a jump to another section) costs one composition. A redraw after a clear is
// compared with what the image shows, and only the part where the two differ is drawn again:
// a keystroke usually changes one line of the preview, or none.
//
// Queued prints refer to glyphs of the current font's cache; everything that replaces the
// cache or the image first composes or drops what is queued, so no print outlives its glyphs.
class PrintComposer {
public:
    explicit PrintComposer(const QFont& font);

    // The cache of the current font, for measuring and queueing.
    GlyphCache& Glyphs() { return *m_glyphs; }
    const QFont& Font() const { return m_glyphs->Font(); }
    // Composes what is queued in the old font, then starts a cache for the new one.
    void SetFont(const QFont& font);

    // A new background (and size): queued prints are dropped, the image shows the background.
    void SetBackground(QImage background);
    QSize Size() const { return m_image.size(); }

    // Erases everything printed: queued prints are dropped and the image goes back to the
    // background when it is next composed.
    void Clear();

    // Queues a text with the top-left corner of its cell at `at`. Text wholly outside the
    // image is skipped.
    void Queue(QPoint at, QRgb color, GlyphCache::Entry& glyph);

    // The background with everything printed over it.
    const QImage& Image();

private:
    // A print waiting to be drawn into the image, or drawn there.
    struct PendingText {
        QPoint at;
        QRgb color;
        GlyphCache::Entry* glyph;
        bool operator==(const PendingText&) const = default;
    };

    void Compose();
    // After a clear: draws again only where the queued prints differ from the shown ones.
    void RedrawChanges();
    // The area where the changed prints of shown and m_pending lie.
    QRect ChangedArea() const;
    void DrawPending(const QRect& clip);
    void RestoreBackground();
    void RestoreBackground(const QRect& area);
    void NoteInk(const QRect& inked);
    // The glyph cache dropped its entries, or was replaced: the shown prints are unknown.
    void ForgetShown();

    std::unique_ptr<GlyphCache> m_glyphs;
    // What Clear restores: the back colour with the picture over it.
    QImage m_background;
    QImage m_image;
    int m_width = 1;  // of the image, read for every print queued
    int m_height = 1;
    std::vector<PendingText> m_pending;
    bool m_clearPending = false;
    // Every print on the image since it last showed the bare background, when known.
    std::vector<PendingText> m_shown;
    bool m_shownKnown = true;
    // The columns of each row that received ink since the image last showed the bare
    // background: restoring just those is cheaper than copying the whole background back.
    std::vector<std::pair<int, int>> m_inkedRows;
    bool m_inked = false;
};
