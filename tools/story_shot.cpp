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
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/story_map.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/screen_state.h"

namespace {

void finish_half(ui::MainForm& f) {
    for (int i = 0; i < 6 && f.Timer_pane.enabled(); ++i) f.Timer_pane.fire();
}

// A Story game on the shipped map with every secret on its anchor's first neighbour.
void set_up_story(ui::MainForm& f) {
    core::CoreState& s = core::core_state();
    modes::ModeState& m = modes::mode_state();
    core::core_state().game_mode = core::GameMode::Story;
    s.cur_story_diff = s.story_diff_table[0];
    s.time_limit = s.cur_story_diff.secs;
    s.miss_limit = s.cur_story_diff.max_misses;
    s.level = 1;
    for (std::size_t i = 1; i <= core::story_round::kLastSecret; ++i) {
        int c = s.anchor_col[i], r = s.anchor_row[i];
        const char d = s.secret_dirs[i].empty() ? ' ' : s.secret_dirs[i][0];
        if (d == 'L') --c;
        if (d == 'R') ++c;
        if (d == 'U') --r;
        if (d == 'D') ++r;
        m.secret_col[i] = static_cast<std::uint8_t>(c);
        m.secret_row[i] = static_cast<std::uint8_t>(r);
    }
    m.secret_col[core::story_round::kCastle] = m.secret_row[core::story_round::kCastle] = core::kCastleNotPlaced;
    modes::clear_msg();
    modes::show_msg("You are now in the realm of PuzzleLand.");
    // The title's menu and buttons go, as when the game leaves the title.
    ui::show_mainmenu(0);
    ui::show_bt12(0);
    ui::show_bt_3_4(0);
    f.Img_changebg->set_visible(false);
    f.Img_bgcastle->set_visible(false);
    f.Label_ver->set_visible(false);
    modes::start_map(1);
    // start_map draws the map into the work picture; the game's transition would then uncover
    // it strip by strip, the shot shows it at once.
    f.pbox_main->set_picture(f.pbox_temp->snapshot());
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
    set_up_story(f);
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
            modes::dice_stopped();
            f.Timer_dice.set_enabled(false);
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
