// Landing on squares, the return to the map after a round, the tenth secret and the castle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/round_links.h"
#include "modes/bonus_hints.h"
#include "modes/landing.h"
#include "modes/story_rounds.h"
#include "platform/random.h"
#include "support/story_fixture.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace {

using testing_support::StoryTest;

class Landing : public StoryTest {
protected:
    void win_secrets(int n) {
        for (int i = 1; i <= n; ++i) modes::mode_state().secret_state[static_cast<std::size_t>(i)] = core::secret_state::kWon;
    }
};

constexpr int kNone = -1;
enum class Then { Round, Reveal, Nothing };

struct LandingCase {
    int code;
    int secret;  // state of a secret on the square, or kNone
    bool castle_on;
    bool castle_here;
    Then then;
    int kind;           // round_kind after the landing
    core::RoundResult result_after;  // last_round_result after it, from Won before
};

TEST_F(Landing, WhatEachSquareGives) {
    std::vector<LandingCase> all;
    for (bool castle_on : {false, true}) {
        // The castle, when unveiled, stands elsewhere here.
        all.push_back({1, kNone, castle_on, false, Then::Nothing, core::story_round::kLanding, core::RoundResult::None});
        all.push_back({2, kNone, castle_on, false, Then::Round, core::story_round::kLevelPuzzle, core::RoundResult::Won});
        all.push_back({3, kNone, castle_on, false, Then::Round, core::story_round::kStar, core::RoundResult::Won});
        all.push_back({8, kNone, castle_on, false, Then::Nothing, core::story_round::kLanding, core::RoundResult::Won});
    }
    // A secret's square is a round square whatever the map says; the castle wins over all.
    for (int code : {core::map_square::kPath, core::map_square::kRound, core::map_square::kStar, core::map_square::kOther}) {
        for (bool castle_on : {false, true}) {
            all.push_back({code, core::secret_state::kHidden, castle_on, false, Then::Reveal, core::story_round::kLevelPuzzle, core::RoundResult::Won});
            all.push_back({code, core::secret_state::kRevealed, castle_on, false, Then::Round, 1, core::RoundResult::Won});
            all.push_back({code, core::secret_state::kWon, castle_on, false, Then::Nothing, core::story_round::kLevelPuzzle, core::RoundResult::Won});
        }
        all.push_back({code, core::secret_state::kWon, true, true, Then::Round, core::story_round::kCastle, core::RoundResult::Won});
        all.push_back({code, core::secret_state::kHidden, true, true, Then::Round, core::story_round::kCastle, core::RoundResult::Won});
        all.push_back({code, kNone, true, true, Then::Round, core::story_round::kCastle, core::RoundResult::Won});
    }
    const auto [col, row] = free_square(core::map_square::kPath);
    for (const LandingCase& c : all) {
        SCOPED_TRACE("code " + std::to_string(c.code) + " secret " + std::to_string(c.secret) + " castle " +
                     std::to_string(c.castle_on) + std::to_string(c.castle_here));
        SetUp();  // a fresh game for each case
        core::CoreState& s = core::core_state();
        modes::ModeState& m = modes::mode_state();
        s.map_grid[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = static_cast<std::uint8_t>(c.code);
        if (c.secret != kNone) {
            m.secret_col[1] = static_cast<std::uint8_t>(col);
            m.secret_row[1] = static_cast<std::uint8_t>(row);
            m.secret_state[1] = static_cast<std::int16_t>(c.secret);
        }
        s.castle_on = c.castle_on;
        if (c.castle_on) {
            m.secret_col[11] = static_cast<std::uint8_t>(c.castle_here ? col : m.secret_col[2]);
            m.secret_row[11] = static_cast<std::uint8_t>(c.castle_here ? row : m.secret_row[2]);
        }
        s.last_round_result = core::RoundResult::Won;
        form().Pbox_hint->set_visible(true);
        form().bt_arrow[core::direction::kRight]->set_visible(true);
        put_pawn(col, row);

        modes::land_square();

        EXPECT_EQ(s.round_kind, c.kind);
        EXPECT_EQ(s.last_round_result, c.result_after);
        EXPECT_FALSE(form().bt_arrow[core::direction::kRight]->visible());
        EXPECT_EQ(said("Secret round revealed! You can play this"), c.then == Then::Reveal);
        if (c.then == Then::Round) {
            EXPECT_EQ(ui::screen().pane_word, core::PaneWord::GenPuzzle);
            EXPECT_FALSE(form().Pbox_hint->visible());
            EXPECT_FALSE(form().pbox_dice->visible());
            continue;
        }
        EXPECT_EQ(ui::screen().pane_word, core::PaneWord::None);
        EXPECT_EQ(s.game_state, core::StateWord::RollDice);
        EXPECT_TRUE(form().Timer_dice.enabled());
        EXPECT_TRUE(form().Timer_pawn.enabled());
        // After a won round the hint comes back unless the landing was on a plain path.
        EXPECT_EQ(form().Pbox_hint->visible(), c.result_after == core::RoundResult::Won && !c.castle_on);
        if (c.then == Then::Reveal) {
            EXPECT_EQ(m.secret_state[1], core::secret_state::kRevealed);
            EXPECT_EQ(m.pawn_frame, -2);
            EXPECT_TRUE(said("round in your next trip."));
        } else if (c.secret != kNone) {
            EXPECT_EQ(m.secret_state[1], c.secret);
        }
    }
}

TEST_F(Landing, ARevealedSecretPlaysItsRoundOnTheNextLandingAndIsWonOnce) {
    put_pawn_on_secret(4);
    modes::land_square();
    stop_dice();
    modes::land_square();
    EXPECT_EQ(core::core_state().round_kind, 4);
    open_round();
    find_every_piece();
    back_to_map();
    EXPECT_EQ(modes::mode_state().secret_state[4], core::secret_state::kWon);
    EXPECT_EQ(core::core_state().level, 2);
    EXPECT_EQ(core::core_state().game_state, core::StateWord::ChooseBonus);
    EXPECT_FALSE(form().Timer_dice.enabled()) << "the dice waits for the choice";
    EXPECT_TRUE(form().Pbox_hint->visible());

    modes::apply_bonus(0);
    stop_dice();
    modes::land_square();  // the won secret's square gives nothing more
    EXPECT_EQ(core::core_state().game_state, core::StateWord::RollDice);
}

TEST_F(Landing, ALostRoundComesBackToARollingDiceWithoutAHint) {
    const auto [col, row] = free_square(core::map_square::kRound);
    put_pawn(col, row);
    modes::land_square();
    open_round();
    core::round_time_up();
    back_to_map();
    EXPECT_EQ(core::core_state().game_state, core::StateWord::RollDice);
    EXPECT_FALSE(form().Pbox_hint->visible());
    EXPECT_EQ(modes::mode_state().hint_frame, -1);
    EXPECT_EQ(modes::mode_state().pawn_col, col);
}

TEST_F(Landing, TheTenthWinOpensTheChooserAndUnveilsTheCastle) {
    win_secrets(9);
    modes::mode_state().secret_state[10] = core::secret_state::kRevealed;
    put_pawn_on_secret(10);
    modes::land_square();
    open_round();
    find_every_piece();
    back_to_map();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.level, 11);
    EXPECT_EQ(s.game_state, core::StateWord::ChooseBonus);
    EXPECT_TRUE(s.castle_on);
    EXPECT_EQ(modes::mode_state().final_secret, 10);
    EXPECT_EQ(modes::mode_state().secret_col[11], core::kCastleNotPlaced);
    EXPECT_TRUE(said("FINAL LEVEL REACHED!"));
    EXPECT_TRUE(said("Click to unveil the secret castle..."));
    EXPECT_FALSE(form().Pbox_hint->visible()) << "no hint once the castle is unveiled";
}

