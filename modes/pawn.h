// The pawn on the Story map: the masked sprite with the picture it covers saved, and its bounce.
#pragma once

namespace modes {

// Draws the pawn sprite with its top left corner at (x, y) of the board, first putting back
// what it covered at its last place.
void draw_pawn(int x, int y);
// Takes the pawn off the board, putting back what it covered: it is parked beyond the board's
// top left corner, where none of it shows.
void hide_pawn();
// The idle bounce on the pawn's square, and the hint icon's frames.
void Timer_pawn_Timer();

}  // namespace modes
