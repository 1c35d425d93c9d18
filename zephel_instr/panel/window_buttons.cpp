// Window buttons: small buttons that open, close and toggle the panel's sub-windows and change
// the view. ATC_Toggle, Kneeboard_Toggle and Map_Toggle carry a host event; the other fifteen
// share one gauge callback and take their windows, help id and picture from the parameter text.
// Each button keeps records of its own, since the set-up rewrites its picture and help id.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::window_buttons {

// Shared by the fifteen configurable buttons. Ignores every service; the buttons' set-up from
// their parameter text comes with the buttons.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::window_buttons

// ---- ATC_Toggle: button for the ATC window; the host sends its event.

namespace zephel::atc_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 90,
    .gauge_header = &atc_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB94), end_region(), end_list()};

}  // namespace zephel::atc_toggle

GAUGEHDR zephel::atc_toggle_gauge =
    records::gauge_header("ATC_Toggle", 19, zephel::atc_toggle::elements,
                          zephel::atc_toggle::mouse, nullptr);

// ---- Kneeboard_Toggle: button for the kneeboard; the host sends its event.

namespace zephel::kneeboard_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 70,
    .gauge_header = &kneeboard_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB93), end_region(), end_list()};

}  // namespace zephel::kneeboard_toggle

GAUGEHDR zephel::kneeboard_toggle_gauge =
    records::gauge_header("Kneeboard_Toggle", 19, zephel::kneeboard_toggle::elements,
                          zephel::kneeboard_toggle::mouse, nullptr);

// ---- Map_Toggle: button for the map; the host sends its event.

namespace zephel::map_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 80,
    .gauge_header = &map_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB8F), end_region(), end_list()};

}  // namespace zephel::map_toggle

GAUGEHDR zephel::map_toggle_gauge =
    records::gauge_header("Map_Toggle", 19, zephel::map_toggle::elements,
                          zephel::map_toggle::mouse, nullptr);

// ---- Invisible_Toggle: button with no help text of its own.

namespace zephel::invisible_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 200,
    .gauge_header = &invisible_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), end_region(), end_list()};

}  // namespace zephel::invisible_toggle

GAUGEHDR zephel::invisible_toggle_gauge =
    records::gauge_header("Invisible_Toggle", 19, zephel::invisible_toggle::elements,
                          zephel::invisible_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Radios_Toggle: button for the radio stack window.

namespace zephel::radios_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 120,
    .gauge_header = &radios_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB86), end_region(), end_list()};

}  // namespace zephel::radios_toggle

GAUGEHDR zephel::radios_toggle_gauge =
    records::gauge_header("Radios_Toggle", 19, zephel::radios_toggle::elements,
                          zephel::radios_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- GPS_Toggle: button for the GPS window.

namespace zephel::gps_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 130,
    .gauge_header = &gps_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB87), end_region(), end_list()};

}  // namespace zephel::gps_toggle

GAUGEHDR zephel::gps_toggle_gauge =
    records::gauge_header("GPS_Toggle", 19, zephel::gps_toggle::elements,
                          zephel::gps_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Throttle_Toggle: button for the throttle window.

namespace zephel::throttle_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 140,
    .gauge_header = &throttle_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB88), end_region(), end_list()};

}  // namespace zephel::throttle_toggle

GAUGEHDR zephel::throttle_toggle_gauge =
    records::gauge_header("Throttle_Toggle", 19, zephel::throttle_toggle::elements,
                          zephel::throttle_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Compass_Toggle: button for the compass window.

namespace zephel::compass_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 150,
    .gauge_header = &compass_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB89), end_region(), end_list()};

}  // namespace zephel::compass_toggle

GAUGEHDR zephel::compass_toggle_gauge =
    records::gauge_header("Compass_Toggle", 19, zephel::compass_toggle::elements,
                          zephel::compass_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Close_Subpanel: button that closes a sub-panel window.

namespace zephel::close_subpanel {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 160,
    .gauge_header = &close_subpanel_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Close subpanel window"),
    end_region(),
    end_list(),
};

}  // namespace zephel::close_subpanel

GAUGEHDR zephel::close_subpanel_gauge =
    records::gauge_header("Close_Subpanel", 19, zephel::close_subpanel::elements,
                          zephel::close_subpanel::mouse, zephel::window_buttons::gauge_callback);

