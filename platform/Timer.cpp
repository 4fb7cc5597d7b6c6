#include "Timer.h"

#include "Clock.h"

Timer::Timer(QObject* parent) : QObject(parent) {
    m_qtimer.setTimerType(Qt::PreciseTimer);
    connect(&m_qtimer, &QTimer::timeout, this, &Timer::Tick);
    m_modeListener = Clock::AddModeListener([this] {
        m_wakeup = 0;  // the clock dropped its wake-ups
        Disarm();
        Arm();
    });
}

Timer::Timer(int intervalMs, QObject* parent) : Timer(parent) {
    m_interval = intervalMs;
}

Timer::~Timer() {
    Clock::RemoveModeListener(m_modeListener);
    Clock::Cancel(m_wakeup);
}

void Timer::SetInterval(int ms) {
    if (ms == m_interval) return;
    m_interval = ms;
    Disarm();
    Arm();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    Disarm();
    Arm();
}

void Timer::Start() {
    m_enabled = true;
    Disarm();
    Arm();
}

void Timer::Arm() {
    if (!m_enabled || m_interval <= 0) return;
    if (Clock::IsManual())
        m_wakeup = Clock::Schedule(Clock::NowMs() + m_interval, [this] { FireManual(); });
    else
        m_qtimer.start(m_interval);
}

void Timer::Disarm() {
    m_qtimer.stop();
    Clock::Cancel(m_wakeup);
    m_wakeup = 0;
}

void Timer::FireManual() {
    m_wakeup = 0;
    // The next wake-up is booked before Tick, so a handler that stops or restarts the timer
    // cancels or replaces it.
    Arm();
    emit Tick();
}
