// The board grid: cell size, grid lines, piece and cursor sizes, and the cursor cell.
#include "core/grid.h"

#include "core/board.h"
#include "core/game_state.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

namespace core {

namespace {

constexpr int kLastGridLine = 24;

platform::Line* line_at(int k) { return board().gridline[static_cast<std::size_t>(k)]; }

}  // namespace

void set_grid(std::int16_t& cols, std::int16_t& rows) {
    CoreState& s = core_state();
    BoardControls& b = board();
    const int m = kLastGridLine;
    if (cols <= 1) cols = 5;
    if (rows <= 1) rows = 5;

    const int box_w = b.pbox_main ? b.pbox_main->width() : 424;
    const int box_h = b.pbox_main ? b.pbox_main->height() : 324;
    s.board_w = static_cast<std::int16_t>(box_w - 4);
    s.board_h = static_cast<std::int16_t>(box_h - 4);
    s.cell_w = cint(static_cast<double>(s.board_w) / cols);
    s.cell_h = cint(static_cast<double>(s.board_h) / rows);
    s.grid_rows = rows;
    s.grid_cols = cols;

    // Grids with more lines than controls (the map's 21 x 16) wrap around and reuse the first
    // ones; the map keeps its grid hidden and only wants the cell size.
    int k = 0;
    for (int i = 1; i <= s.grid_cols - 1; ++i) {
        if (k > m) k = 0;
        if (auto* l = line_at(k)) {
            l->set_points(i * s.cell_w, 0, i * s.cell_w, box_h);
            l->set_visible(true);
        }
        ++k;
    }
    for (int i = 1; i <= s.grid_rows - 1; ++i) {
        if (k > m) k = 0;
        if (auto* l = line_at(k)) {
            l->set_points(0, i * s.cell_h, box_w, i * s.cell_h);
            l->set_visible(true);
        }
        ++k;
    }
    for (int i = k; i <= m; ++i) {
        if (auto* l = line_at(i)) l->set_points(-1, 1, -1, 10);
    }

    for (int i = 1; i <= 4; ++i) {
        if (auto* cell = b.pbox_cell[static_cast<std::size_t>(i)]) {
            cell->set_width(s.cell_w);
            cell->set_height(s.cell_h);
        }
    }
    if (b.shape_cursor) {
        b.shape_cursor->set_width(s.cell_w);
        b.shape_cursor->set_height(s.cell_h);
    }
}

int cellx(int col) { return (col - 1) * core_state().cell_w; }
int celly(int row) { return (row - 1) * core_state().cell_h; }

void move_cursor(float x, float y) {
    CoreState& s = core_state();
    if (s.board_w == 0 || s.board_h == 0) return;  // no grid laid out yet
    const std::int16_t c0 = cint(static_cast<double>(x) / s.board_w * s.grid_cols - 0.5);
    const std::int16_t r0 = cint(static_cast<double>(y) / s.board_h * s.grid_rows - 0.5);
    s.cur_col = static_cast<std::int16_t>(c0 + 1);
    s.cur_row = static_cast<std::int16_t>(r0 + 1);
    // While a path is being chosen on the map only the cell matters; the frame stays put.
    if (s.game_state != core::StateWord::WalkMap && board().shape_cursor) {
        board().shape_cursor->move(c0 * s.cell_w, r0 * s.cell_h);
    }
}

void place_board_cursor() {
    CoreState& s = core_state();
    if (s.cur_col < 1) s.cur_col = 1;
    if (s.cur_col > s.grid_cols) s.cur_col = s.grid_cols;
    if (s.cur_row < 1) s.cur_row = 1;
    if (s.cur_row > s.grid_rows) s.cur_row = s.grid_rows;
    if (s.game_state == core::StateWord::PlayPuzzle && board().shape_cursor) {
        board().shape_cursor->move((s.cur_col - 1) * s.cell_w, (s.cur_row - 1) * s.cell_h);
    }
}

void show_grid(int flag) {
    for (int k = 0; k <= kLastGridLine; ++k) {
        if (auto* l = line_at(k)) l->set_visible(flag != 0);
    }
}

void random_cursor_colour() {
    const int red = rnd_range(10, 245);
    const int green = rnd_range(10, 245);
    const int blue = rnd_range(10, 245);
    if (board().shape_cursor) board().shape_cursor->set_border_colour(platform::rgb(red, green, blue));
}

}  // namespace core
