// Window timers over QTimer: interval and enabled flag kept apart, ticks never re-entered.
#include "platform/timer.h"

#include <QTimer>
#include <algorithm>
#include <set>

namespace platform {

namespace {

bool g_manual = false;

// Every live timer, so that switching manual mode starts or stops them all.
std::set<Timer*>& live_timers() {
    static std::set<Timer*> timers;
    return timers;
}

}  // namespace

struct Timer::Impl {
    QTimer qt;
    // Points at a flag of the tick running now, so a handler that destroys its own timer
    // does not leave fire() writing into freed memory.
    bool* destroyed = nullptr;
};

Timer::Timer(int interval_ms) : impl_(std::make_unique<Impl>()), interval_(std::max(0, interval_ms)) {
    impl_->qt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&impl_->qt, &QTimer::timeout, [this] { fire(); });
    live_timers().insert(this);
}

Timer::~Timer() {
    live_timers().erase(this);
    if (impl_->destroyed) *impl_->destroyed = true;
}

void Timer::set_interval(int ms) {
    ms = std::max(0, ms);
    if (ms == interval_) return;
    interval_ = ms;
    // A new interval starts a fresh countdown, as the old toolkit did.
    impl_->qt.stop();
    sync();
}

void Timer::set_enabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    sync();
}

bool Timer::fire() {
    if (!enabled_ || in_tick_ || !on_tick) return false;
    in_tick_ = true;
    bool destroyed = false;
    bool* outer = impl_->destroyed;
    impl_->destroyed = &destroyed;
    struct Reset {
        Timer* t;
        bool* destroyed;
        bool* outer;
        ~Reset() {
            if (*destroyed) {
                if (outer) *outer = true;
                return;
            }
            t->in_tick_ = false;
            t->impl_->destroyed = outer;
        }
    } reset{this, &destroyed, outer};
    // A copy, so a handler that replaces on_tick does not destroy the function running now.
    auto handler = on_tick;
    handler();
    return true;
}

int Timer::period() const {
    if (interval_ <= 0) return 0;
    return std::max(interval_, kMinimumInterval);
}

bool Timer::ticking() const { return impl_->qt.isActive(); }

void Timer::sync() {
    bool should_tick = enabled_ && interval_ > 0 && !g_manual;
    if (!should_tick) {
        impl_->qt.stop();
        return;
    }
    if (impl_->qt.isActive() && impl_->qt.interval() == period()) return;
    impl_->qt.start(period());
}

void Timer::set_manual_mode(bool manual) {
    if (manual == g_manual) return;
    g_manual = manual;
    for (Timer* t : live_timers()) t->sync();
}

bool Timer::manual_mode() { return g_manual; }

}  // namespace platform
