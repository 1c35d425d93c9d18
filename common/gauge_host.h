// The panel system's records as a gauge module sees them: the two exported tables, the gauge
// header, the element records, token variables, mouse rectangles, failure lists, the callback
// shapes and the panel-services table with a caller for each service.
//
// Packing rule. Fields are never reordered. In the 32-bit Windows build every record is packed
// to 4 bytes (a FLOAT64 may sit on any 4-byte boundary), which gives the panel system's byte
// layout exactly; static_asserts in gauge_layout_win32.cpp prove each size and offset the
// modules rely on. Elsewhere (the 64-bit Linux build driven by panelhost) the records keep
// natural alignment, pointers and pointer-carrying words are 8 bytes, and the services table
// is an array of pointer-sized slots: the service at 32-bit byte offset N sits in slot N/4.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define GAUGE_ABI_WIN32 1
#define GAUGE_API __stdcall
#else
#define GAUGE_ABI_WIN32 0
#define GAUGE_API
#endif

// Marks the two exported tables; their definitions stand inside extern "C" { }.
#if defined(_WIN32)
#define GAUGE_EXPORT __declspec(dllexport)
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif

using UINT32 = std::uint32_t;
using SINT32 = std::int32_t;
using FLOAT32 = float;
using FLOAT64 = double;
using BOOL32 = SINT32;
// A word that carries a pointer: 32 bits in the Windows build, pointer-sized elsewhere.
using PTRWORD = std::uintptr_t;

#if GAUGE_ABI_WIN32
#pragma pack(push, 4)
#endif

struct GAUGEHDR;
struct ELEMENT_HEADER;
struct MODULE_VAR;

// ---- callback shapes -------------------------------------------------------------------
using PELEMENT_CALLBACK = FLOAT64(GAUGE_API*)(ELEMENT_HEADER* pelement);
struct PIXPOINT {
    SINT32 x;
    SINT32 y;
};
using PMOUSE_CALLBACK = BOOL32(GAUGE_API*)(PIXPOINT* relative_point, UINT32 mouse_flags);
using PGAUGE_CALLBACK = void(GAUGE_API*)(GAUGEHDR* pgauge, SINT32 service_id, PTRWORD extra_data);
// Older format: the needle callback receives the needle's token variable.
using PMODULE_VAR_CALLBACK = FLOAT64(GAUGE_API*)(MODULE_VAR* var);
// Gauge-owned element-list routines (all null in gauges the panel system walks itself).
using PGAUGE_ROUTINE = void(GAUGE_API*)();
using PGAUGE_INSTALL_ROUTINE = void(GAUGE_API*)(PTRWORD resource_handle);
using PGAUGE_GENERATE_ROUTINE = void(GAUGE_API*)(UINT32 phase);

// ---- gauge service ids -----------------------------------------------------------------
enum : SINT32 {
    PANEL_SERVICE_PRE_INSTALL = 2,   // once per placed gauge, before first use
    PANEL_SERVICE_POST_INSTALL = 4,  // after the elements are installed
    PANEL_SERVICE_PRE_UPDATE = 6,    // before each refresh
    PANEL_SERVICE_PRE_DRAW = 10,     // each drawing pass
    PANEL_SERVICE_PRE_KILL = 12,     // before the placed gauge goes away
    PANEL_SERVICE_FLIGHT_RESET = 14, // a new flight is loaded
};

// ---- token variables -------------------------------------------------------------------
struct MODULE_VAR {
    UINT32 id;        // token variable id; 0 = no variable
    void* var_ptr;    // host-owned
    UINT32 var_type;  // host-owned
    FLOAT64 var_value;
    FLOAT64 var_old;
};

// ---- element records -------------------------------------------------------------------
enum : UINT32 {
    ELEMENT_TYPE_STATIC_IMAGE = 0,
    ELEMENT_TYPE_NEEDLE = 1,
    ELEMENT_TYPE_STRING = 2,
    ELEMENT_TYPE_SLIDER = 3,
    ELEMENT_TYPE_ICON = 4,
    ELEMENT_TYPE_MOVING_IMAGE = 5,
    ELEMENT_TYPE_SPRITE = 6,
};

enum : UINT32 {
    IMAGE_USE_TRANSPARENCY = 0x2,
    IMAGE_USE_BRIGHT = 0x4,
    IMAGE_USE_ERASE = 0x1,
    IMAGE_CREATE_DIBSECTION = 0x80,
    IMAGE_USE_LUMINOUS = 0x4000,
    IMAGE_HIDDEN = 0x40000000,
    IMAGE_NO_STATIC_BLENDING = 0x80000000,
};

