// Vertical_Speed: vertical speed, stopping at ±2500 ft/min.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::vertical_speed {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1140,
    .gauge_header = &vertical_speed_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_help(0x3099),
    end_region(),
    end_list(),
};

}  // namespace zephel::vertical_speed

GAUGEHDR zephel::vertical_speed_gauge =
    records::gauge_header("Vertical_Speed", 100, zephel::vertical_speed::elements,
                          zephel::vertical_speed::mouse, nullptr);
