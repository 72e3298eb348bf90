// Window timers over QTimer: interval and enabled flag kept apart, ticks never re-entered.
#include "platform/timer.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace platform {

namespace {

bool g_manual = false;

// Every live timer, so that switching manual mode starts or stops them all.
std::set<Timer*>& live_timers() {
    static std::set<Timer*> timers;
    return timers;
}

// The old toolkit's timers all ticked on its one system tick, so timers at the floor ticked
// together and what they changed reached the screen in one repaint. Each on a clock of its
// own they drift apart, and a scene run by two of them (the game won: banners and shells)
// repainted up to twice a tick. Timers at the floor share this one clock instead.
class SharedClock {
public:
    static SharedClock& get() {
        // Made on first use and never destroyed: timers may go after the application object.
        if (!g_clock) g_clock = new SharedClock;
        return *g_clock;
    }
    // Neither makes the clock: a timer that never ticked on it has nothing to undo.
    static void leave_if_running(const Timer* t) {
        if (g_clock) g_clock->leave(t);
    }
    static bool runs(const Timer* t) { return g_clock && g_clock->find(t); }

    // A timer that joins between two ticks gets its first tick once a whole period has
    // passed, on the shared tick, as the old toolkit's did.
    void join(Timer* t, QObject* context) {
        if (find(t)) return;
        if (!since_.isValid()) since_.start();
        members_.push_back({t, context, since_.elapsed(), ++joins_});
        if (!qt_.isActive()) qt_.start(Timer::kMinimumInterval);
    }
    void leave(const Timer* t) {
        std::erase_if(members_, [t](const Member& m) { return m.timer == t; });
        if (members_.empty()) qt_.stop();
    }

private:
    struct Member {
        Timer* timer;
        QObject* context;  // goes with the timer, taking any tick still queued for it along
        qint64 joined;
        // Which joining this is: a tick queued before the timer was stopped and started again
        // belongs to the old run and must not cut the new run's first period short.
        std::uint64_t serial;
    };
    // Ticks within this of a whole period after joining count as on time.
    static constexpr qint64 kSlack = 4;

    SharedClock() {
        qt_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&qt_, &QTimer::timeout, [this] { tick(); });
    }

    // Each member's tick is queued rather than run here: a handler that opens a modal box
    // would otherwise hold the clock, and every other timer with it, until the box closes.
    // Queued ticks still run before the window's repaint, which Qt queues behind them.
    void tick() {
        const qint64 now = since_.elapsed();
        for (const Member& m : members_) {
            if (now - m.joined < Timer::kMinimumInterval - kSlack) continue;
            Timer* t = m.timer;
            const std::uint64_t serial = m.serial;
            QMetaObject::invokeMethod(
                m.context,
                [this, t, serial] {
                    const Member* now_joined = find(t);
                    if (now_joined && now_joined->serial == serial) t->fire();
                },
                Qt::QueuedConnection);
        }
    }

    const Member* find(const Timer* t) const {
        const auto it = std::find_if(members_.begin(), members_.end(), [t](const Member& m) { return m.timer == t; });
        return it == members_.end() ? nullptr : &*it;
    }

    static inline SharedClock* g_clock = nullptr;
    QTimer qt_;
    QElapsedTimer since_;
    std::vector<Member> members_;
    std::uint64_t joins_ = 0;
};

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
    SharedClock::leave_if_running(this);
    if (impl_->destroyed) *impl_->destroyed = true;
}

void Timer::set_interval(int ms) {
    ms = std::max(0, ms);
    if (ms == interval_) return;
    interval_ = ms;
    // A new interval starts a fresh countdown, as the old toolkit did.
    impl_->qt.stop();
    SharedClock::leave_if_running(this);
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

bool Timer::ticking() const { return impl_->qt.isActive() || SharedClock::runs(this); }

void Timer::sync() {
    const bool should_tick = enabled_ && interval_ > 0 && !g_manual;
    if (should_tick && period() == kMinimumInterval) {
        // Its own timer is not running: only a new interval brings it to the floor, and that stops it.
        SharedClock::get().join(this, &impl_->qt);
        return;
    }
    SharedClock::leave_if_running(this);
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
