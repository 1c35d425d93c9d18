// Turn_Coordinator: turn needle, slip ball and supply indicator.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::turn_coordinator {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1090,
    .gauge_header = &turn_coordinator_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), end_region(), end_list()};

}  // namespace zephel::turn_coordinator

GAUGEHDR zephel::turn_coordinator_gauge =
    records::gauge_header("Turn_Coordinator", 100, zephel::turn_coordinator::elements,
                          zephel::turn_coordinator::mouse, nullptr);
