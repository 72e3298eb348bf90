// Random ranges, thousands grouping and colour texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/rounding.h"
#include "core/utility.h"
#include "platform/random.h"

namespace {

using core::rnd_range;

constexpr float kJustBelowOne = 0.99999994f;  // the largest float under 1

TEST(RndRange, ScriptedValuesGiveRoundedOffsets) {
    struct Case { int lo, span; float r; int expected; };
    const Case cases[] = {
        {10, 245, 0.0f, 10},            // r = 0 gives lo
        {10, 245, kJustBelowOne, 255},  // the top end is reachable
        {0, 1, 0.5f, 0},                // a tie goes to the even neighbour
        {0, 3, 0.5f, 2},                // 1.5 -> 2
        {0, 5, 0.5f, 2},                // 2.5 -> 2
        {1, 0, 0.7f, 1},                // span 0 always gives lo
        {5, -4, kJustBelowOne, 1},      // a negative span counts down
        {-3, 6, 0.25f, -1},             // 1.5 -> 2
    };
    for (const Case& c : cases) {
        platform::ScriptedRandom script({c.r});
        EXPECT_EQ(rnd_range(c.lo, c.span), c.expected) << c.lo << " " << c.span << " " << c.r;
        EXPECT_EQ(script.taken(), 1u) << "exactly one draw per call";
    }
}

TEST(FormatThousands, GroupsOfThreeFromTheRight) {
    struct Case { std::int32_t value; const char* text; };
    const Case cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {100000, "100,000"},
        {-999, "-999"},
        {-1234567, "-1,234,567"},
        {std::numeric_limits<std::int32_t>::max(), "2,147,483,647"},
        {std::numeric_limits<std::int32_t>::min(), "-2,147,483,648"},
    };
    for (const Case& c : cases) EXPECT_EQ(core::format_thousands(c.value, ","), c.text);
    EXPECT_EQ(core::format_thousands(1234567, "."), "1.234.567");
}

TEST(ColourText, HexDigitsRunBlueGreenRed) {
    EXPECT_EQ(core::colour_hex(255), "0000FF");
    EXPECT_EQ(core::colour_hex(255 << 8), "00FF00");
    EXPECT_EQ(core::colour_hex(5), "000005");
    EXPECT_EQ(core::colour_hex(256), "000100");
    EXPECT_EQ(core::colour_hex(-1), "FFFFFFFF");

    EXPECT_EQ(core::colour_red("0000FF"), 255);
    EXPECT_EQ(core::colour_green("00FF00"), 255);
    EXPECT_EQ(core::colour_blue("FF0000"), 255);
    EXPECT_EQ(core::colour_red("000100"), 0);
    EXPECT_EQ(core::colour_green("000100"), 1);
    EXPECT_EQ(core::colour_blue("000100"), 0);
    // A point outside a picture reads -1: every channel then reads 255.
    const std::string outside = core::colour_hex(-1);
    EXPECT_EQ(core::colour_red(outside), 255);
    EXPECT_EQ(core::colour_green(outside), 255);
    EXPECT_EQ(core::colour_blue(outside), 255);
    EXPECT_EQ(core::colour_red(""), 0);
    EXPECT_EQ(core::colour_green("zz"), 0);
}

TEST(Rounding, HalvesGoToEvenAndSaturate) {
    EXPECT_EQ(core::cint(52.5), 52);
    EXPECT_EQ(core::cint(53.5), 54);
    EXPECT_EQ(core::cint(-0.5), 0);
    EXPECT_EQ(core::cint(-1.5), -2);
    EXPECT_EQ(core::cint(45.71), 46);
    EXPECT_EQ(core::cint(1e9), 32767);
    EXPECT_EQ(core::cint(-1e9), -32768);
    EXPECT_EQ(core::cint(std::nan("")), 0);
    EXPECT_EQ(core::round_to<std::uint8_t>(300.0), 255);
    EXPECT_EQ(core::round_to<std::uint8_t>(-4.0), 0);
}

}  // namespace
