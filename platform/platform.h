// The one small layer through which the modules reach the operating system: plain
// functions, one per service the modules need. The Windows build implements them with the
// Win32 API (win32/); the Linux build with our own stand-ins (linux/), which the panel host
// and the tests drive through linux/platform_control.h.
#pragma once

#if defined(_WIN32)
#define PLATFORM_API
#else
#define PLATFORM_API __attribute__((visibility("default")))
#endif

namespace platform {

// ---- libraries loaded by name ----
using LibraryHandle = void*;

// Loads a library by its bare name (no folder, no extension) by the platform's search
// rules; null when there is none.
PLATFORM_API LibraryHandle load_library(const char* name);
// An entry point of a loaded library, or null.
PLATFORM_API void* library_symbol(LibraryHandle library, const char* name);
PLATFORM_API void free_library(LibraryHandle library);

// ---- windows ----
using WindowHandle = void*;

// ---- sound (declared here; the sound services come with the module's click sounds) ----
struct SoundDevice;
struct SoundBuffer;

}  // namespace platform
