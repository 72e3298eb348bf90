// The Hall of Fame: where a score would place, inserting it, and the end-of-game step.
#pragma once

#include <array>
#include <cstdint>

#include "core/tables.h"

namespace core {

// Slots 1..10 are the table, best first; slot 0 is the entry being made.
using HofTable = std::array<HofRec, 11>;

// 1..10: the place a score would take (it must beat an entry strictly); 11: none.
std::uint8_t hof_position(std::int32_t score);
// Moves the candidate of slot 0 into its place and saves the table; false when it places nowhere.
bool hof_insert();
// Places the score of the game just ended, asking for a name when it enters the table.
void check_highscore();
// Writes the rows of the Hall of Fame window, when it is open.
void fill_topten_labels();

// The best ten of two tables' entries (slots 1..10 of each), an entry that both hold counted
// once; among equal scores the entries of `ours` stay above the others. Slot 0 is ours.
HofTable hof_merged(const HofTable& ours, const HofTable& theirs);

}  // namespace core
