// Ptv_Hx70.turb_temp: a heavy helicopter's turbine temperature on a 100–1000 dial, in the
// older gauge format.
#include <iterator>

#include "common/gauge_records.h"
#include "legacy/older_format.h"

namespace legacy {
using namespace records;

// The variable counts 1/16384 of a degree; readings off the scale rest on its end marks.
FLOAT64 GAUGE_API turbine_value(MODULE_VAR* var) {
    const FLOAT64 v = var->var_value / 16384;
    if (v > 1000) return 1000;
    if (v < 100) return 100;
    return v;
}

extern ELEMENT_NEEDLE needle;
ELEMENT_HEADER* after_background[] = {&needle.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, FAIL_ACTION_ZERO, 0}, {}};

NONLINEARITY needle_table[] = {
    {{143, 262}, 100, 0}, {{64, 234}, 500, 0},  {{45, 217}, 600, 0},   {{39, 71}, 700, 0},
    {{172, 20}, 800, 0},  {{246, 76}, 900, 0}, {{257, 95}, 1000, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 0x1000, .position = {0, 0}, .ofs = {0, 0},
    .gauge_header = &gauge, .next_element = after_background, .image_flags = 0x4001}};

ELEMENT_NEEDLE needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 0x2000, .position = {142, 141}, .ofs = {0, 6},
               .gauge_header = &gauge, .failure_systems = needle_failures, .image_flags = 0x4003},
    .source_var = {.id = 155},
    .update_var_cb = turbine_value,
    .outside_radius = 142,
    .inside_radius = 21,
    .nonlinearity = needle_table,
    .nonlinearity_count = std::size(needle_table),
    .max_degrees_per_tick = 0,
};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xA608), end_region(), end_list()};

GAUGEHDR gauge = older_gauge_header("Ptv_Hx70.turb_temp", elements, 283);

}  // namespace legacy
