// Saved data across real restarts: a second process, kills in the middle of saves, logouts,
// odd things in place of the settings file and two copies of the game saving in turn.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/scramble.h"
#include "core/settings.h"
#include "platform/random.h"
#include "platform/services.h"
#include "support/game_fixture.h"

namespace {

using core::HofRec;

// The output of a settings_child run. The timeouts only keep a broken build from hanging the
// suite: a child that blocks fails the test instead.
struct ChildRun {
    bool finished = false;
    bool normal_exit = false;
    int code = -1;
    std::string out, err;
};

QProcess* start_child(QProcess& p, const QString& folder, const char* mode, const QStringList& more = {}) {
    p.start(QStringLiteral(QUORVEL_SETTINGS_CHILD), QStringList{folder, QString::fromLatin1(mode)} + more);
    return p.waitForStarted(20000) ? &p : nullptr;
}

ChildRun finish(QProcess& p) {
    ChildRun r;
    r.finished = p.waitForFinished(20000);
    if (!r.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    r.normal_exit = p.exitStatus() == QProcess::NormalExit;
    r.code = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

bool wait_for_line(QProcess& p, const QByteArray& line) {
    while (!p.canReadLine()) {
        if (!p.waitForReadyRead(20000)) return false;
    }
    return p.readLine().trimmed() == line;
}

int count_of(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class SavedData : public testing_support::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        folder_ = QString::fromStdString(platform::settings_folder());
        core::core_state().app_name = "quorvel";
    }
    // A fresh run reading what the file holds now (the store keeps nothing between reads).
    void restart() {
        core::core_state() = core::CoreState{};
        core::core_state().app_name = "quorvel";
        core::load_settings();
    }
    QString file() const { return folder_ + "/quorvel.ini"; }
    // The player clicks the logo, as often as it takes the random scheme to leave 0.
    void click_logo_until_the_scheme_changes() {
        form().show();
        for (int tries = 0; tries < 50 && core::core_state().bg_index == 0; ++tries)
            QTest::mouseClick(form().Img_changebg->widget(), Qt::LeftButton);
    }
    QString folder_;
};

// ---- Restarts ------------------------------------------------------------------------------

// Older builds appended a [%General] section each run (the last one newest) that a new process
// could not find; such files must still be read, then rewritten clean, and every value must reach
// the next process.
TEST_F(SavedData, ASecondProcessReadsEveryValueOldFilesIncluded) {
    // Width 10 scrambles "Kept" with a '\' and 5 with a ',', which the old writer escaped.
    platform::ScriptedRandom width({0.6f});
    // Older builds wrote through QSettings, which puts "general" under [%General].
    auto old_build_text = [this](const std::vector<std::pair<QString, std::string>>& values) {
        {
            QSettings old(file(), QSettings::IniFormat);
            old.clear();
            for (const auto& [key, value] : values) old.setValue(key, QString::fromStdString(value));
        }
        QFile written(file());
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    };
    const QByteArray older = old_build_text({{"general/BG", core::scramble_number(2)},
                                             {"general/STORYWON", core::scramble_number(5)},
                                             {"t10/NAME1", core::scramble_value("Kept")},
                                             {"t10/SCORE1", core::scramble_number(77)}});
    const QByteArray newer = old_build_text({{"general/BG", core::scramble_number(8)}});
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(older + "\n" + newer);
    f.close();
    auto child_reads = [this](const std::string& expected) {
        QProcess p;
        ASSERT_TRUE(start_child(p, folder_, "run"));
        const ChildRun r = finish(p);
        ASSERT_TRUE(r.finished && r.normal_exit && r.code == 0) << r.err;
        EXPECT_EQ(r.out, expected);
    };
    child_reads("first=Kept bg=8 won=5\n");

    restart();
    core::core_state().bg_index = 7;
    core::core_state().hof_table[0] = {"First, \"quoted\"; = \\", 123456, "Linear - Crazy!"};
    ASSERT_TRUE(core::hof_insert());
    core::save_settings();
    core::count_won_story();
    // The child and this run each won one story on top of the stored 5.
    child_reads("first=First, \"quoted\"; = \\ bg=7 won=7\n");

    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_EQ(text.count("[general]"), 1) << text.toStdString();
    EXPECT_EQ(text.count("[t10]"), 1);
    EXPECT_FALSE(text.contains("%General"));
}

// Each copy counts its win on what the other has saved: neither win is lost.
TEST_F(SavedData, TwoCopiesWinningAStoryEachCountTheirOwn) {
    restart();
    QProcess p;
    ASSERT_TRUE(start_child(p, folder_, "win"));
    const ChildRun r = finish(p);
    ASSERT_EQ(r.out, "won=1\n") << r.err;
    core::count_won_story();
    EXPECT_EQ(core::core_state().stories_won, 2);
    restart();
    EXPECT_EQ(core::core_state().stories_won, 2);

    // With a pipe in place of the file nothing is read or written, but the win still counts.
    QTemporaryDir odd;
    ASSERT_EQ(::mkfifo((odd.path() + "/quorvel.ini").toLocal8Bit().constData(), 0600), 0);
    QProcess q;
    ASSERT_TRUE(start_child(q, odd.path(), "win"));
    EXPECT_EQ(finish(q).out, "won=1\n");
}

// ---- Kills and signals ---------------------------------------------------------------------

TEST_F(SavedData, AKillAtAnyMomentOfASaveLeavesOneWholeTable) {
    std::mt19937 gen(12);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        QProcess p;
        ASSERT_TRUE(start_child(p, folder_, "churn"));
        ASSERT_TRUE(wait_for_line(p, "saving"));
        std::this_thread::sleep_for(std::chrono::microseconds(gen() % 4000));
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        ASSERT_TRUE(p.waitForFinished(20000));

        restart();
        // Every entry and the background come from the same save.
        const std::string& first = core::core_state().hof_table[1].name;
        ASSERT_EQ(first.rfind("G", 0), 0u) << first;
        const int k = std::stoi(first.substr(1));
        for (int i = 1; i <= 10; ++i) {
            const HofRec& e = core::core_state().hof_table[static_cast<std::size_t>(i)];
            EXPECT_EQ(e.name, "G" + std::to_string(k) + "-" + std::to_string(i));
            EXPECT_EQ(e.score, 1000 * k + 10 - i);
            EXPECT_EQ(e.mode, "Linear - G" + std::to_string(k));
        }
        EXPECT_EQ(core::core_state().bg_index, k % 10);
    }
    // What a killed save left half-written goes with the next save.
    core::save_settings();
    EXPECT_EQ(QDir(folder_).entryList(QDir::Files | QDir::Hidden), QStringList{"quorvel.ini"});
}

class EndSignals : public SavedData, public ::testing::WithParamInterface<int> {};

TEST_P(EndSignals, EndTheGameThroughItsExitSave) {
    QProcess p;
    ASSERT_TRUE(start_child(p, folder_, "term"));
    ASSERT_TRUE(wait_for_line(p, "ready"));
    restart();
    EXPECT_EQ(core::core_state().hof_table[1].name, "Signalled") << "a placed entry is on disk at once";
    ::kill(static_cast<pid_t>(p.processId()), GetParam());
    const ChildRun r = finish(p);
    ASSERT_TRUE(r.finished) << "the signal did not end the game";
    EXPECT_TRUE(r.normal_exit && r.code == 0) << r.err;
    restart();
    EXPECT_EQ(core::core_state().hof_table[1].name, "Signalled");
    EXPECT_EQ(core::core_state().hof_table[2].name, "Player A");
    EXPECT_EQ(core::core_state().bg_index, 6) << "only the exit save writes what was never saved";
}

INSTANTIATE_TEST_SUITE_P(TermAndHangUp, EndSignals, ::testing::Values(SIGTERM, SIGHUP));

// A logout while the exit save cannot work (a read-only folder, another copy holding it): the
// save is tried once, the reason goes to the error output, and the game ends; a box would keep
// an ending session waiting for nobody.
TEST_F(SavedData, AnEndSignalWhileTheSaveFailsEndsWithoutAsking) {
    for (const bool read_only : {true, false}) {
        SCOPED_TRACE(read_only ? "read-only folder" : "another copy holding the folder");
        QProcess p, other;
        ASSERT_TRUE(start_child(p, folder_, "term"));
        ASSERT_TRUE(wait_for_line(p, "ready"));
        if (read_only) {
            ASSERT_EQ(::chmod(folder_.toLocal8Bit().constData(), 0555), 0);
        } else {
            ASSERT_TRUE(start_child(other, folder_, "stall"));
            ASSERT_TRUE(wait_for_line(other, "holding"));
        }
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        const bool ended = p.waitForFinished(8000);
        if (!ended) p.kill();
        ::chmod(folder_.toLocal8Bit().constData(), 0700);
        if (!read_only) {
            other.closeWriteChannel();
            finish(other);
        }
        const ChildRun r = finish(p);
        EXPECT_TRUE(ended) << "the game waited on a box";
        EXPECT_TRUE(r.normal_exit && r.code == 0);
        EXPECT_EQ(count_of(r.err, "could not be saved"), 1) << r.err;
    }
}

// ---- Odd things in place of the file -------------------------------------------------------

// The file's kind, its folder's listing and, unless it may be written, its text.
std::string snapshot(const QString& folder, const QString& f, bool with_text) {
    struct stat st {};
    std::string out = ::lstat(f.toLocal8Bit().constData(), &st) == 0 ? std::to_string(st.st_mode) : "none";
    QFile in(f);
    if (with_text && QFileInfo(f).isFile() && in.open(QIODevice::ReadOnly)) out += in.readAll().toStdString();
    return out + QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System).join(",").toStdString();
}

