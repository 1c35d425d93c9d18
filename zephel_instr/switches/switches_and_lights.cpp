// Switches and lights: the aircraft's switches, levers and lamps, each a background, an icon
// that picks the picture and, for the switches, one click area that sends a key event with a
// click sound. A click never moves a picture itself: the simulator's variable does, on the
// next refresh (the bomb-bay, wing-folding and RMI switches keep a position of their own).
#include <cmath>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"
#include "zephel_instr/radios/radio_heads.h"
#include "zephel_instr/sound/sound.h"
#include "zephel_instr/switches/switches.h"

int zephel::rmi_source_selector = 1;

namespace zephel::switches {

// ---- records ----

constexpr ELEMENT_STATIC_IMAGE background(SINT32 bitmap, GAUGEHDR& gauge, ELEMENT_HEADER** next = nullptr) {
    return {.header = records::element_header(ELEMENT_TYPE_STATIC_IMAGE, bitmap, {}, {}, &gauge, next, nullptr, 0x3)};
}

// The two pictures of a switch or lever (bitmap and bitmap + 1), chosen by `position`.
constexpr ELEMENT_ICON switch_icon(SINT32 bitmap, GAUGEHDR& gauge, UINT32 variable, PELEMENT_CALLBACK position,
                                   PIXPOINT at = {}) {
    return {.header = records::element_header(ELEMENT_TYPE_ICON, bitmap, at, {}, &gauge, nullptr, nullptr, 0x3),
            .source_var = {.id = variable},
            .scale = 1.0,
            .update_cb = position,
            .picture_count = 2};
}

// A lamp: one picture, shown or not.
constexpr ELEMENT_ICON lamp(SINT32 bitmap, PIXPOINT at, GAUGEHDR& gauge, UINT32 variable, PELEMENT_CALLBACK lit,
                            FAILURE_RECORD* failures, ELEMENT_HEADER** next = nullptr) {
    return {.header = records::element_header(ELEMENT_TYPE_ICON, bitmap, at, {}, &gauge, next, failures, 0x7),
            .source_var = {.id = variable},
            .scale = 1.0,
            .update_cb = lit,
            .picture_count = 1};
}

constexpr MOUSERECT switch_area(PIXBOX box, PMOUSE_CALLBACK click) {
    return records::click_callback(box, CURSOR_HAND, MOUSE_LEFTSINGLE, click);
}

// ---- behaviour ----

FLOAT64 icon_value(const ELEMENT_HEADER* element) {
    return reinterpret_cast<const ELEMENT_ICON*>(element)->source_var.var_value;
}

FLOAT64 GAUGE_API on_above_zero(ELEMENT_HEADER* element) { return icon_value(element) > 0 ? 1.0 : 0.0; }
FLOAT64 GAUGE_API on_unless_zero(ELEMENT_HEADER* element) { return icon_value(element) == 0 ? 0.0 : 1.0; }
FLOAT64 GAUGE_API picture_from_value(ELEMENT_HEADER* element) { return icon_value(element); }

// A sounding switch's click sound lives from its set-up to its kill.
template <sound::GaugeSound& click_sound>
void GAUGE_API own_click_sound(GAUGEHDR*, SINT32 service_id, PTRWORD extra_data) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) sound::set_up(click_sound, extra_data);
    else if (service_id == PANEL_SERVICE_PRE_KILL) sound::tear_down(click_sound);
}

// The common click: the switch's key event, then its sound (sent even when all sound is off).
template <UINT32 event_id, sound::GaugeSound& click_sound>
BOOL32 GAUGE_API send_event_and_click(PIXPOINT*, UINT32) {
    panel::trigger_key_event(event_id, 0);
    sound::click(click_sound);
    return 0;
}

// The lighting and avionics switches differ only in these.
struct LeverSwitchSettings {
    SINT32 background;
    UINT32 variable;  // on above zero
    UINT32 event_id;
    UINT32 help_id;
    UINT32 wave_id;
};

