// Radio_ADF: ADF control head: frequency drums (100.0 to 1699.x kHz), three concentric knobs,
// a power switch and a tone switch. Tuning goes digit by digit through the simulator's ADF
// events. Unlike the VHF heads its switches keep their positions across panel loads.
#include <cmath>

#include "common/conversions.h"
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"
#include "zephel_instr/radios/head_parts.h"
#include "zephel_instr/radios/radio_heads.h"

namespace zephel {
AdfHeadState adf_state;
}

namespace zephel::radio_adf {
using namespace records;
using namespace radio_parts;

enum : UINT32 {
    FREQUENCY_TOKEN = 0x10,           // hundreds, tens and units of kHz, BCD
    EXTENDED_FREQUENCY_TOKEN = 0x12,  // 0x100 from 1000 kHz up, plus the tenths digit
    AUDIO_TOKEN = 0x370,
    HUNDREDS_UP = 0x10070, HUNDREDS_DOWN = 0x10082,
    TENS_UP = 0x10071, TENS_DOWN = 0x10083,
    UNITS_UP = 0x10072, UNITS_DOWN = 0x10084,
    TENTHS_UP = 0x10396, TENTHS_DOWN = 0x10395,
};
constexpr AudioEvents AUDIO{0x10131, 0x1012C};

sound::GaugeSound click_sound{.wave_id = 30};
AdfHeadState& state = adf_state;

// Whole kilohertz from the BCD digits, the thousands from the extended token.
double decode_adf_khz() {
    const double v = conv::to_uint32(panel::read_var(FREQUENCY_TOKEN));
    const double e = conv::to_uint32(panel::read_var(EXTENDED_FREQUENCY_TOKEN));
    const double thousands = e >= 0x100 ? 1 : 0;
    const double hundreds = std::floor(v / 256);
    const double r = v - 256 * hundreds;
    const double tens = std::floor(r / 16);
    const double units = r - 16 * tens;
    return 1000 * thousands + 100 * hundreds + 10 * tens + units;
}

double decode_adf_tenths() {
    const double e = conv::to_uint32(panel::read_var(EXTENDED_FREQUENCY_TOKEN));
    return e >= 256 ? e - 256 : e;
}

// Every display element decodes the frequency afresh.
double refreshed_khz() { return state.frequency_khz = decode_adf_khz(); }

FLOAT64 GAUGE_API tenths_drum(ELEMENT_HEADER* e) {
    state.tenths_digit = decode_adf_tenths();
    return lit_while_powered(e, state.power_on, state.tenths_digit);
}
FLOAT64 GAUGE_API decimal_point(ELEMENT_HEADER* e) { return lit_while_powered(e, state.power_on, 0); }
FLOAT64 GAUGE_API units_drum(ELEMENT_HEADER* e) {
    return lit_while_powered(e, state.power_on, units_digit(refreshed_khz()));
}
FLOAT64 GAUGE_API tens_drum(ELEMENT_HEADER* e) {
    return lit_while_powered(e, state.power_on, tens_digit(refreshed_khz()));
}
FLOAT64 GAUGE_API hundreds_drum(ELEMENT_HEADER* e) {
    return lit_while_powered(e, state.power_on, hundreds_digit(refreshed_khz()));
}
FLOAT64 GAUGE_API thousands_icon(ELEMENT_HEADER* e) {
    return lit_while_powered(e, state.power_on, thousands_digit(refreshed_khz()));
}
// The knobs are never dimmed: the outer one turns with thousands and hundreds together.
FLOAT64 GAUGE_API outer_knob(ELEMENT_HEADER*) {
    const double f = refreshed_khz();
    return 10 * thousands_digit(f) + hundreds_digit(f);
}
FLOAT64 GAUGE_API middle_knob(ELEMENT_HEADER*) { return tens_digit(refreshed_khz()); }
FLOAT64 GAUGE_API inner_knob(ELEMENT_HEADER*) { return units_digit(refreshed_khz()); }
FLOAT64 GAUGE_API audio_switch(ELEMENT_HEADER*) {
    return audio_switch_pushing_audio(state.power_on, state.audio_on, AUDIO);
}
FLOAT64 GAUGE_API powered_lamp(ELEMENT_HEADER*) { return shown_while_powered(state.power_on); }
FLOAT64 GAUGE_API power_switch(ELEMENT_HEADER*) {
    return power_switch_pushing_audio(state.power_on, state.audio_on, AUDIO);
}

// ---- tuning from the cached frequency; nothing is sent while unpowered ----

template <UINT32 event>
constexpr PMOUSE_CALLBACK step_digit = step_while_powered<adf_state, event>;

// The hundreds run from 1xx to 16xx kHz and no further.
BOOL32 GAUGE_API hundreds_up(PIXPOINT* point, UINT32 flags) {
    const double f = state.frequency_khz;
    if (thousands_digit(f) == 0 || (thousands_digit(f) == 1 && hundreds_digit(f) < 6))
        step_digit<HUNDREDS_UP>(point, flags);
    return 0;
}
BOOL32 GAUGE_API hundreds_down(PIXPOINT* point, UINT32 flags) {
    const double f = state.frequency_khz;
    if (thousands_digit(f) == 1 || (thousands_digit(f) == 0 && hundreds_digit(f) > 1))
        step_digit<HUNDREDS_DOWN>(point, flags);
    return 0;
}

// ---- switches ----

BOOL32 GAUGE_API power_off(PIXPOINT*, UINT32) {
    move_switch(state.power_on, 0, click_sound);
    return 0;
}
BOOL32 GAUGE_API power_on(PIXPOINT*, UINT32) {
    move_switch(state.power_on, 1, click_sound);
    return 0;
}
// One box: every click flips the tone.
BOOL32 GAUGE_API audio_toggle(PIXPOINT*, UINT32) {
    move_switch(state.audio_on, !state.audio_on, click_sound);
    return 0;
}

void decode_frequency() {
    state.frequency_khz = decode_adf_khz();
    state.tenths_digit = decode_adf_tenths();
}

// The switches keep their positions at set-up.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32 service_id, PTRWORD extra_data) {
    serve_head(service_id, extra_data, click_sound, decode_frequency);
}

