// The main window's start-up, layout and the way out.
#include <gtest/gtest.h>

#include <QRect>

#include "core/hall_of_fame.h"
#include "core/hud.h"
#include "core/round_links.h"
#include "core/settings.h"
#include "core/utility.h"
#include "platform/random.h"
#include "support/game_fixture.h"
#include "ui/picture_store.h"

namespace {

using testing_support::GameTest;

class MainWindow : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        form().Form_Load();
    }
};

TEST_F(MainWindow, StartUpLeavesTheTitleScreenQuiet) {
    EXPECT_EQ(form().caption(), "Quorvel Infinite");
    for (platform::Timer* t : form().timers()) EXPECT_FALSE(t->enabled());
    EXPECT_FALSE(form().Label_debug1->visible());
    EXPECT_FALSE(form().Label_debug2->visible());
    EXPECT_FALSE(form().Combo1->visible());
    EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
    EXPECT_EQ(core::core_state().game_mode, core::GameMode::Menu);
    EXPECT_FALSE(core::core_state().debugmode);
    // The map is revealed before the dice's first tick: it must already show a face.
    EXPECT_EQ(form().pbox_dice->picture(), ui::form_clip().pclip_dice.cell(0));
}

TEST_F(MainWindow, DiceChooserListsZeroToElevenWithTheirBlank) {
    ASSERT_EQ(form().Combo1->list_count(), 12);
    EXPECT_EQ(form().Combo1->item(0), " 0");
    EXPECT_EQ(form().Combo1->item(11), " 11");
    EXPECT_EQ(form().Combo1->list_index(), 0);
}

TEST_F(MainWindow, TheBoardDrawsTheWholePicture) {
    EXPECT_EQ(form().pbox_main->left(), 145);
    EXPECT_EQ(form().pbox_main->top(), 5);
    EXPECT_EQ(form().pbox_main->scale_width(), 420);
    EXPECT_EQ(form().pbox_main->scale_height(), 320);
    EXPECT_EQ(form().client_width(), 569);
    EXPECT_EQ(form().client_height(), 421);
    // The work picture and the spare boxes wait out of sight.
    EXPECT_GE(form().pbox_temp->left(), 580);
    EXPECT_GE(form().Command2->left(), 580);
    EXPECT_GE(form().Shape_box->top(), 426);
}

TEST_F(MainWindow, EachShadowTwinLiesThreePixelsBelowItsValue) {
    const std::pair<platform::Label*, platform::Label*> twins[] = {
        {form().Label_LEVEL, form().Label_LEVELS}, {form().Label_round, form().label_rounds},
        {form().Label_timer, form().Label_timers}, {form().Label_score, form().Label_scores}};
    for (const auto& [value, twin] : twins) {
        EXPECT_EQ(twin->left(), value->left());
        EXPECT_EQ(twin->top(), value->top() + 3);
        EXPECT_EQ(twin->width(), value->width());
        EXPECT_EQ(twin->height(), value->height());
        EXPECT_EQ(twin->font().size, value->font().size);
    }
    EXPECT_EQ(form().Label_missest->left(), form().Label_misses->left());
    EXPECT_EQ(form().Label_missest->top(), form().Label_misses->top() + 3);
    EXPECT_EQ(form().Label_missest->width(), 126);
}

TEST_F(MainWindow, LayoutPlacesPanelsRowsAndCovers) {
    EXPECT_EQ(form().Label_msgbox->left(), 248);
    EXPECT_EQ(form().Label_msgbox->width(), 320);
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(form().Label_msg[i]->left(), 254);
        EXPECT_EQ(form().Label_msg[i]->top(), 339 + 18 * i);
        EXPECT_EQ(form().Label_msg[i]->width(), 310);
    }
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(form().Shape_pane[i]->left(), 42 * i);
        EXPECT_EQ(form().Shape_pane[i]->top(), -1);
        EXPECT_EQ(form().Shape_pane[i]->width(), 43);
        EXPECT_EQ(form().Shape_pane[i]->height(), 322);
    }
    EXPECT_EQ(form().Pbox_hint->left(), 145 + 166);
    EXPECT_EQ(form().Pbox_hint->top(), 5 + 136);
    EXPECT_EQ(form().Label_midiff[4]->left(), 300);
    EXPECT_EQ(form().Label_midiff[0]->caption(), "Kiddy");
    EXPECT_EQ(form().Label_bt[4]->left(), 380);
    EXPECT_EQ(form().Shape_bt[3]->top(), 360);
    EXPECT_NE(form().Label_story->caption().find("GOOD LUCK!"), std::string::npos);
    // Two bare CRs between the paragraphs.
    EXPECT_NE(form().Label_story->caption().find("PUZZLELAND!\r\rEnter"), std::string::npos);
}

