// Windows by class and title: the host registers the windows it shows (its main window under
// the simulator's class names), and find_window answers from that register. The program path
// is the real one unless the host sets another, since modules read the simulator's version
// from the program's name.
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "platform/linux/platform_control.h"
#include "platform/linux/program_windows.h"

namespace platform {

namespace {

std::map<std::pair<std::string, std::string>, WindowHandle>& windows() {
    static std::map<std::pair<std::string, std::string>, WindowHandle> register_by_class_and_title;
    return register_by_class_and_title;
}

std::string& executable_path_override() {
    static std::string path;
    return path;
}

}  // namespace

WindowHandle find_window(const char* class_name, const char* title) {
    if (!class_name) return nullptr;
    for (const auto& [key, window] : windows())
        if (key.first == class_name && (!title || key.second == title)) return window;
    return find_program_window(class_name, title);
}

unsigned executable_path(char* buffer, unsigned size) {
    if (!buffer || size == 0) return 0;
    std::string path = executable_path_override();
    if (path.empty()) {
        char real[4096];
        const ssize_t n = readlink("/proc/self/exe", real, sizeof real - 1);
        if (n > 0) path.assign(real, static_cast<std::size_t>(n));
    }
    const std::size_t length = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), length);
    buffer[length] = '\0';
    return static_cast<unsigned>(length);
}

namespace control {

void register_window(const std::string& class_name, const std::string& title, WindowHandle window) {
    if (window) windows()[{class_name, title}] = window;
    else windows().erase({class_name, title});
}

void set_executable_path(const std::string& path) { executable_path_override() = path; }

}  // namespace control

}  // namespace platform
