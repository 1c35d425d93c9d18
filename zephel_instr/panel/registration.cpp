// Registration: the aircraft's registration painted on a plate, taken from the simulator's ATC
// identifier or from the placed gauge's parameter text, which may also change the font and
// the colour of the placed plate.
#include <cstdio>
#include <cstring>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"
#include "zephel_instr/panel/parameter_keys.h"

namespace zephel::registration {
using namespace records;
using parameter_keys::find_key;

// The host's ATC identifier text, fetched before every refresh; null until the first one.
const char* atc_text = nullptr;

UINT32 colour_component(const char* text, char key, UINT32 current) {
    const char* k = find_key(text, key);
    if (!k) return current;
    const auto n = static_cast<UINT32>(parameter_keys::read_decimal(k + 1));
    return n > 255 ? 255 : n;  // a negative number, taken as unsigned, is as bright as it gets
}

// Set-up: f names the font (the text ends at the f for every later search), then r, g and b
// replace the colour's components.
void set_up(char* text, ELEMENT_STRING& plate) {
    if (char* f = find_key(text, 'f')) {
        // The font field holds 31 characters and the terminating zero; a longer name is cut.
        std::snprintf(plate.font_name, sizeof plate.font_name, "%s", f + 1);
        *f = '\0';
    }
    const UINT32 red = colour_component(text, 'r', plate.fg_color & 0xFF);
    const UINT32 green = colour_component(text, 'g', (plate.fg_color >> 8) & 0xFF);
    const UINT32 blue = colour_component(text, 'b', (plate.fg_color >> 16) & 0xFF);
    plate.fg_color = red | green << 8 | blue << 16;
}

void GAUGE_API gauge_callback(GAUGEHDR* pgauge, SINT32 service_id, PTRWORD) {
    if (service_id == PANEL_SERVICE_PRE_UPDATE) {
        panel::execute_calculator_code("(A:ATC ID,string)", nullptr, nullptr, &atc_text);
        return;
    }
    if (service_id != PANEL_SERVICE_PRE_INSTALL || !pgauge || !pgauge->parameters || !*pgauge->parameters) return;
    ELEMENT_HEADER* background = pgauge->elements_list ? pgauge->elements_list[0] : nullptr;
    ELEMENT_HEADER* plate = background && background->next_element ? background->next_element[0] : nullptr;
    if (plate && plate->element_type == ELEMENT_TYPE_STRING)
        set_up(pgauge->parameters, *reinterpret_cast<ELEMENT_STRING*>(plate));
}

// The registration: the text after a leading t, else the ATC identifier (nothing before the
// host has given one); cut at the first blank, with underscores shown as blanks.
FLOAT64 GAUGE_API plate_text(ELEMENT_HEADER* pelement) {
    auto* plate = reinterpret_cast<ELEMENT_STRING*>(pelement);
    const char* text = pelement->gauge_header ? pelement->gauge_header->parameters : nullptr;
    const char* source = text && text[0] == 't' ? text + 1 : atc_text;
    if (plate->string) {
        std::snprintf(plate->string, plate->char_count + 1, "%s", source ? source : "");
        if (char* blank = find_key(plate->string, ' ')) *blank = '\0';
        for (char* u = find_key(plate->string, '_'); u; u = find_key(u, '_')) *u = ' ';
    }
    return plate->source_var[0].var_value;
}

extern ELEMENT_STRING plate;
ELEMENT_HEADER* after_background[] = {&plate.header, nullptr};

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 60,
    .gauge_header = &registration_gauge, .next_element = after_background, .image_flags = 0x3}};

ELEMENT_STRING plate{
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = -1, .position = {0, 0},
               .gauge_header = &registration_gauge, .image_flags = 0x3},
    .update_cb = plate_text,
    .img_size = {150, 25},
    .fg_color = 0xFFFFFF,
    .bg_color = 0x000000,
    .hilite_color = 0x5C5C5C,
    .font_name = "Arial",
    .font_weight = 400,
    .font_charset = 1,
    .draw_text_flags = 0x25,
    .char_count = 7,
};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Registration number"),
    end_region(),
    end_list(),
};

}  // namespace zephel::registration

GAUGEHDR zephel::registration_gauge =
    records::gauge_header("Registration", 150, zephel::registration::elements,
                          zephel::registration::mouse, zephel::registration::gauge_callback);
