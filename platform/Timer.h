#pragma once

#include <QObject>
#include <QTimer>

// A repeating timer: Tick every Interval milliseconds while Enabled. On real time it runs on a
// QTimer (ticks arrive from the event loop of its thread); on the manual clock of tests it
// ticks when Clock::Advance passes its due times. An interval of 0 or less never ticks.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);
    explicit Timer(int intervalMs, QObject* parent = nullptr);
    ~Timer() override;

    int Interval() const { return m_interval; }
    // A new interval restarts the countdown of a running timer.
    void SetInterval(int ms);

    bool Enabled() const { return m_enabled; }
    // Enabling a running timer changes nothing; use Start() to restart its countdown.
    void SetEnabled(bool enabled);

    // Enables the timer and starts a fresh countdown.
    void Start();
    void Stop() { SetEnabled(false); }

signals:
    void Tick();

private:
    void Arm();
    void Disarm();
    void FireManual();

    int m_interval = 0;
    bool m_enabled = false;
    QTimer m_qtimer;
    int m_wakeup = 0;        // pending wake-up on the manual clock
    int m_modeListener = 0;  // re-arms the timer when the clock switches time
};
