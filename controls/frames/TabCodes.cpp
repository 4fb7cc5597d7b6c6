#include "TabCodes.h"

#include <algorithm>
#include <limits>

#include "UserControl.h"

namespace TabCodes {

namespace {

constexpr int kShownCode = 1000;
constexpr int kNoTabStopBase = 100000;

// Codes come from stored data; sums that leave the int range saturate instead of wrapping.
int SaturatedSum(qint64 a, qint64 b) {
    return int(std::clamp<qint64>(a + b, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

}  // namespace

ChildPlace Arrange(const ChildPlace& child, int d) {
    ChildPlace out = child;
    const int home = child.top >= kParkOffsetTwips ? child.top - kParkOffsetTwips : child.top;
    out.code = SaturatedSum(child.code, d);
    if (out.code == kShownCode || out.code == kNoTabStopBase) {
        out.top = home;
    } else {
        out.top = SaturatedSum(home, kParkOffsetTwips);
        // A child without a readable tab stop counts as one whose tab stop is on.
        if (child.tabStop.value_or(true)) {
            out.code = out.code > 99000 ? SaturatedSum(out.code, kShownCode - kNoTabStopBase)
                                        : SaturatedSum(out.code, kShownCode);
        } else if (out.code < 500) {
            out.code = SaturatedSum(out.code, kNoTabStopBase);
        }
        if (out.tabStop) out.tabStop = false;
    }
    if (out.code == kShownCode) {
        if (out.tabStop) out.tabStop = true;
        out.code = 0;
    }
    return out;
}

void ArrangeTabPages(const QList<QWidget*>& children, int previous, int active) {
    if (previous == active) return;
    const int d = SaturatedSum(previous, -qint64(active));
    for (QWidget* child : children) {
        const ChildPlace before{UserControl::TopOf(child), UserControl::WhatsThisHelpIDOf(child),
                                UserControl::TabStopOf(child)};
        const ChildPlace after = Arrange(before, d);
        if (after.top != before.top) UserControl::SetTopOf(child, after.top);
        UserControl::SetWhatsThisHelpIDOf(child, after.code);
        if (after.tabStop && after.tabStop != before.tabStop)
            UserControl::SetTabStopOf(child, *after.tabStop);
    }
}

}  // namespace TabCodes
