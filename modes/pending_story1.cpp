// Temporary: replaced by the map, dice and walking code
//
// Just enough of the map's preparation, the dice and the pawn for landings, Story rounds and
// the bonus choice to come back to a map that takes the next roll.
#include "core/game_state.h"
#include "core/hud.h"
#include "modes/dice.h"
#include "modes/landing.h"
#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "modes/pawn.h"
#include "modes/story_map.h"
#include "modes/walking.h"
#include "ui/mainform.h"
#include "ui/menu.h"

namespace modes {

void roll_dice() {
    ui::MainForm& f = ui::mainform();
    f.Shape_cursor->set_visible(false);
    f.Timer_dice.set_interval(core::state().cur_story_diff.dice_ms);
    f.Timer_dice.set_enabled(true);
    core::state().game_state = "rolldice";
    show_msg("Click on dice to stop");
}

void start_map(int flag) {
    core::CoreState& s = core::state();
    ui::MainForm& f = ui::mainform();
    s.level = static_cast<std::int16_t>(story_level());
    core::show_level();
    ui::show_bt(5, 0);
    for (int i = 1; i <= 4; ++i) f.bt_arrow[static_cast<std::size_t>(i)]->set_visible(false);
    f.Timer_timer.set_enabled(false);
    f.pbox_dice->set_visible(true);
    f.Shape_cursor->set_visible(false);
    s.round_time_left = s.time_limit;
    core::show_timer();
    s.game_state = "startmap";
    if (flag == 1) {
        show_msgbox();
        for (auto* cell : f.pbox_cell) cell->set_visible(false);
        draw_storymap();
    }
    state().hint_frame = -1;
}

void move_pawn(int col, int row) {
    draw_pawn((col - 1) * 20 - 2, (row - 1) * 20 - 10);
    state().pawn_col = static_cast<std::int16_t>(col);
    state().pawn_row = static_cast<std::int16_t>(row);
}

}  // namespace modes
