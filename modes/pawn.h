// The pawn on the Story map.
#pragma once

namespace modes {

// Draws the pawn sprite at (x, y) of the board; (-30, -30) parks it out of sight.
void draw_pawn(int x, int y);
// Puts back what the pawn covered.
void hide_pawn();

}  // namespace modes
