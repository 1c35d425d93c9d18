// VHF radio control heads: Radio_NAV1 and Radio_NAV2 (one design built twice) and Radio_COM1,
// each with frequency drums, tuning knobs and its own power switch; the NAV heads also have
// an audio switch. The heads keep no frequency: they read the simulator's BCD frequency token
// and tune it with the simulator's increment and decrement events.
#include <cmath>

#include "common/conversions.h"
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"
#include "zephel_instr/radios/head_parts.h"
#include "zephel_instr/radios/radio_heads.h"

namespace zephel {
RadioHeadState com1_state;
RadioHeadState nav1_state;
RadioHeadState nav2_state;
}  // namespace zephel

namespace zephel::vhf_heads {
using namespace radio_parts;

// The frequency token holds four BCD digits: tens and units of MHz, tenths and hundredths,
// the leading 1 of the hundreds left out (118.95 MHz is 0x1895).
UINT32 frequency_bcd(UINT32 token) { return conv::to_uint32(panel::read_var(token)); }

// Whole megahertz from the two MHz digits, on both bands. (Decoding by subtracting a band
// base would wrap to nonsense below the base, e.g. before the simulator sets a frequency.)
double decode_whole_mhz(UINT32 token) {
    const UINT32 v = frequency_bcd(token);
    return 100 + 10 * ((v >> 12) & 0xF) + ((v >> 8) & 0xF);
}

// Hundredths of a megahertz: the two fraction digits read as a decimal number (0x95 is 95).
double decode_fraction(UINT32 token) {
    const UINT32 v = frequency_bcd(token);
    return 10 * ((v >> 4) & 0xF) + (v & 0xF);
}

struct VhfHead {
    RadioHeadState& state;
    sound::GaugeSound& sound;
    UINT32 frequency_token;
    UINT32 whole_down_event, whole_up_event, fraction_down_event, fraction_up_event;
    double lowest_whole_mhz;   // the decrease knob stops here
    double highest_whole_mhz;  // the increase knob stops here
    AudioEvents audio;         // COM: no audio switch, only the disable event sent at install
    bool has_audio_switch;
};

sound::GaugeSound com1_sound{.wave_id = 30};
sound::GaugeSound nav1_sound{.wave_id = 30};
sound::GaugeSound nav2_sound{.wave_id = 30};

// COM tunes up to 135 MHz only, although 136 decodes and shows. Its install silences NAV1's
// station audio (0x10128), having no audio of its own.
constexpr VhfHead com1{com1_state, com1_sound, 23, 0x10064, 0x10065, 0x10066, 0x10067, 118, 135,
                       {0, 0x10128}, false};
constexpr VhfHead nav1{nav1_state, nav1_sound, 24, 0x10068, 0x10069, 0x1006A, 0x1006B, 108, 117,
                       {0x1012D, 0x10128}, true};
// NAV2 drives its own station-audio pair, the one Shut_Down silences NAV2 with. Were it to
// send NAV1's pair, the two heads would push opposite states into NAV1's audio on every
// refresh whenever their switches differ.
constexpr VhfHead nav2{nav2_state, nav2_sound, 27, 0x1006C, 0x1006D, 0x1006E, 0x1006F, 108, 117,
                       {0x1012E, 0x10129}, true};

// The callbacks of one head.
template <const VhfHead& head>
struct Callbacks {
    static constexpr RadioHeadState& state = head.state;

    // ---- display: drums and fixed figures, lit while powered; knobs turn with the cache ----
    static FLOAT64 GAUGE_API hundredths_drum(ELEMENT_HEADER* e) {
        return lit_while_powered(e, state.power_on, units_digit(state.fraction));
    }
    static FLOAT64 GAUGE_API tenths_drum(ELEMENT_HEADER* e) {
        return lit_while_powered(e, state.power_on, std::floor(state.fraction / 10));
    }
    static FLOAT64 GAUGE_API units_drum(ELEMENT_HEADER* e) {
        return lit_while_powered(e, state.power_on, units_digit(state.whole_mhz));
    }
    static FLOAT64 GAUGE_API tens_drum(ELEMENT_HEADER* e) {
        return lit_while_powered(e, state.power_on, tens_digit(state.whole_mhz));
    }
    // The leading 1 and COM's decimal point.
    static FLOAT64 GAUGE_API fixed_figure(ELEMENT_HEADER* e) { return lit_while_powered(e, state.power_on, 0); }
    static FLOAT64 GAUGE_API fraction_knob(ELEMENT_HEADER*) { return state.fraction; }
    static FLOAT64 GAUGE_API whole_knob(ELEMENT_HEADER*) { return state.whole_mhz; }
    static FLOAT64 GAUGE_API power_switch(ELEMENT_HEADER*) {
        if (!head.has_audio_switch) return state.power_on ? 1 : 0;
        return power_switch_pushing_audio(state.power_on, state.audio_on, head.audio);
    }
    static FLOAT64 GAUGE_API audio_switch(ELEMENT_HEADER*) {
        return audio_switch_pushing_audio(state.power_on, state.audio_on, head.audio);
    }
    static FLOAT64 GAUGE_API powered_lamp(ELEMENT_HEADER*) { return shown_while_powered(state.power_on); }

