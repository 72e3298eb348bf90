// The picture kinds: their draws, which layers each branch runs and in what order, and replay.
#include "pictures/kinds.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/layer_calls.h"
#include "pictures/layers_shapes_dots.h"
#include "pictures/picture_state.h"
#include "pictures/shapes.h"
#include "platform/random.h"
#include "platform/services.h"
#include "support/game_fixture.h"

namespace {

using core::DrawRecord;
using platform::Primitive;

DrawRecord range(int lo, int span) { return {false, lo, span}; }

// ---- draw patterns ----
//
// A layer is recognised by the draws it opens with: the ranges of its base colour, then the
// spread of its first item and what follows. That is enough to tell every layer the kinds use
// apart without spelling out their loops.

struct Step {
    enum class Kind { Exact, AnyLo, Direct } kind;
    int lo = 0;
    int span = 0;
    bool repeats = false;  // one or more in a row

    bool fits(const DrawRecord& d) const {
        switch (kind) {
            case Kind::Exact: return !d.direct && d.lo == lo && d.span == span;
            case Kind::AnyLo: return !d.direct && d.span == span;
            case Kind::Direct: return d.direct;
        }
        return false;
    }
};
using Pattern = std::vector<Step>;

Pattern R(int lo, int span, int times = 1) {
    return Pattern(static_cast<std::size_t>(times), Step{Step::Kind::Exact, lo, span});
}
// A spread draw: its low end is a colour channel the test need not know.
Pattern S(int span, int times = 1) {
    return Pattern(static_cast<std::size_t>(times), Step{Step::Kind::AnyLo, 0, span});
}
Pattern D(int times = 1) {
    return Pattern(static_cast<std::size_t>(times), Step{Step::Kind::Direct});
}
Pattern some(int lo, int span) { return {Step{Step::Kind::Exact, lo, span, true}}; }
Pattern seq(std::initializer_list<Pattern> parts) {
    Pattern out;
    for (const Pattern& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

constexpr std::size_t kNoMatch = static_cast<std::size_t>(-1);

// The index just past p matched at pos, or kNoMatch.
std::size_t match_at(const std::vector<DrawRecord>& d, std::size_t pos, const Pattern& p) {
    std::size_t i = pos;
    for (const Step& s : p) {
        if (i >= d.size() || !s.fits(d[i])) return kNoMatch;
        ++i;
        while (s.repeats && i < d.size() && s.fits(d[i])) ++i;
    }
    return i;
}

std::size_t find_from(const std::vector<DrawRecord>& d, std::size_t pos, const Pattern& p) {
    for (std::size_t i = pos; i < d.size(); ++i) {
        if (match_at(d, i, p) != kNoMatch) return i;
    }
    return kNoMatch;
}

int count_matches(const std::vector<DrawRecord>& d, const Pattern& p) {
    int n = 0;
    for (std::size_t i = 0; i < d.size();) {
        const std::size_t end = match_at(d, i, p);
        if (end == kNoMatch) {
            ++i;
        } else {
            ++n;
            i = end;
        }
    }
    return n;
}

int count_matches(const std::vector<DrawRecord>& d, std::size_t from, std::size_t to,
                  const Pattern& p) {
    const std::vector<DrawRecord> part(d.begin() + static_cast<long>(from),
                                       d.begin() + static_cast<long>(std::min(to, d.size())));
    return count_matches(part, p);
}

struct Painted {
    std::vector<DrawRecord> draws;
    std::vector<Primitive> prims;
    std::vector<pictures::LayerCall> calls;  // the layers run, with the numbers handed over
    platform::Picture picture;
    std::size_t t_at = kNoMatch;  // where the choice of the second layer was drawn
    std::vector<float> script;

    // The value draw i gave, as rnd_range forms it.
    int value(std::size_t i) const {
        const DrawRecord& d = draws.at(i);
        return d.lo + core::cint(static_cast<float>(d.span) * script.at(i));
    }
};

// ---- the layers as the kinds call them ----

// What a layer opens with, and what its draws from there to the next layer must show: the
// counts, sizes and colours the recipe passed it.
using Check = std::function<void(const Painted&, std::size_t from, std::size_t to)>;
struct Layer {
    std::string name;
    Pattern opens;
    Check check;
};
using Option = std::vector<Layer>;  // the layers one branch runs, in order

Check both(Check a, Check b) {
    return [a, b](const Painted& p, std::size_t from, std::size_t to) {
        a(p, from, to);
        b(p, from, to);
    };
}

// Where a number the recipe passes was drawn: a fixed draw before the first layer, or one
// found from where the layer starts.
using DrawAt = std::function<std::size_t(const Painted&, std::size_t from)>;
DrawAt drawn_at(std::size_t i) {
    return [i](const Painted&, std::size_t) { return i; };
}
const DrawAt kLayerStart = [](const Painted&, std::size_t from) { return from; };

// A base colour the recipe drew itself (three draws from red_at), plus add, shows as the low
// ends of the layer's first spread draws at from + first.
Check base_is(std::size_t first, DrawAt red_at, int add = 0) {
    return [=](const Painted& p, std::size_t from, std::size_t) {
        const std::size_t red = red_at(p, from);
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(p.draws.at(from + first + c).lo, p.value(red + c) + add) << "channel " << c;
        }
    };
}

// Each occurrence of what is counted is one item of the layer: a cross, a frame, a line.
Check counts(Pattern item, int n) {
    return [item, n](const Painted& p, std::size_t from, std::size_t to) {
        EXPECT_EQ(count_matches(p.draws, from, to, item), n);
    };
}

bool whole_picture(const Primitive& q) {
    return q.kind == Primitive::Kind::FilledBox && q.x1 == 0 && q.y1 == 0 && q.x2 == 420 &&
           q.y2 == 320;
}

// Frames and crosses: whether their base colour (the low ends of their first spread draws)
// was painted over the whole picture first, or they went over what was there.
enum class Base { Painted, Over };
Check counts_on(Pattern item, int n, Base base) {
    return [item, n, base](const Painted& p, std::size_t from, std::size_t to) {
        EXPECT_EQ(count_matches(p.draws, from, to, item), n);
        const std::size_t at = from + 3;
        const platform::Colour colour =
            platform::rgb(p.draws.at(at).lo, p.draws.at(at + 1).lo, p.draws.at(at + 2).lo);
        bool filled = false;
        for (const Primitive& q : p.prims)
            filled = filled || (whole_picture(q) && q.colour == colour);
        EXPECT_EQ(filled, base == Base::Painted);
    };
}

const Pattern kCross = R(6, 34);
const Pattern kFrame = R(3, 10);
const Pattern kEdgeLine = R(0, 550);

// Six draws per dot, after the three of a random base.
Layer dots(int count, int spread) {
    return {"dots", seq({R(30, 225 - spread, 3), S(spread, 3), D(3)}),
            [count](const Painted&, std::size_t from, std::size_t to) {
                EXPECT_EQ(to - from, 3u + 6u * static_cast<std::size_t>(count));
            }};
}
Layer dots_in_colour(int count, int spread, std::size_t red_at) {
    return {"dots in colour", seq({S(spread, 3), D(3)}),
            both(base_is(0, drawn_at(red_at)),
                 [count](const Painted&, std::size_t from, std::size_t to) {
                     EXPECT_EQ(to - from, 6u * static_cast<std::size_t>(count));
                 })};
}

// (nx + 2) x (ny + 2) points of two draws each, after the colours; its lines are width wide,
// or half nx when the recipe leaves the width to the mesh.
Check mesh_shape(std::size_t colour_draws, std::size_t nx_at, int width) {
    return [=](const Painted& p, std::size_t from, std::size_t to) {
        const int nx = p.value(nx_at);
        const int ny = p.value(nx_at + 1);
        EXPECT_EQ(to - from,
                  colour_draws + 4u + 2u * static_cast<std::size_t>((nx + 2) * (ny + 2)));
        int pen = 0;
        for (const Primitive& q : p.prims) {
            if (q.kind == Primitive::Kind::Line) {
                pen = q.pen;
                break;
            }
        }
        EXPECT_EQ(pen, width > 0 ? width : core::cint(nx / 2.0));
    };
}
Layer mesh(std::size_t nx_at, int width = 0) {
    return {"mesh", seq({R(30, 200, 3), S(25, 3), R(1, 1), D(2)}), mesh_shape(3, nx_at, width)};
}
Layer mesh_in_colour(std::size_t nx_at, int width, std::size_t red_at) {
    return {"mesh in colour", seq({S(25, 3), R(1, 1), D(2)}),
            both(base_is(0, drawn_at(red_at), 20), mesh_shape(0, nx_at, width))};
}

// Rows (dir 0) or columns of dashes step apart: the step the recipe drew, or twice the pen.
constexpr std::size_t kDefaultStep = kNoMatch;
Layer strokes(int spread, std::size_t step_at = kDefaultStep) {
    return {"strokes", seq({R(6, 10), R(0, 1), R(30, 200, 3), R(2, 3), S(spread, 3)}),
            [step_at](const Painted& p, std::size_t from, std::size_t) {
                const int pen = p.value(from);
                const bool rows = p.value(from + 1) == 0;
                std::vector<double> at;
                for (const Primitive& q : p.prims) {
                    if (q.kind != Primitive::Kind::Line || q.pen != pen) continue;
                    const double a = rows ? q.y1 : q.x1;
                    if (at.empty() || at.back() != a) at.push_back(a);
                    if (at.size() == 2) break;
                }
                ASSERT_EQ(at.size(), 2u);
                EXPECT_EQ(at[1] - at[0], step_at == kDefaultStep ? 2 * pen : p.value(step_at));
            }};
}

// The first tile after the background is w by h, as drawn at size_at and the draw after it.
Check tile_size(DrawAt size_at) {
    return [size_at](const Painted& p, std::size_t from, std::size_t) {
        const std::size_t w_at = size_at(p, from);
        for (const Primitive& q : p.prims) {
            if (q.kind != Primitive::Kind::FilledBox || whole_picture(q)) continue;
            EXPECT_EQ(q.x2 - q.x1 + 1, p.value(w_at));
            EXPECT_EQ(q.y2 - q.y1 + 1, p.value(w_at + 1));
            return;
        }
        ADD_FAILURE() << "no tiles";
    };
}
Layer tiles(int spread, std::size_t w_at) {
    return {"tiles", seq({R(0, 255 - spread, 3), S(spread, 3)}), tile_size(drawn_at(w_at))};
}
Layer tiles_any_size(int spread, std::size_t red_at) {
    return {"tiles any size", seq({R(10, 20, 2), S(spread, 3)}),
            both(tile_size(kLayerStart), base_is(2, drawn_at(red_at)))};
}

// (nx + 2) x (ny + 2) boxes of 420 / nx by 320 / ny cover the picture, nx and ny as drawn at
// nx_at. No second layer of these kinds fills boxes.
Layer gradient_boxes(std::size_t nx_at) {
    return {"gradient boxes", seq({R(0, 255, 3), S(25, 3), D(), S(40)}),
            [nx_at](const Painted& p, std::size_t, std::size_t) {
                const int nx = p.value(nx_at);
                const int ny = p.value(nx_at + 1);
                int boxes = 0;
                for (const Primitive& q : p.prims) {
                    if (q.kind != Primitive::Kind::FilledBox) continue;
                    if (boxes++ > 0) continue;
                    EXPECT_EQ(q.x2 - q.x1 + 1, core::cint(420.0 / nx));
                    EXPECT_EQ(q.y2 - q.y1 + 1, core::cint(320.0 / ny));
                }
                EXPECT_EQ(boxes, (nx + 2) * (ny + 2));
            }};
}
Layer gradient_stripes() {
    return {"gradient stripes", seq({D(2), R(0, 255, 6), D(), S(40), S(20, 3)}), {}};
}
Layer frames(int count, int spread, Base base) {
    return {"frames", seq({R(0, 255 - spread, 3), S(spread, 3), D(2), R(40, 80, 2), kFrame}),
            counts_on(kFrame, count, base)};
}
Layer crosses(int count, int spread, Base base) {
    return {"crosses", seq({R(0, 255 - spread, 3), S(spread, 3), D(2), kCross}),
            counts_on(kCross, count, base)};
}
Layer crosses_in_colour(int count, int spread, std::size_t red_at) {
    return {"crosses in colour", seq({S(spread, 3), D(2), kCross}),
            both(counts(kCross, count), base_is(0, drawn_at(red_at)))};
}
Layer boxes(int spread) {
    return {"boxes", seq({R(30, 225 - spread, 3), S(spread, 3), D(2), R(20, 40, 2)}), {}};
}
Layer scribbles(int spread) {
    return {"scribbles", seq({R(0, 255, 3), D(), S(spread, 3), D(2)}), {}};
}
Layer repeat_arcs(int passes, int spread) {
    const Pattern arc_layer = seq({R(0, 255, 3), D(2), S(spread, 3), D()});
    return {"repeat arcs", arc_layer, counts(arc_layer, passes)};
}
Layer arcs_in_colour(int count, int spread, DrawAt red_at, int add) {
    const Pattern arc = seq({D(2), S(spread, 3), D()});
    return {"arcs in colour", arc, both(counts(arc, count), base_is(2, red_at, add))};
}
// The last base colour drawn in [lo, lo + span] before the layer.
DrawAt last_colour(int lo, int span) {
    return [lo, span](const Painted& p, std::size_t from) {
        for (std::size_t i = from; i >= 3; --i) {
            if (p.draws[i - 1] == range(lo, span)) return i - 3;
        }
        return kNoMatch;
    };
}
// times polylines of count lines around the recipe's colour.
Layer edge_lines(int times, int count, int spread, std::size_t red_at) {
    return {"edge lines", seq({S(spread, 3), kEdgeLine, S(spread, 3)}),
            both(counts(kEdgeLine, times * count), base_is(0, drawn_at(red_at)))};
}
// times polylines of count lines, each around a base colour drawn anew in [lo, lo + span].
Layer edge_lines_recoloured(int times, int count, int lo, int span, int spread) {
    const Pattern each = seq({R(lo, span, 3), S(spread, 3), kEdgeLine});
    return {"recoloured edge lines", each, [=](const Painted& p, std::size_t from, std::size_t to) {
                EXPECT_EQ(count_matches(p.draws, from, to, each), times);
                EXPECT_EQ(count_matches(p.draws, from, to, kEdgeLine), times * count);
                for (std::size_t i = from; i < to; ++i) {
                    if (match_at(p.draws, i, each) != kNoMatch) base_is(3, drawn_at(i))(p, i, to);
                }
            }};
}
Layer tiles_offset(int spread) {
    return {"offset tiles", seq({R(15, 10), R(0, 250 - spread, 3), R(0, 100)}), {}};
}
Layer tiles_offset_sized(int spread) {
    return {"offset tiles sized", seq({R(20, 10), R(0, 250 - spread, 3), R(0, 100)}), {}};
}

// The shapes of a grid: which colours each cell draws (mode), and whether it turns them.
enum class Colours { OneForAll, EachRandom, BasePlusSpread };

int g_shapes = 0;  // the library's size, set by the fixture: picks draw 1 to it

// How many cells a grid of div across walks, asked of the grid layer itself.
int grid_cells(int div) {
    std::vector<DrawRecord> d;
    core::set_draw_recorder(&d);
    {
        platform::ScriptedRandom zeros({0.0f});
        double kinds = 1, across = div, percent = 100, turn = 0, r = 50, g = 50, b = 50, mode = 0,
               spread = 0;
        pictures::gen_shape_grid(kinds, across, percent, turn, r, g, b, mode, spread);
    }
    core::set_draw_recorder(nullptr);
    return count_matches(d, R(0, 100));
}

// kinds picks, then cells until the first that shows a shape (a chance below 100 may skip
// some), then that cell's colour, shape and turn. The cells walked show div; those that drew
// a shape, against the values their chance draws got, show percent.
Pattern grid_opening(int kinds, Colours mode, int spread, bool turn) {
    Pattern colour;
    if (mode == Colours::EachRandom) colour = R(45, 210, 3);
    if (mode == Colours::BasePlusSpread) colour = S(spread, 3);
    return seq({R(1, g_shapes - 1, kinds), some(0, 100), colour, R(1, kinds - 1),
                turn ? R(0, 1) : Pattern{}});
}
// The grid size as the recipe passes it: a number, the one it drew right after the choice t,
// or one the branch test leaves to a test of its own.
constexpr int kDrawnN = -1;
constexpr int kUnchecked = 0;

Check grid_check(int kinds, int div, int percent) {
    return [=](const Painted& p, std::size_t from, std::size_t to) {
        int shown = 0;
        for (std::size_t i = from; i < to; ++i) {
            if (p.draws[i] == range(0, 100) && p.value(i) <= percent) ++shown;
        }
        EXPECT_EQ(count_matches(p.draws, from, to, R(1, kinds - 1)), shown);
        if (div == kUnchecked) return;
        const int across = div == kDrawnN ? p.value(p.t_at + 1) : div;
        EXPECT_EQ(count_matches(p.draws, from, to, R(0, 100)), grid_cells(across)) << across;
    };
}
Layer grid(int kinds, int div, int percent, Colours mode, int spread, bool turn) {
    return {"shape grid", seq({R(40, 215, 3), grid_opening(kinds, mode, spread, turn)}),
            grid_check(kinds, div, percent)};
}
Layer grid_on_new_background(int kinds, int div, int percent, Colours mode, int spread, bool turn) {
    return {"shape grid on a new background",
            seq({R(20, 225, 3), R(40, 215, 3), grid_opening(kinds, mode, spread, turn)}),
            grid_check(kinds, div, percent)};
}
Layer shape_tiles(int spread) {
    return {
        "shape tiles", seq({R(1, g_shapes - 1), some(1, g_shapes - 1), S(spread, 3), R(1, 1)}), {}};
}

// ---- the kinds ----

struct KindTable {
    std::vector<DrawRecord> before;  // draws before the first layer, the choice s among them
    int s_span;
    std::vector<Option> first;        // by s - 1
    std::vector<DrawRecord> between;  // starts with the choice t; empty for one-layer kinds
    int t_span;
    std::vector<Option> second;  // by t - 1
};

// Every kind's draws before and between its layers and the layers each choice runs. A small
// number given to a layer as a position (mesh(3), tiles(80, 1), strokes(100, 4), a colour at 6)
// says which of the draws before the first layer gave the size or colour it is handed.
KindTable kind_table(int kind) {
    const auto C = Colours::OneForAll;
    const auto E = Colours::EachRandom;
    const auto B = Colours::BasePlusSpread;
    const std::vector<DrawRecord> before_mesh_kinds = {range(1, 2),  range(18, 5), range(15, 5),
                                                       range(12, 6), range(10, 6), range(4, 4)};
    switch (kind) {
        case 1:
            return {{range(1, 2), range(30, 20), range(20, 20), range(4, 4)},
                    2,
                    {{dots(80, 80)}, {tiles(80, 1)}, {gradient_stripes()}},
                    {range(1, 1), range(1, 1)},
                    1,
                    {{grid(5, kUnchecked, 100, E, 130, true)},
                     {grid(2, kUnchecked, 100, E, 80, false)}}};
        case 2:
            return {
                {range(1, 2), range(20, 10), range(15, 8), range(10, 6), range(10, 6), range(4, 4)},
                2,
                {{dots(80, 60)}, {tiles(60, 1)}, {gradient_boxes(3)}},
                {range(1, 2), range(2, 1)},
                2,
                {{repeat_arcs(10, 80)},
                 {grid(3, kDrawnN, 100, E, 90, true)},
                 {grid(1, kDrawnN, 100, E, 80, false)}}};
        case 3:
            return {
                {range(1, 2), range(30, 20), range(20, 20), range(4, 4)},
                2,
                {{dots(80, 90)}, {frames(30, 90, Base::Painted)}, {crosses(60, 90, Base::Painted)}},
                {range(1, 1), range(2, 1)},
                1,
                {{repeat_arcs(7, 80)}, {crosses(70, 90, Base::Over)}}};
        case 4:
            return {
                {range(1, 2), range(15, 10), range(12, 10), range(4, 4)},
                2,
                {{dots(80, 80)}, {frames(30, 80, Base::Painted)}, {crosses(60, 80, Base::Painted)}},
                {range(1, 3), range(2, 1)},
                3,
                {{scribbles(100)},
                 {grid(1, 3, 100, C, 50, true)},
                 {crosses(70, 90, Base::Over)},
                 {grid(4, 3, 100, B, 50, false)}}};
        case 5:
            return {{range(1, 3), range(18, 5), range(15, 5), range(4, 4)},
                    3,
                    {{dots(80, 70)},
                     {strokes(70)},
                     {crosses(70, 70, Base::Painted)},
                     {tiles_offset(70)}},
                    {range(1, 3), range(3, 1)},
                    3,
                    {{grid(1, 3, 100, B, 40, true)},
                     {grid(6, 3, 100, B, 50, false)},
                     {crosses(70, 90, Base::Over)},
                     {frames(50, 90, Base::Over)}}};
        case 6: {
            std::vector<DrawRecord> before = before_mesh_kinds;
            before[0] = range(1, 3);
            return {
                before,
                3,
                {{mesh(3)}, {strokes(70)}, {crosses(70, 70, Base::Painted)}, {tiles_offset(40)}},
                {range(1, 3)},
                3,
                {{grid(2, 4, 100, B, 60, true)},
                 {grid(8, 4, 100, B, 60, false)},
                 {crosses(70, 90, Base::Over)},
                 {frames(50, 90, Base::Over)}}};
        }
        case 7:
            return {before_mesh_kinds,
                    2,
                    {{mesh(3)}, {strokes(70)}, {tiles_offset(40)}},
                    {range(1, 3)},
                    3,
                    {{grid(2, 4, 100, B, 60, false)},
                     {grid(1, 3, 100, B, 40, true)},
                     {crosses(70, 90, Base::Over)},
                     {frames(50, 90, Base::Over)}}};
        case 8:
            return {before_mesh_kinds,
                    2,
                    {{mesh(3)}, {strokes(60)}, {tiles_offset(50)}},
                    {range(1, 3)},
                    3,
                    {{grid(4, 5, 80, E, 100, false)},
                     {grid(2, 5, 80, B, 50, true)},
                     {grid(1, 5, 80, B, 70, true)},
                     {shape_tiles(60)}}};
        case 9:
            return {{range(1, 4), range(18, 5), range(15, 5), range(4, 4), range(10, 10)},
                    4,
                    {{dots(150, 100)},
                     {boxes(100)},
                     {crosses(150, 100, Base::Painted)},
                     {strokes(100, 4)},
                     {tiles_offset_sized(70)}},
                    {},
                    0,
                    {}};
        case 10: {
            const Option grid_option = {grid_on_new_background(2, 6, 95, C, 100, false)};
            return {{range(18, 5), range(15, 5), range(4, 4), range(10, 7), range(10, 4),
                     range(8, 4), range(40, 200), range(40, 200), range(40, 200), range(1, 5)},
                    5,
                    {grid_option,
                     grid_option,
                     {mesh(4)},
                     {dots(50, 70), crosses_in_colour(140, 70, 6)},
                     {strokes(80, 3)},
                     {dots(50, 70), edge_lines(3, 24, 80, 6)}},
                    {},
                    0,
                    {}};
        }
        case 11:
            return {{range(4, 4), range(6, 7), range(16, 5), range(12, 5), range(40, 200),
                     range(40, 200), range(40, 200), range(1, 4)},
                    4,
                    {{dots(50, 50), edge_lines_recoloured(5, 20, 40, 200, 100)},
                     {dots_in_colour(350, 40, 4)},
                     {strokes(50, 1)},
                     {mesh_in_colour(2, 4, 4)},
                     {tiles_any_size(50, 4), arcs_in_colour(60, 70, drawn_at(4), 20)}},
                    {},
                    0,
                    {}};
        case 12:
            return {{range(4, 4), range(6, 7), range(16, 5), range(12, 5), range(1, 3)},
                    3,
                    {{dots(70, 70)}, {strokes(67, 1)}, {mesh(2, 4)}, {tiles_offset(50)}},
                    {range(1, 2)},
                    2,
                    {{grid(3, 7, 95, C, 50, false)},
                     {grid(1, 6, 90, B, 50, true)},
                     {edge_lines_recoloured(4, 20, 80, 150, 80),
                      arcs_in_colour(40, 80, last_colour(80, 150), 0)}}};
        default: return {};
    }
}

std::string describe(const std::vector<DrawRecord>& d, std::size_t from, std::size_t n) {
    std::string out;
    for (std::size_t i = from; i < d.size() && i < from + n; ++i) {
        out += d[i].direct ? "D "
                           : "(" + std::to_string(d[i].lo) + "," + std::to_string(d[i].span) + ") ";
    }
    return out;
}

std::size_t choice_index(const std::vector<DrawRecord>& before) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].lo == 1) return i;
    }
    return kNoMatch;
}

