// How a needle value becomes an angle through its nonlinearity table.
#pragma once

#include <cstddef>

#include "common/gauge_host.h"

namespace host {

// Fills each entry's host slot with its cumulative angle in degrees: the angle of the
// entry's point about the needle's centre (clockwise from twelve o'clock), each step adding
// the clockwise difference from the previous entry, taken in [0°, 360°).
void compute_table_angles(NONLINEARITY* table, std::size_t count, PIXPOINT centre);

// The needle angle for a value: linear between entries, continuing along the end segments
// beyond the ends; a segment whose two values are equal gives its first entry's angle.
// Without a table (count 0) the value is the angle.
double needle_angle(const NONLINEARITY* table, std::size_t count, double value);

}  // namespace host
