// The shape library: reading shapes.txt, drawing shapes scaled and turned, picking by name.
#include <gtest/gtest.h>

#include "support/data_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/board.h"
#include "pictures/picture_state.h"
#include "pictures/shapes.h"
#include "platform/picture_box.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/surface.h"

namespace {

using platform::Primitive;
using Kind = platform::Primitive::Kind;
using Strings = std::vector<std::string>;

constexpr platform::Colour kInk = platform::rgb(10, 20, 30);

class ShapesTest : public testing_support::DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        pictures::picture_state() = pictures::PictureState{};
    }
    void TearDown() override {
        DataFolderTest::TearDown();
        pictures::picture_state() = pictures::PictureState{};
    }

    void write(const std::string& contents) { write_file("shapes.txt", contents); }
    void load(const std::string& contents) {
        write(contents);
        pictures::load_shapes();
    }

    static Strings names() {
        const auto& p = pictures::picture_state();
        return Strings(p.shape_name.begin() + 1, p.shape_name.begin() + 1 + p.shape_count);
    }
};

// A shape block: the dashes, the header and the points.
std::string shape(const std::string& name, int npts, const std::string& points = "",
                  const std::string& start = "0, 0") {
    return "----\n" + start + ", " + std::to_string(npts) + ", " + name + "\n" + points;
}

std::string points(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "5, 0, 1\n";
    return s;
}