// The value that makes a choice rnd_range(1, n) come out as k.
float choose(int k, int n) { return static_cast<float>(k - 1) / static_cast<float>(n); }

// Values of the shared sequence that a real source could hand out, from a fixed seed.
std::vector<float> sequence(std::uint32_t seed, std::size_t n = 20000) {
    std::mt19937 engine(seed);
    std::vector<float> v(n);
    for (float& x : v) x = static_cast<float>(engine() >> 8) / 16777216.0f;
    return v;
}

class KindsTest : public testing_support::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        // The build copies the data folder beside the test program.
        platform::set_data_folder(QCoreApplication::applicationDirPath().toStdString());
        pictures::load_shapes();
        platform::set_data_folder("");
        ASSERT_GE(pictures::state().shape_count, 3) << "shapes.txt missing beside the tests";
        g_shapes = pictures::state().shape_count;
        fresh_ = pictures::state();
    }
    void TearDown() override {
        core::set_draw_recorder(nullptr);
        surface().set_recorder(nullptr);
        GameTest::TearDown();
    }
    platform::Surface& surface() { return form().pbox_temp->draw(); }

    // The picture, the pen and the colour records as a new game leaves them.
    void reset_picture() {
        pictures::state() = fresh_;
        form().pbox_temp->clear();
        surface().set_pen_width(1);
        surface().set_current(0, 0);
    }

    Painted paint(int kind, const std::vector<float>& script) {
        reset_picture();
        Painted run;
        run.script = script;
        core::set_draw_recorder(&run.draws);
        surface().set_recorder(&run.prims);
        pictures::set_layer_call_log(&run.calls);
        {
            platform::ScriptedRandom source(script);
            double k = kind;
            pictures::gen_kind(k);
            EXPECT_LT(source.taken(), script.size()) << "the script ran out";
        }
        core::set_draw_recorder(nullptr);
        surface().set_recorder(nullptr);
        pictures::set_layer_call_log(nullptr);
        run.picture = form().pbox_temp->snapshot();
        return run;
    }

    // Paints kind with layer choices s and t forced. The second choice is drawn after the
    // first layer, whose draws depend on the values it gets: a first run finds where it falls,
    // and a second run with the same values up to there forces it.
    Painted forced(int kind, int s, int t, std::uint32_t seed = 1,
                   const std::map<std::size_t, float>& after_t = {}) {
        const KindTable table = kind_table(kind);
        std::vector<float> script = sequence(seed);
        script[choice_index(table.before)] = choose(s, table.s_span);
        if (table.between.empty()) return paint(kind, script);

        const Painted probe = paint(kind, script);
        const std::size_t t_at = find_from(probe.draws, table.before.size(), R(1, table.t_span));
        EXPECT_NE(t_at, kNoMatch) << "kind " << kind << ": no choice of a second layer";
        if (t_at == kNoMatch) return probe;
        script[t_at] = choose(t, table.t_span);
        for (const auto& [offset, value] : after_t) script[t_at + offset] = value;
        Painted run = paint(kind, script);
        run.t_at = t_at;
        return run;
    }

    pictures::PictureState fresh_;
};

