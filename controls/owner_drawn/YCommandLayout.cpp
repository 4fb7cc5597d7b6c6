#include "YCommandLayout.h"

#include "BreakLines.h"
#include "ColorBlend.h"
#include "Rounding.h"

namespace YCommandLayout {
namespace {

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;
// Room kept free around the caption and beside the icon.
constexpr int kCaptionMargin = 6;
constexpr int kIconGap = 4;
constexpr int kLineSideMargin = 3;
constexpr int kLineGap = 2;

}  // namespace

ButtonLook ChooseLook(bool enabled, bool leftWhilePressed, bool pressed, bool hover) {
    if (!enabled || leftWhilePressed) return ButtonLook::Normal;
    if (pressed) return ButtonLook::Pressed;
    if (hover) return ButtonLook::Hover;
    return ButtonLook::Normal;
}

LookColors ColorsOf(ButtonLook look, quint32 clrBase) {
    using ColorBlend::BlendColor;
    switch (look) {
        case ButtonLook::Hover:
            return {BlendColor(clrBase, kBlack, 0.1f), BlendColor(clrBase, kWhite, 0.7f)};
        case ButtonLook::Pressed:
            return {BlendColor(clrBase, kBlack, 0.15f), BlendColor(clrBase, kWhite, 0.6f)};
        case ButtonLook::Normal:
        default:
            return {clrBase, BlendColor(clrBase, kWhite, 0.8f)};
    }
}

int FirstLineTop(int n, int h, int th) {
    const int h2 = h / 2;
    const int k = n / 2;
    if (n % 2 == 0) return h2 - k * th - 2 * (k - 1) - 1;
    return h2 - k * (th + kLineGap) - th / 2;
}

CaptionLayout LayoutCaption(const CaptionInput& in) {
    CaptionLayout out;
    const int w = in.client.width();
    const int h = in.client.height();
    Gdi::Rect rect{in.hasIcon ? in.relItemLeft + in.iconSize : 0, 0, w, h};
    const int th = in.textHeight;
    const int tw = in.measure(in.caption);
    const int available = rect.right - rect.left - kCaptionMargin;
    const bool hasBreak = in.caption.contains(QStringLiteral("\r\n"));

    if (!hasBreak && tw <= available) {
        out.singleLine = true;
        out.rect = rect;
        out.format = Gdi::DT_SINGLELINE | Gdi::DT_VCENTER | Gdi::DT_CENTER;
        if (in.hasIcon) {
            out.rect.left += kIconGap;
            out.format = Gdi::DT_SINGLELINE | Gdi::DT_VCENTER;
        }
        const int x = in.hasIcon ? rect.left + kIconGap : RoundHalfEven((w - tw) / 2.0);
        out.lines.append({in.caption, x, RoundHalfEven((h - th) / 2.0)});
        return out;
    }

    out.singleLine = false;
    const QStringList lines = BreakLines(in.caption, available, in.measure);
    const int n = int(lines.size());
    const int y0 = FirstLineTop(n, h, th);
    const int left = rect.left + kLineSideMargin;
    const int right = rect.right - kLineSideMargin;
    for (int i = 0; i < n; ++i) {
        const int lw = in.measure(lines[i]);
        out.lines.append(
            {lines[i], left + RoundHalfEven((right - left - lw) / 2.0), y0 + i * (th + kLineGap)});
    }
    return out;
}

}  // namespace YCommandLayout
