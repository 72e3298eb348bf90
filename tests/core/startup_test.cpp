// Start-up: the fixed tables and the order in which the game reads its settings and files.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "core/game_state.h"
#include "core/startup.h"
#include "platform/services.h"
#include "support/game_fixture.h"
#include "ui/startup.h"

namespace {

using testing_support::GameTest;

class StartUp : public GameTest {};

TEST_F(StartUp, ReadsSettingsThenShapesMapQuotesAndHelpInThatOrder) {
    std::vector<std::string> reads;
    platform::set_read_observer([&](const std::string& kind, const std::string& what) {
        reads.push_back(kind == "file" ? QFileInfo(QString::fromStdString(what)).fileName().toStdString()
                                       : what);
    });
    ui::init_game();
    platform::set_read_observer({});
    const std::vector<std::string> expected = {"general/STORYWON", "general/BG", "t10/SCORE1",
                                               "shapes.txt", "mappath.dat", "quotes.txt", "faq.dat"};
    EXPECT_EQ(reads, expected);
    EXPECT_EQ(core::core_state().app_name, "quorvel");
    EXPECT_EQ(core::core_state().time_limit, 20);
    EXPECT_EQ(core::core_state().miss_limit, 5);
}

TEST_F(StartUp, LinearTables) {
    core::init_difficulty_tables();
    struct Row { const char* name; int misses, secs, quota, bonus, penalty; };
    const Row rows[] = {{"Kiddy", 7, 30, 25, 25, 10}, {"Easy", 6, 25, 30, 22, 15}, {"Medium", 5, 20, 35, 19, 20},
                        {"Hard", 4, 15, 40, 16, 25},  {"Crazy!", 3, 10, 45, 13, 30}};
    for (std::size_t i = 0; i < 5; ++i) {
        const core::DiffRec& d = core::core_state().diff_table[i];
        EXPECT_EQ(d.name, rows[i].name);
        EXPECT_EQ(d.max_misses, rows[i].misses);
        EXPECT_EQ(d.secs, rows[i].secs);
        EXPECT_EQ(d.quota_base, rows[i].quota);
        EXPECT_EQ(d.bonus_chance, rows[i].bonus);
        EXPECT_EQ(d.penalty, rows[i].penalty);
        // Level 1 is 5 x 4, level 12 is 8 x 7.
        EXPECT_EQ(d.board_sizes.substr(1, 2), "54");
        EXPECT_EQ(d.board_sizes.substr(3 * 11 + 1, 2), "87");
    }
}

TEST_F(StartUp, StoryTables) {
    core::init_difficulty_tables();
    struct Row { const char* name; int misses, secs, cols, rows, targets, dice; };
    const Row rows[] = {{"Medium", 5, 20, 7, 6, 2, 80}, {"Hard", 4, 15, 8, 7, 3, 70}, {"Crazy!", 3, 10, 9, 8, 4, 60}};
    for (std::size_t i = 0; i < 3; ++i) {
        const core::StoryDiffRec& d = core::core_state().story_diff_table[i];
        EXPECT_EQ(d.name, rows[i].name);
        EXPECT_EQ(d.max_misses, rows[i].misses);
        EXPECT_EQ(d.secs, rows[i].secs);
        EXPECT_EQ(d.cols, rows[i].cols);
        EXPECT_EQ(d.rows, rows[i].rows);
        EXPECT_EQ(d.targets, rows[i].targets);
        EXPECT_EQ(d.dice_ms, rows[i].dice);
    }
}

TEST_F(StartUp, SmallTablesAndCharacters) {
    ui::init_game();
    const core::CoreState& s = core::core_state();
    const int bob[] = {4, 2, 0, 2, 4, 2, 0, 2};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(s.pawn_bob[i], bob[i]);
    const int arc[] = {0, 8, 15, 21, 26, 29, 30, 29, 26, 21, 15, 8};
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(s.jump_arc[i], arc[i]);
    EXPECT_EQ(s.dir_letters, "LRUD");
    EXPECT_EQ(s.dir_dx[core::direction::kLeft], -1);
    EXPECT_EQ(s.dir_dx[core::direction::kRight], 1);
    EXPECT_EQ(s.dir_dy[core::direction::kUp], -1);
    EXPECT_EQ(s.dir_dy[core::direction::kDown], 1);
    EXPECT_EQ(s.char_name[0], "?");
    EXPECT_EQ(s.char_name[1], "turtle");
    EXPECT_EQ(s.char_saying[2], "Woof woof!");
    EXPECT_EQ(s.char_name[15], "ricebowl");
    for (int i = 1; i <= 18; ++i) EXPECT_FALSE(s.char_name[static_cast<std::size_t>(i)].empty()) << i;
}

}  // namespace
