// Saved settings against a real settings file: first runs, round trips, damage, clearing.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <functional>
#include <iterator>
#include <string>

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/scramble.h"
#include "core/settings.h"
#include "core/startup.h"
#include "support/game_fixture.h"

namespace {

using testing_support::GameTest;

class Settings : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        core::core_state().app_name = "quorvel";
    }
    // A fresh run reading what the last one left.
    void restart() {
        core::core_state() = core::CoreState{};
        core::core_state().app_name = "quorvel";
        core::load_settings();
    }
    QString file() { return QString::fromStdString(platform::settings_file("quorvel")); }
};

TEST_F(Settings, AFirstRunGetsTheBuiltInTableAndDefaults) {
    core::load_settings();
    const core::CoreState& s = core::core_state();
    const int scores[] = {10000, 5000, 3333, 2500, 2000, 1667, 1429, 1250, 1111, 1000};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(s.hof_table[i].name, std::string("Player ") + static_cast<char>('A' + i - 1));
        EXPECT_EQ(s.hof_table[i].score, scores[i - 1]);
        EXPECT_EQ(s.hof_table[i].mode, "Story");
    }
    EXPECT_EQ(s.bg_index, 0);
    EXPECT_EQ(s.stories_won, 0);
}

TEST_F(Settings, TheEndOfARunWritesThirtyOneScrambledValues) {
    core::load_settings();
    core::core_state().bg_index = 7;
    core::save_settings();
    QSettings ini(file(), QSettings::IniFormat);
    EXPECT_EQ(ini.allKeys().size(), 31);
    const QString name1 = ini.value("t10/NAME1").toString();
    EXPECT_NE(name1, "Player A") << "stored scrambled";
    restart();
    EXPECT_EQ(core::core_state().bg_index, 7);
    EXPECT_EQ(core::core_state().hof_table[1].name, "Player A");
    EXPECT_EQ(core::core_state().hof_table[10].score, 1000);
}

TEST_F(Settings, NamesModesAndScoresRoundTrip) {
    core::load_settings();
    std::string all;
    for (int c = 32; c <= 126; ++c) all += static_cast<char>(c);
    core::CoreState& s = core::core_state();
    s.hof_table[1] = {"  both ends  ", 2147483647, "Linear - Crazy!"};
    s.hof_table[2] = {all, -2147483647 - 1, all};
    s.hof_table[3] = {"", -20, ""};
    core::save_settings();
    restart();
    EXPECT_EQ(core::core_state().hof_table[1].name, "  both ends  ");
    EXPECT_EQ(core::core_state().hof_table[1].score, 2147483647);
    EXPECT_EQ(core::core_state().hof_table[2].name, all);
    EXPECT_EQ(core::core_state().hof_table[2].mode, all);
    EXPECT_EQ(core::core_state().hof_table[2].score, -2147483647 - 1);
    EXPECT_EQ(core::core_state().hof_table[3].score, -20);
    EXPECT_EQ(core::core_state().hof_table[3].name, "");
}

TEST_F(Settings, DamagedValuesReadAsTheirDefaults) {
    core::load_settings();
    core::save_settings();
    {
        QSettings ini(file(), QSettings::IniFormat);
        ini.setValue("general/BG", QString::fromStdString(core::scramble_value(" 12")));
        ini.setValue("general/STORYWON", QString::fromStdString(core::scramble_value(" 99999")));
        ini.setValue("t10/SCORE3", QString::fromStdString(core::scramble_value("lots")));
        ini.setValue("t10/SCORE4", QString::fromStdString(core::scramble_value(" 99999999999")));
        ini.remove("t10/SCORE5");
        ini.remove("t10/NAME6");
        ini.setValue("t10/MODE7", "");
        ini.sync();
    }
    restart();
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.bg_index, 0);
    EXPECT_EQ(s.stories_won, 0);
    EXPECT_EQ(s.hof_table[3].score, 0);
    EXPECT_EQ(s.hof_table[4].score, 0);
    EXPECT_EQ(s.hof_table[5].score, 0);
    EXPECT_EQ(s.hof_table[6].name, "");
    EXPECT_EQ(s.hof_table[7].mode, "");
    EXPECT_EQ(s.hof_table[8].name, "Player H");
}

