// The title screen, the difficulty choice, the bottom buttons and the pause.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "core/pieces.h"
#include "core/round_links.h"
#include "core/startup.h"
#include "modes/mode_state.h"
#include "support/fake_opener.h"
#include "support/round_fixture.h"
#include "ui/background.h"
#include "ui/form_about.h"
#include "ui/form_inst.h"
#include "ui/label_buttons.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/side_windows.h"
#include "ui/transition.h"

namespace {

using testing_support::RoundTest;

class Menu : public RoundTest {
protected:
    void SetUp() override {
        RoundTest::SetUp();
        ui::goto_mainmenu();
    }
    void expect_title_screen(int where) {
        SCOPED_TRACE(where);
        EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
        EXPECT_EQ(core::core_state().game_mode, core::GameMode::Menu);
        for (platform::Timer* t : {&form().Timer_menu, &form().Timer_dice, &form().Timer_timer, &form().Timer_pawn,
                                   &form().Timer_walk, &form().Timer_gameover}) {
            EXPECT_FALSE(t->enabled());
        }
        for (platform::Label* l : {form().Label_round, form().Label_score, form().Label_timer, form().Label_LEVEL,
                                   form().Label_misses, form().Label_missest, form().Label_scores}) {
            EXPECT_EQ(l->caption(), "-");
        }
        EXPECT_TRUE(form().Label_bt[3]->visible());
        EXPECT_TRUE(form().Label_bt[4]->visible());
        EXPECT_FALSE(form().Label_bt[1]->visible());
        EXPECT_FALSE(form().Label_bt[core::kEndGameButton]->visible());
        EXPECT_TRUE(form().Label_mi[0]->visible());
        EXPECT_FALSE(form().Label_midiff[0]->visible());
        EXPECT_TRUE(form().pbox_main->enabled());
        const bool golden = core::core_state().stories_won > 0;
        EXPECT_EQ(form().Img_bgcastle->mouse_pointer(), golden ? 10 : 0);
    }
};

TEST_F(Menu, EveryWayBackLeavesTheSameTitleScreen) {
    expect_title_screen(1);  // start-up
    ui::start_linear();
    ui::Label_bt_Click(1);  // back to menu
    finish_half();
    finish_half();
    expect_title_screen(2);

    ui::start_linear();
    ui::Label_bt_Click(2);  // play game
    finish_half();
    finish_half();
    ui::Label_bt_Click(core::kEndGameButton);  // in a round
    finish_half();
    finish_half();
    expect_title_screen(3);

    core::core_state().stories_won = 1;
    ui::start_linear();
    ui::leave_menu();
    finish_half();
    finish_half();
    core::core_state().misses = static_cast<std::uint8_t>(core::core_state().miss_limit - 1);
    aim_beside();
    core::check_answer();  // the game is lost
    finish_half();
    finish_half();
    form().Timer_gameover.fire();
    form().pbox_main->on_click();  // a click leaves the game-over scene
    finish_half();
    finish_half();
    expect_title_screen(4);
    EXPECT_EQ(form().Img_bgcastle->picture(), ui::form_clip().pclip_bgcastle.cell(1));
}

TEST_F(Menu, ExactlyOneDifficultyIsYellow) {
    ui::start_linear();
    EXPECT_EQ(form().Label_linear[3]->caption(), "30 seconds");
    EXPECT_EQ(form().Label_linear[4]->caption(), "X X X X X X X ");
    ui::select_linear_diff(2);
    int yellow = 0;
    for (auto* l : form().Label_midiff) yellow += l->fore_colour() == platform::kYellow ? 1 : 0;
    EXPECT_EQ(yellow, 1);
    EXPECT_EQ(form().Label_midiff[2]->fore_colour(), platform::kYellow);
    EXPECT_EQ(form().Shape_menucs->left(), form().Label_midiff[2]->left());
    EXPECT_EQ(form().Shape_menucs->top(), form().Label_midiff[2]->top() - 1);
    EXPECT_EQ(form().Label_linear[3]->caption(), "20 seconds");
    EXPECT_EQ(form().Label_linear[4]->caption(), "X X X X X ");
    EXPECT_EQ(modes::mode_state().linear_diff, 2);
}

TEST_F(Menu, PlayGameStartsTheChosenLinearGame) {
    ui::start_linear();
    ui::select_linear_diff(4);
    ui::Label_bt_Click(2);
    EXPECT_FALSE(form().Label_ver->visible());
    EXPECT_TRUE(form().Label_bt[core::kEndGameButton]->visible());
    finish_half();
    finish_half();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PlayPuzzle);
    EXPECT_EQ(core::core_state().miss_limit, 3);
    EXPECT_EQ(core::core_state().round_time_left, 10);
    EXPECT_EQ(core::core_state().level, 1);
}

TEST_F(Menu, EveryBottomButtonStopsTheSceneTimersFirst) {
    for (int i = 0; i <= 5; ++i) {
        form().Timer_gameover.set_enabled(true);
        form().Timer_gamewon.set_enabled(true);
        boxes.answers = {platform::kMsgResultNo};
        platform::set_open_document_handler([](const std::string&) { return 42; });
        ui::Label_bt_Click(i);
        EXPECT_FALSE(form().Timer_gameover.enabled()) << i;
        EXPECT_FALSE(form().Timer_gamewon.enabled()) << i;
    }
    platform::set_open_document_handler({});
}

