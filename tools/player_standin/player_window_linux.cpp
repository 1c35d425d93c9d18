#include <unistd.h>

#include "platform/linux/platform_control.h"
#include "tools/player_standin/player_window.h"

namespace standin {

struct PlayerWindow {
    platform::control::ProgramWindow* window;
};

PlayerWindow* open_player_window(const char* class_name, const char* title) {
    platform::control::ProgramWindow* window = platform::control::open_window(class_name, title);
    return window ? new PlayerWindow{window} : nullptr;
}

std::optional<Message> wait_for_message(PlayerWindow* window, int timeout_ms) {
    const auto posted = platform::control::next_message(window->window, timeout_ms);
    if (!posted) return std::nullopt;
    return Message{posted->message, posted->first, posted->second};
}

void close_player_window(PlayerWindow* window) {
    platform::control::close_window(window->window);
    delete window;
}

int process_id() { return static_cast<int>(getpid()); }

}  // namespace standin
