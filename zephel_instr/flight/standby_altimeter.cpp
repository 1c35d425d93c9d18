// Standby_Altimeter: three-pointer standby altimeter with a pressure-setting window.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::standby_altimeter {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2200,
    .gauge_header = &standby_altimeter_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB07), end_region(), end_list()};

}  // namespace zephel::standby_altimeter

GAUGEHDR zephel::standby_altimeter_gauge =
    records::gauge_header("Standby_Altimeter", 100, zephel::standby_altimeter::elements,
                          zephel::standby_altimeter::mouse, nullptr);
