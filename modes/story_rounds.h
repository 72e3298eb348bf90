// The Story rounds' set-up: level puzzles, secret rounds, the castle and the special round.
#pragma once

namespace modes {

void gen_round_puzzle();

}  // namespace modes
