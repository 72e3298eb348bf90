// The real program with a scripted Story player looking over its shoulder. The player never
// touches the game: it prints each input it wants ("do N ..."), the window test delivers it
// through the X server, and the player waits until the input has arrived before it looks again.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/game_state.h"
#include "core/settings.h"
#include "platform/random.h"
#include "platform/services.h"
#include "support/story_autopilot.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace {

using testing_support::PlayerAction;

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Counts the pointer and key events that reach the program's windows from the X server.
class ArrivalCounter : public QObject {
public:
    int presses = 0, releases = 0, keys = 0, wheels = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched->isWindowType()) {  // each event meets its window once, before any widget
            if (e->type() == QEvent::MouseButtonPress) ++presses;
            if (e->type() == QEvent::MouseButtonRelease) ++releases;
            if (e->type() == QEvent::KeyRelease) ++keys;
            if (e->type() == QEvent::Wheel) ++wheels;
        }
        return false;
    }
};

const char* keysym(int key) {
    switch (key) {
        case Qt::Key_Left: return "Left";
        case Qt::Key_Right: return "Right";
        case Qt::Key_Up: return "Up";
        case Qt::Key_Down: return "Down";
        case Qt::Key_Return: return "Return";
        case Qt::Key_Escape: return "Escape";
        default: return "";
    }
}

std::string point(QWidget* w, QPoint at) {
    const QPoint g = w->mapToGlobal(at);
    return std::to_string(g.x()) + " " + std::to_string(g.y());
}

// The window to focus before keys; 0 for a pop-up list, which holds the keyboard itself.
std::string window_of(QWidget* w) {
    QWidget* top = w->window();
    if (top->windowType() == Qt::Popup) return "0";
    return std::to_string(static_cast<unsigned long long>(top->winId()));
}

std::string status() {
    const core::CoreState& s = core::core_state();
    const ui::ScreenState& sc = ui::screen();
    std::string won;
    for (std::size_t i = 1; i <= 10; ++i) won += std::to_string(modes::mode_state().secret_state[i]);
    return "state " + std::string(core::word(s.game_state)) + " mode " + std::to_string(static_cast<int>(s.game_mode)) +
           " level " + std::to_string(s.level) +
           " secrets " + won + " round " + std::to_string(s.round_kind) + " page " + std::to_string(sc.ending_page) +
           " stories " + std::to_string(s.stories_won) + " fw " + (ui::mainform().Timer_fw.enabled() ? "on" : "off") +
           " count " + std::to_string(sc.fw_count) + " colour " + (sc.fw_randcolour ? "random" : "picked") +
           " hmax " + std::to_string(sc.fw_hmax) + " castle " + std::to_string(ui::mainform().Img_bgcastle->mouse_pointer());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("quorvel");
    QApplication::setQuitOnLastWindowClosed(false);
    platform::register_font_substitutes();
    platform::set_program_title("Quorvel Infinite");

    ui::MainForm& form = ui::create_mainform();
    form.Form_Load();
    form.centre_on_screen();
    form.show();
    platform::seed_random(2024);
    // An earlier player's Hall of Fame with room for this game's score.
    for (int i = 1; i <= 10; ++i) core::core_state().hof_table[static_cast<std::size_t>(i)].score = 11 - i;

    ArrivalCounter arrivals;
    app.installEventFilter(&arrivals);
    testing_support::StoryPlan plan;
    plan.lose_secret_round = 2;
    testing_support::StoryAutopilot player(plan);
    QElapsedTimer clock;
    clock.start();

    int n = 0;
    int want_presses = 0, want_releases = 0, want_keys = 0, want_wheels = 0;
    std::int64_t last_input = 0;
    std::string last_status;
    QTimer drive;
    QObject::connect(&drive, &QTimer::timeout, [&] {
        const std::int64_t now = clock.elapsed();
        const std::string st = status();
        if (st != last_status) say(st);
        last_status = st;
        if (arrivals.presses < want_presses || arrivals.releases < want_releases || arrivals.keys < want_keys ||
            arrivals.wheels < want_wheels) {
            if (now - last_input > 5000) {
                say("stuck: input " + std::to_string(n) + " never arrived (" + std::to_string(arrivals.presses) + "/" + std::to_string(want_presses) + " presses, " + std::to_string(arrivals.releases) + "/" + std::to_string(want_releases) + " releases, " + std::to_string(arrivals.keys) + "/" + std::to_string(want_keys) + " keys)");
                QApplication::exit(1);
            }
            return;
        }
        const PlayerAction a = player.next(now);
        switch (a.kind) {
            case PlayerAction::kWait:
                if (now - last_input > 30000) {
                    say("stuck: nothing to do for 30 s");
                    QApplication::exit(1);
                }
                return;
            case PlayerAction::kDone:
                say("done " + status());
                QApplication::exit(0);
                return;
            case PlayerAction::kStuck:
                say("stuck: " + a.text);
                QApplication::exit(1);
                return;
            default: break;
        }
        std::string line = "do " + std::to_string(++n) + " ";
        switch (a.kind) {
            case PlayerAction::kClick:
                line += "click " + point(a.widget, a.at);
                ++want_releases;
                break;
            case PlayerAction::kWheel:
                line += "wheel " + point(a.widget, a.at) + " " + std::to_string(a.key);
                want_wheels += std::abs(a.key);
                break;
            case PlayerAction::kDoubleClick:
                line += "dblclick " + point(a.widget, a.at);
                want_releases += 2;
                break;
            case PlayerAction::kPress:
                line += "press " + point(a.widget, a.at);
                ++want_presses;
                break;
            case PlayerAction::kRelease:
                line += "release " + point(a.widget, a.at);
                ++want_releases;
                break;
            case PlayerAction::kDrag:
                line += "drag " + point(a.widget, a.at) + " " + point(a.to_widget, a.to);
                ++want_releases;
                break;
            case PlayerAction::kKey:
                line += "key " + window_of(a.widget) + " " + keysym(a.key);
                ++want_keys;
                break;
            case PlayerAction::kType:
                line += "type " + window_of(a.widget) + " " + a.text;
                want_keys += static_cast<int>(a.text.size());
                break;
            default: break;
        }
        last_input = now;
        say(line + "   # " + a.what + " at " + std::to_string(now));
    });
    drive.start(5);
    return QApplication::exec();
}
