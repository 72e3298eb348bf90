// Window timers with the old toolkit's rules, fired by hand in tests.
#pragma once

#include <functional>
#include <memory>

namespace platform {

// Setting the interval does not start a timer; enabling a running timer does not restart it;
// a tick handler is never re-entered (ticks that arrive while it runs, a modal box opened
// inside it included, are dropped). Intervals below 16 ms tick every 16 ms, the old system
// tick that paced the game's fastest animations.
class Timer {
public:
    explicit Timer(int interval_ms = 0);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    void set_interval(int ms);
    bool enabled() const { return enabled_; }
    void set_enabled(bool on);

    std::function<void()> on_tick;

    // One tick now, as if the time had come: runs the handler when enabled and not running.
    // Returns whether the handler ran.
    bool fire();
    bool running() const { return in_tick_; }

    // How often the timer ticks when left to itself: the interval raised to the minimum, or 0
    // for an interval of 0 (which never ticks). Whether the clock behind it runs now.
    int period() const;
    bool ticking() const;

    static constexpr int kMinimumInterval = 16;
    // With manual mode on (tests), timers never tick by themselves.
    static void set_manual_mode(bool manual);
    static bool manual_mode();

private:
    void sync();
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int interval_;
    bool enabled_ = false;
    bool in_tick_ = false;
};

}  // namespace platform
