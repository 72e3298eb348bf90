// Story mode's own steps in a puzzle round: leaving the map for it and going back after it.
#pragma once

namespace modes {

// Hands the round engine Story mode's steps; run once at start-up.
void register_story_steps();

}  // namespace modes
