#include <QCursor>
#include <QLineEdit>

#include "Clock.h"
#include "YCombo.h"
#include "YComboPrompt.h"

namespace {

constexpr int kKeyEnter = 13;
constexpr int kKeyAlt = 18;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;

}  // namespace

using YComboGeometry::kClosedHeight;

// ---- Opening and closing ---------------------------------------------------------------------

void YCombo::OpenList() {
    const int open = YComboGeometry::OpenHeight(m_itemHeight, ListCount());
    const bool hadFocus = m_text1->hasFocus();
    const QPoint screen = mapToGlobal(QPoint(0, 0));
    if (!m_open) {
        m_savedParent = parentWidget();
        m_savedPos = pos();
    }
    m_open = true;
    // A window of its own, topmost, but still owned by the parent: it goes when the parent goes.
    setParent(m_savedParent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setGeometry(screen.x(), screen.y(), width(), open);
    show();
    if (hadFocus) {
        activateWindow();
        m_text1->setFocus();
    }
    // Every click, also outside the list, comes here until the list closes.
    grabMouse();
    RecomputeLayout();
}

void YCombo::CloseList() {
    const int w = width();
    // A prompt left floating would outlive the list it belongs to.
    m_prompt->HidePrompt();
    if (m_open) {
        const bool hadFocus = m_text1->hasFocus();
        m_open = false;
        releaseMouse();
        setParent(m_savedParent, Qt::Widget);
        move(m_savedPos);
        resize(w, kClosedHeight);
        show();
        if (hadFocus) m_text1->setFocus();
    } else {
        resize(w, kClosedHeight);
    }
    Invalidate();
}

// ---- Mouse -----------------------------------------------------------------------------------

YComboGeometry::HitResult YCombo::HitTest(int x, int y) {
    const YComboGeometry::ListState state{size(), m_scrollBarVisible, ListCount(), m_topIndex,
                                          m_itemHeight};
    const auto hit = YComboGeometry::HitTestItem(x, y, state);
    m_overDropButton = hit.overDropButton;
    return hit;
}

void YCombo::OnMouseDown(int button, int shift, float fx, float fy) {
    const int x = int(fx);
    const int y = int(fy);
    if (button == kLeftButton && x >= 0 && x <= width() && y >= 0 && y <= height()) {
        if (m_scrollBarVisible && YComboGeometry::InScrollColumn(x, y, size())) PressScrollBar(y);
        const int index = HitTest(x, y).index;
        if (index != -1) {
            m_listIndex = index;
            RecomputeLayout();
        }
        if (m_overDropButton) {
            m_dropButtonHeld = true;
            Invalidate();
        }
    }
    emit MouseDown(button, shift, fx, fy);
}

void YCombo::OnDblClick(int button, int shift, float fx, float fy) {
    Q_UNUSED(shift);
    // The second press of a double click comes only as a double click: on the scroll bar it
    // presses like any press.
    const int x = int(fx);
    const int y = int(fy);
    if (button == kLeftButton && m_scrollBarVisible && YComboGeometry::InScrollColumn(x, y, size()))
        PressScrollBar(y);
}

void YCombo::PressScrollBar(int y) {
    m_scrollButtonHeld = true;
    m_firstTick = true;
    m_tmrIsLbuttonDown.Start();
    m_dragRefY = y;
    m_pressedPart = YComboGeometry::PressPartAt(y, m_thumbPos, Metrics());
    const int thumb = YComboGeometry::ThumbPosFor(m_topIndex, Metrics());
    switch (m_pressedPart) {
        case ScrollPart::Up:
            StepTo(m_topIndex - YComboGeometry::kLineStep);
            break;
        case ScrollPart::Down:
            StepTo(m_topIndex + YComboGeometry::kLineStep);
            break;
        case ScrollPart::Track:
            if (thumb < y) {
                if (y >= thumb + m_thumbLength) StepTo(m_topIndex + YComboGeometry::kPageStep);
            } else {
                StepTo(m_topIndex - YComboGeometry::kPageStep);
            }
            break;
        case ScrollPart::Thumb:
            m_thumbDragging = true;
            m_grabOffset = y - thumb;
            break;
        case ScrollPart::None:
            break;
    }
    Invalidate();
}

// Moves the first shown row to top, limited to the list.
void YCombo::StepTo(int top) {
    top = qBound(0, top, qMax(0, m_maxTop));
    if (top == m_topIndex) return;
    m_topIndex = top;
    m_thumbPos = YComboGeometry::ThumbPosFor(m_topIndex, Metrics());
    Invalidate();
}

void YCombo::OnMouseMove(int buttons, int shift, float fx, float fy) {
    const quint32 now = Clock::GetTickCount();
    if (m_moveSeen && now - m_lastMove < kMoveThrottleMs) return;
    m_moveSeen = true;
    m_lastMove = now;
    const int x = int(fx);
    const int y = int(fy);
    SetHover(HitTest(x, y).index);
    if (m_scrollBarVisible) {
        const auto part = YComboGeometry::HoverPartAt(x, y, width(), m_thumbPos, Metrics());
        if (part != m_hoverPart) {
            m_hoverPart = part;
            Invalidate();
        }
        if (m_scrollButtonHeld && m_thumbDragging) DragThumb();
    }
    emit MouseMove(buttons, shift, fx, fy);
}

void YCombo::SetHover(int index) {
    if (index == m_hoverIndex) return;
    m_hoverIndex = index;
    Invalidate();
    if (m_isToolTip) m_tmrPrompt.Start();
}

QPoint YCombo::CursorInClient() const {
    return mapFromGlobal(QCursor::pos());
}

void YCombo::DragThumb() {
    int y = CursorInClient().y();
    if (y == m_dragRefY) return;
    const int lowest = height() - m_thumbLength - 20;
    int p = m_thumbPos + y - m_dragRefY;
    if (p > lowest) {
        p = lowest;
        y = m_grabOffset + p;
    } else if (p <= YComboGeometry::kTrackTop - 1) {
        p = YComboGeometry::kTrackTop;
        y = m_grabOffset + YComboGeometry::kTrackTop;
    }
    const int oldTop = m_topIndex;
    const int oldPos = m_thumbPos;
    m_thumbPos = p;
    m_dragRefY = y;
    m_topIndex = YComboGeometry::TopFor(p, Metrics());
    if (m_topIndex != oldTop || m_thumbPos != oldPos) Invalidate();
}

void YCombo::OnMouseUp(int button, int shift, float fx, float fy) {
    if (button == kLeftButton) {
        m_dropButtonHeld = false;
        if (m_scrollButtonHeld) {
            m_thumbDragging = false;
            m_scrollButtonHeld = false;
            m_tmrIsLbuttonDown.Stop();
            if (m_open) grabMouse();
            Invalidate();
            return;  // no MouseUp for the end of a scroll
        }
        if (height() == kClosedHeight) {
            OpenList();
        } else {
            const int index = HitTest(int(fx), int(fy)).index;
            if (index != -1) {
                const QString text = list(index);
                emit Click(text);
                SetTextBox(text);
            }
            // Any release outside the rows closes the list too.
            CloseList();
        }
    }
    emit MouseUp(button, shift, fx, fy);
}

// ---- Auto-repeat on the scroll bar -----------------------------------------------------------

void YCombo::OnRepeatTick() {
    if (m_thumbDragging) return;
    const QPoint at = CursorInClient();
    const int w = width();
    if (at.x() < w - 20 || at.x() > w - 2 || at.y() < 2 || at.y() > height() - 2) {
        m_hoverPart = ScrollPart::None;
        StopRepeating();
        return;
    }
    m_hoverPart = YComboGeometry::HoverPartAt(at.x(), at.y(), w, m_thumbPos, Metrics());
    if (m_firstTick) {
        // The second step waits a tick longer than the ones after it.
        m_firstTick = false;
        return;
    }
    const auto part = YComboGeometry::PressPartAt(at.y(), m_thumbPos, Metrics());
    if (part != m_pressedPart) {
        StopRepeating();
        return;
    }
    StepWhileHeld(part, at.y());
}

void YCombo::StepWhileHeld(ScrollPart part, int y) {
    const int thumb = YComboGeometry::ThumbPosFor(m_topIndex, Metrics());
    if (part == ScrollPart::Up) {
        StepTo(m_topIndex - YComboGeometry::kLineStep);
    } else if (part == ScrollPart::Down) {
        StepTo(m_topIndex + YComboGeometry::kLineStep);
    } else if (part == ScrollPart::Track) {
        // Paging stops once the thumb reaches the cursor.
        if (thumb < y) {
            if (y >= thumb + m_thumbLength) StepTo(m_topIndex + YComboGeometry::kPageStep);
            if (y < YComboGeometry::ThumbPosFor(m_topIndex, Metrics()) + m_thumbLength)
                StopRepeating();
        } else {
            StepTo(m_topIndex - YComboGeometry::kPageStep);
            if (YComboGeometry::ThumbPosFor(m_topIndex, Metrics()) < y) StopRepeating();
        }
    }
}

void YCombo::StopRepeating() {
    m_scrollButtonHeld = false;
    m_tmrIsLbuttonDown.Stop();
    Invalidate();
}

// ---- Wheel and keys --------------------------------------------------------------------------

void YCombo::OnWheel(int delta) {
    if (height() == kClosedHeight || ListCount() <= 0 || !m_scrollBarVisible) return;
    if (delta < 0)
        m_topIndex = qMin(m_topIndex + YComboGeometry::kWheelStep, m_maxTop);
    else
        m_topIndex = qMax(m_topIndex - YComboGeometry::kWheelStep, 0);
    m_thumbPos = YComboGeometry::ThumbPosFor(m_topIndex, Metrics());
    Invalidate();
}

void YCombo::OnKeyDown(int keyCode, int shift) {
    const bool shown = height() != kClosedHeight;
    if (keyCode == kKeyAlt) {
        if (shown) CloseList();
        return;
    }
    if (!shown || ListCount() == 0) return;
    if (keyCode == kKeyUp)
        MoveSelection(-1);
    else if (keyCode == kKeyDown)
        MoveSelection(1);
    else if (keyCode == kKeyEnter && m_listIndex != -1)
        ChooseSelected();
    emit KeyDown(keyCode, shift);
}

void YCombo::MoveSelection(int step) {
    m_listIndex = qBound(0, m_listIndex + step, ListCount() - 1);
    if (m_scrollBarVisible) {
        if (step < 0 && m_listIndex < m_topIndex) --m_topIndex;
        if (step > 0 && m_listIndex > m_topIndex + YComboGeometry::kVisibleRows - 1) ++m_topIndex;
    }
    m_topIndex = qBound(0, m_topIndex, qMax(0, m_maxTop));
    m_thumbPos = YComboGeometry::ThumbPosFor(m_topIndex, Metrics());
    SetTextBox(list(m_listIndex));
    RecomputeLayout();
}

void YCombo::ChooseSelected() {
    const QString text = list(m_listIndex);
    emit Click(text);
    CloseList();
    SetTextBox(text);
}

// ---- Hover prompt ----------------------------------------------------------------------------

void YCombo::OnPromptTick() {
    m_tmrPrompt.Stop();
    if (m_hoverIndex == -1 || !m_items.At(m_hoverIndex)) {
        m_prompt->HidePrompt();
        return;
    }
    const int row = (m_hoverIndex - m_topIndex) % YComboGeometry::kVisibleRows;
    const QPoint client(m_relLeft, m_relTop + row * m_itemHeight);
    const QPoint screen(QCursor::pos().x(), mapToGlobal(client).y() + m_itemHeight + 22);
    m_prompt->ShowText(list(m_hoverIndex), screen);
}
