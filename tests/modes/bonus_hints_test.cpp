// The bonus chooser with its clicks and keys, and the hint with its distances and radar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/hud.h"
#include "modes/bonus_hints.h"
#include "support/story_fixture.h"
#include "ui/input.h"
#include "ui/menu.h"
#include "ui/transition.h"

namespace {

using testing_support::StoryTest;

class Bonus : public StoryTest {
protected:
    void open_chooser() {
        core::core_state().game_state = core::StateWord::RollDice;  // anything but the chooser before it opens
        modes::choose_bonus();
    }
    int rolls() {
        int n = 0;
        for (auto* l : form().Label_msg) n += l->caption() == "Click on dice to stop";
        return n;
    }
};

TEST_F(Bonus, EachChoiceAppliesItsBonusAndRollsTheDice) {
    core::CoreState& s = core::core_state();
    for (int choice = 0; choice <= 2; ++choice) {
        SCOPED_TRACE(choice);
        s.misses = 0;
        core::add_misses(3);
        s.miss_limit = 5;
        s.time_limit = 20;
        s.round_time_left = 20;
        core::show_timer();
        open_chooser();
        EXPECT_EQ(form().Label8->caption(), "CHOOSE YOUR BONUS");
        EXPECT_EQ(form().Label_btype[0]->fore_colour(), platform::rgb(191, 191, 255)) << "last choice's white is gone";
        ui::Label_btype_Click(choice);
        EXPECT_EQ(s.misses, choice == 0 ? 0 : 3);
        EXPECT_EQ(form().Label_misses->caption(), choice == 0 ? "" : "X X X ");
        EXPECT_EQ(s.miss_limit, choice == 1 ? 6 : 5);
        EXPECT_EQ(s.time_limit, choice == 2 ? 25 : 20);
        EXPECT_EQ(form().Label_timer->caption(), choice == 2 ? "25" : "20");
        EXPECT_EQ(s.game_state, core::StateWord::RollDice);
        EXPECT_TRUE(form().Timer_dice.enabled());
        EXPECT_EQ(ui::screen().panel_dy, 14) << "the chooser slides out";
        form().Timer_dice.set_enabled(false);
    }
    s.miss_limit = 255;
    open_chooser();
    modes::apply_bonus(1);
    EXPECT_EQ(s.miss_limit, 255) << "the one-byte limit does not wrap to 0";
}

TEST_F(Bonus, ChoicesActOnlyWhileTheChooserIsOpen) {
    core::CoreState& s = core::core_state();
    open_chooser();
    ui::Form_KeyPress('4');
    EXPECT_EQ(s.game_state, core::StateWord::ChooseBonus);
    ui::Form_KeyPress('3');
    EXPECT_EQ(s.time_limit, 25);
    EXPECT_EQ(rolls(), 1);
    // A double click, or another key, while the chooser slides out gives nothing more.
    ui::Label_btype_Click(2);
    ui::Label_btype_Click(0);
    ui::Form_KeyPress('3');
    EXPECT_EQ(s.time_limit, 25);
    EXPECT_EQ(rolls(), 1);
    s.game_state = core::StateWord::WalkMap;
    core::add_misses(2);
    ui::Label_btype_Click(0);
    ui::Form_KeyPress('1');
    EXPECT_EQ(s.misses, 2);
    EXPECT_EQ(s.game_state, core::StateWord::WalkMap);
}

class Hint : public StoryTest {
protected:
    // Every secret won but secret 1, which lies dc columns and dr rows from the pawn.
    void one_hidden_secret(int dc, int dr) {
        modes::ModeState& m = modes::mode_state();
        for (std::size_t i = 2; i <= 10; ++i) m.secret_state[i] = core::secret_state::kWon;
        m.secret_col[1] = static_cast<std::uint8_t>(m.pawn_col + dc);
        m.secret_row[1] = static_cast<std::uint8_t>(m.pawn_row + dr);
        m.secret_state[1] = core::secret_state::kHidden;
    }
    void offer() {
        modes::mode_state().hint_frame = 0;
        form().Pbox_hint->set_visible(true);
    }
    std::string last_line(int back = 0) {
        const int at = modes::mode_state().msg_line - back;
        return at >= 0 ? form().Label_msg[static_cast<std::size_t>(at)]->caption() : "";
    }
};

TEST_F(Hint, TheNearestHiddenSecretsDistanceAndRadar) {
    struct Case {
        int dc, dr;
        std::string text;
        int r;
    };
    const std::vector<Case> cases = {
        {2, 1, "... 2.236 miles away.", 55},
        {-3, 4, "... 5 miles away.", 110},
        {5, 5, "... 7.071 miles away.", 151},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        one_hidden_secret(c.dc, c.dr);
        offer();
        ui::Pbox_hint_Click();
        EXPECT_EQ(last_line(1), "The nearest secret round is about...");
        EXPECT_EQ(last_line(), c.text);
        const platform::Shape& rad = *form().Shape_rad;
        EXPECT_TRUE(rad.visible());
        EXPECT_EQ(rad.width(), 2 * c.r);
        EXPECT_EQ(rad.height(), 2 * c.r);
        EXPECT_EQ(rad.left(), (11 - 1) * 20 + 10 - c.r);
        EXPECT_EQ(rad.top(), (8 - 1) * 20 + 10 - c.r);
        EXPECT_EQ(rad.fill_style(), platform::Shape::kFillDiagonalCross);
        EXPECT_FALSE(form().Pbox_hint->visible());
        form().Shape_rad->set_visible(false);
    }
    // Revealed and won secrets do not count; the nearer of two hidden ones does.
    one_hidden_secret(6, 0);
    modes::mode_state().secret_col[2] = 12;
    modes::mode_state().secret_row[2] = 8;
    modes::mode_state().secret_state[2] = core::secret_state::kRevealed;
    modes::mode_state().secret_col[3] = 11;
    modes::mode_state().secret_row[3] = 11;
    modes::mode_state().secret_state[3] = core::secret_state::kHidden;
    modes::hint_nearest_secret();
    EXPECT_EQ(last_line(), "... 3 miles away.");
}

TEST_F(Hint, OnTopOfASecretOrNoneLeftGivesNoRadar) {
    EXPECT_EQ(form().Pbox_hint->tool_tip(), "Click for game hint!");
    one_hidden_secret(0, 0);
    offer();
    ui::Pbox_hint_Click();
    EXPECT_EQ(last_line(), "You're right ON TOP of one of the secret round!");
    EXPECT_FALSE(form().Shape_rad->visible());
    modes::mode_state().secret_state[1] = core::secret_state::kRevealed;
    modes::hint_nearest_secret();
    EXPECT_EQ(last_line(), "Sorry. No hint for now. ");
    EXPECT_FALSE(form().Shape_rad->visible());
}

TEST_F(Hint, WhileTheDiceRollsItOnlySlowsTheDice) {
    one_hidden_secret(2, 1);
    modes::roll_dice();
    offer();
    ui::Pbox_hint_Click();
    EXPECT_EQ(form().Timer_dice.interval(), 200);
    EXPECT_EQ(last_line(), "Dice roll speed decreased!");
    EXPECT_FALSE(form().Shape_rad->visible());
    // The next roll starts at the difficulty's pace again.
    modes::roll_dice();
    EXPECT_EQ(form().Timer_dice.interval(), 80);
    // During the bonus choice the dice is still: the hint measures.
    form().Timer_dice.set_enabled(false);
    modes::choose_bonus();
    offer();
    ui::Pbox_hint_Click();
    EXPECT_EQ(last_line(), "... 2.236 miles away.");
}

TEST_F(Hint, TheRadarGoesWithTheGame) {
    one_hidden_secret(2, 1);
    modes::hint_nearest_secret();
    ASSERT_TRUE(form().Shape_rad->visible());
    ui::end_game();
    EXPECT_FALSE(form().Shape_rad->visible());
    form().Shape_rad->set_visible(true);
    ui::goto_mainmenu();
    EXPECT_FALSE(form().Shape_rad->visible());
}

// Whole and three-decimal distances come through the hint's table above; here the rounding.
TEST(DistanceText, ThreeDecimalsAtMostAndNoBlanks) {
    EXPECT_EQ(modes::distance_text(2.5f), "2.5");
    EXPECT_EQ(modes::distance_text(0.0625f), "0.062");  // ties to even
    EXPECT_EQ(modes::distance_text(3.0004f), "3");
    EXPECT_EQ(modes::distance_text(19.9996f), "20");
}

}  // namespace
