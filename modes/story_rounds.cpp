// The Story rounds' set-up: level puzzles, secret rounds, castle and special rounds.
#include "modes/story_rounds.h"

namespace modes {

// Not built yet: Story mode comes later.
void gen_round_puzzle() {}

}  // namespace modes