    // ---- knobs: nothing is sent while unpowered; whole megahertz stop at the band's ends ----
    static BOOL32 GAUGE_API whole_down(PIXPOINT*, UINT32) {
        state.whole_mhz = decode_whole_mhz(head.frequency_token);
        if (state.whole_mhz > head.lowest_whole_mhz && state.power_on)
            panel::trigger_key_event(head.whole_down_event, 0);
        return 0;
    }
    static BOOL32 GAUGE_API whole_up(PIXPOINT*, UINT32) {
        state.whole_mhz = decode_whole_mhz(head.frequency_token);
        if (state.whole_mhz < head.highest_whole_mhz && state.power_on)
            panel::trigger_key_event(head.whole_up_event, 0);
        return 0;
    }
    // The simulator wraps the fraction itself.
    static BOOL32 GAUGE_API fraction_down(PIXPOINT*, UINT32) {
        state.fraction = decode_fraction(head.frequency_token);
        if (state.power_on) panel::trigger_key_event(head.fraction_down_event, 0);
        return 0;
    }
    static BOOL32 GAUGE_API fraction_up(PIXPOINT*, UINT32) {
        state.fraction = decode_fraction(head.frequency_token);
        if (state.power_on) panel::trigger_key_event(head.fraction_up_event, 0);
        return 0;
    }

    // ---- switches ----
    static BOOL32 GAUGE_API power_off(PIXPOINT*, UINT32) {
        if (move_switch(state.power_on, 0, head.sound) && head.has_audio_switch)
            panel::trigger_key_event(head.audio.disable, 0);
        return 0;
    }
    static BOOL32 GAUGE_API power_on(PIXPOINT*, UINT32) {
        move_switch(state.power_on, 1, head.sound);
        return 0;
    }
    static BOOL32 GAUGE_API audio_off(PIXPOINT*, UINT32) {
        move_switch(state.audio_on, 0, head.sound);
        return 0;
    }
    static BOOL32 GAUGE_API audio_on(PIXPOINT*, UINT32) {
        move_switch(state.audio_on, 1, head.sound);
        return 0;
    }

    static void decode_frequency() {
        state.whole_mhz = decode_whole_mhz(head.frequency_token);
        state.fraction = decode_fraction(head.frequency_token);
    }

    // Every install starts the head unpowered and silent.
    static void GAUGE_API gauge_callback(GAUGEHDR*, SINT32 service_id, PTRWORD extra_data) {
        if (service_id == PANEL_SERVICE_PRE_INSTALL) {
            state.power_on = 0;
            state.audio_on = 0;
            panel::trigger_key_event(head.audio.disable, 0);
        }
        serve_head(service_id, extra_data, head.sound, decode_frequency);
    }
};

// The display elements go dark when the avionics supply fails.
FAILURE_RECORD unlit_without_avionics[] = {{21, FAIL_ACTION_NO_DRAW, 0}, {}};

}  // namespace zephel::vhf_heads

// ---- Radio_COM1: COM radio head, 118.00 to 136.95 MHz.

