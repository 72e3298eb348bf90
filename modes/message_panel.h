// The four-line message panel under the board.
#pragma once

#include <string>

namespace modes {

// Adds a line below the last one, scrolling the panel up when all four are used.
void show_msg(const std::string& text);
void clear_msg();
void hide_msgbox();
void show_msgbox();

}  // namespace modes
