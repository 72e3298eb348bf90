// Shared by the start-up benchmark's launches: the clock and the report of the first paint.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
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

// Reports once the first paint of the window has been delivered and flushed: the zero timer
// runs only after the event loop has finished that paint. Prints the nanoseconds since the
// start and ends the process at once, skipping the tear-down.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(long long start, std::function<void()> before_report = {})
        : start_(start), before_report_(std::move(before_report)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const long long start = start_;
            QTimer::singleShot(0, [start, before = before_report_] {
                if (before) before();
                std::printf("%lld\n", now_ns() - start);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    long long start_;
    std::function<void()> before_report_;
    bool seen_ = false;
};

}  // namespace probe
