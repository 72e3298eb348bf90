// The shared round state and the board controls lent to the engine.
#include "core/board.h"
#include "core/game_state.h"

namespace core {

CoreState& core_state() {
    static CoreState s;
    return s;
}

BoardControls& board() {
    static BoardControls b;
    return b;
}

}  // namespace core
