// Difficulty tables of the two modes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace core {

// One Linear difficulty.
struct DiffRec {
    std::string name;
    std::uint8_t misses = 0;      // allowed misses
    std::int16_t seconds = 0;     // per round
    std::int16_t quota = 0;       // quota base
    std::string grids;            // grid sizes of the levels
    std::int16_t bonus = 0;       // bonus chance in percent
    std::int16_t penalty = 0;     // points lost on a time-out
};

std::array<DiffRec, 5>& diff_table();

}  // namespace core