// Their records: the background, the shared lever pictures (4110 off, 4111 on) and one click
// area over the whole lever.
template <GAUGEHDR& gauge, LeverSwitchSettings settings>
struct LeverSwitch {
    static inline sound::GaugeSound click_sound{.wave_id = settings.wave_id};
    static inline ELEMENT_ICON lever = switch_icon(4110, gauge, settings.variable, on_above_zero);
    static inline ELEMENT_HEADER* after_background[] = {&lever.header, nullptr};
    static inline ELEMENT_STATIC_IMAGE background = switches::background(settings.background, gauge, after_background);
    static inline ELEMENT_HEADER* elements[] = {&background.header, nullptr};
    static inline MOUSERECT mouse[] = {
        records::help_region(records::WHOLE_GAUGE, settings.help_id),
        switch_area({0, 0, 30, 62}, send_event_and_click<settings.event_id, click_sound>),
        records::end_region(),
        records::end_list(),
    };
    static constexpr GAUGEHDR header(const char* name, UINT32 width_mm) {
        return records::gauge_header(name, width_mm, elements, mouse, own_click_sound<click_sound>);
    }
};

}  // namespace zephel::switches

// ---- RMI_Switch: RMI source selector, NAV1 or NAV2.

namespace zephel::rmi_switch {
using namespace records;
using namespace switches;

sound::GaugeSound click_sound{.wave_id = 10};

// The picture is the inverse of the selector: picture 0 while the RMI follows NAV1.
FLOAT64 GAUGE_API selector_position(ELEMENT_HEADER*) { return rmi_source_selector ? 0.0 : 1.0; }

BOOL32 GAUGE_API flip_selector(PIXPOINT*, UINT32) {
    rmi_source_selector = 1 - rmi_source_selector;
    sound::click(click_sound);
    return 0;
}

extern ELEMENT_ICON selector;
ELEMENT_HEADER* after_background[] = {&selector.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(1480, rmi_switch_gauge, after_background);
ELEMENT_ICON selector = switch_icon(1490, rmi_switch_gauge, 0, selector_position);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("RMI switch"),
    switch_area({0, 11, 30, 60}, flip_selector),
    end_region(),
    end_list(),
};

}  // namespace zephel::rmi_switch

GAUGEHDR zephel::rmi_switch_gauge =
    records::gauge_header("RMI_Switch", 30, zephel::rmi_switch::elements, zephel::rmi_switch::mouse,
                          zephel::switches::own_click_sound<zephel::rmi_switch::click_sound>);

// ---- Gear_Lever: landing-gear lever; the host sends the gear event itself.

namespace zephel::gear_lever {
using namespace records;
using namespace switches;

FLOAT64 GAUGE_API lever_position(ELEMENT_HEADER* element) { return icon_value(element) < 8000 ? 0.0 : 1.0; }

extern ELEMENT_ICON lever;
ELEMENT_HEADER* after_background[] = {&lever.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(3050, gear_lever_gauge, after_background);
ELEMENT_ICON lever = switch_icon(3060, gear_lever_gauge, 0x14B, lever_position, {7, 22});

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xAB30),
    click_event({7, 22, 65, 83}, CURSOR_HAND, MOUSE_LEFTSINGLE, 0x10022),
    end_region(),
    end_list(),
};

}  // namespace zephel::gear_lever

GAUGEHDR zephel::gear_lever_gauge =
    records::gauge_header("Gear_Lever", 40, zephel::gear_lever::elements, zephel::gear_lever::mouse, nullptr);

// ---- Avionics_Switch: avionics master switch.

namespace zephel::avionics_switch {
constexpr switches::LeverSwitchSettings settings{
    .background = 4160, .variable = 0x2E4, .event_id = 0x102F5, .help_id = 0xAB0F, .wave_id = 30};
using Switch = switches::LeverSwitch<avionics_switch_gauge, settings>;
}  // namespace zephel::avionics_switch

GAUGEHDR zephel::avionics_switch_gauge = zephel::avionics_switch::Switch::header("Avionics_Switch", 40);

