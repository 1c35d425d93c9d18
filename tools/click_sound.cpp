#include "tools/click_sound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

namespace clicks {

namespace {

constexpr double TICK_SPACING = 0.025;  // seconds between ratchet ticks
constexpr double BOUNCE_DELAY = 0.006;  // the contact bounces once after the click
constexpr double FADE = 0.005;          // the tail fades to rest over this

// White noise from a fixed seed, so that clips are the same in every build.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2 - 1;
    }

private:
    std::uint64_t state_ = 0x5A17C11CULL;
};

// One strike: a snap of bright noise (1.5 ms), a ring at the pitch (12 ms) and a duller
// thump of the lever's body (20 ms), added in from `start` seconds.
void strike(std::vector<double>& out, unsigned rate, double start, double strength, double pitch, Noise& noise) {
    double previous = 0;
    for (std::size_t i = static_cast<std::size_t>(start * rate); i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate - start;
        const double white = noise.next(), bright = white - previous;
        previous = white;
        const double snap = bright * std::exp(-t / 0.0015);
        const double ring = std::sin(2 * std::numbers::pi * pitch * t) * std::exp(-t / 0.012);
        const double thump = std::sin(2 * std::numbers::pi * pitch * 0.37 * t) * std::exp(-t / 0.02);
        out[i] += strength * (0.6 * snap + 0.5 * ring + 0.3 * thump);
    }
}

void put16(std::vector<unsigned char>& v, unsigned x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
void put32(std::vector<unsigned char>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back((x >> (8 * i)) & 0xFF);
}
void put_tag(std::vector<unsigned char>& v, const char* tag) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<unsigned char>(tag[i]));
}

}  // namespace

std::vector<double> click_samples(const ClickSound& sound) {
    if (sound.rate < 1000 || sound.seconds <= 0 || sound.ticks < 0 || sound.pitch <= 0)
        throw std::invalid_argument("a click needs a rate, a length and a pitch");
    std::vector<double> out(static_cast<std::size_t>(std::lround(sound.seconds * sound.rate)), 0.0);
    Noise noise;
    for (int k = 0; k < sound.ticks; ++k) strike(out, sound.rate, k * TICK_SPACING, 0.35, sound.pitch * 1.6, noise);
    const double click_at = sound.ticks * TICK_SPACING;
    strike(out, sound.rate, click_at, 1.0, sound.pitch, noise);
    strike(out, sound.rate, click_at + BOUNCE_DELAY, 0.3, sound.pitch * 1.2, noise);

    double peak = 0;
    for (double s : out) peak = std::max(peak, std::fabs(s));
    const std::size_t fade = static_cast<std::size_t>(FADE * sound.rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double s = peak > 0 ? out[i] / peak * 0.8 : 0.0;
        if (const std::size_t left = out.size() - 1 - i; left < fade) s *= static_cast<double>(left) / fade;
        out[i] = s;
    }
    if (!out.empty()) out.front() = 0;
    return out;
}

std::vector<unsigned char> wave_file(const std::vector<double>& samples, unsigned rate, unsigned bits) {
    if (bits != 8 && bits != 16) throw std::invalid_argument("samples are 8 or 16 bits");
    const unsigned bytes_per_sample = bits / 8;
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * bytes_per_sample);
    const std::uint32_t pad = data_bytes & 1;
    std::vector<unsigned char> v;
    put_tag(v, "RIFF");
    put32(v, 4 + (8 + 16) + (8 + data_bytes + pad));
    put_tag(v, "WAVE");
    put_tag(v, "fmt ");
    put32(v, 16);
    put16(v, 1);  // PCM
    put16(v, 1);  // one channel
    put32(v, rate);
    put32(v, rate * bytes_per_sample);
    put16(v, bytes_per_sample);
    put16(v, bits);
    put_tag(v, "data");
    put32(v, data_bytes);
    for (double s : samples) {
        const double x = std::clamp(s, -1.0, 1.0);
        if (bits == 8) v.push_back(static_cast<unsigned char>(std::lround(128 + x * 127)));
        else put16(v, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(x * 32767))));
    }
    if (pad) v.push_back(0);
    return v;
}

std::vector<unsigned char> wave_resource(const artwork::WaveLine& wave, const std::string& art_name) {
    const std::string here = artwork::where(art_name, wave.line) + "wave " + std::to_string(wave.id) + ": ";
    if (wave.kind != "click") throw artwork::ArtError(here + "unknown kind '" + wave.kind + "' (the kind is click)");
    const ClickSound defaults;
    const double pitch = wave.options.number("pitch", defaults.pitch);
    const double seconds = wave.options.number("length", defaults.seconds);
    const double ticks = wave.options.number("ticks", defaults.ticks);
    if (const auto unused = wave.options.unused(); !unused.empty())
        throw artwork::ArtError(here + "unknown option '" + unused.front() + "'");
    if (pitch < 20 || pitch > 10000 || seconds < 0.01 || seconds > 2 || ticks < 0 || ticks > 20 ||
        ticks != std::floor(ticks))
        throw artwork::ArtError(here + "pitch 20 to 10000 Hz, length 0.01 to 2 s, ticks 0 to 20");
    const ClickSound click{
        .rate = wave.rate, .bits = wave.bits, .pitch = pitch, .seconds = seconds, .ticks = static_cast<int>(ticks)};
    return wave_file(click_samples(click), click.rate, click.bits);
}

}  // namespace clicks
