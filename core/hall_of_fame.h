// The Hall of Fame: where a score would place, inserting it, and the end-of-game step.
#pragma once

#include <cstdint>

namespace core {

// 1..10: the place a score would take (it must beat an entry strictly); 11: none.
std::uint8_t hof_position(std::int32_t score);
// Moves the candidate of slot 0 into its place; false when it places nowhere.
bool hof_insert();
// Places the score of the game just ended, asking for a name when it enters the table.
void check_highscore();
// Writes the rows of the Hall of Fame window, when it is open.
void fill_topten_labels();

}  // namespace core
