// The stand-in player's window, one implementation per side: a real Win32 window on
// Windows, the platform layer's window of a program of ours on Linux. The player's messages
// are taken from it one at a time.
#pragma once

#include <cstdint>
#include <optional>

namespace standin {

struct Message {
    std::uint32_t message = 0, first = 0, second = 0;
};

struct PlayerWindow;

// Null when the window cannot be made.
PlayerWindow* open_player_window(const char* class_name, const char* title);
// The next message posted to the window, waiting up to timeout_ms; none when the time passed.
std::optional<Message> wait_for_message(PlayerWindow* window, int timeout_ms);
void close_player_window(PlayerWindow* window);
int process_id();

}  // namespace standin
