// A puzzle round from end to end: preparation behind the transition, start, win, time-up.
#pragma once

#include <string>

namespace core {

void new_puzzle();
void play_puzzle();
void start_puzzle_round();
void make_round_colours();
void win_round();
void round_time_up();
void check_round_limit();
void clear_score_state();
void show_quota_debug();
std::string random_quote();

constexpr int kRoundLimit = 32000;

}  // namespace core
