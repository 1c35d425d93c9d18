// RMI: fixed-card radio magnetic indicator with an ADF pointer and a NAV pointer that
// follows NAV1 or NAV2 by the RMI source selector. It has no mouse areas.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::rmi {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2380,
    .gauge_header = &rmi_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};

}  // namespace zephel::rmi

GAUGEHDR zephel::rmi_gauge =
    records::gauge_header("RMI", 100, zephel::rmi::elements, nullptr, nullptr);
