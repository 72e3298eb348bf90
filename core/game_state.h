// The shared round state of the game, one instance reachable from anywhere.
#pragma once

#include <array>
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

    // The Story map and its eleven square records, read from "mappath.dat". Columns 0..22 and
    // rows 0..17, the border kept 0; records in slots 1..11.
    std::array<std::array<std::uint8_t, 18>, 23> map_grid{};
    std::array<std::uint8_t, 13> anchor_col{};
    std::array<std::uint8_t, 13> anchor_row{};
    std::array<std::string, 13> secret_text;
    std::array<std::string, 13> secret_pic;
    std::array<std::string, 13> secret_dirs;
    // False when the map file is missing or unusable: Story mode is then unavailable, and
    // map_problem says why (naming the file).
    bool story_available = false;
    std::string map_problem;

    // Praise quotes (slots 1..99) and help lines (slots 1..239).
    std::array<std::string, 101> quote;
    std::uint8_t quote_count = 0;
    std::array<std::string, 241> faq_line;
    std::uint8_t faq_count = 0;

    // Remembered between runs.
    std::int16_t bg_index = 0;     // background scheme 0..9
    std::int16_t stories_won = 0;
};

CoreState& state();

}  // namespace core
