// Box, frame and cross layers: draw order, base colours and backgrounds and pens.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/layers_boxes.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/layer_fixture.h"

namespace {

using namespace testing_support;
using platform::rgb;
using Layer = void (*)(double&, double&, double&, double&, double&);

class GenBoxes : public LayerTest {};
class GenFrames : public LayerTest {};
class GenCrosses : public LayerTest {};

TEST_F(GenBoxes, RandomBaseBecomesTheBackgroundUnderSevenDrawsPerBox) {
    // the first box at (105, 160), 30 wide and 50 high; all others from 0.5 alone
    platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.5f, 0.25f, 0.75f, 0.5f});
    DrawLog log;
    double count = -1, r = -1, g = 0, b = 0, spread = -1;
    pictures::gen_boxes(count, r, g, b, spread);

    std::vector<DrawRecord> want(3, range(30, 195));
    for (int i = 0; i < 80; ++i)
        want.insert(want.end(), {range(128, 30), range(128, 30), range(128, 30), kDirect, kDirect,
                                 range(20, 40), range(20, 40)});
    EXPECT_EQ(log.draws, want);
    EXPECT_EQ(count, 80);
    EXPECT_EQ(spread, 30);
    EXPECT_EQ((std::vector<double>{r, g, b}), (std::vector<double>{128, 128, 128}));  // 30 + 98
    EXPECT_EQ(pictures::picture_state().bg_r, 128);
    // Both corners are included.
    EXPECT_EQ(at(0, 0), rgb(128, 128, 128));
    EXPECT_EQ(at(135, 210), rgb(143, 143, 143));
    EXPECT_EQ(at(136, 210), rgb(128, 128, 128));
    EXPECT_EQ(at(135, 211), rgb(128, 128, 128));
    EXPECT_EQ(at(210, 160), rgb(143, 143, 143));
    EXPECT_EQ(at(250, 200), rgb(143, 143, 143));
    EXPECT_EQ(at(251, 200), rgb(128, 128, 128));
    EXPECT_EQ(at(250, 201), rgb(128, 128, 128));
    EXPECT_EQ(surface().pen_width(), 1);
}

TEST_F(GenBoxes, OtherBasesDrawOverThePictureAndSaturate) {
    paint(5, 6, 7);
    platform::ScriptedRandom script({0.99f, 0.99f, 0.99f, 0, 0, 0, 0});
    DrawLog log;
    double count = 1, r = 200, g = -40, b = 100, spread = 100;
    pictures::gen_boxes(count, r, g, b, spread);
    EXPECT_EQ(log.draws.size(), 7u);
    EXPECT_EQ(log.draws[0], range(200, 100));
    EXPECT_EQ(at(0, 0), rgb(255, 59, 199));  // 299 counts as 255
    EXPECT_EQ(at(100, 100), rgb(5, 6, 7));
    EXPECT_EQ(pictures::picture_state().bg_r, 5);

    double low_r = -50, low_g = 10, low_b = 10, none = 0;
    double one = 1;
    pictures::gen_boxes(one, low_r, low_g, low_b, none);
    EXPECT_EQ(platform::red_of(at(0, 0)), 0);  // a base below 0 counts as 0
    EXPECT_EQ(low_r, -50);
}

TEST_F(GenFrames, NewBackgroundThenEightDrawsPerFrame) {
    platform::ScriptedRandom script({0.5f});
    DrawLog log;
    double count = 30, r = -3, g = 0, b = 0, spread = 90;
    pictures::gen_frames(count, r, g, b, spread);

    std::vector<DrawRecord> want(3, range(0, 165));
    for (int i = 0; i < 30; ++i)
        want.insert(want.end(), {range(82, 90), range(82, 90), range(82, 90), kDirect, kDirect,
                                 range(40, 80), range(40, 80), range(3, 10)});
    EXPECT_EQ(log.draws, want);
    EXPECT_EQ(r, 82);  // round(82.5) to even
    EXPECT_EQ(pictures::picture_state().bg_b, 82);
    // Frames at (210, 160) to (290, 240) with a border of 8 about the edges (4 out, 3 in).
    const platform::Colour frame = rgb(127, 127, 127), back = rgb(82, 82, 82);
    EXPECT_EQ(at(0, 0), back);
    EXPECT_EQ(at(206, 200), frame);
    EXPECT_EQ(at(213, 200), frame);
    EXPECT_EQ(at(205, 200), back);
    EXPECT_EQ(at(214, 200), back);
    EXPECT_EQ(at(250, 200), back);
    EXPECT_EQ(at(293, 243), frame);
    EXPECT_EQ(surface().pen_width(), 1);
}

