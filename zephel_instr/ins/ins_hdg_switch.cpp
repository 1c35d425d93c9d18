// INS_HDG_Switch: lever that selects the external INS's NAV mode.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::ins_hdg_switch {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4480,
    .gauge_header = &ins_hdg_switch_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("INS NAV mode selector"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::ins_hdg_switch

GAUGEHDR zephel::ins_hdg_switch_gauge =
    records::gauge_header("INS_HDG_Switch", 20, zephel::ins_hdg_switch::elements,
                          zephel::ins_hdg_switch::mouse, zephel::ins_hdg_switch::gauge_callback);
