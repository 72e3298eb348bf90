// Reading the fonts ahead on threads at start-up.
#include <QCoreApplication>
#include <QFontDatabase>
#include <fontconfig/fontconfig.h>
#include <future>
#include <mutex>
#include <system_error>
#include <utility>

#include "platform/fonts.h"
#include "platform/services.h"

namespace platform {

namespace {

// A future of std::async waits for its thread when it goes, so a program that returns from
// main never leaves one running.
std::mutex g_mutex;
std::future<void> g_config;  // fontconfig's configuration, until the listing takes it over
std::future<void> g_listing;

}  // namespace

void begin_reading_font_configuration() {
    const std::lock_guard lock(g_mutex);
    if (g_config.valid() || g_listing.valid()) return;
    try {
        // Fontconfig loads its configuration once per process, for whoever asks first; the
        // toolkit's own request then finds it ready.
        g_config = std::async(std::launch::async, [] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the toolkit reads the configuration when it needs it.
    }
}

void begin_listing_fonts() {
    const std::lock_guard lock(g_mutex);
    if (g_listing.valid()) return;
    // The list lives in the application: it must not go while the thread still fills it.
    if (auto* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { await_font_preload(); });
    try {
        g_listing = std::async(std::launch::async, [config = std::move(g_config)] {
            if (config.valid()) config.wait();
            QFontDatabase::families();  // the toolkit's font list, kept for the whole program
        });
    } catch (const std::system_error&) {
    }
}

void await_font_preload() {
    const std::lock_guard lock(g_mutex);
    if (g_listing.valid()) g_listing.wait();
    if (g_config.valid()) g_config.wait();
}

}  // namespace platform
