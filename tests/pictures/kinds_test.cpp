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
//
// A branch is checked in two ways: its draws, where each layer is found by the draws it opens
// with, and the layer call log, which holds the numbers the recipe hands each layer. What a
// layer does with those numbers is the layer tests' business. Only colours a recipe draws anew
// for each pass of a layer, which the log cannot place, are checked on the draws here.
using Check = std::function<void(const Painted&, std::size_t from, std::size_t to)>;
struct Layer {
    std::string name;
    Pattern opens;
    Check check;
};
using Option = std::vector<Layer>;  // the layers one branch runs, in order

// Where a base colour was drawn, found from where the layer starts.
using DrawAt = std::function<std::size_t(const Painted&, std::size_t from)>;
DrawAt drawn_at(std::size_t i) {
    return [i](const Painted&, std::size_t) { return i; };
}

// A base colour drawn at red_at (three draws), plus add, shows as the low ends of the layer's
// first spread draws at from + first.
Check base_is(std::size_t first, DrawAt red_at, int add = 0) {
    return [=](const Painted& p, std::size_t from, std::size_t) {
        const std::size_t red = red_at(p, from);
        ASSERT_NE(red, kNoMatch);
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(p.draws.at(from + first + c).lo, p.value(red + c) + add) << "channel " << c;
        }
    };
}

const Pattern kCross = R(6, 34);
const Pattern kFrame = R(3, 10);
const Pattern kEdgeLine = R(0, 550);

