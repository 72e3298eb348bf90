// A puzzle round from end to end: preparation behind the transition, start, win, time-up.
#include "core/round_flow.h"

#include "core/board.h"
#include "core/game_state.h"
#include "core/grid.h"
#include "core/hud.h"
#include "core/pieces.h"
#include "core/round_links.h"
#include "core/utility.h"
#include "platform/controls.h"
#include "platform/picture_box.h"
#include "platform/services.h"

namespace core {

void new_puzzle() {
    board().pbox_main->set_auto_redraw(true);
    if (const auto step = mode_steps().clear_map) step();
    screens().hide_msgbox();
    show_grid(0);
    screens().pane_close(core::PaneWord::GenPuzzle);
}

void play_puzzle() {
    CoreState& s = core_state();
    const BoardControls& b = board();
    const ModeSteps& mode = mode_steps();
    if (mode.leave_map) mode.leave_map();
    s.game_state = core::StateWord::PlayPuzzle;
    if (s.round_kind < core::story_round::kLevelPuzzle) s.round_kind = core::story_round::kLevelPuzzle;
    s.round_no = static_cast<std::int16_t>(s.round_no + 1);
    s.level_rounds = static_cast<std::int16_t>(s.level_rounds + 1);
    show_round();
    screens().set_round_clock_interval(1000);
    b.shape_cursor->move(430, 0);
    b.shape_cursor->set_border_style(platform::Shape::kBorderSolid);
    b.pbox_temp->set_width(424);
    b.pbox_temp->set_height(324);
    if (mode.set_up_round) mode.set_up_round();
    b.pbox_main->set_enabled(true);
}

void start_puzzle_round() {
    CoreState& s = core_state();
    Screens& up = screens();
    up.show_bt(kPauseButton, 1);
    board().shape_cursor->set_visible(true);
    std::int16_t cols = s.round_cols, rows = s.round_rows;
    set_grid(cols, rows);
    s.round_cols = static_cast<std::uint8_t>(cols);
    s.round_rows = static_cast<std::uint8_t>(rows);
    pick_targets(s.tgt_count);
    if (s.debugmode) show_answer();
    const auto hidden = mode_steps().grid_hidden;
    show_grid(hidden && hidden() ? 0 : 1);
    s.round_time_left = s.round_kind == core::story_round::kStar ? 100 : s.time_limit;
    up.run_round_clock(true);
    show_timer();
}

void win_round() {
    CoreState& s = core_state();
    Screens& up = screens();
    up.run_round_clock(false);
    s.last_round_result = core::RoundResult::Won;
    up.show_bt(kPauseButton, 0);
    up.show_pmsg(kPmsgHide, "", 0);
    add_score(s.round_time_left);
    up.show_msg("Congratulations! You won the previous round");
    // Past the round limit the game has gone back to the main menu: the mode takes no next step.
    if (check_round_limit()) return;
    if (const auto step = mode_steps().after_win) step();
}

void round_time_up() {
    CoreState& s = core_state();
    Screens& up = screens();
    up.show_bt(kPauseButton, 0);
    s.round_time_left = 0;
    up.run_round_clock(false);
    s.last_round_result = core::RoundResult::LostOnTime;
    up.show_pmsg(kPmsgHide, "", 0);
    if (const auto step = mode_steps().after_time_up) step();
    // Tested after the mode's step: leaving the game replaces the transition it started.
    check_round_limit();
}

bool check_round_limit() {
    if (core_state().round_no < kRoundLimit) return false;
    platform::msgbox("Wow! You must be dead tired by now. Hope you won't mind\r"
                     "I take you back to the main menu. It's for your own good!",
                     platform::kMsgOk);
    core_state().game_mode = core::GameMode::Menu;
    screens().end_game();
    return true;
}

void clear_score_state() {
    CoreState& s = core_state();
    s.score = 0;
    s.time_limit = 0;
    s.misses = 0;
    s.level = 0;
    s.round_no = 0;
}

std::string random_quote() {
    const CoreState& s = core_state();
    const int k = rnd_range(1, s.quote_count - 1);
    // Start-up always leaves at least one quote; an empty table still praises.
    if (k < 1 || k > s.quote_count) return "Good Job";
    return s.quote[static_cast<std::size_t>(k)];
}

}  // namespace core
