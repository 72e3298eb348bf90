// The end of a story: the won story counted and on disk, the game-won scene's ticks, the ending
// pages and their button.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <limits>

#include "core/scramble.h"
#include "core/settings.h"
#include "modes/story_ending.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/round_fixture.h"
#include "ui/form_entername.h"
#include "ui/scenes.h"
#include "ui/transition.h"

namespace {

using testing_support::RoundTest;

constexpr platform::Colour kPanelBlue = platform::rgb(0, 0, 192);

// The count as the settings file's text holds it now, read without the settings store (which
// keeps what it read per process): the value line with INI quoting undone, then unscrambled.
int stories_won_on_disk() {
    QFile file(QString::fromStdString(platform::settings_file("quorvel")));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const std::string line = raw.trimmed().toStdString();
        if (line.rfind("STORYWON=", 0) != 0) continue;
        std::string v = line.substr(9);
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        std::string plain;
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (v[i] == '\\' && i + 1 < v.size()) ++i;
            plain += v[i];
        }
        return static_cast<int>(core::unscramble_number(plain));
    }
    return -1;
}

class StoryEnding : public RoundTest {
protected:
    void SetUp() override {
        RoundTest::SetUp();
        platform::Form::set_modal_runner([this](platform::Form& f) {
            ++windows_shown;
            if (auto* entry = dynamic_cast<ui::FormEntername*>(&f)) {
                entry->ok_click();
            } else {
                f.close();
            }
        });
    }
    // The last piece of the castle round has just been found.
    void win_castle_round() {
        core::CoreState& s = core::core_state();
        core::core_state().game_mode = core::GameMode::Story;
        for (int i = 1; i <= 10; ++i) modes::mode_state().secret_state[static_cast<std::size_t>(i)] = core::secret_state::kWon;
        s.castle_on = true;
        s.round_kind = core::story_round::kCastle;
        s.round_time_left = 0;
        s.game_state = core::StateWord::PlayPuzzle;
        core::win_round();
        ASSERT_EQ(ui::screen().pane_word, core::PaneWord::GameWon1);
    }
    void enter_scene() {
        win_castle_round();
        finish_half();
        finish_half();
        ASSERT_EQ(core::core_state().game_state, core::StateWord::GameWon);
        ASSERT_TRUE(form().Timer_gamewon.enabled());
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form().Timer_gamewon.fire();
    }
    platform::Colour fade_entry(int k) { return pictures::picture_state().grad_colors[static_cast<std::size_t>(k)]; }
    ui::ScreenState& sc() { return ui::screen(); }
    int windows_shown = 0;
};

TEST_F(StoryEnding, EachWonStoryIsOnDiskBeforeTheSceneGoesOn) {
    win_castle_round();
    finish_half();  // full cover: the story is counted
    EXPECT_EQ(core::core_state().stories_won, 1);
    EXPECT_EQ(stories_won_on_disk(), 1);

    finish_half();
    win_castle_round();  // a second story in the same run
    finish_half();
    EXPECT_EQ(core::core_state().stories_won, 2);
    EXPECT_EQ(stories_won_on_disk(), 2);
}

TEST_F(StoryEnding, TheCountStopsAtItsTopInsteadOfWrapping) {
    core::core_state().stories_won = std::numeric_limits<std::int16_t>::max();
    win_castle_round();
    finish_half();
    EXPECT_EQ(core::core_state().stories_won, 32767);
    EXPECT_EQ(stories_won_on_disk(), 32767);
}

TEST_F(StoryEnding, TheSceneCountsChecksTheHallOfFameOnceAndStartsTheFireworksLate) {
    core::core_state().score = 20000;  // enters the built-in table at the top
    enter_scene();
    EXPECT_EQ(sc().fw_count, 6);
    EXPECT_EQ(sc().fw_xmin, 160);
    ticks(14);
    EXPECT_EQ(windows_shown, 0);
    ticks(1);
    EXPECT_EQ(windows_shown, 2) << "the name entry, then the Hall of Fame";
    EXPECT_FALSE(form().Timer_fw.enabled());
    ticks(1);
    EXPECT_TRUE(form().Timer_fw.enabled());
    ticks(84);
    EXPECT_EQ(sc().gamewon_tick, 100);
    ticks(1);
    EXPECT_EQ(sc().gamewon_tick, 20);
    ticks(300);
    EXPECT_EQ(windows_shown, 2);
    EXPECT_EQ(core::core_state().hof_table[1].score, 20000);
    EXPECT_NE(core::core_state().hof_table[2].score, 20000);
    // The pawn hops along the twelve steps of its arc: 0..11, then 0 again.
    int top = 0, zeros = 0;
    for (int i = 0; i < 13; ++i) {
        form().Timer_fw.fire();
        top = std::max<int>(top, sc().jump_step);
        zeros += sc().jump_step == 0;
    }
    EXPECT_EQ(top, 11);
    EXPECT_EQ(zeros, 1);

}

