// A round from preparation to its end: wins, time-outs, the round limit, glow and quotes.
#include <gtest/gtest.h>

#include <utility>

#include "core/hud.h"
#include "core/pieces.h"
#include "core/round_links.h"
#include "pictures/colour_ramps.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/round_fixture.h"
#include "ui/scenes.h"

namespace {

using testing_support::RoundTest;

class RoundFlow : public RoundTest {};

TEST_F(RoundFlow, ARoundStartsWithGridPiecesAndClock) {
    start_round();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.game_state, core::StateWord::PlayPuzzle);
    EXPECT_EQ(s.round_no, 1);
    EXPECT_EQ(s.grid_cols, 5);
    EXPECT_EQ(s.grid_rows, 4);
    EXPECT_EQ(s.round_time_left, 20);
    EXPECT_EQ(form().Label_round->caption(), "1");
    EXPECT_TRUE(form().Label_bt[core::kPauseButton]->visible());
    EXPECT_TRUE(form().Shape_cursor->visible());
    EXPECT_TRUE(form().gridline[0]->visible());
    EXPECT_TRUE(form().pbox_main->enabled());
}

TEST_F(RoundFlow, WinningAddsTheSecondsLeftAndGoesOn) {
    start_round();
    core::core_state().round_time_left = 7;
    for (int i = 1; i <= core::core_state().tgt_count; ++i) {
        aim_at(i);
        core::check_answer();
    }
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.score, 5 * s.tgt_count + 7);
    EXPECT_EQ(s.last_round_result, core::RoundResult::Won);
    EXPECT_EQ(s.linear_wins, 1);
    EXPECT_FALSE(form().Timer_timer.enabled());
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::GenPuzzle);
    EXPECT_EQ(form().Label_msg[1]->caption(), "Congratulations! You won the previous round");
}

TEST_F(RoundFlow, ALinearTimeOutCostsThePenalty) {
    start_round();
    core::core_state().score = 5;
    std::int32_t score_under_box = 0;
    boxes.while_up = [&] { score_under_box = core::core_state().score; };
    core::round_time_up();
    EXPECT_EQ(score_under_box, 5) << "the penalty comes once the box is closed";
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "YOU LOST THIS ROUND!\r20 points deducted from your score.");
    EXPECT_EQ(boxes.calls[0].style, 64);
    EXPECT_EQ(boxes.calls[0].title, "Time's up!");
    EXPECT_EQ(core::core_state().score, -15);
    EXPECT_EQ(form().Label_score->caption(), "-15");
    EXPECT_EQ(core::core_state().last_round_result, core::RoundResult::LostOnTime);
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::GenPuzzle);
}

TEST_F(RoundFlow, TheRoundLimitEndsTheGameAfterAWin) {
    start_round();
    core::core_state().round_no = 32000;
    for (int i = 1; i <= core::core_state().tgt_count; ++i) {
        aim_at(i);
        core::check_answer();
    }
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text,
              "Wow! You must be dead tired by now. Hope you won't mind\r"
              "I take you back to the main menu. It's for your own good!");
    EXPECT_EQ(boxes.calls[0].style, 0);
    EXPECT_EQ(boxes.calls[0].title, "Quorvel Infinite");
    EXPECT_EQ(core::core_state().game_mode, core::GameMode::Menu);
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::EndGame);
    EXPECT_EQ(core::core_state().linear_wins, 0) << "the mode's next step does not happen";
}

TEST_F(RoundFlow, TheRoundLimitReplacesTheNextRoundAfterATimeOut) {
    start_round();
    core::core_state().round_no = 32000;
    core::round_time_up();
    EXPECT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::EndGame);
    finish_half();
    finish_half();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
}

TEST_F(RoundFlow, GlowColoursComeFromTheRamp) {
    platform::ScriptedRandom script({0.0f, 0.5f, 0.99999994f});  // 90, 165, 240
    pictures::make_round_colours();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.glow_colour[0], platform::kBlack);
    EXPECT_EQ(s.glow_colour[1], platform::kBlack);
    EXPECT_EQ(s.glow_colour[2], platform::rgb(6, 11, 16));
    // Step 9 of 15 towards (90, 165, 240); blue steps by its rounded 16.
    EXPECT_EQ(s.glow_colour[10], platform::rgb(54, 99, 144));
}

