// Linear mode: the first round, quotas and bonus rounds, level-ups, level 13, round overrides.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/pieces.h"
#include "core/startup.h"
#include "core/utility.h"
#include "modes/linear.h"
#include "modes/mode_state.h"
#include "pictures/layer_calls.h"
#include "pictures/shapes.h"
#include "platform/random.h"
#include "support/round_fixture.h"
#include "ui/menu.h"

namespace {

using core::DrawRecord;
using testing_support::RoundTest;

class Linear : public RoundTest {
protected:
    void SetUp() override {
        RoundTest::SetUp();
        modes::mode_state().linear_diff = 0;  // Kiddy: quota base 25, bonus chance 25
        modes::init_linear();
    }
    // The set-up alone, as at full cover, with its draws recorded.
    std::vector<DrawRecord> set_up() {
        std::vector<DrawRecord> draws;
        core::set_draw_recorder(&draws);
        modes::linear_round();
        core::set_draw_recorder(nullptr);
        return draws;
    }
};

TEST_F(Linear, TheFirstRoundIsLevelOneWithOnePieceOfKindOne) {
    core::core_state().round_kind = core::linear_round::kBonus;  // left by an earlier game
    core::core_state().round_no = 1;
    const auto draws = set_up();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.round_kind, core::linear_round::kNormal);
    EXPECT_EQ(s.round_cols, 5);
    EXPECT_EQ(s.round_rows, 4);
    EXPECT_EQ(s.tgt_count, 1);
    EXPECT_EQ(s.linear_quota, 30);
    EXPECT_EQ(s.level_up_chance, 25);
    // The glow colours, then kind 1's own first draws.
    ASSERT_GE(draws.size(), 5u);
    EXPECT_EQ(draws[0], (DrawRecord{false, 90, 150}));
    EXPECT_EQ(draws[3], (DrawRecord{false, 1, 2}));
    EXPECT_EQ(draws[4], (DrawRecord{false, 30, 20}));
}

TEST_F(Linear, NoBonusDrawUntilTheQuotaIsPassed) {
    core::CoreState& s = core::core_state();
    s.round_no = 1;
    s.linear_wins = 30;  // equal to the quota
    const auto draws = set_up();
    ASSERT_GE(draws.size(), 4u);
    EXPECT_NE(draws[3], (DrawRecord{false, 0, 100})) << "the kind's first draw follows the glow colours";
    s.linear_wins = 31;
    {
        // Glow colours, then j: 25 / 100 gives exactly the chance.
        platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.25f, 0.0f});
        set_up();
        EXPECT_EQ(s.round_kind, core::linear_round::kBonus);
    }
    {
        platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.26f, 0.0f});
        set_up();
        EXPECT_EQ(s.round_kind, core::linear_round::kNormal);
    }
}

TEST_F(Linear, AWonBonusRoundLevelsUp) {
    core::CoreState& s = core::core_state();
    s.round_no = 40;
    s.level = 2;
    s.linear_wins = 40;
    s.level_rounds = 40;
    s.time_limit = 30;
    s.misses = 4;
    s.miss_limit = 7;
    s.round_kind = core::linear_round::kBonus;
    s.last_round_result = core::RoundResult::Won;
    const auto draws = set_up();
    ASSERT_GE(draws.size(), 4u);
    EXPECT_NE(draws[3], (DrawRecord{false, 0, 100})) << "no bonus decision right after a reward";
    EXPECT_EQ(s.level, 3);
    EXPECT_EQ(s.round_kind, core::linear_round::kNormal);
    EXPECT_EQ(s.time_limit, 35);
    EXPECT_EQ(s.round_time_left, -1);
    EXPECT_EQ(form().Label_timer->caption(), "-");
    EXPECT_EQ(s.linear_wins, 0);
    EXPECT_EQ(s.level_rounds, 0);
    EXPECT_EQ(s.misses, 0);
    EXPECT_EQ(s.miss_limit, 8) << "level 3 allows one more miss";
    EXPECT_EQ(form().Label_LEVEL->caption(), "3");
    EXPECT_EQ(form().Label_pmsg->caption(), "LEVEL UP!!!");
    // The new level's grid and pieces.
    EXPECT_EQ(s.round_cols, 6);
    EXPECT_EQ(s.round_rows, 4);
    EXPECT_EQ(s.tgt_count, 2);
}

TEST_F(Linear, ABonusRoundShowsItsBannerAndPaintsTheDotPicture) {
    core::CoreState& s = core::core_state();
    s.round_no = 2;
    s.linear_wins = 31;  // past the quota of 30
    std::vector<pictures::LayerCall> calls;
    {
        platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.0f});  // glow colours, then j = 0
        pictures::set_layer_call_log(&calls);
        set_up();
        pictures::set_layer_call_log(nullptr);
    }
    EXPECT_EQ(s.round_kind, core::linear_round::kBonus);
    EXPECT_EQ(calls, (std::vector<pictures::LayerCall>{{"gen_dot_picture", {-1, 0, 0, 80}}}))
        << "the dot picture instead of the level's kind";
    EXPECT_EQ(form().Label_pmsg->caption(), "Bonus Round!");
    EXPECT_TRUE(form().Timer_pmsg.enabled());
    EXPECT_EQ(s.level, 1);
}

