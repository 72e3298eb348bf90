// The screen transition: five strips cover the board, the next screen is prepared, then revealed.
#pragma once

#include "core/state_words.h"

namespace ui {

// Starts the closing half with a pane word; the board takes no mouse until a step enables it.
void pane_close(core::PaneWord word);
// Starts the opening half; called by a preparation at full cover.
void pane_open(core::PaneWord word);
void Timer_pane_Timer();
// Leaves the game in progress for the main menu.
void end_game();
// The "GAMELOST" preparation and the "GAMELOST2" start action.
void game_over();
void gamelost_step2();

}  // namespace ui
