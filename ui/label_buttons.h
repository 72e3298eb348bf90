// The pressed and released looks of the window's label buttons and menu items.
#pragma once

#include "platform/colour.h"
#include "platform/control.h"

namespace ui {

void Label_bt_MouseDown(int index);
void Label_bt_MouseUp(int index);
void Label_btb_MouseDown(int index);
void Label_btb_MouseUp(int index);
void Label_btc_MouseDown(int index);
void Label_btc_MouseUp(int index);
void Label_btype_MouseDown(int index);
void Label_btype_MouseUp(int index);
void Label_mi_MouseDown(int index, const platform::MouseArgs& args);
void Label_mi_MouseUp(int index);

constexpr platform::Colour kPressed = platform::rgb(255, 187, 71);
constexpr platform::Colour kReleased = platform::rgb(255, 255, 132);

}  // namespace ui
