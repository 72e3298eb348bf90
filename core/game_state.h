// The shared round state of the game, one instance reachable from anywhere.
#pragma once

#include <cstdint>
#include <string>

namespace core {

struct CoreState {
    // The state word of the main window ("mainmenu", "playpuzzle", "walkmap", ...): set by the
    // step that enters a screen, read by every handler and by the grid.
    std::string game_state;

    // Board grid and cursor cell.
    std::int16_t grid_cols = 0;
    std::int16_t grid_rows = 0;
    std::int16_t board_w = 0;
    std::int16_t board_h = 0;
    std::int16_t cell_w = 0;
    std::int16_t cell_h = 0;
    std::int16_t cur_col = 0;
    std::int16_t cur_row = 0;

    // Remembered between runs.
    std::int16_t bg_index = 0;     // background scheme 0..9
    std::int16_t stories_won = 0;
};

CoreState& state();

}  // namespace core
