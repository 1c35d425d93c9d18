// Resources, memory blocks, RIFF files in memory (the multimedia file calls with the "MEM "
// I/O procedure) and DirectSound.
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstring>

#include "platform/platform.h"

namespace platform {

namespace {

IDirectSound* device_of(SoundDevice* device) { return reinterpret_cast<IDirectSound*>(device); }
IDirectSoundBuffer* buffer_of(SoundBuffer* buffer) { return reinterpret_cast<IDirectSoundBuffer*>(buffer); }
HMMIO file_of(MemoryFile* file) { return reinterpret_cast<HMMIO>(file); }

MMCKINFO to_mmio(const RiffChunk& chunk) {
    MMCKINFO info{};
    info.ckid = chunk.id;
    info.cksize = chunk.size;
    info.fccType = chunk.form;
    info.dwDataOffset = chunk.data_offset;
    return info;
}

}  // namespace

// ---- resources ----

Resource load_resource(std::uintptr_t module, unsigned id, const char* type) {
    const auto hmodule = reinterpret_cast<HMODULE>(module);
    HRSRC found = FindResourceA(hmodule, MAKEINTRESOURCEA(id & 0xFFFF), type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(hmodule, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {data, static_cast<unsigned>(SizeofResource(hmodule, found)), loaded};
}

void free_resource(Resource& resource) {
    if (resource.handle) FreeResource(static_cast<HGLOBAL>(resource.handle));
    resource = {};
}

// ---- memory blocks ----

void* allocate_block(unsigned size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* data = block ? GlobalLock(block) : nullptr;
    if (block && !data) GlobalFree(block);
    return data;
}

void free_block(void* block) {
    if (!block) return;
    HGLOBAL handle = GlobalHandle(block);
    GlobalUnlock(handle);
    GlobalFree(handle);
}

// ---- RIFF files in memory ----

MemoryFile* open_memory_file(const void* data, unsigned size) {
    MMIOINFO info{};
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = static_cast<HPSTR>(const_cast<void*>(data));
    info.cchBuffer = static_cast<LONG>(size);
    return reinterpret_cast<MemoryFile*>(mmioOpenA(nullptr, &info, MMIO_ALLOCBUF | MMIO_READWRITE));
}

bool descend(MemoryFile* file, RiffChunk* chunk, const RiffChunk* parent, unsigned flags) {
    MMCKINFO info = to_mmio(*chunk);
    MMCKINFO outer = parent ? to_mmio(*parent) : MMCKINFO{};
    if (mmioDescend(file_of(file), &info, parent ? &outer : nullptr, flags) != MMSYSERR_NOERROR) return false;
    *chunk = {info.ckid, info.cksize, info.fccType, info.dwDataOffset};
    return true;
}

long read_memory_file(MemoryFile* file, void* buffer, long size) {
    return mmioRead(file_of(file), static_cast<HPSTR>(buffer), size);
}

bool ascend(MemoryFile* file, const RiffChunk* chunk) {
    MMCKINFO info = to_mmio(*chunk);
    return mmioAscend(file_of(file), &info, 0) == MMSYSERR_NOERROR;
}

void close_memory_file(MemoryFile* file) { mmioClose(file_of(file), 0); }

// ---- DirectSound ----

bool sound_device_create(SoundDevice** device) {
    IDirectSound* created = nullptr;
    const bool ok = SUCCEEDED(DirectSoundCreate(nullptr, &created, nullptr));
    *device = ok ? reinterpret_cast<SoundDevice*>(created) : nullptr;
    return ok;
}

bool sound_device_set_cooperative_level(SoundDevice* device, WindowHandle window, unsigned level) {
    return SUCCEEDED(device_of(device)->SetCooperativeLevel(static_cast<HWND>(window), level));
}

void sound_device_release(SoundDevice* device) { device_of(device)->Release(); }

bool sound_buffer_create(SoundDevice* device, const WaveFormat& format, unsigned bytes, SoundBuffer** buffer) {
    WAVEFORMATEX wave{};
    wave.wFormatTag = format.format_tag;
    wave.nChannels = format.channels;
    wave.nSamplesPerSec = format.samples_per_second;
    wave.nAvgBytesPerSec = format.bytes_per_second;
    wave.nBlockAlign = format.block_align;
    wave.wBitsPerSample = format.bits_per_sample;
    wave.cbSize = format.extra_size;
    DSBUFFERDESC description{};
    description.dwSize = 36;  // the size the first DirectSound knows, which every later one accepts
    description.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS;
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = &wave;
    IDirectSoundBuffer* created = nullptr;
    const bool ok = SUCCEEDED(device_of(device)->CreateSoundBuffer(&description, &created, nullptr));
    *buffer = ok ? reinterpret_cast<SoundBuffer*>(created) : nullptr;
    return ok;
}

bool sound_buffer_write(SoundBuffer* buffer, const void* samples, unsigned bytes) {
    void* first = nullptr;
    void* second = nullptr;
    DWORD first_bytes = 0, second_bytes = 0;
    if (FAILED(buffer_of(buffer)->Lock(0, bytes, &first, &first_bytes, &second, &second_bytes, 0))) return false;
    std::memcpy(first, samples, first_bytes < bytes ? first_bytes : bytes);
    buffer_of(buffer)->Unlock(first, first_bytes, second, second_bytes);
    return SUCCEEDED(buffer_of(buffer)->SetCurrentPosition(0));
}

bool sound_buffer_play(SoundBuffer* buffer, unsigned flags) { return SUCCEEDED(buffer_of(buffer)->Play(0, 0, flags)); }

bool sound_buffer_status(SoundBuffer* buffer, unsigned* status) {
    DWORD value = 0;
    if (FAILED(buffer_of(buffer)->GetStatus(&value))) return false;
    *status = value;
    return true;
}

bool sound_buffer_set_volume(SoundBuffer* buffer, long volume) {
    return SUCCEEDED(buffer_of(buffer)->SetVolume(volume));
}

void sound_buffer_release(SoundBuffer* buffer) { buffer_of(buffer)->Release(); }

}  // namespace platform
