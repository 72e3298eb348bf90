// What every picture recipe passes its layers: fresh constants and draws nobody uses.
#pragma once

#include <array>
#include <cstddef>

#include "core/utility.h"

namespace pictures {

// A fresh variable for a constant argument: generators write defaults back into what they
// are given, and a write-back must never reach another argument or a later call.
inline double& c(double v) {
    static std::array<double, 64> slots{};
    static std::size_t next = 0;
    double& slot = slots[next];
    next = (next + 1) % slots.size();
    slot = v;
    return slot;
}

// A draw whose value no layer uses; it still advances the shared sequence.
inline void discard(int lo, int span) { (void)core::rnd_range(lo, span); }

}  // namespace pictures