// ---- Radome_Switch: radome switch.

namespace zephel::radome_switch {
using namespace records;
using namespace switches;

sound::GaugeSound click_sound{.wave_id = 10};

extern ELEMENT_ICON lever;
ELEMENT_HEADER* after_background[] = {&lever.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(5000, radome_switch_gauge, after_background);
ELEMENT_ICON lever = switch_icon(5010, radome_switch_gauge, 0x387, picture_from_value);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Radome switch"),
    switch_area({4, 9, 35, 57}, send_event_and_click<0x103B2, click_sound>),
    end_region(),
    end_list(),
};

}  // namespace zephel::radome_switch

GAUGEHDR zephel::radome_switch_gauge =
    records::gauge_header("Radome_Switch", 30, zephel::radome_switch::elements, zephel::radome_switch::mouse,
                          zephel::switches::own_click_sound<zephel::radome_switch::click_sound>);

// ---- Bomb_Bay_Switch: bomb-bay doors switch. Its picture is its own position, which starts
// closed whatever the doors are doing; its tooltip is the radome switch's.

namespace zephel::bomb_bay_switch {
using namespace records;
using namespace switches;

sound::GaugeSound click_sound{.wave_id = 10};
int switch_position = 0;

FLOAT64 GAUGE_API position_picture(ELEMENT_HEADER*) { return switch_position != 0 ? 1.0 : 0.0; }

// Opens the doors while the simulator has them shut, else closes them.
BOOL32 GAUGE_API work_doors(PIXPOINT*, UINT32) {
    if (panel::read_var(0x326) == 0) {
        panel::trigger_key_event(0x1034F, 0);
        switch_position = 1;
    } else {
        panel::trigger_key_event(0x10350, 0);
        switch_position = 0;
    }
    sound::click(click_sound);
    return 0;
}

extern ELEMENT_ICON lever;
ELEMENT_HEADER* after_background[] = {&lever.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(5020, bomb_bay_switch_gauge, after_background);
ELEMENT_ICON lever = switch_icon(5010, bomb_bay_switch_gauge, 0x326, position_picture);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Radome switch"),
    switch_area({4, 9, 35, 57}, work_doors),
    end_region(),
    end_list(),
};

}  // namespace zephel::bomb_bay_switch

GAUGEHDR zephel::bomb_bay_switch_gauge =
    records::gauge_header("Bomb_Bay_Switch", 30, zephel::bomb_bay_switch::elements, zephel::bomb_bay_switch::mouse,
                          zephel::switches::own_click_sound<zephel::bomb_bay_switch::click_sound>);

// ---- Parking_Brake: parking brake handle.

namespace zephel::parking_brake {
using namespace records;
using namespace switches;

sound::GaugeSound click_sound{.wave_id = 20};

extern ELEMENT_ICON handle;
ELEMENT_HEADER* after_background[] = {&handle.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(5080, parking_brake_gauge, after_background);
ELEMENT_ICON handle = switch_icon(5090, parking_brake_gauge, 0x143, on_unless_zero);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0xAB51),
    switch_area({0, 55, 64, 125}, send_event_and_click<0x100D8, click_sound>),
    end_region(),
    end_list(),
};

}  // namespace zephel::parking_brake

GAUGEHDR zephel::parking_brake_gauge =
    records::gauge_header("Parking_Brake", 50, zephel::parking_brake::elements, zephel::parking_brake::mouse,
                          zephel::switches::own_click_sound<zephel::parking_brake::click_sound>);

// ---- Wing_Folding: wing-folding lever. It jumps to the other position on a click, before
// the wings follow; once they are (nearly) at either end the lever shows where they are.

