// Oil_Press: oil pressure on a 0–3 kg/cm² dial, stopping at both ends.
#include <iterator>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::oil_press {
using namespace records;

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE glass;
ELEMENT_HEADER* after_background[] = {&needle.header, nullptr};
ELEMENT_HEADER* after_needle[] = {&glass.header, nullptr};

FAILURE_RECORD needle_failures[] = {{20, FAIL_ACTION_FREEZE, 0}, {}};

// lb/ft² on the dial's kg/cm² marks: -1, 0, 1.5, 3, 4.
NONLINEARITY needle_table[] = {
    {{66, 235}, -2050.816, 0},
    {{66, 235}, 0.0, 0},
    {{150, 35}, 3076.224, 0},
    {{235, 235}, 6152.448, 0},
    {{235, 235}, 8203.264, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4030, .gauge_header = &oil_press_gauge,
    .next_element = after_background, .image_flags = 0x4003}};

ELEMENT_NEEDLE needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 4040, .position = {150, 150}, .ofs = {42, 10},
               .gauge_header = &oil_press_gauge, .next_element = after_needle,
               .failure_systems = needle_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x232},
    .nonlinearity = needle_table,
    .nonlinearity_count = std::size(needle_table),
};

ELEMENT_STATIC_IMAGE glass{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4050, .gauge_header = &oil_press_gauge,
    .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB4E), end_region(), end_list()};

}  // namespace zephel::oil_press

GAUGEHDR zephel::oil_press_gauge =
    records::gauge_header("Oil_Press", 100, zephel::oil_press::elements, zephel::oil_press::mouse, nullptr);