TEST_F(MainWindow, SecretIconFramesAreDrawnInTheStrip) {
    const platform::PictureBox& strip = *form().pbox_icosecret;
    EXPECT_EQ(strip.pixel(26 * 3, 26), platform::kBlack);
    EXPECT_EQ(strip.pixel(26 * 3 + 25, 26 + 25), platform::kBlack);
    EXPECT_EQ(strip.pixel(26 * 10, 52), platform::kBlack);
    EXPECT_NE(strip.pixel(26 * 3 + 12, 26 + 12), platform::kBlack);
}

// The direction buttons form a cross around the middle one, each on the side it points to,
// clear of the board and of the "end game" button.
TEST_F(MainWindow, DirectionButtonsSitOnTheSideTheyPointTo) {
    const auto& b = form().bt_arrow;
    const auto rect = [](const auto* c) { return QRect(c->left(), c->top(), c->width(), c->height()); };
    const QPoint middle = rect(b[0]).topLeft();
    const QPoint side[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};  // left, right, up, down
    for (int i = 1; i <= 4; ++i) {
        const QPoint d = rect(b[i]).topLeft() - middle;
        EXPECT_EQ(QPoint((d.x() > 0) - (d.x() < 0), (d.y() > 0) - (d.y() < 0)), side[i - 1]) << i;
        EXPECT_LT(rect(b[i]).right(), form().pbox_main->left() - 5) << i;
        EXPECT_FALSE(rect(b[i]).intersects(rect(form().Shape_bt[core::kEndGameButton]))) << i;
    }
}

TEST_F(MainWindow, ExitQuestionYesSavesAndEnds) {
    boxes.answers = {platform::kMsgResultYes};
    std::int16_t cancel = 5;
    EXPECT_THROW(form().Form_Unload(cancel), platform::ProgramEnded);
    EXPECT_EQ(cancel, 0);
    EXPECT_EQ(program_ends, 1);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Are you sure you want to exit Quorvel?");
    EXPECT_EQ(boxes.calls[0].style, 36);
    EXPECT_EQ(boxes.calls[0].title, "Exit Game");
}

TEST_F(MainWindow, ExitQuestionNoKeepsEverything) {
    boxes.answers = {platform::kMsgResultNo};
    form().Timer_pane.set_enabled(true);
    std::int16_t cancel = 0;
    form().Form_Unload(cancel);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(program_ends, 0);
    EXPECT_TRUE(form().Timer_pane.enabled());
    EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
}

TEST_F(MainWindow, DebugModeLeavesWithoutAsking) {
    core::core_state().debugmode = true;
    form().update_debugmode();
    EXPECT_TRUE(form().Combo1->visible());
    EXPECT_TRUE(form().Label_debug1->visible());
    std::int16_t cancel = 0;
    EXPECT_THROW(form().Form_Unload(cancel), platform::ProgramEnded);
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(program_ends, 1);
}

// A window that replaces another keeps the engine's screens when the old one goes; once the
// last window goes, what the engine calls reaches nothing of it (the sanitizer build reads any
// touch of a window that is gone).
TEST_F(MainWindow, TheEngineReachesOnlyAWindowThatIsThere) {
    ui::MainForm& replacing = ui::create_mainform();
    core::add_score(1234);
    EXPECT_EQ(replacing.Label_score->caption(), "1,234") << "the old window took back the new one's screens";
    ui::destroy_mainform();
    core::add_score(100000);
    core::core_state().hof_table[0] = {"Nobody", 0, ""};
    core::check_highscore();
    EXPECT_EQ(core::core_state().hof_table[1].name, "Player A") << "an entry without a window to ask";
}

TEST_F(MainWindow, CloseRequestGoesThroughTheQuestion) {
    boxes.answers = {platform::kMsgResultNo};
    EXPECT_FALSE(form().deliver_close_request());
    EXPECT_EQ(boxes.calls.size(), 1u);
}

}  // namespace

namespace {

TEST_F(MainWindow, CopyIntoTheWorkPictureSizesItWithItsBorder) {
    platform::PictureBox& board = *form().pbox_main;
    board.set_auto_redraw(true);
    board.draw().box(10, 20, 12, 22, platform::rgb(1, 2, 3), true);
    core::blit_to_mainform_picture(board, 0, 0, 420, 320);
    EXPECT_EQ(form().pbox_temp->width(), 424);
    EXPECT_EQ(form().pbox_temp->height(), 324);
    EXPECT_EQ(form().pbox_temp->pixel(11, 21), platform::rgb(1, 2, 3));

    core::blit_to_mainform_picture(board, 10, 20, 3, 3);
    EXPECT_EQ(form().pbox_temp->width(), 7);
    EXPECT_EQ(form().pbox_temp->pixel(0, 0), platform::rgb(1, 2, 3));
}

}  // namespace
