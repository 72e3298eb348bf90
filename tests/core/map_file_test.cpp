// Tests of the Story map file: its reader, the mends for bad files, and the shipped map and picture.
#include <gtest/gtest.h>

#include "support/data_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "core/map_file.h"
#include "platform/services.h"
#include "ui/picture_store.h"

namespace {

using Square = std::pair<int, int>;  // column, row
using Lines = std::vector<std::string>;

std::uint8_t code_at(int col, int row) {
    return core::core_state().map_grid[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
}

std::array<Square, 4> neighbours(Square q) {
    return {Square{q.first - 1, q.second}, Square{q.first + 1, q.second}, Square{q.first, q.second - 1},
            Square{q.first, q.second + 1}};
}

bool walkable(Square q) {
    return q.first >= 1 && q.first <= 21 && q.second >= 1 && q.second <= 16 && code_at(q.first, q.second) != 0;
}

// The squares record i may put its secret on, worked out afresh from the loaded state.
std::vector<Square> candidates(int i) {
    const auto slot = static_cast<std::size_t>(i);
    const int c = core::core_state().anchor_col[slot];
    const int r = core::core_state().anchor_row[slot];
    std::vector<Square> out;
    for (const char d : core::core_state().secret_dirs[slot]) {
        out.push_back({c + (d == 'R') - (d == 'L'), r + (d == 'D') - (d == 'U')});
    }
    return out;
}

bool border_is_blank() {
    for (int c = 0; c <= 22; ++c) {
        if (code_at(c, 0) != 0 || code_at(c, 17) != 0) return false;
    }
    for (int r = 0; r <= 17; ++r) {
        if (code_at(0, r) != 0 || code_at(22, r) != 0) return false;
    }
    return true;
}

// A small map that passes every check: a ring of road along rows 8 and 12, joined at the
// edges; secret i left of anchor (2i, 8).
Lines good_rows() {
    Lines rows(16, "");
    rows[7] = std::string(21, '*');
    rows[11] = std::string(21, '*');
    for (std::size_t r = 8; r <= 10; ++r) rows[r] = "*" + std::string(19, ' ') + "*";
    return rows;
}
Lines good_records() {
    Lines recs;
    for (int i = 1; i <= 10; ++i) {
        recs.push_back(std::to_string(2 * i) + ", 8, \"theme " + std::to_string(i) + "\", \"secret" +
                       (i < 10 ? "0" : "") + std::to_string(i) + ".png\", \"L\"");
    }
    recs.push_back("11, 8, \"castle\", \"\", \"LR\"");
    return recs;
}
std::string join(const Lines& rows, const Lines& recs) {
    std::string text;
    for (const std::string& line : rows) text += line + "\n";
    for (const std::string& line : recs) text += line + "\n";
    return text;
}

class MapFileTest : public testing_support::DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        core::core_state() = core::CoreState{};
    }

    void write(const std::string& contents) { write_file("mappath.dat", contents); }
    void load(const std::string& contents) {
        write(contents);
        core::load_map();
    }
};

TEST_F(MapFileTest, MapLinesGiveSquareCodesPaddedAndCut) {
    Lines rows = good_rows();
    rows[0] = "*X@#";                                     // one character outside " *X@"
    rows[1] = "x\t" + std::string(19, ' ') + "*****";     // case matters; 22nd column on is ignored
    rows[2] = std::string(21, '*');                        // a full line reaches column 21
    load(join(rows, good_records()));
    ASSERT_TRUE(core::core_state().story_available) << core::core_state().map_problem;

    const int expected[4] = {1, 2, 3, 8};
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(code_at(c, 1), expected[c - 1]) << c;
    for (int c = 5; c <= 21; ++c) EXPECT_EQ(code_at(c, 1), 0) << c;
    EXPECT_EQ(code_at(1, 2), 8);
    EXPECT_EQ(code_at(2, 2), 8);
    for (int c = 3; c <= 21; ++c) EXPECT_EQ(code_at(c, 2), 0) << c;
    EXPECT_EQ(code_at(21, 3), 1);
    EXPECT_TRUE(border_is_blank());
}

