// The dice on the Story map.
#include "modes/dice.h"

namespace modes {

// Not built yet: Story mode comes later.
void dice_stopped() {}

}  // namespace modes
