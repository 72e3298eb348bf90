// The shared state of the picture generators: the shape library.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pictures {

struct PictureState {
    // Shapes 1..shape_count; their points live in slots 12..1000 of the point tables.
    std::int16_t shape_count = 0;
    std::array<std::int16_t, 101> shape_start{};
    std::array<std::int16_t, 101> shape_npts{};
    std::array<std::string, 101> shape_name;
    std::array<std::int16_t, 1001> shape_pt_x{};
    std::array<std::int16_t, 1001> shape_pt_y{};
    std::array<bool, 1001> shape_pt_pen{};
};

PictureState& state();

}  // namespace pictures
