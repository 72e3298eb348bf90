// The record types of the game's tables: difficulties and Hall of Fame entries.
#pragma once

#include <cstdint>
#include <string>

namespace core {

// One Linear difficulty.
struct DiffRec {
    std::string name;
    std::uint8_t max_misses = 0;
    std::uint8_t secs = 0;          // seconds per round
    std::int16_t quota_base = 0;    // a level's quota is 5 x level + quota_base
    std::string board_sizes;        // level L: columns and rows at characters 3(L-1)+2 and +3
    std::uint8_t bonus_chance = 0;  // percent
    std::uint8_t penalty = 0;       // points lost on a time-out
};

// One Story difficulty.
struct StoryDiffRec {
    std::uint8_t max_misses = 0;
    std::uint8_t secs = 0;
    std::uint8_t cols = 0;
    std::uint8_t rows = 0;
    std::uint8_t targets = 0;
    std::int16_t dice_ms = 0;
    std::string name;
};

// One Hall of Fame entry.
struct HofRec {
    std::string name;
    std::int32_t score = 0;
    std::string mode;
};

}  // namespace core
