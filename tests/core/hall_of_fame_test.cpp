// Placing scores in the Hall of Fame and the end-of-game step.
#include <gtest/gtest.h>

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/settings.h"
#include "support/game_fixture.h"
#include "ui/side_windows.h"

namespace {

using testing_support::GameTest;

class HallOfFame : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        core::default_hall_of_fame();
    }
    bool enter(const std::string& name, std::int32_t score) {
        core::core_state().hof_table[0] = {name, score, "Linear - Easy"};
        return core::hof_insert();
    }
    const core::HofRec& at(int i) { return core::core_state().hof_table[static_cast<std::size_t>(i)]; }
};

TEST_F(HallOfFame, AScoreMustBeatAnEntryStrictly) {
    EXPECT_EQ(core::hof_position(1000), 11);
    EXPECT_FALSE(enter("x", 1000));
    EXPECT_EQ(at(10).name, "Player J");
    EXPECT_EQ(core::hof_position(1001), 10);
    EXPECT_TRUE(enter("new", 1001));
    EXPECT_EQ(at(10).name, "new");
    EXPECT_EQ(at(9).name, "Player I");
    EXPECT_EQ(core::hof_position(0), 11);
    EXPECT_EQ(core::hof_position(-5), 11);
}

TEST_F(HallOfFame, EqualScoresStayInAgeOrder) {
    EXPECT_TRUE(enter("first", 5000));
    EXPECT_EQ(at(2).name, "Player B");
    EXPECT_EQ(at(3).name, "first");
    EXPECT_TRUE(enter("second", 5000));
    EXPECT_EQ(at(3).name, "first");
    EXPECT_EQ(at(4).name, "second");
    EXPECT_EQ(at(10).name, "Player H");
}

TEST_F(HallOfFame, ATopScoreMovesEveryoneDown) {
    EXPECT_TRUE(enter("champ", 10001));
    EXPECT_EQ(at(1).name, "champ");
    EXPECT_EQ(at(1).mode, "Linear - Easy");
    for (int i = 2; i <= 10; ++i) EXPECT_EQ(at(i).name, std::string("Player ") + static_cast<char>('A' + i - 2));
}

TEST_F(HallOfFame, AnUnsortedStoredTableIsTolerated) {
    core::core_state().hof_table[3].score = 0;  // a damaged stored score
    EXPECT_EQ(core::hof_position(100), 3);
    EXPECT_TRUE(enter("x", 100));
    EXPECT_EQ(at(3).name, "x");
}

TEST_F(HallOfFame, TheEndOfGameStepEntersAPlacingScoreOnly) {
    core::core_state().game_mode = core::GameMode::Linear;
    core::core_state().cur_diff.name = "Crazy!";
    core::core_state().score = 999;
    core::check_highscore();
    EXPECT_EQ(at(10).name, "Player J");
    core::core_state().score = 1234567;
    core::check_highscore();
    EXPECT_EQ(at(1).score, 1234567);
    EXPECT_EQ(at(1).mode, "Linear - Crazy!");
}

}  // namespace
