// NAV_GPS_Light: lamp showing NAV or GPS.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::nav_gps_light {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4460,
    .gauge_header = &nav_gps_light_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xAB4D),
    tooltip_text("NAV-GPS state light"),
    end_region(),
    end_list(),
};

}  // namespace zephel::nav_gps_light

GAUGEHDR zephel::nav_gps_light_gauge =
    records::gauge_header("NAV_GPS_Light", 30, zephel::nav_gps_light::elements,
                          zephel::nav_gps_light::mouse, nullptr);
