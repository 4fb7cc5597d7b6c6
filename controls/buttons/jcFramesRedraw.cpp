// The complete repaint of jcFrames: the style painter, then the icon place, the caption and
// the icon.

#include "CodePage.h"
#include "PictureEffect.h"
#include "Raster.h"
#include "Rounding.h"
#include "jcFrames.h"

namespace {

constexpr int kGap = FramePainters::kGap;
constexpr int kIndent = FramePainters::kIndent;
const QString kEllipsis = QStringLiteral("...");

enum class IconSide { Before = 0, After = 1 };

// The caption as the byte-oriented text functions see it.
QString ThroughCodePage(const QString& text) {
    return CodePage::ToUnicode(CodePage::FromUnicode(text));
}

bool DrawsNoIcon(int style) {
    return style == 0 || style == 5 || style == 6;
}

}  // namespace

QString jcFrames::FitCaption(const QString& text, int width) const {
    const Surface& s = surface();
    if (s.TextWidth(text) <= width) return text;
    // The widest prefix that fits with "..." after it. A longer prefix is never narrower, so a
    // binary search finds the one that removing a character at a time would.
    qsizetype fits = -1;
    qsizetype low = 0;
    qsizetype high = text.size() - 1;
    while (low <= high) {
        const qsizetype mid = low + (high - low) / 2;
        if (s.TextWidth(text.left(mid) + kEllipsis) <= width) {
            fits = mid;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    if (fits < 0) return {};
    // Never ends between the halves of a surrogate pair.
    if (fits > 0 && text.at(fits - 1).isHighSurrogate()) --fits;
    return text.left(fits) + kEllipsis;
}

FramePainters::Input jcFrames::PainterInput(const QString& shown) const {
    FramePainters::Input in;
    // Stored colours may still be system colours; the painters mix channels, so they get RGB.
    const auto rgb = &jcFrames::TranslateColour;
    in.colors = m_enabled ? FramePainters::ColorSet{rgb(m_frameColor), rgb(m_textBoxColor),
                                                    rgb(m_fillColor),  rgb(m_theme.light),
                                                    rgb(m_theme.mid),  rgb(m_theme.dark)}
                          : m_disabled;
    in.hasCaption = !shown.isEmpty();
    if (in.hasCaption) {
        in.textWidth = surface().TextWidth(shown);
        in.textHeight = surface().TextHeight(shown);
        in.halfHeight = RoundHalfEven(in.textHeight / 2.0);
    }
    in.textBoxHeight = m_textBoxHeight;
    in.roundedCorner = m_roundedCorner;
    in.roundedCornerTxtBox = m_roundedCornerTxtBox;
    in.txtBoxShadow = m_txtBoxShadow;
    in.headerStyle = m_headerStyle;
    in.gradientHeaderStyle = m_gradientHeaderStyle;
    in.alignment = m_alignment;
    in.themeColor = m_themeColor;
    in.iconSize = m_iconSize;
    in.enabled = m_enabled;
    return in;
}

void jcFrames::RedrawFrame() {
    Surface& s = surface();
    s.SelectBrush(Gdi::Brush::Solid(s.brush().color));
    s.Cls();
    const QString shown = ThroughCodePage(m_caption);
    FrameCanvas canvas(s, s.width(), s.height());
    FramePainters::Output out = FramePainters::Paint(m_style, canvas, PainterInput(shown));
    // The rounded shape of style 8 is undone by every other repaint.
    SetWindowRegion(out.shape);
    if (!m_picture.isNull()) PlaceIcon(&out);
    m_captionRect = out.caption;
    m_iconPosition = {out.iconX, out.iconY};
    m_shownCaption.clear();
    if (!shown.isEmpty()) DrawCaption(out.caption, shown);
    if (!m_picture.isNull() && !DrawsNoIcon(m_style)) DrawIcon(out.iconX, out.iconY);
    Refresh();
}

// Makes room for the icon beside the caption and sets the icon's x. Styles that draw no icon
// keep their caption where it is.
void jcFrames::PlaceIcon(FramePainters::Output* out) {
    if (DrawsNoIcon(m_style)) return;
    const int room = kGap + m_iconSize;
    Gdi::Rect& r = out->caption;
    const bool sided = m_alignment == 0 || m_alignment == 1;
    const bool inset = m_style == 2;
    const auto shift = [](int v, int by) { return Gdi::ClampCoord(qint64(v) + by); };
    if (m_iconAlignment == int(IconSide::Before)) {
        r.left = shift(r.left, room);
        if (!sided) r.right = shift(r.right, -room);
        out->iconX = qint16(inset ? 2 * kGap + kIndent : kGap);
    } else if (m_iconAlignment == int(IconSide::After)) {
        if (!sided) r.left = shift(r.left, room);
        r.right = shift(r.right, -room);
        const double sw = surface().width();
        const double x = inset ? sw - 2 * kGap - m_iconSize - kIndent : sw - kGap - m_iconSize;
        out->iconX = qint16(qBound(-32768, RoundHalfEven(x), 32767));
    }
}

void jcFrames::DrawCaption(const Gdi::Rect& rect, const QString& shown) {
    Surface& s = surface();
    s.SetBkMode(Gdi::TRANSPARENT);
    s.SetTextColor(m_enabled ? m_textColor : Colors::GetSysColor(Colors::SystemColor::GrayText));
    if (m_style == 8) {
        // The whole caption, wrapped, centred as a block in the caption rectangle.
        Gdi::Rect measured = rect;
        s.DrawText(shown, &measured, m_textFormat | Gdi::DT_CALCRECT);
        measured.offset((rect.right - measured.right) / 2, (rect.bottom - measured.bottom) / 2);
        m_shownCaption = shown;
        s.DrawText(shown, &measured, m_textFormat);
        return;
    }
    m_shownCaption = FitCaption(shown, rect.right - rect.left);
    Gdi::Rect target = rect;
    s.DrawText(m_shownCaption, &target, m_textFormat);
}

void jcFrames::DrawIcon(int x, int y) {
    if (m_style == 1)
        y = qMax(y, 5);
    else if (m_style == 4)
        y = qMax(y, 8);
    else if (y < 0)
        y = 3;
    m_iconPosition = {x, y};
    const int size = m_iconSize;
    // A size of 0 or less has no area to draw in.
    if (size <= 0) return;
    Surface& s = surface();
    if (m_enabled) {
        const QRect visible = PictureEffect::VisiblePart(s, x, y, size, size);
        if (visible.isEmpty()) return;
        QImage part(visible.size(), QImage::Format_ARGB32_Premultiplied);
        part.fill(Qt::transparent);
        PictureEffect::DrawScaledPart(&part, m_picture, x, y, size, size, visible);
        s.DrawIconEx(visible.x(), visible.y(), part);
    } else {
        // Grey, with the picture's black pixels left out.
        PictureEffect effect;
        effect.key = 0x000000;
        effect.greyscale = true;
        effect.Draw(s, x, y, size, size, m_picture);
    }
}
