// The board grid: cell sizes, grid lines, the cursor cell and its frame.
#include <gtest/gtest.h>

#include "core/grid.h"
#include "platform/random.h"
#include "support/game_fixture.h"

namespace {

using testing_support::GameTest;

class Grid : public GameTest {
protected:
    void lay_out(int cols, int rows) {
        std::int16_t c = static_cast<std::int16_t>(cols), r = static_cast<std::int16_t>(rows);
        core::set_grid(c, r);
    }
    bool parked(int k) {
        const platform::Line* l = form().gridline[static_cast<std::size_t>(k)];
        return l->x1() == -1 && l->y1() == 1 && l->x2() == -1 && l->y2() == 10;
    }
    int parked_count() {
        int n = 0;
        for (int k = 0; k <= 24; ++k) n += parked(k) ? 1 : 0;
        return n;
    }
};

TEST_F(Grid, CountsOfOneOrLessBecomeFiveInTheCallersVariables) {
    std::int16_t cols = 1, rows = 0;
    core::set_grid(cols, rows);
    EXPECT_EQ(cols, 5);
    EXPECT_EQ(rows, 5);
    EXPECT_EQ(core::core_state().grid_cols, 5);
    EXPECT_EQ(core::core_state().cell_w, 84);
    EXPECT_EQ(core::core_state().cell_h, 64);
}

TEST_F(Grid, CellSizesAndLineCounts) {
    struct Case { int cols, rows, cell_w, cell_h, lines; };
    const Case cases[] = {
        {5, 4, 84, 80, 7},
        {8, 7, 52, 46, 13},  // 52.5 rounds to even, 45.7 to 46
        {10, 5, 42, 64, 13},
        {12, 12, 35, 27, 22},
    };
    for (const Case& c : cases) {
        lay_out(c.cols, c.rows);
        const core::CoreState& s = core::core_state();
        EXPECT_EQ(s.board_w, 420);
        EXPECT_EQ(s.board_h, 320);
        EXPECT_EQ(s.cell_w, c.cell_w) << c.cols << "x" << c.rows;
        EXPECT_EQ(s.cell_h, c.cell_h) << c.cols << "x" << c.rows;
        EXPECT_EQ(parked_count(), 25 - c.lines) << c.cols << "x" << c.rows;
        EXPECT_EQ(form().pbox_cell[1]->width(), c.cell_w);
        EXPECT_EQ(form().pbox_cell[4]->height(), c.cell_h);
        EXPECT_EQ(form().Shape_cursor->width(), c.cell_w);
        EXPECT_EQ(form().Shape_cursor->height(), c.cell_h);
    }
}

TEST_F(Grid, LinesRunAcrossTheWholeBoard) {
    lay_out(5, 4);
    const platform::Line* first = form().gridline[0];
    EXPECT_EQ(first->x1(), 84);
    EXPECT_EQ(first->y1(), 0);
    EXPECT_EQ(first->x2(), 84);
    EXPECT_EQ(first->y2(), form().pbox_main->height());
    EXPECT_TRUE(first->visible());
    const platform::Line* row = form().gridline[4];  // after the four column lines
    EXPECT_EQ(row->y1(), 80);
    EXPECT_EQ(row->x2(), form().pbox_main->width());
    EXPECT_TRUE(parked(7));
}

TEST_F(Grid, TheMapGridWrapsAroundTheLines) {
    lay_out(21, 16);
    EXPECT_EQ(core::core_state().cell_w, 20);
    EXPECT_EQ(core::core_state().cell_h, 20);
    for (int k = 0; k <= 9; ++k) {
        const platform::Line* l = form().gridline[static_cast<std::size_t>(k)];
        EXPECT_EQ(l->y1(), (k + 6) * 20) << k;
        EXPECT_EQ(l->y2(), (k + 6) * 20) << k;
    }
    for (int k = 10; k <= 24; ++k) EXPECT_TRUE(parked(k)) << k;
}

TEST_F(Grid, ParkingLeavesVisibilityAlone) {
    lay_out(10, 8);
    core::show_grid(1);
    lay_out(5, 4);
    EXPECT_TRUE(form().gridline[20]->visible());
    core::show_grid(0);
    for (auto* l : form().gridline) EXPECT_FALSE(l->visible());
}

TEST_F(Grid, PointerPositionsPickTheCellUnderThem) {
    lay_out(5, 4);
    struct Case { float x, y; int col, row; };
    const Case cases[] = {
        {84, 0, 1, 1},    // on the boundary: the even 0-based column
        {168, 0, 3, 1},
        {83, 40, 1, 1},
        {85, 40, 2, 1},
        {419, 319, 5, 4},
        {-50, -50, 0, 0},  // outside the board: a cell of no piece
        {500, 400, 6, 5},
    };
    for (const Case& c : cases) {
        core::move_cursor(c.x, c.y);
        EXPECT_EQ(core::core_state().cur_col, c.col) << c.x;
        EXPECT_EQ(core::core_state().cur_row, c.row) << c.y;
    }
}

TEST_F(Grid, TheFrameFollowsThePointerExceptWhileChoosingAPath) {
    lay_out(5, 4);
    core::core_state().game_state = core::StateWord::PlayPuzzle;
    core::move_cursor(200, 100);
    EXPECT_EQ(form().Shape_cursor->left(), 2 * 84);
    EXPECT_EQ(form().Shape_cursor->top(), 80);
    core::core_state().game_state = core::StateWord::WalkMap;
    core::move_cursor(10, 10);
    EXPECT_EQ(core::core_state().cur_col, 1);
    EXPECT_EQ(form().Shape_cursor->left(), 2 * 84);
}

TEST_F(Grid, KeyboardCursorIsClampedToTheGrid) {
    lay_out(5, 4);
    core::core_state().game_state = core::StateWord::PlayPuzzle;
    core::core_state().cur_col = 0;
    core::core_state().cur_row = 9;
    core::place_board_cursor();
    EXPECT_EQ(core::core_state().cur_col, 1);
    EXPECT_EQ(core::core_state().cur_row, 4);
    EXPECT_EQ(form().Shape_cursor->left(), 0);
    EXPECT_EQ(form().Shape_cursor->top(), 3 * 80);

    // Outside a round the cell is clamped but the frame stays where it is.
    core::core_state().game_state = core::StateWord::MainMenu;
    core::core_state().cur_col = 6;
    core::place_board_cursor();
    EXPECT_EQ(core::core_state().cur_col, 5);
    EXPECT_EQ(form().Shape_cursor->left(), 0);
}

// Every cell but the first starts on the grid line before it: lines 0..6 part the eight
// columns, lines 7..12 the seven rows of cells 52 x 46.
TEST_F(Grid, CellsStartOnTheirGridLines) {
    lay_out(8, 7);
    EXPECT_EQ(core::cellx(1), 0);
    EXPECT_EQ(core::celly(1), 0);
    EXPECT_EQ(core::cellx(8), 364);
    EXPECT_EQ(core::celly(7), 276);
    for (int col = 2; col <= 8; ++col) EXPECT_EQ(form().gridline[static_cast<std::size_t>(col - 2)]->x1(), core::cellx(col));
    for (int row = 2; row <= 7; ++row) EXPECT_EQ(form().gridline[static_cast<std::size_t>(row + 5)]->y1(), core::celly(row));
}

TEST_F(Grid, CursorColourDrawsRedGreenBlue) {
    platform::ScriptedRandom script({0.0f, 0.5f, 0.99999994f});
    core::random_cursor_colour();
    EXPECT_EQ(script.taken(), 3u);
    EXPECT_EQ(form().Shape_cursor->border_colour(), platform::rgb(10, 132, 255));
}

}  // namespace
