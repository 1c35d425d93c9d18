// Click sounds: each sounding gauge owns a sound device and one buffer filled from a "WAVE"
// resource of the module. Every failing step clears the module-wide flag, and the module is
// silent from then on; the gauges go on working.
#include "zephel_instr/sound/sound.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace zephel::sound {

int sound_enabled = 1;

namespace {

int silence() {
    sound_enabled = 0;
    return 0;
}

// A call on a buffer failed: the buffer goes, and with it all sound.
int buffer_failed(platform::SoundBuffer** buffer) {
    release_sound_buffer(buffer);
    return silence();
}

// The main window's class differs between the simulator's generations, which the program's
// base name tells apart. A name too short to have a character counts as not having it.
const char* host_window_class(std::string_view name) {
    auto has = [&](std::size_t i, char c) { return i < name.size() && name[i] == c; };
    return has(3, '2') || has(0, 'C') ? "MSCFSMAIN" : "FS98MAIN";
}

// The program's file name without its folder and extension.
std::string_view base_name(std::string_view path) {
    if (auto slash = path.find_last_of("\\/:"); slash != std::string_view::npos) path.remove_prefix(slash + 1);
    if (auto dot = path.rfind('.'); dot != std::string_view::npos) path = path.substr(0, dot);
    return path;
}

bool lies_inside(const platform::RiffChunk& chunk, unsigned resource_size) {
    return std::uint64_t{chunk.data_offset} + chunk.size <= resource_size;
}

static_assert(offsetof(platform::WaveFormat, extra_size) == 16, "the format's fields lie as a file stores them");

// A clip read out of a WAVE resource: its format and a copy of its samples.
struct Clip {
    platform::WaveFormat format;
    void* samples = nullptr;  // a memory block of `bytes`
    unsigned bytes = 0;
};

// Reads the "fmt " and "data" chunks of the resource's RIFF "WAVE" form. A short "fmt " chunk
// leaves the rest of the format zero; a chunk reaching past the resource fails the read.
bool read_clip(const platform::Resource& resource, Clip& clip) {
    platform::MemoryFile* file = platform::open_memory_file(resource.data, resource.size);
    if (!file) return false;
    platform::RiffChunk wave{.form = platform::four_cc("WAVE")};
    platform::RiffChunk format{.id = platform::four_cc("fmt ")};
    platform::RiffChunk data{.id = platform::four_cc("data")};
    bool ok = platform::descend(file, &wave, nullptr, platform::FIND_RIFF) && lies_inside(wave, resource.size) &&
              platform::descend(file, &format, &wave, platform::FIND_CHUNK) && lies_inside(format, resource.size);
    if (ok) {
        const long format_bytes = std::min(format.size, platform::WAVE_FORMAT_BYTES);
        ok = platform::read_memory_file(file, &clip.format, format_bytes) == format_bytes &&
             platform::ascend(file, &format) && platform::descend(file, &data, &wave, platform::FIND_CHUNK) &&
             lies_inside(data, resource.size);
    }
    if (ok) {
        clip.bytes = data.size;
        clip.samples = platform::allocate_block(data.size);
        ok = clip.samples && platform::read_memory_file(file, clip.samples, static_cast<long>(data.size)) ==
                                 static_cast<long>(data.size);
    }
    platform::close_memory_file(file);
    return ok;
}

}  // namespace

platform::WindowHandle find_host_window() {
    char path[260] = {};
    platform::executable_path(path, sizeof path);
    return platform::find_window(host_window_class(base_name(path)), nullptr);
}

int create_sound_device(platform::WindowHandle window, platform::SoundDevice** device) {
    if (!device) return 0;
    release_sound_device(device);
    if (platform::sound_device_create(device) &&
        platform::sound_device_set_cooperative_level(*device, window, platform::SOUND_COOPERATIVE_NORMAL))
        return 1;
    release_sound_device(device);
    return silence();
}

UINT32 load_wave_resource(platform::WindowHandle, platform::SoundDevice** device, platform::SoundBuffer** buffer,
                          UINT32 resource_id, PTRWORD module) {
    if (!sound_enabled || !buffer) return 0;
    release_sound_buffer(buffer);
    if (!device || !*device) return 0;  // no device to make a buffer on: nothing to do
    platform::Resource resource = platform::load_resource(module, resource_id & 0xFFFF, "WAVE");
    if (!resource.data) return silence();
    Clip clip;
    const bool read = read_clip(resource, clip);
    platform::free_resource(resource);
    const bool loaded = read && platform::sound_buffer_create(*device, clip.format, clip.bytes, buffer) &&
                        platform::sound_buffer_write(*buffer, clip.samples, clip.bytes);
    platform::free_block(clip.samples);
    if (!loaded) return buffer_failed(buffer);
    return clip.bytes;
}

int play_sound(platform::SoundBuffer** buffer, UINT32 flags) {
    if (!sound_enabled || !buffer || !*buffer) return 0;
    return platform::sound_buffer_play(*buffer, flags) ? 1 : buffer_failed(buffer);
}

int sound_is_playing(platform::SoundBuffer** buffer) {
    if (!sound_enabled || !buffer || !*buffer) return 0;
    unsigned status = 0;
    if (!platform::sound_buffer_status(*buffer, &status)) return buffer_failed(buffer);
    return (status & platform::SOUND_STATUS_PLAYING) ? 1 : 0;
}

int set_sound_volume(platform::SoundBuffer** buffer, SINT32 volume) {
    if (!sound_enabled || !buffer || !*buffer) return 0;
    return platform::sound_buffer_set_volume(*buffer, volume) ? 1 : buffer_failed(buffer);
}

// The releases work whatever the flag says, so that nothing made before the first failure
// outlives its gauge.
void release_sound_buffer(platform::SoundBuffer** buffer) {
    if (!buffer || !*buffer) return;
    platform::sound_buffer_release(*buffer);
    *buffer = nullptr;
}

void release_sound_device(platform::SoundDevice** device) {
    if (!device || !*device) return;
    platform::sound_device_release(*device);
    *device = nullptr;
}

// Every placed instance of a gauge shares its objects: the first set-up makes them and the
// last kill releases them, so no instance plays through objects another has released.
void set_up(GaugeSound& sound, PTRWORD module_handle) {
    if (sound.instances++ > 0) return;
    sound.module = module_handle;
    sound.window = find_host_window();
    create_sound_device(sound.window, &sound.device);
    load_wave_resource(sound.window, &sound.device, &sound.buffer, sound.wave_id, sound.module);
}

void tear_down(GaugeSound& sound) {
    if (sound.instances == 0 || --sound.instances > 0) return;
    release_sound_buffer(&sound.buffer);
    release_sound_device(&sound.device);
}

void click(GaugeSound& sound) { play_sound(&sound.buffer, 0); }

}  // namespace zephel::sound
