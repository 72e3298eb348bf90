// The screen transition: strips, covers, state words, copies and the words' actions.
#include <gtest/gtest.h>

#include "core/grid.h"
#include "core/round_links.h"
#include "support/round_fixture.h"
#include "ui/picture_store.h"
#include "ui/transition.h"

namespace {

using testing_support::RoundTest;

class Transition : public RoundTest {};

TEST_F(Transition, AChangeTakesTwelveTicksWithCoversInPairs) {
    core::core_state().game_state = core::StateWord::MainMenu;
    ui::pane_close(core::PaneWord::GenPuzzle);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PaneClose);
    EXPECT_FALSE(form().pbox_main->enabled());

    form().Timer_pane.fire();
    EXPECT_TRUE(form().Shape_pane[0]->visible());
    EXPECT_TRUE(form().Shape_pane[1]->visible());
    EXPECT_FALSE(form().Shape_pane[2]->visible());
    // The board under the covers is white where a strip has closed.
    EXPECT_EQ(form().pbox_main->pixel(83, 319), platform::kWhite);
    for (int i = 2; i <= 5; ++i) form().Timer_pane.fire();
    for (auto* pane : form().Shape_pane) EXPECT_TRUE(pane->visible());
    // The state word of the half holds until its sixth tick.
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PaneClose);

    form().Timer_pane.fire();  // sixth: full cover, the round is prepared, the opening starts
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PaneOpen);
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::StartPuzzle);
    EXPECT_EQ(ui::screen().saved_state, core::StateWord::PlayPuzzle);
    EXPECT_EQ(finish_half(), 6);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PlayPuzzle);
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::None);
    for (auto* pane : form().Shape_pane) EXPECT_FALSE(pane->visible());
    EXPECT_TRUE(form().Timer_timer.enabled());
}

TEST_F(Transition, OpeningWordsWithAPreparedScreenCopyItStripByStrip) {
    form().pbox_temp->draw().box(0, 0, 419, 319, platform::rgb(1, 2, 3), true);
    core::core_state().game_state = core::StateWord::Starting;
    ui::pane_open(core::PaneWord::GameLost2);
    form().Timer_pane.fire();
    EXPECT_EQ(form().pbox_main->pixel(40, 100), platform::rgb(1, 2, 3));
    EXPECT_NE(form().pbox_main->pixel(100, 100), platform::rgb(1, 2, 3));
}

TEST_F(Transition, EndgameTwoRevealsTheTitleWithoutCopying) {
    form().pbox_temp->draw().box(0, 0, 419, 319, platform::rgb(1, 2, 3), true);
    core::core_state().game_state = core::StateWord::PlayPuzzle;
    ui::pane_close(core::PaneWord::EndGame);
    finish_half();
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::EndGame2);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PaneOpen);
    finish_half();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::EndGame2);  // it stays
    const platform::Picture title = ui::form_clip().pclip_main.cell(0);
    EXPECT_EQ(form().pbox_main->pixel(200, 150), platform::from_qrgb(title.pixel(200, 150)));
}

TEST_F(Transition, ANewWordRestartsTheHalfAndTheOldActionNeverRuns) {
    core::core_state().game_state = core::StateWord::PlayPuzzle;
    const std::int16_t rounds = core::core_state().round_no;
    ui::pane_close(core::PaneWord::GenPuzzle);
    form().Timer_pane.fire();
    form().Timer_pane.fire();
    ui::pane_close(core::PaneWord::EndGame);
    EXPECT_EQ(ui::screen().pane_step, 0);
    EXPECT_EQ(ui::screen().saved_state, core::StateWord::PaneClose);
    EXPECT_EQ(finish_half(), 6);
    finish_half();
    EXPECT_EQ(core::core_state().round_no, rounds) << "no round was prepared";
    EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
}

TEST_F(Transition, EndGameStopsTheTimersThatCouldReplaceIt) {
    start_round();
    form().Timer_walk.set_enabled(true);
    form().Timer_dice.set_enabled(true);
    ui::end_game();
    EXPECT_FALSE(form().Timer_timer.enabled());
    EXPECT_FALSE(form().Timer_walk.enabled());
    EXPECT_FALSE(form().Timer_dice.enabled());
    EXPECT_FALSE(form().Label_bt[core::kPauseButton]->visible());
    for (auto* cell : form().pbox_cell) EXPECT_FALSE(cell->visible());
    // Even a tick that slipped through leaves the closing half alone.
    form().Timer_timer.set_enabled(true);
    for (int i = 0; i < 30; ++i) form().Timer_timer.fire();
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::EndGame);
    finish_half();
    finish_half();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
}

TEST_F(Transition, GameOverPreparesItsScreen) {
    start_round();
    core::show_grid(1);
    ui::pane_close(core::PaneWord::GameLost);
    finish_half();
    EXPECT_EQ(ui::screen().saved_state, core::StateWord::GameOver);
    EXPECT_FALSE(form().Shape_cursor->visible());
    EXPECT_TRUE(form().Label_bt[1]->visible());
    EXPECT_TRUE(form().Label_bt[2]->visible());
    EXPECT_FALSE(form().Timer_timer.enabled());
    EXPECT_FALSE(form().gridline[0]->visible());
    EXPECT_TRUE(form().pbox_main->enabled());
    finish_half();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::GameOver);
    EXPECT_FALSE(form().pbox_main->auto_redraw());
    EXPECT_TRUE(form().Timer_gameover.enabled());
    EXPECT_EQ(form().pbox_main->pixel(210, 160),
              platform::from_qrgb(ui::form_clip().pclip_gameover.cell(0).pixel(210, 160)));
}

}  // namespace
