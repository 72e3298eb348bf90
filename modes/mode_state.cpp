// The shared state of the two game modes.
#include "modes/mode_state.h"

namespace modes {

ModeState& mode_state() {
    static ModeState s;
    return s;
}

}  // namespace modes
