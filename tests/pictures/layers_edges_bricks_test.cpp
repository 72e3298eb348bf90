// The edge-line, offset-tile and brick layers: draws, write-backs, geometry and the step mends.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_edges_bricks.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/layer_fixture.h"

namespace {

using namespace testing_support;
using platform::rgb;

using PatternLayerTest = LayerTest;

class GenEdgeLines : public PatternLayerTest {};

TEST_F(GenEdgeLines, DefaultsThenStartColourThenFourDrawsPerLine) {
    platform::ScriptedRandom script({0.5f});
    surface().set_pen_width(3);
    double count = 0, width = -1, r = -1, g = 7, b = 7, spread = 100;
    pictures::gen_edge_lines(count, width, r, g, b, spread);

    EXPECT_EQ(count, 100);
    EXPECT_EQ(width, 6);  // 2 + round(3.5)
    EXPECT_EQ(r, 128);    // round(127.5) to even
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 128);
    std::vector<DrawRecord> want = {range(0, 255), range(0, 255), range(0, 255), range(2, 7)};
    append(want, 1, {range(128, 100), range(128, 100), range(128, 100)});
    append(want, 100, {range(0, 550), range(128, 100), range(128, 100), range(128, 100)});
    EXPECT_EQ(draws, want);
    EXPECT_EQ(surface().pen_width(), 6);
}

TEST_F(GenEdgeLines, WalksTopRightBottomLeftFromTheStartDot) {
    // p = 0, 550, 275, 100, then 275 for the rest; spread 0 keeps every colour the base.
    platform::ScriptedRandom script({0.0f, 0.0f, 0.0f,                 // start colour
                                     0.0f, 0.0f, 0.0f, 0.0f,           // line 1: p = 0
                                     kAlmostOne, 0.0f, 0.0f, 0.0f,     // line 2: p = 550
                                     0.5f, 0.0f, 0.0f, 0.0f,           // line 3: p = 275
                                     100.0f / 550, 0.0f, 0.0f, 0.0f,   // line 4: p = 100
                                     0.5f});
    surface().set_pen_width(5);
    record();
    double count = 6, width = 3, r = 40, g = 90, b = 240, spread = 0;
    pictures::gen_edge_lines(count, width, r, g, b, spread);

    ASSERT_EQ(prims.size(), 7u);
    EXPECT_EQ(prims[0].kind, Primitive::Kind::Point);
    EXPECT_EQ(prims[0].x1, 0);
    EXPECT_EQ(prims[0].y1, 160);
    EXPECT_EQ(prims[0].pen, 5);  // the start dot still wears the previous layer's pen
    const double ends[6][2] = {{0, 0}, {420, 550}, {275, 320}, {0, 100}, {275, 0}, {420, 275}};
    double from_x = 0, from_y = 160;
    for (int i = 0; i < 6; ++i) {
        const Primitive& p = prims[static_cast<std::size_t>(i) + 1];
        SCOPED_TRACE(i);
        EXPECT_EQ(p.kind, Primitive::Kind::Line);
        EXPECT_EQ(p.x1, from_x);
        EXPECT_EQ(p.y1, from_y);
        EXPECT_EQ(p.x2, ends[i][0]);
        EXPECT_EQ(p.y2, ends[i][1]);
        EXPECT_EQ(p.pen, 3);
        EXPECT_EQ(p.colour, rgb(40, 90, 240));
        from_x = p.x2;
        from_y = p.y2;
    }
    EXPECT_EQ(surface().current_x(), 420);
    EXPECT_EQ(surface().current_y(), 275);
    EXPECT_EQ(pixel(0, 160), rgb(40, 90, 240));
    EXPECT_EQ(count, 6);  // a given count, width and base are left alone
    EXPECT_EQ(width, 3);
}

// ---- offset tiles ----

class GenTilesOffset : public PatternLayerTest {};

