// Linear mode: the level ladder, its rounds and rewards.
#pragma once

namespace modes {

// Closes the board for the next Linear round.
void genpuzzle_pane();
// The Linear round set-up: bonus round, grid, picture kind and pieces, and the picture itself.
void linear_round();

}  // namespace modes