struct FAILURE_RECORD {
    UINT32 key;     // the host's failure system; 0 ends the list
    UINT32 action;  // 0 none, 1 freeze, 2 zero, 3 stop drawing
    UINT32 reserved;
};
enum : UINT32 { FAIL_ACTION_NONE = 0, FAIL_ACTION_FREEZE = 1, FAIL_ACTION_ZERO = 2, FAIL_ACTION_NO_DRAW = 3 };

struct NONLINEARITY {
    PIXPOINT pt;     // the background point the needle aims at for this value
    FLOAT64 value;
    FLOAT64 degrees; // host-owned: the entry's cumulative angle, filled at install
};

struct ELEMENT_HEADER {
    UINT32 element_type;
    SINT32 resource_id;  // bitmap id; -1 for strings
    PIXPOINT position;
    PIXPOINT ofs;        // needle pivot in its bitmap; sprite texture centre
    GAUGEHDR* gauge_header;
    ELEMENT_HEADER* previous_element;  // host-owned
    ELEMENT_HEADER** next_element;     // null-terminated list
    FAILURE_RECORD* failure_systems;
    UINT32 image_flags;
    UINT32 aircraft_special_instrument;
    PTRWORD reserved[3];  // host-owned
};

struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
    PTRWORD host_image;   // host-owned: the loaded image record
    PTRWORD reserved[4];  // host-owned
};

struct ELEMENT_NEEDLE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    union {
        PELEMENT_CALLBACK update_cb;
        PMODULE_VAR_CALLBACK update_var_cb;  // the older format's shape
    };
    PTRWORD reserved1[3];
    SINT32 outside_radius;  // carried for the host
    SINT32 inside_radius;
    NONLINEARITY* nonlinearity;
    UINT32 nonlinearity_count;
    SINT32 max_degrees_per_tick;  // 0 = no rate limit
    PTRWORD reserved2[25];        // host-owned
};

enum : int { STRING_VAR_SLOTS = 3, STRING_FONT_NAME_SIZE = 32 };

struct ELEMENT_STRING {
    ELEMENT_HEADER header;
    MODULE_VAR source_var[STRING_VAR_SLOTS];
    FLOAT64 save_var[STRING_VAR_SLOTS];  // host-owned
    char* string;                       // host-owned text buffer of char_count + 1 bytes
    PELEMENT_CALLBACK update_cb;
    PTRWORD reserved1;
    PIXPOINT img_size;   // text box width and height
    UINT32 fg_color;     // COLORREF 0x00BBGGRR
    UINT32 bg_color;
    UINT32 hilite_color;
    char font_name[STRING_FONT_NAME_SIZE];
    SINT32 font_weight;
    UINT32 font_charset;
    UINT32 draw_text_flags;
    UINT32 char_count;
    PTRWORD reserved2[4];  // host-owned
};

struct ELEMENT_SLIDER {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    FLOAT64 scale_x;
    PELEMENT_CALLBACK update_x;
    MODULE_VAR source_var_y;
    FLOAT64 scale_y;
    PELEMENT_CALLBACK update_y;
    PTRWORD reserved[4];  // host-owned
};

struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    FLOAT64 scale;
    PELEMENT_CALLBACK update_cb;
    UINT32 picture_count;
    PTRWORD reserved[4];  // host-owned
};

struct ELEMENT_MOVING_IMAGE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    FLOAT64 min_x;  // the drums carry their place value here
    FLOAT64 max_x;  // ... and their roll window here
    MODULE_VAR source_var_y;
    FLOAT64 min_y;
    FLOAT64 max_y;
    PELEMENT_CALLBACK update_y;
    PTRWORD reserved[4];  // host-owned
};

struct ELEMENT_SPRITE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    FLOAT64 scale_x;
    PELEMENT_CALLBACK update_x;
    MODULE_VAR source_var_y;
    FLOAT64 scale_y;
    PELEMENT_CALLBACK update_y;
    MODULE_VAR source_var_0;  // rotation
    FLOAT64 scale_0;
    PELEMENT_CALLBACK update_0;
    FLOAT32 texture_scale_x;
    FLOAT32 texture_scale_y;
    PTRWORD reserved[4];  // host-owned
};

// ---- mouse rectangles ------------------------------------------------------------------
enum : UINT32 {
    MOUSE_RECT_EOL = 0,     // end of list
    MOUSE_RECT_PARENT = 1,  // opens a (help) region
    MOUSE_RECT_CHILD = 2,   // click area
    MOUSE_RECT_END_PARENT = 3,
    MOUSE_RECT_USER = 4,    // tooltip of the enclosing region
};

enum : UINT32 {
    MOUSE_LEFTSINGLE = 0x20000000,
    MOUSE_RIGHTSINGLE = 0x80000000,
    MOUSE_DOWN_REPEAT = 0x00200000,
};

enum : SINT32 {
    CURSOR_NONE = -1,
    CURSOR_UPARROW = 1,
    CURSOR_DOWNARROW = 2,
    CURSOR_HAND = 5,
};

