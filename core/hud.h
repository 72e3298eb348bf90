// The HUD values left of the board: every change on screen goes through these setters.
#pragma once

#include <cstdint>

namespace core {

void add_score(std::int32_t n);
void show_round();
void show_timer();
void add_misses(int n);
// add_misses's step that clears the count: the count stops at none, and no game's miss limit
// comes near 99.
constexpr int kClearMisses = -99;
void show_misslimit();
void show_level();

}  // namespace core
