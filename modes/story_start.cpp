// The Story start screen with its characters.
#include "modes/story_start.h"

namespace modes {

// Not built yet: Story mode comes later.
void start_story() {}

}  // namespace modes
