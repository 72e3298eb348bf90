// The fireworks show over the golden castle, and the shells the game-won scene fires too.
#pragma once

#include "platform/control.h"

namespace ui {

// The golden castle on the title screen opens the show.
void Img_bgcastle_Click();
// The "FIREWORK1" preparation: the night sky and skyline into the work picture.
void setup_fireworks();
// The "FIREWORK2" start action.
void fireworks_step2();
void Timer_fw_Timer();
// "<" (0) and ">" (1): fewer or more shells at once.
void Label_btc_Click(int index);
// Dragging over the palette picks the colour of the next shells.
void pbox_pal_MouseMove(const platform::MouseArgs& args);
void hide_fireworks();

constexpr int kFewestShells = 5;
constexpr int kMostShells = 18;

}  // namespace ui
