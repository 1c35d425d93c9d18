// VHF radio control heads: Radio_NAV1 and Radio_NAV2 (one design built twice) and Radio_COM1,
// each with frequency drums, tuning knobs and its own power switch.
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

// ---- Radio_NAV1: NAV1 receiver head.

namespace zephel::radio_nav1 {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2270,
    .gauge_header = &radio_nav1_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xA700), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radio_nav1

GAUGEHDR zephel::radio_nav1_gauge =
    records::gauge_header("Radio_NAV1", 100, zephel::radio_nav1::elements,
                          zephel::radio_nav1::mouse, zephel::radio_nav1::gauge_callback);

// ---- Radio_NAV2: NAV2 receiver head.

namespace zephel::radio_nav2 {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2370,
    .gauge_header = &radio_nav2_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xA702), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radio_nav2

GAUGEHDR zephel::radio_nav2_gauge =
    records::gauge_header("Radio_NAV2", 100, zephel::radio_nav2::elements,
                          zephel::radio_nav2::mouse, zephel::radio_nav2::gauge_callback);

// ---- Radio_COM1: COM radio head.

namespace zephel::radio_com1 {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4200,
    .gauge_header = &radio_com1_gauge, .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xA701), end_region(), end_list()};

// Ignores every service; the gauge's service work comes with the gauge.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32, PTRWORD) {}

}  // namespace zephel::radio_com1

GAUGEHDR zephel::radio_com1_gauge =
    records::gauge_header("Radio_COM1", 100, zephel::radio_com1::elements,
                          zephel::radio_com1::mouse, zephel::radio_com1::gauge_callback);
