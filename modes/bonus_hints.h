// The bonus chooser after a won secret round, and the one-shot hint on the map.
#pragma once

#include <string>

namespace modes {

// Opens the chooser: panel 2 slides up over the dice and the message panel.
void choose_bonus();
// Applies bonus 0 (misses cleared), 1 (one more allowed miss) or 2 (five more seconds), closes
// the chooser and rolls the dice. Acts only while the chooser is open.
void apply_bonus(int index);

// The hint icon: slows a rolling dice, otherwise tells how far the nearest hidden secret is.
void use_hint();
void hint_nearest_secret();
// Distance in map squares between two squares.
float secret_distance(int x1, int y1, int x2, int y2);
// The distance as the hint writes it: at most three decimals, no trailing zeros or blanks.
std::string distance_text(float distance);

}  // namespace modes
