#include "Timer.h"

#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "Clock.h"

namespace {

class TimerManualClockTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::UseManualTime(1000); }
    void TearDown() override { Clock::UseSystemTime(); }

    // Records "name@time" for every tick of timer.
    void Record(Timer& timer, const char* name) {
        QObject::connect(&timer, &Timer::Tick, [this, name] {
            m_log.push_back(QStringLiteral("%1@%2").arg(name).arg(Clock::NowMs()));
        });
    }
    std::vector<QString> m_log;
};

TEST_F(TimerManualClockTest, TickCountStandsStillUntilAdvancedAndWraps) {
    EXPECT_EQ(Clock::GetTickCount(), 1000u);
    Clock::Advance(250);
    EXPECT_EQ(Clock::GetTickCount(), 1250u);
    Clock::Advance(-100);  // time never goes back
    EXPECT_EQ(Clock::NowMs(), 1250);

    Clock::UseManualTime(0xFFFFFFF0LL);
    Clock::Advance(0x20);
    EXPECT_EQ(Clock::GetTickCount(), 0x10u);
    EXPECT_EQ(Clock::NowMs(), 0x100000010LL);
}

TEST_F(TimerManualClockTest, TimersTickAtTheirDueTimesInOrder) {
    Timer fast(30), slow(50);
    Record(fast, "fast");
    Record(slow, "slow");
    fast.SetEnabled(true);
    slow.SetEnabled(true);

    Clock::Advance(29);
    EXPECT_TRUE(m_log.empty());
    Clock::Advance(121);
    const std::vector<QString> expected = {"fast@1030", "slow@1050", "fast@1060", "fast@1090",
                                           "slow@1100", "fast@1120", "slow@1150", "fast@1150"};
    EXPECT_EQ(m_log, expected);
    EXPECT_EQ(Clock::NowMs(), 1150);
}

TEST_F(TimerManualClockTest, EqualDueTimesFireInStartOrder) {
    Timer a(100), b(100);
    Record(b, "b");
    Record(a, "a");
    a.Start();
    b.Start();
    Clock::Advance(200);
    const std::vector<QString> expected = {"a@1100", "b@1100", "a@1200", "b@1200"};
    EXPECT_EQ(m_log, expected);
}

TEST_F(TimerManualClockTest, StoppingInATickCancelsWhatIsStillDue) {
    Timer a(100), b(100);
    Record(a, "a");
    Record(b, "b");
    QObject::connect(&a, &Timer::Tick, [&] {
        a.Stop();
        b.Stop();  // due at the same moment, not yet fired
    });
    a.Start();
    b.Start();
    Clock::Advance(1000);
    EXPECT_EQ(m_log, std::vector<QString>{"a@1100"});
    EXPECT_FALSE(a.Enabled());
}

TEST_F(TimerManualClockTest, StartRestartsTheCountdownButEnablingARunningTimerDoesNot) {
    Timer timer(100);
    Record(timer, "t");
    timer.SetEnabled(true);
    Clock::Advance(60);
    timer.SetEnabled(true);
    Clock::Advance(40);
    EXPECT_EQ(m_log, std::vector<QString>{"t@1100"});

    Clock::Advance(60);
    timer.Start();  // a one-shot style restart, as a re-armed layout timer
    Clock::Advance(99);
    EXPECT_EQ(m_log.size(), 1u);
    Clock::Advance(1);
    EXPECT_EQ(m_log.back(), QStringLiteral("t@1260"));
}

TEST_F(TimerManualClockTest, NewIntervalRestartsAndZeroNeverTicks) {
    Timer timer(100);
    Record(timer, "t");
    timer.Start();
    Clock::Advance(80);
    timer.SetInterval(50);
    Clock::Advance(49);
    EXPECT_TRUE(m_log.empty());
    Clock::Advance(1);
    EXPECT_EQ(m_log, std::vector<QString>{"t@1130"});

    timer.SetInterval(0);
    Clock::Advance(10000);
    EXPECT_EQ(m_log.size(), 1u);
    EXPECT_TRUE(timer.Enabled());
}

TEST_F(TimerManualClockTest, DestroyedTimerNeverFires) {
    int ticks = 0;
    {
        Timer timer(10);
        QObject::connect(&timer, &Timer::Tick, [&] { ++ticks; });
        timer.Start();
    }
    auto deleting = std::make_unique<Timer>(10);
    Timer* raw = deleting.get();
    QObject::connect(raw, &Timer::Tick, [&] {
        ++ticks;
        deleting.reset();  // a handler that deletes its own timer
    });
    raw->Start();
    Clock::Advance(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerManualClockTest, RunningTimersFollowTheClockBetweenRealAndManualTime) {
    Clock::UseSystemTime();
    Timer timer(100);
    Record(timer, "t");
    timer.Start();
    Clock::UseManualTime(5000);
    Clock::Advance(100);
    EXPECT_EQ(m_log, std::vector<QString>{"t@5100"});
}

TEST(TimerTest, RealTimeTicksFromTheEventLoop) {
    ASSERT_FALSE(Clock::IsManual());
    Timer timer(5);
    QSignalSpy ticks(&timer, &Timer::Tick);
    timer.Start();
    EXPECT_TRUE(ticks.wait(2000));
    timer.Stop();
    const qsizetype count = ticks.count();
    QTest::qWait(30);
    EXPECT_EQ(ticks.count(), count);
}

}  // namespace
