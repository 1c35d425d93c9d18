// The click-sound operations over the platform's sound stand-in: clips read from a module's
// resource table (well-formed and malformed), the module-wide flag that the first failure
// clears, objects shared by a gauge's instances, and the host window looked up by the
// program's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/linux/platform_control.h"
#include "platform/resource_table.h"
#include "zephel_instr/sound/sound.h"

namespace {

using platform::control::LiveSoundObjects;
using platform::control::SoundStep;
namespace sound = zephel::sound;

// ---- clips and resource tables made in the test ----

using Bytes = std::vector<unsigned char>;

void put16(Bytes& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

// A chunk whose header may claim another size than the data it carries.
Bytes chunk(const char* id, const Bytes& data, std::optional<std::uint32_t> claimed = {}) {
    Bytes b(id, id + 4);
    put32(b, claimed.value_or(static_cast<std::uint32_t>(data.size())));
    b.insert(b.end(), data.begin(), data.end());
    if (data.size() % 2) b.push_back(0);
    return b;
}

Bytes format(unsigned bits, unsigned rate = 22050, unsigned channels = 1, unsigned length = 16) {
    Bytes b;
    put16(b, 1);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, channels * bits / 8);
    put16(b, bits);
    if (length >= 18) put16(b, 0);
    b.resize(length);
    return b;
}

Bytes riff(const std::vector<Bytes>& chunks, const char* form = "WAVE") {
    Bytes inner(form, form + 4);
    for (const Bytes& c : chunks) inner.insert(inner.end(), c.begin(), c.end());
    return chunk("RIFF", inner);
}

Bytes samples(std::size_t n) { return Bytes(n, 0x80); }

// A module's resource table holding "WAVE" resources by id; its address is the handle.
class ResourceTable {
public:
    explicit ResourceTable(const std::vector<std::pair<std::uint32_t, Bytes>>& waves) {
        Bytes b(resource_table::MAGIC, resource_table::MAGIC + 4);
        put32(b, static_cast<std::uint32_t>(waves.size()));
        std::uint32_t at = static_cast<std::uint32_t>(8 + waves.size() * sizeof(resource_table::Entry));
        for (const auto& [id, data] : waves) {
            const char type[8] = "WAVE";
            b.insert(b.end(), type, type + 8);
            put32(b, id);
            put32(b, resource_table::LANGUAGE_FRENCH);
            put32(b, at);
            put32(b, static_cast<std::uint32_t>(data.size()));
            at += static_cast<std::uint32_t>(data.size());
        }
        for (const auto& wave : waves) b.insert(b.end(), wave.second.begin(), wave.second.end());
        words_.resize((b.size() + 3) / 4);
        std::memcpy(words_.data(), b.data(), b.size());
    }
    PTRWORD handle() const { return reinterpret_cast<PTRWORD>(words_.data()); }

private:
    std::vector<std::uint32_t> words_;  // aligned as a module's section is
};

const Bytes GOOD_CLIP = riff({chunk("fmt ", format(16)), chunk("data", samples(2000))});

bool called_on_a_dead_object() {
    const auto calls = platform::control::sound_calls();
    return std::any_of(calls.begin(), calls.end(),
                       [](const std::string& c) { return c.find("dead object") != std::string::npos; });
}

// Every test starts with sound on, a host window and no injected failures, and must leave no
// platform object behind.
class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        sound::sound_enabled = 1;
        platform::control::reset_sound();
        platform::control::register_window("FS98MAIN", "", &window_);
        platform::control::register_window("MSCFSMAIN", "", &window_);
        platform::control::set_event_sink([this](const platform::control::Event& e) {
            if (e.type == "sound") played_.push_back(e.id);
        });
    }
    void TearDown() override {
        EXPECT_EQ(platform::control::live_sound_objects(), LiveSoundObjects{});
        EXPECT_FALSE(called_on_a_dead_object());
        platform::control::register_window("FS98MAIN", "", nullptr);
        platform::control::register_window("MSCFSMAIN", "", nullptr);
        platform::control::set_event_sink({});
        platform::control::reset_sound();
    }
    char window_ = 0;
    std::vector<std::uint32_t> played_;
};

// ---- reading clips ----

