// A whole Story game on the shipped map and pictures, from the first landing to the castle.
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <utility>

#include "modes/bonus_hints.h"
#include "platform/random.h"
#include "support/story_fixture.h"

namespace {

using testing_support::StoryTest;

class StoryGame : public StoryTest {
protected:
    int won() {
        int n = 0;
        for (std::size_t i = 1; i <= 10; ++i) n += modes::state().secret_state[i] == 2;
        return n;
    }

    // What must hold whenever the player could act.
    void check_invariants(const char* where) {
        SCOPED_TRACE(where);
        const core::CoreState& s = core::state();
        const std::string& st = s.game_state;
        EXPECT_EQ(form().Timer_dice.enabled(), st == "rolldice") << st;
        EXPECT_EQ(form().Timer_timer.enabled(), st == "playpuzzle") << st;
        EXPECT_FALSE(form().Timer_walk.enabled());
        EXPECT_FALSE(form().Timer_pane.enabled());
        EXPECT_LE(s.misses, s.miss_limit);
        for (std::size_t i = 1; i <= 10; ++i) {
            EXPECT_GE(modes::state().secret_state[i], last_states_[i]) << "secret " << i << " went back";
            last_states_[i] = modes::state().secret_state[i];
        }
        if (st == "rolldice" || st == "choosebonus") {
            EXPECT_EQ(s.level, 1 + won());
        }
    }

    // Every square the pawn can reach from the start along the roads.
    std::set<std::pair<int, int>> reachable() {
        std::set<std::pair<int, int>> seen{{11, 8}};
        std::deque<std::pair<int, int>> todo{{11, 8}};
        while (!todo.empty()) {
            const auto [c, r] = todo.front();
            todo.pop_front();
            for (const auto& [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                const int nc = c + dc, nr = r + dr;
                if (nc < 1 || nc > 21 || nr < 1 || nr > 16) continue;
                if (core::state().map_grid[static_cast<std::size_t>(nc)][static_cast<std::size_t>(nr)] == 0) continue;
                if (seen.insert({nc, nr}).second) todo.push_back({nc, nr});
            }
        }
        return seen;
    }

    void play_round(bool with_a_miss) {
        open_round();
        check_invariants("round");
        if (with_a_miss && core::state().misses + 1 < core::state().miss_limit) {
            aim_beside();
            core::check_answer();
        }
        find_every_piece();
    }

    std::array<std::int16_t, 13> last_states_{};
};

TEST_F(StoryGame, AllTenSecretsThenTheCastle) {
    platform::seed_random(11);
    const auto roads = reachable();
    for (int i = 1; i <= 10; ++i) {
        const auto k = static_cast<std::size_t>(i);
        ASSERT_TRUE(roads.count({modes::state().secret_col[k], modes::state().secret_row[k]})) << "secret " << i;
    }
    const auto level_square = free_square(2);
    const auto special_square = free_square(3);

    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE("secret " + std::to_string(i));
        // A level puzzle on the way, and now and then the special round or a round lost on time.
        put_pawn(level_square.first, level_square.second);
        modes::land_square();
        EXPECT_EQ(core::state().round_kind, 0);
        if (i % 4 == 0) {
            open_round();
            core::round_time_up();
        } else {
            play_round(i % 2 == 1);
        }
        back_to_map();
        check_invariants("after a level round");
        stop_dice();
        if (i == 5) {
            put_pawn(special_square.first, special_square.second);
            modes::land_square();
            play_round(false);
            back_to_map();
            stop_dice();
        }

        put_pawn_on_secret(i);
        modes::land_square();
        EXPECT_EQ(modes::state().secret_state[static_cast<std::size_t>(i)], 1);
        check_invariants("after the reveal");
        stop_dice();
        modes::land_square();
        EXPECT_EQ(core::state().round_kind, i);
        play_round(true);
        EXPECT_EQ(modes::state().secret_state[static_cast<std::size_t>(i)], 2);
        back_to_map();
        EXPECT_EQ(core::state().game_state, "choosebonus");
        check_invariants("at the chooser");
        EXPECT_EQ(core::state().castle_on, i == 10);
        modes::apply_bonus(i % 3);
        check_invariants("after the bonus");
        stop_dice();
    }

    // The castle stands on one of the other nine secrets; landing there plays its round.
    EXPECT_EQ(won(), 10);
    const modes::ModeState& m = modes::state();
    ASSERT_NE(m.secret_col[11], 99);
    EXPECT_FALSE(m.secret_col[11] == m.secret_col[10] && m.secret_row[11] == m.secret_row[10]);
    put_pawn(m.secret_col[11], m.secret_row[11]);
    modes::land_square();
    EXPECT_EQ(core::state().round_kind, 11);
    play_round(false);
    EXPECT_TRUE(core::state().castle_won);
    EXPECT_EQ(ui::screen().pane_word, "GAMEWON1");
    EXPECT_EQ(core::state().round_no, 10 + 10 + 1 + 1) << "level, secret, special and castle rounds";
}

}  // namespace
