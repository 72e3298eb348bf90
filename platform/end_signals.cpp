// A logout or a kill request (SIGTERM, SIGHUP) ends the game through its own ending.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

#include "platform/services.h"

namespace platform {
namespace {

// Written by the signal handler, read by the event loop: a handler may do next to nothing
// safely, so it only says that the signal came and the game ends from its own events.
int wake_pipe[2] = {-1, -1};

std::function<void()>& end_handler() {
    static std::function<void()> h;
    return h;
}

extern "C" void on_signal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

bool on_end_signals(std::function<void()> handler) {
    end_handler() = std::move(handler);
    if (wake_pipe[0] >= 0) return true;
    if (!QCoreApplication::instance() || ::pipe2(wake_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    // Owned by the application object, which the toolkit takes apart when it is done.
    auto* notifier = new QSocketNotifier(wake_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char buf[64];
        while (::read(wake_pipe[0], buf, sizeof buf) > 0) {
        }
        // The ending's save is tried once and the program ends whatever it returns: a box
        // telling that it failed would keep an ending session waiting for nobody.
        stop_asking();
        if (end_handler()) end_handler()();
    });
    struct sigaction sa {};
    sa.sa_handler = on_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGHUP, &sa, nullptr);
    return true;
}

}  // namespace platform
