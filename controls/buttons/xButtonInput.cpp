#include "xButton.h"

void xButton::SetState(ButtonState state) {
    if (state == m_state) return;
    m_state = state;
    // A check button that is on shows pressed whenever it is not disabled.
    if (m_checkButton && state != ButtonState::Disabled && m_checkValue)
        m_state = ButtonState::Pressed;
    Redraw();
}

void xButton::Capture(bool on) {
    if (on && isVisible())
        grabMouse();
    else if (!on && QWidget::mouseGrabber() == this)
        releaseMouse();
}

void xButton::OnMouseMove(int buttons, int /*shift*/, float x, float y) {
    if (x <= 0 || x >= m_faceWidth || y <= 0 || y >= m_faceHeight) {
        Capture(false);
        m_tracking = false;
        SetState(ButtonState::Normal);
        return;
    }
    if (buttons != kLeftButton && !m_tracking) {
        Capture(true);
        m_tracking = true;
        SetState(ButtonState::Hover);
    }
}

void xButton::OnMouseDown(int button, int /*shift*/, float /*x*/, float /*y*/) {
    m_lastButton = button;
    if (button != kLeftButton) return;
    if (m_checkButton) m_checkValue = !m_checkValue;
    SetState(ButtonState::Pressed);
}

void xButton::OnMouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    if (!m_tracking) return;
    Capture(false);
    m_tracking = false;
    SetState(ButtonState::Normal);
    emit Click();
}

void xButton::OnDblClick(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    if (m_lastButton == kLeftButton) SetState(ButtonState::Pressed);
}
