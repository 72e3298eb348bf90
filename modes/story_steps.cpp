// Story mode's own steps in a puzzle round: leaving the map for it and going back after it.
#include "modes/story_steps.h"

#include "core/game_state.h"
#include "core/hud.h"
#include "core/round_links.h"
#include "modes/message_panel.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "modes/story_rounds.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/menu.h"
#include "ui/transition.h"

namespace modes {

namespace {

void clear_story_map() {
    ui::MainForm& f = ui::mainform();
    f.pbox_dice->set_visible(false);
    f.Timer_pawn.set_enabled(false);
    hide_pawn();
}

// Secret, castle and special rounds show their picture without grid lines.
bool story_grid_hidden() { return core::core_state().round_kind > core::story_round::kLevelPuzzle; }

void win_story_round() {
    core::CoreState& s = core::core_state();
    if (core::secret_picture_round(s.round_kind)) {
        draw_secret(s.round_kind, core::secret_state::kWon, 0);
        if (s.castle_on) s.castle_won = true;
    }
    if (s.round_kind == core::story_round::kStar) core::add_misses(-1);
    if (s.castle_won) {
        // An "end game" click during the closing half would replace "GAMEWON1": the won
        // story would never be counted or saved.
        ui::show_bt(core::kEndGameButton, 0);
        ui::pane_close(core::PaneWord::GameWon1);
    } else {
        ui::pane_close(core::PaneWord::StartMap1);
    }
}

void story_time_up() {
    platform::msgbox("YOU LOST THIS ROUND!", platform::kMsgInfo, "Time's up!");
    show_msg("You lost the previous round");
    ui::pane_close(core::PaneWord::StartMap1);
}

}  // namespace

void register_story_steps() {
    core::ModeSteps steps;
    steps.clear_map = clear_story_map;
    steps.leave_map = hide_pawn;
    steps.set_up_round = gen_round_puzzle;
    steps.grid_hidden = story_grid_hidden;
    steps.after_win = win_story_round;
    steps.after_time_up = story_time_up;
    core::register_mode_steps(core::GameMode::Story, steps);
}

}  // namespace modes