TEST_F(MapFileTest, AnchorSquaresBecomePlainPath) {
    Lines rows = good_rows();
    rows[7][3] = 'X';                 // anchor (4, 8) of record 2 drawn as a round square
    Lines recs = good_records();
    recs[10] = "11, 3, \"castle\", \"\", \"LR\"";  // the castle anchor on a blank square
    load(join(rows, recs));
    ASSERT_TRUE(core::core_state().story_available) << core::core_state().map_problem;
    EXPECT_EQ(code_at(4, 8), 1);
    EXPECT_EQ(code_at(11, 3), 1);
    EXPECT_EQ(code_at(10, 3), 0) << "only the anchor itself is marked";
}

TEST_F(MapFileTest, RecordFieldsAreReadInOrder) {
    Lines recs = good_records();
    recs[0] = "  +2 , 8.4, \"Toys, trains\", secret01.png, \"L\"";  // rounded, unquoted fields
    recs[3] = "\"8\",7.5,\"\",\"\",\"UD\"";                          // 7.5 rounds to 8
    Lines rows = good_rows();
    rows[6] = std::string(6, ' ') + "***";  // (8, 7) and (8, 9), each on a short loop
    rows[8].replace(6, 3, "***");
    load(join(rows, recs));
    ASSERT_TRUE(core::core_state().story_available) << core::core_state().map_problem;
    const core::CoreState& s = core::core_state();
    EXPECT_EQ(s.anchor_col[1], 2);
    EXPECT_EQ(s.anchor_row[1], 8);
    EXPECT_EQ(s.secret_text[1], "Toys, trains");
    EXPECT_EQ(s.secret_pic[1], "secret01.png");
    EXPECT_EQ(s.anchor_col[4], 8);
    EXPECT_EQ(s.anchor_row[4], 8);
    EXPECT_EQ(s.secret_dirs[4], "UD");
    EXPECT_EQ(s.secret_text[11], "castle");
    EXPECT_EQ(s.secret_pic[11], "");
    EXPECT_EQ(s.secret_dirs[11], "LR");
    EXPECT_TRUE(s.map_problem.empty());
}

TEST_F(MapFileTest, RecordElevenOnlyMarksItsAnchor) {
    Lines recs = good_records();
    recs[10] = "1, 16, \"castle\", \"\", \"\"";  // no letters, and "L" would leave the map
    load(join(good_rows(), recs));
    EXPECT_TRUE(core::core_state().story_available) << core::core_state().map_problem;
    EXPECT_EQ(code_at(1, 16), 1);
}

