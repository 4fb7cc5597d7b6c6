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
    ForgetShown();
}

void PrintComposer::ForgetShown() {
    m_shown.clear();
    m_shownKnown = false;
}

void PrintComposer::SetBackground(QImage background) {
    m_background = std::move(background);
    m_image = m_background.copy();
    m_width = m_image.width();
    m_height = m_image.height();
    m_pending.clear();
    m_clearPending = false;
    m_shown.clear();
    m_shownKnown = true;
    m_inkedRows.assign(size_t(m_image.height()), {m_image.width(), -1});
    m_inked = false;
}

void PrintComposer::Clear() {
    m_pending.clear();
    m_clearPending = true;
}

void PrintComposer::Queue(QPoint at, QRgb color, GlyphCache::Entry& glyph) {
    if (at.x() >= m_width || at.y() >= m_height || at.y() + m_glyphs->LineHeight() <= 0) return;
    m_pending.push_back({at, color, &glyph});
    if (m_pending.size() > kMaxPending) Compose();
}

const QImage& PrintComposer::Image() {
    Compose();
    return m_image;
}

void PrintComposer::Compose() {
    if (m_clearPending) {
        m_clearPending = false;
        if (m_shownKnown) {
            RedrawChanges();
        } else {
            RestoreBackground();
            m_shown.clear();
            m_shownKnown = true;
        }
    }
    if (!m_pending.empty()) {
        DrawPending(m_image.rect());
        m_shown.insert(m_shown.end(), m_pending.begin(), m_pending.end());
        m_pending.clear();
    }
    if (m_glyphs->Trim()) ForgetShown();  // nothing queued refers to its entries now
}

void PrintComposer::RedrawChanges() {
    // Outside the changed area the image already shows the background with the prints both
    // lists share; inside it, the background and every queued print that reaches into it are
    // drawn again, in order, which is what a full composition gives there.
    const QRect area = ChangedArea().intersected(m_image.rect());
    if (!area.isEmpty()) {
        RestoreBackground(area);
        DrawPending(area);
    }
    m_shown.swap(m_pending);
    m_pending.clear();
}

QRect PrintComposer::ChangedArea() const {
    const size_t shown = m_shown.size();
    const size_t queued = m_pending.size();
    const size_t common = std::min(shown, queued);
    size_t head = 0;
    while (head < common && m_shown[head] == m_pending[head])
        ++head;
    size_t tail = 0;
    while (tail < common - head && m_shown[shown - 1 - tail] == m_pending[queued - 1 - tail])
        ++tail;
    QRect area;
    for (size_t i = head; i < shown - tail; ++i)
        area |= m_glyphs->InkRect(*m_shown[i].glyph, m_shown[i].at);
    for (size_t i = head; i < queued - tail; ++i)
        area |= m_glyphs->InkRect(*m_pending[i].glyph, m_pending[i].at);
    return area;
}

void PrintComposer::DrawPending(const QRect& clip) {
    GlyphCache::Canvas canvas = GlyphCache::CanvasOf(m_image);
    canvas.rect = clip;
    for (const PendingText& print : m_pending) {
        // Most prints lie wholly outside a small clip: pass them over before drawing.
        const QRect ink = m_glyphs->InkRect(*print.glyph, print.at);
        if (ink.right() < clip.left() || ink.left() > clip.right() || ink.bottom() < clip.top() ||
            ink.top() > clip.bottom())
            continue;
        NoteInk(m_glyphs->Draw(canvas, print.at, print.color, *print.glyph));
    }
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

void PrintComposer::RestoreBackground(const QRect& area) {
    const qsizetype stride = m_image.bytesPerLine();
    uchar* image = m_image.bits();
    const uchar* background = m_background.constBits();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const qsizetype offset = qsizetype(y) * stride + area.left() * 4;
        std::memcpy(image + offset, background + offset, size_t(area.width()) * 4);
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
