// Kx1Oil: a three-engined airliner's oil dial over 0–120, in the older gauge format.
#include <iterator>

#include "common/gauge_records.h"
#include "legacy/older_format.h"

namespace legacy {
using namespace records;

// The variable counts 1/256 of a scale unit; readings off the scale rest on its end marks.
FLOAT64 GAUGE_API oil_value(MODULE_VAR* var) {
    const FLOAT64 v = var->var_value / 256;
    if (v > 120) return 120;
    if (v < 0) return 0;
    return v;
}

extern ELEMENT_NEEDLE needle;
ELEMENT_HEADER* after_background[] = {&needle.header, nullptr};

// The background and the needle share one list.
FAILURE_RECORD failures[] = {{1, FAIL_ACTION_ZERO, 0}, {}};

NONLINEARITY needle_table[] = {
    {{56, 198}, 0, 0},   {{49, 134}, 20, 0},  {{78, 79}, 40, 0},    {{132, 52}, 60, 0},
    {{211, 66}, 80, 0},  {{254, 126}, 100, 0}, {{257, 164}, 110, 0}, {{252, 202}, 120, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 0x1000, .position = {9, 0}, .ofs = {0, 0},
    .gauge_header = &gauge, .next_element = after_background, .failure_systems = failures, .image_flags = 0x4001}};

ELEMENT_NEEDLE needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 0x2000, .position = {150, 150}, .ofs = {6, 12},
               .gauge_header = &gauge, .failure_systems = failures, .image_flags = 0x4003},
    .source_var = {.id = 148},
    .update_var_cb = oil_value,
    .outside_radius = 111,
    .inside_radius = 12,
    .nonlinearity = needle_table,
    .nonlinearity_count = std::size(needle_table),
    .max_degrees_per_tick = 8,
};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xA023), end_region(), end_list()};

GAUGEHDR gauge = older_gauge_header("Kx1Oil", elements, 57);

}  // namespace legacy
