// Airspeed: indicated airspeed in knots, stopping at 440 kt.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::airspeed {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 470,
    .gauge_header = &airspeed_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB02), end_region(), end_list()};

}  // namespace zephel::airspeed

GAUGEHDR zephel::airspeed_gauge =
    records::gauge_header("Airspeed", 100, zephel::airspeed::elements,
                          zephel::airspeed::mouse, nullptr);
