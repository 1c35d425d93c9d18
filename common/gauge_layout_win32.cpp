// Compiled into every 32-bit Windows module: the records must have the panel system's exact
// sizes and byte offsets, or the simulator reads garbage.
#include <cstddef>

#include "common/gauge_host.h"

static_assert(sizeof(void*) == 4, "the Windows modules are 32-bit");

#define AT(type, field, offset) static_assert(offsetof(type, field) == (offset), #type "." #field)

static_assert(sizeof(PIXPOINT) == 8);
static_assert(sizeof(MODULE_VAR) == 28);
AT(MODULE_VAR, id, 0);
AT(MODULE_VAR, var_value, 12);
AT(MODULE_VAR, var_old, 20);

static_assert(sizeof(NONLINEARITY) == 24);
AT(NONLINEARITY, value, 8);
AT(NONLINEARITY, degrees, 16);
static_assert(sizeof(FAILURE_RECORD) == 12);
static_assert(sizeof(MOUSERECT) == 44);
AT(MOUSERECT, relative_box, 4);
AT(MOUSERECT, cursor, 20);
AT(MOUSERECT, help_id, 24);
AT(MOUSERECT, mouse_flags, 28);
AT(MOUSERECT, event_id, 32);
AT(MOUSERECT, mouse_function, 36);
AT(MOUSERECT, extra, 40);
static_assert(sizeof(MOUSE_CLICK_POINT) == 12);

static_assert(sizeof(ELEMENT_HEADER) == 60);
AT(ELEMENT_HEADER, resource_id, 4);
AT(ELEMENT_HEADER, position, 8);
AT(ELEMENT_HEADER, ofs, 16);
AT(ELEMENT_HEADER, gauge_header, 24);
AT(ELEMENT_HEADER, next_element, 32);
AT(ELEMENT_HEADER, failure_systems, 36);
AT(ELEMENT_HEADER, image_flags, 40);
AT(ELEMENT_HEADER, aircraft_special_instrument, 44);

// The older format's static image (80 bytes: header and 20 host-owned bytes) and needle.
static_assert(sizeof(ELEMENT_STATIC_IMAGE) == 80);
AT(ELEMENT_STATIC_IMAGE, host_image, 60);
static_assert(sizeof(ELEMENT_NEEDLE) == 224);
AT(ELEMENT_NEEDLE, source_var, 60);
AT(ELEMENT_NEEDLE, update_cb, 88);
AT(ELEMENT_NEEDLE, outside_radius, 104);
AT(ELEMENT_NEEDLE, inside_radius, 108);
AT(ELEMENT_NEEDLE, nonlinearity, 112);
AT(ELEMENT_NEEDLE, nonlinearity_count, 116);
AT(ELEMENT_NEEDLE, max_degrees_per_tick, 120);

// The gauge header: the older format's 88 bytes, which the current version fills further.
static_assert(sizeof(GAUGEHDR) == 88);
AT(GAUGEHDR, gauge_name, 4);
AT(GAUGEHDR, elements_list, 8);
AT(GAUGEHDR, query_routine, 12);
AT(GAUGEHDR, install_routine, 16);
AT(GAUGEHDR, initialize_routine, 20);
AT(GAUGEHDR, update_routine, 24);
AT(GAUGEHDR, generate_routine, 28);
AT(GAUGEHDR, draw_routine, 32);
AT(GAUGEHDR, kill_routine, 36);
AT(GAUGEHDR, reserved1, 40);
AT(GAUGEHDR, size_x_mm, 44);
AT(GAUGEHDR, size_y_mm, 48);  // from here on zero in the older format

static_assert(sizeof(GAUGESIMPORT) == 16);
AT(GAUGESIMPORT, services, 4);
static_assert(sizeof(GAUGESLINKAGE) == 24);
AT(GAUGESLINKAGE, module_version, 20);

AT(PANEL_SERVICES, element_list_query, 0x60);
AT(PANEL_SERVICES, element_list_install, 0x64);
AT(PANEL_SERVICES, element_list_initialize, 0x68);
AT(PANEL_SERVICES, element_list_update, 0x6C);
AT(PANEL_SERVICES, element_list_generate, 0x70);
AT(PANEL_SERVICES, element_list_plot, 0x74);
AT(PANEL_SERVICES, element_list_kill, 0x7C);
AT(PANEL_SERVICES, mouse_list_install, 0x80);
AT(PANEL_SERVICES, mouse_list_register, 0x84);
AT(PANEL_SERVICES, mouse_list_unregister, 0x88);
AT(PANEL_SERVICES, panel_window_toggle, 0x8C);
AT(PANEL_SERVICES, trigger_key_event, 0x90);
AT(PANEL_SERVICES, lookup_var, 0xA0);
AT(PANEL_SERVICES, execute_calculator_code, 0x114);
