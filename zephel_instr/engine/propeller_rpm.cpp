// Propeller_RPM: propeller speed on a 0–100 % dial with a vernier that turns once per 10 %.
#include <iterator>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::propeller_rpm {
using namespace records;

extern ELEMENT_NEEDLE vernier;
extern ELEMENT_NEEDLE main_needle;
extern ELEMENT_STATIC_IMAGE glass;
ELEMENT_HEADER* after_background[] = {&vernier.header, nullptr};
ELEMENT_HEADER* after_vernier[] = {&main_needle.header, nullptr};
ELEMENT_HEADER* after_main_needle[] = {&glass.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, FAIL_ACTION_NONE, 0}, {20, FAIL_ACTION_ZERO, 0}, {}};

NONLINEARITY vernier_table[] = {
    {{55, 38}, 0.0, 0},
    {{55, 74}, 0.05, 0},
};

// 100 % at 269.2°, continuing at the last segment's rate beyond 105 %.
NONLINEARITY main_table[] = {
    {{92, 20}, 0.0, 0},
    {{16, 93}, 1.0, 0},
    {{16, 83}, 1.05, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3010, .gauge_header = &propeller_rpm_gauge,
    .next_element = after_background, .image_flags = 0x4003}};

ELEMENT_NEEDLE vernier{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 3020, .position = {55, 55}, .ofs = {7, 2},
               .gauge_header = &propeller_rpm_gauge, .next_element = after_vernier,
               .failure_systems = needle_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x2BD},
    .nonlinearity = vernier_table,
    .nonlinearity_count = std::size(vernier_table),
};

ELEMENT_NEEDLE main_needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 3030, .position = {92, 92}, .ofs = {30, 7},
               .gauge_header = &propeller_rpm_gauge, .next_element = after_main_needle,
               .failure_systems = needle_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x2BD},
    .nonlinearity = main_table,
    .nonlinearity_count = std::size(main_table),
};

ELEMENT_STATIC_IMAGE glass{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3040, .gauge_header = &propeller_rpm_gauge,
    .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), tooltip_help(0x30B0), end_region(), end_list()};

}  // namespace zephel::propeller_rpm

GAUGEHDR zephel::propeller_rpm_gauge = records::gauge_header(
    "Propeller_RPM", 100, zephel::propeller_rpm::elements, zephel::propeller_rpm::mouse, nullptr);
