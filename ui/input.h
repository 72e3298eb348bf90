// The main window's keys, the typed hidden words, the mouse on the board and the HUD clicks.
#pragma once

#include <cstddef>

#include "platform/control.h"

namespace ui {

void Form_KeyDown(int key_code, int shift);
void Form_KeyPress(int key_ascii);
void pbox_main_MouseMove(const platform::MouseArgs& args);
void pbox_main_MouseDown(const platform::MouseArgs& args);
void pbox_main_MouseUp(const platform::MouseArgs& args);
void pbox_main_Click();
void Label_misses_Click();
void Label_score_DblClick();
void Label_timer_DblClick();
void Pbox_hint_Click();
void Label_btype_Click(int index);
void Label_LEVEL_Click();

// The typed-word buffer is emptied before a character would make it longer than this.
constexpr std::size_t kTypedLimit = 1000;

}  // namespace ui
