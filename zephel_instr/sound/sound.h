// Click sounds and callouts: "WAVE" resources of the module played through the platform's
// sound device. One module-wide flag silences all sound after the first failure.
#pragma once

#include "common/gauge_host.h"
#include "platform/platform.h"

namespace zephel::sound {

// 1 until the first failing sound step; never set back.
extern int sound_enabled;

// The operations, each taking the address of the caller's pointer where it may clear it.
platform::WindowHandle find_host_window();
int create_sound_device(platform::WindowHandle window, platform::SoundDevice** device);
UINT32 load_wave_resource(platform::WindowHandle window, platform::SoundDevice** device,
                          platform::SoundBuffer** buffer, UINT32 resource_id, PTRWORD module);
int play_sound(platform::SoundBuffer** buffer, UINT32 flags);
int sound_is_playing(platform::SoundBuffer** buffer);
int set_sound_volume(platform::SoundBuffer** buffer, SINT32 volume);
void release_sound_buffer(platform::SoundBuffer** buffer);
void release_sound_device(platform::SoundDevice** device);

// The sound objects of one sounding gauge, shared by all its placed instances: created at
// the first instance's set-up (service 2), released at the last one's kill (service 12).
struct GaugeSound {
    UINT32 wave_id;
    platform::WindowHandle window = nullptr;
    platform::SoundDevice* device = nullptr;
    platform::SoundBuffer* buffer = nullptr;
    PTRWORD module = 0;
    int instances = 0;
};

void set_up(GaugeSound& sound, PTRWORD module_handle);  // service 2
void tear_down(GaugeSound& sound);                      // service 12
void click(GaugeSound& sound);                          // plays the clip once

}  // namespace zephel::sound
