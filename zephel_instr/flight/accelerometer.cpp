// Accelerometer: g-meter with minimum and maximum memory needles and a reset button.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::accelerometer {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1050,
    .gauge_header = &accelerometer_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xA51C), end_region(), end_list()};

}  // namespace zephel::accelerometer

GAUGEHDR zephel::accelerometer_gauge =
    records::gauge_header("Accelerometer", 100, zephel::accelerometer::elements,
                          zephel::accelerometer::mouse, nullptr);
