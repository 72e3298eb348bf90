// Benchmarks of the drawing surface: the cost of one generated picture's worth of primitives.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "platform/surface.h"

namespace {

struct Shot {
    double x1, y1, x2, y2;
    platform::Colour colour;
    int pen;
};

std::vector<Shot> random_shots(int count, int min_pen, int max_pen, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> x(0, 419), y(0, 319);
    std::uniform_int_distribution<int> pen(min_pen, max_pen), channel(0, 255);
    std::vector<Shot> shots;
    for (int i = 0; i < count; ++i) {
        Shot s{x(gen), y(gen), x(gen), y(gen), 0, pen(gen)};
        s.colour = platform::rgb(channel(gen), channel(gen), channel(gen));
        shots.push_back(s);
    }
    return shots;
}

// A typical layer: 2000 dots of widths 1 to 5 and 500 lines of widths 2 to 8 on a full-size picture.
void BM_surface_dots_and_wide_lines(benchmark::State& state) {
    const auto dots = random_shots(2000, 1, 5, 1);
    const auto lines = random_shots(500, 2, 8, 2);
    platform::Surface surface(420, 320, platform::kBlack);
    for (auto _ : state) {
        for (const Shot& s : dots) {
            surface.set_pen_width(s.pen);
            surface.point(s.x1, s.y1, s.colour);
        }
        for (const Shot& s : lines) {
            surface.set_pen_width(s.pen);
            surface.line(s.x1, s.y1, s.x2, s.y2, s.colour);
        }
        benchmark::DoNotOptimize(surface.pixel(0, 0));
    }
}
BENCHMARK(BM_surface_dots_and_wide_lines)->Unit(benchmark::kMillisecond);

// 300 circles and arcs of widths 1 to 4.
void BM_surface_arcs(benchmark::State& state) {
    const auto arcs = random_shots(300, 1, 4, 3);
    platform::Surface surface(420, 320, platform::kBlack);
    for (auto _ : state) {
        for (const Shot& s : arcs) {
            surface.set_pen_width(s.pen);
            surface.arc(s.x1, s.y1, s.x2 / 4, s.colour, s.y2 / 50, s.x2 / 60, 0.5 + s.y2 / 320);
        }
        benchmark::DoNotOptimize(surface.pixel(0, 0));
    }
}
BENCHMARK(BM_surface_arcs)->Unit(benchmark::kMillisecond);

}  // namespace
