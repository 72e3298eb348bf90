// The game-over stamps and the found piece's slide.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modes/mode_state.h"
#include "platform/random.h"
#include "support/round_fixture.h"
#include "ui/form_entername.h"
#include "ui/picture_store.h"
#include "ui/scenes.h"
#include "ui/transition.h"

namespace {

using testing_support::RoundTest;

class GameOverScene : public RoundTest {
protected:
    void enter_scene() {
        core::core_state().game_state = core::StateWord::PlayPuzzle;
        ui::pane_close(core::PaneWord::GameLost);
        finish_half();
        finish_half();
    }
};

TEST_F(GameOverScene, LinearStampsDotsButNotOnTheRedLettering) {
    enter_scene();
    form().pbox_main->set_auto_redraw(true);
    form().pbox_main->draw().box(0, 0, 419, 319, platform::rgb(255, 31, 0), true);
    form().pbox_main->set_auto_redraw(false);
    platform::ScriptedRandom red_spot({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    form().Timer_gameover.fire();
    EXPECT_EQ(red_spot.taken(), 2u) << "only the point is drawn on the red lettering";

    form().pbox_main->set_auto_redraw(true);
    form().pbox_main->draw().box(0, 0, 419, 319, platform::kBlack, true);
    form().pbox_main->set_auto_redraw(false);
    platform::ScriptedRandom dot({0.5f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f});
    form().Timer_gameover.fire();
    EXPECT_EQ(dot.taken(), 6u);
    EXPECT_EQ(form().pbox_main->pixel(210, 160), platform::rgb(170, 170, 170));
}

TEST_F(GameOverScene, TheFirstTickChecksTheHallOfFameOnceAndTheCounterCycles) {
    const std::int32_t best = core::core_state().hof_table[1].score + 1;
    core::core_state().score = best;
    std::vector<std::string> shown;
    platform::Form::set_modal_runner([&](platform::Form& f) {
        shown.push_back(f.caption());
        if (auto* entry = dynamic_cast<ui::FormEntername*>(&f)) entry->ok_click();
        else f.close();
    });
    enter_scene();
    EXPECT_EQ(ui::screen().gameover_frame, 0);
    EXPECT_TRUE(shown.empty()) << "the scene itself asks for the name, not the transition";
    form().Timer_gameover.fire();
    EXPECT_EQ(ui::screen().gameover_frame, 1);
    const std::vector<std::string> after_first = shown;
    EXPECT_EQ(after_first.size(), 2u) << "the name entry, then the table";
    EXPECT_EQ(core::core_state().hof_table[1].score, best);
    for (int i = 0; i < 9; ++i) form().Timer_gameover.fire();
    EXPECT_EQ(ui::screen().gameover_frame, 10);
    form().Timer_gameover.fire();
    EXPECT_EQ(ui::screen().gameover_frame, 2);
    EXPECT_EQ(shown, after_first) << "later ticks, the wrap to 2 included, ask again";
}

TEST_F(GameOverScene, StoryStampsTheChosenPawn) {
    core::core_state().game_mode = core::GameMode::Story;
    modes::mode_state().pawn_char = 3;
    enter_scene();
    form().pbox_main->set_auto_redraw(true);
    form().pbox_main->draw().box(0, 0, 419, 319, platform::kBlack, true);
    form().pbox_main->set_auto_redraw(false);
    platform::ScriptedRandom at({100.0f / 420, 100.0f / 320});
    form().Timer_gameover.fire();
    // Where the sprite's mask is black the sprite shows; elsewhere the board stays black.
    const platform::Canvas& pawns = ui::form_clip().pbox_pawn;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 25; ++x) {
            const bool shows = pawns.pixel(25 + x, 75 + y) == platform::kBlack;
            const platform::Colour expected = shows ? pawns.pixel(x, 75 + y) : platform::kBlack;
            ASSERT_EQ(form().pbox_main->pixel(100 + x, 100 + y), expected) << x << "," << y;
        }
    }
}

TEST_F(GameOverScene, AFoundPieceSlidesDownAndStops) {
    form().pbox_cell[2]->move(300, 340);
    core::core_state().ans_index = 2;
    form().Timer_ansclose.set_enabled(true);
    form().Timer_ansclose.fire();
    EXPECT_EQ(form().pbox_cell[2]->top(), 370);
    EXPECT_EQ(form().pbox_cell[2]->left(), 300);
    form().Timer_ansclose.fire();
    EXPECT_TRUE(form().Timer_ansclose.enabled());
    form().Timer_ansclose.fire();
    EXPECT_FALSE(form().Timer_ansclose.enabled());
}

}  // namespace
