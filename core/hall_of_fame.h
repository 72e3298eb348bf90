// The Hall of Fame: where a score would place, inserting it, and the end-of-game step.
#pragma once

#include <array>
#include <cstdint>

#include "core/tables.h"

namespace core {

// Slots 1..10 are the table, best first; slot 0 is the entry being made.
using HofTable = std::array<HofRec, 11>;

// 1..10: the place a score would take in a table (it must beat an entry strictly); 11: none.
std::uint8_t hof_position(const HofTable& table, std::int32_t score);
// The same in this run's table.
std::uint8_t hof_position(std::int32_t score);
// Puts an entry into its place in a table, moving the rest down; false when it places nowhere.
bool hof_place(HofTable& table, const HofRec& entry);
// Moves the candidate of slot 0 into its place and saves it; false when it places nowhere.
bool hof_insert();
// Places the score of the game just ended, asking for a name when it enters the table.
void check_highscore();
// Writes the rows of the Hall of Fame window, when it is open.
void fill_topten_labels();

}  // namespace core
