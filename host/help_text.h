// What the help at a point of a gauge shows, as the `hover` step reports it.
#pragma once

#include <string>
#include <vector>

#include "host/mouse_routing.h"

namespace host {

// The tooltip's text with its message-format placeholders filled in: "%N" or "%N!conv!"
// takes argument N with the printf conversion conv (a number conversion; "%N" alone prints
// it as "%g" would); "%%" is a percent sign. A placeholder without its argument, or with a
// conversion that is not a number conversion, is left as it is.
std::string format_tooltip(const char* text, const std::vector<double>& arguments);

// "help 0xAB0F", "tooltip \"Radome switch\"", "tooltip help 0x3180" (both when the region
// has a help id and a tooltip), or "no help".
std::string describe_help(const HelpTarget& target);

}  // namespace host
