// The one shared random sequence: a Mersenne twister cut to 24 bits, or a test's replacement.
#include "platform/random.h"

#include <chrono>
#include <random>
#include <utility>

namespace platform {
namespace {

struct RandomState {
    std::mt19937 engine;  // default-seeded until the game seeds it, like the old generator
    std::function<float()> source;
    std::uint64_t draws = 0;
};

RandomState& state() {
    static RandomState s;
    return s;
}

}  // namespace

float rnd() {
    RandomState& s = state();
    ++s.draws;
    if (s.source) return s.source();
    // 24 bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24, never 1.
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(s.engine() >> 8) * kScale;
}

void seed_random(std::uint32_t seed) {
    RandomState& s = state();
    s.engine.seed(seed);
    s.source = nullptr;
}

void seed_random_from_clock() {
    // Wall time alone repeats when two games start in the same tick; mixing in the
    // monotonic clock makes that unlikely enough for a game.
    const auto wall = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    const auto mono = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seq{static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32),
                      static_cast<std::uint32_t>(mono), static_cast<std::uint32_t>(mono >> 32)};
    RandomState& s = state();
    s.engine.seed(seq);
    s.source = nullptr;
}

void set_random_source(std::function<float()> source) { state().source = std::move(source); }

std::uint64_t random_draw_count() { return state().draws; }

void reset_random_draw_count() { state().draws = 0; }

ScriptedRandom::ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {
    set_random_source([this] {
        float v = 0.0f;
        if (next_ < values_.size()) {
            v = values_[next_];
        } else if (!values_.empty()) {
            v = values_.back();
        }
        ++next_;
        return v;
    });
}

ScriptedRandom::~ScriptedRandom() { set_random_source(nullptr); }

}  // namespace platform
