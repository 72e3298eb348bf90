// The fireworks show: its set-up, the shells' flight and draws, the panel's controls and the
// golden castle that opens it.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <vector>

#include "core/grid.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/round_fixture.h"
#include "ui/fireworks.h"
#include "ui/input.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/scenes.h"
#include "ui/transition.h"

namespace {

using core::DrawRecord;
using testing_support::RoundTest;

class Fireworks : public RoundTest {
protected:
    // The show as the golden castle opens it.
    void open_show() {
        core::core_state().stories_won = 1;
        ui::goto_mainmenu();
        ui::Img_bgcastle_Click();
        finish_half();
        finish_half();
    }
    ui::ScreenState& sc() { return ui::screen(); }
};

TEST_F(Fireworks, TheGoldenCastleOpensTheShowAndOnlyItDoes) {
    ui::goto_mainmenu();  // no story won: the dark castle
    ui::Img_bgcastle_Click();
    EXPECT_FALSE(form().Timer_pane.enabled());

    // The title castle still lingers under the Story start screen's first frames.
    core::core_state().stories_won = 1;
    ui::goto_mainmenu();
    core::core_state().game_mode = core::GameMode::Story;
    ui::Img_bgcastle_Click();
    EXPECT_FALSE(form().Timer_pane.enabled());

    open_show();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PlayFirework);
    EXPECT_TRUE(form().Timer_fw.enabled());
    EXPECT_FALSE(form().Img_bgcastle->visible());
    EXPECT_EQ(form().Label_fwtotal->caption(), "11");
    EXPECT_EQ(sc().fw_hmax, 280);
    EXPECT_EQ(form().pbox_pal->tool_tip(), "Click and drag to choose your fireworks color ");
}

TEST_F(Fireworks, TheSkyIsSixtyFiveBandsOverTheMaskedSkyline) {
    std::vector<DrawRecord> draws;
    core::set_draw_recorder(&draws);
    platform::ScriptedRandom zero({0.0f});
    ui::setup_fireworks();
    core::set_draw_recorder(nullptr);
    const std::vector<DrawRecord> expected = {{false, 0, 260}, {false, 0, 260}, {false, 0, 200}, {false, 0, 200}};
    EXPECT_EQ(draws, expected);

    const pictures::PictureState& p = pictures::picture_state();
    ASSERT_EQ(p.grad_count, 65);
    EXPECT_EQ(p.grad_colors[1], platform::rgb(0, 0, 255));  // top: all 260 in blue
    EXPECT_EQ(p.grad_colors[44], platform::kWhite);
    const platform::PictureBox& temp = *form().pbox_temp;
    for (int band : {1, 30, 44, 55}) {
        EXPECT_EQ(temp.pixel(7, 4 * (band - 1) + 2), p.grad_colors[static_cast<std::size_t>(band)]) << band;
    }
    // Where the skyline's mask is white the sky (or the light magenta below it) shows through.
    const platform::Canvas& res = ui::form_clip().pbox_res;
    int sprite = 0, through = 0;
    for (int x = 0; x < 420; x += 7) {
        for (int y = 0; y < 100; y += 5) {
            if (res.pixel(x, 100 + y) == platform::kBlack) {
                ASSERT_EQ(temp.pixel(x, 220 + y), res.pixel(x, y)) << x << "," << y;
                ++sprite;
            } else {
                ASSERT_EQ(temp.pixel(x, 220 + y), 220 + y < 260 ? p.grad_colors[static_cast<std::size_t>((220 + y) / 4 + 1)]
                                                                  : platform::qb_colour(13)) << x << "," << y;
                ++through;
            }
        }
    }
    EXPECT_GT(sprite, 0);
    EXPECT_GT(through, 0);
}

