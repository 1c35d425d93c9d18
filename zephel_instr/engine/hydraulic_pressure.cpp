// Hydraulic_Pressure: a twin dial, normal circuit on the right half and emergency circuit
// (always 95 % of the pressure) on the left half, each 0–300.
#include <iterator>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::hydraulic_pressure {
using namespace records;

FLOAT64 GAUGE_API emergency_pressure(ELEMENT_HEADER* pelement) {
    return reinterpret_cast<ELEMENT_NEEDLE*>(pelement)->source_var.var_value * 0.95;
}

extern ELEMENT_NEEDLE normal_needle;
extern ELEMENT_NEEDLE emergency_needle;
extern ELEMENT_STATIC_IMAGE glass;
ELEMENT_HEADER* after_background[] = {&normal_needle.header, nullptr};
ELEMENT_HEADER* after_normal_needle[] = {&emergency_needle.header, nullptr};
ELEMENT_HEADER* after_emergency_needle[] = {&glass.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, FAIL_ACTION_NONE, 0}, {20, FAIL_ACTION_ZERO, 0}, {}};

// lb/ft² on the dial's marks 400, 300, 0, -1: anticlockwise from 165° at zero to 15.2° at 300.
NONLINEARITY normal_table[] = {
    {{181, 36}, 835164, 0},
    {{181, 36}, 626373, 0},
    {{181, 266}, 0, 0},
    {{181, 266}, -2087.91, 0},
};

// The marks -1, 0, 300, 400: clockwise from 194.6° at zero to 345° at 300.
NONLINEARITY emergency_table[] = {
    {{119, 269}, -2087.91, 0},
    {{119, 269}, 0, 0},
    {{119, 34}, 626373, 0},
    {{119, 34}, 835164, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4320, .gauge_header = &hydraulic_pressure_gauge,
    .next_element = after_background, .image_flags = 0x4003}};

ELEMENT_NEEDLE normal_needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 4330, .position = {150, 150}, .ofs = {0, 8},
               .gauge_header = &hydraulic_pressure_gauge, .next_element = after_normal_needle,
               .failure_systems = needle_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x2DC},
    .nonlinearity = normal_table,
    .nonlinearity_count = std::size(normal_table),
};

ELEMENT_NEEDLE emergency_needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 4330, .position = {150, 150}, .ofs = {0, 8},
               .gauge_header = &hydraulic_pressure_gauge, .next_element = after_emergency_needle,
               .failure_systems = needle_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x2DC},
    .update_cb = emergency_pressure,
    .nonlinearity = emergency_table,
    .nonlinearity_count = std::size(emergency_table),
};

ELEMENT_STATIC_IMAGE glass{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4340, .gauge_header = &hydraulic_pressure_gauge,
    .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    help_region({0, 0, 150, 300}, 0),
    tooltip_text("Hydraulic pressure Emergency circuit"),
    end_region(),
    help_region({150, 0, 150, 300}, 0),
    tooltip_text("Hydraulic pressure Normal circuit"),
    end_region(),
    end_region(),
    end_list(),
};

}  // namespace zephel::hydraulic_pressure

GAUGEHDR zephel::hydraulic_pressure_gauge = records::gauge_header(
    "Hydraulic_Pressure", 100, zephel::hydraulic_pressure::elements, zephel::hydraulic_pressure::mouse, nullptr);
