#include "YComboGeometry.h"

#include <algorithm>

#include "BreakLines.h"
#include "Rounding.h"

namespace YComboGeometry {
namespace {

constexpr int kColumnWidth = 20;  // the scroll bar, from W - 20 to W - 2
constexpr int kButtonHeight = 18;
constexpr int kPromptPadding = 8;
constexpr int kPromptLineGap = 2;
constexpr int kPromptWrap = 200;
constexpr int kPromptWideWrap = 250;
constexpr int kPromptLongText = 40;  // characters from which a long prompt wraps wider

// The lowest thumb top: the thumb then touches the down button.
int LastThumbPos(const ScrollMetrics& m) {
    return m.height - m.thumbLength - kColumnWidth;
}

}  // namespace

int ThumbLengthFor(int height, int visibleRows, int listCount) {
    if (listCount <= 0) return kThumbMinimum;
    const int length = RoundHalfEven(double(height - 60) * visibleRows / listCount);
    return length < 11 ? kThumbMinimum : length;
}

int ThumbPosFor(int top, const ScrollMetrics& m) {
    if (top == 0 || m.maxTop <= 0) return kTrackTop;
    if (top == m.maxTop) return LastThumbPos(m);
    return RoundHalfEven(double(top) * (m.height - m.thumbLength - 60) / m.maxTop + kTrackTop);
}

int TopFor(int pos, const ScrollMetrics& m) {
    if (pos <= kTrackTop) return 0;
    // Also covers a track too short for the thumb to move on (no division by zero below).
    if (pos >= LastThumbPos(m)) return m.maxTop;
    return RoundHalfEven(double(pos - kTrackTop) * m.maxTop / (m.height - m.thumbLength - 60));
}

ScrollPart PressPartAt(int y, int thumbPos, const ScrollMetrics& m) {
    if (y >= kFirstRowTop && y <= kTrackTop) return ScrollPart::Up;
    if (y >= m.height - kColumnWidth && y <= m.height - 2) return ScrollPart::Down;
    if (y > thumbPos && y < thumbPos + m.thumbLength) return ScrollPart::Thumb;
    return ScrollPart::Track;
}

bool InScrollColumn(int x, int y, QSize client) {
    return x >= client.width() - kColumnWidth && x <= client.width() - 2 && y >= kFirstRowTop &&
           y <= client.height() - 2;
}

ScrollPart HoverPartAt(int x, int y, int width, int thumbPos, const ScrollMetrics& m) {
    if (!InScrollColumn(x, y, QSize(width, m.height))) return ScrollPart::None;
    return PressPartAt(y, thumbPos, m);
}

HitResult HitTestItem(int x, int y, const ListState& s) {
    const int w = s.client.width();
    const int h = s.client.height();
    HitResult hit;
    hit.overDropButton = x >= w - kButtonHeight && x <= w - 2 && y >= 2 && y <= 18;
    if (hit.overDropButton) return hit;
    if (x <= 2 || x >= w - 2 || y <= 2 || y >= h - 2 || h <= kClosedHeight) return hit;
    if (s.scrollBarVisible && x >= w - kColumnWidth - 1) return hit;
    if (y <= kFirstRowTop - 1 || s.listCount <= 0 || s.itemHeight <= 0) return hit;
    const int index = s.topIndex + (y - kFirstRowTop) / s.itemHeight;
    // A list taller than its rows (items removed while open) has no item below the last.
    if (index >= 0 && index < s.listCount) hit.index = index;
    return hit;
}

int OpenHeight(int itemHeight, int listCount) {
    const int rows = listCount > 0 ? std::min(listCount, kVisibleRows) : 1;
    return itemHeight * rows + kFirstRowTop + 2;
}

Gdi::Rect RowRect(int k, int width, int itemHeight, bool scrollBarVisible, int relLeft) {
    const int top = kFirstRowTop + k * itemHeight;
    const int right = scrollBarVisible ? width - kColumnWidth - relLeft : width - 2;
    return {2, top, right, top + itemHeight};
}

Chevron ChevronIn(const Gdi::Rect& rect, int direction, int size, int dx, int dy) {
    const int span = 2 * size - 1;
    const int x = rect.left + (rect.width() - span) / 2 + size - 1 + dx;
    const int arm = size - 1;
    if (direction == 1) {
        const int y = rect.top + (rect.height() - size) / 2 + dy;
        return {{x, y}, {x - arm, y + arm}, {x + arm, y + arm}};
    }
    const int y = rect.top + (rect.height() - size) / 2 + size - 1 + dy;
    return {{x, y}, {x - arm, y - arm}, {x + arm, y - arm}};
}

PromptLayout LayoutPrompt(const QString& text, int textHeight,
                          const std::function<int(const QString&)>& measure) {
    PromptLayout layout;
    const int tw = measure(text);
    int width = 0;
    if (tw > kPromptWrap) {
        const bool shortText = text.size() < kPromptLongText;
        const int wrap = shortText ? kPromptWrap : kPromptWideWrap;
        layout.lines = BreakLines(text, wrap, measure);
        width = wrap + kPromptPadding;
    } else {
        layout.lines = BreakLines(text, kPromptWrap, measure);
        if (layout.lines.size() <= 1) {
            width = tw + kPromptPadding;
        } else {
            int widest = 0;
            for (const QString& line : std::as_const(layout.lines))
                widest = std::max(widest, measure(line));
            width = widest + kPromptPadding;
        }
    }
    const int n = std::max(1, int(layout.lines.size()));
    layout.size = QSize(width, n * textHeight + kPromptLineGap * (n - 1) + kPromptPadding);
    return layout;
}

QPoint KeepOnScreen(QPoint at, QSize size, QSize screen, int taskBarHeight) {
    if (at.x() + size.width() > screen.width()) at.setX(screen.width() - size.width());
    const int bottom = screen.height() - taskBarHeight;
    if (at.y() + size.height() > bottom) at.setY(bottom - size.height());
    return at;
}

}  // namespace YComboGeometry
