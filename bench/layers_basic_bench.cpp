// Benchmarks of the dot, mesh, stroke, tile and gradient layers on the work picture.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "pictures/layers_dots_mesh.h"
#include "pictures/layers_gradients.h"
#include "pictures/layers_strokes_tiles.h"
#include "platform/random.h"

namespace {

// Each call gets fresh variables, as a recipe's literals would: the layers write back into them.

void BM_gen_dots(benchmark::State& state) {
    bench::ensure_game_window();
    platform::seed_random(1);
    for (auto _ : state) {
        double count = -1, r = -1, g = 0, b = 0, spread = -1;
        pictures::gen_dots(count, r, g, b, spread);
    }
}
BENCHMARK(BM_gen_dots)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_gen_mesh(benchmark::State& state) {
    bench::ensure_game_window();
    platform::seed_random(2);
    for (auto _ : state) {
        double nx = -1, ny = -1, width = -1, r = -1, g = 0, b = 0;
        pictures::gen_mesh(nx, ny, width, r, g, b);
    }
}
BENCHMARK(BM_gen_mesh)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_gen_strokes(benchmark::State& state) {
    bench::ensure_game_window();
    platform::seed_random(3);
    for (auto _ : state) {
        double step = -1, w = -1, dir = -1, r = -1, g = 0, b = 0, spread = 70;
        pictures::gen_strokes(step, w, dir, r, g, b, spread);
    }
}
BENCHMARK(BM_gen_strokes)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_gen_tiles(benchmark::State& state) {
    bench::ensure_game_window();
    platform::seed_random(4);
    for (auto _ : state) {
        double w = -1, h = -1, r = -1, g = 0, b = 0, spread = 80;
        pictures::gen_tiles(w, h, r, g, b, spread);
    }
}
BENCHMARK(BM_gen_tiles)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_gen_gradient_boxes(benchmark::State& state) {
    bench::ensure_game_window();
    platform::seed_random(5);
    for (auto _ : state) {
        double nx = -1, ny = -1, r1 = -1, g1 = 0, b1 = 0, r2 = -2, g2 = 0, b2 = 0;
        pictures::gen_gradient_boxes(nx, ny, r1, g1, b1, r2, g2, b2);
    }
}
BENCHMARK(BM_gen_gradient_boxes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_gen_gradient_stripes(benchmark::State& state) {
    bench::ensure_game_window();
    platform::seed_random(6);
    for (auto _ : state) {
        double w = -1, dir = -1, r1 = -1, g1 = 0, b1 = 0, r2 = -1, g2 = 0, b2 = 0;
        pictures::gen_gradient_stripes(w, dir, r1, g1, b1, r2, g2, b2);
    }
}
BENCHMARK(BM_gen_gradient_stripes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
