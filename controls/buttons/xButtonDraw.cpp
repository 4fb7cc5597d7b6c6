#include <QFile>

#include "Blit.h"
#include "CodePage.h"
#include "Colors.h"
#include "Rounding.h"
#include "xButton.h"

namespace {

// The composed faces must stay a size an image can hold.
constexpr qint64 kMaxComposedPixels = 16LL * 1024 * 1024;

QImage LoadSkin(int index) {
    QImage image(QStringLiteral(":/images/xbutton_skin%1.png").arg(index));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Text as the ANSI text calls show it: characters the code page lacks become "?".
QString AnsiText(const QString& text) {
    return CodePage::ToUnicode(CodePage::FromUnicode(text));
}

}  // namespace

const QImage& xButton::SkinImage(int index) {
    static const std::array<QImage, kSkinCount> skins = [] {
        std::array<QImage, kSkinCount> loaded;
        for (int i = 0; i < kSkinCount; ++i)
            loaded[size_t(i)] = LoadSkin(i);
        return loaded;
    }();
    return skins[size_t(qBound(0, index, kSkinCount - 1))];
}

void xButton::RebuildSkin() {
    const int w = width();
    const int h = height();
    if (w < xButtonFace::kMinimumSide || h < xButtonFace::kMinimumSide) return;
    if (qint64(4) * w * h > kMaxComposedPixels) return;
    QImage composed(4 * w, h, QImage::Format_RGB32);
    if (composed.isNull()) return;
    m_faceWidth = w;
    m_faceHeight = h;
    LayoutFace();
    composed.fill(Colors::ToRgb(m_skinBackColor));
    const QImage& skin = SkinImage(m_skin);
    // Straight copies, stretched by pixel replication as the system's StretchBlt does.
    const auto copy = [](QRgb source, QRgb& target) { target = source; };
    for (int i = m_float ? 1 : 0; i < kButtonStateCount; ++i) {
        for (const auto& piece : xButtonFace::NinePieces(i, i, w, h)) {
            const QRect& t = piece.target;
            const QRect& s = piece.source;
            Gdi::Blit(composed, skin, QImage::Format_RGB32,
                      {t.x(), t.y(), t.width(), t.height(), s.x(), s.y(), s.width(), s.height()},
                      copy);
        }
    }
    m_skinPicture = composed;
    Redraw();
}

void xButton::LayoutFace() {
    xButtonFace::LayoutInput in;
    in.width = width();
    in.height = height();
    in.state = m_state;
    in.useIco = m_useIco;
    in.captionEmpty = m_caption.isEmpty();
    in.icoWidth = m_icoWidth;
    in.icoHeight = m_icoHeight;
    const double points = m_font.pointSizeF() > 0 ? m_font.pointSizeF() : m_font.pixelSize() * 0.75;
    in.fontPoints = RoundHalfEven(points);
    m_layout = xButtonFace::LayoutFace(in, m_layout);
}

void xButton::Redraw() {
    Surface& dc = surface();
    const int w = dc.width();
    const int h = dc.height();
    dc.Cls();
    const int state = int(m_state);
    if (!m_skinPicture.isNull()) dc.BitBlt(0, 0, w, h, m_skinPicture, state * w, 0);
    // The caption colour always follows the system's caption colours.
    m_foreColor = Colors::GetSysColor(isEnabled() ? Colors::SystemColor::CaptionText
                                                  : Colors::SystemColor::InactiveCaptionText);
    LayoutFace();
    if (m_useIco) {
        const QImage& icon = m_ico[size_t(state)];
        if (!icon.isNull())
            dc.DrawIconEx(m_layout.iconX, m_layout.iconY, icon, m_icoWidth, m_icoHeight);
    }
    dc.SetTextColor(0x000000);
    dc.SetBkMode(Gdi::TRANSPARENT);
    dc.SelectFont(m_font);
    Gdi::Rect rect = m_layout.captionRect;
    dc.DrawText(AnsiText(m_caption), &rect, Gdi::DT_SINGLELINE | Gdi::DT_CENTER | Gdi::DT_VCENTER);
    if (hasFocus() && m_focusRect) {
        m_layout.captionRect = {3, 3, w - 3, h - 3};
        dc.DrawFocusRect(m_layout.captionRect);
    }
    Refresh();
}
