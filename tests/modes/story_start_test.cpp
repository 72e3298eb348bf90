// The Story start screen: blinds, characters, the difficulty panel's slide and the laugh.
#include <gtest/gtest.h>

#include <QWidget>

#include "core/utility.h"
#include "support/story_fixture.h"
#include "ui/picture_store.h"

namespace {

using testing_support::StoryTripTest;

class StoryStart : public StoryTripTest {
protected:
    // Whether board row y shows the intro picture across the whole width.
    bool row_shows_intro(int y) {
        const platform::PictureBox& intro = *form().pbox_cell[0];
        for (int x = 0; x < 420; ++x) {
            if (form().pbox_main->pixel(x, y) != intro.pixel(x, y)) return false;
        }
        return true;
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form().Timer_menu.fire();
    }
};

TEST_F(StoryStart, BlindsRevealTwoRowsOfEveryBandPerTickThenTheWholePicture) {
    modes::start_story();
    EXPECT_EQ(form().pbox_cell[0]->picture(), ui::form_clip().PCLIP_story.cell(0));
    EXPECT_FALSE(row_shows_intro(0)) << "the title is still up";

    ticks(1);
    for (int band = 0; band < 320; band += 20) {
        EXPECT_TRUE(row_shows_intro(band) && row_shows_intro(band + 1)) << band;
        EXPECT_FALSE(row_shows_intro(band + 2)) << band;
    }
    ticks(8);
    for (int band = 0; band < 320; band += 20) {
        EXPECT_TRUE(row_shows_intro(band + 17)) << band;
        EXPECT_FALSE(row_shows_intro(band + 18)) << band;
        EXPECT_FALSE(row_shows_intro(band + 19)) << band;
    }
    EXPECT_FALSE(form().Img_hotspot[0]->visible());
    ticks(1);  // tick 18
    EXPECT_TRUE(row_shows_intro(19));
    EXPECT_TRUE(row_shows_intro(318));
}

TEST_F(StoryStart, CharactersAndTheirClickAreasAppearAtTickEighteen) {
    modes::start_story();
    ticks(10);
    const platform::Canvas& sheet = ui::form_clip().pbox_pawn;
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const platform::Image& spot = *form().Img_hotspot[static_cast<std::size_t>(i)];
        EXPECT_TRUE(spot.visible());
        EXPECT_EQ(spot.left(), 235 + 35 * i);
        EXPECT_EQ(spot.top(), 279);
        EXPECT_EQ(spot.tool_tip(), "Choose your favorite character");
        // Where the sprite's mask is black the board shows the sprite of row i.
        int drawn = 0;
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 25; ++x) {
                if (sheet.pixel(25 + x, 25 * i + y) != platform::kBlack) continue;
                EXPECT_EQ(form().pbox_main->pixel(240 + 35 * i + x, 284 + y), sheet.pixel(x, 25 * i + y));
                ++drawn;
            }
        }
        EXPECT_GT(drawn, 100);
    }
    EXPECT_EQ(form().Shape_menucs->left(), 235);

    form().Img_hotspot[3]->on_click();
    EXPECT_EQ(modes::mode_state().pawn_char, 3);
    EXPECT_EQ(form().Shape_menucs->left(), 340);
    EXPECT_EQ(form().Shape_menucs->top(), 279);
}

TEST_F(StoryStart, PanelSlidesUpTenPixelsPerTickAndStopsAtTickThirtyEight) {
    modes::start_story();
    ticks(10);  // through tick 18
    std::vector<int> tops;
    for (int i = 0; i < 12; ++i) {
        ticks(1);
        tops.push_back(form().pbox_storymenu->top());
        EXPECT_EQ(form().Shape_storymenu->top(), tops.back() - 5);
        EXPECT_EQ(form().pbox_storymenu->left(), 55);
    }
    EXPECT_EQ(tops, (std::vector<int>{318, 308, 298, 288, 278, 268, 258, 248, 238, 228, 228, 228}));
}

TEST_F(StoryStart, LaughJumpsEverySixthFrameAndWrapsFrom120To40) {
    std::vector<core::DrawRecord> draws;
    core::set_draw_recorder(&draws);
    modes::start_story();
    std::vector<int> laughs;
    std::vector<int> frames;
    for (int i = 0; i < 70; ++i) {
        const int frame = modes::mode_state().menu_tick;
        frames.push_back(frame);
        const std::size_t before = draws.size();
        form().Timer_menu.fire();
        if (draws.size() == before) continue;
        laughs.push_back(frame);
        ASSERT_EQ(draws.size(), before + 2);
        EXPECT_EQ(draws[before], (core::DrawRecord{false, 230, 50})) << "x first";
        EXPECT_EQ(draws[before + 1], (core::DrawRecord{false, 170, 70}));
        EXPECT_EQ(form().Label_story->caption(), "hahahaha...!");
    }
    core::set_draw_recorder(nullptr);
    std::vector<int> want;
    for (int t = 22; t <= 118; t += 6) want.push_back(t);
    for (int t = 40; t <= frames.back(); t += 6) want.push_back(t);
    EXPECT_EQ(laughs, want);
    EXPECT_EQ(frames[60], 120);
    EXPECT_EQ(frames[61], 40);
}

TEST_F(StoryStart, TheJumpingLaughNeverCoversTheScreensClickAreas) {
    modes::start_story();
    ticks(30);  // the panel is up and the laugh has jumped
    ASSERT_TRUE(form().Label_story->visible());
    QWidget* board = form().pbox_main->client_widget();
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(board->childAt(240 + 35 * i + 12, 284 + 12), form().Img_hotspot[static_cast<std::size_t>(i)]->widget()) << i;
    }
    for (int i = 0; i <= 2; ++i) {
        const platform::Label& choice = *form().Label_misdiff[static_cast<std::size_t>(i)];
        EXPECT_EQ(board->childAt(55 + choice.left() + 20, 233 + choice.top() + 8), choice.widget()) << i;
    }
}

// A second visit starts over: "Medium" and the first character, whatever the last game chose,
// so that "play game" before the characters appear plays character 0.
TEST_F(StoryStart, EveryVisitStartsFromMediumAndTheFirstCharacter) {
    modes::start_story();
    ticks(30);
    form().Img_hotspot[4]->on_click();
    form().Label_misdiff[2]->on_click();
    ASSERT_EQ(modes::mode_state().story_diff, 2);
    ui::Label_bt_Click(1);
    finish_half();
    finish_half();
    ASSERT_EQ(core::core_state().game_state, core::StateWord::MainMenu);

    modes::start_story();
    EXPECT_EQ(modes::mode_state().story_diff, 0);
    EXPECT_EQ(form().Shape_misdiff->left(), form().Label_misdiff[0]->left() - 4);
    EXPECT_EQ(modes::mode_state().pawn_char, 0);
}

TEST_F(StoryStart, AnUnusableMapSaysWhyAndStaysOnTheTitle) {
    core::core_state().story_available = false;
    core::core_state().map_problem = "mappath.dat: square (5, 7) is a dead end, where the pawn would be trapped.";
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way);
        boxes.calls.clear();
        if (way == 0) ui::Label_mi_Click(1);
        else form().Command3_Click();
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_EQ(boxes.calls[0].text, core::core_state().map_problem);
        EXPECT_EQ(core::core_state().game_mode, core::GameMode::Menu);
        EXPECT_FALSE(form().Timer_menu.enabled());
    }
}

}  // namespace