TEST_F(Settings, AWonStoryIsWrittenOnItsOwn) {
    core::load_settings();
    // With no count on disk yet, this run's own count goes on.
    core::core_state().stories_won = 3;
    core::count_won_story();
    // The built-in table would come back by itself: it is not written.
    EXPECT_EQ(QSettings(file(), QSettings::IniFormat).allKeys(), QStringList{"STORYWON"});
    restart();
    EXPECT_EQ(core::core_state().stories_won, 4);
}

// Another writer may cut the file anywhere. Whatever the next save is for, the file then holds
// this run's table, count and background again, none of them shortened.
TEST_F(Settings, ASaveAfterACutAnywherePutsBackWhatTheFileLost) {
    core::load_settings();
    core::core_state().hof_table[0] = {"Ann", 8350, "Linear - Easy"};
    ASSERT_TRUE(core::hof_insert());
    // Two digits, so that a cut inside the count can leave a shorter one.
    core::core_state().stories_won = 11;
    core::count_won_story();
    core::core_state().bg_index = 5;
    core::save_background();
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();
    const std::function<void()> saves[] = {core::save_settings, core::save_background, core::save_hall_of_fame,
                                           core::count_won_story};
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        const std::size_t kind = static_cast<std::size_t>(cut) % std::size(saves);
        SCOPED_TRACE("cut at " + std::to_string(cut) + ", save " + std::to_string(kind));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(whole);
        f.close();
        restart();
        const core::HofTable table = core::core_state().hof_table;
        ASSERT_TRUE(f.resize(cut));
        saves[kind]();
        restart();
        const core::CoreState& s = core::core_state();
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(s.hof_table[i].name, table[i].name);
            EXPECT_EQ(s.hof_table[i].score, table[i].score);
            EXPECT_EQ(s.hof_table[i].mode, table[i].mode);
        }
        EXPECT_EQ(s.bg_index, 5);
        EXPECT_EQ(s.stories_won, kind == 3 ? 13 : 12);
    }
}

TEST_F(Settings, SaveAndQuitSavesBeforeTheEnd) {
    core::load_settings();
    core::core_state().bg_index = 4;
    EXPECT_THROW(core::save_and_quit(), platform::ProgramEnded);
    EXPECT_EQ(program_ends, 1);
    restart();
    EXPECT_EQ(core::core_state().bg_index, 4);
}

TEST_F(Settings, ClearingAllAsksDeletesAndEndsWithoutSaving) {
    core::load_settings();
    core::save_settings();
    boxes.answers = {platform::kMsgResultNo};
    core::clear_all_settings();
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_EQ(program_ends, 0);

    boxes.answers = {platform::kMsgResultYes, platform::kMsgResultOk};
    EXPECT_THROW(core::clear_all_settings(), platform::ProgramEnded);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_EQ(program_ends, 1);
    ASSERT_EQ(boxes.calls.size(), 3u);
    EXPECT_EQ(boxes.calls[1].style, 52);
    EXPECT_EQ(boxes.calls[1].text,
              "Do this ONLY when you want to uninstall Quorvel\rfrom your PC! This action you are about "
              "to perform CANNOT\rbe reversed.\r\rARE YOU SURE YOU WANT TO CONTINUE?");
    EXPECT_EQ(boxes.calls[2].style, 64);
    EXPECT_EQ(boxes.calls[2].title, "Quorvel Infinite");
}

TEST_F(Settings, ClearingAnEmptyStoreIsFine) {
    boxes.answers = {platform::kMsgResultYes, platform::kMsgResultOk};
    EXPECT_THROW(core::clear_all_settings(), platform::ProgramEnded);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_NE(boxes.calls.back().text.find("cleared"), std::string::npos);
}

}  // namespace
