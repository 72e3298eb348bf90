// Shared by the start-up benchmark's launches: the clock and the report of the first paint.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <utility>

namespace probe {

// The parent puts its clock reading into this variable just before it spawns a launch.
constexpr const char* kStartVar = "QUORVEL_PROBE_START_NS";

inline long long now_ns() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

inline long long start_ns() {
    const char* text = std::getenv(kStartVar);
    return text ? std::atoll(text) : now_ns();
}

// What one launch reports on its standard output, one line of whole numbers.
struct Launch {
    long long mapped_ns = -1;  // launch to the window's first expose: the server has mapped it
    long long painted_ns = -1; // launch to the end of the first full paint, flushed
    long long cpu_ns = -1;     // processor time of the whole process (all threads) until then
    long long faults = -1;     // page faults until then
};

// Watches the whole application for the first expose of a window (the server has mapped it)
// and the first paint of a top-level widget. The zero timer runs only after the event loop has
// finished that paint, children included, and flushed it to the server. Prints the figures and
// ends the process at once, skipping the tear-down. Create it right after the application.
class FirstPaint : public QObject {
public:
    // stage, when given, hears of each moment: "mapped", then "painted".
    explicit FirstPaint(long long start, std::function<void(const char*)> stage = {})
        : start_(start), stage_(std::move(stage)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Expose && mapped_ < 0 && o->isWindowType() &&
            static_cast<QWindow*>(o)->isExposed()) {
            mapped_ = now_ns() - start_;
            if (stage_) stage_("mapped");
        } else if (e->type() == QEvent::Paint && !painted_ && o->isWidgetType() &&
                   static_cast<QWidget*>(o)->isWindow()) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report() {
        if (stage_) stage_("painted");
        const long long painted = now_ns() - start_;
        rusage use{};
        getrusage(RUSAGE_SELF, &use);
        const long long cpu = (static_cast<long long>(use.ru_utime.tv_sec) + use.ru_stime.tv_sec) * 1000000000LL +
                              (static_cast<long long>(use.ru_utime.tv_usec) + use.ru_stime.tv_usec) * 1000LL;
        std::printf("%lld %lld %lld %ld\n", mapped_, painted, cpu, use.ru_minflt + use.ru_majflt);
        std::fflush(stdout);
        std::_Exit(0);
    }

    long long start_;
    std::function<void(const char*)> stage_;
    long long mapped_ = -1;
    bool painted_ = false;
};

}  // namespace probe
