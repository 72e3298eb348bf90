// The game-over scene and the found piece sliding away.
#pragma once

namespace ui {

void Timer_gameover_Timer();
void Timer_ansclose_Timer();

}  // namespace ui