TEST_F(StoryEnding, EachPageFadesInFromTheFirstEntriesOfTheList) {
    enter_scene();
    ticks(1);
    EXPECT_EQ(form().Label_endstory->fore_colour(), platform::kBlack) << "entry 0 is never filled";
    ticks(1);
    EXPECT_EQ(form().Label_endstory->fore_colour(), fade_entry(1));
    ticks(14);
    EXPECT_EQ(form().Label_endstory->fore_colour(), fade_entry(8));
    form().Label_endstory->set_fore_colour(platform::kYellow);
    ticks(1);
    EXPECT_EQ(sc().ending_fade, 16);
    EXPECT_EQ(form().Label_endstory->fore_colour(), platform::kYellow) << "a faded-in page is left alone";

    ui::Label_btb_Click(0);
    EXPECT_EQ(form().Label_endstory->fore_colour(), kPanelBlue);
    ticks(1);
    EXPECT_EQ(form().Label_endstory->fore_colour(), fade_entry(2));  // step 3: 1.5 rounds to 2
}

TEST_F(StoryEnding, TheBannersSwayBetweenTheirTurningPoints) {
    enter_scene();
    ticks(15);
    EXPECT_EQ(sc().banner1_x, 27) << "still until the sixteenth tick";
    int lo1 = 999, hi1 = -999, lo2 = 999, hi2 = -999;
    for (int i = 0; i < 60; ++i) {
        ticks(1);
        lo1 = std::min<int>(lo1, sc().banner1_x);
        hi1 = std::max<int>(hi1, sc().banner1_x);
        lo2 = std::min<int>(lo2, sc().banner2_x);
        hi2 = std::max<int>(hi2, sc().banner2_x);
    }
    EXPECT_EQ(lo1, 3);
    EXPECT_EQ(hi1, 51);
    EXPECT_EQ(lo2, 3);
    EXPECT_EQ(hi2, 51);
    // Each banner is its own strip of the band, at its own height.
    EXPECT_EQ(form().pbox_main->pixel(sc().banner1_x + 100, 35 + 40), form().pbox_temp->pixel(100, 40));
    EXPECT_EQ(form().pbox_main->pixel(sc().banner2_x + 100, 127 + 20), form().pbox_temp->pixel(100, 92 + 20));
}

TEST_F(StoryEnding, TheSixPagesTurnAndTheLastPressLeavesOnce) {
    enter_scene();
    ticks(30);
    const char* pages[] = {
        "The dark castle have been destroyed. PuzzleLand is free once more.",
        "For your effort, you have been elected the King of PuzzleLand. ",
        "What next? You might ask. ",
        "Well, a golden castle have been built in honor of you. ",
        "Now, return back to the main menu and click on that castle. ",
        "There is a suprise waiting for you there. ^o^ ",
    };
    EXPECT_EQ(form().Label_endstory->caption(), pages[0]);
    ui::Label_btb_Click(1);  // "menu" belongs to the show
    for (int page = 2; page <= 6; ++page) {
        ui::Label_btb_Click(0);
        EXPECT_EQ(sc().ending_page, page);
        EXPECT_EQ(form().Label_endstory->caption(), pages[page - 1]);
    }
    form().shape_fwa[3]->set_visible(true);
    ui::Label_btb_Click(0);
    EXPECT_FALSE(form().Timer_gamewon.enabled());
    EXPECT_FALSE(form().Timer_fw.enabled());
    EXPECT_FALSE(form().shape_fwa[3]->visible());
    EXPECT_EQ(form().Label_endstory->caption(), pages[5]) << "no seventh page";
    EXPECT_EQ(sc().pane_word, core::PaneWord::EndGame);
    form().Timer_pane.fire();
    ui::Label_btb_Click(0);  // again, while the panel slides out
    EXPECT_EQ(sc().pane_step, 1) << "the way out was not started twice";
}

}  // namespace
