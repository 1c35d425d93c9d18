// The sound stand-in: a module's resources from its resource table, RIFF files read from
// memory (parsed for real, so a malformed clip fails as it would on Windows), memory blocks,
// and a sound device whose buffers keep their samples and "play" for the clip's length on the
// clock the host advances. Every call is recorded by its Win32 name; any step can be made to
// fail; a clip played reaches the host's event log with its resource id.
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "platform/linux/platform_control.h"
#include "platform/resource_table.h"

namespace platform {

struct MemoryFile {
    const unsigned char* data;
    std::uint64_t size;
    std::uint64_t position = 0;
};

struct SoundDevice {
    bool cooperative = false;
};

struct SoundBuffer {
    WaveFormat format;
    std::vector<unsigned char> samples;
    unsigned resource_id;     // the WAVE resource last found before the buffer was made
    double seconds_left = 0;  // of the clip playing
};

namespace {

struct StandIn {
    std::set<control::SoundStep> failing;
    std::vector<std::string> calls;
    control::LiveSoundObjects live;
    std::set<const void*> resources, blocks;
    std::set<const MemoryFile*> files;
    std::set<const SoundDevice*> devices;
    std::set<SoundBuffer*> buffers;
    unsigned last_resource_id = 0;
};

StandIn& stand_in() {
    static StandIn s;
    return s;
}

// Records the call; false when the step has been made to fail.
bool call(const char* name, control::SoundStep step) {
    stand_in().calls.push_back(name);
    return !stand_in().failing.count(step);
}

// Records a call on an object; false (and says so in the record) when it is not alive.
template <typename T>
bool call_on(const char* name, const std::set<T>& alive, T object) {
    const bool living = object && alive.count(object);
    stand_in().calls.push_back(living ? std::string(name) : std::string(name) + " on a dead object");
    return living;
}

std::uint32_t read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// What DirectSound accepts for a secondary buffer's PCM format.
bool playable(const WaveFormat& f, unsigned bytes) {
    const unsigned frame = f.channels * f.bits_per_sample / 8u;
    return f.format_tag == 1 && (f.channels == 1 || f.channels == 2) &&
           (f.bits_per_sample == 8 || f.bits_per_sample == 16) && f.samples_per_second >= 100 &&
           f.samples_per_second <= 200000 && f.block_align == frame &&
           f.bytes_per_second == f.samples_per_second * frame && bytes >= 4 && bytes <= 0x0FFFFFFF;
}

}  // namespace

// ---- resources ----

Resource load_resource(std::uintptr_t module, unsigned id, const char* type) {
    if (!call("FindResourceA", control::SoundStep::resource)) return {};
    const auto found = resource_table::find(reinterpret_cast<const void*>(module), id, type ? type : "");
    if (!found) return {};
    StandIn& s = stand_in();
    s.calls.insert(s.calls.end(), {"LoadResource", "LockResource", "SizeofResource"});
    s.resources.insert(found.data);
    ++s.live.resources;
    s.last_resource_id = id & 0xFFFF;
    return {found.data, static_cast<unsigned>(found.size), const_cast<unsigned char*>(found.data)};
}

void free_resource(Resource& resource) {
    if (resource.handle && call_on("FreeResource", stand_in().resources, static_cast<const void*>(resource.handle))) {
        stand_in().resources.erase(resource.handle);
        --stand_in().live.resources;
    }
    resource = {};
}

// ---- memory blocks ----

void* allocate_block(unsigned size) {
    if (!call("GlobalAlloc", control::SoundStep::block) || size == 0) return nullptr;
    void* block = new unsigned char[size];
    stand_in().blocks.insert(block);
    ++stand_in().live.blocks;
    return block;
}

void free_block(void* block) {
    if (!block) return;
    if (!call_on("GlobalFree", stand_in().blocks, static_cast<const void*>(block))) return;
    stand_in().blocks.erase(block);
    --stand_in().live.blocks;
    delete[] static_cast<unsigned char*>(block);
}

// ---- RIFF files in memory ----

MemoryFile* open_memory_file(const void* data, unsigned size) {
    if (!call("mmioOpenA", control::SoundStep::memory_file) || !data) return nullptr;
    auto* file = new MemoryFile{static_cast<const unsigned char*>(data), size};
    stand_in().files.insert(file);
    ++stand_in().live.memory_files;
    return file;
}

bool descend(MemoryFile* file, RiffChunk* chunk, const RiffChunk* parent, unsigned flags) {
    if (!call_on("mmioDescend", stand_in().files, static_cast<const MemoryFile*>(file)) || !chunk) return false;
    const std::uint64_t end = parent ? std::min<std::uint64_t>(file->size, std::uint64_t{parent->data_offset} + parent->size)
                                     : file->size;
    for (std::uint64_t at = file->position; at + 8 <= end;) {
        const std::uint32_t id = read32(file->data + at), size = read32(file->data + at + 4);
        const bool list = id == four_cc("RIFF") || id == four_cc("LIST");
        if (list && at + 12 > end) return false;
        const std::uint32_t form = list ? read32(file->data + at + 8) : 0;
        const bool found = flags & FIND_RIFF   ? id == four_cc("RIFF") && form == chunk->form
                           : flags & FIND_CHUNK ? id == chunk->id
                                                : true;
        if (found) {
            *chunk = {id, size, form, static_cast<std::uint32_t>(at + 8)};
            file->position = at + (list ? 12 : 8);
            return true;
        }
        at += 8 + std::uint64_t{size} + (size & 1);
    }
    return false;
}

long read_memory_file(MemoryFile* file, void* buffer, long size) {
    if (!call_on("mmioRead", stand_in().files, static_cast<const MemoryFile*>(file)) || size < 0 || !buffer)
        return -1;
    const std::uint64_t left = file->position < file->size ? file->size - file->position : 0;
    const std::uint64_t n = std::min<std::uint64_t>(left, static_cast<std::uint64_t>(size));
    std::memcpy(buffer, file->data + file->position, n);
    file->position += n;
    return static_cast<long>(n);
}

bool ascend(MemoryFile* file, const RiffChunk* chunk) {
    if (!call_on("mmioAscend", stand_in().files, static_cast<const MemoryFile*>(file)) || !chunk) return false;
    file->position = std::uint64_t{chunk->data_offset} + chunk->size + (chunk->size & 1);
    return true;
}

void close_memory_file(MemoryFile* file) {
    if (!call_on("mmioClose", stand_in().files, static_cast<const MemoryFile*>(file))) return;
    stand_in().files.erase(file);
    --stand_in().live.memory_files;
    delete file;
}

// ---- the sound device and its buffers ----

bool sound_device_create(SoundDevice** device) {
    if (!device) return false;
    *device = nullptr;
    if (!call("DirectSoundCreate", control::SoundStep::device_create)) return false;
    *device = new SoundDevice;
    stand_in().devices.insert(*device);
    ++stand_in().live.devices;
    return true;
}

bool sound_device_set_cooperative_level(SoundDevice* device, WindowHandle window, unsigned level) {
    if (!call_on("SetCooperativeLevel", stand_in().devices, static_cast<const SoundDevice*>(device))) return false;
    // As on Windows, the level needs a window to cooperate with.
    if (stand_in().failing.count(control::SoundStep::cooperative_level) || !window || level < 1 || level > 4)
        return false;
    device->cooperative = true;
    return true;
}

void sound_device_release(SoundDevice* device) {
    if (!call_on("IDirectSound::Release", stand_in().devices, static_cast<const SoundDevice*>(device))) return;
    stand_in().devices.erase(device);
    --stand_in().live.devices;
    delete device;
}

bool sound_buffer_create(SoundDevice* device, const WaveFormat& format, unsigned bytes, SoundBuffer** buffer) {
    if (!buffer) return false;
    *buffer = nullptr;
    if (!call_on("CreateSoundBuffer", stand_in().devices, static_cast<const SoundDevice*>(device)) ||
        stand_in().failing.count(control::SoundStep::buffer_create) || !playable(format, bytes))
        return false;
    *buffer = new SoundBuffer{format, std::vector<unsigned char>(bytes), stand_in().last_resource_id};
    stand_in().buffers.insert(*buffer);
    ++stand_in().live.buffers;
    return true;
}

bool sound_buffer_write(SoundBuffer* buffer, const void* samples, unsigned bytes) {
    if (!call_on("Lock", stand_in().buffers, buffer) || stand_in().failing.count(control::SoundStep::buffer_write) ||
        !samples || bytes > buffer->samples.size())
        return false;
    std::memcpy(buffer->samples.data(), samples, bytes);
    stand_in().calls.insert(stand_in().calls.end(), {"Unlock", "SetCurrentPosition"});
    return true;
}

bool sound_buffer_play(SoundBuffer* buffer, unsigned flags) {
    if (!call_on("Play", stand_in().buffers, buffer) || stand_in().failing.count(control::SoundStep::play))
        return false;
    const bool looping = flags & 1;
    buffer->seconds_left = looping ? std::numeric_limits<double>::infinity()
                                   : static_cast<double>(buffer->samples.size()) / buffer->format.bytes_per_second;
    control::report({"sound", "play " + std::to_string(buffer->resource_id), buffer->resource_id});
    return true;
}

bool sound_buffer_status(SoundBuffer* buffer, unsigned* status) {
    if (!call_on("GetStatus", stand_in().buffers, buffer) || stand_in().failing.count(control::SoundStep::status) ||
        !status)
        return false;
    *status = buffer->seconds_left > 0 ? SOUND_STATUS_PLAYING : 0;
    return true;
}

bool sound_buffer_set_volume(SoundBuffer* buffer, long volume) {
    return call_on("SetVolume", stand_in().buffers, buffer) && !stand_in().failing.count(control::SoundStep::volume) &&
           volume >= -10000 && volume <= 0;
}

void sound_buffer_release(SoundBuffer* buffer) {
    if (!call_on("IDirectSoundBuffer::Release", stand_in().buffers, buffer)) return;
    stand_in().buffers.erase(buffer);
    --stand_in().live.buffers;
    delete buffer;
}

namespace control {

void fail_sound_step(SoundStep step, bool fail) {
    if (fail) stand_in().failing.insert(step);
    else stand_in().failing.erase(step);
}

void reset_sound() {
    stand_in().failing.clear();
    stand_in().calls.clear();
}

std::vector<std::string> sound_calls() { return stand_in().calls; }

LiveSoundObjects live_sound_objects() { return stand_in().live; }

void advance_sound_clock(double seconds) {
    for (SoundBuffer* b : stand_in().buffers) b->seconds_left = std::max(0.0, b->seconds_left - seconds);
}

}  // namespace control

}  // namespace platform
