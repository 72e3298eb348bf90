// The map of PuzzleLand.
#pragma once

namespace modes {

// Draws the map with its squares onto the board.
void draw_storymap();

}  // namespace modes
