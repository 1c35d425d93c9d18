#include <windows.h>

#include "platform/platform.h"

namespace platform {

WindowHandle find_window(const char* class_name, const char* title) { return FindWindowA(class_name, title); }

unsigned executable_path(char* buffer, unsigned size) {
    if (!buffer || size == 0) return 0;
    const DWORD length = GetModuleFileNameA(nullptr, buffer, size);
    buffer[size - 1] = '\0';  // a cut path is not terminated on older systems
    return length < size ? length : size - 1;
}

}  // namespace platform
