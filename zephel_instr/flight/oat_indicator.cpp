// OAT_Indicator: outside air temperature, dial and digital window.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::oat_indicator {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3240,
    .gauge_header = &oat_indicator_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB39), end_region(), end_list()};

}  // namespace zephel::oat_indicator

GAUGEHDR zephel::oat_indicator_gauge =
    records::gauge_header("OAT_Indicator", 100, zephel::oat_indicator::elements,
                          zephel::oat_indicator::mouse, nullptr);
