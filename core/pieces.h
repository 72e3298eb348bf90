// The pieces of a round: picking their cells, laying them out, and judging the player's answer.
#pragma once

namespace core {

// Picks n cells (1..4, never more than the grid holds), cuts the pieces from the round's
// picture and lays them out in a row below the board.
void pick_targets(int n);
// Judges the cursor cell.
void check_answer();
// Marks a found cell with its glow and its piece with a tick, and slides the piece away.
void show_rightanswer(int index);
// The miss mark: a black lattice and a red cross.
void show_wronganswer(int col, int row);
// Marks every piece's cell as a miss would (a debug aid).
void show_answer();

}  // namespace core
