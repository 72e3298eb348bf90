// The dice and the walk: faces, stops, steps, refusals, landing, and leaving at any moment.
#include <gtest/gtest.h>

#include "core/grid.h"
#include "core/round_links.h"
#include "modes/pawn.h"
#include "modes/walking.h"
#include "platform/random.h"
#include "support/story_fixture.h"
#include "ui/input.h"
#include "ui/picture_store.h"
#include "ui/transition.h"

namespace {

using testing_support::StoryTripTest;

class DiceWalk : public StoryTripTest {
protected:
    modes::ModeState& m() { return modes::mode_state(); }
    // A step from the pawn's square (11, 8): left (10, 8), right (12, 8) and up (11, 7) are road.
    void click_square(int col, int row) {
        form().pbox_main->on_mouse_move({0, 0, static_cast<float>(20 * col - 10), static_cast<float>(20 * row - 10)});
        form().pbox_main->on_click();
    }
    int first_open_way() {
        for (int dir = core::direction::kLeft; dir <= core::direction::kDown; ++dir) {
            if (form().bt_arrow[static_cast<std::size_t>(dir)]->visible()) return dir;
        }
        return 0;
    }
};

TEST_F(DiceWalk, FacesCycleAtTheDifficultysPaceAndTheStopGivesTheFace) {
    enter_map(2);
    EXPECT_EQ(form().Timer_dice.interval(), 60);
    for (int face : {1, 2, 3, 4, 5, 6, 1, 2}) {
        form().Timer_dice.fire();
        EXPECT_EQ(m().dice_face, face);
    }
    EXPECT_EQ(form().pbox_dice->picture(), ui::form_clip().pclip_dice.cell(1));
    modes::pbox_dice_Click();
    EXPECT_EQ(m().moves_left, 2);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::WalkMap);
    EXPECT_FALSE(form().Timer_dice.enabled());
    EXPECT_EQ(lines()[2], "You got a 2");
    EXPECT_EQ(lines()[3], "please click on your desired path.");
    // From the start square: left, right and up.
    for (int dir = core::direction::kLeft; dir <= core::direction::kDown; ++dir) {
        EXPECT_EQ(form().bt_arrow[static_cast<std::size_t>(dir)]->visible(), dir != core::direction::kDown) << dir;
    }
}

TEST_F(DiceWalk, EnterStopsTheDiceAndAStopBeforeTheFirstFaceGivesNothing) {
    enter_map();
    ui::Form_KeyPress(13);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::WalkMap);
    EXPECT_EQ(m().moves_left, 0);
    EXPECT_EQ(lines()[2], "You got a 0");
}

TEST_F(DiceWalk, TheDiceTakesClicksOnlyWhileItRolls) {
    enter_map();
    roll(3);
    ASSERT_EQ(m().moves_left, 3);
    modes::pbox_dice_Click();  // stopped already: no 0-move trip
    EXPECT_EQ(m().moves_left, 3);
    EXPECT_EQ(lines()[3], "please click on your desired path.");

    // The bonus chooser opens with the dice enabled; a click there must not start a trip.
    core::core_state().game_state = core::StateWord::ChooseBonus;
    form().pbox_dice->set_enabled(true);
    modes::pbox_dice_Click();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::ChooseBonus);
    EXPECT_EQ(m().moves_left, 3);
}

TEST_F(DiceWalk, TheDebugChooserSetsTheTripLength) {
    core::core_state().debugmode = true;
    enter_map();
    form().Combo1->set_list_index(10);
    roll(2);
    EXPECT_EQ(m().moves_left, 10);
    int steps = 0;
    for (; core::core_state().game_state == core::StateWord::WalkMap && steps < 20; ++steps) {
        modes::bt_arrow_Click(first_open_way());
        finish_walk();
    }
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::RollDice);

    form().Combo1->set_list_index(11);
    roll(1);
    ASSERT_EQ(m().moves_left, 11);
    modes::bt_arrow_Click(first_open_way());
    finish_walk();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::RollDice) << "11 ends the trip after its first step";
}

