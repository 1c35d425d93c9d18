// Oil_Temperature: oil temperature on a -10…160 °C dial, 0 °C near three o'clock.
#include <iterator>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::oil_temperature {
using namespace records;

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE glass;
ELEMENT_HEADER* after_background[] = {&needle.header, nullptr};
ELEMENT_HEADER* after_needle[] = {&glass.header, nullptr};

FAILURE_RECORD needle_failures[] = {{20, FAIL_ACTION_ZERO, 0}, {}};

// °R on the dial's °C marks: -10, 0, 50, 150, 160, 1000. Stops at 160 °C; below -10 °C it
// continues along the first segment.
NONLINEARITY needle_table[] = {
    {{265, 150}, 473.67, 0},
    {{267, 170}, 491.67, 0},
    {{150, 275}, 581.67, 0},
    {{150, 30}, 761.67, 0},
    {{170, 36}, 779.67, 0},
    {{170, 36}, 2291.67, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4170, .gauge_header = &oil_temperature_gauge,
    .next_element = after_background, .image_flags = 0x4003}};

ELEMENT_NEEDLE needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 4180, .position = {150, 150}, .ofs = {0, 8},
               .gauge_header = &oil_temperature_gauge, .next_element = after_needle,
               .failure_systems = needle_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x231},
    .nonlinearity = needle_table,
    .nonlinearity_count = std::size(needle_table),
};

ELEMENT_STATIC_IMAGE glass{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4190, .gauge_header = &oil_temperature_gauge,
    .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB4F), end_region(), end_list()};

}  // namespace zephel::oil_temperature

GAUGEHDR zephel::oil_temperature_gauge = records::gauge_header(
    "Oil_Temperature", 100, zephel::oil_temperature::elements, zephel::oil_temperature::mouse, nullptr);
