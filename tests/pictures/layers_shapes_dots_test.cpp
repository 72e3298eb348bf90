// The shape grid, shape tiles, dot picture and repeated arcs: draws, write-backs, geometry, mends.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_arcs.h"
#include "pictures/layers_shapes_dots.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/layer_fixture.h"
#include "ui/picture_store.h"

namespace {

using namespace testing_support;
using platform::rgb;

// A tiny library: shape k is a dot at the origin and one line (10k, 5k) from it, so the line's
// run tells the shapes, their scales and their turning apart.
void make_library(const std::vector<std::string>& names) {
    pictures::PictureState& p = pictures::picture_state();
    p.shape_count = static_cast<std::int16_t>(names.size());
    std::size_t slot = 12;
    for (std::size_t k = 1; k <= names.size(); ++k) {
        p.shape_name[k] = names[k - 1];
        p.shape_start[k] = static_cast<std::int16_t>(slot);
        p.shape_npts[k] = 1;
        p.shape_pt_x[slot] = 0;
        p.shape_pt_y[slot] = 0;
        p.shape_pt_x[slot + 1] = static_cast<std::int16_t>(10 * k);
        p.shape_pt_y[slot + 1] = static_cast<std::int16_t>(5 * k);
        p.shape_pt_pen[slot + 1] = true;
        slot += 3;
    }
}

void expect_at(const Primitive& p, Primitive::Kind kind, double x1, double y1, double x2, double y2) {
    EXPECT_EQ(p.kind, kind);
    EXPECT_EQ(p.x1, x1);
    EXPECT_EQ(p.y1, y1);
    EXPECT_EQ(p.x2, x2);
    EXPECT_EQ(p.y2, y2);
}

class FigureLayerTest : public LayerTest {
protected:
    void SetUp() override {
        LayerTest::SetUp();
        make_library({"ring", "bar", "kite"});
    }
};

class GenShapeGrid : public FigureLayerTest {};

TEST_F(GenShapeGrid, RandomBaseGridDrawsShadowThenShapeInEveryCell) {
    platform::ScriptedRandom script({0.5f});
    record();
    double kinds = 2, div = 6, percent = 95, turn = 0, r = -1, g = 0, b = 0, mode = 0, spread = 100;
    pictures::gen_shape_grid(kinds, div, percent, turn, r, g, b, mode, spread);

    EXPECT_EQ(r, 132);  // 20 + round(112.5)
    EXPECT_EQ(g, 6);    // written back after the background took the drawn green
    EXPECT_EQ(b, 132);
    EXPECT_EQ(pictures::picture_state().bg_g, 132);
    std::vector<DrawRecord> want = {range(20, 225), range(20, 225), range(20, 225),
                                    range(40, 215), range(40, 215), range(40, 215),
                                    range(1, 2),    range(1, 2)};
    append(want, 7 * 5, {range(0, 100), range(1, 1)});
    EXPECT_EQ(draws, want);

    // Cells of 70 from (35, 35), column by column; pen round(16 / 6) = 3; scale 0.98 turns the
    // bar's (20, 10) into (20, 10) after rounding.
    ASSERT_EQ(prims.size(), 1u + 35 * 4);
    EXPECT_EQ(prims[0].kind, Primitive::Kind::FilledBox);
    expect_at(prims[1], Primitive::Kind::Point, 35, 35, 35, 35);
    expect_at(prims[2], Primitive::Kind::Line, 35, 35, 55, 45);
    expect_at(prims[3], Primitive::Kind::Point, 32, 32, 32, 32);
    expect_at(prims[4], Primitive::Kind::Line, 32, 32, 52, 42);
    EXPECT_EQ(prims[2].colour, rgb(112, 112, 112));  // the base less 20
    EXPECT_EQ(prims[4].colour, rgb(148, 148, 148));  // one colour for all
    EXPECT_EQ(prims[4].pen, 3);
    EXPECT_EQ(prims[5].y1, 105);  // the next row of the same column
    EXPECT_EQ(prims.back().x1, 455 - 3);
    EXPECT_EQ(prims.back().y1, 315 - 3);
    EXPECT_EQ(surface().pen_width(), 3);
}

TEST_F(GenShapeGrid, OneBigTurnedShapeOverTheLastBackground) {
    double bg_r = 10, bg_g = 200, bg_b = 30;
    pictures::fill_background(bg_r, bg_g, bg_b);
    // Colours; picks 1, 2, 3, 3, 3; k; mode-1 colour; n = 2; turned.
    platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.0f, 0.5f, 0.9f, 0.9f, 0.9f, 0.5f, 0.5f,
                                     0.5f, 0.5f, 0.25f, 0.75f});
    record();
    double kinds = 5, div = 1, percent = 100, turn = 1, r = -2, g = 0, b = 0, mode = 1, spread = 130;
    pictures::gen_shape_grid(kinds, div, percent, turn, r, g, b, mode, spread);

    EXPECT_EQ(r, 20);  // raised to 20
    EXPECT_EQ(g, 6);
    EXPECT_EQ(b, 30);
    std::vector<DrawRecord> want = {range(40, 215), range(40, 215), range(40, 215)};
    append(want, 5, {range(1, 2)});
    want.insert(want.end(), {range(0, 100), range(45, 210), range(45, 210), range(45, 210),
                             range(1, 4), range(0, 1)});
    EXPECT_EQ(draws, want);

    // No background; the bar turned: (10, 20) x (5.88, 4.704) = (59, 94); pen 14.
    ASSERT_EQ(prims.size(), 4u);
    expect_at(prims[0], Primitive::Kind::Point, 225, 170, 225, 170);
    expect_at(prims[1], Primitive::Kind::Line, 225, 170, 284, 264);
    expect_at(prims[3], Primitive::Kind::Line, 211, 156, 270, 250);
    EXPECT_EQ(prims[1].colour, rgb(0, 180, 10));  // black where the channel was raised
    EXPECT_EQ(prims[3].colour, rgb(150, 150, 150));
    EXPECT_EQ(prims[3].pen, 14);
    EXPECT_EQ(pixel(400, 20), rgb(10, 200, 30));
}

