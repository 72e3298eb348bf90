// The dice on the Story map.
#pragma once

namespace modes {

// The player stopped the rolling dice.
void dice_stopped();
// Starts a roll: the faces cycle until the player stops the dice.
void roll_dice();

}  // namespace modes
