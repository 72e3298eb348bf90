// The keyless, reversible scrambling of every value the game saves.
#include "core/scramble.h"

#include <cmath>
#include <cstdlib>

#include "core/rounding.h"
#include "platform/random.h"

namespace core {

namespace {

constexpr int kFirst = 32;
constexpr int kLast = 126;
constexpr int kRing = kLast - kFirst + 1;

char shift_code(int c, int d) {
    if (c < kFirst || c > kLast) c = kFirst;
    // A garbled header can ask for any width, so wrap as often as needed; for the widths the
    // game writes (shifts within -15..15) this is the single wrap of the plain rule.
    const int v = kFirst + (((c - kFirst + d) % kRing) + kRing) % kRing;
    return static_cast<char>(v);
}

}  // namespace

char shift_char(const std::string& ch, int d) {
    const int c = ch.empty() ? kFirst : static_cast<unsigned char>(ch[0]);
    return shift_code(c, d);
}

std::string scramble_value(const std::string& s) {
    const float r = platform::rnd();
    const int m = 3 + cint(12.0 * r);
    std::string out(1, static_cast<char>(64 + m));
    int d = -(m + 1);
    for (unsigned char ch : s) {
        d += 1;
        if (d > m) d = -m;
        out += shift_code(ch, d);
    }
    return out;
}

std::string unscramble_value(std::string& s) {
    if (s.empty()) s = "K";
    const int m = static_cast<unsigned char>(s[0]) - 64;
    std::string out;
    int d = m + 1;
    for (std::size_t i = 1; i < s.size(); ++i) {
        d -= 1;
        // With a garbled header m may be 0 or negative; the cycle then restarts at m each step.
        if (d < -m) d = m;
        out += shift_code(static_cast<unsigned char>(s[i]), d);
    }
    return out;
}

std::string number_text(long long v) { return v < 0 ? std::to_string(v) : " " + std::to_string(v); }

std::string scramble_number(double v) {
    // Whole numbers are all the game saves; write them without a fraction.
    if (v == std::floor(v) && std::fabs(v) < 1e18) return scramble_value(number_text(static_cast<long long>(v)));
    std::string t = std::to_string(v);
    return scramble_value(v < 0 ? t : " " + t);
}

double unscramble_number(std::string& s) {
    const std::string t = unscramble_value(s);
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    // Sign, digits and one decimal point, as far as they go.
    std::size_t j = i;
    if (j < t.size() && (t[j] == '-' || t[j] == '+')) ++j;
    bool digits = false, point = false;
    while (j < t.size()) {
        if (t[j] >= '0' && t[j] <= '9') {
            digits = true;
        } else if (t[j] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++j;
    }
    if (!digits) return 0;
    return std::strtod(t.substr(i, j - i).c_str(), nullptr);
}

}  // namespace core
