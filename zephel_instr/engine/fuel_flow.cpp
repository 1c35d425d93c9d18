// Fuel_Flow: engine fuel flow in litres per hour, a settable reference index and a fuel-used
// totaliser.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::fuel_flow {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 3200,
    .gauge_header = &fuel_flow_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB28), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::fuel_flow

GAUGEHDR zephel::fuel_flow_gauge =
    records::gauge_header("Fuel_Flow", 100, zephel::fuel_flow::elements,
                          zephel::fuel_flow::mouse, zephel::fuel_flow::gauge_callback);