TEST_F(Landing, TheCastleIsNeverPlacedOnTheSecretJustWon) {
    for (int k : {1, 10}) {
        SCOPED_TRACE(k);
        SetUp();
        win_secrets(10);
        core::core_state().castle_on = true;
        modes::mode_state().final_secret = static_cast<std::uint8_t>(k);
        modes::mode_state().secret_col[11] = modes::mode_state().secret_row[11] = core::kCastleNotPlaced;
        const float gives_k = static_cast<float>(k - 1) / 9.0f;
        const int next = k % 10 + 1;
        const float gives_next = static_cast<float>(next - 1) / 9.0f;
        {
            platform::ScriptedRandom script({gives_k, gives_k, gives_next});
            modes::place_castle();
            EXPECT_EQ(script.taken(), 3u);
        }
        EXPECT_EQ(modes::mode_state().secret_col[11], modes::mode_state().secret_col[static_cast<std::size_t>(next)]);
        EXPECT_EQ(modes::mode_state().secret_row[11], modes::mode_state().secret_row[static_cast<std::size_t>(next)]);
        EXPECT_EQ(modes::mode_state().secret_state[11], core::secret_state::kRevealed);
        EXPECT_TRUE(said("GOOD LUCK!"));
        // A sequence stuck on the same number still places the castle elsewhere.
        modes::mode_state().secret_col[11] = core::kCastleNotPlaced;
        platform::ScriptedRandom stuck({gives_k});
        modes::place_castle();
        EXPECT_NE(modes::mode_state().secret_col[11], core::kCastleNotPlaced);
        EXPECT_FALSE(modes::mode_state().secret_col[11] == modes::mode_state().secret_col[static_cast<std::size_t>(k)] &&
                     modes::mode_state().secret_row[11] == modes::mode_state().secret_row[static_cast<std::size_t>(k)]);
    }
}

TEST_F(Landing, TheCastleRoundWinHidesEndGameBeforeTheStoryIsWon) {
    win_secrets(10);
    core::core_state().castle_on = true;
    modes::mode_state().final_secret = 10;
    {
        platform::ScriptedRandom script({0.0f});
        modes::place_castle();  // on secret 1's square
    }
    ui::show_bt(core::kEndGameButton, 1);
    put_pawn_on_secret(1);
    modes::land_square();
    EXPECT_EQ(core::core_state().round_kind, core::story_round::kCastle);
    open_round();
    const platform::Picture castle = ui::form_clip().pclip_castle.cell(0);
    for (int y = 10; y < 320; y += 60) {
        EXPECT_EQ(form().pbox_temp->pixel(205, y), platform::from_qrgb(castle.pixel(205, y))) << y;
    }
    find_every_piece();
    EXPECT_TRUE(core::core_state().castle_won);
    EXPECT_EQ(ui::screen().pane_word, core::PaneWord::GameWon1);
    EXPECT_FALSE(form().Label_bt[core::kEndGameButton]->visible());
    EXPECT_FALSE(form().Shape_bt[core::kEndGameButton]->visible());
}

}  // namespace
