// INS_Control_Display_Unit: picture of the INS control and display unit; the external INS
// provides the working unit.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::ins_control_display_unit {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5070,
    .gauge_header = &ins_control_display_unit_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("INS Control & Display Unit (Dummy)"),
    end_region(),
    end_list(),
};

}  // namespace zephel::ins_control_display_unit

GAUGEHDR zephel::ins_control_display_unit_gauge =
    records::gauge_header(
        "INS_Control_Display_Unit", 20, zephel::ins_control_display_unit::elements,
        zephel::ins_control_display_unit::mouse, nullptr);
