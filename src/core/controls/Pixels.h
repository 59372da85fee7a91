#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace htmlsim {

// Whole pixels for a control's geometry, halves to even. Unlike a stored 16-bit field, a
// measurement beyond the range is clamped: a text too wide for a control is drawn clipped.
inline int16_t ClampedPixels(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int16_t>::min()) {
        return std::numeric_limits<int16_t>::min();
    }
    if (rounded > std::numeric_limits<int16_t>::max()) {
        return std::numeric_limits<int16_t>::max();
    }
    return static_cast<int16_t>(rounded);
}

}  // namespace htmlsim