TEST_F(GenShapeGrid, ColourModes) {
    struct Case {
        double mode;
        std::vector<DrawRecord> colour_draws;
        platform::Colour colour;
    };
    const Case cases[] = {
        {0, {}, rgb(148, 148, 148)},
        {7, {}, rgb(148, 148, 148)},
        {1, {range(45, 210), range(45, 210), range(45, 210)}, rgb(150, 150, 150)},
        // Mode 2 builds on the green of 6, whatever the base's green was.
        {2, {range(40, 20), range(6, 20), range(60, 20)}, rgb(50, 16, 70)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        draws.clear();
        prims.clear();
        platform::ScriptedRandom script({0.5f});
        record();
        double kinds = 1, div = 1, percent = 100, turn = 0, r = 40, g = 50, b = 60, mode = c.mode,
               spread = 20;
        pictures::gen_shape_grid(kinds, div, percent, turn, r, g, b, mode, spread);

        std::vector<DrawRecord> want = {range(40, 215), range(40, 215), range(40, 215),
                                        range(1, 2), range(0, 100)};
        want.insert(want.end(), c.colour_draws.begin(), c.colour_draws.end());
        want.push_back(range(1, 0));
        EXPECT_EQ(draws, want);
        ASSERT_EQ(prims.size(), 5u);
        EXPECT_EQ(prims[0].colour, rgb(40, 50, 60));  // a given base is painted
        EXPECT_EQ(prims[2].colour, rgb(20, 30, 40));
        EXPECT_EQ(prims[4].colour, c.colour);
        // Unturned bar: (20, 10) x (5.88, 4.704) = (118, 47).
        expect_at(prims[4], Primitive::Kind::Line, 211, 156, 329, 203);
        EXPECT_EQ(g, 6);
    }
}

TEST_F(GenShapeGrid, StrayKindsAndCellCountsAreHeldInRange) {
    struct Case {
        double kinds, div;
        std::size_t picks, cells;
    };
    const Case cases[] = {
        {0, 6, 1, 35},         {11, 6, 10, 35},  {2, 0, 2, 1},
        {2, -3, 2, 1},         {2, NAN, 2, 1},   {2, 1000, 2, 421u * 321u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kinds << " kinds, " << c.div << " across");
        draws.clear();
        double kinds = c.kinds, div = c.div, percent = -1, turn = 0, r = 50, g = 50, b = 50,
               mode = 0, spread = 0;
        const bool mended = runs_mended(
            [&] {
                platform::ScriptedRandom script({0.5f});
                pictures::gen_shape_grid(kinds, div, percent, turn, r, g, b, mode, spread);
            },
            "gen_shape_grid");
        if (!mended) continue;
        EXPECT_EQ(draws.size(), 3 + c.picks + c.cells);
    }
}

// ---- shape tiles ----

class GenShapeTiles : public FigureLayerTest {};

TEST_F(GenShapeTiles, TwoDifferentShapesOnASevenByFiveLattice) {
    // A = 1; B = 1 again, then 3; the first point takes A, the rest B.
    platform::ScriptedRandom script({0.0f, 0.0f, 0.9f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,
                                     0.9f});
    surface().set_pen_width(6);
    record();
    double r = 10, g = 20, b = 30, spread = 50;
    pictures::gen_shape_tiles(r, g, b, spread);

    std::vector<DrawRecord> want = {range(1, 2), range(1, 2), range(1, 2)};
    append(want, 35, {range(10, 50), range(20, 50), range(30, 50), range(1, 1)});
    EXPECT_EQ(draws, want);
    ASSERT_EQ(of_kind(prims, Primitive::Kind::Point).size(), 35u);
    ASSERT_EQ(prims.size(), 70u);
    // Horizontal scale 0.8: shape 1's (10, 5) is (8, 5), shape 3's (30, 15) is (24, 15).
    expect_at(prims[1], Primitive::Kind::Line, 20, 30, 28, 35);
    expect_at(prims[3], Primitive::Kind::Line, 20, 95, 44, 110);
    EXPECT_EQ(prims[1].colour, rgb(10, 20, 30));
    EXPECT_EQ(prims[5].colour, rgb(55, 65, 75));
    EXPECT_EQ(prims[5].y1, 160);
    EXPECT_EQ(prims[10].x1, 85);  // the second column
    EXPECT_EQ(prims.back().x1, 410);
    EXPECT_EQ(prims.back().y1, 290);
    EXPECT_EQ(prims.back().pen, 2);
    EXPECT_EQ(surface().pen_width(), 2);
    EXPECT_EQ(surface().current_x(), 434);
    EXPECT_EQ(surface().current_y(), 305);
}

// With fewer than two named shapes no second shape exists: the one shape fills the lattice.
TEST_F(GenShapeTiles, FewerThanTwoNamedShapesUseTheFirstTwice) {
    struct Case {
        std::vector<std::string> names;
        std::vector<float> script;
        std::size_t picks;
        std::size_t shapes;
        double run;  // the line's x run, telling which shape was drawn
    };
    const Case cases[] = {
        {{"solo"}, {0.9f}, 1, 35, 8},
        {{"", "solo"}, {0.0f, 0.9f}, 2, 35, 16},  // the nameless one is skipped
        {{}, {0.5f}, 501, 0, 0},                  // nothing to draw, but no hang either
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picks);
        pictures::picture_state() = pictures::PictureState{};
        make_library(c.names);
        draws.clear();
        prims.clear();
        platform::ScriptedRandom script(c.script);
        record();
        double r = 0, g = 0, b = 0, spread = 0;
        pictures::gen_shape_tiles(r, g, b, spread);
        EXPECT_EQ(draws.size(), c.picks + 35 * 4);
        const auto lines = of_kind(prims, Primitive::Kind::Line);
        ASSERT_EQ(lines.size(), c.shapes);
        for (const Primitive& p : lines) EXPECT_EQ(p.x2 - p.x1, c.run);
    }
}