TEST_F(MapFileTest, BadFilesMakeStoryUnavailableWithAReason) {
    struct Case {
        const char* name;
        std::string contents;
        const char* reason;  // part of the message
    };
    const Lines rows = good_rows();
    const Lines recs = good_records();
    auto with_record = [&](int i, const std::string& line) {
        Lines r = recs;
        r[static_cast<std::size_t>(i - 1)] = line;
        return join(rows, r);
    };
    auto first_lines = [&](std::size_t n) {
        Lines r(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(n, 16)));
        std::string text = join(r, {});
        for (std::size_t i = 16; i < n; ++i) text += recs[i - 16] + "\n";
        return text;
    };
    std::string cut_mid_record = join(rows, Lines(recs.begin(), recs.begin() + 4)) + "9, 8, \"theme\"";
    Lines blank_row8 = rows;
    blank_row8[7] = std::string(3, '*');
    auto with_rows = [&](const std::function<void(Lines&)>& edit, Lines r_recs) {
        Lines r = rows;
        edit(r);
        return join(r, r_recs);
    };
    Lines island_secret = recs;  // a 2 x 2 loop of road in the top left that the ring never meets
    island_secret[0] = "3, 2, \"t\", \"p\", \"R\"";
    Lines start_moved = recs;
    start_moved[5] = "12, 12, \"t\", \"p\", \"L\"";
    start_moved[10] = "11, 3, \"castle\", \"\", \"LR\"";

    const Case cases[] = {
        {"empty file", "", "ends after 0 of its 16 map lines"},
        {"map cut short", first_lines(10), "ends after 10 of its 16 map lines"},
        {"no records", first_lines(16), "record 1 of 11"},
        {"ten records", first_lines(26), "record 11 of 11"},
        {"record cut after its text", cut_mid_record, "record 5 of 11"},
        {"record ends in a comma", join(rows, Lines(recs.begin(), recs.begin() + 10)) + "11,", "record 11 of 11"},
        {"column is a word", with_record(3, "six, 8, \"t\", \"p\", \"L\""), "anchor column of record 3"},
        {"row is empty", with_record(3, "6, , \"t\", \"p\", \"L\""), "anchor row of record 3"},
        {"column above a byte", with_record(3, "256, 8, \"t\", \"p\", \"L\""), "not a number from 0 to 255"},
        {"column rounds above a byte", with_record(3, "255.5, 8, \"t\", \"p\", \"L\""), "not a number from 0 to 255"},
        {"negative row", with_record(3, "6, -1, \"t\", \"p\", \"L\""), "anchor row of record 3"},
        {"exponent", with_record(3, "6e0, 8, \"t\", \"p\", \"L\""), "anchor column of record 3"},
        {"infinity", with_record(3, "inf, 8, \"t\", \"p\", \"L\""), "anchor column of record 3"},
        {"anchor in column 0", with_record(2, "0, 8, \"t\", \"p\", \"R\""), "anchor of record 2, square (0, 8)"},
        {"anchor in column 22", with_record(2, "22, 8, \"t\", \"p\", \"L\""), "lies outside the map"},
        {"anchor in row 17", with_record(2, "4, 17, \"t\", \"p\", \"U\""), "lies outside the map"},
        {"anchor far off", with_record(11, "255, 255, \"castle\", \"\", \"LR\""), "anchor of record 11"},
        {"no direction letters", with_record(4, "8, 8, \"t\", \"p\", \"\""), "record 4 has no direction letters"},
        {"secret off the map", with_record(1, "1, 8, \"t\", \"p\", \"L\""), "record 1 can put its secret off the map"},
        {"secret off the bottom", with_record(6, "12, 16, \"t\", \"p\", \"D\""), "square (12, 17)"},
        {"secret on grass", with_record(5, "10, 8, \"t\", \"p\", \"LU\""), "square (10, 7), which is not on a path"},
        {"road too short", join(blank_row8, recs), "which is not on a path"},
        {"secrets share a square", with_record(2, "4, 8, \"t\", \"p\", \"R\""), "records 2 and 3 can both put their secret on square (5, 8)"},
        // An unknown letter leaves the secret on its anchor, which here is record 1's square.
        {"unknown letter", with_record(2, "1, 8, \"t\", \"p\", \"l\""), "records 1 and 2"},
        // Trips cannot turn straight back, so a spur would hold the pawn for good.
        {"dead end", with_rows([](Lines& r) { r[6] = "    *"; }, recs), "square (5, 7) is a dead end"},
        {"broken ring", with_rows([](Lines& r) { r[11][15] = ' '; }, recs), "is a dead end"},
        {"secret the road never reaches", with_rows([](Lines& r) { r[1] = "  **"; r[2] = "  **"; }, island_secret),
         "record 1 can put its secret on square (4, 2), which the road from the start square (11, 8) does not reach"},
        {"start square off the road", with_rows([](Lines& r) { r[7][10] = ' '; }, start_moved),
         "the start square (11, 8) is not on a path"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        core::core_state() = core::CoreState{};
        core::core_state().story_available = true;
        load(c.contents);
        const core::CoreState& s = core::core_state();
        EXPECT_FALSE(s.story_available);
        EXPECT_NE(s.map_problem.find("mappath.dat"), std::string::npos) << s.map_problem;
        EXPECT_NE(s.map_problem.find(c.reason), std::string::npos) << s.map_problem;
        EXPECT_EQ(s.map_problem.find_first_of("\r\n"), std::string::npos) << "one line";
        EXPECT_TRUE(border_is_blank());
    }
}

