// Tests of the settings store: exact round trips through the file, defaults, deletion, damage.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <random>
#include <string>

#include "platform/services.h"

namespace {

// One value through a whole read of the file, as a second copy of the game would see it.
std::string get_setting(const std::string& app, const std::string& section, const std::string& key,
                        const std::string& default_value) {
    return platform::read_settings(app).get(section, key, default_value);
}
using platform::save_setting;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        platform::set_settings_folder(dir_.path().toStdString());
    }
    void TearDown() override { platform::set_settings_folder(""); }

    QString file_of(const std::string& app) {
        return QString::fromStdString(platform::settings_file(app));
    }
    void write_file(const std::string& app, const QByteArray& bytes) {
        QFile f(file_of(app));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsTest, AwkwardValuesSurviveTheFile) {
    const std::string values[] = {
        "plain",   "a,b",          "a, b",     "\"quoted\"", "\"a,b\"", "x=y",  "semi;colon",
        ";first",  " leading",     "trailing ", "  ",        "#hash",   "back\\slash", "\\",
        "[brackets]", "",          "@at",      "@Variant(x)", "tab\there", "100%",  "ünïcödé",
    };
    int i = 0;
    for (const auto& v : values) save_setting("Game", "Values", "V" + std::to_string(i++), v);

    // A copy under another name can only be read from its file.
    ASSERT_TRUE(QFile::copy(file_of("Game"), file_of("Copy")));
    i = 0;
    for (const auto& v : values) {
        SCOPED_TRACE(v);
        EXPECT_EQ(get_setting("Copy", "Values", "V" + std::to_string(i++), "default"), v);
    }
}

TEST_F(SettingsTest, FilesThatQtSettingsWroteReadTheSame) {
    // Older builds saved through QSettings; their files must keep working.
    const std::string values[] = {"plain", "a,b", " lead", "trail ", "\"q\"", "back\\slash", "semi;colon",
                                  "x=y", "@at", "", "ünï", "tab\there"};
    {
        QSettings old(file_of("Old"), QSettings::IniFormat);
        int i = 0;
        for (const auto& v : values) old.setValue("Values/V" + QString::number(i++), QString::fromStdString(v));
        old.setValue("Odd key=;/x/y", "nested");
        old.sync();
    }
    int i = 0;
    for (const auto& v : values) {
        SCOPED_TRACE(v);
        EXPECT_EQ(get_setting("Old", "Values", "V" + std::to_string(i++), "default"), v);
    }
    EXPECT_EQ(get_setting("Old", "Odd key=;", "x/y", ""), "nested");
}

TEST_F(SettingsTest, SectionsAndKeysKeepTheirCaseAndSpelling) {
    save_setting("Game", "Hall of Fame", "Name", "upper");
    save_setting("Game", "Hall of Fame", "name", "lower");
    save_setting("Game", "hall of fame", "Name", "other section");
    save_setting("Game", "General", "Name", "general");
    save_setting("Game", "Odd [Section]", "key=with;bits", "odd");
    ASSERT_TRUE(QFile::copy(file_of("Game"), file_of("Copy")));
    EXPECT_EQ(get_setting("Copy", "Hall of Fame", "Name", ""), "upper");
    EXPECT_EQ(get_setting("Copy", "Hall of Fame", "name", ""), "lower");
    EXPECT_EQ(get_setting("Copy", "hall of fame", "Name", ""), "other section");
    EXPECT_EQ(get_setting("Copy", "General", "Name", ""), "general");
    EXPECT_EQ(get_setting("Copy", "Odd [Section]", "key=with;bits", ""), "odd");
}

TEST_F(SettingsTest, MissingEntriesGiveTheDefault) {
    EXPECT_EQ(get_setting("Nothing", "S", "K", "fallback"), "fallback");
    save_setting("Game", "S", "K", "v");
    EXPECT_EQ(get_setting("Game", "S", "Other", "fallback"), "fallback");
    EXPECT_EQ(get_setting("Game", "Other", "K", "fallback"), "fallback");
    EXPECT_EQ(get_setting("Game", "S", "", "fallback"), "fallback");
}

