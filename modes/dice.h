// The dice on the Story map.
#pragma once

namespace modes {

// The player stopped the rolling dice.
void dice_stopped();

}  // namespace modes
