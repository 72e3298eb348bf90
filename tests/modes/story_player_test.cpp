// A scripted player rolls and walks hundreds of trips on the shipped map: at every square the
// arrows offered are exactly the road squares next to the pawn, less the way it came, and each
// of the three ways of choosing a step takes the pawn there. (Timers and the pawn staying on the
// road are checked at every tick of the whole scripted game.)
#include <gtest/gtest.h>

#include <random>

#include "core/pieces.h"
#include "modes/bonus_hints.h"
#include "modes/walking.h"
#include "support/story_fixture.h"
#include "ui/input.h"
#include "ui/transition.h"

namespace {

using testing_support::StoryTripTest;

class StoryPlayer : public StoryTripTest {
protected:
    // Plays out whatever the landing started (a round, a reveal, the bonus chooser) until the
    // dice rolls again; false once the story is won and the map is gone.
    bool settle() {
        for (int guard = 0; guard < 400; ++guard) {
            core::CoreState& s = core::state();
            if (s.game_state == "rolldice" && !form().Timer_pane.enabled()) return true;
            if (s.game_state == "gamewon" || s.game_state == "gameover") return false;
            if (form().Timer_pane.enabled()) {
                finish_half();
            } else if (form().Timer_box.enabled()) {
                form().Timer_box.fire();
            } else if (s.game_state == "playpuzzle") {
                for (int i = 1; i <= s.tgt_count; ++i) {
                    aim_at(i);
                    core::check_answer();
                }
            } else if (s.game_state == "choosebonus") {
                modes::apply_bonus(1);
            } else {
                ADD_FAILURE() << "stuck in \"" << s.game_state << "\"";
                return false;
            }
        }
        ADD_FAILURE() << "the landing never gave the dice back";
        return false;
    }
};

TEST_F(StoryPlayer, HundredsOfTripsKeepThePawnOnTheRoadAndNeverTurnBack) {
    enter_map(1);
    std::mt19937 gen(4104);
    const int dx[5] = {0, -1, 1, 0, 0};
    const int dy[5] = {0, 0, 0, -1, 1};
    const int back[5] = {0, 2, 1, 4, 3};
    int trips = 0, steps = 0, refusals = 0;
    while (trips < 300) {
        ASSERT_EQ(core::state().game_state, "rolldice");
        roll(1 + static_cast<int>(gen() % 12));
        const int rolled = modes::state().moves_left;
        ASSERT_GE(rolled, 1);
        ASSERT_LE(rolled, 6);
        int came = 0;  // the last step's direction within this trip
        for (int step = 0; step < rolled; ++step) {
            ASSERT_EQ(core::state().game_state, "walkmap");
            ASSERT_EQ(modes::state().moves_left, rolled - step);
            const int col = modes::state().pawn_col, row = modes::state().pawn_row;
            std::vector<int> open;
            for (int d = 1; d <= 4; ++d) {
                const bool shown = form().bt_arrow[static_cast<std::size_t>(d)]->visible();
                const bool allowed = code_at(col + dx[d], row + dy[d]) != 0 && (came == 0 || d != back[came]);
                ASSERT_EQ(shown, allowed) << "arrow " << d << " at " << col << "," << row;
                if (allowed) open.push_back(d);
            }
            ASSERT_FALSE(open.empty()) << "trapped at " << col << "," << row;
            if (came != 0 && code_at(col + dx[back[came]], row + dy[back[came]]) != 0 && gen() % 5 == 0) {
                core::state().cur_col = static_cast<std::int16_t>(col + dx[back[came]]);
                core::state().cur_row = static_cast<std::int16_t>(row + dy[back[came]]);
                ui::pbox_main_Click();
                ASSERT_EQ(last_line(), "You are not allowed to turn back!");
                ASSERT_EQ(modes::state().pawn_col, col);
                ++refusals;
            }
            const int d = open[gen() % open.size()];
            switch (gen() % 3) {  // the three ways of choosing a step
                case 0: modes::bt_arrow_Click(d); break;
                case 1: ui::Form_KeyDown(d == 1 ? 37 : d == 2 ? 39 : d == 3 ? 38 : 40, 0); break;
                default:
                    form().pbox_main->on_mouse_move({0, 0, (col + dx[d]) * 20.0f - 7, (row + dy[d]) * 20.0f - 13});
                    form().pbox_main->on_click();
                    break;
            }
            ASSERT_EQ(core::state().game_state, "walking");
            finish_walk();
            ASSERT_EQ(modes::state().pawn_col, col + dx[d]);
            ASSERT_EQ(modes::state().pawn_row, row + dy[d]);
            came = d;
            ++steps;
            if (core::state().game_state != "walkmap") break;  // landed
        }
        ++trips;
        if (!settle()) break;
    }
    EXPECT_GT(steps, 3 * trips);
    EXPECT_GT(refusals, 20);
}

}  // namespace