TEST_F(RoundFlow, QuotesAreDrawnFromTheFirstToTheLast) {
    core::core_state().quote_count = 4;
    for (int i = 1; i <= 4; ++i) core::core_state().quote[static_cast<std::size_t>(i)] = std::to_string(i);
    // One draw over 1 + 3 x r: both ends are reachable.
    for (const auto& [r, want] : {std::pair{0.0f, "1"}, {0.5f, "3"}, {0.99999994f, "4"}}) {
        platform::ScriptedRandom script({r});
        EXPECT_EQ(core::random_quote(), want) << r;
        EXPECT_EQ(script.taken(), 1u);
    }
    core::core_state().quote_count = 1;
    EXPECT_EQ(core::random_quote(), "1");
}

TEST_F(RoundFlow, QuotaDebugTextRoundsHalvesToEvenAndSurvivesAZeroQuota) {
    core::CoreState& s = core::core_state();
    s.linear_wins = 12;
    s.linear_quota = 30;
    modes::show_quota_debug();
    EXPECT_EQ(s.tmp, "Wins/quota -> 12/30 (40%)");
    EXPECT_EQ(form().Label_debug1->caption(), s.tmp);
    EXPECT_EQ(form().Label_round->tool_tip(), s.tmp);
    s.linear_wins = 1;
    s.linear_quota = 8;
    modes::show_quota_debug();
    EXPECT_EQ(s.tmp, "Wins/quota -> 1/8 (12%)");
    s.linear_wins = 3;
    modes::show_quota_debug();
    EXPECT_EQ(s.tmp, "Wins/quota -> 3/8 (38%)");
    s.linear_wins = 2000000000;
    s.linear_quota = 1;
    modes::show_quota_debug();
    EXPECT_EQ(s.tmp, "Wins/quota -> 2000000000/1 (200000000000%)");
    s.linear_quota = 0;
    s.level_up_chance = 7;
    modes::show_quota_debug();
    EXPECT_EQ(s.tmp, "Wins/quota -> 2000000000/0 (-%)");
    EXPECT_EQ(form().Label_debug2->caption(), " 7");
}

TEST_F(RoundFlow, ClearingTheScoreStateLeavesTheLabels) {
    core::add_score(50);
    core::core_state().round_no = 9;
    core::clear_score_state();
    EXPECT_EQ(core::core_state().score, 0);
    EXPECT_EQ(core::core_state().round_no, 0);
    EXPECT_EQ(core::core_state().time_limit, 0);
    EXPECT_EQ(form().Label_score->caption(), "50");
}

// The whole way through the real handlers: rounds won, lost on time, and the game lost.
TEST_F(RoundFlow, AGameDrivenByItsTimersFromStartToGameOver) {
    start_round();
    for (int i = 1; i <= core::core_state().tgt_count; ++i) {
        aim_at(i);
        core::check_answer();
    }
    // The found piece slides out of sight while the next round is prepared.
    for (int i = 0; i < 20 && form().Timer_ansclose.enabled(); ++i) form().Timer_ansclose.fire();
    EXPECT_FALSE(form().Timer_ansclose.enabled());
    EXPECT_GT(form().pbox_cell[1]->top(), 425);
    finish_half();
    finish_half();
    EXPECT_EQ(core::core_state().round_no, 2);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PlayPuzzle);

    // Lost on time.
    for (int i = 0; i < 21; ++i) form().Timer_timer.fire();
    EXPECT_EQ(boxes.calls.size(), 1u);
    finish_half();
    finish_half();
    EXPECT_EQ(core::core_state().round_no, 3);

    // Three misses lose the game.
    for (int m = 0; m < 3; ++m) {
        aim_beside();
        core::check_answer();
    }
    EXPECT_EQ(core::core_state().game_state, core::StateWord::PaneClose);
    // The clock is off: no time-up can replace the game over.
    for (int i = 0; i < 40; ++i) form().Timer_timer.fire();
    EXPECT_EQ(boxes.calls.size(), 1u);
    finish_half();
    finish_half();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::GameOver);
    EXPECT_TRUE(form().Timer_gameover.enabled());
}

}  // namespace