// r = -1 is a random base over the old picture, r = -2 the last background, written back.
TEST_F(GenFrames, BaseWithoutNewBackground) {
    for (Layer layer : {Layer(pictures::gen_frames), Layer(pictures::gen_crosses)}) {
        paint(40, 50, 60);
        platform::ScriptedRandom script({0.0f, 0.5f, 0.99999994f});
        DrawLog log;
        double count = 0, r = -1, g = 0, b = 0, spread = 55;
        layer(count, r, g, b, spread);
        EXPECT_EQ(log.draws, std::vector<DrawRecord>(3, range(0, 200)));
        EXPECT_EQ((std::vector<double>{r, g, b}), (std::vector<double>{0, 100, 200}));
        EXPECT_EQ(at(0, 0), rgb(40, 50, 60));
        EXPECT_EQ(pictures::picture_state().bg_r, 40);

        double c2 = 0, r2 = -2, g2 = 0, b2 = 0, s2 = 90;
        layer(c2, r2, g2, b2, s2);
        EXPECT_EQ((std::vector<double>{r2, g2, b2}), (std::vector<double>{40, 50, 60}));
    }
}

// With nothing to draw the base is still settled and the pen still goes back to 1.
TEST_F(GenFrames, NoItemsStillResetThePen) {
    const std::pair<Layer, double> cases[] = {
        {pictures::gen_boxes, -1}, {pictures::gen_frames, -3}, {pictures::gen_crosses, -3}};
    for (auto [layer, base] : cases) {
        platform::ScriptedRandom script({0.25f});
        surface().set_pen_width(9);
        record();
        double count = 0, r = base, g = 0, b = 0, spread = 30;
        layer(count, r, g, b, spread);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(surface().pen_width(), 1);
        ASSERT_EQ(prims.size(), 1u);  // the background alone
        EXPECT_EQ(prims[0].kind, Primitive::Kind::FilledBox);
        EXPECT_EQ(pictures::picture_state().bg_r, r);
        prims.clear();
    }
}

TEST_F(GenCrosses, DefaultsAndTwoDiagonalsPerCross) {
    platform::ScriptedRandom script({0.5f, 0.5f, 0.5f, 0.25f, 0.5f});
    DrawLog log;
    record();
    double count = -1, r = 10, g = 20, b = 30, spread = -1;
    pictures::gen_crosses(count, r, g, b, spread);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(spread, 30);
    std::vector<DrawRecord> want;
    for (int i = 0; i < 100; ++i)
        want.insert(want.end(), {range(10, 30), range(20, 30), range(30, 30), kDirect, kDirect, range(6, 34)});
    EXPECT_EQ(log.draws, want);
    ASSERT_EQ(prims.size(), 200u);
    // s = 6 + 17 = 23 at (105, 160), pen round(3.83) + 1
    const Primitive& down = prims[0];
    const Primitive& up = prims[1];
    EXPECT_EQ((std::vector<double>{down.x1, down.y1, down.x2, down.y2}),
              (std::vector<double>{105, 160, 128, 183}));
    EXPECT_EQ((std::vector<double>{up.x1, up.y1, up.x2, up.y2}),
              (std::vector<double>{105, 183, 128, 160}));
    EXPECT_EQ(down.pen, 5);
    EXPECT_EQ(down.colour, rgb(25, 35, 45));
    EXPECT_EQ(surface().pen_width(), 1);
}

TEST_F(GenCrosses, PenGrowsWithSizeTiesToEven) {
    const std::pair<int, int> cases[] = {{6, 2}, {9, 3}, {15, 3}, {40, 8}};  // size, pen
    for (auto [size, pen] : cases) {
        const float r_size = size == 40 ? 0.99999994f : static_cast<float>(size - 6) / 34;
        platform::ScriptedRandom script({0, 0, 0, 0, 0, r_size});
        record();
        double count = 1, r = 0, g = 0, b = 0, spread = 0;
        pictures::gen_crosses(count, r, g, b, spread);
        ASSERT_EQ(prims.size(), 2u);
        EXPECT_EQ(prims[0].x2, size);
        EXPECT_EQ(prims[0].pen, pen) << size;
        prims.clear();
    }
}

}  // namespace
