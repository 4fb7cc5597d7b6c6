#include <QImage>
#include <QPainter>

#include "ColorBlend.h"
#include "ColorDrawing.h"
#include "PaintCycle.h"
#include "Rounding.h"
#include "SmoothDrawing.h"
#include "YCombo.h"

using ColorBlend::BlendColor;
using namespace ColorDrawing;

namespace {

constexpr int kCornerRadius = 2;
constexpr int kArrowSize = 5;
constexpr int kArrowPen = 2;
constexpr int kArrowUp = 1;
constexpr int kArrowDown = 2;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr unsigned kRowTextFormat = Gdi::DT_SINGLELINE | Gdi::DT_VCENTER | Gdi::DT_END_ELLIPSIS;

// The fixed colours of the drop button and the scroll bar, all from one light blue.
struct ScrollColors {
    quint32 base;
    quint32 ring, face, faceHover, facePressed;
    quint32 arrow, arrowHover, arrowPressed;
};

const ScrollColors& Scroll() {
    static const ScrollColors colors = [] {
        const quint32 b = BlendColor(Colors::Rgb(70, 180, 247), kWhite, 0.4f);
        return ScrollColors{b,
                            BlendColor(b, kWhite, 0.7f),
                            BlendColor(b, kWhite, 0.3f),
                            BlendColor(b, kWhite, 0.5f),
                            BlendColor(b, kWhite, 0.2f),
                            BlendColor(b, 0, 0.3f),
                            BlendColor(b, 0, 0.2f),
                            BlendColor(b, 0, 0.35f)};
    }();
    return colors;
}

// The check mark of checked rows, white where the row shows through.
const QImage& CheckMark() {
    static const QImage image =
        QImage(QStringLiteral(":/images/ycombo_check.png")).convertToFormat(QImage::Format_RGB32);
    return image;
}

void DrawChevron(Surface* dc, quint32 color, const Gdi::Rect& rect, int direction, int size, int dx,
                 int dy, int penWidth) {
    if (size <= 2) return;
    const auto arrow = YComboGeometry::ChevronIn(rect, direction, size, dx, dy);
    DrawPenLine(dc, arrow.tip.x(), arrow.tip.y(), arrow.left.x(), arrow.left.y(), color, penWidth);
    DrawPenLine(dc, arrow.tip.x(), arrow.tip.y(), arrow.right.x(), arrow.right.y(), color,
                penWidth);
}

}  // namespace

void YCombo::Draw(Surface* dc) const {
    if (!dc) return;
    const int w = width();
    const int h = height();
    const ScrollColors& c = Scroll();
    FillRectColor(dc, {0, 0, w, h}, kWhite);
    FrameRectColor(dc, {0, 0, w, h}, m_clrFrame);
    if (h > YComboGeometry::kClosedHeight) {
        // The header row and the list each get their own frame.
        FillRectColor(dc, {0, 0, w, h}, kWhite);
        FrameRectColor(dc, {0, 0, w, 20}, m_clrFrame);
        FrameRectColor(dc, {0, 20, w, h}, m_clrFrame);
    }

    const Gdi::Rect button{w - 18, 2, w - 2, 18};
    FillRectColor(dc, button, c.ring);
    SmoothDrawing::DrawSmoothRoundFrame(dc, button.left, button.top, button.right, button.bottom,
                                        kCornerRadius, m_clrFrame);
    FillRectColor(dc, {w - 16, 4, w - 4, 16}, m_dropButtonHeld ? c.facePressed : c.face);
    if (m_dropButtonHeld)
        DrawChevron(dc, c.arrowPressed, button, kArrowDown, kArrowSize, 1, 1, kArrowPen);
    else
        DrawChevron(dc, c.arrow, button, kArrowDown, kArrowSize, 0, 0, kArrowPen);

    if (h <= YComboGeometry::kClosedHeight || ListCount() == 0) return;
    DrawRows(dc);
    if (m_scrollBarVisible) DrawScrollBar(dc);
}

void YCombo::DrawRows(Surface* dc) const {
    const int last = qMin(m_topIndex + YComboGeometry::kVisibleRows - 1, ListCount() - 1);
    for (int i = qMax(0, m_topIndex); i <= last; ++i) {
        const int k = i - m_topIndex;
        const Gdi::Rect row =
            YComboGeometry::RowRect(k, width(), m_itemHeight, m_scrollBarVisible, m_relLeft);
        if (m_isDrawFocus && i == m_listIndex) {
            FillRectColor(dc, row, m_clrFillFocus);
            FrameRectColor(dc, row, m_clrFrameFocus);
        } else if (i == m_hoverIndex && m_isDrawHover) {
            FillRectColor(dc, row, m_clrFillUp);
            FrameRectColor(dc, row, m_clrFrameUp);
        } else {
            // Alternate from the top shown row, so the pattern moves with scrolling.
            FillRectColor(dc, row, k % 2 == 0 ? m_clrBkgNormal1 : m_clrBkgNormal2);
        }
        if (const auto* item = m_items.At(i)) DrawRowContent(dc, row, *item);
    }
}

