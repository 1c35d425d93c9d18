// Radio_ADF: ADF control head: frequency drums, three concentric knobs, power and tone switches.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::radio_adf {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1200,
    .gauge_header = &radio_adf_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xA709), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radio_adf

GAUGEHDR zephel::radio_adf_gauge =
    records::gauge_header("Radio_ADF", 100, zephel::radio_adf::elements,
                          zephel::radio_adf::mouse, zephel::radio_adf::gauge_callback);
