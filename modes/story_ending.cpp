// The end of the story: the game-won screen and its scene.
#include "modes/story_ending.h"

namespace modes {

// Not built yet: Story mode comes later.
void win_story() {}
void story_end_anim() {}

}  // namespace modes
