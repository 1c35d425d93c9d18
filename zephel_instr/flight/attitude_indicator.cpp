// Attitude_Indicator: the main attitude sphere with flight-director bars, glideslope
// pointer and slip ball.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::attitude_indicator {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3070,
    .gauge_header = &attitude_indicator_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB0D), end_region(), end_list()};

}  // namespace zephel::attitude_indicator

GAUGEHDR zephel::attitude_indicator_gauge =
    records::gauge_header("Attitude_Indicator", 100, zephel::attitude_indicator::elements,
                          zephel::attitude_indicator::mouse, nullptr);