// ---- every branch of every kind ----

struct Branch {
    int kind, s, t;
};

std::vector<Branch> all_branches() {
    std::vector<Branch> out;
    for (int kind = 1; kind <= 12; ++kind) {
        const KindTable table = kind_table(kind);
        for (int s = 1; s <= table.s_span + 1; ++s) {
            if (table.between.empty()) {
                out.push_back({kind, s, 0});
                continue;
            }
            for (int t = 1; t <= table.t_span + 1; ++t) out.push_back({kind, s, t});
        }
    }
    return out;
}

class KindsBranches : public KindsTest, public testing::WithParamInterface<Branch> {};

// The layers of one branch, which end where the next part of the picture begins: the first
// opens where it is due, the others follow in order. Each layer's own draws are then checked.
void expect_layers(const Painted& run, std::size_t at, std::size_t end, const Option& layers) {
    const std::vector<DrawRecord>& d = run.draws;
    std::vector<std::size_t> starts;
    std::size_t pos = at;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const std::size_t start = i == 0 ? at : find_from(d, pos, layers[i].opens);
        const std::size_t opened =
            start == kNoMatch ? kNoMatch : match_at(d, start, layers[i].opens);
        if (opened == kNoMatch) {
            ADD_FAILURE() << layers[i].name << " expected " << (i == 0 ? "at" : "after") << " draw "
                          << pos << ": " << describe(d, pos, 12);
            return;
        }
        starts.push_back(start);
        pos = opened;
    }
    starts.push_back(end);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        SCOPED_TRACE(layers[i].name);
        if (layers[i].check) layers[i].check(run, starts[i], starts[i + 1]);
    }
}

