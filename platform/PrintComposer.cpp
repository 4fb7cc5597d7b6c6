#include "PrintComposer.h"

#include <algorithm>
#include <cstring>

namespace {

// Prints queued before a composition is forced, so a long redraw holds bounded memory.
constexpr size_t kMaxPending = 4096;

}  // namespace

PrintComposer::PrintComposer(const QFont& font) : m_glyphs(std::make_unique<GlyphCache>(font)) {
    QImage background(1, 1, QImage::Format_RGB32);
    background.fill(Qt::black);
    SetBackground(std::move(background));
}

void PrintComposer::SetFont(const QFont& font) {
    Compose();
    m_glyphs = std::make_unique<GlyphCache>(font);
}

void PrintComposer::SetBackground(QImage background) {
    m_background = std::move(background);
    m_image = m_background.copy();
    m_pending.clear();
    m_clearPending = false;
    m_inkedRows.assign(size_t(m_image.height()), {m_image.width(), -1});
    m_inked = false;
}

void PrintComposer::Clear() {
    m_pending.clear();
    m_clearPending = true;
}

void PrintComposer::Queue(QPoint at, QRgb color, GlyphCache::Entry& glyph) {
    if (at.x() >= m_image.width() || at.y() >= m_image.height() ||
        at.y() + m_glyphs->LineHeight() <= 0)
        return;
    m_pending.push_back({at, color, &glyph});
    if (m_pending.size() > kMaxPending) Compose();
}

const QImage& PrintComposer::Image() {
    Compose();
    return m_image;
}

void PrintComposer::Compose() {
    if (m_clearPending) {
        RestoreBackground();
        m_clearPending = false;
    }
    const GlyphCache::Canvas canvas = GlyphCache::CanvasOf(m_image);
    for (const PendingText& print : m_pending)
        NoteInk(m_glyphs->Draw(canvas, print.at, print.color, *print.glyph));
    m_pending.clear();
    m_glyphs->Trim();  // nothing refers to its entries now
}

void PrintComposer::NoteInk(const QRect& inked) {
    if (inked.isEmpty()) return;
    m_inked = true;
    for (int y = inked.top(); y <= inked.bottom(); ++y) {
        auto& [left, right] = m_inkedRows[size_t(y)];
        left = std::min(left, inked.left());
        right = std::max(right, inked.right());
    }
}

void PrintComposer::RestoreBackground() {
    if (!m_inked) return;
    const qsizetype stride = m_image.bytesPerLine();
    uchar* image = m_image.bits();
    const uchar* background = m_background.constBits();
    for (size_t y = 0; y < m_inkedRows.size(); ++y) {
        auto& [left, right] = m_inkedRows[y];
        if (right < left) continue;
        const qsizetype offset = qsizetype(y) * stride + left * 4;
        std::memcpy(image + offset, background + offset, size_t(right - left + 1) * 4);
        left = m_image.width();
        right = -1;
    }
    m_inked = false;
}
