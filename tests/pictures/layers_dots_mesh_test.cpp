// The dot-field and mesh layers: their draws, write-backs, geometry and stray-argument mends.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/layer_fixture.h"

namespace {

using namespace testing_support;
using platform::rgb;

// ---- dots ----

class GenDots : public LayerTest {};

TEST_F(GenDots, DefaultsDrawBaseThenSixPerDot) {
    platform::ScriptedRandom script({0.0f, 0.5f, kAlmostOne, 0.0f});
    double count = -1, r = -1, g = 0, b = 0, spread = -1;
    pictures::gen_dots(count, r, g, b, spread);
    EXPECT_EQ(count, 80);
    EXPECT_EQ(spread, 30);
    // Base channels 30 to 225: 97.5 rounds to even.
    EXPECT_EQ(r, 30);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 225);
    std::vector<DrawRecord> want(3, range(30, 195));
    for (int i = 0; i < 80; ++i) {
        want.insert(want.end(), {range(30, 30), range(128, 30), range(225, 30), direct(),
                                 direct(), direct()});
    }
    EXPECT_EQ(draws, want);
    EXPECT_EQ(pictures::picture_state().bg_g, 128);
    EXPECT_EQ(surface().pen_width(), 1);
}

TEST_F(GenDots, RandomBaseIgnoresTheOtherChannelsAndLeavesRoomForTheSpread) {
    platform::ScriptedRandom script({kAlmostOne});
    double count = 0, r = -1, g = 30, b = 30, spread = 80;
    pictures::gen_dots(count, r, g, b, spread);
    EXPECT_EQ(draws, std::vector<DrawRecord>(3, range(30, 145)));
    EXPECT_EQ(r, 175);
    EXPECT_EQ(g, 175);
    EXPECT_EQ(b, 175);
}

TEST_F(GenDots, NoDotsLeavesTheRecordedBackground) {
    surface().set_pen_width(9);
    double count = 0, r = 50, g = 60, b = 70, spread = 10;
    pictures::gen_dots(count, r, g, b, spread);
    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(count, 0);  // 0 is a valid count, not a request for the default
    EXPECT_EQ(pixel(0, 0), rgb(50, 60, 70));
    EXPECT_EQ(pixel(419, 319), rgb(50, 60, 70));
    EXPECT_EQ(pictures::picture_state().bg_r, 50);
    EXPECT_EQ(pictures::picture_state().bg_g, 60);
    EXPECT_EQ(pictures::picture_state().bg_b, 70);
    EXPECT_EQ(surface().pen_width(), 1);
}

TEST_F(GenDots, DotsAreRoundPenWideAndMayStraddleTheEdge) {
    // Dot 1: red +100, green +0, blue +50 at (210, 80), size 34. Dot 2: red +100 at (420, 320),
    // size 4.
    platform::ScriptedRandom script({kAlmostOne, 0.0f, 0.5f, 0.5f, 0.25f, kAlmostOne,  //
                                     kAlmostOne, 0.0f, 0.0f, kAlmostOne, kAlmostOne, 0.0f});
    std::vector<Primitive> list;
    surface().set_recorder(&list);
    double count = 2, r = 10, g = 10, b = 10, spread = 100;
    pictures::gen_dots(count, r, g, b, spread);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kind, Primitive::Kind::FilledBox);
    EXPECT_EQ(list[1].kind, Primitive::Kind::Point);
    EXPECT_EQ(list[1].x1, 210);
    EXPECT_EQ(list[1].y1, 80);
    EXPECT_EQ(list[1].pen, 34);
    EXPECT_EQ(list[1].colour, rgb(110, 10, 60));
    EXPECT_EQ(list[2].x1, 420);
    EXPECT_EQ(list[2].y1, 320);
    EXPECT_EQ(list[2].pen, 4);
    EXPECT_EQ(pixel(210, 80), rgb(110, 10, 60));
    EXPECT_EQ(pixel(210 + 15, 80), rgb(110, 10, 60));
    EXPECT_EQ(pixel(210 + 19, 80), rgb(10, 10, 10));
    EXPECT_EQ(pixel(210, 80 - 19), rgb(10, 10, 10));
    EXPECT_EQ(pixel(419, 319), rgb(110, 10, 10));  // the edge dot shows its inner quarter
}

