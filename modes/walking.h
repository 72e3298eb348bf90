// Walking the pawn across the map, and the direction buttons.
#pragma once

namespace modes {

// A direction button, by its core::direction; acts only while a step is awaited.
void bt_arrow_Click(int index);
// The player chose the cursor cell as the next square: a step there, or a message why not.
void choose_path();
void start_walk();
// One frame of the slide; the third ends the step.
void Timer_walk_Timer();
void walk_step();
// Puts the pawn on square (col, row) and draws it there.
void move_pawn(int col, int row);
// Shows the direction buttons of the ways the pawn may take.
void update_arrows();
// Hides the four direction buttons.
void disable_arrows();

}  // namespace modes
