// Benchmarks of the arc, triangle, box, frame and cross layers on the work picture, default arguments.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "pictures/layers_arcs.h"
#include "pictures/layers_boxes.h"
#include "platform/random.h"

namespace {

// Each iteration starts from the same seed, so every run times the same pictures.
template <typename Layer>
void time_layer(benchmark::State& state, Layer layer) {
    bench::ensure_game_window();
    for (auto _ : state) {
        platform::seed_random(2024);
        layer();
    }
}

void BM_gen_arcs(benchmark::State& state) {
    time_layer(state, [] {
        double count = -1, r = -1, g = 0, b = 0, spread = -1, size = -1;
        pictures::gen_arcs(count, r, g, b, spread, size);
    });
}
BENCHMARK(BM_gen_arcs)->Unit(benchmark::kMillisecond);

void BM_gen_scribbles(benchmark::State& state) {
    time_layer(state, [] {
        double count = -1, r = -1, g = 0, b = 0, spread = -1;
        pictures::gen_scribbles(count, r, g, b, spread);
    });
}
BENCHMARK(BM_gen_scribbles)->Unit(benchmark::kMillisecond);

void BM_gen_boxes(benchmark::State& state) {
    time_layer(state, [] {
        double count = -1, r = -1, g = 0, b = 0, spread = -1;
        pictures::gen_boxes(count, r, g, b, spread);
    });
}
BENCHMARK(BM_gen_boxes)->Unit(benchmark::kMillisecond);

void BM_gen_frames(benchmark::State& state) {
    time_layer(state, [] {
        double count = -1, r = -3, g = 0, b = 0, spread = -1;
        pictures::gen_frames(count, r, g, b, spread);
    });
}
BENCHMARK(BM_gen_frames)->Unit(benchmark::kMillisecond);

void BM_gen_crosses(benchmark::State& state) {
    time_layer(state, [] {
        double count = -1, r = -3, g = 0, b = 0, spread = -1;
        pictures::gen_crosses(count, r, g, b, spread);
    });
}
BENCHMARK(BM_gen_crosses)->Unit(benchmark::kMillisecond);

}  // namespace