// ---- mesh ----

class GenMesh : public LayerTest {};

TEST_F(GenMesh, DefaultsDrawBaseLineColourExchangeThenTwoPerPoint) {
    platform::ScriptedRandom script({});
    double nx = -1, ny = -1, width = -1, r = -1, g = 0, b = 0;
    pictures::gen_mesh(nx, ny, width, r, g, b);
    EXPECT_EQ(nx, 12);
    EXPECT_EQ(ny, 12);
    EXPECT_EQ(width, 6);
    EXPECT_EQ(r, 30);
    EXPECT_EQ(b, 30);
    std::vector<DrawRecord> want(3, range(30, 200));
    want.insert(want.end(), {range(50, 25), range(50, 25), range(50, 25), range(1, 1)});
    want.insert(want.end(), 14 * 14 * 2, direct());
    EXPECT_EQ(draws, want);
    EXPECT_EQ(surface().pen_width(), 1);
}

TEST_F(GenMesh, LinesJoinEachPointUpAndLeftOnAGridOfRoundedCells) {
    // Lighter colour 120s, no exchange, then every point at the middle of its jitter.
    platform::ScriptedRandom script({0.0f, 0.0f, 0.0f, 0.75f, 0.5f});
    std::vector<Primitive> list;
    surface().set_recorder(&list);
    double nx = 12, ny = 12, width = -1, r = 100, g = 100, b = 100;
    pictures::gen_mesh(nx, ny, width, r, g, b);
    ASSERT_EQ(list.size(), 1u + 12 * 12 * 4);
    EXPECT_EQ(list[0].kind, Primitive::Kind::FilledBox);
    EXPECT_EQ(list[0].colour, rgb(100, 100, 100));
    // Cells 35 x 27 (320 / 12 rounds up); the first joint is P(1, 1).
    const Primitive::Kind kinds[] = {Primitive::Kind::Point, Primitive::Kind::Line,
                                     Primitive::Kind::Point, Primitive::Kind::Line};
    for (int i = 0; i < 4; ++i) {
        const Primitive& p = list[static_cast<std::size_t>(1 + i)];
        EXPECT_EQ(p.kind, kinds[i]);
        EXPECT_EQ(p.pen, 6);
        EXPECT_EQ(p.colour, rgb(120, 120, 120));
        EXPECT_EQ(p.x1, 35);
        EXPECT_EQ(p.y1, 27);
    }
    EXPECT_EQ(list[2].x2, 35);  // up to P(1, 0)
    EXPECT_EQ(list[2].y2, 0);
    EXPECT_EQ(list[4].x2, 0);  // left to P(0, 1)
    EXPECT_EQ(list[4].y2, 27);
    const Primitive& last = list.back();  // P(12, 12) to its left
    EXPECT_EQ(last.x1, 420);
    EXPECT_EQ(last.y1, 324);
    EXPECT_EQ(last.x2, 385);
    EXPECT_EQ(pixel(35 + 17, 27 + 13), rgb(100, 100, 100));
    EXPECT_EQ(pixel(35, 27 + 13), rgb(120, 120, 120));
    EXPECT_EQ(pixel(35 + 17, 27), rgb(120, 120, 120));
}

