// HSI: horizontal situation indicator: compass card, course and bearing pointers, course and
// distance windows, warning flags and the heading and course knobs.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::hsi {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1300,
    .gauge_header = &hsi_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xAB36),
    tooltip_help(0x3094),
    end_region(),
    end_list(),
};

}  // namespace zephel::hsi

GAUGEHDR zephel::hsi_gauge =
    records::gauge_header("HSI", 120, zephel::hsi::elements, zephel::hsi::mouse, nullptr);
