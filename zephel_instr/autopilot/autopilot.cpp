// Autopilot: the FD and AP push switches (Autopilot_Main_Switches) and the mode panel with the
// YD, HDG, NAV, APR, BC and ALT buttons (Autopilot).
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

// ---- Autopilot_Main_Switches: the FD and AP push switches.

namespace zephel::autopilot_main_switches {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4000,
    .gauge_header = &autopilot_main_switches_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Autopilot main switches"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::autopilot_main_switches

GAUGEHDR zephel::autopilot_main_switches_gauge =
    records::gauge_header(
        "Autopilot_Main_Switches", 40, zephel::autopilot_main_switches::elements,
        zephel::autopilot_main_switches::mouse, zephel::autopilot_main_switches::gauge_callback);

// ---- Autopilot: the mode panel.

namespace zephel::autopilot {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4350,
    .gauge_header = &autopilot_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Autopilot"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::autopilot

GAUGEHDR zephel::autopilot_gauge =
    records::gauge_header("Autopilot", 200, zephel::autopilot::elements,
                          zephel::autopilot::mouse, zephel::autopilot::gauge_callback);
