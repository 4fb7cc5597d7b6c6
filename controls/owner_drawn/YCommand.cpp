#include "YCommand.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>

#include "Clock.h"
#include "PaintCycle.h"
#include "PropertyBag.h"
#include "WindowMessages.h"

using namespace WindowMessages;

YCommand::YCommand(QWidget* parent)
    : OwnerDrawnControl(parent), m_tmrIsLeave(kLeaveIntervalMs), m_hook(this) {
    m_font = Ambient().Font;
    connect(&m_tmrIsLeave, &Timer::Tick, this, &YCommand::OnLeaveTimer);
}

YCommand::~YCommand() {
    // The hook holds a plain pointer to this control: it goes first.
    m_hook.DetachAllHooks();
    m_icon = QImage();
}

// ---- Properties ------------------------------------------------------------------------------

void YCommand::SetCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    PropertyChanged(QStringLiteral("Caption"));
    Invalidate();
}

void YCommand::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    PropertyChanged(QStringLiteral("Enabled"));
    Invalidate();
}

void YCommand::SetIcon(const QImage& icon) {
    m_icon = icon;
    PropertyChanged(QStringLiteral("Icon"));
    Invalidate();
}

void YCommand::SetIconSize(int size) {
    if (size < 1 || size == m_iconSize) return;
    m_iconSize = size;
    PropertyChanged(QStringLiteral("IconSize"));
    Invalidate();
}

void YCommand::SetrelItemLeft(int x) {
    if (x < 1 || x == m_relItemLeft) return;
    m_relItemLeft = x;
    PropertyChanged(QStringLiteral("relItemLeft"));
    Invalidate();
}

void YCommand::SetclrBase(quint32 color) {
    if (color == m_clrBase) return;
    m_clrBase = color;
    PropertyChanged(QStringLiteral("clrBase"));
    Invalidate();
}

void YCommand::SetReserveFx(int value) {
    if (value == m_reserveFx) return;
    m_reserveFx = value;
    PropertyChanged(QStringLiteral("ReserveFx"));
    Invalidate();
}

void YCommand::SetFont(const QFont& font) {
    if (font == m_font) return;
    m_font = font;
    PropertyChanged(QStringLiteral("Font"));
    Invalidate();
}

void YCommand::SetForeColor(quint32 color) {
    if (color == m_foreColor) return;
    m_foreColor = color;
    PropertyChanged(QStringLiteral("ForeColor"));
    Invalidate();
}

void YCommand::SetBackColor(quint32 color) {
    if (color == m_backColor) return;
    m_backColor = color;
    surface().SetBkColor(color);
    PropertyChanged(QStringLiteral("BackColor"));
    Invalidate();
}

YCommandLayout::ButtonLook YCommand::CurrentLook() const {
    return YCommandLayout::ChooseLook(m_enabled, m_leftWhilePressed, m_pressed, m_hover);
}

// ---- Persistence -----------------------------------------------------------------------------

void YCommand::InitProperties() {
    m_caption = Name();
    AttachHooks();
}

void YCommand::ReadProperties(const PropertyBag& bag) {
    m_pending.font = bag.Read<QFont>(QStringLiteral("Font"), m_font);
    m_pending.backColor = bag.Read<quint32>(QStringLiteral("BackColor"), m_backColor);
    m_pending.foreColor = bag.Read<quint32>(QStringLiteral("ForeColor"), m_foreColor);
    m_pending.iconSize = bag.Read<int>(QStringLiteral("IconSize"), kDefaultIconSize);
    m_pending.caption = bag.Read<QString>(QStringLiteral("Caption"), QString());
    m_pending.enabled = bag.Read<bool>(QStringLiteral("Enabled"), true);
    m_pending.relItemLeft = bag.Read<int>(QStringLiteral("relItemLeft"), kDefaultItemLeft);
    // A button stored without a base colour is black, unlike a new one.
    m_pending.clrBase = bag.Read<quint32>(QStringLiteral("clrBase"), 0u);
    m_pending.reserveFx = bag.Read<int>(QStringLiteral("ReserveFx"), 0);
}