TEST_F(Linear, ABonusRoundLostOnTimeBelowLevelThirteenGivesNoReward) {
    pictures::load_shapes();
    core::CoreState& s = core::core_state();
    s.level = 2;
    s.round_no = 10;
    s.linear_wins = 36;  // past the quota of 5 x 2 + 25
    s.misses = 1;
    s.time_limit = 25;
    {
        platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.0f});
        start_round();
    }
    ASSERT_EQ(s.round_kind, core::linear_round::kBonus);
    ASSERT_EQ(s.game_state, core::StateWord::PlayPuzzle);
    for (int i = 0; i < 100 && s.game_state == core::StateWord::PlayPuzzle; ++i) form().Timer_timer.fire();
    ASSERT_EQ(s.last_round_result, core::RoundResult::LostOnTime) << "lost on time";
    finish_half();
    finish_half();
    EXPECT_EQ(s.round_no, 12);
    EXPECT_EQ(s.level, 2);
    EXPECT_EQ(s.misses, 1);
    EXPECT_EQ(s.time_limit, 25);
}

TEST_F(Linear, PlayGameFromTheGameOverScreenStartsAFreshGame) {
    pictures::load_shapes();
    ui::goto_mainmenu();
    ui::start_linear();
    ui::select_linear_diff(1);
    ui::leave_menu();
    finish_half();
    finish_half();
    core::CoreState& s = core::core_state();
    ASSERT_EQ(s.game_state, core::StateWord::PlayPuzzle);
    const core::CoreState fresh = s;
    // A game well under way, then lost on misses.
    s.level = 4;
    s.level_rounds = 9;
    s.linear_wins = 7;
    s.round_no = 40;
    s.score = 700;
    s.time_limit = static_cast<std::int16_t>(fresh.time_limit + 15);
    while (s.game_state == core::StateWord::PlayPuzzle) {
        aim_beside();
        core::check_answer();
    }
    finish_half();
    finish_half();
    ASSERT_EQ(s.game_state, core::StateWord::GameOver);
    form().Timer_gameover.fire();

    ui::Label_bt_Click(2);
    finish_half();
    finish_half();
    EXPECT_EQ(s.game_state, core::StateWord::PlayPuzzle);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.level_rounds, 1);
    EXPECT_EQ(s.linear_wins, 0);
    EXPECT_EQ(s.round_no, 1);
    EXPECT_EQ(s.score, 0);
    EXPECT_EQ(s.misses, 0);
    EXPECT_EQ(s.time_limit, fresh.time_limit);
}

TEST_F(Linear, ExtraMissesOnlyEveryThirdLevel) {
    core::CoreState& s = core::core_state();
    std::vector<int> limits;
    for (int level = 1; level <= 12; ++level) {
        s.level = static_cast<std::int16_t>(level);
        s.miss_limit = 5;
        modes::level_up();
        limits.push_back(s.miss_limit);
    }
    EXPECT_EQ(limits, (std::vector<int>{5, 6, 5, 5, 6, 5, 5, 6, 5, 5, 6, 5}));
    EXPECT_EQ(s.level, 13);
    EXPECT_EQ(form().Label_LEVEL->caption(), "infinite");
}

TEST_F(Linear, LevelThirteenDrawsItsGridAndKind) {
    core::CoreState& s = core::core_state();
    s.level = 13;
    s.round_no = 7;
    s.linear_wins = 3;  // not a multiple of 8: a normal round
    const auto draws = set_up();
    ASSERT_GE(draws.size(), 5u);
    EXPECT_EQ(draws[3], (DrawRecord{false, 8, 4}));  // the kind
    EXPECT_EQ(draws[4], (DrawRecord{false, 5, 3}));  // the rows
    EXPECT_GE(s.round_rows, 5);
    EXPECT_LE(s.round_rows, 8);
    EXPECT_EQ(s.round_cols + s.round_rows, 15);
    EXPECT_EQ(s.tgt_count, 4);
    EXPECT_EQ(s.round_kind, core::linear_round::kNormal);

    s.linear_wins = 8;
    set_up();
    EXPECT_EQ(s.round_kind, core::linear_round::kBonus) << "every eighth win at level 13 is a bonus round";
    s.linear_wins = 0;
    s.last_round_result = core::RoundResult::LostOnTime;
    set_up();
    EXPECT_EQ(s.round_kind, core::linear_round::kBonus) << "no wins counts too";
}

