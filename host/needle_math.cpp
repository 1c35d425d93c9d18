#include "host/needle_math.h"

#include <cmath>
#include <numbers>

namespace host {

namespace {

double point_angle(PIXPOINT pt, PIXPOINT centre) {
    const double dx = pt.x - centre.x, dy = pt.y - centre.y;
    double deg = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (deg < 0) deg += 360.0;
    return deg;
}

double clockwise_difference(double from, double to) {
    double d = std::fmod(to - from, 360.0);
    if (d < 0) d += 360.0;
    return d;
}

double along_segment(const NONLINEARITY& a, const NONLINEARITY& b, double value) {
    if (a.value == b.value) return a.degrees;
    return a.degrees + (value - a.value) * (b.degrees - a.degrees) / (b.value - a.value);
}

}  // namespace

void compute_table_angles(NONLINEARITY* table, std::size_t count, PIXPOINT centre) {
    double previous_point = 0, cumulative = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double here = point_angle(table[i].pt, centre);
        cumulative = i == 0 ? here : cumulative + clockwise_difference(previous_point, here);
        previous_point = here;
        table[i].degrees = cumulative;
    }
}

double needle_angle(const NONLINEARITY* table, std::size_t count, double value) {
    if (count == 0) return value;
    if (count == 1) return table[0].degrees;
    const bool ascending = table[count - 1].value >= table[0].value;
    auto before = [ascending](double v, double limit) { return ascending ? v < limit : v > limit; };
    if (before(value, table[0].value)) return along_segment(table[0], table[1], value);
    for (std::size_t i = 0; i + 1 < count; ++i)
        if (!before(table[i + 1].value, value)) return along_segment(table[i], table[i + 1], value);
    return along_segment(table[count - 2], table[count - 1], value);
}

}  // namespace host
