// Arc and triangle overlay layers: draw order, base colours, geometry and repeatability.
#include <gtest/gtest.h>

#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_arcs.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/layer_fixture.h"

namespace {

using namespace testing_support;
using platform::rgb;

using ArcLayerTest = LayerTest;

class GenArcs : public ArcLayerTest {};
class GenScribbles : public ArcLayerTest {};

TEST_F(GenArcs, DefaultsDrawTenValuesPerArcAfterTheBase) {
    platform::ScriptedRandom script({0.5f});
    DrawLog log;
    double count = -1, r = -1, g = 7, b = 7, spread = -4, size = -1;
    pictures::gen_arcs(count, r, g, b, spread, size);

    std::vector<DrawRecord> want(3, range(0, 255));
    for (int i = 0; i < 20; ++i) {
        want.insert(want.end(), {kDirect, kDirect, range(128, 30), range(128, 30), range(128, 30)});
        want.insert(want.end(), 5, kDirect);
    }
    EXPECT_EQ(log.draws, want);
    EXPECT_EQ(count, 20);
    EXPECT_EQ(spread, 30);
    EXPECT_EQ(size, 100);
    EXPECT_EQ(r, 128);  // 127.5 rounds to even
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 128);
}

TEST_F(GenArcs, NoArcsStillSettlesARandomBase) {
    platform::ScriptedRandom script({0.0f, 0.5f, 0.99999994f});
    DrawLog log;
    record();
    double count = 0, r = -1, g = 0, b = 0, spread = 10, size = 50;
    pictures::gen_arcs(count, r, g, b, spread, size);
    EXPECT_EQ(log.draws, std::vector<DrawRecord>(3, range(0, 255)));
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 255);
    EXPECT_TRUE(prims.empty());
}

// Any r at or below -2 takes the last background; the arcs then spread from it.
TEST_F(GenArcs, LowRTakesTheLastBackground) {
    paint(40, 50, 60);
    platform::ScriptedRandom script({0.5f});
    DrawLog log;
    record();
    double count = 1, r = -5, g = 0, b = 0, spread = 0, size = 50;
    pictures::gen_arcs(count, r, g, b, spread, size);
    EXPECT_EQ(r, 40);
    EXPECT_EQ(g, 50);
    EXPECT_EQ(b, 60);
    ASSERT_EQ(log.draws.size(), 10u);
    EXPECT_EQ(log.draws[2], range(40, 0));
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_EQ(prims[0].colour, rgb(40, 50, 60));
}

// Angles turn counter-clockwise as seen, and from aspect 1 up the radius is the vertical one.
TEST_F(GenArcs, OneArcFromScriptedValues) {
    paint(0, 0, 0);
    // x, y, red, green, blue, radius, pen, aspect, start, end
    platform::ScriptedRandom script({0.5f, 0.25f, 0, 0, 0, 0.6f, 0.75f, 0.5f, 0.0f, 1.0f / 3});
    record();
    double count = 1, r = 10, g = 20, b = 30, spread = 0, size = 50;
    pictures::gen_arcs(count, r, g, b, spread, size);
    ASSERT_EQ(prims.size(), 1u);
    const Primitive& a = prims[0];
    EXPECT_EQ(a.kind, Primitive::Kind::Arc);
    EXPECT_EQ(a.x1, 210);  // 270 - 60
    EXPECT_EQ(a.y1, 50);   // 110 - 60
    EXPECT_EQ(a.colour, rgb(10, 20, 30));
    EXPECT_EQ(a.radius, 48);  // round(0.6 x 30) + 30
    EXPECT_EQ(a.pen, 11);     // round(4.5) - 3 + round(9.6)
    EXPECT_EQ(a.aspect, 2);   // round(2.1)
    EXPECT_EQ(a.start, 0);
    EXPECT_EQ(a.end, 2);
    EXPECT_EQ(surface().pen_width(), 11);
    // 48 tall and 24 wide, from the right-hand end over the top
    EXPECT_EQ(at(210, 3), a.colour);
    EXPECT_EQ(at(234, 50), a.colour);
    EXPECT_EQ(at(210, 97), platform::kBlack);
    EXPECT_EQ(at(186, 50), platform::kBlack);
}

