#include "WindowMessages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include "VirtualKeys.h"

namespace WindowMessages {
namespace {

qint32 KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    qint32 flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

// The down, up and double-click messages of a button follow each other in the same order.
std::optional<quint32> ButtonMessage(Qt::MouseButton button, quint32 leftMessage) {
    switch (button) {
        case Qt::LeftButton:
            return leftMessage;
        case Qt::RightButton:
            return leftMessage + 3;
        case Qt::MiddleButton:
            return leftMessage + 6;
        default:
            return std::nullopt;
    }
}

std::optional<Message> FromMouse(const QMouseEvent& mouse, quint32 leftMessage) {
    quint32 number = WM_MOUSEMOVE;
    if (mouse.type() != QEvent::MouseMove) {
        const auto found = ButtonMessage(mouse.button(), leftMessage);
        if (!found) return std::nullopt;
        number = *found;
    }
    const QPoint p = mouse.position().toPoint();
    return Message{number, KeyFlags(mouse.buttons(), mouse.modifiers()), MakeLParam(p.x(), p.y())};
}

std::optional<Message> FromWheel(const QWheelEvent& wheel) {
    const qint32 keys = KeyFlags(wheel.buttons(), wheel.modifiers());
    const qint32 wParam = MakeLParam(keys, wheel.angleDelta().y());
    // The wheel message carries screen coordinates.
    const QPoint p = wheel.globalPosition().toPoint();
    return Message{WM_MOUSEWHEEL, wParam, MakeLParam(p.x(), p.y())};
}

}  // namespace

std::optional<Message> FromEvent(const QEvent& event) {
    switch (event.type()) {
        case QEvent::Paint:
            return Message{WM_PAINT, 0, 0};
        case QEvent::Resize: {
            const QSize s = static_cast<const QResizeEvent&>(event).size();
            return Message{WM_SIZE, 0, MakeLParam(s.width(), s.height())};
        }
        case QEvent::FocusIn:
            return Message{WM_SETFOCUS, 0, 0};
        case QEvent::FocusOut:
            return Message{WM_KILLFOCUS, 0, 0};
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = static_cast<const QKeyEvent&>(event);
            const quint32 number = event.type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP;
            return Message{number, VirtualKeyCode(key.key()), 1};
        }
        case QEvent::MouseMove:
            return FromMouse(static_cast<const QMouseEvent&>(event), WM_MOUSEMOVE);
        case QEvent::MouseButtonPress:
            return FromMouse(static_cast<const QMouseEvent&>(event), WM_LBUTTONDOWN);
        case QEvent::MouseButtonRelease:
            return FromMouse(static_cast<const QMouseEvent&>(event), WM_LBUTTONUP);
        case QEvent::MouseButtonDblClick:
            return FromMouse(static_cast<const QMouseEvent&>(event), WM_LBUTTONDBLCLK);
        case QEvent::Wheel:
            return FromWheel(static_cast<const QWheelEvent&>(event));
        case QEvent::Leave:
            return Message{WM_MOUSELEAVE, 0, 0};
        default:
            return std::nullopt;
    }
}

std::unique_ptr<QEvent> ToMouseEvent(const Message& message, const QWidget& widget) {
    QEvent::Type type = QEvent::None;
    Qt::MouseButton button = Qt::NoButton;
    const quint32 m = message.message;
    if (m == WM_MOUSEMOVE) {
        type = QEvent::MouseMove;
    } else if (m >= WM_LBUTTONDOWN && m <= WM_MBUTTONDBLCLK) {
        static constexpr QEvent::Type kTypes[] = {
            QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick};
        static constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton,
                                                       Qt::MiddleButton};
        const int offset = int(m - WM_LBUTTONDOWN);
        type = kTypes[offset % 3];
        button = kButtons[offset / 3];
    } else {
        return nullptr;
    }
    Qt::MouseButtons buttons;
    if (message.wParam & MK_LBUTTON) buttons |= Qt::LeftButton;
    if (message.wParam & MK_RBUTTON) buttons |= Qt::RightButton;
    if (message.wParam & MK_MBUTTON) buttons |= Qt::MiddleButton;
    Qt::KeyboardModifiers modifiers;
    if (message.wParam & MK_SHIFT) modifiers |= Qt::ShiftModifier;
    if (message.wParam & MK_CONTROL) modifiers |= Qt::ControlModifier;
    const QPointF local(SignedLoWord(message.lParam), SignedHiWord(message.lParam));
    return std::make_unique<QMouseEvent>(type, local, widget.mapToGlobal(local), button, buttons,
                                         modifiers);
}

}  // namespace WindowMessages