// The display goes dark when the electrical supply fails.
FAILURE_RECORD unlit_without_supply[] = {{20, FAIL_ACTION_NO_DRAW, 0}, {}};

// Half a turn per 5 steps on each knob.
NONLINEARITY outer_table[] = {{{97, 101}, 0, 0}, {{97, 161}, 5, 0}};
NONLINEARITY middle_table[] = {{{97, 108}, 0, 0}, {{97, 154}, 5, 0}};
NONLINEARITY inner_table[] = {{{97, 101}, 0, 0}, {{97, 161}, 5, 0}};

extern ELEMENT_MOVING_IMAGE tenths, units, tens, hundreds;
extern ELEMENT_ICON point, thousands, audio, lamp, power;
extern ELEMENT_NEEDLE outer, middle, inner;
ELEMENT_HEADER* to_tenths[] = {&tenths.header, nullptr};
ELEMENT_HEADER* to_point[] = {&point.header, nullptr};
ELEMENT_HEADER* to_units[] = {&units.header, nullptr};
ELEMENT_HEADER* to_tens[] = {&tens.header, nullptr};
ELEMENT_HEADER* to_hundreds[] = {&hundreds.header, nullptr};
ELEMENT_HEADER* to_thousands[] = {&thousands.header, nullptr};
ELEMENT_HEADER* to_outer[] = {&outer.header, nullptr};
ELEMENT_HEADER* to_middle[] = {&middle.header, nullptr};
ELEMENT_HEADER* to_inner[] = {&inner.header, nullptr};
ELEMENT_HEADER* to_audio[] = {&audio.header, nullptr};
ELEMENT_HEADER* to_lamp[] = {&lamp.header, nullptr};
ELEMENT_HEADER* to_power[] = {&power.header, nullptr};

