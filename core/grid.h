// The board grid: cell size, grid lines, piece and cursor sizes, and the cursor cell.
#pragma once

#include <cstdint>

namespace core {

// Lays out a cols x rows grid on the board; a count of 1 or less becomes 5, in the caller's
// variable too.
void set_grid(std::int16_t& cols, std::int16_t& rows);
// Pixel origin of a column or row (1-based).
int cellx(int col);
int celly(int row);
// The cell under a pointer position in board pixels becomes the cursor cell (not clamped).
void move_cursor(float x, float y);
// Clamps the cursor cell to the grid and, during a round, moves the frame onto it.
void place_board_cursor();
// Shows (flag != 0) or hides every grid line.
void show_grid(int flag);
// A random bright border colour for the cursor frame.
void random_cursor_colour();

}  // namespace core
