// Window buttons: small buttons that open, close and toggle the panel's sub-windows and change
// the view. ATC_Toggle, Kneeboard_Toggle and Map_Toggle carry a host event; the other fifteen
// share one gauge callback and one mouse callback and take their windows, help id and picture
// from the parameter text. The host gives each placed button records of its own, so the
// picture, help id and set-up flag written here belong to that button alone.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"
#include "zephel_instr/panel/parameter_keys.h"

namespace zephel::window_buttons {
using namespace records;
using parameter_keys::find_key;
using parameter_keys::read_decimal;
using parameter_keys::read_window_ident;

enum : UINT32 {
    WINDOW_TOGGLE_EVENT = 0x103CA,
    WINDOW_OPEN_EVENT = 0x103CB,
    WINDOW_CLOSE_EVENT = 0x103CC,
    VIEW_RESET_EVENT = 0x10153,
    VIEW_NEXT_EVENT = 0x100C6,
    VIEW_PREVIOUS_EVENT = 0x100C7,
};

// The b key chooses among the module's button pictures 100, 110, ... 290.
bool is_button_picture(SINT32 id) { return id >= 100 && id <= 290 && id % 10 == 0; }

// A view step count far beyond any panel's use: a huge or negated p value stays a short burst.
constexpr std::int64_t MOST_VIEW_STEPS = 100;

bool has_text(const char* text) { return text && *text; }

// Service 2: the picture (b) and help id (h) at every set-up, the a key once per button.
void GAUGE_API gauge_callback(GAUGEHDR* pgauge, SINT32 service_id, PTRWORD) {
    if (service_id != PANEL_SERVICE_PRE_INSTALL || !pgauge) return;
    char* text = pgauge->parameters;
    if (has_text(text)) {
        bool picture_accepted = true;
        if (const char* b = find_key(text, 'b')) {
            const SINT32 picture = read_decimal(b + 1);
            ELEMENT_HEADER* background = pgauge->elements_list ? pgauge->elements_list[0] : nullptr;
            picture_accepted = background && is_button_picture(picture);
            if (picture_accepted) background->resource_id = picture;
        }
        // An unacceptable picture leaves the help id unread as well.
        if (const char* h = find_key(text, 'h'); picture_accepted && h && pgauge->mouse_rect)
            pgauge->mouse_rect[0].help_id = parameter_keys::read_help_id(h + 1);
    }
    if (pgauge->user_data == 0) {
        if (const char* a = find_key(text, 'a')) {
            if (const SINT32 window = read_window_ident(a + 1); window >= 0)
                panel::trigger_key_event(WINDOW_CLOSE_EVENT, static_cast<UINT32>(window));
        }
        pgauge->user_data = 1;
    }
}

// Sends `event` with the window of every occurrence of `key`.
void send_for_each(const char* text, char key, UINT32 event) {
    for (const char* k = find_key(text, key); k; k = find_key(k + 1, key))
        if (const SINT32 window = read_window_ident(k + 1); window >= 0)
            panel::trigger_key_event(event, static_cast<UINT32>(window));
}

// p: n view steps forwards, |n| backwards, or back to the first view for 0.
void step_views(const char* text) {
    const char* p = find_key(text, 'p');
    if (!p) return;
    const std::int64_t n = read_decimal(p + 1);
    if (n == 0) {
        panel::trigger_key_event(VIEW_RESET_EVENT, 0);
        return;
    }
    const UINT32 event = n < 0 ? VIEW_PREVIOUS_EVENT : VIEW_NEXT_EVENT;
    for (std::int64_t i = 0; i < std::min(std::abs(n), MOST_VIEW_STEPS); ++i) panel::trigger_key_event(event, 0);
}

// A click: without a text it toggles the main panel; otherwise the o, c, t and p keys.
BOOL32 GAUGE_API mouse_callback(PIXPOINT* relative_point, UINT32) {
    const GAUGEHDR* gauge = clicked_gauge(relative_point);
    const char* text = gauge ? gauge->parameters : nullptr;
    if (!has_text(text)) {
        panel::panel_window_toggle(0);
        return 0;
    }
    send_for_each(text, 'o', WINDOW_OPEN_EVENT);
    send_for_each(text, 'c', WINDOW_CLOSE_EVENT);
    send_for_each(text, 't', WINDOW_TOGGLE_EVENT);
    step_views(text);
    return 0;
}

// What sets one button apart from the others.
struct Button {
    SINT32 picture;
    UINT32 help_id = 0;             // of the whole-gauge region
    const char* tooltip = nullptr;  // a text tooltip, when the button has one
    UINT32 host_event = 0;          // the host sends it on a click; 0: the shared mouse callback
    PIXBOX area = {3, 3, 13, 13};
    UINT32 image_flags = 0x3;
};

// One button's records: its picture and its mouse list (whole-gauge region, tooltip, click
// area, end of region, end of list; without a tooltip the list is one record shorter).
struct ButtonRecords {
    ELEMENT_STATIC_IMAGE background;
    ELEMENT_HEADER* elements[2];
    MOUSERECT mouse[5];

    constexpr ButtonRecords(GAUGEHDR& gauge, const Button& b)
        : background{.header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = b.picture,
                                .gauge_header = &gauge, .image_flags = b.image_flags}},
          elements{&background.header, nullptr},
          mouse{help_region(WHOLE_GAUGE, b.help_id)} {
        int n = 1;
        if (b.tooltip) mouse[n++] = tooltip_text(b.tooltip);
        mouse[n++] = b.host_event ? click_event(b.area, CURSOR_HAND, MOUSE_LEFTSINGLE, b.host_event)
                                  : click_callback(b.area, CURSOR_HAND, MOUSE_LEFTSINGLE, mouse_callback);
        mouse[n++] = end_region();
        mouse[n] = end_list();
    }
};