TEST_F(GenShapeTiles, ARandomSourceStuckOnOneShapeStillEnds) {
    make_library({"a", "b"});
    platform::ScriptedRandom script({0.0f});
    double r = 0, g = 0, b = 0, spread = 0;
    pictures::gen_shape_tiles(r, g, b, spread);
    EXPECT_EQ(draws.size(), 1u + 1000 + 35 * 4);
}

// ---- dot picture ----

class GenDotPicture : public FigureLayerTest {
protected:
    void SetUp() override {
        FigureLayerTest::SetUp();
        saved_icons_ = ui::form_clip().pclip_iconpic;
    }
    void TearDown() override {
        ui::form_clip().pclip_iconpic = saved_icons_;
        FigureLayerTest::TearDown();
    }
    // A sheet whose first icon has a pink and a yellow marker, a plain pixel and a colour one
    // step away from pink.
    void use_test_icons() {
        platform::Surface sheet(320, 240, rgb(1, 2, 3));
        sheet.set_pixel(0, 0, rgb(255, 128, 255));
        sheet.set_pixel(31, 23, rgb(255, 255, 128));
        sheet.set_pixel(5, 5, rgb(9, 8, 7));
        sheet.set_pixel(15, 0, rgb(255, 128, 254));
        sheet.set_pixel(32, 0, rgb(255, 128, 255));  // icon 1, not shown
        ui::form_clip().pclip_iconpic.set_picture(sheet.image(), 10, 10);
    }

private:
    platform::PictureClip saved_icons_;
};

