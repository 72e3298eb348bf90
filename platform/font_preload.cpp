// Reading the fonts ahead on threads at start-up.
#include <QCoreApplication>
#include <QFontDatabase>
#include <QSet>
#include <QString>
#include <QStringList>
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
std::future<QSet<QString>> g_listing;  // the installed faces' names, see family_names()
QSet<QString> g_families;              // taken from the listing when first asked for
bool g_families_ready = false;

// Every installed face's name in lower case, each also without its foundry: a face that
// several foundries make is listed once for each, as "Name [Foundry]".
QSet<QString> family_names() {
    QSet<QString> names;
    for (const QString& listed : QFontDatabase::families()) {
        const QString lower = listed.toLower();
        names.insert(lower);
        for (qsizetype at = lower.indexOf(QStringLiteral(" [")); at >= 0; at = lower.indexOf(QStringLiteral(" ["), at + 1))
            names.insert(lower.left(at));
    }
    return names;
}

// The list of faces lives in the application: the thread filling it must be done before the
// application goes.
void await_font_preload() {
    const std::lock_guard lock(g_mutex);
    if (g_listing.valid()) g_listing.wait();
    if (g_config.valid()) g_config.wait();
}

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
    if (g_listing.valid() || g_families_ready) return;
    if (auto* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { await_font_preload(); });
    try {
        g_listing = std::async(std::launch::async, [config = std::move(g_config)] {
            if (config.valid()) config.wait();
            // The toolkit keeps its font list for the whole program; the names are looked up
            // for each font the first screen asks for.
            return family_names();
        });
    } catch (const std::system_error&) {
    }
}

bool face_installed(const QString& face) {
    const std::lock_guard lock(g_mutex);
    if (!g_families_ready) {
        if (g_listing.valid()) {
            g_families = g_listing.get();
        } else {
            if (g_config.valid()) g_config.wait();
            g_families = family_names();
        }
        g_families_ready = true;
    }
    return g_families.contains(face.toLower());
}

}  // namespace platform
