// Small builders for the records every gauge repeats: mouse rectangles, failure lists and
// the gauge header. Gauge files keep their records as plain tables; these only spare them
// the fields that are always zero.
#pragma once

#include "gauge_host.h"

namespace records {

// ---- mouse rectangles ----
constexpr PIXBOX WHOLE_GAUGE{0, 0, 0, 0};

constexpr MOUSERECT help_region(PIXBOX box, UINT32 help_id) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_PARENT;
    r.relative_box = box;
    r.cursor = CURSOR_NONE;
    r.help_id = help_id;
    return r;
}

constexpr MOUSERECT click_event(PIXBOX box, SINT32 cursor, UINT32 mouse_flags, UINT32 event_id) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_CHILD;
    r.relative_box = box;
    r.cursor = cursor;
    r.mouse_flags = mouse_flags;
    r.event_id = event_id;
    return r;
}

constexpr MOUSERECT click_callback(PIXBOX box, SINT32 cursor, UINT32 mouse_flags,
                                   PMOUSE_CALLBACK callback, UINT32 help_id = 0) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_CHILD;
    r.relative_box = box;
    r.cursor = cursor;
    r.help_id = help_id;
    r.mouse_flags = mouse_flags;
    r.mouse_function = callback;
    return r;
}

constexpr MOUSERECT tooltip_help(UINT32 tooltip_id) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_USER;
    r.cursor = CURSOR_NONE;
    r.help_id = tooltip_id;
    return r;
}

constexpr MOUSERECT tooltip_text(const char* text, UINT32 argument_count = 0, PTRWORD arguments = 0) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_USER;
    r.cursor = CURSOR_NONE;
    r.event_id = argument_count;
    r.tooltip_text = text;
    r.extra = arguments;
    return r;
}

constexpr MOUSERECT end_region() {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_END_PARENT;
    r.cursor = CURSOR_NONE;
    return r;
}

constexpr MOUSERECT end_list() {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_EOL;
    r.cursor = CURSOR_NONE;
    return r;
}

// ---- gauge header (version 0x320, the panel system walks the element list itself) ----
constexpr GAUGEHDR gauge_header(const char* name, UINT32 width_mm, ELEMENT_HEADER** elements,
                                MOUSERECT* mouse, PGAUGE_CALLBACK callback) {
    GAUGEHDR h{};
    h.gauge_header_version = GAUGE_HEADER_VERSION;
    h.gauge_name = name;
    h.elements_list = elements;
    h.size_x_mm = width_mm;
    h.mouse_rect = mouse;
    h.gauge_callback = callback;
    return h;
}

// ---- element header ----
constexpr ELEMENT_HEADER element_header(UINT32 type, SINT32 bitmap, PIXPOINT position, PIXPOINT ofs,
                                        GAUGEHDR* gauge, ELEMENT_HEADER** next,
                                        FAILURE_RECORD* failures, UINT32 image_flags) {
    ELEMENT_HEADER e{};
    e.element_type = type;
    e.resource_id = bitmap;
    e.position = position;
    e.ofs = ofs;
    e.gauge_header = gauge;
    e.next_element = next;
    e.failure_systems = failures;
    e.image_flags = image_flags;
    return e;
}

}  // namespace records
