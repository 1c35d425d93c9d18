// Turb_Temp: turbine temperature on a 0–1000 °C dial with a four-digit read-out and a
// failure flag.
#include <cstdio>
#include <iterator>

#include "common/conversions.h"
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::turb_temp {
using namespace records;

// The read-out in °C from the temperature in °R; the text is bounded to the element's
// characters (an absurd temperature shows its leading digits) while the value stays whole.
FLOAT64 GAUGE_API turbine_text(ELEMENT_HEADER* pelement) {
    auto* text = reinterpret_cast<ELEMENT_STRING*>(pelement);
    const FLOAT64 celsius = (text->source_var[0].var_value - 459.67 - 32) * 0.5555555555555556;
    if (text->string) std::snprintf(text->string, text->char_count + 1, "%04.0f", celsius);
    return celsius;
}

// Shown while the engine's failure state reads non-zero.
FLOAT64 GAUGE_API turbine_flag(ELEMENT_HEADER*) {
    return conv::to_int32(panel::read_var(0x117)) != 0 ? 0.0 : -1.0;
}

extern ELEMENT_STRING readout;
extern ELEMENT_NEEDLE needle;
extern ELEMENT_ICON flag;
extern ELEMENT_STATIC_IMAGE glass;
ELEMENT_HEADER* after_background[] = {&readout.header, nullptr};
ELEMENT_HEADER* after_readout[] = {&needle.header, nullptr};
ELEMENT_HEADER* after_needle[] = {&flag.header, nullptr};
ELEMENT_HEADER* after_flag[] = {&glass.header, nullptr};

FAILURE_RECORD listed_failures[] = {{2, FAIL_ACTION_NONE, 0}, {}};

// 0 °C at 240°, 500 °C at twelve o'clock, 1000 °C at 480.2°; no stops.
NONLINEARITY needle_table[] = {
    {{48, 209}, 491.67, 0},
    {{150, 36}, 1391.67, 0},
    {{248, 207}, 2291.67, 0},
};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2460, .gauge_header = &turb_temp_gauge,
    .next_element = after_background, .failure_systems = listed_failures, .image_flags = 0x4003}};

ELEMENT_STRING readout{
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = -1, .position = {99, 208},
               .gauge_header = &turb_temp_gauge, .next_element = after_readout,
               .failure_systems = listed_failures, .image_flags = 0x7},
    .source_var = {{.id = 0x277}},
    .update_cb = turbine_text,
    .img_size = {100, 30},
    .fg_color = 0x0060D0,
    .bg_color = 0x000000,
    .hilite_color = 0xFFFFFF,
    .font_name = "Quartz",
    .font_weight = 400,
    .font_charset = 1,
    .draw_text_flags = 0x25,
    .char_count = 4,
};

ELEMENT_NEEDLE needle{
    .header = {.element_type = ELEMENT_TYPE_NEEDLE, .resource_id = 2470, .position = {150, 150}, .ofs = {13, 12},
               .gauge_header = &turb_temp_gauge, .next_element = after_needle,
               .failure_systems = listed_failures, .image_flags = 0x4083},
    .source_var = {.id = 0x277},
    .nonlinearity = needle_table,
    .nonlinearity_count = std::size(needle_table),
};

ELEMENT_ICON flag{
    .header = {.element_type = ELEMENT_TYPE_ICON, .resource_id = 2490, .position = {139, 139},
               .gauge_header = &turb_temp_gauge, .next_element = after_flag,
               .failure_systems = listed_failures, .image_flags = 0x3},
    .scale = 1.0,
    .update_cb = turbine_flag,
    .picture_count = 1,
};

ELEMENT_STATIC_IMAGE glass{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 2480, .gauge_header = &turb_temp_gauge,
    .image_flags = 0x3}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0xAB23), end_region(), end_list()};

}  // namespace zephel::turb_temp

GAUGEHDR zephel::turb_temp_gauge =
    records::gauge_header("Turb_Temp", 100, zephel::turb_temp::elements, zephel::turb_temp::mouse, nullptr);