ButtonRecords atc_toggle{atc_toggle_gauge, {.picture = 90, .help_id = 0xAB94, .host_event = 0x1001C}};
ButtonRecords kneeboard_toggle{kneeboard_toggle_gauge, {.picture = 70, .help_id = 0xAB93, .host_event = 0x10154}};
ButtonRecords map_toggle{map_toggle_gauge, {.picture = 80, .help_id = 0xAB8F, .host_event = 0x10380}};
ButtonRecords invisible_toggle{invisible_toggle_gauge, {.picture = 200}};
ButtonRecords radios_toggle{radios_toggle_gauge, {.picture = 120, .help_id = 0xAB86}};
ButtonRecords gps_toggle{gps_toggle_gauge, {.picture = 130, .help_id = 0xAB87}};
ButtonRecords throttle_toggle{throttle_toggle_gauge, {.picture = 140, .help_id = 0xAB88}};
ButtonRecords compass_toggle{compass_toggle_gauge, {.picture = 150, .help_id = 0xAB89}};
ButtonRecords close_subpanel{close_subpanel_gauge, {.picture = 160, .tooltip = "Close subpanel window"}};
ButtonRecords landing_view_toggle{landing_view_toggle_gauge,
                                  {.picture = 230, .tooltip = "Switch normal view / landing view"}};
ButtonRecords electricity_toggle{electricity_toggle_gauge,
                                 {.picture = 240, .tooltip = "Display/Hide electricity subpanel"}};
ButtonRecords overhead_toggle{overhead_toggle_gauge, {.picture = 220, .help_id = 0xAB95}};
ButtonRecords nav_instruments_toggle{nav_instruments_toggle_gauge,
                                     {.picture = 190, .tooltip = "Display/Hide navigation instruments"}};
ButtonRecords autopilot_toggle{autopilot_toggle_gauge,
                               {.picture = 280, .tooltip = "Display/Hide enlarged Autopilot", .image_flags = 0x7}};
ButtonRecords vfr_panel_toggle{vfr_panel_toggle_gauge, {.picture = 270}};
ButtonRecords ifr_panel_toggle{ifr_panel_toggle_gauge, {.picture = 290}};
ButtonRecords fuel_toggle{fuel_toggle_gauge, {.picture = 250, .help_id = 0xAB8A}};
// Shows the INS mode selector's own picture, with a click area to match.
ButtonRecords ins_msu_toggle{ins_msu_toggle_gauge, {.picture = 5060,
                                                    .tooltip = "Toggles INS Mode Selector Unit subpanel",
                                                    .area = {2, 2, 80, 20}}};

// The three host-event buttons have no gauge callback.
constexpr GAUGEHDR header(const char* name, ButtonRecords& button, PGAUGE_CALLBACK callback = gauge_callback) {
    return gauge_header(name, 19, button.elements, button.mouse, callback);
}

}  // namespace zephel::window_buttons

namespace zephel {
using window_buttons::header;
GAUGEHDR atc_toggle_gauge = header("ATC_Toggle", window_buttons::atc_toggle, nullptr);
GAUGEHDR kneeboard_toggle_gauge = header("Kneeboard_Toggle", window_buttons::kneeboard_toggle, nullptr);
GAUGEHDR map_toggle_gauge = header("Map_Toggle", window_buttons::map_toggle, nullptr);
GAUGEHDR invisible_toggle_gauge = header("Invisible_Toggle", window_buttons::invisible_toggle);
GAUGEHDR radios_toggle_gauge = header("Radios_Toggle", window_buttons::radios_toggle);
GAUGEHDR gps_toggle_gauge = header("GPS_Toggle", window_buttons::gps_toggle);
GAUGEHDR throttle_toggle_gauge = header("Throttle_Toggle", window_buttons::throttle_toggle);
GAUGEHDR compass_toggle_gauge = header("Compass_Toggle", window_buttons::compass_toggle);
GAUGEHDR close_subpanel_gauge = header("Close_Subpanel", window_buttons::close_subpanel);
GAUGEHDR landing_view_toggle_gauge = header("Landing_View_Toggle", window_buttons::landing_view_toggle);
GAUGEHDR electricity_toggle_gauge = header("Electricity_Toggle", window_buttons::electricity_toggle);
GAUGEHDR overhead_toggle_gauge = header("Overhead_Toggle", window_buttons::overhead_toggle);
GAUGEHDR nav_instruments_toggle_gauge = header("Nav_Instruments_Toggle", window_buttons::nav_instruments_toggle);
GAUGEHDR autopilot_toggle_gauge = header("Autopilot_Toggle", window_buttons::autopilot_toggle);
GAUGEHDR vfr_panel_toggle_gauge = header("VFR_Panel_Toggle", window_buttons::vfr_panel_toggle);
GAUGEHDR ifr_panel_toggle_gauge = header("IFR_Panel_Toggle", window_buttons::ifr_panel_toggle);
GAUGEHDR fuel_toggle_gauge = header("Fuel_Toggle", window_buttons::fuel_toggle);
GAUGEHDR ins_msu_toggle_gauge = header("INS_MSU_Toggle", window_buttons::ins_msu_toggle);
}  // namespace zephel
