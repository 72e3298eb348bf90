// The game-over and game-won scenes and the found piece sliding away.
#pragma once

namespace ui {

void Timer_gameover_Timer();
void Timer_gamewon_Timer();
// ">>" (0) on the ending panel and "menu" (1) on the fireworks panel.
void Label_btb_Click(int index);
void Timer_ansclose_Timer();

}  // namespace ui
