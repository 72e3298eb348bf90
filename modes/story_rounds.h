// The Story rounds' set-up: level puzzles, secret rounds, castle and special rounds.
#pragma once

namespace modes {

void gen_round_puzzle();

}  // namespace modes
