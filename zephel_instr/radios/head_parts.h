// What the radio heads (COM, NAV, ADF, transponder) have in common: their digit drums, knobs,
// switch pictures and click boxes, digits lit only while the head is powered, two-position
// switches that click, and the audio state pushed to the simulator on every refresh.
#pragma once

#include <cmath>
#include <cstddef>

#include "common/gauge_records.h"
#include "zephel_instr/sound/sound.h"

namespace zephel::radio_parts {

// ---- records ----

// A digit drum: a strip that rolls through `travel` digits, its position from `digit`.
constexpr ELEMENT_MOVING_IMAGE drum(GAUGEHDR& gauge, SINT32 bitmap, PIXPOINT at, double travel,
                                    PELEMENT_CALLBACK digit, ELEMENT_HEADER** next,
                                    FAILURE_RECORD* failures, UINT32 variable = 0) {
    return {.header = records::element_header(ELEMENT_TYPE_MOVING_IMAGE, bitmap, at, {}, &gauge, next, failures,
                                              0x83),
            .source_var_y = {.id = variable},
            .min_y = 0,
            .max_y = travel,
            .update_y = digit};
}

constexpr ELEMENT_ICON icon(GAUGEHDR& gauge, SINT32 bitmap, PIXPOINT at, UINT32 flags, UINT32 pictures,
                            PELEMENT_CALLBACK value, ELEMENT_HEADER** next, FAILURE_RECORD* failures = nullptr,
                            UINT32 variable = 0) {
    return {.header = records::element_header(ELEMENT_TYPE_ICON, bitmap, at, {}, &gauge, next, failures, flags),
            .source_var = {.id = variable},
            .scale = 1.0,
            .update_cb = value,
            .picture_count = pictures};
}

// A tuning knob drawn as a needle turning about `centre`, `pivot` being its centre in the bitmap.
template <std::size_t N>
constexpr ELEMENT_NEEDLE knob(GAUGEHDR& gauge, SINT32 bitmap, PIXPOINT centre, PIXPOINT pivot,
                              NONLINEARITY (&table)[N], PELEMENT_CALLBACK value, ELEMENT_HEADER** next,
                              UINT32 variable = 0) {
    return {.header = records::element_header(ELEMENT_TYPE_NEEDLE, bitmap, centre, pivot, &gauge, next, nullptr,
                                              0x83),
            .source_var = {.id = variable},
            .update_cb = value,
            .nonlinearity = table,
            .nonlinearity_count = N};
}

// Click boxes: knob halves and digit boxes repeat while the button is held; switches do not.
constexpr UINT32 HELD_LEFT = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;
constexpr MOUSERECT decrease(PIXBOX box, PMOUSE_CALLBACK handler) {
    return records::click_callback(box, CURSOR_DOWNARROW, HELD_LEFT, handler);
}
constexpr MOUSERECT increase(PIXBOX box, PMOUSE_CALLBACK handler) {
    return records::click_callback(box, CURSOR_UPARROW, HELD_LEFT, handler);
}
constexpr MOUSERECT switch_box(PIXBOX box, PMOUSE_CALLBACK handler) {
    return records::click_callback(box, CURSOR_HAND, MOUSE_LEFTSINGLE, handler);
}

// ---- behaviour ----

// The digits of a decoded number (a frequency, a squawk code).
inline double thousands_digit(double x) { return std::floor(x / 1000); }
inline double hundreds_digit(double x) { return std::floor((x - 1000 * thousands_digit(x)) / 100); }
inline double tens_digit(double x) { return std::floor((x - 100 * std::floor(x / 100)) / 10); }
inline double units_digit(double x) { return x - 10 * std::floor(x / 10); }

// A display element is always drawn, lit only while its head is powered.
inline FLOAT64 lit_while_powered(ELEMENT_HEADER* element, SINT32 power_on, FLOAT64 value) {
    if (power_on)
        element->image_flags |= IMAGE_USE_LUMINOUS;
    else
        element->image_flags &= ~IMAGE_USE_LUMINOUS;
    element->image_flags &= ~IMAGE_NO_STATIC_BLENDING;
    return value;
}

// The overlay shown only while the head is powered.
inline FLOAT64 shown_while_powered(SINT32 power_on) { return power_on ? 0.0 : -1.0; }

// A digit's knob half or display box: its event while the head is powered, with no limit of
// the head's own (the simulator keeps the digit in range).
template <auto& head_state, UINT32 event>
BOOL32 GAUGE_API step_while_powered(PIXPOINT*, UINT32) {
    if (head_state.power_on) panel::trigger_key_event(event, 0);
    return 0;
}

// A two-position switch with one box per position: moving it clicks; clicking the position
// it is already in does nothing. Returns whether it moved.
inline bool move_switch(SINT32& position, SINT32 to, sound::GaugeSound& sound) {
    if (position == to) return false;
    position = to;
    sound::click(sound);
    return true;
}

// The service work every head shares: its click sound made at set-up and released at the
// kill, and its frequency or code decoded before every refresh.
inline void serve_head(SINT32 service_id, PTRWORD extra_data, sound::GaugeSound& sound, void (*decode)()) {
    switch (service_id) {
        case PANEL_SERVICE_PRE_INSTALL:
            sound::set_up(sound, extra_data);
            break;
        case PANEL_SERVICE_PRE_UPDATE:
            decode();
            break;
        case PANEL_SERVICE_PRE_KILL:
            sound::tear_down(sound);
            break;
        default:
            break;
    }
}

// A head's audio events. The switch icons push the audio state on every refresh, so the
// simulator follows the switches whatever else changed it.
struct AudioEvents {
    UINT32 enable;
    UINT32 disable;
};

// The power switch icon: off silences the station; on lets the audio switch decide.
inline FLOAT64 power_switch_pushing_audio(SINT32 power_on, SINT32 audio_on, AudioEvents audio) {
    if (!power_on) {
        panel::trigger_key_event(audio.disable, 0);
        return 0;
    }
    if (audio_on) panel::trigger_key_event(audio.enable, 0);
    return 1;
}

// The audio switch icon: on sounds the station while powered; off silences it.
inline FLOAT64 audio_switch_pushing_audio(SINT32 power_on, SINT32 audio_on, AudioEvents audio) {
    if (!audio_on) {
        panel::trigger_key_event(audio.disable, 0);
        return 0;
    }
    if (power_on) panel::trigger_key_event(audio.enable, 0);
    return 1;
}

}  // namespace zephel::radio_parts