TEST_P(KindsBranches, DrawsThenLayersInOrder) {
    const Branch b = GetParam();
    const KindTable table = kind_table(b.kind);
    const Painted run =
        forced(b.kind, b.s, b.t, static_cast<std::uint32_t>(b.kind * 100 + b.s * 10 + b.t));
    const std::vector<DrawRecord>& d = run.draws;
    const std::size_t n_before = table.before.size();
    ASSERT_GE(d.size(), n_before);
    EXPECT_EQ(std::vector<DrawRecord>(d.begin(), d.begin() + static_cast<long>(n_before)),
              table.before)
        << describe(d, 0, n_before + 4);

    const Option& first = table.first[static_cast<std::size_t>(b.s - 1)];
    if (table.between.empty()) {
        expect_layers(run, n_before, d.size(), first);
        return;
    }
    ASSERT_NE(run.t_at, kNoMatch);
    expect_layers(run, n_before, run.t_at, first);
    // The draws between the layers, from the choice t on; the second layer opens after them.
    const std::size_t n_between = table.between.size();
    ASSERT_GE(d.size(), run.t_at + n_between);
    const auto from = d.begin() + static_cast<long>(run.t_at);
    EXPECT_EQ(std::vector<DrawRecord>(from, from + static_cast<long>(n_between)), table.between)
        << describe(d, run.t_at, n_between + 4);
    expect_layers(run, run.t_at + n_between, d.size(),
                  table.second[static_cast<std::size_t>(b.t - 1)]);
}

