// The Linux stand-ins' other side: what the panel host and the tests use to watch and steer
// what the modules ask of the operating system.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform::control {

// Something a module did through the platform layer, for the host's event log.
struct Event {
    std::string type;  // "library", "sound", "launch", "message", "folder", "file"
    std::string text;  // e.g. "load GaugeSound", "load GaugeSound (missing)", "release GaugeSound",
                       // "play 30"; "message": the window it was posted to
    std::uint32_t id = 0;  // "sound": the resource id of the clip played; "message": the message
    std::uint32_t value = 0, second_value = 0;  // "message": its two parameters
};

using EventSink = std::function<void(const Event&)>;

// Where platform events go; an empty sink drops them.
PLATFORM_API void set_event_sink(EventSink sink);
PLATFORM_API void report(const Event& event);

// ---- windows ----
// Makes find_window answer `window` for that class and title; a null window removes it.
PLATFORM_API void register_window(const std::string& class_name, const std::string& title, WindowHandle window);

// Windows of programs of ours (the stand-in player, the tests): any process finds the newest
// live one by class and title with find_window and posts to it; it lasts until it is closed
// or its process ends.
struct ProgramWindow;
struct PostedMessage {
    std::uint32_t message = 0, first = 0, second = 0;
};
// Null when the window cannot be opened.
PLATFORM_API ProgramWindow* open_window(const char* class_name, const char* title);
// The next message posted to the window, waiting up to timeout_ms (negative: no limit); none
// when the time passed. A program started with run_program counts as waiting for input from
// its first call.
PLATFORM_API std::optional<PostedMessage> next_message(ProgramWindow* window, int timeout_ms);
PLATFORM_API void close_window(ProgramWindow* window);

// ---- the folder browser ----
// What choose_folder answers from now on, in place of the user (at first: cancelled).
PLATFORM_API void set_folder_choice(FolderChoice result, const std::string& path = {});
// The program path executable_path answers; empty: the real one.
PLATFORM_API void set_executable_path(const std::string& path);

// ---- sound ----
// The steps of the sound stand-in that can be made to fail.
enum class SoundStep {
    device_create, cooperative_level, resource, memory_file, block, buffer_create, buffer_write,
    play, status, volume,
};
// Every later call of that step fails (until the failure is cleared or reset_sound).
PLATFORM_API void fail_sound_step(SoundStep step, bool fail = true);
// Clears the failures and the call record; live objects are kept.
PLATFORM_API void reset_sound();
// The calls made so far, in order, by their Win32 names ("DirectSoundCreate", "Play", ...).
PLATFORM_API std::vector<std::string> sound_calls();
// Objects created and not yet released.
struct LiveSoundObjects {
    int devices = 0, buffers = 0, resources = 0, memory_files = 0, blocks = 0;
    bool operator==(const LiveSoundObjects&) const = default;
};
PLATFORM_API LiveSoundObjects live_sound_objects();
// Lets time pass for the clips that are playing (a clip plays for its length).
PLATFORM_API void advance_sound_clock(double seconds);

}  // namespace platform::control
