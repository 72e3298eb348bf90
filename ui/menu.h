// The title screen, the difficulty menus and the bottom buttons.
#pragma once

#include <functional>
#include <string>

namespace ui {

// Shows the title screen.
void goto_mainmenu();
void start_linear();
void select_linear_diff(int index);
void select_story_difficulty(int index);
// Places the bottom buttons 1 to 4.
void layout_menu_buttons();
// Shows or hides a bottom button with its shape.
void show_bt(int index, int flag);
void show_bt12(int flag);
void show_bt_3_4(int flag);
void show_mainmenu(int flag);
void show_linearmenu(int flag);
// "play game": from a start screen into the chosen mode.
void leave_menu();
void pause_game();
// Opens a document or address with the desktop's program and says `failure` when it cannot.
// The opener may answer seconds later: by then the player may have started a round, whose clock
// would run on behind the box, or closed the window they clicked in. So the failure is told only
// while `still_there` holds.
void open_from_screen(const std::string& target, const char* failure, std::function<bool()> still_there);
// Opens an address; a failure says so while the player is still where they clicked.
void open_link(const std::string& target, std::function<bool()> still_there);

// Click handlers of the control arrays.
void Label_mi_Click(int index);
void Label_midiff_Click(int index);
void Label_misdiff_Click(int index);
void Label_bt_Click(int index);

// The game's web page, opened by "website" and by the about box.
extern const char* const kWebsite;

}  // namespace ui
