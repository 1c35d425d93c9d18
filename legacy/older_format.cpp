#include "legacy/older_format.h"

namespace legacy {

namespace {

ELEMENT_HEADER* first_element() { return &background.header; }

// The host hangs a record on the installed background whose words after the first hold the
// picture's pixel size. Without a loaded picture there is no size to give.
PIXPOINT* background_size() {
    if (!background.host_image) return nullptr;
    return reinterpret_cast<PIXPOINT*>(background.host_image + sizeof(PTRWORD));
}

void GAUGE_API module_init() {}
void GAUGE_API module_deinit() {}

}  // namespace

void GAUGE_API query() { panel::element_list_query(first_element()); }

void GAUGE_API install(PTRWORD resource_handle) {
    panel::element_list_install(first_element(), resource_handle);
    panel::mouse_list_install(mouse, &gauge, background_size());
    panel::mouse_list_register(mouse, &gauge);
}

void GAUGE_API initialize() { panel::element_list_initialize(first_element()); }
void GAUGE_API update() { panel::element_list_update(first_element()); }
void GAUGE_API generate(UINT32 phase) { panel::element_list_generate(first_element(), phase); }
void GAUGE_API draw() { panel::element_list_plot(first_element()); }

void GAUGE_API kill() {
    panel::mouse_list_unregister(mouse, &gauge);
    panel::element_list_kill(first_element());
}

}  // namespace legacy

// The older format's host-version word is 0.
extern "C" {
GAUGE_EXPORT GAUGESLINKAGE_WITH_GAUGES<1> Linkage = {
    .head = {.module_id = GAUGE_MODULE_ID, .module_init = legacy::module_init,
             .module_deinit = legacy::module_deinit, .flags = 0, .module_priority = 0, .module_version = 0},
    .gauge_table = {&legacy::gauge, nullptr},
};
}
