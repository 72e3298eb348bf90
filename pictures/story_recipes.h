// The pictures of the Story level puzzles above level 8: brick walls and their companions.
#pragma once

namespace pictures {

// Level 9: a brick wall over a plain background of the same colour family.
void gen_puzzle_l9();
// Level 10: the plan of picture kind 10 with its own constants.
void gen_puzzle_l10();
// Level 11 and every level above: five options of two or more layers.
void gen_puzzle_l11();

}  // namespace pictures
