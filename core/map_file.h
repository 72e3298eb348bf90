// Reading the Story map file "mappath.dat" into the map grid and its eleven square records.
#pragma once

namespace core {

// Reads "mappath.dat" from the data folder into map_grid and the square records of
// core::core_state(), then checks that Story mode can be played on it. A usable file sets
// story_available and clears map_problem; a missing, short or malformed one (or one whose
// secrets could land off the path or on each other, whose road from the start square has a
// dead end, or whose secrets that road cannot reach) clears story_available and leaves a
// one-line map_problem naming the file. Reading never goes past the file's end and never
// writes outside the tables.
void load_map();

}  // namespace core
