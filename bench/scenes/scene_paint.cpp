// Animation benchmark: how many pixels the window repaints per tick of an animated scene, and
// what a tick costs in CPU, for the Story map waiting for a click (the pawn bouncing), the
// fireworks show and the game-won scene. The scenes are reached and run through the game's
// own routines in a real window.
//
//   scene_paint <map|fireworks|gamewon|gamewon_late> [ticks] [live seconds] [screenshot.png]
//
// First `ticks` ticks fired by hand, the events processed after each, as the game's clock
// would run them (in the game-won scene both timers of a frame, then one repaint). The window
// as the display shows it is then saved, and compared with a fresh full paint of the window:
// a region left out of a repaint shows up there as a difference, and the program then ends
// with status 3 once it has printed its figures. Then the scene runs on its own timers for
// `live seconds`, to see how often the window really repaints.
//
// In the game-won scene the banners' timer starts the shells' timer. gamewon_late is the same
// scene with the shells' timer switched on half a tick after the banners' instead, between two
// ticks of the clock they share: it still ticks on that shared tick, and its figure shows the
// scene costs the same when its timers start apart. Its ticks by hand would be the game-won
// scene's again, so it runs live only.
//
// Needs a display (run it under xvfb-run, as bench/scenes.sh does). With X_SERVER_PID in the
// environment the X server's CPU over each part is reported too.
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/game_state.h"
#include "core/round_flow.h"
#include "modes/dice.h"
#include "modes/landing.h"
#include "modes/mode_state.h"
#include "modes/story_start.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "ui/fireworks.h"
#include "ui/form_entername.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/screen_state.h"
#include "ui/transition.h"

namespace {

double cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double wall_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// CPU time of another process (the X server), or -1 when it cannot be read.
double process_cpu_ms(long pid) {
    if (pid <= 0) return -1;
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) return -1;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return -1;
    std::vector<std::string> fields;
    std::string field;
    for (std::size_t i = close + 2; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ') {
            fields.push_back(field);
            field.clear();
        } else {
            field += line[i];
        }
    }
    if (fields.size() < 13) return -1;  // utime and stime are fields 14 and 15 of the record
    const double ticks = std::atof(fields[11].c_str()) + std::atof(fields[12].c_str());
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Counts every paint event of every widget: how many, and the area of their regions.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (counting && e->type() == QEvent::Paint) {
            ++events;
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixels += static_cast<long long>(r.width()) * r.height();
            if (o == board) ++board_paints;
        }
        return false;
    }
    void reset() { events = pixels = board_paints = 0; }
    bool counting = false;
    QObject* board = nullptr;
    long long events = 0, pixels = 0, board_paints = 0;
};

void process() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void finish_half(ui::MainForm& f) {
    for (int i = 0; i < 50 && f.Timer_pane.enabled(); ++i) {
        f.Timer_pane.fire();
        if (ui::screen().pane_step == 0) break;
    }
}

struct Scene {
    std::vector<platform::Timer*> timers;  // fired in this order on each tick
    int warm_up = 0;
    // Switched on by the first timer's own handler: on its own clocks the scene starts it so.
    platform::Timer* started_by_handler = nullptr;
};

// The Story map after the dice has stopped: the pawn bounces while the game waits for a click.
Scene map_scene(ui::MainForm& f) {
    modes::start_story();
    ui::select_story_difficulty(0);
    ui::Label_bt_Click(2);
    finish_half(f);
    finish_half(f);
    for (int i = 0; i < 3; ++i) f.Timer_dice.fire();
    modes::pbox_dice_Click();
    return {{&f.Timer_pawn}, 8};
}

// The show behind the golden castle.
Scene fireworks_scene(ui::MainForm& f) {
    core::core_state().stories_won = 1;
    ui::goto_mainmenu();
    ui::Img_bgcastle_Click();
    finish_half(f);
    finish_half(f);
    return {{&f.Timer_fw}, 60};
}

