// Small routines every part of the game calls: random ranges, number and colour texts, documents.
#include "core/utility.h"

#include <cstdio>

#include "core/board.h"
#include "core/rounding.h"
#include "platform/picture_box.h"
#include "platform/random.h"
#include "platform/services.h"

namespace core {

namespace {

std::vector<DrawRecord>* draw_recorder = nullptr;

}  // namespace

void set_draw_recorder(std::vector<DrawRecord>* recorder) { draw_recorder = recorder; }

float rnd_direct() {
    if (draw_recorder) draw_recorder->push_back({true, 0, 0});
    return platform::rnd();
}

int rnd_range(int lo, int span) {
    if (draw_recorder) draw_recorder->push_back({false, lo, span});
    const float r = platform::rnd();
    // The product is formed in single precision, as the tables of chances were tuned with it.
    const float product = static_cast<float>(span) * r;
    return lo + cint(product);
}

std::string format_thousands(std::int32_t value, const std::string& sep) {
    const bool negative = value < 0;
    // Through 64 bits so that the most negative value has a positive counterpart.
    const long long magnitude = negative ? -static_cast<long long>(value) : value;
    const std::string digits = std::to_string(magnitude);
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[i];
        const std::size_t remaining = n - 1 - i;
        if (remaining > 0 && remaining % 3 == 0) out += sep;
    }
    return negative ? "-" + out : out;
}

std::string colour_hex(platform::Colour colour) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(colour));
    return buf;
}

namespace {

std::int16_t hex_pair(const std::string& hex, std::size_t first) {
    if (first >= hex.size()) return 0;
    const std::string pair = hex.substr(first, 2);
    int value = 0;
    for (char ch : pair) {
        int d;
        if (ch >= '0' && ch <= '9') d = ch - '0';
        else if (ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
        else return static_cast<std::int16_t>(value);  // reads the digits before the first non-digit
        value = value * 16 + d;
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::int16_t colour_red(const std::string& hex) {
    return hex.size() < 2 ? hex_pair(hex, 0) : hex_pair(hex, hex.size() - 2);
}
std::int16_t colour_green(const std::string& hex) { return hex_pair(hex, 2); }
std::int16_t colour_blue(const std::string& hex) { return hex_pair(hex, 0); }

void blit_to_mainform_picture(const platform::Canvas& src, int x, int y, int w, int h) {
    platform::PictureBox* temp = board().pbox_temp;
    if (!temp) return;
    temp->set_width(w + 4);
    temp->set_height(h + 4);
    temp->blit(0, 0, w, h, src, x, y, platform::RasterOp::Copy);
}

}  // namespace core
