// Inside the Linux platform layer: the windows that programs of ours open, which any process
// finds by class and title (programs_linux.cpp). find_window asks here after the windows the
// host registered in-process.
#pragma once

#include "platform/platform.h"

namespace platform {

// The newest live window of that class and title opened by any process; null when none.
WindowHandle find_program_window(const char* class_name, const char* title);

}  // namespace platform