// The last piece of the castle round found, the story won: banners, shells and the pawn's hops.
Scene gamewon_scene(ui::MainForm& f) {
    map_scene(f);
    // Into a round from the map, as the castle's round is entered.
    modes::mode_state().pawn_col = 9;  // an "X" square of the shipped map
    modes::mode_state().pawn_row = 2;
    modes::land_square();
    finish_half(f);
    finish_half(f);
    core::CoreState& s = core::core_state();
    for (int i = 1; i <= core::story_round::kLastSecret; ++i) {
        modes::mode_state().secret_state[static_cast<std::size_t>(i)] = core::secret_state::kWon;
    }
    s.time_limit = 20;
    s.miss_limit = 3;
    s.castle_on = true;
    s.round_kind = core::story_round::kCastle;
    s.round_time_left = 0;
    s.game_state = core::StateWord::PlayPuzzle;
    core::win_round();
    finish_half(f);
    finish_half(f);
    // Past the Hall of Fame check and the start of the shells.
    return {{&f.Timer_gamewon, &f.Timer_fw}, 60, &f.Timer_fw};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string name = argc >= 2 ? argv[1] : "";
    if (name != "map" && name != "fireworks" && name != "gamewon" && name != "gamewon_late") {
        std::fprintf(stderr,
                     "usage: scene_paint <map|fireworks|gamewon|gamewon_late> [ticks] [live seconds] [shot.png]\n");
        return 2;
    }
    const bool late = name == "gamewon_late";
    const int ticks = late ? 0 : argc >= 3 ? std::max(1, std::atoi(argv[2])) : 300;
    const double live_s = argc >= 4 ? std::atof(argv[3]) : 3.0;
    const char* shot = !late && argc >= 5 && argv[4][0] != 0 ? argv[4] : nullptr;
    const char* server = std::getenv("X_SERVER_PID");
    const long server_pid = server ? std::atol(server) : 0;

    // Never touch the player's own settings.
    QTemporaryDir config;
    platform::set_settings_folder(config.path().toStdString());
    platform::register_font_substitutes();
    platform::Timer::set_manual_mode(true);
    platform::set_msgbox_handler([](const platform::MsgBoxCall& c) {
        std::fprintf(stderr, "message box: %s\n", c.text.c_str());
        return 1;
    });
    platform::Form::set_modal_runner([](platform::Form& w) {
        if (auto* entry = dynamic_cast<ui::FormEntername*>(&w))
            entry->ok_click();
        else
            w.close();
    });

    ui::MainForm& f = ui::create_mainform();
    f.Form_Load();
    f.show();
    for (int i = 0; i < 200 && !(f.widget()->windowHandle() && f.widget()->windowHandle()->isExposed()); ++i) {
        process();
        QEventLoop wait;
        QTimer::singleShot(10, &wait, &QEventLoop::quit);
        wait.exec();
    }
    platform::seed_random(7);
    const Scene scene = name == "map" ? map_scene(f) : name == "fireworks" ? fireworks_scene(f) : gamewon_scene(f);
    int status = 0;
    auto tick = [&] {
        for (platform::Timer* t : scene.timers) t->fire();
        process();
    };
    for (int i = 0; i < scene.warm_up; ++i) tick();
    process();

    PaintCounter counter;
    counter.board = f.pbox_main->client_widget();
    app.installEventFilter(&counter);

    // Ticks fired by hand.
    double server0 = -1, cpu0 = 0, cpu = 0, server_cpu = -1;
    if (ticks > 0) {
        counter.reset();
        counter.counting = true;
        server0 = process_cpu_ms(server_pid);
        cpu0 = cpu_ms();
        for (int i = 0; i < ticks; ++i) tick();
        cpu = cpu_ms() - cpu0;
        server_cpu = server0 >= 0 ? process_cpu_ms(server_pid) - server0 : -1;
        counter.counting = false;
        std::printf("%-12s by hand: %d ticks  %9.0f px/tick  %6.2f paint events/tick  %7.1f us CPU/tick", name.c_str(),
                    ticks, static_cast<double>(counter.pixels) / ticks, static_cast<double>(counter.events) / ticks,
                    cpu * 1000.0 / ticks);
        if (server_cpu >= 0) std::printf("  X server %7.1f us/tick", server_cpu * 1000.0 / ticks);
        std::printf("\n");
    }

    if (shot) {
        // What the display shows, against a full paint of the whole window.
        process();
        const QImage shown = f.widget()->screen()->grabWindow(f.widget()->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage full = f.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.save(QString::fromLocal8Bit(shot));
        std::printf("%-12s saved %s; shown %s a full repaint\n", name.c_str(), shot,
                    shown == full ? "matches" : "DIFFERS FROM");
        // A region left out of a repaint is a fault: the run must not end as a success.
        if (shown != full) status = 3;
    }

    // The scene on its own clocks.
    if (live_s > 0) {
        std::vector<long long> fired(scene.timers.size(), 0);
        for (std::size_t i = 0; i < scene.timers.size(); ++i) {
            auto inner = scene.timers[i]->on_tick;
            scene.timers[i]->on_tick = [inner, &fired, i] {
                ++fired[i];
                inner();
            };
        }
        if (scene.started_by_handler) scene.started_by_handler->set_enabled(false);
        process();
        counter.reset();
        counter.counting = true;
        server0 = process_cpu_ms(server_pid);
        cpu0 = cpu_ms();
        const double wall0 = wall_ms();
        platform::Timer::set_manual_mode(false);
        if (late) {
            // Half a tick on, between two ticks of the shared clock the banners' timer has joined.
            platform::Timer* shells = scene.started_by_handler;
            QTimer::singleShot(platform::Timer::kMinimumInterval / 2, [shells] { shells->set_enabled(true); });
        }
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(live_s * 1000), &loop, &QEventLoop::quit);
        loop.exec();
        platform::Timer::set_manual_mode(true);
        const double wall = (wall_ms() - wall0) / 1000.0;
        cpu = cpu_ms() - cpu0;
        server_cpu = server0 >= 0 ? process_cpu_ms(server_pid) - server0 : -1;
        counter.counting = false;
        const double frames = static_cast<double>(fired[0]);
        std::printf("%-12s live:    %.1f s  ticks/s", name.c_str(), wall);
        for (long long n : fired) std::printf(" %.1f", static_cast<double>(n) / wall);
        std::printf("  board repaints/s %.1f", static_cast<double>(counter.board_paints) / wall);
        if (frames > 0) {
            std::printf("  %9.0f px/tick  %6.2f paint events/tick  %7.1f us CPU/tick (%.2f %% of a core)",
                        static_cast<double>(counter.pixels) / frames, static_cast<double>(counter.events) / frames,
                        cpu * 1000.0 / frames, cpu / (wall * 10.0));
            if (server_cpu >= 0)
                std::printf("  X server %.1f us/tick (%.2f %%)", server_cpu * 1000.0 / frames, server_cpu / (wall * 10.0));
        } else {
            std::printf("  no ticks");
        }
        std::printf("\n");
    }
    ui::destroy_mainform();
    return status;
}
