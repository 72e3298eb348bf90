// Benchmarks of the game's hot paths.
#include <benchmark/benchmark.h>

#include "platform/random.h"

namespace {

void BM_shared_random(benchmark::State& state) {
    platform::seed_random(1);
    for (auto _ : state) benchmark::DoNotOptimize(platform::rnd());
}
BENCHMARK(BM_shared_random);

}  // namespace

BENCHMARK_MAIN();
