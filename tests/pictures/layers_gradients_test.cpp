// The gradient box and stripe layers: their draws, colour lists, geometry and count mends.
#include <gtest/gtest.h>

#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_gradients.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/layer_fixture.h"

namespace {

using namespace testing_support;
using platform::rgb;

pictures::PictureState& ps() { return pictures::picture_state(); }
platform::Colour entry(int i) { return ps().grad_colors[static_cast<std::size_t>(i)]; }

class GradientLayerTest : public LayerTest {
protected:
    const Primitive* box_at(double x, double y) const {
        for (const Primitive& p : prims) {
            if (p.kind == Primitive::Kind::FilledBox && p.x1 == x && p.y1 == y) return &p;
        }
        return nullptr;
    }
};

// ---- boxes ----

class GenGradientBoxes : public GradientLayerTest {};

TEST_F(GenGradientBoxes, RandomColoursThirdColourThenCounts) {
    // Colour 1 (128, 0, 255), colour 2 its complement; red turned: 107; 15 x 15 boxes.
    platform::ScriptedRandom script({0.5f, 0.0f, kAlmostOne, 0.0f});
    double nx = -1, ny = -1, r1 = -1, g1 = 0, b1 = 0, r2 = -2, g2 = 0, b2 = 0;
    pictures::gen_gradient_boxes(nx, ny, r1, g1, b1, r2, g2, b2);
    const std::vector<DrawRecord> want{range(0, 255), range(0, 255), range(0, 255),
                                       range(127, 25), range(255, 25), range(0, 25),
                                       direct(),       range(107, 40), direct(),
                                       direct()};
    EXPECT_EQ(draws, want);
    const std::vector<double> got{nx, ny, r1, g1, b1, r2, g2, b2};
    EXPECT_EQ(got, (std::vector<double>{15, 15, 128, 0, 255, 127, 255, 0}));
    EXPECT_EQ(ps().grad_count, 32);
    EXPECT_EQ(ps().grad_last_r, 107);
    EXPECT_EQ(ps().grad_last_b, 255);
    EXPECT_EQ(prims.size(), 17u * 17);
}

TEST_F(GenGradientBoxes, ChequerboardWalksTheListFromBothEnds) {
    platform::ScriptedRandom script({0.5f, 0.0f});  // green turned to 235
    surface().set_pen_width(5);
    double r0 = 9, g0 = 8, b0 = 7;
    pictures::fill_background(r0, g0, b0);
    prims.clear();
    double nx = 14, ny = 8, r1 = 0, g1 = 0, b1 = 0, r2 = 255, g2 = 255, b2 = 255;
    pictures::gen_gradient_boxes(nx, ny, r1, g1, b1, r2, g2, b2);
    EXPECT_EQ(draws.size(), 2u);
    EXPECT_EQ(ps().grad_count, 30);
    EXPECT_EQ(ps().grad_last_g, 235);
    ASSERT_EQ(prims.size(), 16u * 10);  // 30 x 40 boxes, columns 0..15, rows 0..9
    const Primitive* first = box_at(0, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x2, 29);
    EXPECT_EQ(first->y2, 39);
    EXPECT_EQ(pixel(15, 20), platform::kBlack);       // entry 1
    EXPECT_EQ(pixel(45, 60), rgb(17, 17, 17));        // box (1, 1): entry 2
    EXPECT_EQ(pixel(45, 20), entry(29));              // box (1, 0): back from the far end
    EXPECT_EQ(pixel(15, 60), entry(30));              // box (0, 1): the far end itself
    ASSERT_NE(box_at(450, 40), nullptr);              // the last column, beyond the edge
    EXPECT_EQ(box_at(450, 40)->colour, platform::kWhite);        // entry n + 1: colour 2
    EXPECT_EQ(box_at(450, 0)->colour, rgb(238, 238, 238));       // entry n
    EXPECT_EQ(surface().pen_width(), 5);
    EXPECT_EQ(ps().bg_r, 9);
}

TEST_F(GenGradientBoxes, CountsOutsideWhatTheListHoldsAreClamped) {
    struct Case {
        double nx, ny, want_nx, want_ny;
        int colours;
    };
    for (const Case& c : {Case{0, 10, 1, 10, 4}, Case{100, 10, 74, 10, 150},
                          Case{12, -3, 12, 1, 26}}) {
        double nx = c.nx, ny = c.ny, r1 = 10, g1 = 20, b1 = 30, r2 = 200, g2 = 100, b2 = 0;
        const bool mended = runs_mended(
            [&] { pictures::gen_gradient_boxes(nx, ny, r1, g1, b1, r2, g2, b2); }, "box");
        if (!mended) continue;
        EXPECT_EQ(nx, c.want_nx);
        EXPECT_EQ(ny, c.want_ny);
        EXPECT_EQ(ps().grad_count, c.colours);
    }
}

// ---- stripes ----

class GenGradientStripes : public GradientLayerTest {};

TEST_F(GenGradientStripes, DefaultsDrawWidthDirectionColoursThirdAndBackground) {
    platform::ScriptedRandom script({0.5f, 0.75f, 0.0f});
    double w = -1, dir = -1, r1 = -1, g1 = 5, b1 = 5, r2 = -1, g2 = 5, b2 = 5;
    pictures::gen_gradient_stripes(w, dir, r1, g1, b1, r2, g2, b2);
    std::vector<DrawRecord> want{direct(), direct()};
    want.insert(want.end(), 6, range(0, 255));
    want.insert(want.end(), {direct(), range(235, 40), range(0, 20), range(0, 20), range(0, 20)});
    EXPECT_EQ(draws, want);
    EXPECT_EQ(w, 11);  // whatever the draw gave
    EXPECT_EQ(dir, 2);
    const std::vector<double> colours{r1, g1, b1, r2, g2, b2};
    EXPECT_EQ(colours, std::vector<double>(6, 0));
    EXPECT_EQ(ps().grad_count, 58);
    EXPECT_EQ(ps().grad_last_r, 235);
    EXPECT_EQ(surface().pen_width(), 11);
}

TEST_F(GenGradientStripes, FiftyDiagonalsAlternatingEndsOfTheList) {
    for (int dir : {2, 1}) {
        platform::ScriptedRandom script({0.0f});
        prims.clear();
        double w = 5, d = dir, r1 = 200, g1 = 40, b1 = 0, r2 = 0, g2 = 90, b2 = 250;
        pictures::gen_gradient_stripes(w, d, r1, g1, b1, r2, g2, b2);
        EXPECT_EQ(w, 11);
        ASSERT_EQ(prims.size(), 50u);
        const Primitive& first = prims.front();
        const Primitive& last = prims.back();
        EXPECT_EQ(first.x1, -3);
        EXPECT_EQ(first.pen, 11);
        if (dir == 1) {
            EXPECT_EQ(first.y1, 0);
            EXPECT_EQ(first.y2, -3);
            EXPECT_EQ(last.y1, 735);
            EXPECT_EQ(last.x2, 735);
        } else {
            EXPECT_EQ(first.y1, 323);
            EXPECT_EQ(last.y1, 323 - 735);
            EXPECT_EQ(last.y2, 323);
        }
        EXPECT_EQ(prims[0].colour, entry(1));
        EXPECT_EQ(prims[1].colour, entry(56));
        EXPECT_EQ(prims[48].colour, entry(49));
        EXPECT_EQ(prims[49].colour, entry(8));
    }
    // Painted last with dir 1: the top-left corner is the first stripe, colour 1; a point on
    // x + y = 207 lies on the centre line of stripe 15 (p = 210).
    EXPECT_EQ(pixel(0, 0), rgb(200, 40, 0));
    EXPECT_EQ(pixel(100, 107), entry(15));
}

TEST_F(GenGradientStripes, RecordsABackgroundNearColourOneWithoutPaintingIt) {
    double r0 = 1, g0 = 2, b0 = 3;
    pictures::fill_background(r0, g0, b0);
    prims.clear();
    platform::ScriptedRandom script({0.5f, 0.0f, kAlmostOne, kAlmostOne, kAlmostOne});
    double w = 11, dir = 3, r1 = 100, g1 = 50, b1 = 200, r2 = 0, g2 = 0, b2 = 0;
    pictures::gen_gradient_stripes(w, dir, r1, g1, b1, r2, g2, b2);
    EXPECT_TRUE(prims.empty());  // a direction of 3 draws no stripe
    EXPECT_EQ(pixel(210, 160), rgb(1, 2, 3));
    EXPECT_EQ(ps().bg_r, 120);
    EXPECT_EQ(ps().bg_g, 70);
    EXPECT_EQ(ps().bg_b, 220);
    EXPECT_EQ(ps().grad_count, 58);
    EXPECT_EQ(surface().pen_width(), 11);
}

}  // namespace
