// Radio_IFF_XPDR: IFF/transponder head: squawk-code drums and a power toggle.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::radio_iff_xpdr {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 1000,
    .gauge_header = &radio_iff_xpdr_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xA70A),
    tooltip_help(0x3180),
    end_region(),
    end_list(),
};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radio_iff_xpdr

GAUGEHDR zephel::radio_iff_xpdr_gauge =
    records::gauge_header("Radio_IFF_XPDR", 100, zephel::radio_iff_xpdr::elements,
                          zephel::radio_iff_xpdr::mouse, zephel::radio_iff_xpdr::gauge_callback);
