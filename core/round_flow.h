// A puzzle round from end to end: preparation behind the transition, start, win, time-up.
#pragma once

#include <string>

namespace core {

void new_puzzle();
void play_puzzle();
void start_puzzle_round();
void win_round();
void round_time_up();
// True when the game has reached the round limit and gone back to the main menu.
bool check_round_limit();
void clear_score_state();
std::string random_quote();

constexpr int kRoundLimit = 32000;

}  // namespace core
