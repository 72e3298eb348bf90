// The old 16-colour palette and the conversions between game colours and Qt's.
#include "platform/colour.h"

#include <array>

namespace platform {

Colour qb_colour(int index) {
    static constexpr std::array<Colour, 16> kPalette = {
        rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),     rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128),   rgb(128, 128, 0),   rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),     rgb(0, 255, 0),     rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(255, 255, 255),
    };
    // No colour outside the palette: black is the least surprising stand-in.
    if (index < 0 || index >= static_cast<int>(kPalette.size())) return kBlack;
    return kPalette[static_cast<std::size_t>(index)];
}

std::uint32_t to_qrgb(Colour c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(red_of(c)) << 16) |
           (static_cast<std::uint32_t>(green_of(c)) << 8) | static_cast<std::uint32_t>(blue_of(c));
}

Colour from_qrgb(std::uint32_t argb) {
    return rgb(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
               static_cast<int>(argb & 0xFF));
}

}  // namespace platform
