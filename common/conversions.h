// Numeric conversions the gauges share. Token values are doubles; "read as an integer" means
// a saturating numeric conversion (NaN gives 0), never a reinterpretation of the bytes.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace conv {

inline std::int32_t to_int32(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);  // truncates toward zero
}

inline std::uint32_t to_uint32(double v) {
    if (std::isnan(v) || v <= 0.0) return 0;
    if (v >= 4294967295.0) return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(v);
}

}  // namespace conv