TEST_F(SavedData, OddSettingsFilesAreNeverWrittenAndThePlayerIsToldOnce) {
    core::load_settings();
    core::core_state().hof_table[1].name = "Stored";
    core::save_settings();
    const QString stored = file();
    using Make = std::function<void(const QString& folder, const QString& file)>;
    const struct {
        const char* name;
        Make make;
        const char* first;   // the first name the child loads
        const char* notice;  // what the one message says, if any
    } cases[] = {
        {"pipe", [](const QString&, const QString& f) { ASSERT_EQ(::mkfifo(f.toLocal8Bit().constData(), 0600), 0); },
         "Player A", "cannot be used"},
        {"link to a device", [](const QString&, const QString& f) { ASSERT_TRUE(QFile::link("/dev/null", f)); },
         "Player A", "cannot be used"},
        {"folder", [](const QString&, const QString& f) { ASSERT_TRUE(QDir().mkpath(f + "/inside")); }, "Player A",
         "cannot be used"},
        {"read-only file",
         [stored](const QString&, const QString& f) {
             ASSERT_TRUE(QFile::copy(stored, f));
             ASSERT_TRUE(QFile::setPermissions(f, QFile::ReadOwner | QFile::ReadUser));
         },
         "Stored", "could not be saved"},
        {"read-only folder",
         [stored](const QString& d, const QString& f) {
             ASSERT_TRUE(QFile::copy(stored, f));
             ASSERT_EQ(::chmod(d.toLocal8Bit().constData(), 0555), 0);
         },
         "Stored", "could not be saved"},
        // A link to a regular file is the player's own arrangement: used, and kept a link.
        {"link to a file",
         [stored](const QString& d, const QString& f) {
             ASSERT_TRUE(QFile::copy(stored, d + "/real.ini"));
             ASSERT_TRUE(QFile::link(d + "/real.ini", f));
         },
         "Stored", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString f = dir.path() + "/quorvel.ini";
        c.make(dir.path(), f);
        const std::string before = snapshot(dir.path(), f, c.notice != nullptr);
        QProcess p;
        ASSERT_TRUE(start_child(p, dir.path(), "run"));
        const ChildRun r = finish(p);
        ASSERT_TRUE(r.finished) << "the game hung on the settings file";
        EXPECT_TRUE(r.normal_exit && r.code == 0) << r.err;
        EXPECT_EQ(r.out, std::string("first=") + c.first + " bg=0 won=0\n");
        // Three saves, at most one message (the child has no windows: it says it on stderr).
        const int told = c.notice ? 1 : 0;
        if (c.notice) {
            EXPECT_EQ(count_of(r.err, c.notice), 1) << r.err;
        }
        EXPECT_EQ(count_of(r.err, "\n"), told) << r.err;
        EXPECT_EQ(snapshot(dir.path(), f, c.notice != nullptr), before);
        ::chmod(dir.path().toLocal8Bit().constData(), 0700);
    }
}

// ---- When values are written ---------------------------------------------------------------

TEST_F(SavedData, ANewSchemeIsOnDiskAtOnce) {
    core::load_settings();
    click_logo_until_the_scheme_changes();
    const std::int16_t chosen = core::core_state().bg_index;
    ASSERT_NE(chosen, 0);
    restart();
    EXPECT_EQ(core::core_state().bg_index, chosen);
}

// ---- Two copies ----------------------------------------------------------------------------

TEST_F(SavedData, TwoCopiesSavingInTurnKeepEachOthersEntries) {
    core::load_settings();
    core::CoreState copy_b = core::core_state();  // started together, the same table
    core::CoreState copy_a = core::core_state();

    core::core_state() = copy_a;
    core::core_state().hof_table[0] = {"Alice", 7000, "Linear - Easy"};
    ASSERT_TRUE(core::hof_insert());
    copy_a = core::core_state();

    core::core_state() = copy_b;
    core::core_state().hof_table[0] = {"Bob", 6000, "Story - Hard"};
    ASSERT_TRUE(core::hof_insert());
    EXPECT_EQ(core::core_state().hof_table[2].name, "Alice") << "B's table now holds A's entry too";
    core::save_settings();  // B leaves

    core::core_state() = copy_a;
    core::save_settings();  // A leaves later, with its older table
    restart();
    const auto& t = core::core_state().hof_table;
    EXPECT_EQ(t[1].name, "Player A");
    EXPECT_EQ(t[2].name, "Alice");
    EXPECT_EQ(t[3].name, "Bob");
    EXPECT_EQ(t[4].name, "Player B");
    EXPECT_EQ(t[10].name, "Player H");
}

// Entries and won stories placed while the file cannot be replaced are not lost: the next write
// of the file places them, whatever it is for (here a new background), each win on top of the
// count on disk.
TEST_F(SavedData, EntriesASaveCouldNotWriteGoWithTheNextSave) {
    core::load_settings();
    core::count_won_story();
    ASSERT_TRUE(QFile::setPermissions(file(), QFile::ReadOwner));
    for (const HofRec& e : {HofRec{"First", 90000, "Linear - Easy"}, HofRec{"Second", 80000, "Linear - Easy"}}) {
        core::core_state().hof_table[0] = e;
        ASSERT_TRUE(core::hof_insert());
        core::count_won_story();
    }
    EXPECT_EQ(core::core_state().hof_table[1].name, "First") << "the run's own table goes on";
    EXPECT_EQ(core::core_state().stories_won, 3);
    ASSERT_TRUE(QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner));
    click_logo_until_the_scheme_changes();
    const int bg = core::core_state().bg_index;
    ASSERT_NE(bg, 0);
    QProcess p;
    ASSERT_TRUE(start_child(p, folder_, "run"));
    EXPECT_EQ(finish(p).out, "first=First bg=" + std::to_string(bg) + " won=3\n");
    restart();
    EXPECT_EQ(core::core_state().hof_table[2].name, "Second");
}

