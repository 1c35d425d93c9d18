// Radio_IFF_XPDR: IFF/transponder head: squawk-code drums set digit by digit through the
// simulator's transponder events, and a power toggle that keeps its position across panel
// loads. The second switch picture on the head is fixed.
#include <cmath>

#include "common/conversions.h"
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"
#include "zephel_instr/radios/head_parts.h"
#include "zephel_instr/radios/radio_heads.h"

namespace zephel {
TransponderHeadState xpdr_state;
}

namespace zephel::radio_iff_xpdr {
using namespace records;
using namespace radio_parts;

enum : UINT32 {
    CODE_TOKEN = 0x26,  // the code as four BCD digits
    THOUSANDS_UP = 0x10073, THOUSANDS_DOWN = 0x10397,
    HUNDREDS_UP = 0x10074, HUNDREDS_DOWN = 0x10398,
    TENS_UP = 0x10075, TENS_DOWN = 0x10399,
    UNITS_UP = 0x10076, UNITS_DOWN = 0x1039A,
};

sound::GaugeSound click_sound{.wave_id = 30};
TransponderHeadState& state = xpdr_state;

// The squawk code as a decimal number (0x7700 is 7700).
double decode_squawk() {
    double v = conv::to_uint32(panel::read_var(CODE_TOKEN));
    const double thousands = std::floor(v / 4096);
    v -= 4096 * thousands;
    const double hundreds = std::floor(v / 256);
    v -= 256 * hundreds;
    const double tens = std::floor(v / 16);
    const double units = v - 16 * tens;
    return 1000 * thousands + 100 * hundreds + 10 * tens + units;
}

// Each drum decodes the code afresh and is lit only while the head is powered.
template <double (*digit)(double)>
FLOAT64 GAUGE_API code_drum(ELEMENT_HEADER* e) {
    state.code = decode_squawk();
    return lit_while_powered(e, state.power_on, digit(state.code));
}
FLOAT64 GAUGE_API powered_lamp(ELEMENT_HEADER*) { return shown_while_powered(state.power_on); }
FLOAT64 GAUGE_API power_switch(ELEMENT_HEADER*) { return state.power_on ? 1 : 0; }

template <UINT32 event>
constexpr PMOUSE_CALLBACK step_digit = step_while_powered<xpdr_state, event>;

BOOL32 GAUGE_API power_toggle(PIXPOINT*, UINT32) {
    move_switch(state.power_on, !state.power_on, click_sound);
    return 0;
}

// The fixed switch's box takes the click and does nothing.
BOOL32 GAUGE_API fixed_switch(PIXPOINT*, UINT32) { return 0; }

void decode_code() { state.code = decode_squawk(); }

// The power toggle keeps its position at set-up.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32 service_id, PTRWORD extra_data) {
    serve_head(service_id, extra_data, click_sound, decode_code);
}

// The display goes dark when the avionics supply fails.
FAILURE_RECORD unlit_without_avionics[] = {{21, FAIL_ACTION_NO_DRAW, 0}, {}};

extern ELEMENT_MOVING_IMAGE units, tens, hundreds, thousands;
extern ELEMENT_ICON fixed_switch_picture, lamp, power;
ELEMENT_HEADER* to_units[] = {&units.header, nullptr};
ELEMENT_HEADER* to_tens[] = {&tens.header, nullptr};
ELEMENT_HEADER* to_hundreds[] = {&hundreds.header, nullptr};
ELEMENT_HEADER* to_thousands[] = {&thousands.header, nullptr};
ELEMENT_HEADER* to_fixed_switch[] = {&fixed_switch_picture.header, nullptr};
ELEMENT_HEADER* to_lamp[] = {&lamp.header, nullptr};
ELEMENT_HEADER* to_power[] = {&power.header, nullptr};

GAUGEHDR& g = radio_iff_xpdr_gauge;
ELEMENT_STATIC_IMAGE background{.header = element_header(ELEMENT_TYPE_STATIC_IMAGE, 1000, {0, 0}, {}, &g, to_units,
                                                         nullptr, 0x3)};
ELEMENT_MOVING_IMAGE units = drum(g, 1010, {187, 59}, 10, code_drum<units_digit>, to_tens, unlit_without_avionics,
                                  CODE_TOKEN);
ELEMENT_MOVING_IMAGE tens = drum(g, 1010, {164, 59}, 10, code_drum<tens_digit>, to_hundreds, unlit_without_avionics);
ELEMENT_MOVING_IMAGE hundreds = drum(g, 1010, {141, 59}, 10, code_drum<hundreds_digit>, to_thousands,
                                     unlit_without_avionics, CODE_TOKEN);
ELEMENT_MOVING_IMAGE thousands = drum(g, 1010, {118, 59}, 10, code_drum<thousands_digit>, to_fixed_switch,
                                      unlit_without_avionics, CODE_TOKEN);
// No variable and no callback: always its first picture.
ELEMENT_ICON fixed_switch_picture = icon(g, 1040, {209, 29}, 0x3, 2, nullptr, to_lamp, unlit_without_avionics);
ELEMENT_ICON lamp = icon(g, 1030, {53, 79}, 0x7, 1, powered_lamp, to_power, unlit_without_avionics);
ELEMENT_ICON power = icon(g, 1020, {27, 8}, 0x3, 2, power_switch, nullptr);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xA70A),
    tooltip_help(0x3180),
    switch_box({29, 12, 24, 60}, power_toggle),
    help_region({118, 59, 78, 17}, 0xAA62),
    end_region(),
    decrease({111, 68, 23, 23}, step_digit<THOUSANDS_DOWN>),
    increase({111, 44, 23, 23}, step_digit<THOUSANDS_UP>),
    decrease({135, 68, 23, 23}, step_digit<HUNDREDS_DOWN>),
    increase({135, 44, 23, 23}, step_digit<HUNDREDS_UP>),
    decrease({159, 68, 23, 23}, step_digit<TENS_DOWN>),
    increase({159, 44, 23, 23}, step_digit<TENS_UP>),
    decrease({183, 68, 23, 23}, step_digit<UNITS_DOWN>),
    increase({183, 44, 23, 23}, step_digit<UNITS_UP>),
    switch_box({209, 29, 26, 32}, fixed_switch),
    end_region(),
    end_list(),
};

}  // namespace zephel::radio_iff_xpdr

GAUGEHDR zephel::radio_iff_xpdr_gauge =
    records::gauge_header("Radio_IFF_XPDR", 100, zephel::radio_iff_xpdr::elements, zephel::radio_iff_xpdr::mouse,
                          zephel::radio_iff_xpdr::gauge_callback);
