// The one small layer through which the modules reach the operating system: plain
// functions, one per service the modules need. The Windows build implements them with the
// Win32 API (win32/); the Linux build with our own stand-ins (linux/), which the panel host
// and the tests drive through linux/platform_control.h.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

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

// The top-level window of a class (and of that title, unless title is null); null when none.
PLATFORM_API WindowHandle find_window(const char* class_name, const char* title);
// The path of the program this process runs; writes at most size bytes, always terminated,
// and returns the length (0 when unknown).
PLATFORM_API unsigned executable_path(char* buffer, unsigned size);
// Posts a message to the window's queue and returns at once, without waiting for it to be
// handled; false when it could not be posted (the window has gone).
PLATFORM_API bool post_message(WindowHandle window, std::uint32_t message, std::uint32_t first, std::uint32_t second);

// ---- other programs ----
// Starts a program, hidden, from a command line that names it ('\' separates folders; a
// relative path is taken from the working folder). Returns once the program waits for input,
// or after a time-out; false when it could not be started.
PLATFORM_API bool run_program(const char* command_line);

// ---- the folder browser ----
enum class FolderChoice { chosen, cancelled, no_file_system_path };
// Lets the user choose a folder (no owner window, the desktop as root); a chosen folder's
// file-system path is written to `path`, at most size - 1 bytes and a terminator.
PLATFORM_API FolderChoice choose_folder(const char* title, char* path, unsigned size);

// ---- folders and files ----
PLATFORM_API bool folder_exists(const char* path);
// The files (not folders) directly in `folder` whose names match the wildcard pattern, as
// full paths: the folder and the name joined by exactly one separator.
PLATFORM_API std::vector<std::string> list_files(const char* folder, const char* pattern);
// A text in the narrow (ANSI) code page as UTF-16.
PLATFORM_API std::u16string widen(const std::string& text);
// Opens a file by its UTF-16 name with a C library mode ("rb"); null when it cannot.
PLATFORM_API std::FILE* open_file(const char16_t* name, const char* mode);
// A small file's whole contents; none when it cannot be read.
PLATFORM_API std::optional<std::string> read_file(const char* path);
// Gives a file new contents all at once: they are written to a new file beside it, which
// then replaces it. On any failure the old file stays as it was and false is returned.
PLATFORM_API bool replace_file(const char* path, const std::string& contents);

// ---- a module's resources, by numeric id and type ("WAVE") ----
struct Resource {
    const void* data = nullptr;  // locked for reading; null when the module has no such resource
    unsigned size = 0;
    void* handle = nullptr;  // what free_resource gives back
};
// `module` is the module's resource handle (the extra data of its gauges' first service).
PLATFORM_API Resource load_resource(std::uintptr_t module, unsigned id, const char* type);
PLATFORM_API void free_resource(Resource& resource);  // one never loaded: nothing

// ---- memory blocks for data copied out of a resource ----
PLATFORM_API void* allocate_block(unsigned size);  // null when there is no memory
PLATFORM_API void free_block(void* block);  // null: nothing

// ---- RIFF files read from memory ----
struct MemoryFile;
constexpr std::uint32_t four_cc(const char (&code)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])) << 24;
}
struct RiffChunk {
    std::uint32_t id = 0;           // "fmt ", "data", "RIFF"
    std::uint32_t size = 0;         // bytes of the chunk's data
    std::uint32_t form = 0;         // "WAVE": the form of a RIFF chunk
    std::uint32_t data_offset = 0;  // where the chunk's data starts in the file
};
inline constexpr unsigned FIND_CHUNK = 0x10, FIND_RIFF = 0x20;

// The bytes as a read-only file; null on failure.
PLATFORM_API MemoryFile* open_memory_file(const void* data, unsigned size);
// Finds the next chunk named by `chunk` (its id with FIND_CHUNK, its form with FIND_RIFF)
// within `parent` (null: the whole file) and moves into its data; false when there is none.
PLATFORM_API bool descend(MemoryFile* file, RiffChunk* chunk, const RiffChunk* parent, unsigned flags);
// Returns the bytes read, -1 on error.
PLATFORM_API long read_memory_file(MemoryFile* file, void* buffer, long size);
// Moves past the end of the chunk.
PLATFORM_API bool ascend(MemoryFile* file, const RiffChunk* chunk);
PLATFORM_API void close_memory_file(MemoryFile* file);

// ---- sound ----
struct SoundDevice;
struct SoundBuffer;

// A PCM format as a WAVE file's "fmt " chunk stores it (its first 18 bytes).
struct WaveFormat {
    std::uint16_t format_tag = 0;  // 1: PCM
    std::uint16_t channels = 0;
    std::uint32_t samples_per_second = 0;
    std::uint32_t bytes_per_second = 0;
    std::uint16_t block_align = 0;
    std::uint16_t bits_per_sample = 0;
    std::uint16_t extra_size = 0;
};
inline constexpr unsigned WAVE_FORMAT_BYTES = 18;
inline constexpr unsigned SOUND_COOPERATIVE_NORMAL = 1, SOUND_STATUS_PLAYING = 1;

PLATFORM_API bool sound_device_create(SoundDevice** device);  // the default output device
PLATFORM_API bool sound_device_set_cooperative_level(SoundDevice* device, WindowHandle window, unsigned level);
PLATFORM_API void sound_device_release(SoundDevice* device);
// A buffer of `bytes` sample bytes in that format, with frequency, pan and volume control,
// heard whatever window has the focus.
PLATFORM_API bool sound_buffer_create(SoundDevice* device, const WaveFormat& format, unsigned bytes,
                                      SoundBuffer** buffer);
// Copies the samples into the buffer from its start and rewinds it.
PLATFORM_API bool sound_buffer_write(SoundBuffer* buffer, const void* samples, unsigned bytes);
PLATFORM_API bool sound_buffer_play(SoundBuffer* buffer, unsigned flags);
PLATFORM_API bool sound_buffer_status(SoundBuffer* buffer, unsigned* status);
PLATFORM_API bool sound_buffer_set_volume(SoundBuffer* buffer, long volume);  // hundredths of a dB
PLATFORM_API void sound_buffer_release(SoundBuffer* buffer);

}  // namespace platform
