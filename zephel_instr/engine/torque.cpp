// Torque: engine torque as a fraction of the reference torque, on a 0–500 dial.
#include <iterator>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::torque {
using namespace records;

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE glass;
ELEMENT_HEADER* after_background[] = {&needle.header, nullptr};
ELEMENT_HEADER* after_needle[] = {&glass.header, nullptr};

FAILURE_RECORD needle_failures[] = {{20, FAIL_ACTION_FREEZE, 0}, {}};

// 0 to 1.315789 sweeps 270°; negative torque rests on the zero mark.
NONLINEARITY needle_table[] = {
    {{41, 159}, -1.0, 0},
    {{41, 159}, 0.0, 0},
    {{159, 159}, 1.315789, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2170,
    .gauge_header = &torque_gauge, .next_element = after_background, .image_flags = 0x4003}};

ELEMENT_NEEDLE needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 2180, .position = {100, 100}, .ofs = {36, 6},
               .gauge_header = &torque_gauge, .next_element = after_needle,
               .failure_systems = needle_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x275},
    .nonlinearity = needle_table,
    .nonlinearity_count = std::size(needle_table),
};

ELEMENT_STATIC_IMAGE glass{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2190,
    .gauge_header = &torque_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB70), end_region(), end_list()};

}  // namespace zephel::torque

GAUGEHDR zephel::torque_gauge =
    records::gauge_header("Torque", 100, zephel::torque::elements, zephel::torque::mouse, nullptr);
