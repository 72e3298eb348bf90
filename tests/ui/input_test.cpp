// Keys, typed words, the mouse on the board and the HUD clicks.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "core/grid.h"
#include "core/round_links.h"
#include "platform/random.h"
#include "support/round_fixture.h"
#include "ui/input.h"
#include "ui/menu.h"
#include "ui/popup_clock.h"
#include "ui/transition.h"

namespace {

using testing_support::RoundTest;

class Input : public RoundTest {
protected:
    void type(const std::string& text) {
        for (char ch : text) ui::Form_KeyPress(static_cast<unsigned char>(ch));
    }
};

TEST_F(Input, ArrowsMoveTheCursorWithinTheGrid) {
    start_round();
    core::core_state().cur_col = 1;
    core::core_state().cur_row = 1;
    ui::Form_KeyDown(37, 0);  // left, off the grid: stays on the edge
    EXPECT_EQ(core::core_state().cur_col, 1);
    ui::Form_KeyDown(39, 0);
    ui::Form_KeyDown(40, 0);
    EXPECT_EQ(core::core_state().cur_col, 2);
    EXPECT_EQ(core::core_state().cur_row, 2);
    EXPECT_EQ(form().Shape_cursor->left(), 84);
    // Any key re-places the frame.
    form().Shape_cursor->move(0, 0);
    ui::Form_KeyDown(65, 0);
    EXPECT_EQ(form().Shape_cursor->left(), 84);
}

TEST_F(Input, EnterAndSpaceAnswerAndCRecolours) {
    start_round();
    aim_beside();
    ui::Form_KeyPress(13);
    EXPECT_EQ(core::core_state().misses, 1);
    ui::Form_KeyPress(32);
    EXPECT_EQ(core::core_state().misses, 2);
    platform::ScriptedRandom script({0.0f, 0.0f, 0.0f});
    ui::Form_KeyPress('c');
    EXPECT_EQ(form().Shape_cursor->border_colour(), platform::rgb(10, 10, 10));
}

TEST_F(Input, TheDebugWordTogglesInAnyStateEvenDuringATransition) {
    start_round();
    ui::pane_close(core::PaneWord::EndGame);
    type("xxzebracove");
    EXPECT_TRUE(core::core_state().debugmode);
    EXPECT_TRUE(form().Combo1->visible());
    EXPECT_EQ(ui::screen().typed, "");
    type("zebracove");
    EXPECT_FALSE(core::core_state().debugmode);
    type("ZebraCove");
    EXPECT_FALSE(core::core_state().debugmode) << "words are case-sensitive";
}

TEST_F(Input, RoundWords) {
    start_round();
    core::core_state().round_time_left = 32700;
    type("cadgeplussecs");
    EXPECT_EQ(core::core_state().round_time_left, 32767) << "the gift stops at the counter's top";
    EXPECT_EQ(ui::screen().typed, "");
    type("reveal!rapid!");
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(form().pbox_main->pixel(core::cellx(s.tgt_col[1]), core::celly(s.tgt_row[1]) + 3), platform::kBlack);
    core::core_state().linear_wins = 12;
    core::core_state().linear_quota = 30;
    type("cadgetally");
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text,
              "You have won 12 rounds. You need to win at least\r30 rounds to proceed to the next level.");
    EXPECT_EQ(boxes.calls[0].title, "A tiny bit of info you might be interested to know. =)");
}

TEST_F(Input, KeysDuringATransitionOnlyFillTheBuffer) {
    start_round();
    ui::pane_close(core::PaneWord::GenPuzzle);
    const std::uint8_t misses = core::core_state().misses;
    ui::Form_KeyPress(13);
    type("cadgeplussecs");
    EXPECT_EQ(core::core_state().misses, misses);
    EXPECT_EQ(ui::screen().typed, "\rcadgeplussecs");
}

TEST_F(Input, ALongBufferIsEmptiedBeforeTheNextCharacter) {
    ui::screen().typed = std::string(1000, 'a') + "zebracov";
    ui::Form_KeyPress('e');
    EXPECT_EQ(ui::screen().typed, "e");
    EXPECT_FALSE(core::core_state().debugmode);
}

TEST_F(Input, ClearingAllSettingsOnlyFromTheTitle) {
    ui::goto_mainmenu();
    boxes.answers = {platform::kMsgResultNo};
    type("plonk");
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].style, 52);
    start_round();
    type("plonk");
    EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(Input, BoardMouse) {
    start_round();
    ui::pbox_main_MouseMove({0, 0, 100.0f, 100.0f});
    EXPECT_EQ(core::core_state().cur_col, 2);
    EXPECT_EQ(core::core_state().cur_row, 2);
    ui::pbox_main_MouseDown({1, 0, 100.0f, 100.0f});
    EXPECT_EQ(form().Shape_cursor->fill_style(), platform::Shape::kFillDiagonalCross);
    ui::pbox_main_MouseUp({1, 0, 100.0f, 100.0f});
    EXPECT_EQ(form().Shape_cursor->fill_style(), platform::Shape::kFillTransparent);
    aim_beside();
    ui::pbox_main_Click();
    EXPECT_EQ(core::core_state().misses, 1);

    // On the title screen the pointer moves nothing.
    core::core_state().game_state = core::StateWord::MainMenu;
    const std::int16_t col = core::core_state().cur_col;
    const std::int16_t row = core::core_state().cur_row;
    ui::pbox_main_MouseMove({0, 0, 400.0f, 300.0f});
    EXPECT_EQ(core::core_state().cur_col, col);
    EXPECT_EQ(core::core_state().cur_row, row);
}