TEST_F(SettingsTest, SavingReachesTheDiskAndCreatesTheFolder) {
    const QString nested = dir_.filePath("deeper/still");
    platform::set_settings_folder(nested.toStdString());
    save_setting("Game", "S", "K", "on disk");
    QFile f(nested + "/Game.ini");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("on disk"));
}

TEST_F(SettingsTest, DeletingRemovesEveryEntryAndMissingIsFine) {
    save_setting("Game", "S", "K", "v");
    save_setting("Game", "T", "K", "w");
    save_setting("Keep", "S", "K", "kept");
    EXPECT_TRUE(platform::delete_settings("Game"));
    EXPECT_FALSE(QFile::exists(file_of("Game")));
    EXPECT_EQ(get_setting("Game", "S", "K", "d1"), "d1");
    EXPECT_EQ(get_setting("Game", "T", "K", "d2"), "d2");
    EXPECT_EQ(get_setting("Keep", "S", "K", ""), "kept");
    EXPECT_TRUE(platform::delete_settings("Game"));
    EXPECT_TRUE(platform::delete_settings("NeverSaved"));
    save_setting("Game", "S", "K", "again");
    EXPECT_EQ(get_setting("Game", "S", "K", ""), "again");
}

TEST_F(SettingsTest, DamagedFilesReadAsDefaultsAndCanBeSavedOver) {
    const QByteArray damaged[] = {
        QByteArray("\xff\xfe\x00\x01\x00garbage\x00[S]\x00K=v", 20),
        "[S\nK\n=\n",
        "[S]\nK=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x12rubbish)\n",
        "[S]\nK=@Rect(1 2 3 4)\n",
        "[S]\nK=\"never closed\n",
        QByteArray(100000, '['),
    };
    int n = 0;
    for (const auto& bytes : damaged) {
        SCOPED_TRACE(n);
        const std::string app = "Damaged" + std::to_string(n++);
        write_file(app, bytes);
        const std::string got = get_setting(app, "S", "K", "default");
        // A line that still parses may keep its text; it must never be a non-text value.
        EXPECT_TRUE(got == "default" || got.find("never closed") != std::string::npos) << got;
        EXPECT_EQ(get_setting(app, "S", "Missing", "default"), "default");
        save_setting(app, "S", "New", "saved");
        EXPECT_EQ(get_setting(app, "S", "New", ""), "saved");
    }
}

// A value the file cut short still reads as what is left of it, but says it was not finished;
// one written back is finished again.
TEST_F(SettingsTest, ValuesTheFileDidNotFinishAreMarked) {
    write_file("Cut", "[S]\nWhole=\"a, b\"\r\nOpen=\"a, b\nLast=12");
    platform::SettingsEntry e = platform::read_settings("Cut");
    EXPECT_TRUE(e.finished("S", "Whole"));
    EXPECT_FALSE(e.finished("S", "Open"));
    EXPECT_EQ(e.get("S", "Last", ""), "12");
    EXPECT_FALSE(e.finished("S", "Last"));
    EXPECT_FALSE(e.finished("S", "Missing"));
    e.set("S", "Last", "123");
    EXPECT_TRUE(e.finished("S", "Last"));
}

TEST_F(SettingsTest, RandomFileContentsNeverBreakReading) {
    std::mt19937 gen(77);
    const QByteArray alphabet("[]=\"\\@,;#%\r\nSK Vv()x\0\xff", 22);
    for (int round = 0; round < 100; ++round) {
        QByteArray bytes(static_cast<int>(gen() % 300), ' ');
        for (char& c : bytes) c = alphabet[static_cast<int>(gen() % alphabet.size())];
        const std::string app = "Random" + std::to_string(round);
        write_file(app, bytes);
        get_setting(app, "S", "K", "default");
        EXPECT_EQ(get_setting(app, "S", "Missing", "default"), "default");
    }
}

}  // namespace
