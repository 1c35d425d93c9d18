#include "host/aircraft.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <utility>

#include "common/conversions.h"

namespace host {

namespace {

enum class Action {
    toggle,            // the variable between 0 and `amount`
    move_to,           // the variable towards `amount`, all the way in `seconds`
    move_other_way,    // the variable towards 0 or 1, whichever it is not heading for
    mhz_step,          // a BCD frequency's whole megahertz by `amount`, wrapping within the band
    fraction_step,     // its hundredths by `amount`, wrapping within the megahertz
    adf_step,          // an ADF digit (`place` in kHz: 100, 10, 1, 0.1) by `amount`
    squawk_step,       // a squawk digit (`place`: 0x1000, 0x100, 0x10, 1) by `amount`, 0 to 7
    station_audio,     // a receiver's station audio on (`amount` 1) or off
    panel_window_toggle,  // the panel window whose ident is the event's value
    panel_window_open,
    panel_window_close,
    view_step,         // the view by `amount`, wrapping
    view_forward,      // the first view
    window_toggle,     // the host window named `window`
};

struct Band {
    int low, high;  // whole megahertz
};
constexpr Band COM_BAND{118, 136}, NAV_BAND{108, 117};

struct KeyEffect {
    UINT32 event_id;
    Action action;
    UINT32 var = 0;
    double amount = 0;
    double seconds = 0;
    Band band{};
    double place = 0;
    Receiver receiver{};
    const char* window = nullptr;
};

constexpr KeyEffect toggle(UINT32 event_id, UINT32 var, double on = 1) {
    return {.event_id = event_id, .action = Action::toggle, .var = var, .amount = on};
}
constexpr KeyEffect move_to(UINT32 event_id, UINT32 var, double target, double seconds) {
    return {.event_id = event_id, .action = Action::move_to, .var = var, .amount = target, .seconds = seconds};
}
constexpr KeyEffect move_other_way(UINT32 event_id, UINT32 var, double seconds) {
    return {.event_id = event_id, .action = Action::move_other_way, .var = var, .seconds = seconds};
}
constexpr KeyEffect mhz_step(UINT32 event_id, UINT32 var, int step, Band band) {
    return {.event_id = event_id, .action = Action::mhz_step, .var = var, .amount = double(step), .band = band};
}
constexpr KeyEffect fraction_step(UINT32 event_id, UINT32 var, int hundredths) {
    return {.event_id = event_id, .action = Action::fraction_step, .var = var, .amount = double(hundredths)};
}
constexpr KeyEffect adf_step(UINT32 event_id, double place, int step) {
    return {.event_id = event_id, .action = Action::adf_step, .amount = double(step), .place = place};
}
constexpr KeyEffect squawk_step(UINT32 event_id, UINT32 place, int step) {
    return {.event_id = event_id, .action = Action::squawk_step, .var = 0x26, .amount = double(step),
            .place = double(place)};
}
constexpr KeyEffect audio(UINT32 event_id, Receiver receiver, bool on) {
    return {.event_id = event_id, .action = Action::station_audio, .amount = on ? 1.0 : 0.0, .receiver = receiver};
}
constexpr KeyEffect act(UINT32 event_id, Action action, double amount = 0) {
    return {.event_id = event_id, .action = action, .amount = amount};
}
constexpr KeyEffect window_toggle(UINT32 event_id, const char* window) {
    return {.event_id = event_id, .action = Action::window_toggle, .window = window};
}

constexpr double FULL_TRAVEL = 16383;  // gear and speed brake positions
constexpr UINT32 COM1_FREQUENCY = 0x17, NAV1_FREQUENCY = 0x18, NAV2_FREQUENCY = 0x1B;
constexpr UINT32 ADF_FREQUENCY = 0x10, ADF_EXTENDED = 0x12;

// Events named on/off, open/close or set are idempotent sets; only toggles flip, so that a
// gauge repeating its state every frame changes nothing.
constexpr KeyEffect KEY_EFFECTS[] = {
    // switches, levers and doors
    toggle(0x102F5, 0x2E4),                // avionics master
    toggle(0x102BF, 0x170),                // beacon lights
    toggle(0x100D7, 0xE),                  // landing lights
    toggle(0x1034B, 0x26B),                // navigation lights
    toggle(0x100D6, 0xA),                  // panel lights
    toggle(0x100D8, 0x143),                // parking brake
    toggle(0x103B2, 0x387),                // radome
    toggle(0x10022, 0x14B, FULL_TRAVEL),   // gear handle
    toggle(0x10035, 0x146, FULL_TRAVEL),   // speed brake
    move_to(0x1034F, 0x326, 1, 2.0),       // bomb-bay doors open
    move_to(0x10350, 0x326, 0, 2.0),       // bomb-bay doors close
    move_other_way(0x10356, 0x362, 3.0),   // wings fold or spread
    // VHF radios: whole megahertz down and up, then hundredths down and up
    mhz_step(0x10064, COM1_FREQUENCY, -1, COM_BAND),
    mhz_step(0x10065, COM1_FREQUENCY, +1, COM_BAND),
    fraction_step(0x10066, COM1_FREQUENCY, -5),
    fraction_step(0x10067, COM1_FREQUENCY, +5),
    mhz_step(0x10068, NAV1_FREQUENCY, -1, NAV_BAND),
    mhz_step(0x10069, NAV1_FREQUENCY, +1, NAV_BAND),
    fraction_step(0x1006A, NAV1_FREQUENCY, -5),
    fraction_step(0x1006B, NAV1_FREQUENCY, +5),
    mhz_step(0x1006C, NAV2_FREQUENCY, -1, NAV_BAND),
    mhz_step(0x1006D, NAV2_FREQUENCY, +1, NAV_BAND),
    fraction_step(0x1006E, NAV2_FREQUENCY, -5),
    fraction_step(0x1006F, NAV2_FREQUENCY, +5),
    // ADF digits, up then down
    adf_step(0x10070, 100, +1),
    adf_step(0x10071, 10, +1),
    adf_step(0x10072, 1, +1),
    adf_step(0x10396, 0.1, +1),
    adf_step(0x10082, 100, -1),
    adf_step(0x10083, 10, -1),
    adf_step(0x10084, 1, -1),
    adf_step(0x10395, 0.1, -1),
    // transponder digits, up then down
    squawk_step(0x10073, 0x1000, +1),
    squawk_step(0x10074, 0x100, +1),
    squawk_step(0x10075, 0x10, +1),
    squawk_step(0x10076, 0x1, +1),
    squawk_step(0x10397, 0x1000, -1),
    squawk_step(0x10398, 0x100, -1),
    squawk_step(0x10399, 0x10, -1),
    squawk_step(0x1039A, 0x1, -1),
    // station audio
    audio(0x1012D, Receiver::nav1, true),
    audio(0x10128, Receiver::nav1, false),
    audio(0x1012E, Receiver::nav2, true),
    audio(0x10129, Receiver::nav2, false),
    audio(0x10131, Receiver::adf, true),
    audio(0x1012C, Receiver::adf, false),
    // panel windows and views
    act(0x103CA, Action::panel_window_toggle),
    act(0x103CB, Action::panel_window_open),
    act(0x103CC, Action::panel_window_close),
    act(0x10153, Action::view_forward),
    act(0x100C6, Action::view_step, +1),
    act(0x100C7, Action::view_step, -1),
    window_toggle(0x1001C, "ATC"),
    window_toggle(0x10154, "kneeboard"),
    window_toggle(0x10380, "map"),
};

// A fresh panel: supply up, failures clear (every variable starts at 0), radios in their
// bands, avionics off.
constexpr std::pair<UINT32, double> DEFAULT_VALUES[] = {
    {0x2F3, 28.0},                   // supply, volts
    {COM1_FREQUENCY, 0x1895},        // 118.95 MHz
    {NAV1_FREQUENCY, 0x1390},        // 113.90 MHz
    {NAV2_FREQUENCY, 0x0800},        // 108.00 MHz
    {ADF_FREQUENCY, 0x0350},         // 350.0 kHz
    {0x26, 0x1200},                  // squawk
};

// The named panel windows' idents.
constexpr SINT32 PANEL_WINDOW_IDENTS[] = {0, 10, 50, 75, 100, 125, 150, 175, 200, 225, 250};

int wrap(int value, int low, int high) {
    const int span = high - low + 1;
    return low + ((value - low) % span + span) % span;
}

// Four BCD digits (tens and units of megahertz, tenths and hundredths) of 1xx.xx MHz.
struct Frequency {
    int whole_mhz, hundredths;
};
Frequency decode_frequency(UINT32 v) {
    return {100 + 10 * int(v >> 12 & 0xF) + int(v >> 8 & 0xF), 10 * int(v >> 4 & 0xF) + int(v & 0xF)};
}
UINT32 encode_frequency(Frequency f) {
    const int mhz = f.whole_mhz - 100;
    return UINT32(mhz / 10) << 12 | UINT32(mhz % 10) << 8 | UINT32(f.hundredths / 10) << 4 | UINT32(f.hundredths % 10);
}

std::string hex(double value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", conv::to_uint32(value));
    return text;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

const char* receiver_name(Receiver r) { return r == Receiver::nav1 ? "NAV1" : r == Receiver::nav2 ? "NAV2" : "ADF"; }

}  // namespace

Aircraft::Aircraft(AircraftVariables variables) : vars_(std::move(variables)) {
    for (SINT32 ident : PANEL_WINDOW_IDENTS) panel_windows_[ident] = ident == 0;
    for (const char* name : {"ATC", "kneeboard", "map"}) windows_[name] = false;
}

void Aircraft::set_defaults() {
    for (const auto& [id, value] : DEFAULT_VALUES) vars_.write(id, value);
}

void Aircraft::set(UINT32 id, double value, bool bcd) {
    if (vars_.read(id) == value) return;
    vars_.write(id, value);
    vars_.log("var " + hex(id) + " = " + (bcd ? hex(value) : number(value)));
}

void Aircraft::move(UINT32 id, double target, double seconds) {
    motions_[id] = {target, 1.0 / seconds};
    vars_.log("var " + hex(id) + " moving to " + number(target));
}

void Aircraft::advance(double seconds) {
    for (auto it = motions_.begin(); it != motions_.end();) {
        const auto [target, per_second] = it->second;
        const double now = vars_.read(it->first), step = per_second * seconds;
        const bool arrives = std::fabs(target - now) <= step || !std::isfinite(now);
        vars_.write(it->first, arrives ? target : now + std::copysign(step, target - now));
        if (arrives) {
            vars_.log("var " + hex(it->first) + " = " + number(target));
            it = motions_.erase(it);
        } else {
            ++it;
        }
    }
}

void Aircraft::key_event(UINT32 event_id, UINT32 value) {
    const auto* effect = std::find_if(std::begin(KEY_EFFECTS), std::end(KEY_EFFECTS),
                                      [&](const KeyEffect& e) { return e.event_id == event_id; });
    if (effect == std::end(KEY_EFFECTS)) return;
    const UINT32 bcd = conv::to_uint32(vars_.read(effect->var));
    switch (effect->action) {
        case Action::toggle: set(effect->var, vars_.read(effect->var) > 0 ? 0.0 : effect->amount); break;
        case Action::move_to: move(effect->var, effect->amount, effect->seconds); break;
        case Action::move_other_way: {
            auto moving = motions_.find(effect->var);
            const double heading = moving != motions_.end() ? moving->second.target : vars_.read(effect->var);
            move(effect->var, heading >= 0.5 ? 0.0 : 1.0, effect->seconds);
            break;
        }
        case Action::mhz_step: {
            // A frequency outside the band (set by other means) steps onto the band's nearer end.
            Frequency f = decode_frequency(bcd);
            const Band band = effect->band;
            f.whole_mhz = f.whole_mhz < band.low || f.whole_mhz > band.high
                              ? std::clamp(f.whole_mhz, band.low, band.high)
                              : wrap(f.whole_mhz + int(effect->amount), band.low, band.high);
            set(effect->var, encode_frequency(f), true);
            break;
        }
        case Action::fraction_step: {
            Frequency f = decode_frequency(bcd);
            f.hundredths = wrap(f.hundredths + int(effect->amount), 0, 99);
            set(effect->var, encode_frequency(f), true);
            break;
        }
        case Action::adf_step: {
            // Hundreds run from 1 to 17 (the thousands digit is the extended variable's 0x100);
            // the other digits wrap on their own.
            const UINT32 khz = conv::to_uint32(vars_.read(ADF_FREQUENCY));
            const UINT32 extended = conv::to_uint32(vars_.read(ADF_EXTENDED));
            int hundreds = 10 * (extended >= 0x100) + int(khz >> 8 & 0xF);
            int tens = int(khz >> 4 & 0xF), units = int(khz & 0xF), tenths = int(extended & 0xFF);
            const int step = int(effect->amount);
            if (effect->place == 100) hundreds = wrap(hundreds + step, 1, 17);
            else if (effect->place == 10) tens = wrap(tens + step, 0, 9);
            else if (effect->place == 1) units = wrap(units + step, 0, 9);
            else tenths = wrap(tenths + step, 0, 9);
            set(ADF_FREQUENCY, UINT32(hundreds % 10) << 8 | UINT32(tens) << 4 | UINT32(units), true);
            set(ADF_EXTENDED, (hundreds >= 10 ? 0x100 : 0) + tenths, true);
            break;
        }
        case Action::squawk_step: {
            const UINT32 place = UINT32(effect->place);
            const UINT32 digit = bcd / place & 0xF;
            const UINT32 stepped = UINT32(wrap(int(digit) + int(effect->amount), 0, 7));
            set(effect->var, bcd - digit * place + stepped * place, true);
            break;
        }
        case Action::station_audio: {
            bool& on = audio_[effect->receiver];
            if (on == (effect->amount != 0)) break;
            on = effect->amount != 0;
            vars_.log(std::string(receiver_name(effect->receiver)) + " audio " + (on ? "on" : "off"));
            break;
        }
        case Action::panel_window_toggle: toggle_panel_window(SINT32(value)); break;
        case Action::panel_window_open: show_panel_window(SINT32(value), true); break;
        case Action::panel_window_close: show_panel_window(SINT32(value), false); break;
        case Action::view_step:
            view_ = wrap(view_ + int(effect->amount), 0, VIEW_COUNT - 1);
            vars_.log("view " + std::to_string(view_));
            break;
        case Action::view_forward:
            view_ = 0;
            vars_.log("view 0");
            break;
        case Action::window_toggle: {
            bool& shown = windows_[effect->window];
            shown = !shown;
            vars_.log(std::string(effect->window) + " window " + (shown ? "shown" : "hidden"));
            break;
        }
    }
}

void Aircraft::add_panel_window(SINT32 ident, bool shown) {
    if (ident >= 0) panel_windows_[ident] = shown;
}

void Aircraft::show_panel_window(SINT32 ident, bool shown) {
    auto it = panel_windows_.find(ident);
    if (it == panel_windows_.end()) {
        vars_.log("panel window " + std::to_string(ident) + " unknown: ignored");
        return;
    }
    if (it->second == shown) return;
    it->second = shown;
    vars_.log("panel window " + std::to_string(ident) + (shown ? " shown" : " hidden"));
}

void Aircraft::toggle_panel_window(SINT32 ident) { show_panel_window(ident, !panel_window_shown(ident)); }

bool Aircraft::panel_window_shown(SINT32 ident) const {
    auto it = panel_windows_.find(ident);
    return it != panel_windows_.end() && it->second;
}

bool Aircraft::window_shown(const std::string& name) const {
    auto it = windows_.find(name);
    return it != windows_.end() && it->second;
}

bool Aircraft::station_audio(Receiver receiver) const {
    auto it = audio_.find(receiver);
    return it != audio_.end() && it->second;
}

}  // namespace host
