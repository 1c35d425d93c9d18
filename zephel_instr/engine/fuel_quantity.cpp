// Fuel_Quantity: contents of the left and right tank groups in litres, on a twin dial.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::fuel_quantity {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2430,
    .gauge_header = &fuel_quantity_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::fuel_quantity

GAUGEHDR zephel::fuel_quantity_gauge =
    records::gauge_header("Fuel_Quantity", 100, zephel::fuel_quantity::elements,
                          zephel::fuel_quantity::mouse, zephel::fuel_quantity::gauge_callback);
