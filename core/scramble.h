// The keyless, reversible scrambling of every value the game saves.
#pragma once

#include <string>

namespace core {

// ch's first character moved d steps round the ring of printable characters (32..126);
// anything outside the ring counts as a blank.
char shift_char(const std::string& ch, int d);
// One header letter "C".."O" for the pattern width, then the text with position-dependent
// shifts. Draws exactly one random number.
std::string scramble_value(const std::string& s);
// The reverse; an empty s is replaced by "K" (in the caller's variable too) and reads as "".
std::string unscramble_value(std::string& s);
// A number's text with its leading blank when not negative, scrambled.
std::string scramble_number(double v);
// The number at the front of the unscrambled text; 0 when there is none.
double unscramble_number(std::string& s);

// The decimal text of a whole number as the game writes numbers: a leading blank unless negative.
std::string number_text(long long v);

}  // namespace core
