// Plays a Story step by script and saves what the window shows: a level round, a secret round
// on its picture, the bonus chooser over the map, or the hint's radar.
//
//   story_shot <level|secret N|chooser|radar> <out.png>
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/game_state.h"
#include "core/pieces.h"
#include "core/state_words.h"
#include "modes/bonus_hints.h"
#include "modes/dice.h"
#include "modes/landing.h"
#include "modes/mode_state.h"
#include "modes/story_map.h"
#include "modes/story_start.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "ui/mainform.h"
#include "ui/menu.h"

namespace {

void finish_half(ui::MainForm& f) {
    for (int i = 0; i < 6 && f.Timer_pane.enabled(); ++i) f.Timer_pane.fire();
}

// A Story game begun as the player begins one: "Start Story Game", the first difficulty, "play
// game" and the map uncovered. Only the game's own set-up places the secrets (from the seed),
// keeps the piece of map each hidden one shows and numbers the dice's faces, so the shot shows
// what a player sees.
void enter_story(ui::MainForm& f) {
    modes::start_story();
    ui::select_story_difficulty(0);
    ui::Label_bt_Click(2);
    finish_half(f);
    finish_half(f);
}

// The player lets the dice turn a few faces and stops it with a click; stopped before its first
// face, it would say "You got a 0".
void roll(ui::MainForm& f, int faces) {
    for (int i = 0; i < faces; ++i) f.Timer_dice.fire();
    modes::pbox_dice_Click();
}

void land_and_open(ui::MainForm& f) {
    modes::land_square();
    finish_half(f);
    finish_half(f);
}

void back_on_map(ui::MainForm& f) {
    finish_half(f);
    if (!f.Timer_pane.enabled()) modes::startmap2();
    finish_half(f);
}

}  // namespace

int main(int argc, char** argv) {
    // The shot is the window's own drawing, never the screen's: unless told otherwise it draws
    // off screen, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string scene = argc >= 3 ? argv[1] : "";
    if (argc < 3 || (scene == "secret" && argc != 4)) {
        std::fprintf(stderr, "usage: story_shot <level|secret N|chooser|radar> <out.png>\n");
        return 2;
    }
    const char* out = argv[argc - 1];
    platform::register_font_substitutes();
    platform::Timer::set_manual_mode(true);
    platform::set_msgbox_handler([](const platform::MsgBoxCall& c) {
        std::fprintf(stderr, "message box: %s\n", c.text.c_str());
        return 1;
    });

    ui::MainForm& f = ui::create_mainform();
    f.Form_Load();
    f.show();
    platform::seed_random(5);
    enter_story(f);
    roll(f, 3);
    modes::ModeState& m = modes::mode_state();

    if (scene == "level") {
        m.pawn_col = 9;  // an "X" square of the shipped map
        m.pawn_row = 2;
        land_and_open(f);
    } else if (scene == "secret") {
        const int n = std::atoi(argv[2]);
        if (n < core::story_round::kFirstSecret || n > core::story_round::kLastSecret) return 2;
        m.secret_state[static_cast<std::size_t>(n)] = core::secret_state::kRevealed;
        m.pawn_col = m.secret_col[static_cast<std::size_t>(n)];
        m.pawn_row = m.secret_row[static_cast<std::size_t>(n)];
        land_and_open(f);
    } else if (scene == "chooser" || scene == "radar") {
        m.secret_state[4] = core::secret_state::kRevealed;
        m.pawn_col = m.secret_col[4];
        m.pawn_row = m.secret_row[4];
        land_and_open(f);
        core::CoreState& s = core::core_state();
        for (int i = 1; i <= s.tgt_count; ++i) {
            s.cur_col = s.tgt_col[static_cast<std::size_t>(i)];
            s.cur_row = s.tgt_row[static_cast<std::size_t>(i)];
            core::check_answer();
        }
        back_on_map(f);
        if (scene == "chooser") {
            for (int i = 0; i < 12; ++i) f.Timer_box.fire();
        } else {
            modes::apply_bonus(0);
            for (int i = 0; i < 7; ++i) f.Timer_box.fire();
            roll(f, 3);
            modes::use_hint();
        }
    }
    app.processEvents();
    const QPixmap shot = f.widget()->grab();
    if (!shot.save(QString::fromLocal8Bit(out))) {
        std::fprintf(stderr, "story_shot: cannot write %s\n", out);
        return 1;
    }
    std::printf("wrote %s\n", out);
    return 0;
}
