// Benchmarks of the twelve picture kinds: per-picture times over many seeds, layers forced.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/utility.h"
#include "pictures/kinds.h"
#include "pictures/picture_state.h"
#include "pictures/shapes.h"
#include "platform/random.h"
#include "platform/services.h"

namespace {

constexpr int kSeeds = 250;

// Where a kind draws its layer choices: s as draw number s_at, rnd_range(1, s_span); t as
// the first rnd_range(1, t_span) after the draws before the first layer (t_span 0: no t).
struct Choices {
    int kind;
    std::size_t s_at;
    int s_span;
    std::size_t before;
    int t_span;
};

constexpr Choices kChoices[] = {
    {1, 0, 2, 4, 1}, {2, 0, 2, 6, 2},   {3, 0, 2, 4, 1},  {4, 0, 2, 4, 3},
    {5, 0, 3, 4, 3}, {6, 0, 3, 6, 3},   {7, 0, 2, 6, 3},  {8, 0, 2, 6, 3},
    {9, 0, 4, 5, 0}, {10, 9, 5, 10, 0}, {11, 7, 4, 8, 0}, {12, 4, 3, 5, 2},
};

bool shapes_loaded() {
    static bool loaded = [] {
        platform::set_data_folder(QCoreApplication::applicationDirPath().toStdString());
        pictures::load_shapes();
        platform::set_data_folder("");
        return pictures::picture_state().shape_count > 0;
    }();
    return loaded;
}

// Values made as the built-in generator makes them, from a seed per picture, except the two
// layer choices.
class ForcedSource {
public:
    ForcedSource(const Choices& c, int s, int t) : c_(c), s_(s), t_(t) {
        core::set_draw_recorder(&draws_);
        platform::set_random_source([this] { return next(); });
    }
    ~ForcedSource() {
        platform::set_random_source(nullptr);
        core::set_draw_recorder(nullptr);
    }
    ForcedSource(const ForcedSource&) = delete;
    ForcedSource& operator=(const ForcedSource&) = delete;

    void start(std::uint32_t seed) {
        engine_.seed(seed);
        draws_.clear();
        t_done_ = c_.t_span == 0;
    }

    // Both choices fell where they were expected: the picture took the branch asked for.
    bool forced_both() const {
        const core::DrawRecord s_draw{false, 1, c_.s_span};
        return draws_.size() > c_.s_at && draws_[c_.s_at] == s_draw && t_done_;
    }

private:
    float next() {
        const float v = static_cast<float>(engine_() >> 8) / 16777216.0f;
        // The draw being made was recorded just before its value is asked for.
        const std::size_t i = draws_.size() - 1;
        const core::DrawRecord& d = draws_.back();
        if (i == c_.s_at) return static_cast<float>(s_ - 1) / static_cast<float>(c_.s_span);
        if (!t_done_ && i >= c_.before && !d.direct && d.lo == 1 && d.span == c_.t_span) {
            t_done_ = true;
            return static_cast<float>(t_ - 1) / static_cast<float>(c_.t_span);
        }
        return v;
    }

    Choices c_;
    int s_, t_;
    std::mt19937 engine_;
    std::vector<core::DrawRecord> draws_;
    bool t_done_ = true;
};

// One iteration paints kSeeds pictures and keeps each one's time.
void BM_kind(benchmark::State& state) {
    bench::ensure_game_window();
    if (!shapes_loaded()) {
        state.SkipWithError("shapes.txt not found beside the benchmark");
        return;
    }
    const Choices& c = kChoices[state.range(0) - 1];
    const int s = static_cast<int>(state.range(1));
    const int t = static_cast<int>(state.range(2));
    ForcedSource source(c, s, t);
    std::vector<double> ms;
    for (auto _ : state) {
        for (int seed = 1; seed <= kSeeds; ++seed) {
            source.start(static_cast<std::uint32_t>(seed));
            double kind = c.kind;
            const auto start = std::chrono::steady_clock::now();
            pictures::gen_kind(kind);
            const auto end = std::chrono::steady_clock::now();
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            if (!source.forced_both()) {
                state.SkipWithError("the layer choices were not where this benchmark expects");
                return;
            }
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["max_ms"] = ms.back();
}

// The heaviest branch of each kind {kind, s, t}, measured by timing every branch over the
// same seeds: gradient stripes, meshes, ten arc layers and edge-line tangles cost the most.
void heaviest_branches(benchmark::internal::Benchmark* b) {
    const std::int64_t heaviest[][3] = {{1, 3, 1}, {2, 2, 1},  {3, 3, 1},  {4, 3, 1},
                                        {5, 2, 2}, {6, 1, 2},  {7, 1, 1},  {8, 1, 1},
                                        {9, 3, 0}, {10, 6, 0}, {11, 5, 0}, {12, 3, 3}};
    for (const auto& h : heaviest) b->Args({h[0], h[1], h[2]});
}
BENCHMARK(BM_kind)
    ->Apply(heaviest_branches)
    ->ArgNames({"kind", "s", "t"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
