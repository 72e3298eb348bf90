// The end of the story: the won story counted and saved, the ending pages and the scene's set-up.
#pragma once

#include <array>
#include <string>

namespace modes {

// The "GAMEWON1" preparation: counts and saves the won story, puts the game-won picture behind
// the cover and writes the first page.
void win_story();
// The "GAMEWON2" start action: banners, jumping pawn, fireworks values and the text fade.
void story_end_anim();
// Writes page ending_page in the panel's own colour, so that the fade brings it in.
void show_endstory();

// The six pages, in order (slot 0 unused).
extern const std::array<std::string, 7> kEndingPages;

}  // namespace modes