// Two copies saving at once take turns: a save that meets another copy's, half a second long,
// waits it out and reaches the disk, without a word to the player.
TEST_F(SavedData, ASaveWaitsOutAnotherCopysShortSave) {
    core::load_settings();
    QProcess other;
    ASSERT_TRUE(start_child(other, folder_, "stall", {"500"}));
    ASSERT_TRUE(wait_for_line(other, "holding"));
    core::core_state().hof_table[0] = {"Overlapping", 70000, "Story - Hard"};
    ASSERT_TRUE(core::hof_insert());
    EXPECT_TRUE(boxes.calls.empty()) << boxes.calls[0].text;
    EXPECT_TRUE(finish(other).finished);
    QProcess reader;
    ASSERT_TRUE(start_child(reader, folder_, "table"));
    EXPECT_EQ(finish(reader).out.rfind("Overlapping|70000|Story - Hard\nPlayer A|", 0), 0u);
}

// Another copy stopped in the middle of a save holds the folder for as long as it stays
// stopped: this copy's saves give up after a moment, tell the player once, and its entry and its
// won story go with the next save once the folder is free.
TEST_F(SavedData, ACopyStoppedMidSaveNeitherFreezesThisOneNorCostsItsEntry) {
    core::load_settings();
    QProcess other;
    ASSERT_TRUE(start_child(other, folder_, "stall"));
    ASSERT_TRUE(wait_for_line(other, "holding"));
    core::core_state().hof_table[0] = {"Patient", 70000, "Story - Hard"};
    const auto asked = std::chrono::steady_clock::now();
    ASSERT_TRUE(core::hof_insert());
    // The other copy gives up its lock by itself after 10 s: a save that waited for it takes that long.
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(5));
    core::count_won_story();
    EXPECT_EQ(core::core_state().stories_won, 1) << "the castle turns golden all the same";
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_NE(boxes.calls[0].text.find("could not be saved"), std::string::npos) << boxes.calls[0].text;
    other.closeWriteChannel();
    ASSERT_TRUE(finish(other).finished);

    core::save_settings();
    QProcess reader;
    ASSERT_TRUE(start_child(reader, folder_, "run"));
    EXPECT_EQ(finish(reader).out, "first=Patient bg=0 won=1\n");
}