// Equal angles draw the whole ellipse; aspect 0 flattens it into a horizontal line.
TEST_F(GenArcs, FlatArcIsAHorizontalLine) {
    paint(0, 0, 0);
    platform::ScriptedRandom script({0.5f, 0.25f, 0, 0, 0, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f});
    double count = 1, r = 255, g = 255, b = 255, spread = 0, size = 20;
    pictures::gen_arcs(count, r, g, b, spread, size);
    EXPECT_EQ(at(181, 50), platform::kWhite);  // radius 30, pen 3
    EXPECT_EQ(at(239, 50), platform::kWhite);
    EXPECT_EQ(at(210, 46), platform::kBlack);
}

// Sizes below 20 are never passed, but they would give pens of 0 or less.
TEST_F(GenArcs, SmallSizeKeepsThePenAtOne) {
    platform::ScriptedRandom script({0.5f, 0.5f, 0, 0, 0, 0.9f, 0.0f, 0.5f, 0, 0});
    record();
    double count = 1, r = 0, g = 0, b = 0, spread = 0, size = 0;
    pictures::gen_arcs(count, r, g, b, spread, size);
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_EQ(prims[0].radius, 12);  // round(0.9 x -20) + 30
    EXPECT_EQ(prims[0].pen, 1);      // 0 - 3 + round(2.4) = -1
}

TEST_F(GenScribbles, DefaultsDrawTwelveValuesPerTriangle) {
    platform::ScriptedRandom script({0.5f});
    DrawLog log;
    double count = 30, r = -1, g = 0, b = 0, spread = 100;  // the recipe's call
    pictures::gen_scribbles(count, r, g, b, spread);
    std::vector<DrawRecord> want(3, range(0, 255));
    for (int i = 0; i < 30; ++i) {
        want.insert(want.end(), {kDirect, range(128, 100), range(128, 100), range(128, 100)});
        want.insert(want.end(), 8, kDirect);
    }
    EXPECT_EQ(log.draws, want);

    double dcount = -1, dr = -2, dg = 0, db = 0, dspread = -1;
    pictures::gen_scribbles(dcount, dr, dg, db, dspread);
    EXPECT_EQ(dcount, 20);
    EXPECT_EQ(dspread, 30);
    EXPECT_EQ(dr, 0);  // the last background of a fresh game
}

TEST_F(GenScribbles, OneClosedTriangle) {
    // pen, red, green, blue, x0, y0, dx, dy, then x and y of two corners
    platform::ScriptedRandom script({0.5f, 0, 0, 0, 0.25f, 0.5f, 0.5f, 0.25f, 0.0f, 0.25f, 0.75f, 0.5f});
    record();
    double count = 1, r = 10, g = 20, b = 30, spread = 0;
    pictures::gen_scribbles(count, r, g, b, spread);
    ASSERT_EQ(prims.size(), 4u);
    const platform::Colour c = rgb(10, 20, 30);
    const Primitive& dot = prims[0];
    EXPECT_EQ(dot.kind, Primitive::Kind::Point);
    EXPECT_EQ(dot.x1, 75);  // 135 - 60
    EXPECT_EQ(dot.y1, 160);
    EXPECT_EQ(dot.pen, 7);  // round(4) + 3
    EXPECT_EQ(dot.colour, c);
    // reach 220 across and 120 down around the first corner
    const double corners[][4] = {{75, 160, -145, 100}, {-145, 100, 185, 160}, {185, 160, 75, 160}};
    for (int i = 0; i < 3; ++i) {
        const Primitive& p = prims[static_cast<std::size_t>(i + 1)];
        EXPECT_EQ(p.kind, Primitive::Kind::Line);
        EXPECT_EQ((std::vector<double>{p.x1, p.y1, p.x2, p.y2}),
                  (std::vector<double>(corners[i], corners[i] + 4)))
            << "side " << i;
        EXPECT_EQ(p.colour, c);
        EXPECT_EQ(p.pen, 7);
    }
}

}  // namespace
