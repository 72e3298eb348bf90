// Landing on squares: rounds, secrets, the castle, and what follows a round on the map.
#pragma once

namespace modes {

// The last move of a trip ended on the pawn's square: a round, a revealed secret, or nothing.
void land_square();
// The start action of "STARTMAP2" and the end of a landing without a round: the bonus choice
// after a won secret, else the dice; the hint offer; the castle unveiled at the final level.
void after_round();
// 1 + the secret rounds won (1..11).
int story_level();
void final_level_reached();
// Puts the unveiled castle on one of the secret squares, never the one the pawn stood on.
void place_castle();
// A red cross on every secret square, drawn on the board.
void show_secret_marks();

}  // namespace modes
