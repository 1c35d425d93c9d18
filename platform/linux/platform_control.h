// The Linux stand-ins' other side: what the panel host and the tests use to watch and steer
// what the modules ask of the operating system.
#pragma once

#include <functional>
#include <string>

#include "platform/platform.h"

namespace platform::control {

// Something a module did through the platform layer, for the host's event log.
struct Event {
    std::string type;  // "library"
    std::string text;  // e.g. "load GaugeSound", "load GaugeSound (missing)", "release GaugeSound"
};

using EventSink = std::function<void(const Event&)>;

// Where platform events go; an empty sink drops them.
PLATFORM_API void set_event_sink(EventSink sink);
PLATFORM_API void report(const Event& event);

}  // namespace platform::control
