// What the benchmarks share: one headless application with the main window and its work picture.
#include "bench_support.h"

#include <QApplication>
#include <QByteArray>

#include "platform/timer.h"
#include "ui/mainform.h"

namespace bench {

void ensure_game_window() {
    static QApplication* app = nullptr;
    if (app) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quorvel_bench";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
    platform::Timer::set_manual_mode(true);
    ui::create_mainform();
}

}  // namespace bench
