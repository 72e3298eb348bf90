// Small routines every part of the game calls: random ranges, number and colour texts, documents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/colour.h"

namespace platform {
class Canvas;
}

namespace core {

// lo + round(span x r) for one fresh draw r in [0, 1): lo to lo + span, both ends half as likely.
int rnd_range(int lo, int span);
// One direct draw of the shared sequence, for the formulas that take r itself.
float rnd_direct();

// Tests record which draws a routine makes, in order: a range (lo, span) or a direct draw.
struct DrawRecord {
    bool direct = false;
    int lo = 0;
    int span = 0;
    bool operator==(const DrawRecord&) const = default;
};
void set_draw_recorder(std::vector<DrawRecord>* recorder);

// Decimal text with sep between groups of three digits from the right, "-" in front if negative.
std::string format_thousands(std::int32_t value, const std::string& sep);

// Six (or, for values outside 24 bits, more) upper-case hex digits: blue, green, red.
std::string colour_hex(platform::Colour colour);
// Channels read back from that text: red is the last two digits, green the 3rd and 4th,
// blue the first two. Text that is not hexadecimal reads as 0.
std::int16_t colour_red(const std::string& hex);
std::int16_t colour_green(const std::string& hex);
std::int16_t colour_blue(const std::string& hex);

// Copies a w x h rectangle of src at (x, y) into the top-left of the work picture, which is
// first sized w + 4 by h + 4.
void blit_to_mainform_picture(const platform::Canvas& src, int x, int y, int w, int h);

}  // namespace core
