// The Story-level recipes: their draws in order, the choice of layers and the bricks they lay.
#include "pictures/story_recipes.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "pictures/picture_state.h"
#include "pictures/shapes.h"
#include "support/layer_fixture.h"

namespace {

using testing_support::DrawRecord;
using testing_support::Primitive;
using testing_support::range;

class StoryRecipes : public testing_support::LayerTest {
protected:
    void SetUp() override {
        LayerTest::SetUp();
        platform::set_data_folder(QCoreApplication::applicationDirPath().toStdString());
        pictures::load_shapes();
        platform::set_data_folder("");
        ASSERT_GE(pictures::picture_state().shape_count, 3);
    }

    // Runs a recipe on a sequence that opens with the given values and goes on at random.
    void paint(const std::function<void()>& recipe, std::vector<float> opening) {
        std::mt19937 engine(7);
        for (int i = 0; i < 30000; ++i) opening.push_back(static_cast<float>(engine() >> 8) / 16777216.0f);
        draws.clear();
        record();
        platform::ScriptedRandom script(opening);
        recipe();
    }
    std::vector<DrawRecord> slice(std::size_t from, std::size_t n) const {
        return {draws.begin() + static_cast<long>(from), draws.begin() + static_cast<long>(from + n)};
    }
    int count(const DrawRecord& d) const { return static_cast<int>(std::count(draws.begin(), draws.end(), d)); }
    // Widths and heights of the filled boxes other than a whole-picture fill.
    std::set<std::pair<int, int>> brick_bodies() const {
        std::set<std::pair<int, int>> out;
        for (const Primitive& p : testing_support::of_kind(prims, Primitive::Kind::FilledBox)) {
            if (p.x2 - p.x1 >= 400) continue;
            out.insert({static_cast<int>(p.x2 - p.x1 + 1), static_cast<int>(p.y2 - p.y1 + 1)});
        }
        return out;
    }
};

// The value that makes rnd_range(1, n) come out as k.
float choose(int k, int n) { return static_cast<float>(k - 1) / static_cast<float>(n); }

TEST_F(StoryRecipes, LevelNineDrawsEightThenTheBrickSizeThenOnePerBrick) {
    // Colours 50, 140 and 230; bricks 32 wide, so 16 high.
    paint(pictures::gen_puzzle_l9, {0, 0, 0, 0, 0, 0.0f, 0.5f, 0.99999994f, 0.5f, 0.0f});
    EXPECT_EQ(slice(0, 9), (std::vector<DrawRecord>{range(1, 4), range(18, 5), range(15, 5), range(4, 4),
                                                    range(10, 10), range(50, 180), range(50, 180),
                                                    range(50, 180), range(27, 10)}));
    // 21 rows of 14 brick places, every other row shifted by half a brick.
    EXPECT_EQ(draws.size(), 9u + 21u * 14u);
    EXPECT_EQ(count(range(0, 100)), 21 * 14);
    ASSERT_FALSE(prims.empty());
    EXPECT_EQ(prims.front().colour, platform::rgb(50, 140, 230)) << "the background";
    EXPECT_TRUE(brick_bodies().count({31, 15}));
    bool shaded = false;
    for (const Primitive& p : prims) shaded = shaded || p.colour == platform::rgb(60, 150, 240);
    EXPECT_TRUE(shaded) << "bricks shaded around the background colour";
}

TEST_F(StoryRecipes, LevelTenRunsTheLayersOfItsChoice) {
    const std::vector<DrawRecord> before = {range(18, 5), range(15, 5), range(4, 4),   range(10, 7),
                                            range(10, 4), range(8, 4),  range(40, 200), range(40, 200),
                                            range(40, 200), range(1, 5)};
    // r, g, b = 90, 140, 190.
    const std::vector<float> colours = {0.25f, 0.5f, 0.75f};
    const std::vector<std::vector<DrawRecord>> opens = {
        {range(20, 225), range(20, 225), range(20, 225), range(40, 215)},  // grid on a new background
        {range(20, 225), range(20, 225), range(20, 225), range(40, 215)},
        {range(30, 200), range(30, 200), range(30, 200)},                  // mesh
        {range(30, 185), range(30, 185), range(30, 185)},                  // dots, spread 40
        {range(6, 10), range(0, 1), range(30, 200)},                       // strokes
        {range(30, 155), range(30, 155), range(30, 155)},                  // dots, spread 70
    };
    for (int s = 1; s <= 6; ++s) {
        SCOPED_TRACE(s);
        std::vector<float> opening = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
        opening.insert(opening.end(), colours.begin(), colours.end());
        opening.push_back(choose(s, 5));
        paint(pictures::gen_puzzle_l10, opening);
        ASSERT_GE(draws.size(), before.size() + 4);
        EXPECT_EQ(slice(0, before.size()), before);
        EXPECT_EQ(slice(before.size(), opens[static_cast<std::size_t>(s - 1)].size()),
                  opens[static_cast<std::size_t>(s - 1)]);
        if (s == 4) {
            // Crosses around the recipe's colour with spread 120.
            EXPECT_GE(count(range(90, 120)), 140);
            EXPECT_EQ(count(range(90, 120)), count(range(190, 120)));
        }
        if (s == 6) {
            EXPECT_EQ(count(range(0, 550)), 3 * 24) << "three polylines of 24 lines";
            // A colour for the polyline's start and one per line, all around the recipe's colour.
            EXPECT_EQ(count(range(140, 80)), 3 * 25);
        }
    }
}

TEST_F(StoryRecipes, LevelElevenRunsTheLayersOfItsChoice) {
    const std::vector<DrawRecord> before = {range(4, 4),    range(6, 7),    range(16, 5),  range(12, 5),
                                            range(40, 160), range(40, 160), range(40, 160), range(1, 4)};
    for (int s = 1; s <= 5; ++s) {
        SCOPED_TRACE(s);
        // r, g, b = 80, 120, 160.
        paint(pictures::gen_puzzle_l11, {0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.5f, 0.75f, choose(s, 4)});
        EXPECT_EQ(slice(0, before.size()), before);
        const std::size_t at = before.size();
        if (s == 1) {
            EXPECT_EQ(slice(at, 1), std::vector<DrawRecord>{range(30, 175)});
            EXPECT_EQ(count(range(0, 550)), 5 * 20);
            EXPECT_EQ(count(range(120, 100)), 5 * 21) << "five polylines around one colour";
        }
        if (s == 2) {
            EXPECT_EQ(slice(at, 3), std::vector<DrawRecord>(3, range(30, 210)));
            EXPECT_EQ(count(range(30, 210)), 9) << "three walls, each in its own colour";
            const auto bodies = brick_bodies();
            EXPECT_TRUE(bodies.count({27, 13}) && bodies.count({31, 15}) && bodies.count({35, 17}));
            EXPECT_EQ(pictures::picture_state().bg_r, 80) << "the first colour stays the background";
            EXPECT_EQ(pictures::picture_state().bg_b, 160);
        }
        if (s == 3) {
            EXPECT_EQ(slice(at, 3), (std::vector<DrawRecord>{range(6, 10), range(0, 1), range(30, 200)}));
            EXPECT_EQ(count(range(40, 215)), 3) << "then one shape grid";
        }
        if (s == 4) {
            EXPECT_EQ(slice(at, 1), std::vector<DrawRecord>{range(30, 175)});
            EXPECT_EQ(slice(at + 3 + 6 * 60, 3), std::vector<DrawRecord>(3, range(40, 215)))
                << "sixty dots, then the grid over them";
        }
        if (s == 5) {
            EXPECT_EQ(draws.size(), at + static_cast<std::size_t>(count(range(0, 100))));
            EXPECT_EQ(brick_bodies(), (std::set<std::pair<int, int>>{{24, 11}})) << "25 by round(12.5) = 12";
        }
    }
}

}  // namespace
