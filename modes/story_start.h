// The Story start screen: the intro picture, the characters, the difficulty panel and the laugh.
#pragma once

namespace modes {

// "Start Story Game": the start screen, revealed by its timer. On a missing or refused map it
// says why and stays on the title screen.
void start_story();
// One frame of the start screen: blinds, then the characters, the panel's slide and the laugh.
void Timer_menu_Timer();
// A click on character index (0..4).
void Img_hotspot_Click(int index);
// Records the chosen character and puts the highlight over it.
void select_menu_item(int index);

}  // namespace modes