TEST_F(DiceWalk, StepsCountDownOnTheDiceAndTheLastOneLands) {
    enter_map();
    roll(3);
    modes::bt_arrow_Click(core::direction::kRight);
    EXPECT_EQ(last_line(), "Moving...");
    EXPECT_FALSE(form().bt_arrow[core::direction::kLeft]->enabled());
    EXPECT_EQ(finish_walk(), 3);
    EXPECT_EQ(m().pawn_col, 12);
    EXPECT_EQ(m().pawn_row, 8);
    EXPECT_EQ(m().moves_left, 2);
    EXPECT_EQ(form().pbox_dice->picture(), ui::form_clip().pclip_dice.cell(1));
    EXPECT_EQ(last_line(), "2 move(s) to go.");

    // Straight back is refused, with the arrow hidden and the moves kept.
    EXPECT_FALSE(form().bt_arrow[core::direction::kLeft]->visible());
    click_square(11, 8);
    EXPECT_EQ(last_line(), "You are not allowed to turn back!");
    EXPECT_EQ(m().moves_left, 2);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::WalkMap);

    click_square(13, 8);  // a board click next to the pawn
    finish_walk();
    EXPECT_EQ(m().pawn_col, 13);
    ui::Form_KeyDown(39, 0);  // the right arrow key
    finish_walk();
    EXPECT_EQ(m().pawn_col, 14);
    EXPECT_EQ(m().moves_left, 0);
    EXPECT_NE(last_line(), "0 move(s) to go.");
    EXPECT_EQ(core::core_state().game_state, core::StateWord::RollDice) << "landed: the dice rolls again";

    // The first step of the next trip may go any way, the way just come included.
    roll(1);
    EXPECT_TRUE(form().bt_arrow[core::direction::kLeft]->visible());
    click_square(13, 8);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::Walking);
}

