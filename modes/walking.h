// Walking the pawn across the map, and the direction buttons.
#pragma once

namespace modes {

// The map's direction buttons take no clicks.
void disable_arrows();
// The player chose the cursor cell as the next square.
void choose_path();
// Puts the pawn on square (col, row) and draws it there.
void move_pawn(int col, int row);

}  // namespace modes
