// Landing on squares: rounds, secrets, the castle, and what follows a round on the map.
#pragma once

namespace modes {

// The start action of "STARTMAP2": the bonus choice after a won secret, else the dice.
void after_round();

}  // namespace modes
