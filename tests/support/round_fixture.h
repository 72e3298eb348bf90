// A main window at the title screen, set up to play Linear rounds driven by hand-fired timers.
#pragma once

#include "core/game_state.h"
#include "core/round_flow.h"
#include "core/startup.h"
#include "modes/linear.h"
#include "support/game_fixture.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace testing_support {

class RoundTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        form().Form_Load();
        core::CoreState& s = core::core_state();
        core::core_state().game_mode = core::GameMode::Linear;
        core::init_difficulty_tables();
        modes::init_linear();
        s.game_state = core::StateWord::Starting;
        s.time_limit = 20;
        s.miss_limit = 3;
        s.cur_diff.penalty = 20;
        s.quote_count = 1;
        s.quote[1] = "Well done!";
    }

    // Fires the transition timer until the running half ends (the next half, if its action
    // starts one, is left waiting); returns the ticks it took.
    int finish_half() {
        int ticks = 0;
        while (form().Timer_pane.enabled() && ticks < 50) {
            form().Timer_pane.fire();
            ++ticks;
            if (ui::screen().pane_step == 0) break;  // a new half has just begun
        }
        return ticks;
    }

    // From anywhere: the next Linear round prepared and started.
    void start_round() {
        modes::genpuzzle_pane();
        finish_half();
        finish_half();
    }

    // Points the cursor at piece i's cell.
    void aim_at(int i) {
        core::core_state().cur_col = core::core_state().tgt_col[static_cast<std::size_t>(i)];
        core::core_state().cur_row = core::core_state().tgt_row[static_cast<std::size_t>(i)];
    }
    // Points the cursor at a cell that holds no piece.
    void aim_beside() {
        core::CoreState& s = core::core_state();
        for (int c = 1; c <= s.grid_cols; ++c) {
            for (int r = 1; r <= s.grid_rows; ++r) {
                bool free = true;
                for (int i = 1; i <= s.tgt_count; ++i) {
                    const auto k = static_cast<std::size_t>(i);
                    free = free && !(s.tgt_col[k] == c && s.tgt_row[k] == r);
                }
                if (free) {
                    s.cur_col = static_cast<std::int16_t>(c);
                    s.cur_row = static_cast<std::int16_t>(r);
                    return;
                }
            }
        }
    }
};

}  // namespace testing_support