GAUGEHDR& g = radio_adf_gauge;
constexpr UINT32 KHZ = FREQUENCY_TOKEN;
ELEMENT_STATIC_IMAGE background{.header = element_header(ELEMENT_TYPE_STATIC_IMAGE, 1200, {0, 0}, {}, &g, to_tenths,
                                                         nullptr, 0x3)};
ELEMENT_MOVING_IMAGE tenths = drum(g, 1240, {121, 45}, 10, tenths_drum, to_point, unlit_without_supply,
                                   EXTENDED_FREQUENCY_TOKEN);
ELEMENT_ICON point = icon(g, 1260, {116, 45}, 0x83, 1, decimal_point, to_units, unlit_without_supply);
ELEMENT_MOVING_IMAGE units = drum(g, 1240, {102, 45}, 10, units_drum, to_tens, unlit_without_supply, KHZ);
ELEMENT_MOVING_IMAGE tens = drum(g, 1240, {88, 45}, 10, tens_drum, to_hundreds, unlit_without_supply);
ELEMENT_MOVING_IMAGE hundreds = drum(g, 1240, {74, 45}, 10, hundreds_drum, to_thousands, unlit_without_supply, KHZ);
ELEMENT_ICON thousands = icon(g, 1250, {60, 45}, 0x83, 2, thousands_icon, to_outer, unlit_without_supply, KHZ);
ELEMENT_NEEDLE outer = knob(g, 1230, {97, 131}, {30, 30}, outer_table, outer_knob, to_middle, KHZ);
ELEMENT_NEEDLE middle = knob(g, 1220, {97, 131}, {23, 23}, middle_table, middle_knob, to_inner, KHZ);
ELEMENT_NEEDLE inner = knob(g, 1210, {97, 131}, {16, 16}, inner_table, inner_knob, to_audio, KHZ);
ELEMENT_ICON audio = icon(g, 1290, {170, 74}, 0x3, 2, audio_switch, to_lamp, nullptr, AUDIO_TOKEN);
ELEMENT_ICON lamp = icon(g, 1280, {90, 11}, 0x7, 1, powered_lamp, to_power, unlit_without_supply);
ELEMENT_ICON power = icon(g, 1270, {157, 122}, 0x3, 2, power_switch, nullptr);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
// The knob strip: six 12-pixel columns, decreasing on the left (hundreds outermost) and
// increasing on the right; over the display an up and a down box per digit.
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xA709),
    switch_box({135, 117, 27, 17}, power_off),
    switch_box({187, 105, 27, 17}, power_on),
    help_region({60, 45, 75, 33}, 0xAA56),
    end_region(),
    help_region({61, 115, 72, 32}, 0xAA55),
    end_region(),
    decrease({85, 115, 12, 32}, step_digit<UNITS_DOWN>),
    increase({97, 115, 12, 32}, step_digit<UNITS_UP>),
    decrease({73, 115, 12, 32}, step_digit<TENS_DOWN>),
    increase({109, 115, 12, 32}, step_digit<TENS_UP>),
    decrease({61, 115, 12, 32}, hundreds_down),
    increase({121, 115, 12, 32}, hundreds_up),
    help_region({170, 74, 24, 16}, 0xAA57),
    switch_box({0, 0, 24, 16}, audio_toggle),
    end_region(),
    increase({71, 23, 16, 35}, hundreds_up),
    decrease({71, 58, 16, 35}, hundreds_down),
    increase({87, 23, 16, 35}, step_digit<TENS_UP>),
    decrease({87, 58, 16, 35}, step_digit<TENS_DOWN>),
    increase({103, 23, 16, 35}, step_digit<UNITS_UP>),
    decrease({103, 58, 16, 35}, step_digit<UNITS_DOWN>),
    increase({119, 23, 16, 35}, step_digit<TENTHS_UP>),
    decrease({119, 58, 16, 35}, step_digit<TENTHS_DOWN>),
    end_region(),
    end_list(),
};

}  // namespace zephel::radio_adf

GAUGEHDR zephel::radio_adf_gauge =
    records::gauge_header("Radio_ADF", 100, zephel::radio_adf::elements, zephel::radio_adf::mouse,
                          zephel::radio_adf::gauge_callback);
