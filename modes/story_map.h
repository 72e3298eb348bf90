// The map of PuzzleLand and its secret squares.
#pragma once

namespace modes {

// "play game" in Story mode: a new Story game on the map.
void enter_puzzleland();
// Everything a new Story game needs: counters, the secrets placed from the map's anchors.
void init_story();
// Draws the map with its secrets into the work picture.
void draw_storymap();
// The state draw_secret takes to draw a secret rather than store one.
constexpr int kDrawStored = -1;
// kDrawStored draws secret index in its stored state (onto the board when onscreen != 0, else
// onto the work picture); a secret state (core::secret_state) is only stored.
void draw_secret(int index, int state, int onscreen);
// Back on the map: flag 1 when the transition is about to reveal it (the map is redrawn), any
// other value after a landing that keeps the map as it is.
void start_map(int flag);
// The map's preparation at full cover of "STARTMAP1".
void startmap2();

}  // namespace modes
