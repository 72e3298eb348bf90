// The Story rounds' set-up: level puzzles, secret rounds, castle and star rounds.
#pragma once

#include <string>

namespace modes {

// Decides the grid and pieces of the coming Story round and paints its picture into the work
// picture, by round_kind (core::story_round): a level puzzle, a secret's round (kFirstSecret to
// kLastSecret), the castle's, or the star square's.
void gen_round_puzzle();
void gen_level_puzzle();
void gen_picture_round();
void gen_special_round();

// Runs the picture recipe of a Story level (kinds 1 to 8, then the three Story recipes).
void paint_level_picture(int level);
// Whether a secret picture's name from the map file is a plain file name inside "pic".
bool plain_file_name(const std::string& name);

}  // namespace modes
