#pragma once

#include <QtGlobal>
#include <functional>

// The process-wide clock behind GetTickCount and the timers. The program runs on real time;
// tests switch to manual time, which stands still until they advance it.
//
// Manual time drives what was scheduled on it: Advance() fires every wake-up that falls due,
// in order of due time (and of scheduling, for equal times), on the calling thread, with the
// clock standing at each wake-up's due time while it runs.
class Clock {
public:
    Clock() = delete;

    // Milliseconds since an arbitrary start, never going backwards.
    static qint64 NowMs();
    // NowMs in 32 bits, wrapping after about 49.7 days like the system tick count.
    static quint32 GetTickCount() { return quint32(quint64(NowMs())); }

    // Switches to manual time starting at startMs. Wake-ups still pending from an earlier
    // manual period are dropped; running timers move over to manual time.
    static void UseManualTime(qint64 startMs = 0);
    // Back to real time; running timers move back to it.
    static void UseSystemTime();
    static bool IsManual();

    // Manual time only: moves the clock forward by ms (ignored when negative or on real time)
    // and fires what falls due on the way.
    static void Advance(qint64 ms);

    // Manual time only: calls fn once the clock reaches dueMs. Returns an id for Cancel, or 0
    // on real time (nothing is scheduled then).
    static int Schedule(qint64 dueMs, std::function<void()> fn);
    static void Cancel(int id);

    // Called after every switch between real and manual time (timers re-arm themselves on the
    // new time). Returns an id for RemoveModeListener.
    static int AddModeListener(std::function<void()> fn);
    static void RemoveModeListener(int id);
};
