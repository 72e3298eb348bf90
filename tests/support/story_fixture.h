// Story games on the shipped map driven by hand-fired timers: StoryTripTest starts at the title
// screen and plays trips as a player would; StoryTest starts on the map with the secrets placed,
// for landings and rounds.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "core/map_file.h"
#include "core/pieces.h"
#include "modes/dice.h"
#include "modes/landing.h"
#include "modes/mode_state.h"
#include "modes/story_map.h"
#include "modes/story_start.h"
#include "support/round_fixture.h"
#include "ui/menu.h"
#include "ui/transition.h"

namespace testing_support {

class StoryTripTest : public RoundTest {
protected:
    void SetUp() override {
        RoundTest::SetUp();
        core::core_state().game_mode = core::GameMode::Menu;  // the title screen
        ASSERT_TRUE(core::core_state().story_available) << core::core_state().map_problem;
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
        return core::core_state().map_grid[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (auto* l : form().Label_msg) out.push_back(l->caption());
        return out;
    }
    bool said(const std::string& text) {
        const std::vector<std::string> all = lines();
        return std::find(all.begin(), all.end(), text) != all.end();
    }
    const std::string& last_line() {
        return form().Label_msg[static_cast<std::size_t>(std::max<int>(0, modes::mode_state().msg_line))]->caption();
    }
};

class StoryTest : public StoryTripTest {
protected:
    void SetUp() override {
        StoryTripTest::SetUp();
        if (HasFatalFailure()) return;
        core::CoreState& s = core::core_state();
        core::core_state().game_mode = core::GameMode::Story;
        set_difficulty(0);
        s.last_round_result = core::RoundResult::None;
        s.castle_on = false;
        s.castle_won = false;
        s.level = 1;
        s.misses = 0;
        modes::ModeState& m = modes::mode_state();
        // Each secret on its anchor's neighbour in the first direction of its record.
        for (int i = 1; i <= 10; ++i) {
            const auto k = static_cast<std::size_t>(i);
            int c = s.anchor_col[k], r = s.anchor_row[k];
            switch (s.secret_dirs[k].at(0)) {
                case 'L': --c; break;
                case 'R': ++c; break;
                case 'U': --r; break;
                case 'D': ++r; break;
                default: break;
            }
            m.secret_col[k] = static_cast<std::uint8_t>(c);
            m.secret_row[k] = static_cast<std::uint8_t>(r);
            m.secret_state[k] = core::secret_state::kHidden;
        }
        m.secret_col[11] = m.secret_row[11] = core::kCastleNotPlaced;
        m.secret_state[11] = core::secret_state::kHidden;
        m.pawn_col = 11;
        m.pawn_row = 8;
    }

    void set_difficulty(int d) {
        core::CoreState& s = core::core_state();
        s.cur_story_diff = s.story_diff_table[static_cast<std::size_t>(d)];
        s.time_limit = s.cur_story_diff.secs;
        s.miss_limit = s.cur_story_diff.max_misses;
    }

    void put_pawn(int col, int row) {
        modes::mode_state().pawn_col = static_cast<std::int16_t>(col);
        modes::mode_state().pawn_row = static_cast<std::int16_t>(row);
    }
    void put_pawn_on_secret(int i) {
        const auto k = static_cast<std::size_t>(i);
        put_pawn(modes::mode_state().secret_col[k], modes::mode_state().secret_row[k]);
    }
    bool has_secret(int col, int row) {
        for (int i = 1; i <= 11; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (modes::mode_state().secret_col[k] == col && modes::mode_state().secret_row[k] == row) return true;
        }
        return false;
    }
    // The first square of the map with this code and no secret on it.
    std::pair<int, int> free_square(int code) {
        for (int r = 1; r <= 16; ++r) {
            for (int c = 1; c <= 21; ++c) {
                if (code_at(c, r) == code && !has_secret(c, r)) {
                    return {c, r};
                }
            }
        }
        ADD_FAILURE() << "no free square of code " << code;
        return {1, 1};
    }

    // The player stops the dice: the walk may begin (and an unveiled castle is placed).
    void stop_dice() {
        modes::dice_stopped();
        ASSERT_EQ(core::core_state().game_state, core::StateWord::WalkMap);
        ASSERT_FALSE(form().Timer_dice.enabled());
    }

    // The round the landing started, prepared and under way.
    void open_round() {
        ASSERT_EQ(ui::screen().pane_word, core::PaneWord::GenPuzzle);
        finish_half();
        finish_half();
        ASSERT_EQ(core::core_state().game_state, core::StateWord::PlayPuzzle);
    }
    void find_every_piece() {
        for (int i = 1; i <= core::core_state().tgt_count; ++i) {
            aim_at(i);
            core::check_answer();
        }
    }
    // From the end of a round back on the map: the map is drawn behind the closed board and
    // revealed, and the start action of "STARTMAP2" has run.
    void back_to_map() {
        ASSERT_EQ(ui::screen().pane_word, core::PaneWord::StartMap1);
        finish_half();
        ASSERT_EQ(ui::screen().pane_word, core::PaneWord::StartMap2);
        finish_half();
        ASSERT_FALSE(form().Timer_pane.enabled());
    }
};

}  // namespace testing_support
