// Radio altimeter: the dial with its decision-height marker, lamp and OFF flag (Radio_Altimeter)
// and its power lever (Radio_Altimeter_Switch).
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

// ---- Radio_Altimeter: the dial, 0 to 2500 ft.

namespace zephel::radio_altimeter {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3270,
    .gauge_header = &radio_altimeter_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAA14), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radio_altimeter

GAUGEHDR zephel::radio_altimeter_gauge =
    records::gauge_header("Radio_Altimeter", 100, zephel::radio_altimeter::elements,
                          zephel::radio_altimeter::mouse, zephel::radio_altimeter::gauge_callback);

// ---- Radio_Altimeter_Switch: the power lever.

namespace zephel::radio_altimeter_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3470,
    .gauge_header = &radio_altimeter_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Radio altimeter switch"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radio_altimeter_switch

GAUGEHDR zephel::radio_altimeter_switch_gauge =
    records::gauge_header(
        "Radio_Altimeter_Switch", 30, zephel::radio_altimeter_switch::elements,
        zephel::radio_altimeter_switch::mouse, zephel::radio_altimeter_switch::gauge_callback);