namespace zephel::radio_com1 {
using namespace records;
using namespace radio_parts;
using on = vhf_heads::Callbacks<vhf_heads::com1>;
using vhf_heads::unlit_without_avionics;

extern ELEMENT_MOVING_IMAGE hundredths, tenths, units, tens;
extern ELEMENT_ICON decimal_point, leading_one, power_switch, powered_lamp;
extern ELEMENT_NEEDLE fraction_knob, whole_knob;
ELEMENT_HEADER* to_hundredths[] = {&hundredths.header, nullptr};
ELEMENT_HEADER* to_tenths[] = {&tenths.header, nullptr};
ELEMENT_HEADER* to_decimal_point[] = {&decimal_point.header, nullptr};
ELEMENT_HEADER* to_units[] = {&units.header, nullptr};
ELEMENT_HEADER* to_tens[] = {&tens.header, nullptr};
ELEMENT_HEADER* to_leading_one[] = {&leading_one.header, nullptr};
ELEMENT_HEADER* to_fraction_knob[] = {&fraction_knob.header, nullptr};
ELEMENT_HEADER* to_whole_knob[] = {&whole_knob.header, nullptr};
ELEMENT_HEADER* to_power_switch[] = {&power_switch.header, nullptr};
ELEMENT_HEADER* to_powered_lamp[] = {&powered_lamp.header, nullptr};

// Half a turn per 50 hundredths and per 4 MHz.
NONLINEARITY fraction_table[] = {{{277, 195}, 0, 0}, {{277, 295}, 50, 0}};
NONLINEARITY whole_table[] = {{{72, 198}, 118, 0}, {{72, 298}, 122, 0}};

GAUGEHDR& g = radio_com1_gauge;
ELEMENT_STATIC_IMAGE background{.header = element_header(ELEMENT_TYPE_STATIC_IMAGE, 4200, {0, 0}, {}, &g,
                                                         to_hundredths, nullptr, 0x3)};
ELEMENT_MOVING_IMAGE hundredths = drum(g, 4260, {227, 77}, 10, on::hundredths_drum, to_tenths, unlit_without_avionics);
ELEMENT_MOVING_IMAGE tenths = drum(g, 4230, {196, 77}, 10, on::tenths_drum, to_decimal_point, unlit_without_avionics);
ELEMENT_ICON decimal_point = icon(g, 4220, {185, 77}, 0x83, 1, on::fixed_figure, to_units, unlit_without_avionics);
ELEMENT_MOVING_IMAGE units = drum(g, 4230, {155, 77}, 10, on::units_drum, to_tens, unlit_without_avionics);
ELEMENT_MOVING_IMAGE tens = drum(g, 4240, {124, 77}, 3, on::tens_drum, to_leading_one, unlit_without_avionics);
ELEMENT_ICON leading_one = icon(g, 4250, {99, 77}, 0x83, 1, on::fixed_figure, to_fraction_knob, unlit_without_avionics);
ELEMENT_NEEDLE fraction_knob = knob(g, 4210, {277, 245}, {53, 53}, fraction_table, on::fraction_knob, to_whole_knob);
ELEMENT_NEEDLE whole_knob = knob(g, 4210, {72, 248}, {53, 53}, whole_table, on::whole_knob, to_power_switch);
ELEMENT_ICON power_switch = icon(g, 4270, {207, 175}, 0x3, 2, on::power_switch, to_powered_lamp);
ELEMENT_ICON powered_lamp = icon(g, 4280, {304, 97}, 0x7, 1, on::powered_lamp, nullptr, unlit_without_avionics);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xA701),
    help_region({99, 77, 168, 54}, 0xA711),
    end_region(),
    decrease({16, 201, 56, 90}, on::whole_down),
    increase({72, 201, 56, 90}, on::whole_up),
    decrease({222, 201, 56, 90}, on::fraction_down),
    increase({278, 201, 56, 90}, on::fraction_up),
    switch_box({167, 231, 52, 30}, on::power_off),
    switch_box({180, 171, 52, 30}, on::power_on),
    // The upper and lower halves of the MHz digits, then of the decimal digits.
    increase({98, 56, 84, 47}, on::whole_up),
    decrease({98, 106, 84, 47}, on::whole_down),
    increase({185, 56, 84, 47}, on::fraction_up),
    decrease({185, 106, 84, 47}, on::fraction_down),
    end_region(),
    end_list(),
};

}  // namespace zephel::radio_com1

GAUGEHDR zephel::radio_com1_gauge =
    records::gauge_header("Radio_COM1", 100, zephel::radio_com1::elements, zephel::radio_com1::mouse,
                          zephel::radio_com1::on::gauge_callback);

// ---- Radio_NAV1 and Radio_NAV2: the NAV receiver heads, 108.00 to 117.95 MHz. The two share
// every bitmap but the background.

namespace zephel::nav_heads {
using namespace records;
using namespace radio_parts;
using vhf_heads::unlit_without_avionics;

// Half a turn per 50 hundredths and per 4 MHz.
NONLINEARITY fraction_table[] = {{{195, 11}, 0, 0}, {{195, 79}, 50, 0}};
NONLINEARITY whole_table[] = {{{79, 11}, 108, 0}, {{79, 79}, 112, 0}};

struct HelpIds {
    UINT32 whole_gauge, frequency, knob;
};

// One NAV head's records, in chain order, with its mouse list.
template <const vhf_heads::VhfHead& head>
struct NavHeadRecords {
    using on = vhf_heads::Callbacks<head>;