// Each point takes its x draw, then its y draw, column by column; every point's own draws
// show in where its lines end. Draws of m / 16 and m / 8 make the jitter a whole m.
TEST_F(GenMesh, PointsAreDrawnColumnByColumnXThenY) {
    const int nx = 10, ny = 5, cw = 42, ch = 64, kx = 8, ky = 4;
    std::vector<float> values = {0.0f, 0.0f, 0.0f, 0.75f};
    auto jitter_x = [](int k) { return (k * 5) % 16; };
    auto jitter_y = [](int k) { return (k * 3) % 8; };
    for (int k = 0; k < (nx + 2) * (ny + 2); ++k) {
        values.push_back(static_cast<float>(jitter_x(k)) / 16.0f);
        values.push_back(static_cast<float>(jitter_y(k)) / 8.0f);
    }
    platform::ScriptedRandom script(values);
    std::vector<Primitive> list;
    surface().set_recorder(&list);
    double mx = nx, my = ny, width = 2, r = 100, g = 100, b = 100;
    pictures::gen_mesh(mx, my, width, r, g, b);
    surface().set_recorder(nullptr);

    auto point = [&](int c, int j) {
        const int k = c * (ny + 2) + j;
        return std::pair<double, double>(c * cw - kx + jitter_x(k), j * ch - ky + jitter_y(k));
    };
    std::vector<Primitive> lines = of_kind(list, Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(2 * nx * ny));
    std::size_t i = 0;
    for (int c = 1; c <= nx; ++c) {
        for (int j = 1; j <= ny; ++j) {
            for (auto [to_c, to_j] : {std::pair{c, j - 1}, std::pair{c - 1, j}}) {
                const Primitive& l = lines[i++];
                EXPECT_EQ(std::pair(l.x1, l.y1), point(c, j)) << c << "," << j;
                EXPECT_EQ(std::pair(l.x2, l.y2), point(to_c, to_j)) << c << "," << j;
            }
        }
    }
}

TEST_F(GenMesh, JitterAndExchange) {
    struct Case {
        float point_draw;
        float exchange_draw;
        double first_x, first_y;  // P(1, 1) of a 12 x 12 mesh: jitter 10 each way
        platform::Colour back, lines;
    };
    const platform::Colour dark = rgb(100, 100, 100), light = rgb(145, 120, 132);
    for (const Case& c : {Case{0.0f, 0.75f, 25, 17, dark, light},
                          Case{kAlmostOne, 0.5f, 45, 37, light, dark}}) {
        platform::ScriptedRandom script({kAlmostOne, 0.0f, 0.5f, c.exchange_draw, c.point_draw});
        std::vector<Primitive> list;
        surface().set_recorder(&list);
        double nx = 12, ny = 12, width = 2, r = 100, g = 100, b = 100;
        pictures::gen_mesh(nx, ny, width, r, g, b);
        surface().set_recorder(nullptr);
        ASSERT_GT(list.size(), 1u);
        EXPECT_EQ(list[0].colour, c.back);
        EXPECT_EQ(list[1].colour, c.lines);
        EXPECT_EQ(list[1].x1, c.first_x);
        EXPECT_EQ(list[1].y1, c.first_y);
        EXPECT_EQ(list[1].pen, 2);
    }
}

TEST_F(GenMesh, PaintsItsBackgroundWithoutRecordingIt) {
    double r0 = 1, g0 = 2, b0 = 3;
    pictures::fill_background(r0, g0, b0);
    double nx = 5, ny = 4, width = 3, r = 200, g = 0, b = 0;
    pictures::gen_mesh(nx, ny, width, r, g, b);
    const pictures::PictureState& s = pictures::picture_state();
    EXPECT_EQ(s.bg_r, 1);
    EXPECT_EQ(s.bg_g, 2);
    EXPECT_EQ(s.bg_b, 3);
}

TEST_F(GenMesh, CellCountsOutsideTheTablesAreHeldTo1To29) {
    struct Case {
        double nx, ny, want_nx, want_ny, want_width;
    };
    for (const Case& c : {Case{40, 0, 29, 1, 14}, Case{-5, 100, 1, 29, 0},
                          Case{29.4, 0.3, 29, 1, 14}}) {
        draws.clear();
        std::vector<Primitive> list;
        surface().set_recorder(&list);
        double nx = c.nx, ny = c.ny, width = -1, r = 10, g = 10, b = 10;
        const bool mended = runs_mended([&] { pictures::gen_mesh(nx, ny, width, r, g, b); },
                                        "outside 1..29");
        surface().set_recorder(nullptr);
        if (!mended) continue;
        EXPECT_EQ(nx, c.want_nx);
        EXPECT_EQ(ny, c.want_ny);
        EXPECT_EQ(width, c.want_width);  // round(nx / 2) of the count actually used
        const auto points = static_cast<std::size_t>((c.want_nx + 2) * (c.want_ny + 2));
        EXPECT_EQ(draws.size(), 4 + 2 * points);
        EXPECT_EQ(count_kind(list, Primitive::Kind::Line),
                  static_cast<std::size_t>(2 * c.want_nx * c.want_ny));
    }
}

}  // namespace