TEST_F(ShapesTest, WhereTheLibraryEnds) {
    struct Case {
        const char* what;
        std::string contents;
        Strings expected;
    };
    const Case cases[] = {
        {"only the end marker", "[END]\n", {}},
        {"end marker in another case or with more text is skipped",
         "[end]\n[END] here\n" + shape("a", 0) + "[END]\n", {"a"}},
        {"nothing after the end marker is read", shape("a", 0) + "[END]\n" + shape("b", 0), {"a"}},
        {"a shape named [END] is kept and ends the library",
         shape("a", 0) + shape("[END]", 1, "5, 5, 1\n") + shape("c", 0), {"a", "[END]"}},
        {"no end marker: the end of the file", shape("a", 0) + shape("b", 1, "5, 5, 1"), {"a", "b"}},
        {"comments and headings between shapes",
         "' figures\nheading, with a comma\n\n" + shape("a", 0) + "-- not a shape\n" + shape("b", 0),
         {"a", "b"}},
        {"five dashes or dashes and a word start a shape",
         "-----\n0, 0, 0, a\n---- star\n0, 0, 0, b\n----x, 0, 0, 0, c\n", {"a", "b", "c"}},
        {"a quoted name may hold commas", "----\n0, 0, 0, \"left, right\"\n", {"left, right"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(c.contents);
        EXPECT_EQ(names(), c.expected);
    }
}

TEST_F(ShapesTest, PointSlotsAreHandedOutInFileOrder) {
    load(shape("square", 4, "10, 0, 1\n0, 10, 1\n-10, 0, 0\n0, -10, 2\n", "3, -4") +
         shape("dot", 0) + shape("none", -3) + shape("last", 1, "7, 8, 1\n") + "[END]\n");
    const auto& p = pictures::picture_state();
    ASSERT_EQ(p.shape_count, 4);
    EXPECT_EQ(p.shape_start[1], 12);
    EXPECT_EQ(p.shape_start[2], 14 + 4);  // the first shape's points and one empty slot
    EXPECT_EQ(p.shape_start[3], 18 + 2);  // a shape without points takes its start slot only
    EXPECT_EQ(p.shape_start[4], 20 + 2);
    EXPECT_EQ(p.shape_npts[3], -3);
    EXPECT_EQ(p.shape_pt_x[12], 3);
    EXPECT_EQ(p.shape_pt_y[12], -4);
    const std::vector<int> dx(p.shape_pt_x.begin() + 13, p.shape_pt_x.begin() + 17);
    const std::vector<int> dy(p.shape_pt_y.begin() + 13, p.shape_pt_y.begin() + 17);
    const std::vector<bool> pen(p.shape_pt_pen.begin() + 13, p.shape_pt_pen.begin() + 17);
    EXPECT_EQ(dx, (std::vector<int>{10, 0, -10, 0}));
    EXPECT_EQ(dy, (std::vector<int>{0, 10, 0, -10}));
    EXPECT_EQ(pen, (std::vector<bool>{true, true, false, false}));  // only 1 draws
    EXPECT_EQ(p.shape_pt_x[17], 0);  // the skipped slot stays empty
    EXPECT_EQ(p.shape_pt_x[23], 7);
    EXPECT_EQ(p.shape_pt_y[23], 8);
}

TEST_F(ShapesTest, ADamagedShapeEndsTheLibraryBeforeIt) {
    const std::string good = shape("a", 1, "5, 5, 1\n");
    struct Case {
        const char* what;
        std::string bad;
    };
    const Case cases[] = {
        {"a word in a number field", shape("b", 1, "5, five, 1\n")},
        {"an empty number field", shape("b", 1, "5, , 1\n")},
        {"a number above the 16-bit range", shape("b", 1, "32768, 5, 1\n")},
        {"a number below the 16-bit range", "----\n-40000, 0, 0, b\n"},
        {"a point count that runs past the point table", shape("b", 32767, points(3))},
        {"cut off in the header", "----\n0, 0"},
        {"cut off before the name", "----\n0, 0, 2,"},
        {"cut off in the points", shape("b", 3, "5, 5, 1\n5, 5")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(good + c.bad + "\n" + shape("c", 0) + "[END]\n");
        EXPECT_EQ(names(), Strings{"a"});
        const auto& p = pictures::picture_state();
        EXPECT_EQ(p.shape_pt_x[15], 0) << "nothing of the damaged shape is stored";
        EXPECT_EQ(p.shape_name[2], "");
    }
}

TEST_F(ShapesTest, FractionsRoundHalfToEvenAndTheRangeEndsAreKept) {
    load(shape("a", 2, "2.5, 3.5, 1\n-32768, 32767, 1\n", "-0.5, 1.5"));
    const auto& p = pictures::picture_state();
    ASSERT_EQ(p.shape_count, 1);
    EXPECT_EQ(p.shape_pt_x[12], 0);
    EXPECT_EQ(p.shape_pt_y[12], 2);
    EXPECT_EQ(p.shape_pt_x[13], 2);
    EXPECT_EQ(p.shape_pt_y[13], 4);
    EXPECT_EQ(p.shape_pt_x[14], -32768);
    EXPECT_EQ(p.shape_pt_y[14], 32767);
}

TEST_F(ShapesTest, TheTablesHoldAHundredShapesAndPointsUpToSlot1000) {
    std::string many;
    for (int i = 1; i <= 101; ++i) many += shape("s" + std::to_string(i), 0);
    load(many);
    EXPECT_EQ(pictures::picture_state().shape_count, 100);
    EXPECT_EQ(pictures::picture_state().shape_name[100], "s100");

    // Slots 12..1000: one shape of 988 points fills them exactly; one more point is too many,
    // and so is any shape after the full one.
    load(shape("full", 988, points(988)) + shape("after", 0));
    EXPECT_EQ(names(), Strings{"full"});
    EXPECT_EQ(pictures::picture_state().shape_pt_x[1000], 5);
    load(shape("over", 989, points(989)));
    EXPECT_EQ(names(), Strings{});
    load(shape("a", 986, points(986)) + shape("b", 0));  // the second start lands on 1000
    EXPECT_EQ(names(), (Strings{"a", "b"}));
}

TEST_F(ShapesTest, AMissingFileLeavesAnEmptyLibrary) {
    load(shape("a", 0) + shape("b", 0));
    ASSERT_EQ(pictures::picture_state().shape_count, 2);
    QFile::remove(dir_.filePath("shapes.txt"));
    pictures::load_shapes();
    EXPECT_EQ(pictures::picture_state().shape_count, 0);
    EXPECT_EQ(pictures::picture_state().shape_name[1], "");
}

// ---- drawing -------------------------------------------------------------------------------

struct Call {
    std::int16_t shape_no = 1;
    double x = 50, y = 50;
    platform::Colour colour = kInk;
    double scale_x = 1, scale_y = 1, width = 0;
    std::int16_t orient = 0;
};

std::vector<Primitive> draw(Call& c, int pen_before = 1) {
    platform::Surface s(120, 120);
    s.set_pen_width(pen_before);
    std::vector<Primitive> rec;
    s.set_recorder(&rec);
    pictures::draw_shape(s, c.shape_no, c.x, c.y, c.colour, c.scale_x, c.scale_y, c.width, c.orient);
    return rec;
}

// Where each primitive ends, with 'P' for a dot and 'L' for a line.
std::string trace(const std::vector<Primitive>& rec) {
    std::string out;
    for (const Primitive& p : rec) {
        out += p.kind == Kind::Point ? "P" : p.kind == Kind::Line ? "L" : "?";
        out += "(" + std::to_string(static_cast<int>(p.x2)) + "," + std::to_string(static_cast<int>(p.y2)) + ")";
    }
    return out;
}

class ShapesDrawTest : public ShapesTest {
protected:
    void SetUp() override {
        ShapesTest::SetUp();
        // 1: the 10 x 10 square drawn from a dot at the origin; 2: a dot, a jump, a line.
        load(shape("square", 4, "10, 0, 1\n0, 10, 1\n-10, 0, 1\n0, -10, 1\n") +
             shape("steps", 2, "10, 0, 0\n0, 5, 1\n", "5, 0") + shape("bare", 0, "", "-5, 5") +
             "[END]\n");
        ASSERT_EQ(pictures::picture_state().shape_count, 3);
    }
};

TEST_F(ShapesDrawTest, ShapesAreDrawnFromTheirStartPointByRelativeSteps) {
    struct Case {
        const char* what;
        Call call;
        std::string expected;
    };
    const Case cases[] = {
        {"the square", {1}, "P(50,50)L(60,50)L(60,60)L(50,60)L(50,50)"},
        {"a move sets a dot", {2}, "P(55,50)P(65,50)L(65,55)"},
        {"no points: one dot", {3}, "P(45,55)"},
        {"scales", {1, 50, 50, kInk, 2, 3}, "P(50,50)L(70,50)L(70,80)L(50,80)L(50,50)"},
        {"negative scale mirrors", {2, 50, 50, kInk, -1, 1}, "P(45,50)P(35,50)L(35,55)"},
        {"orient 1 swaps the axes before scaling", {2, 50, 50, kInk, 2, 3, 0, 1},
         "P(50,65)P(50,95)L(60,95)"},
        {"any other orient draws as stored", {2, 50, 50, kInk, 1, 1, 0, 7}, "P(55,50)P(65,50)L(65,55)"},
        // 5 x 0.5 = 2.5 rounds to 2 at each step, so the rounding adds up.
        {"each step is rounded on its own", {2, 0, 0, kInk, 0.5, 0.5}, "P(2,0)P(7,0)L(7,2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Call call = c.call;
        const auto rec = draw(call);
        EXPECT_EQ(trace(rec), c.expected);
        for (const Primitive& p : rec) EXPECT_EQ(p.colour, kInk);
    }
}

TEST_F(ShapesDrawTest, ScaledStepsAreSinglePrecisionProducts) {
    // 1.47 as a single is a hair above 1.47, so 50 x 1.47 lands on 73.5 and rounds to the even
    // 74; in double precision it would fall just short and give 73.
    load(shape("wide", 1, "50, 0, 1\n"));
    Call c{1, 0, 0, kInk, 1.47, 1};
    EXPECT_EQ(trace(draw(c)), "P(0,0)L(74,0)");
}

TEST_F(ShapesDrawTest, ReplacedArgumentsAreWrittenBack) {
    {
        platform::ScriptedRandom script({0.5f});  // pick_shape: 1 + round(2 x 0.5) = 2
        Call c{-1};
        c.scale_x = 0;
        c.scale_y = 0;
        const auto rec = draw(c);
        EXPECT_EQ(c.shape_no, 2);
        EXPECT_EQ(c.scale_x, 1);
        EXPECT_EQ(c.scale_y, 1);
        EXPECT_EQ(trace(rec), "P(55,50)P(65,50)L(65,55)");
        EXPECT_EQ(script.taken(), 1u);
    }
    // orient -1 takes one draw, rounded half to even: 0.5 gives 0.
    for (const auto& [r, orient] : {std::pair{0.2f, 0}, std::pair{0.5f, 0}, std::pair{0.7f, 1}}) {
        platform::ScriptedRandom script({r});
        Call c{2};
        c.orient = -1;
        draw(c);
        EXPECT_EQ(c.orient, orient) << r;
        EXPECT_EQ(script.taken(), 1u);
    }
}

TEST_F(ShapesDrawTest, PenWidthIsSetOnlyByAPositiveWidth) {
    const struct {
        double width;
        int pen;
    } cases[] = {{0, 4}, {-3, 4}, {2.5, 2}, {3.5, 4}, {1, 1}};
    for (const auto& c : cases) {
        Call call{1};
        call.width = c.width;
        const auto rec = draw(call, 4);
        ASSERT_FALSE(rec.empty());
        for (const Primitive& p : rec) EXPECT_EQ(p.pen, c.pen) << c.width;
    }
}

TEST_F(ShapesDrawTest, NumbersOutsideTheLibraryDrawNothing) {
    for (std::int16_t n : {0, 4, 100, 101, -2, 32767, -32768}) {
        Call c{n};
        c.scale_x = 0;
        c.width = 3;
        platform::Surface s(20, 20);
        std::vector<Primitive> rec;
        s.set_recorder(&rec);
        pictures::draw_shape(s, c.shape_no, c.x, c.y, c.colour, c.scale_x, c.scale_y, c.width, c.orient);
        EXPECT_TRUE(rec.empty()) << n;
        EXPECT_EQ(c.scale_x, 1) << "the write-backs still happen";
        EXPECT_EQ(s.pen_width(), 3);
    }
    // Tables that point past their ends are not followed.
    auto& p = pictures::picture_state();
    p.shape_start[1] = 995;
    p.shape_npts[1] = 10;
    p.shape_start[2] = -4;
    for (std::int16_t n : {1, 2}) {
        Call c{n};
        EXPECT_TRUE(draw(c).empty()) << n;
    }
    // An empty library: -1 picks 1 after the full 501 draws, and there is nothing to draw.
    pictures::picture_state() = pictures::PictureState{};
    platform::reset_random_draw_count();
    Call c{-1};
    EXPECT_TRUE(draw(c).empty());
    EXPECT_EQ(c.shape_no, 1);
    EXPECT_EQ(platform::random_draw_count(), 501u);
}

TEST_F(ShapesDrawTest, TheTempVersionDrawsOnTheWorkPictureWhenThereIsOne) {
    Call c{1};
    core::board().pbox_temp = nullptr;
    pictures::draw_shape_temp(c.shape_no, c.x, c.y, c.colour, c.scale_x, c.scale_y, c.width, c.orient);

    platform::Form form("work", 120, 120);
    platform::PictureBox temp(&form, 0, 0, 120, 120, platform::PictureBox::kNoBorder);
    temp.set_auto_redraw(true);
    core::board().pbox_temp = &temp;
    c.x = 20;
    c.y = 30;
    pictures::draw_shape_temp(c.shape_no, c.x, c.y, c.colour, c.scale_x, c.scale_y, c.width, c.orient);
    core::board().pbox_temp = nullptr;
    EXPECT_EQ(temp.pixel(25, 30), kInk);
    EXPECT_EQ(temp.pixel(30, 35), kInk);
    EXPECT_NE(temp.pixel(25, 35), kInk);
}

// ---- picking -------------------------------------------------------------------------------

class ShapesPickTest : public ShapesTest {
protected:
    void SetUp() override {
        ShapesTest::SetUp();
        auto& p = pictures::picture_state();
        p.shape_count = 4;
        p.shape_name[1] = "Star";
        p.shape_name[2] = "";
        p.shape_name[3] = "heart";
        p.shape_name[4] = "Sweetheart";
    }
    // The draw r that makes rnd_range(1, 3) give n.
    static float pick(int n) { return static_cast<float>(n - 1) / 3.0f; }
};

TEST_F(ShapesPickTest, PicksUntilANameContainsTheFilter) {
    struct Case {
        std::string filter;
        std::vector<float> draws;
        int expected;
        std::size_t taken;
    };
    const Case cases[] = {
        {"", {pick(3)}, 3, 1},
        {"", {pick(2), pick(2), pick(1)}, 1, 3},  // a nameless shape is never picked
        {"heart", {pick(1), pick(4)}, 4, 2},      // upper-cased on both sides
        {"HEART", {pick(3)}, 3, 1},
        {"STAR", {pick(4), pick(1)}, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        platform::ScriptedRandom script(c.draws);
        std::string filter = c.filter;
        EXPECT_EQ(pictures::pick_shape(filter), c.expected);
        EXPECT_EQ(script.taken(), c.taken);
        EXPECT_EQ(filter, c.filter);
    }
}

TEST_F(ShapesPickTest, GivesUpAfterFiveHundredDrawsWithShapeOne) {
    for (const std::size_t hit_at : {499u, 500u, 0u}) {
        SCOPED_TRACE(hit_at);
        std::vector<float> draws(501, pick(1));  // "Star" never matches "heart"
        if (hit_at > 0) draws[hit_at - 1] = pick(3);
        platform::ScriptedRandom script(draws);
        std::string filter = "heart";
        const int got = pictures::pick_shape(filter);
        // A hit on the 499th draw still counts; from the 500th on the answer is 1.
        EXPECT_EQ(got, hit_at == 499u ? 3 : 1);
        EXPECT_EQ(script.taken(), hit_at > 0 ? hit_at : 501u);
    }
}

TEST_F(ShapesPickTest, OneShapeIsAlwaysTheOne) {
    pictures::picture_state().shape_count = 1;
    platform::ScriptedRandom script({0.9f, 0.1f});
    std::string any;
    EXPECT_EQ(pictures::pick_shape(any), 1);
    EXPECT_EQ(script.taken(), 1u);
}

// ---- damaged input -------------------------------------------------------------------------

void expect_sound_library() {
    const auto& p = pictures::picture_state();
    ASSERT_GE(p.shape_count, 0);
    ASSERT_LE(p.shape_count, 100);
    int next = 12;
    for (int n = 1; n <= p.shape_count; ++n) {
        const int start = p.shape_start[static_cast<std::size_t>(n)];
        const int npts = p.shape_npts[static_cast<std::size_t>(n)];
        ASSERT_EQ(start, next) << n;
        ASSERT_LE(start + std::max(npts, 0), 1000) << n;
        next = start + std::max(npts, 0) + 2;
    }
    for (std::size_t n = static_cast<std::size_t>(p.shape_count) + 1; n <= 100; ++n)
        ASSERT_EQ(p.shape_name[n], "");
    for (std::size_t slot = 0; slot < 12; ++slot) ASSERT_EQ(p.shape_pt_x[slot], 0);
}

void draw_every_shape() {
    platform::Surface s(40, 40);
    for (std::int16_t n = 1; n <= pictures::picture_state().shape_count; ++n) {
        Call c{n, 20, 20, kInk, 0.5, 0.5, 1, 0};
        pictures::draw_shape(s, c.shape_no, c.x, c.y, c.colour, c.scale_x, c.scale_y, c.width, c.orient);
    }
}

TEST_F(ShapesTest, FuzzedLibrariesStayWithinTheTables) {
    platform::set_data_folder("");
    QFile real_file(QString::fromStdString(platform::data_path("shapes.txt")));
    const std::string real = real_file.open(QIODevice::ReadOnly) ? real_file.readAll().toStdString() : "";
    platform::set_data_folder(dir_.path().toStdString());

    std::mt19937 gen(7031);
    const Strings tokens = {"----", "[END]", ",", ",", "\n", "\n", "\r\n", "\"", " ", "5", "-10",
                            "0", "1", "2.5", "99999", "-", "1e3", "x", "star", "\t", "1000", "-32768"};
    auto any = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(gen); };

    testing::internal::CaptureStderr();  // every damaged library says where it stopped
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        std::string text;
        switch (round % 4) {
        case 0:  // token soup
            for (std::size_t i = any(600); i > 0; --i) text += tokens[any(tokens.size())];
            break;
        case 1:  // the real library cut anywhere
            text = real.substr(0, any(real.size() + 1));
            break;
        case 2:  // the real library with bytes changed
            text = real;
            for (int i = 0; i < 8 && !text.empty(); ++i)
                text[any(text.size())] = static_cast<char>(any(256));
            break;
        default:  // many shapes with large point counts
            for (std::size_t i = any(120); i > 0; --i)
                text += shape("s", static_cast<int>(any(60)) - 5, points(static_cast<int>(any(40))));
            break;
        }
        load(text);
        expect_sound_library();
        draw_every_shape();
    }
    testing::internal::GetCapturedStderr();
}

}  // namespace
