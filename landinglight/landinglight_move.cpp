// rw400_landinglight_move: a helicopter's five-way landing-light switch. Four areas send a
// light-movement command and show the switch pushed that way for a few ticks; the fifth
// sends its command alone. The optional sound library is loaded at set-up and released at
// the end, and never called.
#include "common/conversions.h"
#include "common/gauge_records.h"
#include "platform/platform.h"

namespace landinglight {
using namespace records;

extern GAUGEHDR gauge;

// ---- module state, shared by every instance of the gauge ----
SINT32 switch_position = 0;  // the picture shown, 0 (rest) to 4
SINT32 return_time = 0;      // the tick count after which the switch returns to rest
SINT32 first_pass_done = 0;
MODULE_VAR time_var = {.id = 1};
platform::LibraryHandle sound_library = nullptr;
void* play_sound_entry = nullptr;
void* stop_sound_entry = nullptr;

// How long a pushed switch stays pushed, in ticks of the time variable.
constexpr FLOAT64 PUSH_TICKS = 6.0;

FLOAT64 GAUGE_API switch_value(ELEMENT_HEADER*) { return switch_position; }

// Areas 1 to 4: push the switch that way until the time variable passes now + 6 (the
// return time truncated toward zero), and send the area's light command.
template <SINT32 Position, UINT32 EventId>
BOOL32 GAUGE_API push(PIXPOINT*, UINT32) {
    panel::lookup_var(&time_var);
    return_time = conv::to_int32(time_var.var_value + PUSH_TICKS);
    switch_position = Position;
    panel::trigger_key_event(EventId, 0);
    return 0;
}

// Area 5 sends its command and moves nothing.
BOOL32 GAUGE_API press_centre(PIXPOINT*, UINT32) {
    panel::trigger_key_event(0x1014A, 0);
    return 0;
}

// The library is loaded once while no instance holds it and released once; a second
// instance's set-up or kill does not load it again or release a handle already gone.
void load_sound_library() {
    if (sound_library) return;
    sound_library = platform::load_library("GaugeSound");
    play_sound_entry = platform::library_symbol(sound_library, "GaugePlaySound");
    stop_sound_entry = platform::library_symbol(sound_library, "GaugeStopSound");
}

void release_sound_library() {
    if (sound_library) platform::free_library(sound_library);
    sound_library = nullptr;
    play_sound_entry = nullptr;
    stop_sound_entry = nullptr;
}

void GAUGE_API gauge_callback(GAUGEHDR*, SINT32 service_id, PTRWORD) {
    switch (service_id) {
        case PANEL_SERVICE_POST_INSTALL:
            load_sound_library();
            break;
        case PANEL_SERVICE_PRE_UPDATE:
            panel::lookup_var(&time_var);
            if (time_var.var_value > return_time) switch_position = 0;
            break;
        case PANEL_SERVICE_PRE_DRAW:
            if (!first_pass_done) {
                first_pass_done = 1;
                switch_position = 0;
                return_time = 0;
            }
            break;
        case PANEL_SERVICE_PRE_KILL:
            release_sound_library();
            break;
        default:
            break;
    }
}

extern ELEMENT_ICON switch_icon;
ELEMENT_HEADER* after_base_plate[] = {&switch_icon.header, nullptr};

FAILURE_RECORD no_failures[] = {{}};

ELEMENT_STATIC_IMAGE base_plate{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 0x1400, .position = {0, 0},
    .gauge_header = &gauge, .next_element = after_base_plate, .failure_systems = no_failures, .image_flags = 0x83}};

ELEMENT_ICON switch_icon{
    .header = {.element_type = ELEMENT_TYPE_ICON, .resource_id = 0x1100, .position = {25, 0}, .gauge_header = &gauge,
               .failure_systems = no_failures, .image_flags = 0x83},
    .scale = 0.0,
    .update_cb = switch_value,
    .picture_count = 5,
};

ELEMENT_HEADER* elements[] = {&base_plate.header, nullptr};

constexpr UINT32 AREA_FLAGS = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    click_callback({57, 0, 42, 34}, CURSOR_DOWNARROW, AREA_FLAGS, push<1, 0x10147>),
    click_callback({56, 62, 44, 36}, CURSOR_UPARROW, AREA_FLAGS, push<2, 0x10146>),
    click_callback({30, 28, 28, 43}, CURSOR_HAND, AREA_FLAGS, push<3, 0x10148>),
    click_callback({102, 33, 27, 38}, CURSOR_HAND, AREA_FLAGS, push<4, 0x10149>),
    click_callback({69, 38, 21, 22}, CURSOR_HAND, AREA_FLAGS, press_centre),
    end_region(),
    end_list(),
};

GAUGEHDR gauge = gauge_header("rw400_landinglight_move", 100, elements, mouse, gauge_callback);

void GAUGE_API module_init() {}
void GAUGE_API module_deinit() {}

}  // namespace landinglight

extern "C" {
GAUGE_EXPORT GAUGESLINKAGE_WITH_GAUGES<1> Linkage = {
    .head = {.module_id = GAUGE_MODULE_ID, .module_init = landinglight::module_init,
             .module_deinit = landinglight::module_deinit, .flags = 0, .module_priority = 0, .module_version = 0x800},
    .gauge_table = {&landinglight::gauge, nullptr},
};
}
