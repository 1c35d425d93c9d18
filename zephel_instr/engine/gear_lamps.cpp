// Gear_Lamps: three green down-and-locked lamps and three red in-transit lamps.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::gear_lamps {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4060,
    .gauge_header = &gear_lamps_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB31), end_region(), end_list()};

}  // namespace zephel::gear_lamps

GAUGEHDR zephel::gear_lamps_gauge =
    records::gauge_header("Gear_Lamps", 40, zephel::gear_lamps::elements,
                          zephel::gear_lamps::mouse, nullptr);