// Another writer damages the file while this copy runs: cuts it short (between rows, or inside
// the last score, where the leading digits still read as a score), garbles a value, swaps two
// rows or empties it. Whatever the next save is for, it must write this copy's own rows, in
// order, and its count and background where the file lost them: a second process then reads
// them all.
TEST_F(SavedData, ADamagedTableOnDiskNeverReplacesThisRunsRows) {
    using Text = QByteArray;
    const auto value_at = [](const Text& text, const char* key) {
        const qsizetype at = text.indexOf(QByteArray("\n") + key + "=") + qsizetype(std::strlen(key)) + 2;
        return std::pair{at, text.indexOf('\n', at)};
    };
    const auto set_value = [&](Text& text, const char* key, const Text& value) {
        const auto [at, end] = value_at(text, key);
        text.replace(at, end - at, value);
    };
    const auto cut_into = [&](Text& text, const char* key, qsizetype n) { text.truncate(value_at(text, key).first + n); };
    const std::vector<std::pair<const char*, std::function<void(Text&)>>> damages = {
        {"cut after row 4", [&](Text& t) { t.truncate(value_at(t, "SCORE4").second + 1); }},
        {"cut 3 into the last score", [&](Text& t) { cut_into(t, "SCORE10", 3); }},
        {"cut 4 into the last score", [&](Text& t) { cut_into(t, "SCORE10", 4); }},
        {"cut 5 into the last score", [&](Text& t) { cut_into(t, "SCORE10", 5); }},
        {"row 3's score garbled", [&](Text& t) { set_value(t, "SCORE3", "zz!!"); }},
        {"a score not as the game writes it", [&](Text& t) { set_value(t, "SCORE10", "Kabc"); }},
        {"a name not as the game writes it", [&](Text& t) { set_value(t, "NAME2", "~bc"); }},
        {"rows 3 and 4 swapped",
         [&](Text& t) {
             for (const auto& [a, b] : {std::pair{"NAME3", "NAME4"}, {"MODE3", "MODE4"}, {"SCORE3", "SCORE4"}}) {
                 const auto [at_a, end_a] = value_at(t, a);
                 const auto [at_b, end_b] = value_at(t, b);
                 const Text va = t.mid(at_a, end_a - at_a), vb = t.mid(at_b, end_b - at_b);
                 set_value(t, b, va);
                 set_value(t, a, vb);
             }
         }},
        {"emptied", [](Text& t) { t.clear(); }},
    };
    const std::vector<std::pair<const char*, std::function<void()>>> saves = {
        {"exit", [] { core::save_settings(); }},
        {"background",
         [] {
             core::core_state().bg_index = 7;
             core::save_background();
         }},
        {"Hall of Fame", [] { core::save_hall_of_fame(); }},
        {"won story", [] { core::count_won_story(); }},
        {"new entry",
         [] {
             core::core_state().hof_table[0] = {"Cat", 8700, "Linear - Crazy!"};
             ASSERT_TRUE(core::hof_insert());
         }},
    };
    // This copy's run: two won stories, two entries, background 4, all saved; then the damage.
    const auto run_then = [&](const std::function<void(Text&)>& damage) {
        QFile::remove(file());
        restart();
        core::count_won_story();
        core::count_won_story();
        for (const HofRec& e : {HofRec{"Ann", 9500, "Linear - Easy"}, HofRec{"Ben", 9400, "Story - Hard"}}) {
            core::core_state().hof_table[0] = e;
            ASSERT_TRUE(core::hof_insert());
        }
        core::core_state().bg_index = 4;
        core::save_background();
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        Text text = f.readAll();
        damage(text);
        ASSERT_TRUE(f.resize(0));
        f.write(text);
    };
    for (const auto& [damage_name, damage] : damages) {
        for (std::size_t k = 0; k < saves.size(); ++k) {
            SCOPED_TRACE(std::string(damage_name) + ", then a save: " + saves[k].first);
            run_then(damage);
            saves[k].second();
            const bool bg = k == 1, won = k == 3, cat = k == 4;
            QProcess p;
            ASSERT_TRUE(start_child(p, folder_, "table"));
            EXPECT_EQ(finish(p).out,
                      std::string("Player A|10000|Story\nAnn|9500|Linear - Easy\nBen|9400|Story - Hard\n") +
                          (cat ? "Cat|8700|Linear - Crazy!\n" : "") +
                          "Player B|5000|Story\nPlayer C|3333|Story\nPlayer D|2500|Story\nPlayer E|2000|Story\n"
                          "Player F|1667|Story\nPlayer G|1429|Story\n" + (cat ? "" : "Player H|1250|Story\n") +
                          (bg ? "bg=7" : "bg=4") + (won ? " won=3\n" : " won=2\n"));
        }
    }

    // A run that starts from the garbled file reads Ben's score as 0 among the others. What it
    // writes must be whole again, so that two copies saving in turn keep each other's entries.
    run_then(damages[4].second);
    restart();
    core::CoreState copy_b = core::core_state();
    core::core_state().hof_table[0] = {"Alice", 7000, "Linear - Easy"};
    ASSERT_TRUE(core::hof_insert());
    core::core_state() = copy_b;
    core::core_state().hof_table[0] = {"Bob", 6000, "Story - Hard"};
    ASSERT_TRUE(core::hof_insert());
    restart();
    EXPECT_EQ(core::core_state().hof_table[3].name, "Alice");
    EXPECT_EQ(core::core_state().hof_table[4].name, "Bob");
}

// Two games that end with the same name, score and mode are two entries, whichever saves first.
TEST_F(SavedData, TwoCopiesAddingEqualEntriesKeepBoth) {
    restart();  // this copy starts before the other places its entry
    QProcess p;
    ASSERT_TRUE(start_child(p, folder_, "term"));
    ASSERT_TRUE(wait_for_line(p, "ready"));  // the other has placed and saved its entry
    core::core_state().hof_table[0] = {"Signalled", 99999, "Linear - Crazy!"};
    ASSERT_TRUE(core::hof_insert());
    ::kill(static_cast<pid_t>(p.processId()), SIGTERM);  // and leaves through its exit save
    ASSERT_TRUE(finish(p).finished);
    restart();
    EXPECT_EQ(core::core_state().hof_table[1].name, "Signalled");
    EXPECT_EQ(core::core_state().hof_table[2].name, "Signalled");
}

}  // namespace