TEST_F(MapFileTest, MissingFileIsReported) {
    core::core_state().story_available = true;
    core::load_map();
    EXPECT_FALSE(core::core_state().story_available);
    EXPECT_EQ(core::core_state().map_problem, "mappath.dat is missing or cannot be read.");
    EXPECT_TRUE(border_is_blank());
}

TEST_F(MapFileTest, ReloadingForgetsTheLastFile) {
    Lines rows = good_rows();
    rows[0] = "@@@";
    load(join(rows, good_records()));
    ASSERT_TRUE(core::core_state().story_available);
    const Lines recs = good_records();
    load(join(good_rows(), Lines(recs.begin(), recs.begin() + 2)));
    EXPECT_FALSE(core::core_state().story_available);
    EXPECT_EQ(code_at(1, 1), 0);
    EXPECT_EQ(core::core_state().secret_dirs[5], "") << "records from the earlier file are gone";
}

// The real file, as the build puts it beside the program.
std::string shipped_text() {
    platform::set_data_folder("");
    QFile f(QString::fromStdString(platform::data_path("mappath.dat")));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Whatever a broken file does, the reader stays inside its tables and gives a verdict that holds.
void expect_sound_outcome() {
    const core::CoreState& s = core::core_state();
    ASSERT_TRUE(border_is_blank());
    for (int c = 1; c <= 21; ++c) {
        for (int r = 1; r <= 16; ++r) {
            const int code = code_at(c, r);
            ASSERT_TRUE(code == 0 || code == 1 || code == 2 || code == 3 || code == 8) << code;
        }
    }
    ASSERT_EQ(s.story_available, s.map_problem.empty()) << s.map_problem;
    if (!s.story_available) {
        ASSERT_EQ(s.map_problem.rfind("mappath.dat", 0), 0u) << s.map_problem;
        ASSERT_EQ(s.map_problem.find_first_of("\r\n"), std::string::npos);
        return;
    }
    std::set<Square> taken;
    for (int i = 1; i <= 10; ++i) {
        ASSERT_FALSE(s.secret_dirs[static_cast<std::size_t>(i)].empty());
        std::set<Square> mine;
        for (const Square& q : candidates(i)) {
            ASSERT_TRUE(walkable(q)) << i;
            mine.insert(q);
        }
        for (const Square& q : mine) ASSERT_TRUE(taken.insert(q).second) << i;
    }
}

TEST_F(MapFileTest, FuzzedShippedFileNeverBreaksTheReader) {
    const std::string real = shipped_text();
    ASSERT_FALSE(real.empty());
    platform::set_data_folder(dir_.path().toStdString());

    for (std::size_t n = 0; n <= real.size(); ++n) {
        load(real.substr(0, n));
        expect_sound_outcome();
        if (HasFatalFailure()) FAIL() << "cut at " << n;
    }

    std::mt19937 gen(1107);
    int kept = 0, refused = 0;
    const std::string noise = " *X@,\"\r\n\t0123456789-.+eLRUDx\xff";
    for (int round = 0; round < 1500; ++round) {
        std::string text = real;
        const int edits = 1 + static_cast<int>(gen() % 8);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const std::size_t at = gen() % text.size();
            const char ch = (gen() % 4 == 0) ? static_cast<char>(gen() % 256) : noise[gen() % noise.size()];
            switch (gen() % 3) {
                case 0: text[at] = ch; break;
                case 1: text.insert(at, 1, ch); break;
                default: text.erase(at, 1 + gen() % 12); break;
            }
        }
        load(text);
        expect_sound_outcome();
        if (HasFatalFailure()) FAIL() << "round " << round << ":\n" << text;
        (core::core_state().story_available ? kept : refused) += 1;
    }
    // Both verdicts must come up, or the checks above were never tried on one of them.
    EXPECT_GT(kept, 100);
    EXPECT_GT(refused, 100);
}

