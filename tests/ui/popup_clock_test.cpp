// The pop-up banner's blinking and wiping, and the round clock.
#include <gtest/gtest.h>

#include "core/round_links.h"
#include "support/round_fixture.h"
#include "ui/popup_clock.h"

namespace {

using testing_support::RoundTest;

class PopUp : public RoundTest {
protected:
    // Runs the banner to its end and records whether it showed and what, tick by tick.
    std::vector<std::string> run(const std::string& text, int blinks) {
        ui::show_pmsg(core::kPmsgShow, text, blinks);
        std::vector<std::string> seen;
        for (int i = 0; i < 300 && form().Timer_pmsg.enabled(); ++i) {
            form().Timer_pmsg.fire();
            seen.push_back(form().Label_pmsg->visible() ? form().Label_pmsg->caption() : "<hidden>");
        }
        EXPECT_FALSE(form().Timer_pmsg.enabled());
        EXPECT_FALSE(form().Label_pmsg->visible());
        return seen;
    }
};

TEST_F(PopUp, BlinksOnOddTicksThenWipesTwoCharactersAtATime) {
    const auto seen = run("Wow!!", 6);
    const std::vector<std::string> expected = {"Wow!!", "<hidden>", "Wow!!", "<hidden>", "Wow!!",
                                               "w!!",   "<hidden>"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(form().Timer_pmsg.interval(), 5);
}

TEST_F(PopUp, NoBlinkingForZeroOrOne) {
    for (int blinks : {0, 1}) {
        const auto seen = run("Good Job", blinks);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen[0], "od Job") << blinks;
    }
}

TEST_F(PopUp, ShortTextsVanishQuickly) {
    EXPECT_EQ(run("ab", 6), std::vector<std::string>{"<hidden>"});  // never seen
    EXPECT_EQ(run("abc", 0), std::vector<std::string>{"<hidden>"});  // one char left: cleared
    EXPECT_EQ(run("abcd", 0), std::vector<std::string>{"<hidden>"});
    const auto five = run("abcde", 0);
    EXPECT_EQ(five, (std::vector<std::string>{"cde", "<hidden>"}));
}

TEST_F(PopUp, ClearingStopsAtOnce) {
    ui::show_pmsg(core::kPmsgShow, "Bonus Round!", 6);
    form().Timer_pmsg.fire();
    EXPECT_TRUE(form().Label_pmsg->visible());
    ui::show_pmsg(core::kPmsgHide, "", 0);
    EXPECT_FALSE(form().Label_pmsg->visible());
    EXPECT_FALSE(form().Timer_pmsg.enabled());
}

class Clock : public RoundTest {};

TEST_F(Clock, ARoundOfNSecondsLastsNPlusOneTicks) {
    core::core_state().time_limit = 3;
    start_round();
    EXPECT_EQ(form().Label_timer->caption(), "3");
    int ticks = 0;
    while (core::core_state().game_state == core::StateWord::PlayPuzzle && ticks < 10) {
        form().Timer_timer.fire();
        ++ticks;
        if (ticks == 3) {
            EXPECT_EQ(form().Label_timer->caption(), "0");
        }
    }
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(core::core_state().round_time_left, 0);
}

TEST_F(Clock, TheSpeedUpLastsOnlyUntilTheNextRound) {
    start_round();
    form().Timer_timer.set_interval(20);
    core::core_state().game_state = core::StateWord::Starting;
    start_round();
    EXPECT_EQ(form().Timer_timer.interval(), 1000);
}

TEST_F(Clock, TicksOutsideARoundDoNothing) {
    start_round();
    core::core_state().game_state = core::StateWord::PaneClose;
    const std::int16_t left = core::core_state().round_time_left;
    form().Timer_timer.fire();
    EXPECT_EQ(core::core_state().round_time_left, left);
}

}  // namespace