TEST_F(GenTilesOffset, DefaultsThenOneDrawPerTilePosition) {
    platform::ScriptedRandom script({0.5f});
    record();
    double size = -1, density = 0, r = -1, g = 1, b = 1, spread = 70;
    pictures::gen_tiles_offset(size, density, r, g, b, spread);

    EXPECT_EQ(size, 20);     // 15 + round(5)
    EXPECT_EQ(r, 90);        // round(180 x 0.5)
    EXPECT_EQ(b, 90);
    EXPECT_EQ(density, 30);  // 20 + round(10)
    // Rows y = -20 to 400: eleven odd rows of twelve positions from x -20, eleven even of
    // eleven from x 0. k = 50 is above 30: no tile, only the background.
    std::vector<DrawRecord> want = {range(15, 10), range(0, 180), range(0, 180), range(0, 180),
                                    range(20, 20)};
    append(want, 11 * 12 + 11 * 11, {range(0, 100)});
    EXPECT_EQ(draws, want);
    EXPECT_EQ(prims.size(), 1u);
    EXPECT_EQ(pictures::picture_state().bg_g, 90);
    EXPECT_EQ(pixel(210, 160), rgb(90, 90, 90));
}

TEST_F(GenTilesOffset, RowsAlternateTheirStartAndTilesAreTwoSizesWide) {
    // k = 50 is at the density: every tile is drawn, base + 5 per channel.
    platform::ScriptedRandom script({0.5f});
    record();
    double size = 20, density = 50, r = 10, g = 20, b = 30, spread = 10;
    pictures::gen_tiles_offset(size, density, r, g, b, spread);

    std::vector<DrawRecord> want;
    append(want, 11 * 12 + 11 * 11, {range(0, 100), range(10, 10), range(20, 10), range(30, 10)});
    EXPECT_EQ(draws, want);
    const auto boxes = of_kind(prims, Primitive::Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 1u + 11 * 12 + 11 * 11);
    // The background first, then row 1 (y -20) from x -20, row 2 (y 0) from x 0.
    const double first[3][4] = {{-20, -20, 19, -1}, {20, -20, 59, -1}, {0, 0, 39, 19}};
    for (int i = 0; i < 3; ++i) {
        const Primitive& p = boxes[i == 2 ? 1 + 12 : static_cast<std::size_t>(i) + 1];
        SCOPED_TRACE(i);
        EXPECT_EQ(p.x1, first[i][0]);
        EXPECT_EQ(p.y1, first[i][1]);
        EXPECT_EQ(p.x2, first[i][2]);
        EXPECT_EQ(p.y2, first[i][3]);
        EXPECT_EQ(p.colour, rgb(15, 25, 35));
    }
    EXPECT_EQ(boxes.back().x1, 400);  // row 22 (even) at y 400 ends with the tile at x 400
    EXPECT_EQ(boxes.back().y1, 400);
    EXPECT_EQ(pixel(0, 0), rgb(15, 25, 35));
    EXPECT_EQ(pictures::picture_state().bg_r, 10);  // the background is the base, tiles don't record
}

TEST_F(GenTilesOffset, SizeBelowOneIsHeldAtOne) {
    for (double bad : {0.0, 0.4, -7.0}) {
        SCOPED_TRACE(bad);
        draws.clear();
        double size = bad, density = -1, r = 5, g = 5, b = 5, spread = 0;
        const bool mended = runs_mended(
            [&] {
                platform::ScriptedRandom script({kAlmostOne});
                pictures::gen_tiles_offset(size, density, r, g, b, spread);
            },
            "tile size");
        if (!mended) continue;
        // Rows y = -1 to 419, 211 positions each; the density default is the only other draw.
        EXPECT_EQ(draws.size(), 1u + 421u * 211u);
        EXPECT_EQ(size, bad);  // a mend is not a default: the caller's value stays
    }
}

// ---- bricks ----

class GenBricks : public PatternLayerTest {};

TEST_F(GenBricks, DefaultsThenOneDrawPerBrickPosition) {
    platform::ScriptedRandom script({0.5f});
    surface().set_pen_width(3);
    double density = 50, size = -1, r = -1, g = 0, b = 0;
    pictures::gen_bricks(density, size, r, g, b);

    EXPECT_EQ(size, 35);  // 30 + round(5)
    EXPECT_EQ(r, 130);
    EXPECT_EQ(g, 130);
    EXPECT_EQ(b, 130);
    // Bricks 35 x 18 (17.5 rounds to even): rows y 0 to 306, thirteen positions each.
    std::vector<DrawRecord> want = {range(30, 10), range(30, 200), range(30, 200), range(30, 200)};
    append(want, 18 * 13, {range(0, 100)});
    EXPECT_EQ(draws, want);
    EXPECT_EQ(surface().pen_width(), 3);
}

