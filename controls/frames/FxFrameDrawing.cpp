// The complete repaint of FxFrame in its three styles, and the auto-size rule.

#include "CodePage.h"
#include "FxFrame.h"
#include "FxFrameGeometry.h"
#include "Raster.h"
#include "Rounding.h"

namespace {

constexpr int kBandExtra = 4;

QString ThroughCodePage(const QString& text) {
    return CodePage::ToUnicode(CodePage::FromUnicode(text));
}

}  // namespace

void FxFrame::Redraw() {
    Surface& s = surface();
    s.SetBkColor(m_backColor);
    s.Cls();
    if (m_useMaskColor) SetMaskPicture(QImage());
    switch (FxFrameGeometry::Style(m_style)) {
        case FxFrameGeometry::Style::GroupFrame:
            DrawGroupFrame(s);
            break;
        case FxFrameGeometry::Style::PicturePanel:
        case FxFrameGeometry::Style::Label:
            DrawPanelOrLabel(s);
            break;
    }
    if (m_useMaskColor) SetMaskPicture(s.image());
}

void FxFrame::DrawGroupFrame(Surface& s) {
    const Gdi::Rect area = s.GetClipBox();
    const bool pictureInBorder = !m_picture.isNull() && m_borderStyle == 1;
    if (!m_picture.isNull()) {
        const int b = m_borderStyle == 1 ? 1 : 0;
        DrawPictureAt(s, b, b, m_picture);
    }
    DrawRoundFrame(s, m_drawWidth);
    m_captionSize = MeasureCaption(m_caption);
    const int tw = m_captionSize.width();
    const int th = m_captionSize.height();
    const bool hasIcon = !m_icon.isNull();
    const int block = hasIcon ? Gdi::ClampCoord(qint64(m_iconOffset) + tw + m_iconSize) : tw;
    const int x = FxFrameGeometry::CaptionBlockLeft(m_alignment, area.right, m_cRad,
                                                    m_captionOffset, block, pictureInBorder);
    const int y = CaptionLineY(m_drawWidth);
    const int h = m_drawWidth / 2;
    // Erases the outline's top line behind the caption: the caption sits in a gap.
    s.FillRect(
        Gdi::ClampRect({x, y - h - 1, Gdi::ClampCoord(qint64(x) + block + kBandExtra), y + h + 2}),
        m_backColor);
    int tx = x + 2;
    if (hasIcon) {
        const int ix = RoundHalfEven(m_iconOffset / 2.0 + x);
        DrawPictureAt(s, ix, Gdi::ClampCoord(qint64(m_borderStyle) + 1), m_icon, m_iconSize,
                      m_iconSize);
        tx = RoundHalfEven(m_iconOffset / 2.0 + (double(m_iconSize) + ix));
    }
    if (!m_caption.isEmpty()) {
        m_captionRect =
            Gdi::ClampRect({tx, y - th / 2, Gdi::ClampCoord(qint64(tx) + tw), y + th / 2});
        DrawCaption(s, m_captionRect);
    }
    if (m_borderStyle == 1) DrawBorderRect(s, 1);
}

void FxFrame::DrawPanelOrLabel(Surface& s) {
    const Gdi::Rect area = s.GetClipBox();
    if (!m_picture.isNull()) {
        const int b = m_borderStyle == 1 ? m_drawWidth : 0;
        DrawPictureAt(s, b, b, m_picture);
    }
    if (!m_caption.isEmpty()) {
        m_captionSize = MeasureCaption(m_caption);
        const int bw = m_borderStyle != 0 ? m_drawWidth : 0;
        m_captionRect =
            FxFrameGeometry::CalcCaptionRect(m_style, m_alignment, area.right, area.bottom,
                                             m_captionSize.width(), m_captionSize.height(), bw);
        DrawCaption(s, m_captionRect);
    }
    if (m_borderStyle == 1) DrawBorderRect(s, m_drawWidth);
}

QSize FxFrame::MeasureCaption(const QString& text) const {
    QString shown = text;
    if (m_opreFix && shown.contains(u'&')) shown.remove(u'&');
    const Surface& s = surface();
    return {s.TextWidth(shown), s.TextHeight(shown)};
}

int FxFrame::CaptionLineY(int lineWidth) const {
    return FxFrameGeometry::CaptionLineY(surface().TextHeight(m_caption), lineWidth, m_borderStyle,
                                         !m_icon.isNull(), m_iconSize);
}

void FxFrame::DrawRoundFrame(Surface& s, int lineWidth) {
    const Gdi::Rect area = s.GetClipBox();
    const int y = CaptionLineY(lineWidth);
    const Gdi::Pen old = s.SelectPen({Gdi::PS_SOLID, lineWidth, m_foreColor});
    s.RoundRect(Gdi::ClampCoord(qint64(m_borderStyle) + 2), y,
                Gdi::ClampCoord(qint64(area.right) - 3 - m_borderStyle),
                Gdi::ClampCoord(qint64(area.bottom) - 2 - m_borderStyle), m_cRad, m_cRad);
    s.SelectPen(old);
}

void FxFrame::DrawCaption(Surface& s, Gdi::Rect rect) {
    const quint32 remembered = s.GetTextColor();
    s.SetTextColor(m_enabled ? m_fontColor : Colors::TranslateColor(Colors::kGrayText));
    s.DrawText(ThroughCodePage(m_caption), &rect, m_opreFix ? 0u : Gdi::DT_NOPREFIX);
    s.SetTextColor(remembered);
}

void FxFrame::DrawBorderRect(Surface& s, int lineWidth) {
    const Gdi::Rect area = s.GetClipBox();
    const Gdi::Pen old = s.SelectPen({Gdi::PS_SOLID, 2 * lineWidth, m_foreColor});
    s.Rectangle(area.left, area.top, area.right + 1, area.bottom + 1);
    s.SelectPen(old);
}

void FxFrame::DrawPictureAt(Surface& s, int x, int y, const QImage& picture, int w, int h) {
    if (w == -1) w = picture.width();
    if (h == -1) h = picture.height();
    // Copied, never stretched: a larger picture is cut to the given size.
    s.BitBlt(x, y, w, h, picture.convertToFormat(QImage::Format_RGB32), 0, 0);
}

void FxFrame::ApplyAutoSize() {
    const int e = m_borderStyle != 0 ? 2 * m_drawWidth : 0;
    QSize pixels;
    if (m_style == int(FxFrameGeometry::Style::PicturePanel) && !m_picture.isNull()) {
        pixels = m_picture.size();
    } else if (m_style == int(FxFrameGeometry::Style::Label) && !m_caption.isEmpty()) {
        m_captionSize = MeasureCaption(m_caption);
        pixels = m_captionSize;
    } else {
        return;
    }
    SetSizeTwips(Units::PixelsToTwips(pixels.width() + e),
                 Units::PixelsToTwips(pixels.height() + e));
}