// ---- Landing_View_Toggle: button that switches between the normal and the landing view.

namespace zephel::landing_view_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 230,
    .gauge_header = &landing_view_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Switch normal view / landing view"),
    end_region(),
    end_list(),
};

}  // namespace zephel::landing_view_toggle

GAUGEHDR zephel::landing_view_toggle_gauge =
    records::gauge_header(
        "Landing_View_Toggle", 19, zephel::landing_view_toggle::elements,
        zephel::landing_view_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Electricity_Toggle: button for the electricity sub-panel.

namespace zephel::electricity_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 240,
    .gauge_header = &electricity_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Display/Hide electricity subpanel"),
    end_region(),
    end_list(),
};

}  // namespace zephel::electricity_toggle

GAUGEHDR zephel::electricity_toggle_gauge =
    records::gauge_header(
        "Electricity_Toggle", 19, zephel::electricity_toggle::elements,
        zephel::electricity_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Overhead_Toggle: button for the overhead panel.

namespace zephel::overhead_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 220,
    .gauge_header = &overhead_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB95), end_region(), end_list()};

}  // namespace zephel::overhead_toggle

GAUGEHDR zephel::overhead_toggle_gauge =
    records::gauge_header("Overhead_Toggle", 19, zephel::overhead_toggle::elements,
                          zephel::overhead_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Nav_Instruments_Toggle: button for the navigation instruments.

namespace zephel::nav_instruments_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 190,
    .gauge_header = &nav_instruments_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Display/Hide navigation instruments"),
    end_region(),
    end_list(),
};

}  // namespace zephel::nav_instruments_toggle

GAUGEHDR zephel::nav_instruments_toggle_gauge =
    records::gauge_header(
        "Nav_Instruments_Toggle", 19, zephel::nav_instruments_toggle::elements,
        zephel::nav_instruments_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Autopilot_Toggle: button for the enlarged autopilot.

namespace zephel::autopilot_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 280,
    .gauge_header = &autopilot_toggle_gauge, .image_flags = 0x7}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Display/Hide enlarged Autopilot"),
    end_region(),
    end_list(),
};

}  // namespace zephel::autopilot_toggle

GAUGEHDR zephel::autopilot_toggle_gauge =
    records::gauge_header("Autopilot_Toggle", 19, zephel::autopilot_toggle::elements,
                          zephel::autopilot_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- VFR_Panel_Toggle: button for the VFR panel.

namespace zephel::vfr_panel_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 270,
    .gauge_header = &vfr_panel_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), end_region(), end_list()};

}  // namespace zephel::vfr_panel_toggle

GAUGEHDR zephel::vfr_panel_toggle_gauge =
    records::gauge_header("VFR_Panel_Toggle", 19, zephel::vfr_panel_toggle::elements,
                          zephel::vfr_panel_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- IFR_Panel_Toggle: button for the IFR panel.

namespace zephel::ifr_panel_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 290,
    .gauge_header = &ifr_panel_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), end_region(), end_list()};

}  // namespace zephel::ifr_panel_toggle

GAUGEHDR zephel::ifr_panel_toggle_gauge =
    records::gauge_header("IFR_Panel_Toggle", 19, zephel::ifr_panel_toggle::elements,
                          zephel::ifr_panel_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- Fuel_Toggle: button for the fuel window.

namespace zephel::fuel_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 250,
    .gauge_header = &fuel_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB8A), end_region(), end_list()};

}  // namespace zephel::fuel_toggle

GAUGEHDR zephel::fuel_toggle_gauge =
    records::gauge_header("Fuel_Toggle", 19, zephel::fuel_toggle::elements,
                          zephel::fuel_toggle::mouse, zephel::window_buttons::gauge_callback);

// ---- INS_MSU_Toggle: button for the INS mode selector sub-panel, showing the selector's picture.

namespace zephel::ins_msu_toggle {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5060,
    .gauge_header = &ins_msu_toggle_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Toggles INS Mode Selector Unit subpanel"),
    end_region(),
    end_list(),
};

}  // namespace zephel::ins_msu_toggle

GAUGEHDR zephel::ins_msu_toggle_gauge =
    records::gauge_header("INS_MSU_Toggle", 19, zephel::ins_msu_toggle::elements,
                          zephel::ins_msu_toggle::mouse, zephel::window_buttons::gauge_callback);