TEST_F(Sound, AWellFormedClipFillsABufferAndLeavesNothingOpen) {
    ResourceTable table({{30, GOOD_CLIP}});
    platform::SoundDevice* device = nullptr;
    platform::SoundBuffer* buffer = nullptr;
    ASSERT_EQ(sound::create_sound_device(sound::find_host_window(), &device), 1);
    EXPECT_EQ(sound::load_wave_resource(nullptr, &device, &buffer, 30, table.handle()), 2000u);
    ASSERT_NE(buffer, nullptr);
    // Only the device and the buffer outlive the load: the resource, the memory file and the
    // copy of the samples are gone.
    EXPECT_EQ(platform::control::live_sound_objects(), (LiveSoundObjects{.devices = 1, .buffers = 1}));
    EXPECT_EQ(sound::play_sound(&buffer, 0), 1);
    EXPECT_EQ(played_, std::vector<std::uint32_t>{30});
    EXPECT_EQ(sound::sound_is_playing(&buffer), 1);
    EXPECT_EQ(sound::set_sound_volume(&buffer, -500), 1);
    sound::release_sound_buffer(&buffer);
    sound::release_sound_device(&device);
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(sound::sound_enabled, 1);
}

TEST_F(Sound, OnlyTheLow16BitsOfTheIdCount) {
    ResourceTable table({{30, GOOD_CLIP}});
    platform::SoundDevice* device = nullptr;
    platform::SoundBuffer* buffer = nullptr;
    sound::create_sound_device(sound::find_host_window(), &device);
    EXPECT_EQ(sound::load_wave_resource(nullptr, &device, &buffer, 0x5001E, table.handle()), 2000u);
    sound::release_sound_buffer(&buffer);
    sound::release_sound_device(&device);
}

struct ClipCase {
    const char* what;
    Bytes clip;
    bool loads;
};

void PrintTo(const ClipCase& c, std::ostream* os) { *os << c.what; }

class Clips : public Sound, public ::testing::WithParamInterface<ClipCase> {};

// A clip that cannot be read fails the load, silences the module and leaves nothing open.
TEST_P(Clips, LoadOrSilence) {
    const ClipCase& c = GetParam();
    ResourceTable table({{10, c.clip}});
    platform::SoundDevice* device = nullptr;
    platform::SoundBuffer* buffer = nullptr;
    sound::create_sound_device(sound::find_host_window(), &device);
    const UINT32 bytes = sound::load_wave_resource(nullptr, &device, &buffer, 10, table.handle());
    EXPECT_EQ(bytes != 0, c.loads);
    EXPECT_EQ(buffer != nullptr, c.loads);
    EXPECT_EQ(sound::sound_enabled, c.loads ? 1 : 0);
    sound::release_sound_buffer(&buffer);
    sound::release_sound_device(&device);
}

const Bytes SHORT_DATA = samples(100);
Bytes truncated(Bytes b, std::size_t size) {
    b.resize(size);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Sound, Clips,
    ::testing::Values(
        ClipCase{"16-bit clip with a 16-byte format chunk", GOOD_CLIP, true},
        ClipCase{"8-bit clip with an 18-byte format chunk",
                 riff({chunk("fmt ", format(8, 22050, 1, 18)), chunk("data", samples(500))}), true},
        ClipCase{"other chunks before, between and after are skipped, odd ones padded",
                 riff({chunk("LIST", samples(7)), chunk("fmt ", format(16)), chunk("fact", samples(3)),
                       chunk("data", samples(400)), chunk("cue ", samples(5))}),
                 true},
        ClipCase{"data chunk claiming more than the resource holds",
                 riff({chunk("fmt ", format(16)), chunk("data", SHORT_DATA, 100000)}), false},
        ClipCase{"format chunk reaching past the resource",
                 truncated(riff({chunk("fmt ", format(16), 4000)}), 40), false},
        ClipCase{"resource cut inside the samples", truncated(GOOD_CLIP, 600), false},
        ClipCase{"resource cut inside the RIFF header", truncated(GOOD_CLIP, 6), false},
        ClipCase{"format chunk of 14 bytes (no sample size)",
                 riff({chunk("fmt ", format(16, 22050, 1, 14)), chunk("data", samples(400))}), false},
        ClipCase{"no format chunk", riff({chunk("data", samples(400))}), false},
        ClipCase{"no data chunk", riff({chunk("fmt ", format(16))}), false},
        ClipCase{"empty data chunk", riff({chunk("fmt ", format(16)), chunk("data", {})}), false},
        ClipCase{"another RIFF form", riff({chunk("fmt ", format(16)), chunk("data", samples(400))}, "AVI "), false},
        ClipCase{"not a RIFF file", Bytes(64, 'x'), false},
        ClipCase{"a format DirectSound does not play (12-bit)",
                 riff({chunk("fmt ", format(12)), chunk("data", samples(400))}), false}));

TEST_F(Sound, AMissingResourceSilences) {
    ResourceTable table({{30, GOOD_CLIP}});
    platform::SoundDevice* device = nullptr;
    platform::SoundBuffer* buffer = nullptr;
    sound::create_sound_device(sound::find_host_window(), &device);
    EXPECT_EQ(sound::load_wave_resource(nullptr, &device, &buffer, 20, table.handle()), 0u);
    EXPECT_EQ(sound::sound_enabled, 0);
    sound::release_sound_device(&device);
}

