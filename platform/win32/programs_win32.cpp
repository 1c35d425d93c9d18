#include <windows.h>

#include "platform/platform.h"

namespace platform {

bool post_message(WindowHandle window, std::uint32_t message, std::uint32_t first, std::uint32_t second) {
    return PostMessageA(static_cast<HWND>(window), message, first, static_cast<LPARAM>(second)) != 0;
}

// WinExec returns once the started program waits for input, or after its time-out; values
// above 31 mean it was started.
bool run_program(const char* command_line) { return WinExec(command_line, SW_HIDE) > 31; }

}  // namespace platform
