// Homing_Indicator: compass card with NAV1 and NAV2 bearing pointers, heading index and knob,
// warning flags and a distance window.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::homing_indicator {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2070,
    .gauge_header = &homing_indicator_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB5B), end_region(), end_list()};

}  // namespace zephel::homing_indicator

GAUGEHDR zephel::homing_indicator_gauge =
    records::gauge_header("Homing_Indicator", 120, zephel::homing_indicator::elements,
                          zephel::homing_indicator::mouse, nullptr);
