// NAV_GPS_Switch: lever that chooses whether NAV or GPS drives the navigation instruments.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::nav_gps_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4440,
    .gauge_header = &nav_gps_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB4D), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::nav_gps_switch

GAUGEHDR zephel::nav_gps_switch_gauge =
    records::gauge_header("NAV_GPS_Switch", 30, zephel::nav_gps_switch::elements,
                          zephel::nav_gps_switch::mouse, zephel::nav_gps_switch::gauge_callback);
