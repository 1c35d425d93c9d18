// The steps of `panelhost eval` (and later commands): what to do to a placed gauge, in order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/host.h"

namespace host {

struct Step {
    enum class Kind { set, frame, click, fail, repair, service, hold, hover, wait } kind;
    UINT32 id = 0;            // set: variable; fail/repair: key; service: id
    double value = 0;         // set: value; hold, wait: seconds
    int count = 1;            // frame: how many
    int x = 0, y = 0;         // click, hold, hover
    MouseButton button = MouseButton::left;
    std::optional<UINT32> action;  // fail
};

// Takes the steps off the front of args[pos...]; stops at the first word that does not start
// a step. Throws std::runtime_error with a readable message for a malformed step.
std::optional<Step> parse_step(const std::vector<std::string>& args, std::size_t& pos);

void run_step(Host& host, GaugeInstance& instance, const Step& step);

// Reads a number written in decimal or with a 0x prefix.
std::optional<double> parse_number(const std::string& text);

}  // namespace host
