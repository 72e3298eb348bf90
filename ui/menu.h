// The title screen, the difficulty menus and the bottom buttons.
#pragma once

namespace ui {

// Shows the title screen.
void goto_mainmenu();
// Places the bottom buttons 1 to 4.
void layout_menu_buttons();
// Shows or hides a bottom button with its shape.
void show_bt(int index, int flag);
void show_bt12(int flag);
void show_bt_3_4(int flag);
void show_mainmenu(int flag);

}  // namespace ui