TEST_F(DiceWalk, ChoicesThatAreNotANeighbouringPathAreRefused) {
    enter_map();
    roll(4);
    struct Case { const char* name; int col; int row; };
    const Case cases[] = {{"diagonal", 12, 7}, {"blank square", 11, 9}, {"left of the map", -3, 8},
                          {"right of the array", 40, 8}, {"below the array", 11, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        core::core_state().cur_col = static_cast<std::int16_t>(c.col);
        core::core_state().cur_row = static_cast<std::int16_t>(c.row);
        ui::pbox_main_Click();
        EXPECT_EQ(last_line(), "Please click on a valid path next to your pawn");
        EXPECT_EQ(core::core_state().game_state, core::StateWord::WalkMap);
        EXPECT_EQ(m().moves_left, 4);
    }
}

TEST_F(DiceWalk, ArrowButtonsDoNothingDuringASlide) {
    enter_map();
    roll(3);
    ui::Form_KeyDown(37, 0);  // a key starts the step: the buttons stay enabled
    ASSERT_EQ(core::core_state().game_state, core::StateWord::Walking);
    form().Timer_walk.fire();
    form().bt_arrow[core::direction::kUp]->on_click();
    EXPECT_EQ(m().walk_dir, core::direction::kLeft);
    EXPECT_EQ(m().walk_tick, 1);
    finish_walk();
    EXPECT_EQ(m().pawn_col, 10);
    EXPECT_EQ(m().pawn_row, 8);
}

TEST_F(DiceWalk, ThePawnPutsBackWhatItCovered) {
    modes::draw_pawn(100, 100);  // something in the background slot
    modes::mode_state() = modes::ModeState{};
    ui::goto_mainmenu();  // parks a pawn never drawn: nothing is put back at (0, 0)
    const platform::Picture title = form().pbox_main->snapshot();
    EXPECT_EQ(title, ui::form_clip().pclip_main.cell(0).convertToFormat(QImage::Format_RGB32));
    modes::draw_pawn(100, 100);
    EXPECT_NE(form().pbox_main->snapshot(), title);
    modes::hide_pawn();
    EXPECT_EQ(form().pbox_main->snapshot(), title);
    modes::draw_pawn(-2, -10);  // partly off the board
    modes::draw_pawn(40, 40);
    modes::hide_pawn();
    EXPECT_EQ(form().pbox_main->snapshot(), title);
}

// The character words act on the map only, at the first key in "rolldice" or "walkmap": the
// name in slot i gives sprite row i - 1 and slot i's saying; "?" draws a row 0..17; a 0 switches
// nothing and keeps the word, which then blocks later words.
TEST_F(DiceWalk, CharacterWordsSwitchThePawnOnTheMap) {
    auto type = [](const std::string& word) {
        for (char ch : word) ui::Form_KeyPress(static_cast<unsigned char>(ch));
    };
    const core::CoreState& s = core::core_state();
    enter_map();
    roll(3);
    modes::bt_arrow_Click(first_open_way());
    ASSERT_EQ(s.game_state, core::StateWord::Walking);
    type("cadgepiggy");
    EXPECT_EQ(m().pawn_char, 0) << "not while the pawn slides";
    finish_walk();
    ASSERT_EQ(s.game_state, core::StateWord::WalkMap);
    type(" ");
    EXPECT_EQ(m().pawn_char, 2);
    EXPECT_EQ(last_line(), s.char_saying[3]);
    EXPECT_EQ(ui::screen().typed, "");

    {
        platform::ScriptedRandom script({0.5f});
        type("cadge?");
        EXPECT_EQ(script.taken(), 1u);
        EXPECT_EQ(m().pawn_char, 8);
        EXPECT_EQ(last_line(), s.char_saying[9]);
    }
    {
        platform::ScriptedRandom script({0.01f});
        type("cadge?");
        EXPECT_EQ(m().pawn_char, 8) << "a draw of 0 switches nothing";
        EXPECT_EQ(ui::screen().typed, "cadge?");
    }
    ui::screen().typed.clear();
    std::vector<platform::Primitive> drawn;
    form().pbox_main->image_layer().set_recorder(&drawn);
    type("jz");
    form().pbox_main->image_layer().set_recorder(nullptr);
    EXPECT_EQ(ui::screen().typed, "");
    // Each secret's square gets a red cross, 12 px across, in the square's top-left corner.
    std::vector<std::array<double, 4>> crosses, expected;
    for (const platform::Primitive& p : drawn) {
        if (p.kind == platform::Primitive::Kind::Line && p.colour == platform::rgb(255, 0, 0) && p.pen == 2)
            crosses.push_back({p.x1, p.y1, p.x2, p.y2});
    }
    for (std::size_t i = 1; i <= 10; ++i) {
        const double x = m().secret_col[i] * 20 - 16;
        const double y = m().secret_row[i] * 20 - 16;
        expected.push_back({x, y, x + 12, y + 12});
        expected.push_back({x, y + 12, x + 12, y});
    }
    EXPECT_EQ(crosses, expected);
}

// Leaving from every Story moment ends on a clean title screen.
TEST_F(DiceWalk, EndGameFromEveryStoryStateLeavesNothingBehind) {
    const std::function<void()> reach[] = {
        [&] { modes::start_story(); for (int i = 0; i < 25; ++i) form().Timer_menu.fire(); },
        [&] { modes::start_story(); ui::Label_bt_Click(2); finish_half(); },  // during the transition
        [&] { enter_map(); },
        [&] { enter_map(); roll(3); },
        [&] { enter_map(); roll(3); modes::bt_arrow_Click(core::direction::kRight); form().Timer_walk.fire(); },
    };
    const platform::Picture title = ui::form_clip().pclip_main.cell(0);
    for (std::size_t k = 0; k < std::size(reach); ++k) {
        SCOPED_TRACE(k);
        reach[k]();
        const bool story_start_screen =
            core::core_state().game_mode == core::GameMode::Story && core::core_state().game_state == core::StateWord::MainMenu;
        ui::Label_bt_Click(story_start_screen ? 1 : core::kEndGameButton);
        finish_half();
        finish_half();
        EXPECT_EQ(core::core_state().game_state, core::StateWord::MainMenu);
        for (platform::Timer* t : form().timers()) EXPECT_FALSE(t->enabled());
        for (int d = core::direction::kLeft; d <= core::direction::kDown; ++d) {
            EXPECT_FALSE(form().bt_arrow[static_cast<std::size_t>(d)]->visible()) << d;
        }
        EXPECT_FALSE(form().pbox_dice->visible());
        EXPECT_FALSE(form().Img_hotspot[0]->visible());
        EXPECT_EQ(form().pbox_main->snapshot(), title.convertToFormat(QImage::Format_RGB32)) << "no pawn, no map";
    }
}

}  // namespace
