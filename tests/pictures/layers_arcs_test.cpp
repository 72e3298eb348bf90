// Arc and triangle overlay layers: draw order, base colours, geometry and repeatability.
#include <gtest/gtest.h>

#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_arcs.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/game_fixture.h"

namespace {

using core::DrawRecord;
using platform::Primitive;
using platform::rgb;

const DrawRecord kDirect{true, 0, 0};
DrawRecord range(int lo, int span) { return {false, lo, span}; }

// Records the draws of everything run while it lives.
struct DrawLog {
    std::vector<DrawRecord> draws;
    DrawLog() { core::set_draw_recorder(&draws); }
    ~DrawLog() { core::set_draw_recorder(nullptr); }
};

class ArcLayerTest : public testing_support::GameTest {
protected:
    platform::Surface& surface() { return form().pbox_temp->draw(); }
    void paint(int r, int g, int b) {
        double rr = r, gg = g, bb = b;
        pictures::fill_background(rr, gg, bb);
    }
    // What the generator drew after the background.
    std::vector<Primitive> shapes;
    void record() { surface().set_recorder(&shapes); }
    void TearDown() override {
        surface().set_recorder(nullptr);
        GameTest::TearDown();
    }
    // Same seed and same prior picture, same layer; another seed, another layer.
    template <typename Layer>
    void expect_repeatable(Layer layer) {
        auto run = [&](std::uint32_t seed) {
            paint(0, 0, 0);
            surface().set_pen_width(1);
            platform::seed_random(seed);
            layer();
            return form().pbox_temp->snapshot();
        };
        const platform::Picture first = run(5);
        EXPECT_TRUE(first == run(5));
        EXPECT_FALSE(first == run(6));
    }
};

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
    EXPECT_TRUE(shapes.empty());
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
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].colour, rgb(40, 50, 60));
}

TEST_F(GenArcs, OneArcFromScriptedValues) {
    // x, y, red, green, blue, radius, pen, aspect, start, end
    platform::ScriptedRandom script({0.5f, 0.25f, 0, 0, 0, 0.5f, 0.5f, 0.5f, 0.0f, 1.0f / 3});
    record();
    double count = 1, r = 10, g = 20, b = 30, spread = 0, size = 50;
    pictures::gen_arcs(count, r, g, b, spread, size);
    ASSERT_EQ(shapes.size(), 1u);
    const Primitive& a = shapes[0];
    EXPECT_EQ(a.kind, Primitive::Kind::Arc);
    EXPECT_EQ(a.x1, 210);  // 270 - 60
    EXPECT_EQ(a.y1, 50);   // 110 - 60
    EXPECT_EQ(a.colour, rgb(10, 20, 30));
    EXPECT_EQ(a.radius, 45);  // round(0.5 x 30) + 30
    EXPECT_EQ(a.pen, 9);      // 3 - 3 + 45 / 5
    EXPECT_EQ(a.aspect, 2);   // round(2.1)
    EXPECT_EQ(a.start, 0);
    EXPECT_EQ(a.end, 2);
    EXPECT_EQ(surface().pen_width(), 9);
}

// Sizes below 20 are never passed, but they would give pens of 0 or less.
TEST_F(GenArcs, SmallSizeKeepsThePenAtOne) {
    platform::ScriptedRandom script({0.5f, 0.5f, 0, 0, 0, 0.9f, 0.0f, 0.5f, 0, 0});
    record();
    double count = 1, r = 0, g = 0, b = 0, spread = 0, size = 0;
    pictures::gen_arcs(count, r, g, b, spread, size);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].radius, 12);  // round(0.9 x -20) + 30
    EXPECT_EQ(shapes[0].pen, 1);      // 0 - 3 + round(2.4) = -1
}

// Angles turn counter-clockwise as seen, and the aspect makes the given radius the vertical one.
TEST_F(GenArcs, ArcsOnScreen) {
    struct Case {
        std::vector<float> values;
        std::vector<std::pair<int, int>> lit, dark;
    };
    const Case cases[] = {
        // centre (210, 50), radius 45 tall and 22.5 wide, pen 9, from 0 to 2 radians
        {{0.5f, 0.25f, 0, 0, 0, 0.5f, 0.5f, 0.5f, 0.0f, 1.0f / 3},
         {{210, 5}, {232, 50}},
         {{210, 95}, {188, 50}}},
        // aspect 0 and equal angles: a horizontal line 60 long, pen 3
        {{0.5f, 0.25f, 0, 0, 0, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f}, {{181, 50}, {239, 50}}, {{210, 46}}},
    };
    for (const Case& c : cases) {
        paint(0, 0, 0);
        platform::ScriptedRandom script(c.values);
        double count = 1, r = 255, g = 255, b = 255, spread = 0, size = c.values[5] == 0 ? 20 : 50;
        pictures::gen_arcs(count, r, g, b, spread, size);
        for (auto [x, y] : c.lit) EXPECT_EQ(form().pbox_temp->pixel(x, y), platform::kWhite) << x << "," << y;
        for (auto [x, y] : c.dark) EXPECT_EQ(form().pbox_temp->pixel(x, y), platform::kBlack) << x << "," << y;
    }
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
    platform::ScriptedRandom script({0.5f, 0, 0, 0, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.25f, 0.75f, 0.5f});
    record();
    double count = 1, r = 10, g = 20, b = 30, spread = 0;
    pictures::gen_scribbles(count, r, g, b, spread);
    ASSERT_EQ(shapes.size(), 4u);
    const platform::Colour c = rgb(10, 20, 30);
    const Primitive& dot = shapes[0];
    EXPECT_EQ(dot.kind, Primitive::Kind::Point);
    EXPECT_EQ(dot.x1, 210);  // round(270) - 60
    EXPECT_EQ(dot.y1, 160);
    EXPECT_EQ(dot.pen, 7);  // round(4) + 3
    EXPECT_EQ(dot.colour, c);
    // reach 220 across and 170 down around the first corner
    const double corners[][4] = {{210, 160, -10, 75}, {-10, 75, 320, 160}, {320, 160, 210, 160}};
    for (int i = 0; i < 3; ++i) {
        const Primitive& p = shapes[static_cast<std::size_t>(i + 1)];
        EXPECT_EQ(p.kind, Primitive::Kind::Line);
        EXPECT_EQ((std::vector<double>{p.x1, p.y1, p.x2, p.y2}),
                  (std::vector<double>(corners[i], corners[i] + 4)))
            << "side " << i;
        EXPECT_EQ(p.colour, c);
        EXPECT_EQ(p.pen, 7);
    }
}

TEST_F(GenArcs, SameSeedAndPictureGiveTheSameLayer) {
    expect_repeatable([] {
        double c = -1, r = -1, g = 0, b = 0, s = -1, z = -1;
        pictures::gen_arcs(c, r, g, b, s, z);
    });
}

TEST_F(GenScribbles, SameSeedAndPictureGiveTheSameLayer) {
    expect_repeatable([] {
        double c = -1, r = -1, g = 0, b = 0, s = -1;
        pictures::gen_scribbles(c, r, g, b, s);
    });
}

}  // namespace