// ---- the numbers each recipe hands its layers ----

// A number a recipe hands a layer: a constant, the value of one of its own draws plus add
// (counted from the first draw, or from the choice t), or one that other tests look after.
struct Arg {
    enum class From { Constant, Draw, AfterT, Unchecked };
    Arg(double v) : value(v) {}
    Arg(From f, std::size_t i, double add = 0) : from(f), value(add), at(i) {}
    From from = From::Constant;
    double value;
    std::size_t at = 0;
};
Arg drawn(std::size_t i, double add = 0) { return {Arg::From::Draw, i, add}; }
Arg after_t(std::size_t i) { return {Arg::From::AfterT, i}; }
const Arg kOther{Arg::From::Unchecked, 0};

struct Call {
    std::string layer;
    std::vector<Arg> args;
};
using Calls = std::vector<Call>;

Calls times(int n, const Call& c) { return Calls(static_cast<std::size_t>(n), c); }
Calls join(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Every branch's layers with what it hands them, one layer list per choice s, then per t.
Calls recipe_calls(int kind, int s, int t) {
    const auto pick = [](int k, const std::vector<Calls>& options) {
        return k >= 1 && k <= static_cast<int>(options.size()) ? options[static_cast<std::size_t>(k - 1)] : Calls{};
    };
    const Call grid_4_3_c = {"gen_crosses", {70, -1, 0, 0, 90}};
    const Call frames_50 = {"gen_frames", {50, -1, 0, 0, 90}};
    const Call mesh_drawn = {"gen_mesh", {drawn(3), drawn(4), -1, -1, 0, 0}};
    switch (kind) {
        case 1:
            return join(pick(s, {{{"gen_dots", {-1, -1, 30, 30, 80}}},
                                 {{"gen_tiles", {drawn(1), drawn(2), -1, 0, 0, 80}}},
                                 {{"gen_gradient_stripes", {-1, -1, -1, 0, 0, -1, 0, 0}}}}),
                        pick(t, {{{"gen_shape_grid", {5, s == 3 ? Arg(2) : after_t(1), 100, 1, -2, 0, 0, 1, 130}}},
                                 {{"gen_shape_grid", {2, s == 3 ? Arg(2) : after_t(1), 100, 0, -2, 0, 0, 1, 80}}}}));
        case 2:
            return join(pick(s, {{{"gen_dots", {-1, -1, 30, 30, 60}}},
                                 {{"gen_tiles", {drawn(1), drawn(2), -1, 0, 0, 60}}},
                                 {{"gen_gradient_boxes", {drawn(3), drawn(4), -1, 0, 0, -2, 0, 0}}}}),
                        pick(t, {{{"repeat_arcs", {10, 7, 80, 70}}},
                                 {{"gen_shape_grid", {3, after_t(1), 100, 1, -2, 0, 0, 1, 90}}},
                                 {{"gen_shape_grid", {1, after_t(1), 100, 0, -2, 0, 0, 1, 80}}}}));
        case 3:
            return join(pick(s, {{{"gen_dots", {-1, -1, 30, 30, 90}}},
                                 {{"gen_frames", {30, -3, 0, 0, 90}}},
                                 {{"gen_crosses", {60, -3, 0, 0, 90}}}}),
                        pick(t, {{{"repeat_arcs", {7, 7, 80, 70}}}, {grid_4_3_c}}));
        case 4:
            return join(pick(s, {{{"gen_dots", {80, -1, 30, 30, 80}}},
                                 {{"gen_frames", {30, -3, 0, 0, 80}}},
                                 {{"gen_crosses", {60, -3, 0, 0, 80}}}}),
                        pick(t, {{{"gen_scribbles", {30, -1, 0, 0, 100}}},
                                 {{"gen_shape_grid", {1, 3, 100, 1, -2, 0, 0, 0, 50}}},
                                 {grid_4_3_c},
                                 {{"gen_shape_grid", {4, 3, 100, 0, -2, 0, 0, 2, 50}}}}));
        case 5:
            return join(pick(s, {{{"gen_dots", {80, -1, 30, 30, 70}}},
                                 {{"gen_strokes", {-1, -1, -1, -1, 0, 0, 70}}},
                                 {{"gen_crosses", {70, -3, 0, 0, 70}}},
                                 {{"gen_tiles_offset", {-1, 80, -1, 0, 0, 70}}}}),
                        pick(t, {{{"gen_shape_grid", {1, 3, 100, 1, -2, 0, 0, 2, 40}}},
                                 {{"gen_shape_grid", {6, 3, 100, 0, -2, 0, 0, 2, 50}}},
                                 {grid_4_3_c},
                                 {frames_50}}));
        case 6:
            return join(pick(s, {{mesh_drawn},
                                 {{"gen_strokes", {-1, -1, -1, -1, 0, 0, 70}}},
                                 {{"gen_crosses", {70, -3, 0, 0, 70}}},
                                 {{"gen_tiles_offset", {-1, 80, -1, 0, 0, 40}}}}),
                        pick(t, {{{"gen_shape_grid", {2, 4, 100, 1, -2, 0, 0, 2, 60}}},
                                 {{"gen_shape_grid", {8, 4, 100, 0, -2, 0, 0, 2, 60}}},
                                 {grid_4_3_c},
                                 {frames_50}}));
        case 7:
            return join(pick(s, {{mesh_drawn},
                                 {{"gen_strokes", {-1, -1, -1, -1, 0, 0, 70}}},
                                 {{"gen_tiles_offset", {-1, 80, -1, 0, 0, 40}}}}),
                        pick(t, {{{"gen_shape_grid", {2, 4, 100, 0, -2, 0, 0, 2, 60}}},
                                 {{"gen_shape_grid", {1, 3, 100, 1, -2, 0, 0, 2, 40}}},
                                 {grid_4_3_c},
                                 {frames_50}}));
        case 8:
            return join(pick(s, {{mesh_drawn},
                                 {{"gen_strokes", {-1, -1, -1, -1, 0, 0, 60}}},
                                 {{"gen_tiles_offset", {-1, 80, -1, 0, 0, 50}}}}),
                        pick(t, {{{"gen_shape_grid", {4, 5, 80, 0, -2, 0, 0, 1, 100}}},
                                 {{"gen_shape_grid", {2, 5, 80, 1, -2, 0, 0, 2, 50}}},
                                 {{"gen_shape_grid", {1, 5, 80, 1, -2, 0, 0, 2, 70}}},
                                 {{"gen_shape_tiles", {kOther, kOther, kOther, 60}}}}));
        case 9:
            return pick(s, {{{"gen_dots", {150, -1, 0, 0, 100}}},
                            {{"gen_boxes", {150, -1, 0, 0, 100}}},
                            {{"gen_crosses", {150, -3, 0, 0, 100}}},
                            {{"gen_strokes", {drawn(4), -1, -1, -1, 0, 0, 100}}},
                            {{"gen_tiles_offset", {drawn(5), 70, -1, 0, 0, 70}}}});
        case 10: {
            const Call grid = {"gen_shape_grid", {2, 6, 95, 0, -1, 0, 0, 0, 100}};
            const Call dots = {"gen_dots", {50, -1, 0, 0, 70}};
            return pick(s, {{grid},
                            {grid},
                            {{"gen_mesh", {drawn(4), drawn(5), -1, -1, 0, 0}}},
                            {dots, {"gen_crosses", {140, drawn(6), drawn(7), drawn(8), 70}}},
                            {{"gen_strokes", {drawn(3), -1, -1, -1, 0, 0, 80}}},
                            join({dots}, times(3, {"gen_edge_lines", {24, 5, drawn(6), drawn(7), drawn(8), 80}}))});
        }
        case 11:
            return pick(s, {join({{"gen_dots", {50, -1, 0, 0, 50}}},
                                 times(5, {"gen_edge_lines", {20, 3, kOther, kOther, kOther, 100}})),
                            {{"gen_dots", {350, drawn(4), drawn(5), drawn(6), 40}}},
                            {{"gen_strokes", {drawn(1), -1, -1, -1, 0, 0, 50}}},
                            {{"gen_mesh", {drawn(2), drawn(3), 4, drawn(4), drawn(5), drawn(6)}}},
                            {{"gen_tiles", {-1, -1, drawn(4), drawn(5), drawn(6), 50}},
                             {"gen_arcs", {60, drawn(4, 20), drawn(5, 20), drawn(6, 20), 70, 50}}}});
        case 12:
            return join(pick(s, {{{"gen_dots", {70, -1, 0, 0, 70}}},
                                 {{"gen_strokes", {drawn(1), -1, -1, -1, 0, 0, 67}}},
                                 {{"gen_mesh", {drawn(2), drawn(3), 4, -1, 0, 0}}},
                                 {{"gen_tiles_offset", {-1, 50, -1, 0, 0, 50}}}}),
                        pick(t, {{{"gen_shape_grid", {3, 7, 95, 0, -2, 0, 0, 0, 50}}},
                                 {{"gen_shape_grid", {1, 6, 90, 1, -2, 0, 0, 2, 50}}},
                                 join(times(4, {"gen_edge_lines", {20, 3, kOther, kOther, kOther, 80}}),
                                      {{"gen_arcs", {40, kOther, kOther, kOther, 80, 40}}})}));
        default: return {};
    }
}

TEST_P(KindsBranches, HandsEachLayerTheRecipesNumbers) {
    const Branch b = GetParam();
    const Painted run = forced(b.kind, b.s, b.t, static_cast<std::uint32_t>(b.kind * 100 + b.s * 10 + b.t));
    const Calls want = recipe_calls(b.kind, b.s, b.t);
    ASSERT_EQ(run.calls.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const pictures::LayerCall& got = run.calls[i];
        SCOPED_TRACE(std::to_string(i) + ": " + want[i].layer);
        EXPECT_EQ(got.layer, want[i].layer);
        ASSERT_EQ(got.args.size(), want[i].args.size());
        for (std::size_t j = 0; j < got.args.size(); ++j) {
            const Arg& a = want[i].args[j];
            double expected = a.value;
            if (a.from == Arg::From::Unchecked) continue;
            if (a.from == Arg::From::Draw) expected += run.value(a.at);
            if (a.from == Arg::From::AfterT) expected += run.value(run.t_at + a.at);
            EXPECT_EQ(got.args[j], expected) << "argument " << j;
        }
    }
}

std::string branch_name(const testing::TestParamInfo<Branch>& info) {
    const Branch& b = info.param;
    return "Kind" + std::to_string(b.kind) + "S" + std::to_string(b.s) +
           (b.t ? "T" + std::to_string(b.t) : std::string());
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindsBranches, testing::ValuesIn(all_branches()), branch_name);

// ---- the cases worth a closer look ----

class KindsEdges : public KindsTest {};

TEST_F(KindsEdges, OutsideOneToTwelveDrawsAndPaintsNothing) {
    const Painted before = forced(1, 1, 1);  // something on the picture to keep
    for (double kind : {0.0, 13.0, 255.0, -1.0}) {
        std::vector<DrawRecord> draws;
        core::set_draw_recorder(&draws);
        platform::reset_random_draw_count();
        pictures::gen_kind(kind);
        core::set_draw_recorder(nullptr);
        EXPECT_TRUE(draws.empty()) << kind;
        EXPECT_EQ(platform::random_draw_count(), 0u) << kind;
        EXPECT_EQ(form().pbox_temp->snapshot(), before.picture) << kind;
    }
}

TEST_F(KindsEdges, Kind1WithStripesAlwaysGetsTheTwoAcrossGrid) {
    // The grid size n is drawn right after the choice t; force it to 1 and to 2.
    const std::map<std::size_t, float> n_is_1 = {{1, 0.0f}}, n_is_2 = {{1, 0.9f}};
    const Painted stripes_1 = forced(1, 3, 1, 5, n_is_1);
    const Painted stripes_2 = forced(1, 3, 1, 5, n_is_2);
    EXPECT_EQ(stripes_1.draws, stripes_2.draws);
    EXPECT_EQ(stripes_1.picture, stripes_2.picture);

    // Over dots the drawn n is used: one big shape, or the same grid as over the stripes.
    auto cells = [](const Painted& r) { return count_matches(r.draws, R(0, 100)); };
    const Painted dots_1 = forced(1, 1, 1, 5, n_is_1);
    const Painted dots_2 = forced(1, 1, 1, 5, n_is_2);
    EXPECT_EQ(cells(dots_1), 1);
    EXPECT_EQ(cells(dots_2), cells(stripes_1));
    EXPECT_GT(cells(stripes_1), 4);
}

TEST_F(KindsEdges, Kind3MakesFourDrawsBeforeItsFirstLayerAndTwoBetween) {
    const KindTable table = kind_table(3);
    for (int s = 1; s <= 3; ++s) {
        const Painted run = forced(3, s, 2);
        EXPECT_NE(match_at(run.draws, 4, table.first[static_cast<std::size_t>(s - 1)][0].opens),
                  kNoMatch)
            << s;
        ASSERT_NE(run.t_at, kNoMatch);
        EXPECT_NE(match_at(run.draws, run.t_at + 2, crosses(70, 90, Base::Over).opens), kNoMatch)
            << s;
    }
}

TEST_F(KindsEdges, Kind9WithOffsetTilesDrawsOneMoreBeforeItsLayer) {
    const KindTable table = kind_table(9);
    const std::size_t n_before = table.before.size();
    for (int s = 1; s <= 5; ++s) {
        const Painted run = forced(9, s, 0);
        const Pattern& opens = table.first[static_cast<std::size_t>(s - 1)][0].opens;
        // The offset tiles' pattern starts with their size, drawn by the recipe.
        EXPECT_NE(match_at(run.draws, n_before, opens), kNoMatch) << s;
        EXPECT_EQ(run.draws.at(n_before) == range(20, 10), s == 5) << s;
    }
    // The size drawn is the tiles': 20 + 0.5 x 10 = 25 high, twice that wide.
    std::vector<float> script = sequence(9);
    script[0] = choose(5, 4);
    script[n_before] = 0.5f;
    const Painted run = paint(9, script);
    int tiles = 0;
    for (const Primitive& p : run.prims) {
        if (p.kind != Primitive::Kind::FilledBox || whole_picture(p)) continue;
        ++tiles;
        EXPECT_EQ(p.x2 - p.x1 + 1, 50);
        EXPECT_EQ(p.y2 - p.y1 + 1, 25);
    }
    EXPECT_GT(tiles, 10);
}

// The shape tiles take the complement of the last background recorded: the strokes record
// theirs, the mesh paints its own without recording it.
TEST_F(KindsEdges, Kind8ShapeTilesTakeTheComplementOfTheRecordedBackground) {
    for (int s : {1, 2}) {
        SCOPED_TRACE(s);
        // An earlier picture's background, as the record holds it when the round starts.
        fresh_.bg_r = 10;
        fresh_.bg_g = 20;
        fresh_.bg_b = 30;
        const Painted run = forced(8, s, 4);
        const pictures::PictureState& p = pictures::state();
        if (s == 1) {
            EXPECT_EQ(std::make_tuple(p.bg_r, p.bg_g, p.bg_b), std::make_tuple(10, 20, 30));
        } else {
            EXPECT_NE(std::make_tuple(p.bg_r, p.bg_g, p.bg_b), std::make_tuple(10, 20, 30));
        }
        const std::size_t at = find_from(run.draws, run.t_at + 1, S(60, 3));
        ASSERT_NE(at, kNoMatch);
        EXPECT_EQ(run.draws[at], range(255 - p.bg_r, 60));
        EXPECT_EQ(run.draws[at + 1], range(255 - p.bg_g, 60));
        EXPECT_EQ(run.draws[at + 2], range(255 - p.bg_b, 60));
    }
}

// The polylines all start at (0, 160); each one's colours show the base it was drawn around.
struct Polylines {
    int starts = 0;
    int lines = 0;
    std::set<int> pens;
    std::set<std::tuple<int, int, int>> bases;
};

Polylines polylines(const Painted& run, int spread) {
    Polylines out;
    bool after_dots = false;
    for (const Primitive& p : run.prims) {
        // The dot layer ends on pen 1; everything after it is the polylines'.
        if (p.kind == Primitive::Kind::Point && p.x1 == 0 && p.y1 == 160) after_dots = true;
        if (!after_dots) continue;
        if (p.kind == Primitive::Kind::Point) ++out.starts;
        if (p.kind == Primitive::Kind::Line) {
            ++out.lines;
            out.pens.insert(p.pen);
        }
    }
    const std::vector<DrawRecord>& d = run.draws;
    for (std::size_t i = 0; i + 2 < d.size(); ++i) {
        if (!d[i].direct && d[i].span == spread && d[i + 1].span == spread &&
            d[i + 2].span == spread) {
            out.bases.insert({d[i].lo, d[i + 1].lo, d[i + 2].lo});
            i += 2;
        }
    }
    return out;
}

TEST_F(KindsEdges, Kind10EdgeLinesGoThreeTimesAroundOneColour) {
    const Painted run = forced(10, 6, 0);
    const Polylines p = polylines(run, 80);
    EXPECT_EQ(p.starts, 3);
    EXPECT_EQ(p.lines, 3 * 24);
    EXPECT_EQ(p.pens, std::set<int>{5});
    EXPECT_EQ(p.bases.size(), 1u);
}

TEST_F(KindsEdges, Kind11EdgeLinesGoAroundFiveColours) {
    const Painted run = forced(11, 1, 0);
    const Polylines p = polylines(run, 100);
    EXPECT_EQ(p.starts, 5);
    EXPECT_EQ(p.lines, 5 * 20);
    EXPECT_EQ(p.pens, std::set<int>{3});
    EXPECT_EQ(p.bases.size(), 5u);
}

// ---- replay ----

class KindsReplay : public KindsTest, public testing::WithParamInterface<int> {};

TEST_P(KindsReplay, SameSeedSamePicture) {
    const int kind = GetParam();
    auto paint_seeded = [&](std::uint32_t seed) {
        reset_picture();
        platform::seed_random(seed);
        double k = kind;
        pictures::gen_kind(k);
        return form().pbox_temp->snapshot();
    };
    const platform::Picture first = paint_seeded(40 + kind);
    EXPECT_EQ(paint_seeded(40 + kind), first);
    EXPECT_NE(paint_seeded(41 + kind), first);
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindsReplay, testing::Range(1, 13));

}  // namespace