struct PIXBOX {
    SINT32 x, y, size_x, size_y;
};

struct MOUSERECT {
    UINT32 rect_type;
    PIXBOX relative_box;
    SINT32 cursor;
    UINT32 help_id;
    UINT32 mouse_flags;
    UINT32 event_id;     // a key event the host sends itself; tooltip: argument count
    union {
        PMOUSE_CALLBACK mouse_function;
        const char* tooltip_text;  // kind 4
    };
    PTRWORD extra;       // tooltip: argument block
};

// A text tooltip's arguments: its extra word points at an array of as many of these callbacks
// as its event-id slot counts, each giving one number for the text's placeholders.
using PTOOLTIP_ARGUMENT_CALLBACK = FLOAT64(GAUGE_API*)(const MOUSERECT* tooltip);

// The host passes the clicked gauge's header in the word after the click point.
struct MOUSE_CLICK_POINT {
    PIXPOINT point;
    PTRWORD gauge;  // GAUGEHDR*
};
inline GAUGEHDR* clicked_gauge(const PIXPOINT* relative_point) {
    if (!relative_point) return nullptr;
    const auto* click = reinterpret_cast<const MOUSE_CLICK_POINT*>(relative_point);
    return reinterpret_cast<GAUGEHDR*>(click->gauge);
}

// ---- gauge header ----------------------------------------------------------------------
enum : UINT32 { GAUGE_HEADER_VERSION_OLD = 0x262, GAUGE_HEADER_VERSION = 0x320 };

struct GAUGEHDR {
    UINT32 gauge_header_version;
    const char* gauge_name;
    ELEMENT_HEADER** elements_list;
    PGAUGE_ROUTINE query_routine;
    PGAUGE_INSTALL_ROUTINE install_routine;
    PGAUGE_ROUTINE initialize_routine;
    PGAUGE_ROUTINE update_routine;
    PGAUGE_GENERATE_ROUTINE generate_routine;
    PGAUGE_ROUTINE draw_routine;
    PGAUGE_ROUTINE kill_routine;
    PTRWORD reserved1;
    UINT32 size_x_mm;   // nominal width
    UINT32 size_y_mm;   // stays zero
    MOUSERECT* mouse_rect;
    PGAUGE_CALLBACK gauge_callback;
    UINT32 user_data;   // host-owned per placed gauge; the window buttons keep a flag here
    char* parameters;   // host-owned: the placed gauge's parameter text, or null
    PTRWORD reserved2[5];  // host-owned
};

// ---- panel services --------------------------------------------------------------------
struct PANEL_SERVICES {
    PTRWORD reserved0[0x60 / 4];
    void(GAUGE_API* element_list_query)(ELEMENT_HEADER* element);
    void(GAUGE_API* element_list_install)(ELEMENT_HEADER* element, PTRWORD resource_handle);
    void(GAUGE_API* element_list_initialize)(ELEMENT_HEADER* element);
    void(GAUGE_API* element_list_update)(ELEMENT_HEADER* element);
    void(GAUGE_API* element_list_generate)(ELEMENT_HEADER* element, UINT32 phase);
    void(GAUGE_API* element_list_plot)(ELEMENT_HEADER* element);
    PTRWORD reserved_0x78;
    void(GAUGE_API* element_list_kill)(ELEMENT_HEADER* element);
    void(GAUGE_API* mouse_list_install)(MOUSERECT* rect, GAUGEHDR* gauge, PIXPOINT* size);
    void(GAUGE_API* mouse_list_register)(MOUSERECT* rect, GAUGEHDR* gauge);
    void(GAUGE_API* mouse_list_unregister)(MOUSERECT* rect, GAUGEHDR* gauge);
    BOOL32(GAUGE_API* panel_window_toggle)(UINT32 ident);
    BOOL32(GAUGE_API* trigger_key_event)(UINT32 event_id, UINT32 value);
    PTRWORD reserved_0x94[3];
    void(GAUGE_API* lookup_var)(MODULE_VAR* var);
    PTRWORD reserved_0xA4[(0x114 - 0xA4) / 4];
    BOOL32(GAUGE_API* execute_calculator_code)(const char* code, FLOAT64* fvalue, SINT32* ivalue,
                                               const char** svalue);
    PTRWORD reserved_0x118[8];
};

// ---- exported tables -------------------------------------------------------------------
enum : UINT32 { IMPORT_TABLE_PANELS_ID = 0x0F, GAUGE_MODULE_ID = 0x13 };

struct GAUGESIMPORT {
    UINT32 panels_id;         // 0x0F
    PANEL_SERVICES* services;  // written by the host before it calls any gauge
    UINT32 end_id;
    void* end_ptr;
};

using PMODULE_ROUTINE = void(GAUGE_API*)();