    ELEMENT_STATIC_IMAGE background;
    ELEMENT_MOVING_IMAGE hundredths, tenths, units, tens;
    ELEMENT_ICON leading_one;
    ELEMENT_NEEDLE fraction_knob, whole_knob;
    ELEMENT_ICON audio_switch, power_switch, powered_lamp;
    ELEMENT_HEADER* to_hundredths[2]{&hundredths.header, nullptr};
    ELEMENT_HEADER* to_tenths[2]{&tenths.header, nullptr};
    ELEMENT_HEADER* to_units[2]{&units.header, nullptr};
    ELEMENT_HEADER* to_tens[2]{&tens.header, nullptr};
    ELEMENT_HEADER* to_leading_one[2]{&leading_one.header, nullptr};
    ELEMENT_HEADER* to_fraction_knob[2]{&fraction_knob.header, nullptr};
    ELEMENT_HEADER* to_whole_knob[2]{&whole_knob.header, nullptr};
    ELEMENT_HEADER* to_audio_switch[2]{&audio_switch.header, nullptr};
    ELEMENT_HEADER* to_power_switch[2]{&power_switch.header, nullptr};
    ELEMENT_HEADER* to_powered_lamp[2]{&powered_lamp.header, nullptr};
    ELEMENT_HEADER* elements[2]{&background.header, nullptr};
    MOUSERECT mouse[17];

    constexpr NavHeadRecords(GAUGEHDR& g, SINT32 background_bitmap, HelpIds help)
        : background{.header = element_header(ELEMENT_TYPE_STATIC_IMAGE, background_bitmap, {0, 0}, {}, &g,
                                              to_hundredths, nullptr, 0x3)},
          hundredths{drum(g, 2290, {159, 36}, 10, on::hundredths_drum, to_tenths, unlit_without_avionics)},
          tenths{drum(g, 2290, {146, 36}, 10, on::tenths_drum, to_units, unlit_without_avionics)},
          units{drum(g, 2290, {128, 36}, 10, on::units_drum, to_tens, unlit_without_avionics)},
          tens{drum(g, 2300, {115, 36}, 1, on::tens_drum, to_leading_one, unlit_without_avionics)},
          leading_one{icon(g, 2310, {102, 36}, 0x83, 1, on::fixed_figure, to_fraction_knob, unlit_without_avionics)},
          fraction_knob{knob(g, 2280, {195, 45}, {17, 17}, fraction_table, on::fraction_knob, to_whole_knob)},
          whole_knob{knob(g, 2280, {79, 45}, {17, 17}, whole_table, on::whole_knob, to_audio_switch)},
          audio_switch{icon(g, 2330, {225, 47}, 0x3, 2, on::audio_switch, to_power_switch, unlit_without_avionics)},
          power_switch{icon(g, 2320, {25, 32}, 0x3, 2, on::power_switch, to_powered_lamp)},
          powered_lamp{icon(g, 2340, {272, 44}, 0x7, 1, on::powered_lamp, nullptr, unlit_without_avionics)},
          mouse{
              help_region(WHOLE_GAUGE, help.whole_gauge),
              help_region({102, 36, 70, 18}, help.frequency),
              end_region(),
              help_region({62, 28, 34, 34}, help.knob),
              decrease({0, 0, 17, 34}, on::whole_down),
              increase({17, 0, 17, 34}, on::whole_up),
              end_region(),
              help_region({178, 28, 34, 34}, help.knob),
              decrease({0, 0, 17, 34}, on::fraction_down),
              increase({17, 0, 17, 34}, on::fraction_up),
              end_region(),
              switch_box({25, 58, 28, 26}, on::power_off),
              switch_box({25, 32, 28, 26}, on::power_on),
              switch_box({225, 47, 17, 34}, on::audio_off),
              switch_box({242, 47, 17, 34}, on::audio_on),
              end_region(),
              end_list(),
          } {}
};

NavHeadRecords<vhf_heads::nav1> nav1{radio_nav1_gauge, 2270, {0xA700, 0xA715, 0xA714}};
NavHeadRecords<vhf_heads::nav2> nav2{radio_nav2_gauge, 2370, {0xA702, 0xA717, 0xA716}};

}  // namespace zephel::nav_heads

GAUGEHDR zephel::radio_nav1_gauge =
    records::gauge_header("Radio_NAV1", 100, zephel::nav_heads::nav1.elements, zephel::nav_heads::nav1.mouse,
                          zephel::vhf_heads::Callbacks<zephel::vhf_heads::nav1>::gauge_callback);
GAUGEHDR zephel::radio_nav2_gauge =
    records::gauge_header("Radio_NAV2", 100, zephel::nav_heads::nav2.elements, zephel::nav_heads::nav2.mouse,
                          zephel::vhf_heads::Callbacks<zephel::vhf_heads::nav2>::gauge_callback);
