// Entering PuzzleLand: the secrets placed from the map's anchors, their icons, the map screen.
#include <gtest/gtest.h>

#include "core/utility.h"
#include "modes/story_map.h"
#include "platform/random.h"
#include "support/story_fixture.h"
#include "ui/picture_store.h"

namespace {

using testing_support::StoryTripTest;

class StoryMap : public StoryTripTest {};

TEST_F(StoryMap, PlayGameEntersTheMapAndRollsTheDice) {
    form().Label_msg[0]->set_caption("a Linear line");
    enter_map();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.game_state, core::StateWord::RollDice);
    EXPECT_TRUE(form().Timer_dice.enabled());
    EXPECT_EQ(form().Timer_dice.interval(), 80);
    EXPECT_FALSE(form().pbox_main->enabled()) << "no map clicks until the dice stops";
    EXPECT_EQ(lines(), (std::vector<std::string>{"You are now in the realm of PuzzleLand.", "Click on dice to stop", "", ""}));
    EXPECT_EQ(s.cell_w, 20);
    EXPECT_EQ(form().Label_timer->caption(), "20");
    EXPECT_EQ(s.miss_limit, 5);
    // The map is on the board, with the pawn drawn on its start square.
    const platform::Picture map = ui::form_clip().pclip_storymap.cell(0);
    EXPECT_EQ(form().pbox_main->pixel(5, 300), static_cast<platform::Colour>(platform::from_qrgb(map.pixel(5, 300))));
    EXPECT_EQ(modes::mode_state().pawn_lastx, 10 * 20 - 2);
    EXPECT_EQ(modes::mode_state().pawn_lasty, 7 * 20 - 10);
}

TEST_F(StoryMap, EachSecretTakesOneDrawAndOneOfItsRecordsLetters) {
    // Record 1 offers "LRUD": the end letters are half as likely as the middle ones.
    core::core_state().secret_dirs[1] = "LRUD";
    struct Case { float r; int dc; int dr; };
    const Case cases[] = {{0.16f, -1, 0}, {0.17f, 1, 0}, {0.49f, 1, 0}, {0.51f, 0, -1}, {0.83f, 0, -1}, {0.84f, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r);
        std::vector<core::DrawRecord> draws;
        core::set_draw_recorder(&draws);
        {
            platform::ScriptedRandom script({c.r});
            modes::init_story();
        }
        core::set_draw_recorder(nullptr);
        ASSERT_EQ(draws.size(), 10u);
        for (int i = 1; i <= 10; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const int n = static_cast<int>(core::core_state().secret_dirs[k].size()) - 1;
            EXPECT_EQ(draws[k - 1], (core::DrawRecord{false, 1, n})) << i;
        }
        EXPECT_EQ(modes::mode_state().secret_col[1], core::core_state().anchor_col[1] + c.dc);
        EXPECT_EQ(modes::mode_state().secret_row[1], core::core_state().anchor_row[1] + c.dr);
    }
}

TEST_F(StoryMap, SecretsLieOnTheRoadNextToTheirAnchorsAndStartHidden) {
    for (int game = 0; game < 5; ++game) {
        modes::init_story();
        const modes::ModeState& m = modes::mode_state();
        for (int i = 1; i <= 10; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const int dc = m.secret_col[k] - core::core_state().anchor_col[k];
            const int dr = m.secret_row[k] - core::core_state().anchor_row[k];
            EXPECT_EQ(std::abs(dc) + std::abs(dr), 1) << i;
            EXPECT_NE(code_at(m.secret_col[k], m.secret_row[k]), 0) << i;
            EXPECT_EQ(m.secret_state[k], core::secret_state::kHidden);
        }
        EXPECT_EQ(m.secret_col[11], core::kCastleNotPlaced);
    }
}

TEST_F(StoryMap, SecretIconsAreCopiedFromTheStrip) {
    const platform::PictureBox& strip = *form().pbox_icosecret;
    // The strip holds the game's icons, framed, not a blank picture.
    const platform::Picture& icons = ui::form_clip().icosecret;
    EXPECT_EQ(strip.pixel(26 * 4 + 12, 26 + 12), static_cast<platform::Colour>(platform::from_qrgb(icons.pixel(26 * 4 + 12, 26 + 12))));
    EXPECT_NE(strip.pixel(26 * 4 + 12, 26 + 12), platform::kWhite);

    enter_map();
    modes::ModeState& m = modes::mode_state();
    // Row 0 keeps the map under each secret.
    for (int i = 1; i <= 10; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_EQ(strip.pixel(26 * (i - 1) + 5, 5), form().pbox_temp->pixel((m.secret_col[k] - 1) * 20 + 2, (m.secret_row[k] - 1) * 20 + 2)) << i;
    }
    m.secret_col[3] = 5;
    m.secret_row[3] = 7;
    modes::draw_secret(4, core::secret_state::kWon, 0);
    EXPECT_EQ(m.secret_state[4], core::secret_state::kWon);
    modes::draw_secret(3, core::secret_state::kRevealed, 0);
    form().pbox_main->set_auto_redraw(true);
    modes::draw_secret(3, modes::kDrawStored, 1);
    for (int y = 0; y < 26; y += 5) {
        for (int x = 0; x < 26; x += 5) {
            EXPECT_EQ(form().pbox_main->pixel(77 + x, 117 + y), strip.pixel(52 + x, 26 + y)) << x << "," << y;
        }
    }
    modes::draw_secret(3, core::secret_state::kHidden, 0);
    modes::draw_secret(3, modes::kDrawStored, 1);
    EXPECT_EQ(form().pbox_main->pixel(77 + 13, 117 + 13), strip.pixel(52 + 13, 13));
}

}  // namespace
