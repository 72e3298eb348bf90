// The stroke and tile layers: their draws, write-backs, geometry and stray-argument mends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <vector>

#include "core/utility.h"
#include "pictures/layers_strokes_tiles.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/layer_fixture.h"

namespace {

using namespace testing_support;
using platform::rgb;

class StrokeLayerTest : public LayerTest {
protected:
    std::vector<const Primitive*> of_kind(Primitive::Kind kind) const {
        std::vector<const Primitive*> out;
        for (const Primitive& p : prims) {
            if (p.kind == kind) out.push_back(&p);
        }
        return out;
    }
};

// ---- strokes ----

class GenStrokes : public StrokeLayerTest {};

TEST_F(GenStrokes, DefaultsDrawWidthDirectionBaseThenFourPerDash) {
    platform::ScriptedRandom script({});
    double step = -1, w = -1, dir = -1, r = -1, g = 0, b = 0, spread = 70;
    pictures::gen_strokes(step, w, dir, r, g, b, spread);
    EXPECT_EQ(w, 6);
    EXPECT_EQ(step, 12);
    EXPECT_EQ(dir, 0);
    EXPECT_EQ(r, 30);
    EXPECT_EQ(g, 30);
    EXPECT_EQ(spread, 70);
    // Rows 0, 12, ..., 312; dashes 12 long every 24 pixels from 0 to 408.
    std::vector<DrawRecord> want{range(6, 10), range(0, 1), range(30, 200), range(30, 200),
                                 range(30, 200)};
    for (int dash = 0; dash < 27 * 18; ++dash) {
        want.insert(want.end(), {range(2, 3), range(30, 70), range(30, 70), range(30, 70)});
    }
    EXPECT_EQ(draws, want);
    EXPECT_EQ(surface().pen_width(), 1);
    EXPECT_EQ(pictures::picture_state().bg_r, 30);
}

TEST_F(GenStrokes, OnlyWidthsOfTwoOrLessAreReplaced) {
    struct Case {
        double w, step, want_w, want_step;
        int pen;
    };
    for (const Case& c : {Case{1, -1, 16, 32, 16}, Case{2, 10, 16, 10, 16},
                          Case{3, -1, 3, 6, 3}, Case{2.5, -1, 2.5, 5, 2}}) {
        platform::ScriptedRandom script({kAlmostOne});
        prims.clear();
        double step = c.step, w = c.w, dir = 0, r = 100, g = 100, b = 100, spread = 0;
        pictures::gen_strokes(step, w, dir, r, g, b, spread);
        EXPECT_EQ(w, c.want_w);
        EXPECT_EQ(step, c.want_step);
        const auto lines = of_kind(Primitive::Kind::Line);
        ASSERT_FALSE(lines.empty());
        std::set<double> rows;
        for (const Primitive* p : lines) {
            EXPECT_EQ(p->pen, c.pen);
            EXPECT_EQ(p->colour, rgb(100, 100, 100));  // no spread: the background's colour
            rows.insert(p->y1);
        }
        EXPECT_EQ(*std::next(rows.begin()), c.want_step);
        EXPECT_EQ(*rows.rbegin(), std::floor(320 / c.want_step) * c.want_step);
    }
}

TEST_F(GenStrokes, DashesAreTwoToFivePensLongWithTwoPensBetween) {
    // First dash 5 pens long and red +40; the second 2 pens long in the base colour.
    platform::ScriptedRandom script({kAlmostOne, kAlmostOne, 0.0f, 0.0f, 0.0f});
    double step = 20, w = 6, dir = 0, r = 10, g = 10, b = 10, spread = 40;
    pictures::gen_strokes(step, w, dir, r, g, b, spread);
    const auto lines = of_kind(Primitive::Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0]->x1, 0);
    EXPECT_EQ(lines[0]->x2, 30);
    EXPECT_EQ(lines[0]->y1, 0);
    EXPECT_EQ(lines[0]->colour, rgb(50, 10, 10));
    EXPECT_EQ(lines[1]->x1, 30 + 12);
    EXPECT_EQ(lines[1]->x2, 42 + 12);
    EXPECT_EQ(pixel(15, 1), rgb(50, 10, 10));
    EXPECT_EQ(pixel(15, 10), rgb(10, 10, 10));  // between the rows
    EXPECT_EQ(pixel(36, 0), rgb(10, 10, 10));   // between the first two dashes
}