namespace zephel::wing_folding {
using namespace records;
using namespace switches;

int lever_position = 0;

FLOAT64 GAUGE_API follow_wings(ELEMENT_HEADER*) {
    const FLOAT64 folded = panel::read_var(0x362);
    if (folded <= 0.02) lever_position = 0;
    else if (folded >= 0.98) lever_position = 1;
    return lever_position;
}

BOOL32 GAUGE_API move_lever(PIXPOINT*, UINT32) {
    panel::trigger_key_event(0x10356, 0);
    lever_position = 1 - lever_position;
    return 0;
}

extern ELEMENT_ICON lever;
ELEMENT_HEADER* after_background[] = {&lever.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(5100, wing_folding_gauge, after_background);
ELEMENT_ICON lever = switch_icon(5110, wing_folding_gauge, 0x362, follow_wings);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Wing folding lever"),
    switch_area({0, 28, 27, 90}, move_lever),
    end_region(),
    end_list(),
};

}  // namespace zephel::wing_folding

GAUGEHDR zephel::wing_folding_gauge =
    records::gauge_header("Wing_Folding", 40, zephel::wing_folding::elements, zephel::wing_folding::mouse, nullptr);

// ---- Panel_Lights_Switch: panel lights switch.

namespace zephel::panel_lights_switch {
constexpr switches::LeverSwitchSettings settings{
    .background = 4120, .variable = 0xA, .event_id = 0x100D6, .help_id = 0xAB40, .wave_id = 10};
using Switch = switches::LeverSwitch<panel_lights_switch_gauge, settings>;
}  // namespace zephel::panel_lights_switch

GAUGEHDR zephel::panel_lights_switch_gauge = zephel::panel_lights_switch::Switch::header("Panel_Lights_Switch", 20);

// ---- Landing_Lights_Switch: landing lights switch.

namespace zephel::landing_lights_switch {
constexpr switches::LeverSwitchSettings settings{
    .background = 4130, .variable = 0xE, .event_id = 0x100D7, .help_id = 0xAB3E, .wave_id = 10};
using Switch = switches::LeverSwitch<landing_lights_switch_gauge, settings>;
}  // namespace zephel::landing_lights_switch

GAUGEHDR zephel::landing_lights_switch_gauge = zephel::landing_lights_switch::Switch::header("Landing_Lights_Switch", 20);

// ---- Navigation_Lights_Switch: navigation lights switch.

namespace zephel::navigation_lights_switch {
constexpr switches::LeverSwitchSettings settings{
    .background = 4140, .variable = 0x26B, .event_id = 0x1034B, .help_id = 0xAB3F, .wave_id = 10};
using Switch = switches::LeverSwitch<navigation_lights_switch_gauge, settings>;
}  // namespace zephel::navigation_lights_switch

GAUGEHDR zephel::navigation_lights_switch_gauge = zephel::navigation_lights_switch::Switch::header("Navigation_Lights_Switch", 20);

// ---- Beacon_Lights_Switch: beacon lights switch.

namespace zephel::beacon_lights_switch {
constexpr switches::LeverSwitchSettings settings{
    .background = 4150, .variable = 0x170, .event_id = 0x102BF, .help_id = 0xAB3D, .wave_id = 10};
using Switch = switches::LeverSwitch<beacon_lights_switch_gauge, settings>;
}  // namespace zephel::beacon_lights_switch

GAUGEHDR zephel::beacon_lights_switch_gauge = zephel::beacon_lights_switch::Switch::header("Beacon_Lights_Switch", 40);

// ---- Speed_Brake_Light: speed-brake lamp; a click works the speed brake.

namespace zephel::speed_brake_light {
using namespace records;
using namespace switches;

sound::GaugeSound click_sound{.wave_id = 10};

// Lit from 500 on (the brake's deployed reading), dark below.
FLOAT64 GAUGE_API deployed(ELEMENT_HEADER* element) { return icon_value(element) >= 500 ? 0.0 : -1.0; }

FAILURE_RECORD electrical_supply_zero[] = {{20, FAIL_ACTION_ZERO, 0}, {}};

extern ELEMENT_ICON light;
ELEMENT_HEADER* after_background[] = {&light.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(4420, speed_brake_light_gauge, after_background);
ELEMENT_ICON light = lamp(4430, {0, 0}, speed_brake_light_gauge, 0x146, deployed, electrical_supply_zero);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Speed brake deployed light"),
    switch_area({0, 0, 29, 29}, send_event_and_click<0x10035, click_sound>),
    end_region(),
    end_list(),
};

}  // namespace zephel::speed_brake_light

