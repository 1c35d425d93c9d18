// What `panelhost eval` prints: every element of the last frame and the events logged.
#pragma once

#include <ostream>
#include <vector>

#include "host/host.h"

namespace host {

const char* element_kind_name(UINT32 kind);

void print_text_report(std::ostream& out, const GaugeInstance& instance, const std::vector<Event>& events);
void print_json_report(std::ostream& out, const GaugeInstance& instance, const std::vector<Event>& events);

}  // namespace host
