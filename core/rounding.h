// The one way a fractional value becomes a whole number: nearest, ties to even, saturated.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace core {

// Rounds half to even into T, clamping to T's range instead of overflowing; NaN gives 0.
template <typename T>
T round_to(double v) {
    static_assert(std::is_integral_v<T>);
    if (std::isnan(v)) return 0;
    double r = std::nearbyint(v);  // the default rounding mode rounds ties to even
    if (std::fabs(v - std::trunc(v)) == 0.5) {
        // nearbyint honours the current mode; spell ties out so no mode change can alter them
        double lo = std::floor(v);
        r = (std::fmod(lo, 2.0) == 0.0) ? lo : lo + 1.0;
    }
    constexpr double kMin = static_cast<double>(std::numeric_limits<T>::min());
    constexpr double kMax = static_cast<double>(std::numeric_limits<T>::max());
    if (r <= kMin) return std::numeric_limits<T>::min();
    if (r >= kMax) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

inline std::int16_t cint(double v) { return round_to<std::int16_t>(v); }
inline std::int32_t clng(double v) { return round_to<std::int32_t>(v); }

}  // namespace core
