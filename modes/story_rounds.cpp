// The Story rounds' set-up: level puzzles, secret rounds, the castle and the special round.
#include "modes/story_rounds.h"

namespace modes {

// Not built yet: Story mode comes later.
void gen_round_puzzle() {}

}  // namespace modes