TEST_F(GenStrokes, ColumnsReachTheRightEdgeAndRunOnBelowThePicture) {
    platform::ScriptedRandom script({0.5f});
    double step = 35, w = 4, dir = 1, r = 10, g = 10, b = 10, spread = 0;
    pictures::gen_strokes(step, w, dir, r, g, b, spread);
    std::set<double> columns;
    double lowest = 0;
    for (const Primitive* p : of_kind(Primitive::Kind::Line)) {
        EXPECT_EQ(p->x1, p->x2);
        EXPECT_LT(p->y1, 420);
        columns.insert(p->x1);
        lowest = std::max(lowest, p->y2);
    }
    EXPECT_EQ(columns.size(), 13u);
    EXPECT_EQ(*columns.rbegin(), 420);
    EXPECT_GT(lowest, 420);
}

TEST_F(GenStrokes, StepsThatCannotAdvance) {
    {  // one that rounds to 0 takes the default spacing rather than hang
        double step = 0.3, w = 8, dir = 0, r = 1, g = 1, b = 1, spread = 0;
        const bool mended = runs_mended(
            [&] { pictures::gen_strokes(step, w, dir, r, g, b, spread); }, "rounds to 0");
        if (mended) {
            EXPECT_EQ(step, 16);
            EXPECT_EQ(of_kind(Primitive::Kind::Line).back()->y1, 320);
        }
    }
    {  // a negative one runs away from the far edge: the background alone
        prims.clear();
        double step = -5, w = 8, dir = 1, r = 1, g = 2, b = 3, spread = 0;
        pictures::gen_strokes(step, w, dir, r, g, b, spread);
        EXPECT_EQ(step, -5);
        EXPECT_TRUE(of_kind(Primitive::Kind::Line).empty());
        EXPECT_EQ(pixel(200, 200), rgb(1, 2, 3));
        EXPECT_EQ(surface().pen_width(), 1);
    }
}

// ---- tiles ----

class GenTiles : public StrokeLayerTest {};

TEST_F(GenTiles, DefaultsDrawSizesBaseThenThreePerTile) {
    platform::ScriptedRandom script({kAlmostOne});
    surface().set_pen_width(7);
    double w = -1, h = 0, r = -1, g = 0, b = 0, spread = 80;
    pictures::gen_tiles(w, h, r, g, b, spread);
    EXPECT_EQ(w, 30);
    EXPECT_EQ(h, 30);
    EXPECT_EQ(r, 175);
    EXPECT_EQ(b, 175);
    // 15 columns (0 to 420) of 11 tiles (0 to 300).
    std::vector<DrawRecord> want{range(10, 20), range(10, 20), range(0, 175), range(0, 175),
                                 range(0, 175)};
    want.insert(want.end(), 15 * 11 * 3, range(175, 80));
    EXPECT_EQ(draws, want);
    EXPECT_EQ(surface().pen_width(), 7);  // left as the earlier layer set it
    EXPECT_EQ(pictures::picture_state().bg_g, 175);
}

TEST_F(GenTiles, TilesAbutColumnByColumnUpToTheFarEdges) {
    platform::ScriptedRandom script({kAlmostOne, 0.0f});  // the first tile red +100
    double w = 30, h = 20, r = 10, g = 10, b = 10, spread = 100;
    pictures::gen_tiles(w, h, r, g, b, spread);
    const auto tiles = of_kind(Primitive::Kind::FilledBox);
    ASSERT_EQ(tiles.size(), 1u + 15 * 17);  // the background, then the tiles
    EXPECT_EQ(tiles[1]->x2, 29);
    EXPECT_EQ(tiles[1]->y2, 19);
    EXPECT_EQ(tiles[2]->y1, 20);  // down the first column first
    EXPECT_EQ(tiles.back()->x1, 420);
    EXPECT_EQ(tiles.back()->y1, 320);
    EXPECT_EQ(draws.size(), 15u * 17 * 3);
    EXPECT_EQ(pixel(29, 19), rgb(110, 10, 10));
    EXPECT_EQ(pixel(30, 19), rgb(10, 10, 10));
    EXPECT_EQ(pixel(29, 20), rgb(10, 10, 10));
}

TEST_F(GenTiles, SizesThatRoundToNothingTakeTheDefault) {
    platform::ScriptedRandom script({0.5f});
    double w = 0.4, h = 12, r = 1, g = 1, b = 1, spread = 0;
    const bool mended =
        runs_mended([&] { pictures::gen_tiles(w, h, r, g, b, spread); }, "rounds to 0");
    if (!mended) return;
    EXPECT_EQ(w, 20);
    EXPECT_EQ(h, 12);
    EXPECT_EQ(draws.front(), range(10, 20));
    EXPECT_EQ(of_kind(Primitive::Kind::FilledBox).size(), 1u + 22 * 27);
}

}  // namespace
