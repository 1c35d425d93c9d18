// INS_Mode_Selector_Unit: picture of the INS mode selector unit; the external INS provides
// the working unit.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::ins_mode_selector_unit {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5060,
    .gauge_header = &ins_mode_selector_unit_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("INS Mode Selector Unit (Dummy)"),
    end_region(),
    end_list(),
};

}  // namespace zephel::ins_mode_selector_unit

GAUGEHDR zephel::ins_mode_selector_unit_gauge =
    records::gauge_header("INS_Mode_Selector_Unit", 50, zephel::ins_mode_selector_unit::elements,
                          zephel::ins_mode_selector_unit::mouse, nullptr);
