// The HUD setters and the texts they show in each value label and its twin.
#include <gtest/gtest.h>

#include "core/hud.h"
#include "support/game_fixture.h"

namespace {

using testing_support::GameTest;

class Hud : public GameTest {};

TEST_F(Hud, ScoreIsGroupedInBothLabels) {
    core::add_score(999);
    EXPECT_EQ(form().Label_score->caption(), "999");
    core::add_score(1);
    EXPECT_EQ(form().Label_score->caption(), "1,000");
    EXPECT_EQ(form().Label_scores->caption(), "1,000");
    core::core_state().score = 5;
    core::add_score(-20);
    EXPECT_EQ(form().Label_score->caption(), "-15");
}

TEST_F(Hud, MissesStayWithinTheirByte) {
    core::add_misses(-1);
    EXPECT_EQ(core::core_state().misses, 0);
    EXPECT_EQ(form().Label_misses->caption(), "");
    core::add_misses(3);
    core::core_state().miss_limit = 5;
    core::show_misslimit();
    EXPECT_EQ(form().Label_misses->caption(), "X X X ");
    EXPECT_EQ(form().Label_missest->caption(), "X X X X X ");
    core::add_misses(core::kClearMisses);
    EXPECT_EQ(core::core_state().misses, 0);
    core::add_misses(300);
    EXPECT_EQ(core::core_state().misses, 255);
    core::add_misses(1);
    EXPECT_EQ(core::core_state().misses, 255);
}

TEST_F(Hud, ClockAndRound) {
    core::core_state().round_time_left = -1;
    core::show_timer();
    EXPECT_EQ(form().Label_timer->caption(), "-");
    core::core_state().round_time_left = 0;
    core::show_timer();
    EXPECT_EQ(form().Label_timers->caption(), "0");
    core::core_state().round_no = 12345;
    core::show_round();
    EXPECT_EQ(form().Label_round->caption(), "12,345");
    EXPECT_EQ(form().label_rounds->caption(), "12,345");
}

TEST_F(Hud, LevelNamesOnlyInLinearMode) {
    using M = core::GameMode;
    struct Case { M mode; int level; const char* text; };
    const Case cases[] = {{M::Linear, 13, "infinite"}, {M::Linear, 10, "xtreme"}, {M::Linear, 11, "chaos!"},
                          {M::Linear, 12, "@_@"},      {M::Story, 10, "10"},      {M::Linear, 9, "9"},
                          {M::Story, 9, "9"}};
    for (const Case& c : cases) {
        core::core_state().game_mode = c.mode;
        core::core_state().level = static_cast<std::int16_t>(c.level);
        core::show_level();
        EXPECT_EQ(form().Label_LEVEL->caption(), c.text);
        EXPECT_EQ(form().Label_LEVELS->caption(), c.text);
    }
}

}  // namespace
