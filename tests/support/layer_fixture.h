// What the picture-layer tests share: draw records, primitive filters, and a main window whose
// work picture records what it is asked to draw.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "platform/random.h"
#include "platform/surface.h"
#include "support/game_fixture.h"

namespace testing_support {

using core::DrawRecord;
using platform::Primitive;

constexpr float kAlmostOne = 0.99999994f;  // the largest value the sequence hands out
const DrawRecord kDirect{true, 0, 0};

inline DrawRecord range(int lo, int span) { return {false, lo, span}; }
inline DrawRecord direct() { return kDirect; }

inline void append(std::vector<DrawRecord>& list, std::size_t times, const std::vector<DrawRecord>& each) {
    for (std::size_t i = 0; i < times; ++i) list.insert(list.end(), each.begin(), each.end());
}

inline std::vector<Primitive> of_kind(const std::vector<Primitive>& list, Primitive::Kind kind) {
    std::vector<Primitive> out;
    for (const Primitive& p : list) {
        if (p.kind == kind) out.push_back(p);
    }
    return out;
}

inline std::size_t count_kind(const std::vector<Primitive>& list, Primitive::Kind kind) {
    return of_kind(list, kind).size();
}

// Records the draws of everything run while it lives.
struct DrawLog {
    std::vector<DrawRecord> draws;
    DrawLog() { core::set_draw_recorder(&draws); }
    ~DrawLog() { core::set_draw_recorder(nullptr); }
};

// Debug builds stop at the assertion that flags a stray argument; release builds mend it,
// and only then are the results worth checking.
inline bool runs_mended(const std::function<void()>& call, const char* assertion) {
#ifdef NDEBUG
    (void)assertion;
    call();
    return true;
#else
    EXPECT_DEATH(call(), assertion);
    return false;
#endif
}

// The main window with its work picture; every test records its draws in `draws` and the
// primitives drawn on the work picture in `prims` from the start.
class LayerTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        core::set_draw_recorder(&draws);
        surface().set_recorder(&prims);
    }
    void TearDown() override {
        core::set_draw_recorder(nullptr);
        surface().set_recorder(nullptr);
        GameTest::TearDown();
    }
    platform::Surface& surface() { return form().pbox_temp->draw(); }
    platform::Colour pixel(int x, int y) { return form().pbox_temp->pixel(x, y); }
    platform::Colour at(int x, int y) { return pixel(x, y); }
    // Paints the whole picture one colour (and records it as the background).
    void paint(int r, int g, int b) {
        double rr = r, gg = g, bb = b;
        pictures::fill_background(rr, gg, bb);
    }
    // Forgets what was drawn so far; from now on only the layer under test counts.
    void record() {
        prims.clear();
        surface().set_recorder(&prims);
    }
    // Same seed and same prior picture give the same layer; another seed another one.
    void expect_repeatable(const std::function<void()>& layer) {
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

    // Each layer, run twice from the same background, pen, point and seed, paints the same
    // picture both times, and paints something.
    void expect_layers_repeat(const std::vector<std::function<void()>>& layers, std::uint32_t seed) {
        for (std::size_t i = 0; i < layers.size(); ++i) {
            SCOPED_TRACE(i);
            std::vector<platform::Picture> shots;
            platform::Picture plain;
            for (int run = 0; run < 2; ++run) {
                paint(12, 34, 56);
                plain = form().pbox_temp->snapshot();
                surface().set_pen_width(2);
                surface().set_current(0, 0);
                platform::seed_random(seed);
                layers[i]();
                shots.push_back(form().pbox_temp->snapshot());
            }
            EXPECT_EQ(shots[0], shots[1]);
            EXPECT_NE(shots[0], plain) << "nothing was drawn";
        }
    }

    std::vector<DrawRecord> draws;
    std::vector<Primitive> prims;
};

}  // namespace testing_support
