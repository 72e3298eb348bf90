// The real program, started as a castle round has just been won: the window test drives the
// ending and the fireworks show from here with real clicks, reading what happens on stdout.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "core/game_state.h"
#include "core/round_flow.h"
#include "modes/mode_state.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace {

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// What the castle round leaves when its last piece is found: a Story game in a puzzle round
// on the castle picture, every secret won, a score that enters the Hall of Fame.
void castle_round_in_play() {
    ui::MainForm& f = ui::mainform();
    core::CoreState& s = core::state();
    modes::ModeState& m = modes::state();
    ui::show_mainmenu(0);
    ui::show_bt_3_4(0);
    f.Label_ver->set_visible(false);
    f.Img_bgcastle->set_visible(false);
    f.Img_changebg->set_visible(false);
    ui::show_bt(0, 1);
    ui::show_bt(5, 1);
    f.pbox_main->set_auto_redraw(true);
    f.pbox_main->set_picture(ui::form_clip().pclip_castle.picture());
    ui::screen().game_mode = 2;
    for (int i = 1; i <= 10; ++i) m.secret_state[static_cast<std::size_t>(i)] = 2;
    m.secret_state[11] = 1;
    s.cur_story_diff = s.story_diff_table[1];
    s.castle_on = true;
    s.round_kind = 11;
    s.level = 11;
    s.score = 23456;
    s.round_time_left = 42;
    s.game_state = "playpuzzle";
    f.Timer_timer.set_enabled(true);
}

// Until the side panels slide in this build, the panel a scene asks for is put where its
// slide would leave it (and taken away again after the scene), so the window test can reach
// its buttons.
void place_panel_if_not_slid() {
    ui::MainForm& f = ui::mainform();
    if (f.Timer_box.enabled()) return;
    const std::string& st = core::state().game_state;
    int want = st == "gamewon" ? 0 : (st == "playfirework" ? 1 : -1);
    if (st == "gamewon" && ui::screen().gamewon_tick < 1) want = -1;
    if (want < 0) {
        if (st == "mainmenu" && f.Shape_box->top() == 342) {
            f.Shape_box->move(150, 440);
            for (auto* box : f.pbox_box) box->move(155, 445);
        }
        return;
    }
    if (f.Shape_box->top() < 426) return;
    for (auto* box : f.pbox_box) box->set_visible(false);
    f.pbox_box[static_cast<std::size_t>(want)]->set_visible(true);
    f.Shape_box->move(150, 342);
    f.pbox_box[static_cast<std::size_t>(want)]->move(155, 347);
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

    QTimer::singleShot(300, [] {
        castle_round_in_play();
        core::win_round();
    });

    // Reports every change the window test waits for.
    std::string last;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&last] {
        place_panel_if_not_slid();
        const ui::ScreenState& sc = ui::screen();
        const ui::MainForm& f = ui::mainform();
        const std::string now =
            "state " + core::state().game_state + " page " + std::to_string(sc.ending_page) +
            " count " + std::to_string(sc.fw_count) + " won " + std::to_string(core::state().stories_won) +
            " castle " + std::to_string(f.Img_bgcastle->visible() ? f.Img_bgcastle->mouse_pointer() : -1) +
            " colour " + (sc.fw_randcolour ? std::string("random") : "picked") +
            " hmax " + std::to_string(sc.fw_hmax) + " fw " + (f.Timer_fw.enabled() ? "on" : "off");
        if (now != last) say(now);
        last = now;
    });
    watch.start(20);
    return QApplication::exec();
}