TEST_F(Fireworks, ALaunchDrawsInItsOrderAndAPickedColourStaysNearThePick) {
    open_show();
    sc().fw_count = 1;
    sc().fw_progress[1] = 0;
    for (bool picked : {false, true}) {
        sc().fw_randcolour = !picked;
        sc().fw_red = 10;
        sc().fw_green = 200;
        sc().fw_blue = 250;
        sc().fw_progress[1] = 0;
        std::vector<DrawRecord> draws;
        core::set_draw_recorder(&draws);
        platform::ScriptedRandom top({0.0f, 0.0f, 0.0f, 0.0f, 0.99f, 0.99f, 0.99f, 0.0f});
        form().Timer_fw.fire();
        core::set_draw_recorder(nullptr);
        std::vector<DrawRecord> expected = {{false, 20, 380}, {false, 80, 200}, {false, 15, 25}, {false, 9, 4}};
        for (int c : {10, 200, 250}) expected.push_back(picked ? DrawRecord{false, c, 60} : DrawRecord{false, 120, 120});
        expected.push_back({false, 1, 5});
        EXPECT_EQ(draws, expected) << picked;
        // 200 + 59 and 250 + 59 count as 255.
        EXPECT_EQ(form().shape_fwa[1]->border_colour(), picked ? platform::rgb(69, 255, 255) : platform::rgb(239, 239, 239));
    }
}

TEST_F(Fireworks, AShellRisesBurstsAndIsRelaunched) {
    open_show();
    ui::hide_fireworks();
    sc().fw_count = 2;
    sc().fw_progress = {};
    sc().fw_progress[3] = 7;  // beyond the count: never touched
    // x 20, height 80 + 0.25 x 200 = 130, size 15 + 0.2 x 25 = 20, speed 13; colours, width 1.
    platform::ScriptedRandom r({0.0f, 0.25f, 0.2f, 1.0f - 1e-6f, 0.5f, 0.5f, 0.5f, 0.0f});
    form().Timer_fw.fire();
    platform::Line& trail = *form().shape_fwa[1];
    EXPECT_TRUE(trail.visible());
    EXPECT_EQ(trail.x1(), 20);
    EXPECT_EQ(trail.y1(), 320);
    EXPECT_EQ(sc().fw_by[1], 190);
    EXPECT_EQ(sc().fw_progress[1], 13);
    EXPECT_EQ(sc().fw_progress[3], 7);
    EXPECT_FALSE(form().shape_fwa[3]->visible());

    for (int i = 0; i < 9; ++i) form().Timer_fw.fire();
    EXPECT_EQ(trail.y1(), 320 - 117) << "still rising at 130";
    form().Timer_fw.fire();  // 143 after eleven rises of 13
    EXPECT_FALSE(form().Shape_fwb[1]->visible());
    form().Timer_fw.fire();  // bursts at radius 13, then slows to 5
    const platform::Shape& circle = *form().Shape_fwb[1];
    EXPECT_TRUE(circle.visible());
    EXPECT_EQ(circle.width(), 26);
    EXPECT_EQ(circle.left(), 20 - 13);
    EXPECT_EQ(circle.top(), 190 - 13);
    EXPECT_EQ(sc().fw_speed[1], 5);
    EXPECT_EQ(trail.y2(), core::cint(130 + trail.y1() - 13.0 / 20 * 130));
    form().Timer_fw.fire();  // radius 18; progress 153 passes 150 and goes back to idle
    EXPECT_EQ(circle.width(), 36);
    EXPECT_EQ(sc().fw_progress[1], 0);
    form().Timer_fw.fire();
    EXPECT_FALSE(circle.visible()) << "the relaunch hides the old burst";
}

TEST_F(Fireworks, TheCountButtonsStayWithinFiveToEighteen) {
    open_show();
    form().shape_fwa[4]->set_visible(true);
    for (int i = 0; i < 10; ++i) ui::Label_btc_Click(1);
    EXPECT_EQ(sc().fw_count, 18);
    EXPECT_EQ(form().Label_fwtotal->caption(), "18");
    EXPECT_FALSE(form().shape_fwa[4]->visible());
    for (int i = 0; i < 20; ++i) ui::Label_btc_Click(0);
    EXPECT_EQ(sc().fw_count, 5);
    EXPECT_EQ(form().Label_fwtotal->caption(), "5");
}

