#pragma once

#include <QtGlobal>
#include <memory>
#include <optional>

class QEvent;
class QWidget;

// The window messages the owner-drawn controls route through their hooks, with the numbers and
// the wParam/lParam packing the controls read them by. A Qt event becomes one such message;
// mouse messages can be turned back into a Qt event after a hook changed their parameters.
namespace WindowMessages {

constexpr quint32 WM_SIZE = 0x0005;
constexpr quint32 WM_SETFOCUS = 0x0007;
constexpr quint32 WM_KILLFOCUS = 0x0008;
constexpr quint32 WM_PAINT = 0x000F;
constexpr quint32 WM_KEYDOWN = 0x0100;
constexpr quint32 WM_KEYUP = 0x0101;
constexpr quint32 WM_MOUSEMOVE = 0x0200;
constexpr quint32 WM_LBUTTONDOWN = 0x0201;
constexpr quint32 WM_LBUTTONUP = 0x0202;
constexpr quint32 WM_LBUTTONDBLCLK = 0x0203;
constexpr quint32 WM_RBUTTONDOWN = 0x0204;
constexpr quint32 WM_RBUTTONUP = 0x0205;
constexpr quint32 WM_RBUTTONDBLCLK = 0x0206;
constexpr quint32 WM_MBUTTONDOWN = 0x0207;
constexpr quint32 WM_MBUTTONUP = 0x0208;
constexpr quint32 WM_MBUTTONDBLCLK = 0x0209;
constexpr quint32 WM_MOUSEWHEEL = 0x020A;
constexpr quint32 WM_MOUSELEAVE = 0x02A3;

// Mouse-message wParam flags.
constexpr qint32 MK_LBUTTON = 0x0001;
constexpr qint32 MK_RBUTTON = 0x0002;
constexpr qint32 MK_SHIFT = 0x0004;
constexpr qint32 MK_CONTROL = 0x0008;
constexpr qint32 MK_MBUTTON = 0x0010;

// x in the low word, y in the high word, each as 16 bits.
constexpr qint32 MakeLParam(int low, int high) {
    return qint32(quint32(low & 0xFFFF) | (quint32(high & 0xFFFF) << 16));
}
// The words of a packed value, sign-extended as the system's point macros read them.
constexpr int SignedLoWord(qint32 value) {
    return int(qint16(quint16(quint32(value) & 0xFFFF)));
}
constexpr int SignedHiWord(qint32 value) {
    return int(qint16(quint16(quint32(value) >> 16)));
}

struct Message {
    quint32 message = 0;
    qint32 wParam = 0;
    qint32 lParam = 0;
};

// The message a Qt event stands for, or nothing for events no hook can subscribe to.
std::optional<Message> FromEvent(const QEvent& event);

// A mouse event for a mouse message (positions from lParam, buttons from wParam) delivered to
// widget; null for other messages.
std::unique_ptr<QEvent> ToMouseEvent(const Message& message, const QWidget& widget);

}  // namespace WindowMessages