// ---- the flag ----

TEST_F(Sound, TheFirstFailureSilencesEveryGaugeForGood) {
    ResourceTable table({{10, GOOD_CLIP}, {30, GOOD_CLIP}});
    sound::GaugeSound first{.wave_id = 30}, second{.wave_id = 10};
    sound::set_up(first, table.handle());
    ASSERT_NE(first.buffer, nullptr);

    platform::control::fail_sound_step(SoundStep::device_create);
    sound::set_up(second, table.handle());
    EXPECT_EQ(sound::sound_enabled, 0);
    EXPECT_EQ(second.device, nullptr);

    // The device works again, but the module stays silent: the first gauge's buffer is
    // still there and is not played; the second gauge's set-up makes a device it cannot use.
    platform::control::fail_sound_step(SoundStep::device_create, false);
    sound::click(first);
    sound::tear_down(second);
    sound::set_up(second, table.handle());
    EXPECT_NE(second.device, nullptr);
    EXPECT_EQ(second.buffer, nullptr);
    sound::click(second);
    EXPECT_TRUE(played_.empty());
    EXPECT_EQ(sound::sound_enabled, 0);

    // What exists is released at the kill all the same.
    sound::tear_down(first);
    sound::tear_down(second);
}

struct StepCase {
    SoundStep step;
    const char* what;
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.what; }

class SetUpFailures : public Sound, public ::testing::WithParamInterface<StepCase> {};

// Whichever step fails at set-up, the gauge stays silent, the module too, and its kill
// leaves nothing behind.
TEST_P(SetUpFailures, SilenceWithoutLeaks) {
    ResourceTable table({{30, GOOD_CLIP}});
    sound::GaugeSound gauge{.wave_id = 30};
    platform::control::fail_sound_step(GetParam().step);
    sound::set_up(gauge, table.handle());
    EXPECT_EQ(sound::sound_enabled, 0);
    EXPECT_EQ(gauge.buffer, nullptr);
    sound::click(gauge);
    EXPECT_TRUE(played_.empty());
    sound::tear_down(gauge);
}

INSTANTIATE_TEST_SUITE_P(Sound, SetUpFailures,
                         ::testing::Values(StepCase{SoundStep::device_create, "DirectSoundCreate"},
                                           StepCase{SoundStep::cooperative_level, "SetCooperativeLevel"},
                                           StepCase{SoundStep::resource, "FindResourceA"},
                                           StepCase{SoundStep::memory_file, "mmioOpenA"},
                                           StepCase{SoundStep::block, "GlobalAlloc"},
                                           StepCase{SoundStep::buffer_create, "CreateSoundBuffer"},
                                           StepCase{SoundStep::buffer_write, "Lock"}));

TEST_F(Sound, ADeviceNeedsAWindow) {
    platform::SoundDevice* device = nullptr;
    EXPECT_EQ(sound::create_sound_device(nullptr, &device), 0);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(sound::sound_enabled, 0);
}

// A failing call on a buffer releases it before forgetting it, and silences the module.
TEST_F(Sound, AFailingBufferCallReleasesTheBuffer) {
    ResourceTable table({{30, GOOD_CLIP}});
    using Call = int (*)(platform::SoundBuffer**);
    const std::pair<SoundStep, Call> calls[] = {
        {SoundStep::play, [](platform::SoundBuffer** b) { return sound::play_sound(b, 0); }},
        {SoundStep::status, [](platform::SoundBuffer** b) { return sound::sound_is_playing(b); }},
        {SoundStep::volume, [](platform::SoundBuffer** b) { return sound::set_sound_volume(b, -500); }},
    };
    for (const auto& [step, call] : calls) {
        sound::sound_enabled = 1;
        platform::control::reset_sound();
        sound::GaugeSound gauge{.wave_id = 30};
        sound::set_up(gauge, table.handle());
        platform::control::fail_sound_step(step);
        EXPECT_EQ(call(&gauge.buffer), 0);
        EXPECT_EQ(gauge.buffer, nullptr);
        EXPECT_EQ(sound::sound_enabled, 0);
        EXPECT_EQ(platform::control::live_sound_objects().buffers, 0);
        sound::tear_down(gauge);
    }
}

