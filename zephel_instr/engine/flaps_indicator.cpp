// Flaps_Indicator: flap position, the needle following the flaps with a lag.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::flaps_indicator {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1170,
    .gauge_header = &flaps_indicator_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB24), end_region(), end_list()};

}  // namespace zephel::flaps_indicator

GAUGEHDR zephel::flaps_indicator_gauge =
    records::gauge_header("Flaps_Indicator", 100, zephel::flaps_indicator::elements,
                          zephel::flaps_indicator::mouse, nullptr);