// ---- The shipped map -------------------------------------------------------------------------

class ShippedMap : public ::testing::Test {
protected:
    void SetUp() override {
        core::core_state() = core::CoreState{};
        text_ = shipped_text();
        core::load_map();
        ASSERT_TRUE(core::core_state().story_available) << core::core_state().map_problem;
        for (int c = 1; c <= 21; ++c) {
            for (int r = 1; r <= 16; ++r) {
                if (walkable({c, r})) road_.push_back({c, r});
            }
        }
    }
    int road_neighbours(Square q) const {
        const std::array<Square, 4> n = neighbours(q);
        return static_cast<int>(std::count_if(n.begin(), n.end(), walkable));
    }
    // The character the map lines give a square, before any anchor is marked.
    char drawn_as(Square q) const {
        std::size_t pos = 0;
        for (int r = 1; r < q.second; ++r) pos = text_.find('\n', pos) + 1;
        std::string line = text_.substr(pos, text_.find('\n', pos) - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line += std::string(27, ' ');
        return line[static_cast<std::size_t>(q.first - 1)];
    }

    std::string text_;
    std::vector<Square> road_;
};

TEST_F(ShippedMap, RoadsFormOneNetworkOfLoopsWithoutDeadEnds) {
    ASSERT_TRUE(walkable({11, 8})) << "the pawn starts here";
    std::set<Square> seen{{11, 8}};
    std::deque<Square> todo{{11, 8}};
    while (!todo.empty()) {
        const Square q = todo.front();
        todo.pop_front();
        for (const Square& n : neighbours(q)) {
            if (walkable(n) && seen.insert(n).second) todo.push_back(n);
        }
    }
    EXPECT_EQ(seen.size(), road_.size()) << "every path square can be reached";

    int edges = 0, junctions = 0;
    for (const Square& q : road_) {
        const int n = road_neighbours(q);
        // A trip cannot turn back, so a square with one way out would strand the pawn.
        EXPECT_GE(n, 2) << "dead end at " << q.first << ", " << q.second;
        edges += n;
        junctions += n >= 3;
    }
    edges /= 2;
    EXPECT_GE(edges - static_cast<int>(road_.size()) + 1, 4) << "independent loops";
    EXPECT_GE(junctions, 6);
    for (int c = 1; c < 21; ++c) {
        for (int r = 1; r < 16; ++r) {
            EXPECT_FALSE(walkable({c, r}) && walkable({c + 1, r}) && walkable({c, r + 1}) && walkable({c + 1, r + 1}))
                << "a 2 x 2 block of road at " << c << ", " << r;
        }
    }
}

TEST_F(ShippedMap, RoundSquaresAreSpreadOverTheRoads) {
    int rounds = 0, stars = 0;
    std::set<Square> events;
    for (const Square& q : road_) {
        rounds += code_at(q.first, q.second) == 2;
        stars += code_at(q.first, q.second) == 3;
        if (code_at(q.first, q.second) >= 2) events.insert(q);
    }
    EXPECT_GE(rounds, 15);
    EXPECT_LE(rounds, 25);
    EXPECT_GE(stars, 3);
    EXPECT_LE(stars, 5);
    for (int i = 1; i <= 10; ++i) {
        for (const Square& q : candidates(i)) events.insert(q);
    }
    // From anywhere on the road some round lies within a short walk, so no corner is empty.
    for (const Square& start : road_) {
        std::set<Square> seen{start};
        std::vector<Square> ring{start};
        int steps = 0;
        bool found = events.count(start) > 0;
        while (!found && steps < 4) {
            std::vector<Square> next;
            for (const Square& q : ring) {
                for (const Square& n : neighbours(q)) {
                    if (walkable(n) && seen.insert(n).second) {
                        next.push_back(n);
                        found = found || events.count(n) > 0;
                    }
                }
            }
            ring = std::move(next);
            ++steps;
        }
        EXPECT_TRUE(found) << "no round within 4 squares of " << start.first << ", " << start.second;
    }
}

TEST_F(ShippedMap, SecretRecordsPlaceTenSeparateSecretsOnPlainRoad) {
    const core::CoreState& s = core::core_state();
    for (int i = 1; i <= 11; ++i) {
        SCOPED_TRACE(i);
        const auto slot = static_cast<std::size_t>(i);
        const Square anchor{s.anchor_col[slot], s.anchor_row[slot]};
        ASSERT_TRUE(walkable(anchor));
        const char mark = drawn_as(anchor);
        EXPECT_TRUE(mark == '*') << "anchor drawn as '" << mark << "'";
        ASSERT_FALSE(s.secret_dirs[slot].empty());
        EXPECT_EQ(s.secret_dirs[slot].find_first_not_of("LRUD"), std::string::npos);
        for (const Square& q : candidates(i)) {
            ASSERT_TRUE(walkable(q));
            // A secret's square must look like any other road until it is found.
            EXPECT_EQ(code_at(q.first, q.second), 1) << q.first << ", " << q.second;
            EXPECT_EQ(drawn_as(q), '*');
        }
        if (i <= 10) {
            const std::string pic = std::string("secret") + (i < 10 ? "0" : "") + std::to_string(i) + ".png";
            EXPECT_EQ(s.secret_pic[slot], pic);
        }
    }
    EXPECT_EQ(s.secret_text[11], "castle");
    EXPECT_EQ(s.secret_pic[11], "");
    EXPECT_EQ(s.secret_dirs[11], "LR");
    EXPECT_LE(std::abs(s.anchor_col[11] - 11) + std::abs(s.anchor_row[11] - 8), 3) << "castle anchor near the middle";

    // Secrets of different records never touch, not even corner to corner.
    for (int i = 1; i <= 10; ++i) {
        for (int j = i + 1; j <= 10; ++j) {
            for (const Square& a : candidates(i)) {
                for (const Square& b : candidates(j)) {
                    EXPECT_GE(std::max(std::abs(a.first - b.first), std::abs(a.second - b.second)), 2)
                        << "records " << i << " and " << j;
                }
            }
        }
    }
}

TEST_F(ShippedMap, PictureShowsRoadExactlyOnPathSquares) {
    const QImage& pic = ui::form_clip().pclip_storymap.picture();
    ASSERT_EQ(pic.width(), 420);
    ASSERT_EQ(pic.height(), 320);
    const QRgb road = qRgb(0xE8, 0xC7, 0x7A);
    auto at = [&](int x, int y) { return pic.pixel(x, y) | 0xFF000000u; };

    std::set<QRgb> round_marks, star_marks;
    for (int c = 1; c <= 21; ++c) {
        for (int r = 1; r <= 16; ++r) {
            const int x0 = (c - 1) * 20, y0 = (r - 1) * 20;
            const int code = code_at(c, r);
            if (code == 0) {
                for (int y = y0; y < y0 + 20; ++y) {
                    for (int x = x0; x < x0 + 20; ++x) {
                        ASSERT_NE(at(x, y), road) << "road colour on blank square " << c << ", " << r;
                    }
                }
            } else if (code == 2 || code == 3) {
                EXPECT_EQ(at(x0 + 4, y0 + 4), road) << c << ", " << r;
                EXPECT_NE(at(x0 + 10, y0 + 10), road) << "unmarked round square " << c << ", " << r;
                (code == 2 ? round_marks : star_marks).insert(at(x0 + 10, y0 + 10));
            } else {
                EXPECT_EQ(at(x0 + 10, y0 + 10), road) << c << ", " << r;
            }
        }
    }
    // Each kind of round square has one look of its own.
    ASSERT_EQ(round_marks.size(), 1u);
    ASSERT_EQ(star_marks.size(), 1u);
    EXPECT_NE(*round_marks.begin(), *star_marks.begin());
}

}  // namespace
