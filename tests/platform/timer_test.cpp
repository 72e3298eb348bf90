// Tests of the timer rules: interval and enabled flag, ticks by hand, no re-entry, the 16 ms floor.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/services.h"
#include "platform/timer.h"

namespace {

using platform::Timer;

TEST(TimerRules, SettingTheIntervalDoesNotStartIt) {
    Timer t;
    int ticks = 0;
    t.on_tick = [&] { ++ticks; };
    t.set_interval(100);
    EXPECT_FALSE(t.enabled());
    EXPECT_FALSE(t.fire());
    t.set_enabled(true);
    EXPECT_TRUE(t.fire());
    t.set_enabled(false);
    EXPECT_FALSE(t.fire());
    EXPECT_EQ(ticks, 1);
}

TEST(TimerRules, ATickHandlerIsNeverReentered) {
    Timer t(50);
    t.set_enabled(true);
    int ticks = 0;
    bool inner_ran = true;
    t.on_tick = [&] {
        ++ticks;
        EXPECT_TRUE(t.running());
        inner_ran = t.fire();  // what a modal box or processEvents inside the handler would do
    };
    EXPECT_TRUE(t.fire());
    EXPECT_FALSE(inner_ran);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(t.running());
    EXPECT_TRUE(t.fire());  // and the next tick runs again
    EXPECT_EQ(ticks, 2);
}

TEST(TimerRules, AHandlerMayStopItselfOrChangeItsInterval) {
    Timer t(50);
    t.set_enabled(true);
    t.on_tick = [&] {
        t.set_interval(5);
        t.set_enabled(false);
    };
    EXPECT_TRUE(t.fire());
    EXPECT_FALSE(t.enabled());
    EXPECT_EQ(t.interval(), 5);
    EXPECT_FALSE(t.fire());
}

TEST(TimerRules, AHandlerMayDestroyItsOwnTimer) {
    auto* t = new Timer(20);
    t->set_enabled(true);
    t->on_tick = [&t] {
        delete t;
        t = nullptr;
    };
    t->fire();
    EXPECT_EQ(t, nullptr);
}

TEST(TimerRules, AHandlerThatThrowsLeavesTheTimerUsable) {
    Timer t(20);
    t.set_enabled(true);
    int ticks = 0;
    t.on_tick = [&] {
        if (++ticks == 1) throw platform::ProgramEnded{};
    };
    EXPECT_THROW(t.fire(), platform::ProgramEnded);
    EXPECT_FALSE(t.running());
    EXPECT_TRUE(t.fire());
}

TEST(TimerRules, ShortIntervalsTickAtTheSixteenMillisecondFloor) {
    const struct {
        int asked, interval, period;
    } cases[] = {{0, 0, 0}, {-5, 0, 0}, {1, 1, 16}, {5, 5, 16}, {15, 15, 16},
                 {16, 16, 16}, {17, 17, 17}, {1000, 1000, 1000}};
    for (const auto& k : cases) {
        Timer t;
        t.set_interval(k.asked);
        EXPECT_EQ(t.interval(), k.interval) << k.asked;
        EXPECT_EQ(t.period(), k.period) << k.asked;
    }
}

TEST(TimerRules, ManualModeKeepsTheClocksStopped) {
    ASSERT_TRUE(Timer::manual_mode());
    Timer t(5);
    t.set_enabled(true);
    EXPECT_FALSE(t.ticking());

    Timer::set_manual_mode(false);
    EXPECT_TRUE(t.ticking());  // a live enabled timer starts when the mode is left
    t.set_interval(0);
    EXPECT_FALSE(t.ticking());  // interval 0 never ticks, though still enabled
    EXPECT_TRUE(t.enabled());
    t.set_interval(30);
    EXPECT_TRUE(t.ticking());
    t.set_enabled(false);
    EXPECT_FALSE(t.ticking());
    t.set_enabled(true);
    Timer::set_manual_mode(true);
    EXPECT_FALSE(t.ticking());
}

// Timers at the floor tick each round in the order they were switched on. A tick already on
// its way to a timer that is then stopped and started again belongs to the old run: the new
// run waits a whole period. (That they share one clock shows only in timing, which the scene
// benchmark measures.)
TEST(TimerRules, FloorTimersTickInTheOrderSwitchedOnAndARestartWaitsAWholePeriod) {
    Timer::set_manual_mode(false);
    QEventLoop loop;
    Timer a(16), b(5);
    int a_ticks = 0;
    std::vector<int> b_seen;  // a's count at each tick of b
    a.on_tick = [&] {
        ++a_ticks;
        if (a_ticks == 4) {
            b.set_enabled(false);
            b.set_enabled(true);
        }
        if (a_ticks == 10) loop.quit();
    };
    b.on_tick = [&] { b_seen.push_back(a_ticks); };
    a.set_enabled(true);
    b.set_enabled(true);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);  // a stopped clock fails, not hangs
    loop.exec();
    Timer::set_manual_mode(true);

    ASSERT_EQ(a_ticks, 10);
    ASSERT_GE(b_seen.size(), 3u);
    EXPECT_EQ(std::vector<int>(b_seen.begin(), b_seen.begin() + 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(std::count(b_seen.begin(), b_seen.end(), 4), 0) << "ticked at once after its restart";
    EXPECT_GT(b_seen.back(), 4);
}

}  // namespace
