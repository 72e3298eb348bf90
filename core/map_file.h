// Reading the Story map file "mappath.dat" into the map grid and its eleven square records.
#pragma once

#include <cstdint>

namespace core {

// What map_grid holds for a square, from its character in the map file: the reader writes them,
// the landing and the walking read them.
namespace map_square {
constexpr std::uint8_t kBlank = 0;  // ' ' and the border: off the road, the pawn may not go there
constexpr std::uint8_t kPath = 1;   // '*' and every anchor: plain road; a stop there forgets the last round's result
constexpr std::uint8_t kRound = 2;  // 'X': a level round (a secret's square counts as one too)
constexpr std::uint8_t kStar = 3;   // '@': the star square's round
constexpr std::uint8_t kOther = 8;  // any other character: road where a stop changes nothing
}  // namespace map_square

// Reads "mappath.dat" from the data folder into map_grid and the square records of
// core::core_state(), then checks that Story mode can be played on it. A usable file sets
// story_available and clears map_problem; a missing, short or malformed one (or one whose
// secrets could land off the path or on each other, whose road from the start square has a
// dead end, or whose secrets that road cannot reach) clears story_available and leaves a
// one-line map_problem naming the file. Reading never goes past the file's end and never
// writes outside the tables.
void load_map();

}  // namespace core