void YCombo::DrawRowContent(Surface* dc, const Gdi::Rect& row,
                            const ComboItemStore::Item& item) const {
    if (m_disMode == 2) return;
    int left = row.left + m_relItemLeft;
    if (m_style == 1) {
        DrawCheckBox(dc, row, item.checked);
        left = row.left + 3 * m_relItemLeft + m_checkSize;
    }
    if (m_disMode == 1 && !item.smallIcon.isNull()) {
        const int iconX = m_style == 1 ? row.left + 2 * m_relItemLeft + m_checkSize : left;
        const int iconY = RoundHalfEven((m_itemHeight - m_iconSize) / 2.0 + row.top);
        dc->DrawIconEx(iconX, iconY, item.smallIcon, m_iconSize, m_iconSize);
        left = (m_style == 1 ? left : row.left + m_relItemLeft) + m_iconSize + 4;
    }
    Gdi::Rect text{left, row.top, row.right, row.bottom};
    dc->DrawTextEx(PaintCycle::AnsiText(item.text), &text, kRowTextFormat);
}

void YCombo::DrawCheckBox(Surface* dc, const Gdi::Rect& row, bool checked) const {
    const int x0 = row.left + m_relItemLeft;
    const int y0 = RoundHalfEven((m_itemHeight - m_checkSize) * 0.5 + row.top);
    const int y1 = RoundHalfEven((m_itemHeight - m_checkSize) * 0.5 + row.top + m_checkSize);
    const Gdi::Rect box{x0, y0, x0 + m_checkSize, y1};
    FillRectColor(dc, box, kWhite);
    FrameRectColor(dc, box, m_clrCheckBoxFrame);
    const QImage& mark = CheckMark();
    if (checked && !mark.isNull())
        dc->TransparentBlt(x0, y0, m_checkSize - 1, m_checkSize, mark, 0, 0, mark.width(),
                           mark.height(), kWhite);
}

void YCombo::DrawScrollBar(Surface* dc) const {
    const int w = width();
    const int h = height();
    DrawScrollButton(dc, {w - 20, 22, w - 2, 40}, ScrollPart::Up);
    DrawScrollButton(dc, {w - 20, h - 20, w - 2, h - 2}, ScrollPart::Down);
    const ScrollColors& c = Scroll();
    FillRectColor(dc, {w - 20, 40, w - 2, h - 20}, c.ring);
    SmoothDrawing::DrawSmoothRoundFrame(dc, w - 20, m_thumbPos, w - 2, m_thumbPos + m_thumbLength,
                                        kCornerRadius, c.base);
    quint32 face = c.face;
    if (m_thumbDragging)
        face = c.facePressed;
    else if (m_hoverPart == ScrollPart::Thumb)
        face = c.faceHover;
    FillRectColor(dc, {w - 18, m_thumbPos + 2, w - 4, m_thumbPos + m_thumbLength - 2}, face);
}

void YCombo::DrawScrollButton(Surface* dc, const Gdi::Rect& outer, ScrollPart part) const {
    const ScrollColors& c = Scroll();
    FillRectColor(dc, outer, c.ring);
    SmoothDrawing::DrawSmoothRoundFrame(dc, outer.left, outer.top, outer.right, outer.bottom,
                                        kCornerRadius, c.base);
    const Gdi::Rect face{outer.left + 2, outer.top + 2, outer.right - 2, outer.bottom - 2};
    const int direction = part == ScrollPart::Up ? kArrowUp : kArrowDown;
    if (m_scrollButtonHeld && m_pressedPart == part) {
        FillRectColor(dc, face, c.facePressed);
        DrawChevron(dc, c.arrowPressed, outer, direction, kArrowSize, 1, 1, kArrowPen);
    } else if (m_hoverPart == part) {
        FillRectColor(dc, face, c.faceHover);
        DrawChevron(dc, c.arrowHover, outer, direction, kArrowSize, 0, 0, kArrowPen);
    } else {
        FillRectColor(dc, face, c.face);
        DrawChevron(dc, c.arrow, outer, direction, kArrowSize, 0, 0, kArrowPen);
    }
}

// ---- Paint cycle -----------------------------------------------------------------------------