Layer dots(int spread) { return {"dots", seq({R(30, 225 - spread, 3), S(spread, 3), D(3)}), {}}; }
Layer dots_in_colour(int spread) { return {"dots in colour", seq({S(spread, 3), D(3)}), {}}; }
Layer mesh() { return {"mesh", seq({R(30, 200, 3), S(25, 3), R(1, 1), D(2)}), {}}; }
Layer mesh_in_colour() { return {"mesh in colour", seq({S(25, 3), R(1, 1), D(2)}), {}}; }
Layer strokes(int spread) {
    return {"strokes", seq({R(6, 10), R(0, 1), R(30, 200, 3), R(2, 3), S(spread, 3)}), {}};
}
Layer tiles(int spread) { return {"tiles", seq({R(0, 255 - spread, 3), S(spread, 3)}), {}}; }
Layer tiles_any_size(int spread) { return {"tiles any size", seq({R(10, 20, 2), S(spread, 3)}), {}}; }
Layer gradient_boxes() { return {"gradient boxes", seq({R(0, 255, 3), S(25, 3), D(), S(40)}), {}}; }
Layer gradient_stripes() {
    return {"gradient stripes", seq({D(2), R(0, 255, 6), D(), S(40), S(20, 3)}), {}};
}
Layer frames(int spread) {
    return {"frames", seq({R(0, 255 - spread, 3), S(spread, 3), D(2), R(40, 80, 2), kFrame}), {}};
}
Layer crosses(int spread) {
    return {"crosses", seq({R(0, 255 - spread, 3), S(spread, 3), D(2), kCross}), {}};
}
Layer crosses_in_colour(int spread) { return {"crosses in colour", seq({S(spread, 3), D(2), kCross}), {}}; }
Layer boxes(int spread) {
    return {"boxes", seq({R(30, 225 - spread, 3), S(spread, 3), D(2), R(20, 40, 2)}), {}};
}
Layer scribbles(int spread) { return {"scribbles", seq({R(0, 255, 3), D(), S(spread, 3), D(2)}), {}}; }
Layer repeat_arcs(int spread) {
    return {"repeat arcs", seq({R(0, 255, 3), D(2), S(spread, 3), D()}), {}};
}
Layer arcs_in_colour(int spread, Check check = {}) {
    return {"arcs in colour", seq({D(2), S(spread, 3), D()}), check};
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
Layer edge_lines(int spread) { return {"edge lines", seq({S(spread, 3), kEdgeLine, S(spread, 3)}), {}}; }
// Polylines each drawn around a base colour drawn anew in [lo, lo + span].
Layer edge_lines_recoloured(int lo, int span, int spread) {
    const Pattern each = seq({R(lo, span, 3), S(spread, 3), kEdgeLine});
    return {"recoloured edge lines", each, [=](const Painted& p, std::size_t from, std::size_t to) {
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

// kinds picks, then cells until the first that shows a shape (a chance below 100 may skip
// some), then that cell's colour, shape and turn.
Pattern grid_opening(int kinds, Colours mode, int spread, bool turn) {
    Pattern colour;
    if (mode == Colours::EachRandom) colour = R(45, 210, 3);
    if (mode == Colours::BasePlusSpread) colour = S(spread, 3);
    return seq({R(1, g_shapes - 1, kinds), some(0, 100), colour, R(1, kinds - 1),
                turn ? R(0, 1) : Pattern{}});
}
Layer grid(int kinds, Colours mode, int spread, bool turn) {
    return {"shape grid", seq({R(40, 215, 3), grid_opening(kinds, mode, spread, turn)}), {}};
}
Layer grid_on_new_background(int kinds, Colours mode, int spread, bool turn) {
    return {"shape grid on a new background",
            seq({R(20, 225, 3), R(40, 215, 3), grid_opening(kinds, mode, spread, turn)}), {}};
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

// Every kind's draws before and between its layers and the layers each choice runs.
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
                    {{dots(80)}, {tiles(80)}, {gradient_stripes()}},
                    {range(1, 1), range(1, 1)},
                    1,
                    {{grid(5, E, 130, true)},
                     {grid(2, E, 80, false)}}};
        case 2:
            return {
                {range(1, 2), range(20, 10), range(15, 8), range(10, 6), range(10, 6), range(4, 4)},
                2,
                {{dots(60)}, {tiles(60)}, {gradient_boxes()}},
                {range(1, 2), range(2, 1)},
                2,
                {{repeat_arcs(80)},
                 {grid(3, E, 90, true)},
                 {grid(1, E, 80, false)}}};
        case 3:
            return {
                {range(1, 2), range(30, 20), range(20, 20), range(4, 4)},
                2,
                {{dots(90)}, {frames(90)}, {crosses(90)}},
                {range(1, 1), range(2, 1)},
                1,
                {{repeat_arcs(80)}, {crosses(90)}}};
        case 4:
            return {
                {range(1, 2), range(15, 10), range(12, 10), range(4, 4)},
                2,
                {{dots(80)}, {frames(80)}, {crosses(80)}},
                {range(1, 3), range(2, 1)},
                3,
                {{scribbles(100)},
                 {grid(1, C, 50, true)},
                 {crosses(90)},
                 {grid(4, B, 50, false)}}};
        case 5:
            return {{range(1, 3), range(18, 5), range(15, 5), range(4, 4)},
                    3,
                    {{dots(70)},
                     {strokes(70)},
                     {crosses(70)},
                     {tiles_offset(70)}},
                    {range(1, 3), range(3, 1)},
                    3,
                    {{grid(1, B, 40, true)},
                     {grid(6, B, 50, false)},
                     {crosses(90)},
                     {frames(90)}}};
        case 6: {
            std::vector<DrawRecord> before = before_mesh_kinds;
            before[0] = range(1, 3);
            return {
                before,
                3,
                {{mesh()}, {strokes(70)}, {crosses(70)}, {tiles_offset(40)}},
                {range(1, 3)},
                3,
                {{grid(2, B, 60, true)},
                 {grid(8, B, 60, false)},
                 {crosses(90)},
                 {frames(90)}}};
        }
        case 7:
            return {before_mesh_kinds,
                    2,
                    {{mesh()}, {strokes(70)}, {tiles_offset(40)}},
                    {range(1, 3)},
                    3,
                    {{grid(2, B, 60, false)},
                     {grid(1, B, 40, true)},
                     {crosses(90)},
                     {frames(90)}}};
        case 8:
            return {before_mesh_kinds,
                    2,
                    {{mesh()}, {strokes(60)}, {tiles_offset(50)}},
                    {range(1, 3)},
                    3,
                    {{grid(4, E, 100, false)},
                     {grid(2, B, 50, true)},
                     {grid(1, B, 70, true)},
                     {shape_tiles(60)}}};
        case 9:
            return {{range(1, 4), range(18, 5), range(15, 5), range(4, 4), range(10, 10)},
                    4,
                    {{dots(100)},
                     {boxes(100)},
                     {crosses(100)},
                     {strokes(100)},
                     {tiles_offset_sized(70)}},
                    {},
                    0,
                    {}};
        case 10: {
            const Option grid_option = {grid_on_new_background(2, C, 100, false)};
            return {{range(18, 5), range(15, 5), range(4, 4), range(10, 7), range(10, 4),
                     range(8, 4), range(40, 200), range(40, 200), range(40, 200), range(1, 5)},
                    5,
                    {grid_option,
                     grid_option,
                     {mesh()},
                     {dots(70), crosses_in_colour(70)},
                     {strokes(80)},
                     {dots(70), edge_lines(80)}},
                    {},
                    0,
                    {}};
        }
        case 11:
            return {{range(4, 4), range(6, 7), range(16, 5), range(12, 5), range(40, 200),
                     range(40, 200), range(40, 200), range(1, 4)},
                    4,
                    {{dots(50), edge_lines_recoloured(40, 200, 100)},
                     {dots_in_colour(40)},
                     {strokes(50)},
                     {mesh_in_colour()},
                     {tiles_any_size(50), arcs_in_colour(70)}},
                    {},
                    0,
                    {}};
        case 12:
            return {{range(4, 4), range(6, 7), range(16, 5), range(12, 5), range(1, 3)},
                    3,
                    {{dots(70)}, {strokes(67)}, {mesh()}, {tiles_offset(50)}},
                    {range(1, 2)},
                    2,
                    {{grid(3, C, 50, false)},
                     {grid(1, B, 50, true)},
                     {edge_lines_recoloured(80, 150, 80),
                      arcs_in_colour(80, base_is(2, last_colour(80, 150)))}}};
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
        ASSERT_GE(pictures::picture_state().shape_count, 3) << "shapes.txt missing beside the tests";
        g_shapes = pictures::picture_state().shape_count;
        fresh_ = pictures::picture_state();
    }
    void TearDown() override {
        core::set_draw_recorder(nullptr);
        surface().set_recorder(nullptr);
        GameTest::TearDown();
    }
    platform::Surface& surface() { return form().pbox_temp->draw(); }

    // The picture, the pen and the colour records as a new game leaves them.
    void reset_picture() {
        pictures::picture_state() = fresh_;
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
        const pictures::PictureState& p = pictures::picture_state();
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
