// Colour values as the game stores them: 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace platform {

using Colour = std::int32_t;

// Channels are saturated into 0..255 first: the picture layers routinely ask for
// channels above 255 or below 0 and expect the nearest legal value.
constexpr Colour rgb(int r, int g, int b) {
    auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return static_cast<Colour>(clamp(r) | (clamp(g) << 8) | (clamp(b) << 16));
}
constexpr int red_of(Colour c) { return c & 0xFF; }
constexpr int green_of(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blue_of(Colour c) { return (c >> 16) & 0xFF; }

// The old 16-colour palette, 0 black to 15 white; an index outside 0..15 gives black.
Colour qb_colour(int index);

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kYellow = rgb(255, 255, 0);

// Conversions to and from Qt's 0xAARRGGBB; only the platform layer uses them.
std::uint32_t to_qrgb(Colour c);
Colour from_qrgb(std::uint32_t argb);

}  // namespace platform
