// The end of the story: the game-won screen and its scene.
#pragma once

namespace modes {

void win_story();
void story_end_anim();

}  // namespace modes
