// The one shared random sequence of the game: single-precision values in [0, 1).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

// Next value of the shared sequence. Built from 24 random bits, so it never returns 1.
float rnd();

// Seeds the built-in generator (and drops any replacement source).
void seed_random(std::uint32_t seed);
void seed_random_from_clock();

// Replaces the sequence, for tests; an empty function restores the built-in generator.
void set_random_source(std::function<float()> source);

// How many values have been drawn since the last reset; tests check draw counts with it.
std::uint64_t random_draw_count();
void reset_random_draw_count();

// A scripted sequence for tests: hands out the given values in order, then repeats the
// last one (or 0 when empty), and remembers how many were taken.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<float> values);
    ~ScriptedRandom();  // restores the built-in generator
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    void push(float v) { values_.push_back(v); }
    std::size_t taken() const { return next_; }

private:
    std::vector<float> values_;
    std::size_t next_ = 0;
};

}  // namespace platform