void YCommand::ApplyProperties() {
    m_font = m_pending.font;
    m_backColor = m_pending.backColor;
    m_foreColor = m_pending.foreColor;
    // Stored sizes below 1 are refused as an assignment would refuse them.
    if (m_pending.iconSize >= 1) m_iconSize = m_pending.iconSize;
    m_caption = m_pending.caption;
    m_enabled = m_pending.enabled;
    if (m_pending.relItemLeft >= 1) m_relItemLeft = m_pending.relItemLeft;
    m_clrBase = m_pending.clrBase;
    m_reserveFx = m_pending.reserveFx;
    AttachHooks();
}

void YCommand::WriteProperties(PropertyBag& bag) {
    bag.WriteProperty(QStringLiteral("Font"), m_font);
    bag.WriteProperty(QStringLiteral("BackColor"), m_backColor);
    bag.WriteProperty(QStringLiteral("ForeColor"), m_foreColor);
    bag.WriteProperty(QStringLiteral("relItemLeft"), m_relItemLeft);
    bag.WriteProperty(QStringLiteral("Caption"), m_caption);
    bag.WriteProperty(QStringLiteral("Enabled"), m_enabled);
    bag.WriteProperty(QStringLiteral("IconSize"), m_iconSize);
    bag.WriteProperty(QStringLiteral("clrBase"), m_clrBase);
    bag.WriteProperty(QStringLiteral("ReserveFx"), m_reserveFx);
}

void YCommand::AttachHooks() {
    // A designer gets no hooks: the button draws in its ordinary paint event there.
    SetAutoRedraw(UserMode());
    if (!UserMode() || m_hook.IsAttached()) return;
    m_hook.AttachWindowHook(this);
    for (quint32 message :
         {WM_PAINT, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_MOUSELEAVE, WM_LBUTTONUP})
        m_hook.HookMessage(this, message, HookPhase::Before);
}

// ---- Messages --------------------------------------------------------------------------------

void YCommand::zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget*& /*window*/,
                              quint32& message, qint32& /*wParam*/, qint32& lParam) {
    if (!before) return;
    switch (message) {
        case WM_PAINT:
            PaintWindow();
            handled = true;
            result = 0;
            return;
        case WM_MOUSEMOVE:
            OnMouseMoveMessage();
            return;
        case WM_MOUSELEAVE:
            m_hover = false;
            Invalidate();
            return;
        case WM_LBUTTONDOWN:
            m_pressed = true;
            m_tmrIsLeave.Start();
            Invalidate();
            return;
        case WM_LBUTTONUP:
            OnButtonUp(lParam);
            return;
        case WM_LBUTTONDBLCLK:
            if (m_enabled) emit DBClick();
            Invalidate();
            return;
        default:
            return;
    }
}

void YCommand::OnMouseMoveMessage() {
    const quint32 now = Clock::GetTickCount();
    if (m_moveSeen && now - m_lastMove < kMoveThrottleMs) return;
    m_moveSeen = true;
    m_lastMove = now;
    // The window is told when the pointer leaves it without asking.
    if (!m_hover) {
        m_hover = true;
        Invalidate();
    }
}

void YCommand::OnButtonUp(qint32 lParam) {
    m_tmrIsLeave.Stop();
    m_leftWhilePressed = false;
    m_pressed = false;
    // The position as the low and high halves of lParam by remainder and division, so a
    // negative x or y never lands inside.
    const qint32 x = lParam % 65536;
    const qint32 y = lParam / 65536;
    if (m_enabled && x > 0 && x < width() && y > 0 && y < height()) emit Click();
    Invalidate();
}

void YCommand::OnLeaveTimer() {
    if (QApplication::widgetAt(QCursor::pos()) == this) return;
    m_leftWhilePressed = true;
    m_tmrIsLeave.Stop();
    Invalidate();
}

// ---- Painting --------------------------------------------------------------------------------