TEST_F(Linear, LevelThirteenRewards) {
    core::CoreState& s = core::core_state();
    s.level = 13;
    s.time_limit = 10;
    s.misses = 0;
    {
        platform::ScriptedRandom script({0.0f});  // would pick the miss, but there is none
        modes::bonus_reward();
    }
    EXPECT_EQ(s.time_limit, 15);
    EXPECT_EQ(form().Label_pmsg->caption(), "TIMER +5 SECS!");
    s.misses = 2;
    {
        platform::ScriptedRandom script({0.0f});
        modes::bonus_reward();
    }
    EXPECT_EQ(s.misses, 1);
    EXPECT_EQ(form().Label_pmsg->caption(), "1 MISS DEDUCTED!");
}

TEST_F(Linear, LateRoundsGetBiggerGrids) {
    core::CoreState& s = core::core_state();
    s.level = 2;
    struct Case { int round, cols, rows; };
    const Case cases[] = {{5000, 6, 4}, {5001, 9, 9}, {10000, 9, 9}, {10001, 10, 10}, {15001, 11, 11}, {20001, 12, 12}};
    for (const Case& c : cases) {
        s.round_no = static_cast<std::int16_t>(c.round);
        set_up();
        EXPECT_EQ(s.round_cols, c.cols) << c.round;
        EXPECT_EQ(s.round_rows, c.rows) << c.round;
    }
}

TEST_F(Linear, TheThousandthRoundGivesAnEasterEgg) {
    core::CoreState& s = core::core_state();
    s.round_no = 1000;
    s.char_name[6] = "boxbolt";
    s.char_name[16] = "snailbert";
    set_up();
    ASSERT_EQ(boxes.calls.size(), 1u);
    const platform::MsgBoxCall& box = boxes.calls[0];
    EXPECT_EQ(box.title, "Wow!");
    EXPECT_EQ(box.style, 64);
    const std::string head = "To appreciate your patience and diligence for playing up to\r1000 rounds, here's a small easter egg for you:\r\r                 cadge";
    EXPECT_EQ(box.text.substr(0, head.size()), head);
    EXPECT_NE(box.text.find("\r\rJust type it 'somewhere' in the game and be suprised!"), std::string::npos);
    s.round_no = 1001;
    set_up();
    EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(Linear, ADebugQuotaLineAtEverySetUp) {
    core::core_state().round_no = 1;
    core::core_state().linear_wins = 12;
    set_up();
    EXPECT_EQ(form().Label_debug1->caption(), "Wins/quota -> 12/30 (40%)");
}

// A scripted player through a few hundred rounds: hits and misses, time-outs, level-ups.
TEST_F(Linear, AScriptedPlayerThroughHundredsOfRounds) {
    platform::seed_random(4242);
    pictures::load_shapes();
    ui::goto_mainmenu();
    ui::start_linear();
    ui::select_linear_diff(0);
    ui::leave_menu();
    finish_half();
    finish_half();
    core::CoreState& s = core::core_state();
    int rounds = 0, games = 1, level_ups = 0, game_start = 0;
    std::int16_t last_level = s.level;
    while (rounds < 300) {
        ASSERT_EQ(s.game_state, core::StateWord::PlayPuzzle);
        ++rounds;
        // Invariants of a round in play.
        std::set<std::pair<int, int>> cells;
        for (int i = 1; i <= s.tgt_count; ++i) {
            ASSERT_GE(s.tgt_col[i], 1);
            ASSERT_LE(s.tgt_col[i], s.grid_cols);
            ASSERT_GE(s.tgt_row[i], 1);
            ASSERT_LE(s.tgt_row[i], s.grid_rows);
            cells.insert({s.tgt_col[i], s.tgt_row[i]});
        }
        ASSERT_EQ(static_cast<int>(cells.size()), s.tgt_count);
        ASSERT_LT(s.misses, s.miss_limit);
        ASSERT_GE(s.level, 1);
        ASSERT_LE(s.level, 13);

        if (rounds % 23 == 0) {
            // Let the clock run out.
            for (int i = 0; i < 200 && s.game_state == core::StateWord::PlayPuzzle; ++i) form().Timer_timer.fire();
        } else {
            if (rounds % 7 == 0) {
                aim_beside();
                core::check_answer();
            }
            for (int i = 1; i <= s.tgt_count && s.game_state == core::StateWord::PlayPuzzle; ++i) {
                aim_at(i);
                core::check_answer();
            }
        }
        if (s.game_state == core::StateWord::PaneClose && ui::screen().pane_word == core::PaneWord::GameLost) {
            finish_half();
            finish_half();
            form().Timer_gameover.fire();
            ui::Label_bt_Click(2);  // play game again
            ++games;
            game_start = rounds;
        }
        while (form().Timer_ansclose.enabled()) form().Timer_ansclose.fire();
        finish_half();
        finish_half();
        if (s.level > last_level) ++level_ups;
        last_level = s.level;
        if (s.linear_wins >= s.linear_quota - 1 && s.level < 13) s.linear_wins = s.linear_quota + 1;
    }
    EXPECT_GT(level_ups, 0);
    EXPECT_GT(games, 1) << "the script loses a game and plays again";
    EXPECT_EQ(s.round_no, rounds - game_start + 1) << "rounds count from the new game; the next is set up";
}

}  // namespace
