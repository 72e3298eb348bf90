// Tests of the shared random sequence: range, repeatability, replacement and scripting.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/random.h"

namespace {

using platform::rnd;

class RandomTest : public ::testing::Test {
protected:
    void TearDown() override {
        platform::set_random_source(nullptr);
        platform::reset_random_draw_count();
    }
};

std::vector<float> draw(int n) {
    std::vector<float> out;
    for (int i = 0; i < n; ++i) out.push_back(rnd());
    return out;
}

TEST_F(RandomTest, ValuesAreWhole24BitStepsBelowOne) {
    // A value built from more than 24 bits can round up to exactly 1.0f; one built from
    // 24 bits is always a whole multiple of 2^-24, and so at most 1 - 2^-24.
    platform::seed_random(12345);
    for (float v : draw(200000)) {
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        const float steps = v * 16777216.0f;
        ASSERT_EQ(steps, std::floor(steps)) << v;
    }
}

TEST_F(RandomTest, SameSeedRepeatsTheSequence) {
    platform::seed_random(7);
    const auto first = draw(50);
    platform::seed_random(8);
    const auto other = draw(50);
    platform::seed_random(7);
    EXPECT_EQ(draw(50), first);
    EXPECT_NE(other, first);
}

TEST_F(RandomTest, SeedingOrAnEmptySourceBringsBackTheBuiltInGenerator) {
    platform::seed_random(3);
    const auto expected = draw(4);
    platform::seed_random(3);
    platform::set_random_source([] { return 0.25f; });
    EXPECT_EQ(rnd(), 0.25f);
    platform::set_random_source(nullptr);
    EXPECT_EQ(draw(4), expected);  // the replacement did not advance the built-in generator

    platform::set_random_source([] { return 0.5f; });
    platform::seed_random(3);
    EXPECT_EQ(draw(4), expected);
}

TEST_F(RandomTest, DrawCountCountsEveryDrawWhateverTheSource) {
    platform::reset_random_draw_count();
    draw(5);
    platform::set_random_source([] { return 0.0f; });
    draw(2);
    EXPECT_EQ(platform::random_draw_count(), 7u);
    platform::reset_random_draw_count();
    EXPECT_EQ(platform::random_draw_count(), 0u);
}

TEST_F(RandomTest, ScriptedValuesComeInOrderThenTheLastRepeats) {
    platform::ScriptedRandom script({0.1f, 0.9f, 0.3f});
    EXPECT_EQ(draw(5), (std::vector<float>{0.1f, 0.9f, 0.3f, 0.3f, 0.3f}));
    EXPECT_EQ(script.taken(), 5u);
    script.push(0.7f);  // appended after the five already taken: the last value changes
    EXPECT_EQ(rnd(), 0.7f);
}

TEST_F(RandomTest, ScriptsRestoreTheBuiltInGeneratorAndEmptyOnesGiveZero) {
    platform::seed_random(11);
    const auto expected = draw(3);
    platform::seed_random(11);
    {
        platform::ScriptedRandom script({});
        EXPECT_EQ(draw(2), (std::vector<float>{0.0f, 0.0f}));
        EXPECT_EQ(script.taken(), 2u);
    }
    EXPECT_EQ(draw(3), expected);
}

}  // namespace
