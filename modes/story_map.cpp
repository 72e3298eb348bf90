// The map of PuzzleLand.
#include "modes/story_map.h"

namespace modes {

// Not built yet: Story mode comes later.
void draw_storymap() {}

}  // namespace modes
