// Switches and lights: the aircraft's switches, levers and lamps, each a background, an icon
// that picks the picture and, for the switches, one click area that sends a key event with a
// click sound.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

// ---- RMI_Switch: RMI source selector, NAV1 or NAV2.

namespace zephel::rmi_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1480,
    .gauge_header = &rmi_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("RMI switch"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::rmi_switch

GAUGEHDR zephel::rmi_switch_gauge =
    records::gauge_header("RMI_Switch", 30, zephel::rmi_switch::elements,
                          zephel::rmi_switch::mouse, zephel::rmi_switch::gauge_callback);

// ---- Gear_Lever: landing-gear lever.

namespace zephel::gear_lever {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3050,
    .gauge_header = &gear_lever_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB30), end_region(), end_list()};

}  // namespace zephel::gear_lever

GAUGEHDR zephel::gear_lever_gauge =
    records::gauge_header("Gear_Lever", 40, zephel::gear_lever::elements,
                          zephel::gear_lever::mouse, nullptr);

// ---- Avionics_Switch: avionics master switch.

namespace zephel::avionics_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4160,
    .gauge_header = &avionics_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB0F), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::avionics_switch

GAUGEHDR zephel::avionics_switch_gauge =
    records::gauge_header("Avionics_Switch", 40, zephel::avionics_switch::elements,
                          zephel::avionics_switch::mouse, zephel::avionics_switch::gauge_callback);

// ---- Radome_Switch: radome switch.

namespace zephel::radome_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5000,
    .gauge_header = &radome_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Radome switch"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radome_switch

GAUGEHDR zephel::radome_switch_gauge =
    records::gauge_header("Radome_Switch", 30, zephel::radome_switch::elements,
                          zephel::radome_switch::mouse, zephel::radome_switch::gauge_callback);

// ---- Bomb_Bay_Switch: bomb-bay doors switch.

namespace zephel::bomb_bay_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5020,
    .gauge_header = &bomb_bay_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Radome switch"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::bomb_bay_switch

GAUGEHDR zephel::bomb_bay_switch_gauge =
    records::gauge_header("Bomb_Bay_Switch", 30, zephel::bomb_bay_switch::elements,
                          zephel::bomb_bay_switch::mouse, zephel::bomb_bay_switch::gauge_callback);

// ---- Parking_Brake: parking brake handle.

namespace zephel::parking_brake {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5080,
    .gauge_header = &parking_brake_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB51), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::parking_brake

GAUGEHDR zephel::parking_brake_gauge =
    records::gauge_header("Parking_Brake", 50, zephel::parking_brake::elements,
                          zephel::parking_brake::mouse, zephel::parking_brake::gauge_callback);

// ---- Wing_Folding: wing-folding lever.

namespace zephel::wing_folding {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5100,
    .gauge_header = &wing_folding_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Wing folding lever"),
    end_region(),
    end_list(),
};

}  // namespace zephel::wing_folding

GAUGEHDR zephel::wing_folding_gauge =
    records::gauge_header("Wing_Folding", 40, zephel::wing_folding::elements,
                          zephel::wing_folding::mouse, nullptr);

// ---- Panel_Lights_Switch: panel lights switch.

namespace zephel::panel_lights_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4120,
    .gauge_header = &panel_lights_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB40), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::panel_lights_switch

GAUGEHDR zephel::panel_lights_switch_gauge =
    records::gauge_header(
        "Panel_Lights_Switch", 20, zephel::panel_lights_switch::elements,
        zephel::panel_lights_switch::mouse, zephel::panel_lights_switch::gauge_callback);

// ---- Landing_Lights_Switch: landing lights switch.

namespace zephel::landing_lights_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4130,
    .gauge_header = &landing_lights_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB3E), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::landing_lights_switch

GAUGEHDR zephel::landing_lights_switch_gauge =
    records::gauge_header(
        "Landing_Lights_Switch", 20, zephel::landing_lights_switch::elements,
        zephel::landing_lights_switch::mouse, zephel::landing_lights_switch::gauge_callback);

// ---- Navigation_Lights_Switch: navigation lights switch.

namespace zephel::navigation_lights_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4140,
    .gauge_header = &navigation_lights_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB3F), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::navigation_lights_switch

GAUGEHDR zephel::navigation_lights_switch_gauge =
    records::gauge_header(
        "Navigation_Lights_Switch", 20, zephel::navigation_lights_switch::elements,
        zephel::navigation_lights_switch::mouse, zephel::navigation_lights_switch::gauge_callback);

// ---- Beacon_Lights_Switch: beacon lights switch.

namespace zephel::beacon_lights_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4150,
    .gauge_header = &beacon_lights_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB3D), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::beacon_lights_switch

GAUGEHDR zephel::beacon_lights_switch_gauge =
    records::gauge_header(
        "Beacon_Lights_Switch", 40, zephel::beacon_lights_switch::elements,
        zephel::beacon_lights_switch::mouse, zephel::beacon_lights_switch::gauge_callback);

// ---- Speed_Brake_Light: speed-brake lamp; a click works the speed brake.

namespace zephel::speed_brake_light {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4420,
    .gauge_header = &speed_brake_light_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Speed brake deployed light"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::speed_brake_light

GAUGEHDR zephel::speed_brake_light_gauge =
    records::gauge_header(
        "Speed_Brake_Light", 20, zephel::speed_brake_light::elements,
        zephel::speed_brake_light::mouse, zephel::speed_brake_light::gauge_callback);

// ---- Armament_Lights: radome and bomb-bay lamps.

namespace zephel::armament_lights {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5030,
    .gauge_header = &armament_lights_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Radome and bay lights"),
    end_region(),
    end_list(),
};

}  // namespace zephel::armament_lights

GAUGEHDR zephel::armament_lights_gauge =
    records::gauge_header("Armament_Lights", 30, zephel::armament_lights::elements,
                          zephel::armament_lights::mouse, nullptr);

// ---- Shut_Down: invisible gauge that switches the radios off.

namespace zephel::shut_down {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3000,
    .gauge_header = &shut_down_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::shut_down

GAUGEHDR zephel::shut_down_gauge =
    records::gauge_header("Shut_Down", 30, zephel::shut_down::elements,
                          zephel::shut_down::mouse, zephel::shut_down::gauge_callback);
