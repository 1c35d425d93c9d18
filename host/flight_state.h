// A flight state: token variable values, and the clicks that set the switches the gauges keep
// themselves (the radio heads' power switches), read from a small text file.
//
//   # comment (also after a value)
//   0x3D  210          token variable and value (decimal or 0x-hex)
//   click Radio_COM1 205 185 [left|right]    a click on the first placed gauge of that name
#pragma once

#include <string>
#include <vector>

#include "host/host.h"

namespace host {

struct StateClick {
    std::string gauge;
    int x = 0, y = 0;
    MouseButton button = MouseButton::left;
    int line = 0;
};

struct FlightState {
    std::string path;
    std::vector<std::pair<UINT32, double>> variables;  // in file order
    std::vector<StateClick> clicks;
};

// Reads a state file; throws std::runtime_error "FILE:LINE: reason" for a malformed line.
FlightState read_flight_state(const std::string& path);
FlightState parse_flight_state(const std::string& text, const std::string& path);

// A whole text file; throws std::runtime_error "cannot read WHAT PATH".
std::string read_text_file(const std::string& path, const std::string& what);

// Sets the variables, then clicks on the gauges placed in the host. Returns one warning per
// click whose gauge is not placed.
std::vector<std::string> apply_flight_state(Host& host, const FlightState& state);

}  // namespace host
