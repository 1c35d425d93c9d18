// Altimeter: drum-and-pointer altimeter with a pressure-setting window and baro knob.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::altimeter {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 300,
    .gauge_header = &altimeter_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB07), end_region(), end_list()};

}  // namespace zephel::altimeter

GAUGEHDR zephel::altimeter_gauge =
    records::gauge_header("Altimeter", 100, zephel::altimeter::elements,
                          zephel::altimeter::mouse, nullptr);
