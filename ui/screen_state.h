// What the main window's screens share: the mode, debug mode and transition words.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

struct ScreenState {
    std::int16_t game_mode = 0;   // 0 main menu, 1 Linear, 2 Story, 3 fireworks show
    std::int16_t debugmode = 0;   // true is -1, false 0
};

ScreenState& screen();

}  // namespace ui