GAUGEHDR zephel::speed_brake_light_gauge =
    records::gauge_header("Speed_Brake_Light", 20, zephel::speed_brake_light::elements,
                          zephel::speed_brake_light::mouse,
                          zephel::switches::own_click_sound<zephel::speed_brake_light::click_sound>);

// ---- Armament_Lights: radome and bomb-bay lamps.

namespace zephel::armament_lights {
using namespace records;
using namespace switches;

FLOAT64 GAUGE_API radome_out(ELEMENT_HEADER* element) { return icon_value(element) == 1.0 ? 0.0 : -1.0; }

// Dark while the bay is shut, steady while it is open, blinking (half a second, half on)
// while the doors move.
FLOAT64 GAUGE_API bay_open(ELEMENT_HEADER* element) {
    const FLOAT64 doors = icon_value(element);
    FLOAT64 shown = std::fmod(panel::read_var(0x25C), 0.5) > 0.25 ? 0.0 : -1.0;
    if (doors >= 0.95) shown = 0.0;
    if (doors < 0.01) shown = -1.0;
    return shown;
}

FAILURE_RECORD electrical_supply_off[] = {{20, FAIL_ACTION_NO_DRAW, 0}, {}};

extern ELEMENT_ICON radome_lamp;
extern ELEMENT_ICON bay_lamp;
ELEMENT_HEADER* after_background[] = {&radome_lamp.header, nullptr};
ELEMENT_HEADER* after_radome_lamp[] = {&bay_lamp.header, nullptr};
ELEMENT_STATIC_IMAGE background = switches::background(5030, armament_lights_gauge, after_background);
ELEMENT_ICON radome_lamp =
    lamp(5050, {26, 43}, armament_lights_gauge, 0x387, radome_out, electrical_supply_off, after_radome_lamp);
ELEMENT_ICON bay_lamp = lamp(5040, {28, 14}, armament_lights_gauge, 0x326, bay_open, electrical_supply_off);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Radome and bay lights"),
    end_region(),
    end_list(),
};

}  // namespace zephel::armament_lights

GAUGEHDR zephel::armament_lights_gauge =
    records::gauge_header("Armament_Lights", 30, zephel::armament_lights::elements, zephel::armament_lights::mouse,
                          nullptr);

// ---- Shut_Down: invisible gauge that switches the radios off at a flight reset while
// variable 0x3C reads above zero.

namespace zephel::shut_down {
using namespace records;

// Each head's switches are cleared before the station audio it drives is silenced.
void GAUGE_API gauge_callback(GAUGEHDR*, SINT32 service_id, PTRWORD) {
    if (service_id != PANEL_SERVICE_FLIGHT_RESET || !(panel::read_var(0x3C) > 0)) return;
    adf_state.power_on = adf_state.audio_on = 0;
    panel::trigger_key_event(0x1012C, 0);
    com1_state.power_on = com1_state.audio_on = 0;
    nav1_state.power_on = nav1_state.audio_on = 0;
    panel::trigger_key_event(0x10128, 0);
    nav2_state.power_on = nav2_state.audio_on = 0;
    panel::trigger_key_event(0x10129, 0);
    xpdr_state.power_on = 0;
}

ELEMENT_STATIC_IMAGE background = switches::background(3000, shut_down_gauge);

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {help_region(WHOLE_GAUGE, 0), end_region(), end_list()};

}  // namespace zephel::shut_down

GAUGEHDR zephel::shut_down_gauge =
    records::gauge_header("Shut_Down", 30, zephel::shut_down::elements, zephel::shut_down::mouse,
                          zephel::shut_down::gauge_callback);
