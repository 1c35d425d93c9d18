// The modules' switch clicks, synthesised at build time as mono PCM RIFF "WAVE" files: a
// short burst of noise for the contact's snap and a damped ring for the lever's body, with
// the ratchet ticks of a handle before its final click. The noise is seeded, so every build
// makes the same bytes.
#pragma once

#include <string>
#include <vector>

#include "tools/artwork/art_file.h"

namespace clicks {

struct ClickSound {
    unsigned rate = 22050;  // samples per second
    unsigned bits = 16;     // 8 (unsigned samples) or 16 (signed)
    double pitch = 2500;    // the ring's frequency, Hz
    double seconds = 0.06;  // the clip's length
    int ticks = 0;          // ratchet ticks before the click
};

// The samples, each in [-1, 1]; the clip starts and ends at rest.
std::vector<double> click_samples(const ClickSound& sound);

// A whole RIFF "WAVE" file: "fmt " (16 bytes, PCM, one channel) and "data".
std::vector<unsigned char> wave_file(const std::vector<double>& samples, unsigned rate, unsigned bits);

// The file for an art file's `wave ID RATE BITS click [pitch=HZ] [length=SECONDS] [ticks=N]`
// line; throws artwork::ArtError naming the line for another kind or an unknown option.
std::vector<unsigned char> wave_resource(const artwork::WaveLine& wave, const std::string& art_name);

}  // namespace clicks
