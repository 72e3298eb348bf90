// The dice on the Story map.
#pragma once

namespace modes {

// Starts a roll at the difficulty's pace.
void roll_dice();
// One face of the roll, and the "?" marks while the castle waits to be placed.
void Timer_dice_Timer();
// A click on the dice stops it, but only while it rolls.
void pbox_dice_Click();
// The player stopped the rolling dice: the face is the trip's length.
void dice_stopped();

}  // namespace modes
