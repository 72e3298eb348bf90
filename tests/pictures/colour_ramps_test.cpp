// Colour ramps of the shared colour list and the recorded background.
#include <gtest/gtest.h>

#include "pictures/colour_ramps.h"
#include "pictures/picture_state.h"
#include "platform/random.h"
#include "support/game_fixture.h"

namespace {

using pictures::make_gradient;
using testing_support::GameTest;

pictures::PictureState& ps() { return pictures::picture_state(); }

TEST(ColourRamps, GreysOneStepShortOfTheEnd) {
    ps() = pictures::PictureState{};
    make_gradient(15, 0, 0, 0, 0, 255, 255, 255);
    EXPECT_EQ(ps().grad_count, 15);
    for (int k = 1; k <= 15; ++k) {
        const int v = 17 * (k - 1);
        EXPECT_EQ(ps().grad_colors[static_cast<std::size_t>(k)], platform::rgb(v, v, v)) << k;
    }
    EXPECT_EQ(ps().grad_last_r, 255);
    EXPECT_EQ(ps().grad_last_b, 255);
    EXPECT_EQ(ps().grad_colors[0], 0);
}

TEST(ColourRamps, BlueStepsWholeNumbers) {
    ps() = pictures::PictureState{};
    make_gradient(40, 0, 0, 0, 0, 255, 0, 255);  // red 6.375 per step, blue 6
    EXPECT_EQ(ps().grad_colors[40], platform::rgb(249, 0, 234));
    make_gradient(10, 0, 0, 0, 100, 100, 0, 105);  // a blue step of 0.5 rounds to 0
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(platform::blue_of(ps().grad_colors[static_cast<std::size_t>(k)]), 100);
    EXPECT_EQ(platform::red_of(ps().grad_colors[10]), 90);
}

TEST(ColourRamps, NegativeChannelsBecomeZeroAndRampsContinue) {
    ps() = pictures::PictureState{};
    make_gradient(4, 0, -40, 10, 10, 0, 10, 10);
    EXPECT_EQ(platform::red_of(ps().grad_colors[1]), 0);
    make_gradient(5, 0, 0, 0, 0, 50, 100, 150);
    pictures::continue_gradient(5, 0, 0, 0);
    EXPECT_EQ(ps().grad_count, 10);
    EXPECT_EQ(ps().grad_colors[6], platform::rgb(50, 100, 150));
}

TEST(ColourRamps, NoStepsAndOverfullListsAreSafe) {
    ps() = pictures::PictureState{};
    make_gradient(0, 0, 0, 0, 0, 9, 9, 9);
    EXPECT_EQ(ps().grad_count, 0);
    make_gradient(100, 1, 0, 0, 0, 9, 9, 9);
    make_gradient(100, 1, 0, 0, 0, 9, 9, 9);
    EXPECT_EQ(ps().grad_count, 150);
}

class Background : public GameTest {};

TEST_F(Background, RandomColourIsWrittenBackAndRecorded) {
    platform::ScriptedRandom script({0.0f, 0.5f, 0.99999994f});
    double r = -1, g = 77, b = 77;
    pictures::fill_background(r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 128);  // 127.5 rounds to even
    EXPECT_EQ(b, 255);
    EXPECT_EQ(ps().bg_g, 128);
    EXPECT_EQ(form().pbox_temp->pixel(419, 319), platform::rgb(0, 128, 255));

    double z = 0, zg = 0, zb = 0;
    pictures::fill_background(z, zg, zb);
    EXPECT_EQ(form().pbox_temp->pixel(0, 0), platform::kBlack);
    EXPECT_EQ(ps().bg_r, 0);
}

}  // namespace
