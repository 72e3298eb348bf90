// A main window at the title screen, set up to play Story trips driven by hand-fired timers.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "modes/dice.h"
#include "modes/mode_state.h"
#include "modes/story_start.h"
#include "support/round_fixture.h"
#include "ui/menu.h"

namespace testing_support {

class StoryTripTest : public RoundTest {
protected:
    void SetUp() override {
        RoundTest::SetUp();
        ui::screen().game_mode = 0;  // the title screen
        ASSERT_TRUE(core::state().story_available) << core::state().map_problem;
    }

    // "Start Story Game", "play game", and the map revealed: the dice is rolling.
    void enter_map(int difficulty = 0) {
        modes::start_story();
        ui::select_story_difficulty(difficulty);
        ui::Label_bt_Click(2);
        finish_half();
        finish_half();
    }
    // Lets the dice show `faces` faces, then stops it with a click.
    void roll(int faces) {
        for (int i = 0; i < faces; ++i) form().Timer_dice.fire();
        modes::pbox_dice_Click();
    }
    // Fires the slide until the step ends; returns the frames it took.
    int finish_walk() {
        int ticks = 0;
        while (form().Timer_walk.enabled() && ticks < 10) {
            form().Timer_walk.fire();
            ++ticks;
        }
        return ticks;
    }
    std::uint8_t code_at(int col, int row) const {
        return core::state().map_grid[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (auto* l : form().Label_msg) out.push_back(l->caption());
        return out;
    }
    const std::string& last_line() {
        return form().Label_msg[static_cast<std::size_t>(std::max<int>(0, modes::state().msg_line))]->caption();
    }
};

}  // namespace testing_support
