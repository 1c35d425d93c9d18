// Magnetic_Compass: a heading strip seen through a window.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::magnetic_compass {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4300,
    .gauge_header = &magnetic_compass_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB77), end_region(), end_list()};

}  // namespace zephel::magnetic_compass

GAUGEHDR zephel::magnetic_compass_gauge =
    records::gauge_header("Magnetic_Compass", 100, zephel::magnetic_compass::elements,
                          zephel::magnetic_compass::mouse, nullptr);
