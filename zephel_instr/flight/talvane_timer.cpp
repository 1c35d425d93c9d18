// Talvane_Timer: the panel clock with a chronograph and a turnable bezel.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::talvane_timer {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 400,
    .gauge_header = &talvane_timer_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB16), end_region(), end_list()};

}  // namespace zephel::talvane_timer

GAUGEHDR zephel::talvane_timer_gauge =
    records::gauge_header("Talvane_Timer", 100, zephel::talvane_timer::elements,
                          zephel::talvane_timer::mouse, nullptr);
