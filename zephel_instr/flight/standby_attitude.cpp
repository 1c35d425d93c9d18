// Standby_Attitude: the standby horizon.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::standby_attitude {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2000,
    .gauge_header = &standby_attitude_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB0D), end_region(), end_list()};

}  // namespace zephel::standby_attitude

GAUGEHDR zephel::standby_attitude_gauge =
    records::gauge_header("Standby_Attitude", 100, zephel::standby_attitude::elements,
                          zephel::standby_attitude::mouse, nullptr);
