// The commands of panelhost that draw: render (one gauge), panel (a panel.cfg) and gallery
// (every gauge of every module, with an HTML page). Each takes the words after the command and
// returns the exit code; errors are thrown as std::runtime_error.
#pragma once

#include <string>
#include <vector>

namespace host {

int render_command(const std::vector<std::string>& args);
int panel_command(const std::vector<std::string>& args);
int gallery_command(const std::vector<std::string>& args);

}  // namespace host