TEST_F(Menu, ExitGameAsksAndSavesOnYes) {
    boxes.answers = {platform::kMsgResultNo};
    ui::Label_bt_Click(4);
    EXPECT_EQ(program_ends, 0);
    boxes.answers = {platform::kMsgResultYes};
    EXPECT_THROW(ui::Label_bt_Click(4), platform::ProgramEnded);
    EXPECT_EQ(program_ends, 1);
}

TEST_F(Menu, AFailingWebsiteSaysSo) {
    std::string opened;
    platform::set_open_document_handler([&](const std::string& t) {
        opened = t;
        return 2;
    });
    ui::Label_bt_Click(3);
    platform::set_open_document_handler({});
    EXPECT_EQ(opened, ui::kWebsite);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Sorry! link failed to be loaded");
    EXPECT_EQ(boxes.calls[0].style, 64);
}

// The desktop's opener can fail seconds after the click. By then the player may be in a round,
// whose clock would run on behind the box, or may have closed the window they clicked in.
TEST_F(Menu, ALateOpenerFailureIsToldOnlyWhereThePlayerStillIs) {
    const testing_support::FakeOpener opener;
    ASSERT_TRUE(opener.runs("#!/bin/sh\nsleep 0.3\nexit 3\n"));
    auto verdict_told = [] {  // the opener's process goes once its verdict is told
        for (int i = 0; i < 2000 && !QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(); ++i)
            QTest::qWait(10);
    };
    form().show();
    for (platform::Label* click : {form().Label_bt[3], form().Label_mi[0], form().Label_bt[2]})  // website, Linear, play
        QTest::mouseClick(click->widget(), Qt::LeftButton);
    finish_half();
    finish_half();
    verdict_told();
    ASSERT_EQ(core::core_state().game_state, core::StateWord::PlayPuzzle);
    EXPECT_TRUE(boxes.calls.empty()) << "a box over the round";
    EXPECT_TRUE(form().Timer_timer.enabled());

    // About's link and help's "view readme", each window closed before the verdict.
    platform::Form::set_modal_runner([](platform::Form& f) {
        QTest::mouseClick(dynamic_cast<ui::FormAbout&>(f).Label10->widget(), Qt::LeftButton);
        f.close();
    });
    ui::show_form_about();
    verdict_told();
    EXPECT_TRUE(boxes.calls.empty()) << "a box about a closed About window";
    platform::Form::set_modal_runner([](platform::Form& f) {
        QTest::mouseClick(dynamic_cast<ui::FormInst&>(f).bt[1].label->widget(), Qt::LeftButton);
        f.close();
    });
    ui::show_form_inst();
    verdict_told();
    EXPECT_TRUE(boxes.calls.empty()) << "a box about a closed help window";
    form().hide();
}

// The close question and the tally word's info come up over a running round by real events,
// the close question also during the transition into a round, which then starts behind it. No
// round may run out behind the box, and once it is answered the round runs on.
TEST_F(Menu, ABoxOverARunningRoundHoldsItsClock) {
    struct RealTicks {
        RealTicks() { platform::Timer::set_manual_mode(false); }
        ~RealTicks() { platform::Timer::set_manual_mode(true); }
    } real_ticks;
    core::core_state().game_mode = core::GameMode::Linear;  // the tally word is Linear's
    form().show();
    for (const int c : {0, 1, 2}) {  // closing in a round, the tally word, closing into a round
        SCOPED_TRACE(c);
        if (c == 2) {
            modes::genpuzzle_pane();
            finish_half();
        } else {
            start_round();
        }
        boxes.calls.clear();
        std::int16_t left_while_up = -1;
        boxes.while_up = [&] {
            if (boxes.calls.size() != 1) return;  // a box stacked over the first
            if (c == 2) finish_half();
            form().Timer_timer.set_interval(20);
            core::core_state().round_time_left = 1;  // two ticks from running out
            QTest::qWait(300);
            left_while_up = core::core_state().round_time_left;
        };
        boxes.answers = {platform::kMsgResultNo, platform::kMsgResultNo};  // the second for a stacked box
        if (c == 1) QTest::keyClicks(form().widget(), "cadgetally"); else form().widget()->close();
        boxes.while_up = nullptr;
        boxes.answers.clear();
        ASSERT_EQ(boxes.calls.size(), 1u) << "a box stacked over the first, or none came";
        EXPECT_EQ(left_while_up, 1);
        core::core_state().round_time_left = 100;
        EXPECT_TRUE(QTest::qWaitFor([] { return core::core_state().round_time_left < 100; }, 2000));
    }
    form().hide();
}

