#include "Clock.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace {

struct Wakeup {
    int id;
    qint64 due;
    quint64 sequence;
    std::function<void()> fn;
};

struct ClockState {
    QMutex mutex;
    QElapsedTimer realTime;
    bool manual = false;
    qint64 manualNow = 0;
    quint64 nextSequence = 0;
    int nextId = 0;
    std::vector<Wakeup> wakeups;
    std::map<int, std::function<void()>> modeListeners;

    ClockState() { realTime.start(); }
    int NewId() {
        nextId = nextId == std::numeric_limits<int>::max() ? 1 : nextId + 1;
        return nextId;
    }
};

ClockState& State() {
    static ClockState state;
    return state;
}

void NotifyModeListeners() {
    std::vector<std::function<void()>> listeners;
    {
        QMutexLocker lock(&State().mutex);
        for (const auto& [id, fn] : State().modeListeners)
            listeners.push_back(fn);
    }
    // Outside the lock: listeners schedule on the clock.
    for (const auto& fn : listeners)
        fn();
}

}  // namespace

qint64 Clock::NowMs() {
    ClockState& s = State();
    QMutexLocker lock(&s.mutex);
    return s.manual ? s.manualNow : s.realTime.elapsed();
}

void Clock::UseManualTime(qint64 startMs) {
    {
        ClockState& s = State();
        QMutexLocker lock(&s.mutex);
        s.manual = true;
        s.manualNow = startMs;
        s.wakeups.clear();
    }
    NotifyModeListeners();
}

void Clock::UseSystemTime() {
    {
        ClockState& s = State();
        QMutexLocker lock(&s.mutex);
        s.manual = false;
        s.wakeups.clear();
    }
    NotifyModeListeners();
}

bool Clock::IsManual() {
    QMutexLocker lock(&State().mutex);
    return State().manual;
}

void Clock::Advance(qint64 ms) {
    ClockState& s = State();
    qint64 target = 0;
    {
        QMutexLocker lock(&s.mutex);
        if (!s.manual || ms < 0) return;
        target = s.manualNow + ms;
    }
    for (;;) {
        std::function<void()> fn;
        {
            QMutexLocker lock(&s.mutex);
            if (!s.manual) return;
            const auto next = std::min_element(
                s.wakeups.begin(), s.wakeups.end(), [](const Wakeup& a, const Wakeup& b) {
                    return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
                });
            if (next == s.wakeups.end() || next->due > target) break;
            // A wake-up scheduled in the past runs at the current time; time never goes back.
            s.manualNow = std::max(s.manualNow, next->due);
            fn = std::move(next->fn);
            s.wakeups.erase(next);
        }
        // Outside the lock: the callback may schedule, cancel or advance again.
        fn();
    }
    QMutexLocker lock(&s.mutex);
    if (s.manual) s.manualNow = std::max(s.manualNow, target);
}

int Clock::Schedule(qint64 dueMs, std::function<void()> fn) {
    ClockState& s = State();
    QMutexLocker lock(&s.mutex);
    if (!s.manual || !fn) return 0;
    const int id = s.NewId();
    s.wakeups.push_back({id, dueMs, s.nextSequence++, std::move(fn)});
    return id;
}

void Clock::Cancel(int id) {
    if (id == 0) return;
    ClockState& s = State();
    QMutexLocker lock(&s.mutex);
    std::erase_if(s.wakeups, [id](const Wakeup& w) { return w.id == id; });
}

int Clock::AddModeListener(std::function<void()> fn) {
    ClockState& s = State();
    QMutexLocker lock(&s.mutex);
    const int id = s.NewId();
    s.modeListeners[id] = std::move(fn);
    return id;
}

void Clock::RemoveModeListener(int id) {
    ClockState& s = State();
    QMutexLocker lock(&s.mutex);
    s.modeListeners.erase(id);
}
