// Benchmarks of the edge-line, offset-tile, brick, shape, dot-picture and repeated-arc layers.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/board.h"
#include "pictures/layers_edges_bricks.h"
#include "pictures/layers_shapes_dots.h"
#include "pictures/picture_state.h"
#include "pictures/shapes.h"
#include "platform/picture_box.h"
#include "platform/random.h"

namespace {

// The window, the game's shape library and a fixed seed, so every run times the same pictures.
void prepare() {
    bench::ensure_game_window();
    if (pictures::picture_state().shape_count == 0) pictures::load_shapes();
    platform::seed_random(2024);
}

void touch_picture(benchmark::State&) {
    benchmark::DoNotOptimize(core::board().pbox_temp->pixel(210, 160));
}

void BM_gen_edge_lines(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        double count = 0, width = -1, r = -1, g = 0, b = 0, spread = 80;
        pictures::gen_edge_lines(count, width, r, g, b, spread);
    }
    touch_picture(state);
}
BENCHMARK(BM_gen_edge_lines)->Unit(benchmark::kMillisecond);

void BM_gen_tiles_offset(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        double size = -1, density = 80, r = -1, g = 0, b = 0, spread = 70;
        pictures::gen_tiles_offset(size, density, r, g, b, spread);
    }
    touch_picture(state);
}
BENCHMARK(BM_gen_tiles_offset)->Unit(benchmark::kMillisecond);

void BM_gen_bricks(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        double density = 50, size = -1, r = -1, g = 0, b = 0;
        pictures::gen_bricks(density, size, r, g, b);
    }
    touch_picture(state);
}
BENCHMARK(BM_gen_bricks)->Unit(benchmark::kMillisecond);

// A full 6-across grid of two shapes over a new random background.
void BM_gen_shape_grid(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        double kinds = 2, div = 6, percent = 95, turn = 0, r = -1, g = 0, b = 0, mode = 0,
               spread = 100;
        pictures::gen_shape_grid(kinds, div, percent, turn, r, g, b, mode, spread);
    }
    touch_picture(state);
}
BENCHMARK(BM_gen_shape_grid)->Unit(benchmark::kMillisecond);

void BM_gen_shape_tiles(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        double r = 100, g = 100, b = 100, spread = 60;
        pictures::gen_shape_tiles(r, g, b, spread);
    }
    touch_picture(state);
}
BENCHMARK(BM_gen_shape_tiles)->Unit(benchmark::kMillisecond);

void BM_gen_dot_picture(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        double r = -1, g = 0, b = 0, spread = 60;
        pictures::gen_dot_picture(r, g, b, spread);
    }
    touch_picture(state);
}
BENCHMARK(BM_gen_dot_picture)->Unit(benchmark::kMillisecond);

void BM_repeat_arcs(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        double n = 10, count = 7, spread = 80, size = 70;
        pictures::repeat_arcs(n, count, spread, size);
    }
    touch_picture(state);
}
BENCHMARK(BM_repeat_arcs)->Unit(benchmark::kMillisecond);

}  // namespace