TEST_F(Fireworks, QuickPressesOnTheCountButtonsEachCount) {
    open_show();
    while (form().Timer_box.enabled()) form().Timer_box.fire();  // the panel all the way up
    form().show();
    QWindow* window = form().widget()->windowHandle();
    ASSERT_NE(window, nullptr);
    auto press_twice = [&](QWidget* button) {
        const QPoint at = button->mapTo(form().widget(), button->rect().center());
        ASSERT_EQ(form().widget()->childAt(at), button);
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);  // two presses in double-click time
    };
    for (int i = 0; i < 3; ++i) press_twice(form().Label_btc[1]->widget());
    EXPECT_EQ(sc().fw_count, 17);
    press_twice(form().Label_btc[0]->widget());
    EXPECT_EQ(sc().fw_count, 15);
    form().hide();
}

TEST_F(Fireworks, ThePaletteGivesItsColourAndWhiteOffIt) {
    open_show();
    platform::PictureBox& pal = *form().pbox_pal;
    const platform::Colour under = pal.pixel(40, 15);
    const platform::Colour beside = pal.pixel(38, 13);
    ui::pbox_pal_MouseMove({platform::kRightButton, 0, 40, 15});
    EXPECT_TRUE(sc().fw_randcolour) << "only the left button picks";

    ui::pbox_pal_MouseMove({platform::kLeftButton, 0, 40, 15});
    EXPECT_FALSE(sc().fw_randcolour);
    EXPECT_EQ(platform::rgb(sc().fw_red, sc().fw_green, sc().fw_blue), under);
    EXPECT_EQ(pal.pixel(38, 13), platform::kBlack) << "the marker";

    ui::pbox_pal_MouseMove({platform::kLeftButton, 0, 300, -20});
    EXPECT_EQ(platform::rgb(sc().fw_red, sc().fw_green, sc().fw_blue), platform::kWhite);
    EXPECT_EQ(pal.pixel(38, 13), beside) << "the old marker is gone";
}

TEST_F(Fireworks, TheHeightGuideBorrowsGridLineZeroAndGivesItBack) {
    open_show();
    const platform::Colour own = form().gridline[0]->border_colour();
    ui::pbox_main_MouseDown({1, 0, 100.0f, 100.5f});
    ui::pbox_main_MouseDown({1, 0, 100.0f, 120.0f});  // a second press before the release
    EXPECT_EQ(sc().fw_hmax, 200);
    EXPECT_EQ(form().gridline[0]->border_colour(), platform::kBlack);
    EXPECT_EQ(form().gridline[0]->y2(), 120);
    ui::pbox_main_MouseUp({1, 0, 100.0f, 60.0f});
    EXPECT_EQ(sc().fw_hmax, 260);
    EXPECT_FALSE(form().gridline[0]->visible());
    EXPECT_EQ(form().gridline[0]->border_colour(), own);

    // The next puzzle's grid shows line 0 like the others.
    std::int16_t cols = 5, rows = 4;
    core::set_grid(cols, rows);
    core::show_grid(1);
    EXPECT_EQ(form().gridline[0]->border_colour(), form().gridline[1]->border_colour());
}

TEST_F(Fireworks, ThePanelTakesPicksWhileItSlidesInAndTheShowKeepsThem) {
    core::core_state().stories_won = 1;
    ui::goto_mainmenu();
    ui::Img_bgcastle_Click();
    finish_half();  // the panel rises while the board opens
    ASSERT_EQ(core::core_state().game_state, core::StateWord::PaneOpen);
    ui::Label_btc_Click(1);
    ui::pbox_pal_MouseMove({platform::kLeftButton, 0, 40, 15});
    finish_half();
    EXPECT_EQ(sc().fw_count, 12);
    EXPECT_FALSE(sc().fw_randcolour);
}

TEST_F(Fireworks, MenuLeavesTheShowOnce) {
    open_show();
    ui::Label_btb_Click(0);  // ">>" is the ending's
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PlayFirework);
    ui::Label_btb_Click(1);
    EXPECT_FALSE(form().Timer_fw.enabled());
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::EndGame);
    form().Timer_pane.fire();
    ui::Label_btb_Click(1);  // a second press while the panel slides out
    EXPECT_EQ(ui::screen().pane_step, 1) << "the closing half was not restarted";
}

}  // namespace