// The fixed head of `Linkage`; the gauge header pointers follow it, ended by null.
struct GAUGESLINKAGE {
    UINT32 module_id;
    PMODULE_ROUTINE module_init;
    PMODULE_ROUTINE module_deinit;
    UINT32 flags;
    UINT32 module_priority;
    UINT32 module_version;
};

template <std::size_t N>
struct GAUGESLINKAGE_WITH_GAUGES {
    GAUGESLINKAGE head;
    GAUGEHDR* gauge_table[N + 1];  // last entry null
};

inline GAUGEHDR* const* linkage_gauges(const GAUGESLINKAGE* linkage) {
    return reinterpret_cast<GAUGEHDR* const*>(linkage + 1);
}

#if GAUGE_ABI_WIN32
#pragma pack(pop)
#endif

// ---- callers of the panel services -------------------------------------------------------
// Every call reads the module's ImportTable anew. Before the host has written the services
// pointer a call does nothing (a lookup leaves the variable as it was).
extern "C" GAUGESIMPORT ImportTable;

namespace panel {
inline PANEL_SERVICES* services() { return ImportTable.services; }

inline void lookup_var(MODULE_VAR* var) {
    if (auto* s = services(); s && s->lookup_var) s->lookup_var(var);
}
inline void trigger_key_event(UINT32 event_id, UINT32 value) {
    if (auto* s = services(); s && s->trigger_key_event) s->trigger_key_event(event_id, value);
}
inline void panel_window_toggle(UINT32 ident) {
    if (auto* s = services(); s && s->panel_window_toggle) s->panel_window_toggle(ident);
}
inline void execute_calculator_code(const char* code, FLOAT64* fvalue, SINT32* ivalue,
                                    const char** svalue) {
    if (auto* s = services(); s && s->execute_calculator_code) s->execute_calculator_code(code, fvalue, ivalue, svalue);
}
inline void element_list_query(ELEMENT_HEADER* e) {
    if (auto* s = services(); s && s->element_list_query) s->element_list_query(e);
}
inline void element_list_install(ELEMENT_HEADER* e, PTRWORD resource_handle) {
    if (auto* s = services(); s && s->element_list_install) s->element_list_install(e, resource_handle);
}
inline void element_list_initialize(ELEMENT_HEADER* e) {
    if (auto* s = services(); s && s->element_list_initialize) s->element_list_initialize(e);
}
inline void element_list_update(ELEMENT_HEADER* e) {
    if (auto* s = services(); s && s->element_list_update) s->element_list_update(e);
}
inline void element_list_generate(ELEMENT_HEADER* e, UINT32 phase) {
    if (auto* s = services(); s && s->element_list_generate) s->element_list_generate(e, phase);
}
inline void element_list_plot(ELEMENT_HEADER* e) {
    if (auto* s = services(); s && s->element_list_plot) s->element_list_plot(e);
}
inline void element_list_kill(ELEMENT_HEADER* e) {
    if (auto* s = services(); s && s->element_list_kill) s->element_list_kill(e);
}
inline void mouse_list_install(MOUSERECT* r, GAUGEHDR* g, PIXPOINT* size) {
    if (auto* s = services(); s && s->mouse_list_install) s->mouse_list_install(r, g, size);
}
inline void mouse_list_register(MOUSERECT* r, GAUGEHDR* g) {
    if (auto* s = services(); s && s->mouse_list_register) s->mouse_list_register(r, g);
}
inline void mouse_list_unregister(MOUSERECT* r, GAUGEHDR* g) {
    if (auto* s = services(); s && s->mouse_list_unregister) s->mouse_list_unregister(r, g);
}

// A token variable read outside an element: a MODULE_VAR on the stack, id set, all else zero.
inline FLOAT64 read_var(UINT32 id) {
    MODULE_VAR var{};
    var.id = id;
    lookup_var(&var);
    return var.var_value;
}
}  // namespace panel

// The services table as an array of pointer-sized slots: the service at 32-bit offset N sits
// in slot N/4 (in the Windows build that is offset N itself).
#define GAUGE_SERVICE_SLOT(field, offset32) \
    static_assert(offsetof(PANEL_SERVICES, field) == (offset32) / 4 * sizeof(PTRWORD), #field)
GAUGE_SERVICE_SLOT(element_list_query, 0x60);
GAUGE_SERVICE_SLOT(element_list_kill, 0x7C);
GAUGE_SERVICE_SLOT(mouse_list_install, 0x80);
GAUGE_SERVICE_SLOT(panel_window_toggle, 0x8C);
GAUGE_SERVICE_SLOT(trigger_key_event, 0x90);
GAUGE_SERVICE_SLOT(lookup_var, 0xA0);
GAUGE_SERVICE_SLOT(execute_calculator_code, 0x114);
#undef GAUGE_SERVICE_SLOT
