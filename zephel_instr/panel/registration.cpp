// Registration: the aircraft's registration painted on a plate, taken from the simulator's ATC
// identifier or from the placed gauge's parameter text.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::registration {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 60,
    .gauge_header = &registration_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Registration number"),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::registration

GAUGEHDR zephel::registration_gauge =
    records::gauge_header("Registration", 150, zephel::registration::elements,
                          zephel::registration::mouse, zephel::registration::gauge_callback);