TEST_F(GenDotPicture, MarkersTakeTheBaseAndOtherPixelsKeepTheirColour) {
    use_test_icons();
    platform::ScriptedRandom script({0.0f, 0.5f});
    record();
    double r = -1, g = 0, b = 0, spread = 80;
    pictures::gen_dot_picture(r, g, b, spread);

    EXPECT_EQ(r, 88);  // round(87.5) to even
    EXPECT_EQ(g, 88);
    EXPECT_EQ(b, 88);
    EXPECT_EQ(pictures::picture_state().bg_b, 88);
    std::vector<DrawRecord> want = {direct(), range(0, 175), range(0, 175), range(0, 175),
                                    range(10, 5), range(88, 80), range(88, 80), range(88, 80)};
    append(want, 32 * 24 - 2, {range(10, 5)});
    want.insert(want.end(), {range(10, 5), range(88, 80), range(88, 80), range(88, 80)});
    EXPECT_EQ(draws, want);

    // Icon 0 is loaded into a box whose inside is exactly one icon.
    platform::PictureBox& templ = *form().pbox_temp2;
    EXPECT_EQ(templ.scale_width(), 32);
    EXPECT_EQ(templ.scale_height(), 24);
    EXPECT_EQ(templ.pixel(0, 0), rgb(255, 128, 255));

    // Dot centres round(i x 13.3 + 7): 73.5 goes to 74, 206.5 to 206.
    ASSERT_EQ(prims.size(), 1u + 32 * 24);
    expect_at(prims[1 + 5 * 24 + 5], Primitive::Kind::Point, 74, 74, 74, 74);
    EXPECT_EQ(prims[1 + 15 * 24].x1, 206);
    expect_at(prims.back(), Primitive::Kind::Point, 419, 313, 419, 313);
    EXPECT_EQ(prims.back().pen, 12);

    EXPECT_EQ(pixel(7, 7), rgb(128, 128, 128));
    EXPECT_EQ(pixel(419, 313), rgb(128, 128, 128));
    EXPECT_EQ(pixel(74, 74), rgb(9, 8, 7));
    EXPECT_EQ(pixel(206, 7), rgb(255, 128, 254));
    EXPECT_EQ(pixel(60, 60), rgb(1, 2, 3));
    EXPECT_EQ(surface().pen_width(), 12);
}

