// Landing on squares: rounds, secrets, the castle, and what follows a round on the map.
#pragma once

namespace modes {

// The last move of a trip ended on the pawn's square.
void land_square();
// The start action of "STARTMAP2": the bonus choice after a won secret, else the dice.
void after_round();
// 1 + the secret rounds won.
int story_level();
// At the first dice stop after the castle was unveiled: the castle goes on a secret's square.
void place_castle();

}  // namespace modes
