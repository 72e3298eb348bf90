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

    // The shared colour list (entries 1..grad_count; entry 0 stays black) and where the last
    // ramp ended.
    std::array<std::int32_t, 151> grad_colors{};
    std::int16_t grad_count = 0;
    std::int16_t grad_last_r = 0;
    std::int16_t grad_last_g = 0;
    std::int16_t grad_last_b = 0;
    // The last background colour painted under a picture.
    std::int16_t bg_r = 0;
    std::int16_t bg_g = 0;
    std::int16_t bg_b = 0;
};

PictureState& picture_state();

}  // namespace pictures
