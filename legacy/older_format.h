// The older gauge format's frame, shared by the single-gauge modules written in it: the
// exported tables and the seven element-list routines, which hand the gauge's element list
// and mouse list to the host's services. Each module supplies only its records.
#pragma once

#include "common/gauge_records.h"

namespace legacy {

// Defined by each module: its one gauge, the background that heads its element list, and
// its mouse list.
extern GAUGEHDR gauge;
extern ELEMENT_STATIC_IMAGE background;
extern MOUSERECT mouse[];

// The seven routines, for the module's header (version 0x262).
void GAUGE_API query();
void GAUGE_API install(PTRWORD resource_handle);
void GAUGE_API initialize();
void GAUGE_API update();
void GAUGE_API generate(UINT32 phase);
void GAUGE_API draw();
void GAUGE_API kill();

// The header of an older-format gauge: its name, its background and its nominal width, with
// the seven routines of this frame.
constexpr GAUGEHDR older_gauge_header(const char* name, ELEMENT_HEADER** elements, UINT32 width) {
    GAUGEHDR h = records::gauge_header(name, width, elements, nullptr, nullptr);
    h.gauge_header_version = GAUGE_HEADER_VERSION_OLD;
    h.query_routine = query;
    h.install_routine = install;
    h.initialize_routine = initialize;
    h.update_routine = update;
    h.generate_routine = generate;
    h.draw_routine = draw;
    h.kill_routine = kill;
    return h;
}

}  // namespace legacy
