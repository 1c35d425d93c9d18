// AP_Tester: read-only annunciator panel of the simulator's autopilot variables.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::ap_tester {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 7000,
    .gauge_header = &ap_tester_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Autopilot annunciator"),
    end_region(),
    end_list(),
};

}  // namespace zephel::ap_tester

GAUGEHDR zephel::ap_tester_gauge =
    records::gauge_header("AP_Tester", 100, zephel::ap_tester::elements,
                          zephel::ap_tester::mouse, nullptr);