TEST_F(GenBricks, LightTopRightDarkBottomLeftBodyInside) {
    platform::ScriptedRandom script({0.0f});
    double bg_r = 0, bg_g = 0, bg_b = 0;
    pictures::fill_background(bg_r, bg_g, bg_b);
    surface().set_pen_width(1);
    double density = 50, size = 30, r = 100, g = 120, b = 140;
    pictures::gen_bricks(density, size, r, g, b);

    const platform::Colour body = rgb(110, 130, 150), light = rgb(130, 150, 170),
                           dark = rgb(70, 90, 110);
    struct Probe { int x, y; platform::Colour want; };
    // Row 1: brick (0, 0) to (29, 14). Row 2 starts half a brick left: (-15, 15) to (14, 29).
    const Probe probes[] = {{15, 0, light},  {29, 7, light},  {29, 0, light},  {15, 14, dark},
                            {0, 7, dark},    {0, 0, dark},    {29, 14, dark},  {15, 7, body},
                            {1, 1, body},    {28, 13, body},  {14, 20, light}, {15, 20, dark},
                            {30, 7, dark}};
    for (const Probe& p : probes) EXPECT_EQ(pixel(p.x, p.y), p.want) << p.x << "," << p.y;
    // The last brick is row 22 (y 315, even) at x 405; the walk ends at its top-left corner.
    EXPECT_EQ(surface().current_x(), 405);
    EXPECT_EQ(surface().current_y(), 315);
    EXPECT_EQ(draws.size(), 22u * 15);
}

TEST_F(GenBricks, OddSizeHalvesToEvenAndRowsShiftByTheHeight) {
    platform::ScriptedRandom script({0.0f});
    record();
    double density = 0, size = 25, r = 200, g = 250, b = 30;
    pictures::gen_bricks(density, size, r, g, b);

    ASSERT_GE(prims.size(), 4u * 19);
    // Brick 25 x 12 (12.5 rounds to even): body, outline, bottom edge, left edge.
    const Primitive& fill = prims[0];
    EXPECT_EQ(fill.kind, Primitive::Kind::FilledBox);
    EXPECT_EQ(fill.x2, 24);
    EXPECT_EQ(fill.y2, 11);
    EXPECT_EQ(fill.colour, rgb(210, 255, 40));  // saturated, not wrapped
    const Primitive& outline = prims[1];
    EXPECT_EQ(outline.kind, Primitive::Kind::Box);
    EXPECT_EQ(outline.x2, 24);
    EXPECT_EQ(outline.y2, 11);
    EXPECT_EQ(prims[2].x2, 0);
    EXPECT_EQ(prims[3].y2, 0);
    EXPECT_EQ(prims[3].colour, rgb(170, 220, 0));
    // Row 1 has positions 0, 25, ..., 400 (17); row 2 starts at x -12, y 12.
    const Primitive& row2 = prims[4 * 17 + 1];
    EXPECT_EQ(row2.x1, -12);
    EXPECT_EQ(row2.y1, 12);
}

TEST_F(GenBricks, SizeBelowTwoIsHeldToOnePixelSteps) {
    for (double bad : {1.0, 0.0, -30.0}) {
        SCOPED_TRACE(bad);
        draws.clear();
        double density = -1, size = bad, r = 50, g = 50, b = 50;
        const bool mended = runs_mended(
            [&] {
                platform::ScriptedRandom script({0.5f});
                pictures::gen_bricks(density, size, r, g, b);
            },
            "brick size");
        if (!mended) continue;
        // 321 rows: odd ones from x 0 (421 positions), even ones from x -1 (422).
        EXPECT_EQ(draws.size(), 161u * 421 + 160u * 422);
    }
}

// ---- all three ----

class GenWalkLayers : public PatternLayerTest {};

// Same seed and same picture underneath: the same bytes.
TEST_F(GenWalkLayers, SameSeedSamePicture) {
    const std::vector<std::function<void()>> layers = {
        [] {
            double count = -1, width = -1, r = -1, g = 0, b = 0, spread = 60;
            pictures::gen_edge_lines(count, width, r, g, b, spread);
        },
        [] {
            double size = -1, density = -1, r = -1, g = 0, b = 0, spread = 40;
            pictures::gen_tiles_offset(size, density, r, g, b, spread);
        },
        [] {
            double density = 70, size = -1, r = -1, g = 0, b = 0;
            pictures::gen_bricks(density, size, r, g, b);
        },
    };
    expect_layers_repeat(layers, 4242);
}

}  // namespace
