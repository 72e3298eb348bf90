// Picking the pieces, laying them out, and judging hits and misses.
#include <gtest/gtest.h>

#include <set>

#include "core/grid.h"
#include "core/pieces.h"
#include "core/round_links.h"
#include "platform/random.h"
#include "support/round_fixture.h"

namespace {

using testing_support::RoundTest;

class Pieces : public RoundTest {
protected:
    void grid(int cols, int rows) {
        std::int16_t c = static_cast<std::int16_t>(cols), r = static_cast<std::int16_t>(rows);
        core::set_grid(c, r);
    }
};

TEST_F(Pieces, RowOfPiecesIsCentredBelowTheBoard) {
    grid(5, 4);
    core::pick_targets(1);
    EXPECT_EQ(form().pbox_cell[1]->left(), 318);
    EXPECT_EQ(form().pbox_cell[1]->top(), 337);
    EXPECT_TRUE(form().pbox_cell[1]->visible());
    EXPECT_FALSE(form().pbox_cell[2]->visible());

    grid(8, 7);
    core::pick_targets(2);
    EXPECT_EQ(form().pbox_cell[1]->left(), 303);
    EXPECT_EQ(form().pbox_cell[1]->top(), 354);
    EXPECT_EQ(form().pbox_cell[2]->left(), 365);
    EXPECT_EQ(form().pbox_cell[2]->top(), 354);
}

TEST_F(Pieces, APieceShowsItsCellOfThePicture) {
    grid(5, 4);
    platform::Surface& pic = form().pbox_temp->draw();
    pic.box(0, 0, 419, 319, platform::kBlack, true);
    pic.box(84, 80, 84 + 83, 80 + 79, platform::rgb(9, 8, 7), true);  // cell (2, 2)
    platform::ScriptedRandom script({0.25f, 0.34f});  // column 1 + 1, row 1 + 1
    core::pick_targets(1);
    EXPECT_EQ(core::core_state().tgt_col[1], 2);
    EXPECT_EQ(core::core_state().tgt_row[1], 2);
    EXPECT_EQ(form().pbox_cell[1]->pixel(10, 10), platform::rgb(9, 8, 7));
}

TEST_F(Pieces, ARepeatedCellRedrawsBothCoordinates) {
    grid(5, 4);
    // Piece 1 at (1, 1); the second pick repeats it, then lands on (5, 4).
    platform::ScriptedRandom script({0.0f, 0.0f, 0.0f, 0.0f, 0.99f, 0.99f});
    core::pick_targets(2);
    EXPECT_EQ(script.taken(), 6u);
    EXPECT_EQ(core::core_state().tgt_col[2], 5);
    EXPECT_EQ(core::core_state().tgt_row[2], 4);
}

TEST_F(Pieces, TheCountIsKeptWithinTheSlotsAndTheGrid) {
    grid(2, 2);  // four cells
    core::pick_targets(9);
    EXPECT_EQ(core::core_state().tgt_count, 4);
    std::set<std::pair<int, int>> cells;
    for (int i = 1; i <= 4; ++i) cells.insert({core::core_state().tgt_col[i], core::core_state().tgt_row[i]});
    EXPECT_EQ(cells.size(), 4u);
    core::pick_targets(0);
    EXPECT_EQ(core::core_state().tgt_count, 1);

    // A generator stuck on one value cannot keep the pick going for ever.
    platform::ScriptedRandom stuck({0.0f});
    core::pick_targets(3);
    cells.clear();
    for (int i = 1; i <= 3; ++i) cells.insert({core::core_state().tgt_col[i], core::core_state().tgt_row[i]});
    EXPECT_EQ(cells.size(), 3u);
}

TEST_F(Pieces, AHitGlowsScoresAndSlidesThePieceAway) {
    start_round();
    core::core_state().tgt_count = 1;
    aim_at(1);
    core::check_answer();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.tgt_found[1], 1);
    EXPECT_EQ(s.score, 5 + 20) << "5 for the piece and the 20 seconds left";
    const int x0 = core::cellx(s.cur_col), y0 = core::celly(s.cur_row);
    EXPECT_EQ(form().pbox_main->pixel(x0 + 30, y0 + 30), s.glow_colour[10]);
    EXPECT_EQ(form().pbox_main->pixel(x0, y0), s.glow_colour[0]);
    EXPECT_TRUE(form().Timer_ansclose.enabled());
    EXPECT_EQ(s.ans_index, 1);
}

TEST_F(Pieces, MissesAreCountedAndMarked) {
    start_round();
    core::core_state().tgt_count = 1;
    aim_beside();
    core::check_answer();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.misses, 1);
    EXPECT_EQ(form().Label_pmsg->caption(), "Opps! Wrong answer!");
    const int x0 = core::cellx(s.cur_col), y0 = core::celly(s.cur_row);
    EXPECT_EQ(form().pbox_main->pixel(x0 + 3, y0 + 1), platform::kBlack) << "lattice";

    // A found cell clicked again, and a cell outside the grid, are misses too.
    aim_at(1);
    core::core_state().tgt_found[1] = 1;
    core::check_answer();
    EXPECT_EQ(s.misses, 2);
    core::core_state().cur_col = 0;
    core::core_state().cur_row = 0;
    core::check_answer();
    EXPECT_EQ(s.misses, 3);
}

TEST_F(Pieces, TheLosingMissStopsTheClockAndStillShowsItsPopUp) {
    start_round();
    core::core_state().misses = 2;  // of 3
    aim_beside();
    core::check_answer();
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::GameLost);
    EXPECT_FALSE(form().Timer_timer.enabled());
    EXPECT_FALSE(form().Label_bt[core::kPauseButton]->visible());
    EXPECT_TRUE(form().Timer_pmsg.enabled());
    EXPECT_EQ(form().Label_pmsg->caption(), "Opps! Wrong answer!");
}

TEST_F(Pieces, MissesBeyondTheLimitStillLoseTheGame) {
    start_round();
    core::core_state().misses = 7;  // past a limit of 3
    aim_beside();
    core::check_answer();
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::GameLost);
}

TEST_F(Pieces, TheLastHitClearsThePopUp) {
    start_round();
    core::core_state().tgt_count = 1;
    aim_at(1);
    core::check_answer();
    EXPECT_FALSE(form().Timer_pmsg.enabled());
    EXPECT_FALSE(form().Label_pmsg->visible());
}

TEST_F(Pieces, ShowAnswerMarksEveryPiece) {
    start_round();
    core::show_answer();
    const core::CoreState& s = core::core_state();
    for (int i = 1; i <= s.tgt_count; ++i) {
        const int x0 = core::cellx(s.tgt_col[i]), y0 = core::celly(s.tgt_row[i]);
        EXPECT_EQ(form().pbox_main->pixel(x0, y0 + 3), platform::kBlack);
    }
}

}  // namespace
