#include "GlyphCache.h"

#include "Colors.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Enough for every character a script uses; beyond it the cache starts afresh.
constexpr qsizetype kMaxEntries = 8192;

}  // namespace

GlyphCache::GlyphCache(const QFont& font)
    : m_font(font),
      m_metrics(font),
      m_ascent(m_metrics.ascent()),
      m_lineHeight(m_metrics.height()) {}

GlyphCache::Entry& GlyphCache::Lookup(const QString& text) {
    CharSlot* slot = nullptr;
    if (text.size() == 1) {
        const char16_t ch = text[0].unicode();
        slot = &m_charSlots[ch & 0xFF];
        if (slot->entry && slot->ch == ch) return *slot->entry;
    }
    auto it = m_entries.find(text);
    if (it == m_entries.end()) {
        Entry entry;
        entry.text = text;
        entry.advance = m_metrics.horizontalAdvance(text);
        it = m_entries.emplace(text, std::move(entry)).first;
    }
    if (slot) *slot = CharSlot{text[0].unicode(), &it->second};
    return it->second;
}

bool GlyphCache::Trim() {
    if (m_entries.size() < size_t(kMaxEntries)) return false;
    m_entries.clear();
    m_charSlots.fill(CharSlot{});
    return true;
}

void GlyphCache::Render(Entry& entry) const {
    const QString& text = entry.text;
    entry.rendered = true;
    // The ink may reach outside the cell (overhangs), so the mask covers both.
    const QRectF inkRect = m_metrics.boundingRect(text).translated(0, m_ascent);
    const QRect cell(0, 0, int(std::ceil(entry.advance)), int(std::ceil(m_lineHeight)));
    const QRect area = cell.united(inkRect.toAlignedRect()).adjusted(-1, -1, 1, 1);
    if (area.width() > 4096 || area.height() > 4096) return;  // nothing a preview can show
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setFont(m_font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(-area.left(), m_ascent - area.top()), text);
    painter.end();
    for (int y = 0; y < mask.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width();) {
            const int alpha = qAlpha(row[x]);
            int end = x + 1;
            while (end < mask.width() && qAlpha(row[end]) == alpha)
                ++end;
            if (alpha != 0) {
                const QPoint at = area.topLeft() + QPoint(x, y);
                entry.ink.push_back(
                    {qint16(at.x()), qint16(at.y()), qint16(end - x), quint8(alpha)});
                entry.bounds |= QRect(at, QSize(end - x, 1));
            }
            x = end;
        }
    }
}

QRect GlyphCache::Draw(const Canvas& canvas, QPoint at, QRgb color, Entry& entry) {
    if (!entry.rendered) Render(entry);
    const QRect placed = entry.bounds.translated(at);
    const QRect clip = placed.intersected(canvas.rect);
    if (clip.isEmpty()) return clip;
    const bool inside = clip == placed;
    for (const Ink& ink : entry.ink) {
        const int y = at.y() + ink.dy;
        int left = at.x() + ink.dx;
        int right = left + ink.length - 1;
        if (!inside) {
            if (y < clip.top() || y > clip.bottom()) continue;
            left = std::max(left, clip.left());
            right = std::min(right, clip.right());
            if (left > right) continue;  // the run lies beside the clip
        }
        QRgb* pixel = canvas.bits + y * canvas.stride;
        if (ink.alpha == 255) {
            std::fill(pixel + left, pixel + right + 1, color);
        } else {
            for (int x = left; x <= right; ++x)
                pixel[x] = Colors::AlphaBlend(color, pixel[x], ink.alpha);
        }
    }
    return clip;
}