TEST_F(Menu, PauseHatchesTheBoardAndHoldsTheClock) {
    start_round();
    form().Shape_cursor->move(84, 80);
    core::core_state().round_time_left = 5;
    std::int16_t left_during_box = -1;
    platform::set_msgbox_handler([&](const platform::MsgBoxCall& call) {
        EXPECT_EQ(call.text, "GAME PAUSED. CLICK ON OK TO RESUME");
        EXPECT_EQ(form().Shape_cursor->fill_style(), platform::Shape::kFillDiagonalCross);
        EXPECT_EQ(form().Shape_cursor->width(), 420);
        form().Timer_timer.fire();
        left_during_box = core::core_state().round_time_left;
        return 1;
    });
    ui::Label_bt_Click(core::kPauseButton);
    EXPECT_EQ(left_during_box, 5);
    form().Timer_timer.fire();
    EXPECT_EQ(core::core_state().round_time_left, 4);
    EXPECT_EQ(form().Shape_cursor->fill_style(), platform::Shape::kFillTransparent);
    EXPECT_EQ(form().Shape_cursor->left(), 84);
    EXPECT_EQ(form().Shape_cursor->width(), 84);
}

TEST_F(Menu, LabelButtonLooks) {
    ui::Label_bt_MouseDown(3);
    EXPECT_EQ(form().Shape_bt[3]->fill_colour(), platform::rgb(255, 187, 71));
    ui::Label_bt_MouseUp(3);
    EXPECT_EQ(form().Shape_bt[3]->fill_colour(), platform::rgb(255, 255, 132));
    ui::Label_btc_MouseDown(1);
    EXPECT_EQ(form().Shape_btc[1]->fill_colour(), platform::rgb(191, 191, 255));
    ui::Label_btype_MouseDown(0);
    EXPECT_EQ(form().Label_btype[0]->fore_colour(), platform::kWhite);
    ui::Label_btype_MouseUp(0);
    EXPECT_EQ(form().Label_btype[0]->fore_colour(), platform::rgb(191, 191, 255));

    platform::MouseArgs right{platform::kRightButton, 0, 1, 1};
    ui::Label_mi_MouseDown(1, right);
    EXPECT_FALSE(form().Shape_menucs->visible());
    platform::MouseArgs left{platform::kLeftButton, 0, 1, 1};
    ui::Label_mi_MouseDown(1, left);
    EXPECT_TRUE(form().Shape_menucs->visible());
    EXPECT_EQ(form().Label_mi[1]->fore_colour(), platform::kYellow);
    EXPECT_EQ(form().Shape_menucs->left(), form().Label_mi[1]->left() - 8);
    ui::Label_mi_MouseUp(1);
    EXPECT_FALSE(form().Shape_menucs->visible());
    EXPECT_EQ(form().Label_mi[1]->fore_colour(), platform::kWhite);
}

class Backgrounds : public RoundTest {};

TEST_F(Backgrounds, SchemesTileTheWindow) {
    std::int16_t bg = 3;
    ui::draw_bg(bg);
    EXPECT_EQ(core::core_state().bg_index, 3);
    const platform::Picture row = ui::form_clip().pclip_bg.cell(3);
    EXPECT_EQ(form().pixel(10, 45), platform::from_qrgb(row.pixel(10, 5)));
    EXPECT_EQ(form().pixel(300, 45), platform::from_qrgb(row.pixel(200, 5)));
    EXPECT_EQ(form().pixel(520, 405), platform::from_qrgb(row.pixel(220, 5)));
    EXPECT_EQ(form().Label_score->fore_colour(), platform::kWhite);
}

// The twins take the window's pixel at (1, 15) less 44 a channel, never below 0: row 3's
// tile is given a known colour there.
TEST_F(Backgrounds, ShadowsAreThePixelAtOneFifteenLess44) {
    platform::PictureClip& rows = ui::form_clip().pclip_bg;
    struct Restore {
        platform::PictureClip& rows;
        const platform::PictureClip kept;
        ~Restore() { rows = kept; }
    } restore{rows, rows};
    const struct {
        platform::Colour pixel, shadow;
    } cases[] = {
        {platform::rgb(100, 44, 43), platform::rgb(56, 0, 0)},
        {platform::rgb(255, 45, 0), platform::rgb(211, 1, 0)},
    };
    for (const auto& c : cases) {
        platform::Picture pic = restore.kept.picture();
        pic.setPixel(1, 3 * 20 + 15, platform::to_qrgb(c.pixel));
        rows.set_picture(pic, 10, 1);
        std::int16_t bg = 3;
        ui::draw_bg(bg);
        for (const platform::Label* twin : {form().label_rounds, form().Label_LEVELS, form().Label_timers,
                                            form().Label_missest, form().Label_scores})
            EXPECT_EQ(twin->fore_colour(), c.shadow);
    }
}

TEST_F(Backgrounds, ARandomSchemeIsWrittenBackAndADamagedOneFallsBackToZero) {
    std::int16_t bg = -1;
    ui::draw_bg(bg);
    EXPECT_GE(bg, 0);
    EXPECT_LE(bg, 9);
    EXPECT_EQ(core::core_state().bg_index, bg);
    std::int16_t damaged = 42;
    ui::draw_bg(damaged);
    EXPECT_EQ(damaged, 0);
    EXPECT_EQ(core::core_state().bg_index, 0);
}

}  // namespace
