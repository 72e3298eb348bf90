// Landing on squares: rounds, secrets, the castle, and what follows a round on the map.
#include "modes/landing.h"

#include "core/game_state.h"
#include "core/utility.h"
#include "modes/dice.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/story_map.h"
#include "modes/walking.h"
#include "ui/mainform.h"

namespace modes {

// STAND-IN until landing is built: every square ends the trip without a round or a reveal,
// and the dice rolls again.
void land_square() {
    ui::MainForm& f = ui::mainform();
    f.Pbox_hint->set_visible(false);
    for (int i = 1; i <= 4; ++i) {
        f.bt_arrow[static_cast<std::size_t>(i)]->set_visible(false);
        f.bt_arrow[static_cast<std::size_t>(i)]->set_enabled(true);
    }
    core::state().last_round_result = -1;
    start_map(0);
    after_round();
}

// STAND-IN until landing is built: back on the map the dice rolls; no bonus choice, no castle
// unveiling, no hint offer.
void after_round() {
    ui::MainForm& f = ui::mainform();
    f.pbox_main->set_enabled(false);
    f.Timer_pawn.set_enabled(true);
    f.pbox_dice->set_enabled(true);
    f.pbox_main->set_auto_redraw(false);
    move_pawn(state().pawn_col, state().pawn_row);
    roll_dice();
    f.Shape_rad->set_visible(false);
    state().hint_frame = -1;
    f.Pbox_hint->set_visible(false);
}

int story_level() {
    int count = 1;
    for (int i = 1; i <= 10; ++i) count += state().secret_state[static_cast<std::size_t>(i)] == 2;
    core::state().level_rounds = 0;
    core::state().linear_wins = 0;
    return count;
}

void place_castle() {
    ModeState& s = state();
    int j = core::rnd_range(1, 9);
    while (j == s.final_secret) j = core::rnd_range(1, 9);
    s.secret_col[11] = s.secret_col[static_cast<std::size_t>(j)];
    s.secret_row[11] = s.secret_row[static_cast<std::size_t>(j)];
    for (int i = 1; i <= 10; ++i) draw_secret(i, -1, 1);
    draw_secret(11, 1, 0);
    draw_secret(11, -1, 1);
    show_msg("Go inside the castle and solve the puzzle.");
    show_msg("GOOD LUCK!");
}

}  // namespace modes