// Real pointer events at window coordinates, routed by the toolkit to whatever lies under the
// pointer: the banner over the board has no handlers, so the board must get them.
TEST_F(Input, ThePointerOverThePopUpReachesTheCellBeneath) {
    start_round();
    core::CoreState& s = core::core_state();
    ASSERT_GT(s.cell_h, 20);
    form().show();
    ui::show_pmsg(core::kPmsgShow, "Opps! Wrong answer!", 6);
    form().Timer_pmsg.fire();
    ASSERT_TRUE(form().Label_pmsg->visible());
    QWindow* window = form().widget()->windowHandle();
    ASSERT_NE(window, nullptr);
    QWidget* board = form().pbox_main->client_widget();
    auto at = [&](int col) { return board->mapTo(form().widget(), QPoint(core::cellx(col) + s.cell_w / 2, 20)); };

    // The last cell of the top row lies under the banner; start from the opposite corner.
    const int col = s.grid_cols;
    ASSERT_TRUE(form().Label_pmsg->widget()->geometry().contains(core::cellx(col) + s.cell_w / 2, 20));
    s.cur_col = 1;
    s.cur_row = s.grid_rows;
    QTest::mouseMove(window, at(col));
    EXPECT_EQ(s.cur_col, col);
    EXPECT_EQ(s.cur_row, 1);
    EXPECT_EQ(form().Shape_cursor->left(), core::cellx(col));

    bool piece_there = false;
    for (int i = 1; i <= s.tgt_count; ++i)
        piece_there = piece_there || (s.tgt_col[static_cast<std::size_t>(i)] == col && s.tgt_row[static_cast<std::size_t>(i)] == 1);
    const std::int32_t score = s.score;
    const std::uint8_t misses = s.misses;
    QTest::mouseClick(window, Qt::LeftButton, {}, at(col));
    EXPECT_EQ(s.score > score, piece_there);
    EXPECT_EQ(s.misses > misses, !piece_there);
    form().hide();
}

TEST_F(Input, OnlyTheBoardsClickableControlsStopThePointer) {
    using Controls = std::vector<const platform::Control*>;
    ui::MainForm& f = form();
    const Controls through = {f.Label_pmsg,   f.Label_ver,   f.Label_story,    f.Label_linear[1],
                              f.Shape_cursor, f.gridline[0], f.Shape_pane[0], f.Shape_menucs};
    const Controls stop = {f.Label_mi[0], f.Label_midiff[2], f.Img_changebg};
    for (const platform::Control* c : through) EXPECT_FALSE(c->takes_mouse_here()) << c->left() << "," << c->top();
    for (const platform::Control* c : stop) EXPECT_TRUE(c->takes_mouse_here()) << c->left() << "," << c->top();
}

TEST_F(Input, FireworksGuideLine) {
    core::core_state().game_state = core::StateWord::PlayFirework;
    ui::pbox_main_MouseDown({1, 0, 100.5f, 100.5f});
    EXPECT_EQ(ui::screen().fw_hmax, 220);  // 219.5 rounds to even
    EXPECT_TRUE(form().gridline[0]->visible());
    EXPECT_EQ(form().gridline[0]->y1(), 100);
    ui::pbox_main_MouseUp({1, 0, 100.0f, 400.0f});
    EXPECT_EQ(ui::screen().fw_hmax, -80);
    EXPECT_FALSE(form().gridline[0]->visible());
}

TEST_F(Input, HudClicks) {
    start_round();
    form().Label_misses->set_caption("?");
    ui::Label_misses_Click();
    EXPECT_EQ(form().Label_misses->caption(), "");
    ui::Label_timer_DblClick();
    EXPECT_EQ(form().Timer_timer.interval(), 20);

    // The debug aids act only in debug mode, and never fail on a zero quota.
    core::core_state().linear_quota = 0;
    ui::Label_score_DblClick();
    EXPECT_EQ(core::core_state().linear_wins, 0);
    core::core_state().debugmode = true;
    ui::Label_score_DblClick();
    EXPECT_EQ(core::core_state().linear_wins, -1);
    const std::int16_t level = core::core_state().level;
    ui::Label_LEVEL_Click();
    EXPECT_EQ(core::core_state().level, level + 1);
    core::core_state().level = 13;
    ui::Label_LEVEL_Click();
    EXPECT_EQ(core::core_state().level, 13);
}

}  // namespace
