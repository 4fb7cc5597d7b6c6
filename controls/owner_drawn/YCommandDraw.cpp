#include "ColorDrawing.h"
#include "PaintCycle.h"
#include "Rounding.h"
#include "SmoothDrawing.h"
#include "YCommand.h"

namespace {

constexpr int kCornerRadius = 3;

}  // namespace

quint32 YCommand::ParentBackColor() const {
    // The corners outside the outline show the parent's background.
    const QWidget* parent = parentWidget();
    if (!parent) return 0xFFFFFF;
    return Colors::FromQColor(parent->palette().color(parent->backgroundRole()));
}

void YCommand::Draw(Surface* dc) const {
    if (!dc) return;
    using namespace ColorDrawing;
    const int w = dc->width();
    const int h = dc->height();
    FillRectColor(dc, {0, 0, w, h}, ParentBackColor());

    const auto colors = YCommandLayout::ColorsOf(CurrentLook(), m_clrBase);
    SmoothDrawing::DrawSmoothRoundFrame(dc, 0, 0, w, h, kCornerRadius, colors.outline);
    // The fill covers the inner half of the corners' soft pixels.
    FillRectColor(dc, {2, 1, w - 2, 2}, colors.fill);
    FillRectColor(dc, {1, 2, w - 1, h - 2}, colors.fill);
    FillRectColor(dc, {2, h - 2, w - 2, h - 1}, colors.fill);

    if (!m_icon.isNull())
        dc->DrawIconEx(m_relItemLeft, RoundHalfEven((h - m_iconSize) * 0.5), m_icon, m_iconSize,
                       m_iconSize);
    DrawCaption(dc);
}

void YCommand::DrawCaption(Surface* dc) const {
    YCommandLayout::CaptionInput in;
    in.caption = PaintCycle::AnsiText(m_caption);
    in.client = dc->size();
    in.hasIcon = !m_icon.isNull();
    in.relItemLeft = m_relItemLeft;
    in.iconSize = m_iconSize;
    in.textHeight = dc->TextHeight(QStringLiteral("a"));
    in.measure = [dc](const QString& text) { return dc->TextWidth(text); };
    const auto layout = YCommandLayout::LayoutCaption(in);
    constexpr unsigned kDisabledText = Gdi::DST_TEXT | Gdi::DSS_DISABLED;

    if (layout.singleLine && m_enabled) {
        Gdi::Rect rect = layout.rect;
        dc->DrawText(in.caption, &rect, layout.format);
        return;
    }
    for (const auto& line : layout.lines) {
        if (m_enabled)
            dc->TextOut(line.x, line.y, line.text);
        else
            dc->DrawState(line.text, line.x, line.y, kDisabledText);
    }
}
