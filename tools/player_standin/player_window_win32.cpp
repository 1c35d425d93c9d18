#include <windows.h>

#include "tools/player_standin/player_window.h"

namespace standin {

struct PlayerWindow {
    HWND window;
};

namespace {

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM first, LPARAM second) {
    return DefWindowProcA(window, message, first, second);
}

}  // namespace

// A hidden top-level window: FindWindowA finds it all the same.
PlayerWindow* open_player_window(const char* class_name, const char* title) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = class_name;
    RegisterClassA(&window_class);
    HWND window = CreateWindowExA(0, class_name, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 200, 100,
                                  nullptr, nullptr, window_class.hInstance, nullptr);
    return window ? new PlayerWindow{window} : nullptr;
}

// The player's messages (WM_USER and above, posted to its window) are handed out; everything
// else the system sends goes through the window procedure.
std::optional<Message> wait_for_message(PlayerWindow* window, int timeout_ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == window->window && msg.message >= WM_USER)
                return Message{msg.message, static_cast<std::uint32_t>(msg.wParam), static_cast<std::uint32_t>(msg.lParam)};
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= static_cast<DWORD>(timeout_ms)) return std::nullopt;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeout_ms) - elapsed, QS_ALLINPUT);
    }
}

void close_player_window(PlayerWindow* window) {
    DestroyWindow(window->window);
    delete window;
}

int process_id() { return static_cast<int>(GetCurrentProcessId()); }

}  // namespace standin
