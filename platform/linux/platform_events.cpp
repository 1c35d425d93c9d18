#include "platform/linux/platform_control.h"

namespace platform::control {

namespace {
EventSink& sink() {
    static EventSink s;
    return s;
}
}  // namespace

void set_event_sink(EventSink s) { sink() = std::move(s); }

void report(const Event& event) {
    if (sink()) sink()(event);
}

}  // namespace platform::control