// Nothing to act on is no failure.
TEST_F(Sound, NullObjectsAreNothingToDo) {
    ResourceTable table({{30, GOOD_CLIP}});
    platform::SoundDevice* device = nullptr;
    platform::SoundBuffer* buffer = nullptr;
    EXPECT_EQ(sound::play_sound(&buffer, 0), 0);
    EXPECT_EQ(sound::sound_is_playing(&buffer), 0);
    EXPECT_EQ(sound::set_sound_volume(&buffer, -500), 0);
    EXPECT_EQ(sound::load_wave_resource(nullptr, &device, &buffer, 30, table.handle()), 0u);
    sound::release_sound_buffer(&buffer);
    sound::release_sound_device(&device);
    EXPECT_EQ(sound::sound_enabled, 1);
    EXPECT_TRUE(platform::control::sound_calls().empty());
}

// ---- a gauge's instances ----

TEST_F(Sound, InstancesShareOneSetOfObjectsUntilTheLastKill) {
    ResourceTable table({{10, GOOD_CLIP}});
    sound::GaugeSound gauge{.wave_id = 10};
    sound::set_up(gauge, table.handle());
    sound::set_up(gauge, table.handle());
    EXPECT_EQ(platform::control::live_sound_objects(), (LiveSoundObjects{.devices = 1, .buffers = 1}));

    sound::tear_down(gauge);  // the first placed instance goes
    sound::click(gauge);      // the survivor still clicks
    EXPECT_EQ(played_, std::vector<std::uint32_t>{10});
    EXPECT_EQ(sound::sound_enabled, 1);

    sound::tear_down(gauge);
    EXPECT_EQ(gauge.buffer, nullptr);
    EXPECT_EQ(gauge.device, nullptr);
    sound::tear_down(gauge);  // a kill without a set-up changes nothing
    EXPECT_EQ(gauge.instances, 0);
}

TEST_F(Sound, TheReleaseComesBufferFirstThenDevice) {
    ResourceTable table({{10, GOOD_CLIP}});
    sound::GaugeSound gauge{.wave_id = 10};
    sound::set_up(gauge, table.handle());
    platform::control::reset_sound();
    sound::tear_down(gauge);
    EXPECT_EQ(platform::control::sound_calls(),
              (std::vector<std::string>{"IDirectSoundBuffer::Release", "IDirectSound::Release"}));
}

TEST_F(Sound, AClipPlaysForItsLength) {
    ResourceTable table({{10, GOOD_CLIP}});  // 1000 samples of 16 bits at 22050 Hz: 45 ms
    sound::GaugeSound gauge{.wave_id = 10};
    sound::set_up(gauge, table.handle());
    sound::click(gauge);
    platform::control::advance_sound_clock(0.04);
    EXPECT_EQ(sound::sound_is_playing(&gauge.buffer), 1);
    platform::control::advance_sound_clock(0.01);
    EXPECT_EQ(sound::sound_is_playing(&gauge.buffer), 0);
    sound::tear_down(gauge);
}

// ---- the host window ----

struct WindowCase {
    const char* program;
    const char* window_class;
};
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.program; }

class HostWindow : public ::testing::TestWithParam<WindowCase> {};

// The class follows the program's base name: a '2' fourth or a 'C' first means
// "MSCFSMAIN"; anything else, names too short to have those characters included, "FS98MAIN".
TEST_P(HostWindow, ClassFromTheProgramName) {
    char fs98 = 0, mscfs = 0;
    platform::control::register_window("FS98MAIN", "", &fs98);
    platform::control::register_window("MSCFSMAIN", "", &mscfs);
    platform::control::set_executable_path(GetParam().program);
    const platform::WindowHandle expected =
        std::string(GetParam().window_class) == "FS98MAIN" ? static_cast<void*>(&fs98) : &mscfs;
    EXPECT_EQ(sound::find_host_window(), expected);
    platform::control::set_executable_path("");
    platform::control::register_window("FS98MAIN", "", nullptr);
    platform::control::register_window("MSCFSMAIN", "", nullptr);
}

INSTANTIATE_TEST_SUITE_P(Sound, HostWindow,
                         ::testing::Values(WindowCase{"C:\\FS98\\FS98.EXE", "FS98MAIN"},
                                           WindowCase{"C:\\Sims\\FS2000.exe", "FS98MAIN"},
                                           WindowCase{"D:\\Games\\CFS\\CFS.exe", "MSCFSMAIN"},
                                           WindowCase{"/opt/sim/abc2.bin", "MSCFSMAIN"},
                                           WindowCase{"C:\\CFS2\\cfs2.exe", "MSCFSMAIN"},
                                           WindowCase{"C:\\sim.v2\\ab", "FS98MAIN"},
                                           WindowCase{"C:\\x.exe", "FS98MAIN"},
                                           WindowCase{"", "FS98MAIN"}));

TEST(HostWindowMissing, GivesANullWindow) {
    platform::control::set_executable_path("FS98.EXE");
    EXPECT_EQ(sound::find_host_window(), nullptr);
    platform::control::set_executable_path("");
}

}  // namespace
