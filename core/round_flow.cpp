// A puzzle round from end to end: preparation behind the transition, start, win, time-up.
#include "core/round_flow.h"

#include "core/game_state.h"
#include "core/grid.h"
#include "core/hud.h"
#include "core/pieces.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "modes/linear.h"
#include "modes/message_panel.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "modes/story_rounds.h"
#include "pictures/colour_ramps.h"
#include "pictures/picture_state.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/popup_clock.h"
#include "ui/screen_state.h"
#include "ui/transition.h"

namespace core {

namespace {

bool story_mode() { return ui::screen().game_mode == core::GameMode::Story; }
bool linear_mode() { return ui::screen().game_mode == core::GameMode::Linear; }

}  // namespace

void new_puzzle() {
    ui::MainForm& f = ui::mainform();
    f.pbox_main->set_auto_redraw(true);
    if (story_mode()) {
        f.pbox_dice->set_visible(false);
        f.Timer_pawn.set_enabled(false);
        modes::draw_pawn(-30, -30);
    }
    modes::hide_msgbox();
    show_grid(0);
    ui::pane_close(core::PaneWord::GenPuzzle);
}

void play_puzzle() {
    CoreState& s = state();
    ui::MainForm& f = ui::mainform();
    if (story_mode()) modes::hide_pawn();
    s.game_state = core::StateWord::PlayPuzzle;
    if (s.round_kind < core::kLevelPuzzle) s.round_kind = core::kLevelPuzzle;
    s.round_no = static_cast<std::int16_t>(s.round_no + 1);
    s.level_rounds = static_cast<std::int16_t>(s.level_rounds + 1);
    show_round();
    f.Timer_timer.set_interval(1000);
    f.Shape_cursor->move(430, 0);
    f.Shape_cursor->set_border_style(platform::Shape::kBorderSolid);
    f.pbox_temp->set_width(424);
    f.pbox_temp->set_height(324);
    if (linear_mode()) {
        modes::linear_round();
    } else if (story_mode()) {
        modes::gen_round_puzzle();
    }
    f.pbox_main->set_enabled(true);
}

void start_puzzle_round() {
    CoreState& s = state();
    ui::MainForm& f = ui::mainform();
    ui::show_bt(5, 1);
    f.Shape_cursor->set_visible(true);
    std::int16_t cols = s.round_cols, rows = s.round_rows;
    set_grid(cols, rows);
    s.round_cols = static_cast<std::uint8_t>(cols);
    s.round_rows = static_cast<std::uint8_t>(rows);
    pick_targets(s.tgt_count);
    if (ui::screen().debugmode != 0) show_answer();
    show_grid(story_mode() && s.round_kind > core::kLevelPuzzle ? 0 : 1);
    s.round_time_left = s.round_kind == core::kSpecialRound ? 100 : s.time_limit;
    f.Timer_timer.set_enabled(true);
    show_timer();
}

void make_round_colours() {
    const int red = rnd_range(90, 150);
    const int green = rnd_range(90, 150);
    const int blue = rnd_range(90, 150);
    pictures::make_gradient(15, 0, 0, 0, 0, red, green, blue);
    const pictures::PictureState& p = pictures::state();
    CoreState& s = state();
    for (std::size_t i = 0; i <= 11; ++i) s.glow_colour[i] = p.grad_colors[i];
}

void win_round() {
    CoreState& s = state();
    ui::mainform().Timer_timer.set_enabled(false);
    s.last_round_result = 1;
    ui::show_bt(5, 0);
    ui::show_pmsg(0, "", 0);
    add_score(s.round_time_left);
    modes::show_msg("Congratulations! You won the previous round");
    check_round_limit();
    if (linear_mode()) {
        s.linear_wins += 1;
        modes::genpuzzle_pane();
    } else if (story_mode()) {
        if (s.round_kind >= core::kFirstSecretRound && s.round_kind <= core::kCastleRound) {
            modes::draw_secret(s.round_kind, 2, 0);
            if (s.castle_on) s.castle_won = true;
        }
        if (s.round_kind == core::kSpecialRound) add_misses(-1);
        if (s.castle_won) {
            // An "end game" click during the closing half would replace "GAMEWON1": the won
            // story would never be counted or saved.
            ui::show_bt(0, 0);
            ui::pane_close(core::PaneWord::GameWon1);
        } else {
            ui::pane_close(core::PaneWord::StartMap1);
        }
    }
}

void round_time_up() {
    CoreState& s = state();
    ui::show_bt(5, 0);
    s.round_time_left = 0;
    ui::mainform().Timer_timer.set_enabled(false);
    s.last_round_result = 0;
    ui::show_pmsg(0, "", 0);
    if (linear_mode()) {
        const int n = s.cur_diff.penalty;
        platform::msgbox("YOU LOST THIS ROUND!\r" + std::to_string(n) + " points deducted from your score.",
                         platform::kMsgInfo, "Time's up!");
        add_score(-n);
        modes::genpuzzle_pane();
    } else if (story_mode()) {
        platform::msgbox("YOU LOST THIS ROUND!", platform::kMsgInfo, "Time's up!");
        modes::show_msg("You lost the previous round");
        ui::pane_close(core::PaneWord::StartMap1);
    }
    check_round_limit();
}

void check_round_limit() {
    if (state().round_no < kRoundLimit) return;
    platform::msgbox("Wow! You must be dead tired by now. Hope you won't mind\r"
                     "I take you back to the main menu. It's for your own good!",
                     platform::kMsgOk);
    ui::screen().game_mode = core::GameMode::Menu;
    ui::end_game();
}

void clear_score_state() {
    CoreState& s = state();
    s.score = 0;
    s.time_limit = 0;
    s.misses = 0;
    s.level = 0;
    s.round_no = 0;
}

void show_quota_debug() {
    CoreState& s = state();
    ui::MainForm& f = ui::mainform();
    // Before the first Linear round the quota is still 0: show the counts without a share.
    std::string percent = "-";
    if (s.linear_quota != 0) {
        const double share = static_cast<double>(s.linear_wins) / s.linear_quota * 100.0;
        percent = std::to_string(round_to<std::int64_t>(share));
    }
    s.tmp = "Wins/quota -> " + std::to_string(s.linear_wins) + "/" + std::to_string(s.linear_quota) +
            " (" + percent + "%)";
    f.Label_round->set_tool_tip(s.tmp);
    f.Label_debug1->set_caption(s.tmp);
    const std::int16_t chance = s.level_up_chance;
    f.Label_debug2->set_caption(chance >= 0 ? " " + std::to_string(chance) : std::to_string(chance));
}

std::string random_quote() {
    const CoreState& s = state();
    const int k = rnd_range(1, s.quote_count - 1);
    // Start-up always leaves at least one quote; an empty table still praises.
    if (k < 1 || k > s.quote_count) return "Good Job";
    return s.quote[static_cast<std::size_t>(k)];
}

}  // namespace core