TEST_F(GenDotPicture, GivenBaseIsPaintedWithoutDraws) {
    use_test_icons();
    platform::ScriptedRandom script({kAlmostOne});  // the last icon, 81, is plain
    double r = 300, g = -20, b = 40, spread = 10;
    pictures::gen_dot_picture(r, g, b, spread);
    EXPECT_EQ(draws.size(), 1u + 32 * 24);
    EXPECT_EQ(r, 300);
    EXPECT_EQ(form().pbox_temp2->pixel(0, 0), rgb(1, 2, 3));
    EXPECT_EQ(pixel(0, 319), rgb(255, 0, 40));  // the corner between the dots
}

TEST(GenRnd081, EndsAreHalfAsLikely) {
    const std::pair<float, int> cases[] = {{0.0f, 0},    {0.006f, 0},  {0.0062f, 1},
                                           {0.5f, 40},   {0.9938f, 80}, {0.9939f, 81},
                                           {kAlmostOne, 81}};
    for (const auto& [value, want] : cases) {
        platform::ScriptedRandom script({value});
        std::vector<DrawRecord> draws;
        core::set_draw_recorder(&draws);
        EXPECT_EQ(pictures::rnd_0_81(), want) << value;
        core::set_draw_recorder(nullptr);
        EXPECT_EQ(draws, std::vector<DrawRecord>{direct()});
    }
}

// ---- repeated arcs ----

class GenRepeatArcs : public FigureLayerTest {};

TEST_F(GenRepeatArcs, EachPassIsAnArcLayerWithItsOwnBase) {
    const std::pair<double, int> cases[] = {{3.0, 3}, {2.5, 2}, {0.0, 0}, {-4.0, 0}};
    for (const auto& [n, passes] : cases) {
        SCOPED_TRACE(n);
        double bg_r = 0, bg_g = 0, bg_b = 0;

        pictures::fill_background(bg_r, bg_g, bg_b);
        platform::seed_random(77);
        draws.clear();
        double times = n, count = -1, spread = -1, size = -1;
        pictures::repeat_arcs(times, count, spread, size);
        const auto repeated = draws;
        const platform::Picture shot = form().pbox_temp->snapshot();
        EXPECT_EQ(times, n);
        if (passes > 0) {
            // The arc layer's defaults reach the caller; its base colour does not.
            EXPECT_EQ(count, 20);
            EXPECT_EQ(spread, 30);
            EXPECT_EQ(size, 100);
        }

        pictures::fill_background(bg_r, bg_g, bg_b);
        platform::seed_random(77);
        draws.clear();
        double c = -1, s = -1, z = -1;
        for (int i = 0; i < passes; ++i) {
            double r = -1, g = 0, b = 0;
            pictures::gen_arcs(c, r, g, b, s, z);
        }
        EXPECT_EQ(repeated, draws);
        EXPECT_EQ(shot, form().pbox_temp->snapshot());
    }
}

// ---- all four layers ----

class GenFigureLayers : public FigureLayerTest {};

// Same seed and same picture underneath: the same bytes, with the game's own icons.
TEST_F(GenFigureLayers, SameSeedSamePicture) {
    const std::vector<std::function<void()>> layers = {
        [] {
            double kinds = 3, div = 5, percent = 80, turn = 1, r = -1, g = 0, b = 0, mode = 2,
                   spread = 60;
            pictures::gen_shape_grid(kinds, div, percent, turn, r, g, b, mode, spread);
        },
        [] {
            double r = 40, g = 80, b = 120, spread = 90;
            pictures::gen_shape_tiles(r, g, b, spread);
        },
        [] {
            double r = -1, g = 0, b = 0, spread = 60;
            pictures::gen_dot_picture(r, g, b, spread);
        },
        [] {
            double n = 2, count = -1, spread = -1, size = -1;
            pictures::repeat_arcs(n, count, spread, size);
        },
    };
    expect_layers_repeat(layers, 31337);
}

}  // namespace
