// The radio heads: frequencies and codes decoded onto the drums, the band limits of the
// knobs, the power and audio switches, the audio state pushed on every refresh, and the ADF
// and transponder digit tuning.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gauge_test_support.h"

namespace {

struct Point {
    int x, y;
};

// Where to click on each head (inside the boxes of its mouse list).
namespace com {
constexpr Point WHOLE_DOWN{40, 240}, WHOLE_UP{100, 240}, FRACTION_DOWN{250, 240}, FRACTION_UP{300, 240};
constexpr Point POWER_OFF{190, 245}, POWER_ON{200, 185};
constexpr Point DIGITS_WHOLE_UP{140, 70}, DIGITS_WHOLE_DOWN{140, 120}, DIGITS_FRACTION_UP{220, 70},
    DIGITS_FRACTION_DOWN{220, 120};
}  // namespace com
namespace nav {
constexpr Point WHOLE_DOWN{70, 45}, WHOLE_UP{88, 45}, FRACTION_DOWN{186, 45}, FRACTION_UP{204, 45};
constexpr Point POWER_OFF{38, 70}, POWER_ON{38, 45}, AUDIO_OFF{233, 60}, AUDIO_ON{250, 60};
}  // namespace nav
namespace adf {
constexpr Point POWER_OFF{148, 125}, POWER_ON{200, 112}, AUDIO{180, 80};
constexpr Point HUNDREDS_DOWN{66, 130}, HUNDREDS_UP{126, 130}, TENS_DOWN{78, 130}, TENS_UP{114, 130},
    UNITS_DOWN{90, 130}, UNITS_UP{102, 130};
constexpr Point DIGITS_HUNDREDS_UP{78, 40}, DIGITS_HUNDREDS_DOWN{78, 70}, DIGITS_TENS_UP{94, 40},
    DIGITS_TENS_DOWN{94, 70}, DIGITS_UNITS_UP{110, 40}, DIGITS_UNITS_DOWN{110, 70}, DIGITS_TENTHS_UP{126, 40},
    DIGITS_TENTHS_DOWN{126, 70};
}  // namespace adf
namespace xpdr {
constexpr Point POWER{40, 40}, FIXED_SWITCH{220, 40};
constexpr Point THOUSANDS_DOWN{120, 78}, THOUSANDS_UP{120, 52}, HUNDREDS_DOWN{145, 78}, HUNDREDS_UP{145, 52},
    TENS_DOWN{170, 78}, TENS_UP{170, 52}, UNITS_DOWN{195, 78}, UNITS_UP{195, 52};
}  // namespace xpdr

// Element indexes in each head's chain.
struct Chain {
    std::size_t hundredths, tenths, units, tens, fraction_knob, whole_knob, power, lamp;
};
constexpr Chain COM_CHAIN{1, 2, 4, 5, 7, 8, 9, 10};
constexpr Chain NAV_CHAIN{1, 2, 3, 4, 6, 7, 9, 10};
constexpr std::size_t NAV_AUDIO = 8;
constexpr std::size_t ADF_AUDIO = 10, ADF_LAMP = 11, ADF_POWER = 12;
constexpr std::size_t XPDR_LAMP = 6, XPDR_POWER = 7;

constexpr UINT32 NAV1_AUDIO_ON = 0x1012D, NAV1_AUDIO_OFF = 0x10128;
constexpr UINT32 NAV2_AUDIO_ON = 0x1012E, NAV2_AUDIO_OFF = 0x10129;
constexpr UINT32 ADF_AUDIO_ON = 0x10131, ADF_AUDIO_OFF = 0x1012C;

class RadioHeads : public ::testing::Test {
protected:
    LoadedModule m{gauge_module_path("Zephel_Instr")};

    // The key events a click sends.
    std::vector<UINT32> click(host::GaugeInstance& g, Point at) {
        const std::size_t before = m.host.events().size();
        m.host.click(g, at.x, at.y, host::MouseButton::left);
        return keys_since(before);
    }
    std::vector<UINT32> keys_since(std::size_t from) const {
        std::vector<UINT32> ids;
        for (std::size_t i = from; i < m.host.events().size(); ++i)
            if (m.host.events()[i].type == "key") ids.push_back(m.host.events()[i].id);
        return ids;
    }
    // The key events one frame sends.
    std::vector<UINT32> frame() {
        const std::size_t before = m.host.events().size();
        m.host.frame();
        return keys_since(before);
    }
    // How many clicks were played since `from`.
    int clicks_played(std::size_t from) const {
        int n = 0;
        for (std::size_t i = from; i < m.host.events().size(); ++i)
            n += m.host.events()[i].type == "sound" && m.host.events()[i].text == "play 30";
        return n;
    }
    int picture(const host::GaugeInstance& g, std::size_t element) const { return g.elements().at(element).picture; }
    bool lit(const host::GaugeInstance& g, std::size_t element) const {
        return (g.elements().at(element).element->image_flags & IMAGE_USE_LUMINOUS) != 0;
    }
    // Brings a head with a flip-flop switch to the position wanted, whatever it was left in.
    void set_flip_switch(host::GaugeInstance& g, std::size_t icon, Point box, bool on) {
        m.host.frame();
        if ((picture(g, icon) == 1) != on) m.host.click(g, box.x, box.y, host::MouseButton::left);
        m.host.frame();
        ASSERT_EQ(picture(g, icon) == 1, on);
    }
};

// ---- VHF heads: decoding ----

struct VhfDecodeCase {
    const char* gauge;
    UINT32 token;
    double bcd;
    double hundredths, tenths, units, tens;  // the drums' values
    double whole_mhz, fraction;               // the knobs' values
};

void PrintTo(const VhfDecodeCase& c, std::ostream* os) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s at 0x%04X", c.gauge, static_cast<unsigned>(c.bcd));
    *os << buf;
}

class VhfDecoding : public RadioHeads, public ::testing::WithParamInterface<VhfDecodeCase> {};

TEST_P(VhfDecoding, DrumsAndKnobsShowTheFrequency) {
    const VhfDecodeCase& c = GetParam();
    const Chain& chain = std::string(c.gauge) == "Radio_COM1" ? COM_CHAIN : NAV_CHAIN;
    host::GaugeInstance& head = m.place(c.gauge);
    m.host.set_var(c.token, c.bcd);
    m.host.frame();
    const auto& e = head.elements();
    EXPECT_DOUBLE_EQ(e.at(chain.hundredths).value_y, c.hundredths);
    EXPECT_DOUBLE_EQ(e.at(chain.tenths).value_y, c.tenths);
    EXPECT_DOUBLE_EQ(e.at(chain.units).value_y, c.units);
    EXPECT_DOUBLE_EQ(e.at(chain.tens).value_y, c.tens);
    EXPECT_DOUBLE_EQ(e.at(chain.whole_knob).value, c.whole_mhz);
    EXPECT_DOUBLE_EQ(e.at(chain.fraction_knob).value, c.fraction);
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, VhfDecoding,
    ::testing::Values(
        VhfDecodeCase{"Radio_COM1", 23, 0x1895, 5, 9, 8, 1, 118, 95},
        VhfDecodeCase{"Radio_COM1", 23, 0x2005, 5, 0, 0, 2, 120, 5},  // a fraction byte below 0x10
        VhfDecodeCase{"Radio_COM1", 23, 0x3550, 0, 5, 5, 3, 135, 50},
        // Set by other means above the knobs' limit, 136 still decodes and shows.
        VhfDecodeCase{"Radio_COM1", 23, 0x3695, 5, 9, 6, 3, 136, 95},
        // Before the simulator sets a frequency the token reads 0: no wrap-around.
        VhfDecodeCase{"Radio_COM1", 23, 0, 0, 0, 0, 0, 100, 0},
        VhfDecodeCase{"Radio_COM1", 23, -5, 0, 0, 0, 0, 100, 0},
        VhfDecodeCase{"Radio_NAV1", 24, 0x1390, 0, 9, 3, 1, 113, 90},
        VhfDecodeCase{"Radio_NAV1", 24, 0x0805, 5, 0, 8, 0, 108, 5},
        VhfDecodeCase{"Radio_NAV1", 24, 0x1795, 5, 9, 7, 1, 117, 95},
        VhfDecodeCase{"Radio_NAV2", 27, 0x0800, 0, 0, 8, 0, 108, 0},
        VhfDecodeCase{"Radio_NAV2", 27, 0x1105, 5, 0, 1, 1, 111, 5}));

TEST_F(RadioHeads, ComDrumsRollToTheirDigits) {
    host::GaugeInstance& head = m.place("Radio_COM1");
    m.host.set_var(23, 0x1895);
    m.host.frame();
    const auto& e = head.elements();
    EXPECT_DOUBLE_EQ(e.at(COM_CHAIN.hundredths).offset_y, 0.5);
    EXPECT_DOUBLE_EQ(e.at(COM_CHAIN.tenths).offset_y, 0.9);
    EXPECT_DOUBLE_EQ(e.at(COM_CHAIN.units).offset_y, 0.8);
    EXPECT_DOUBLE_EQ(e.at(COM_CHAIN.tens).offset_y, 1.0 / 3.0);  // 1 of 0 to 3
    // The knobs: 45 degrees per megahertz from 118 straight up, 3.6 degrees per hundredth.
    EXPECT_NEAR(e.at(COM_CHAIN.whole_knob).angle, 0, 1e-9);
    EXPECT_NEAR(e.at(COM_CHAIN.fraction_knob).angle, 342, 1e-9);
}

// ---- VHF heads: tuning ----

struct TuneCase {
    const char* gauge;
    UINT32 token;
    double bcd;
    Point box;
    std::vector<UINT32> sent;  // with the head powered
};

void PrintTo(const TuneCase& c, std::ostream* os) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%s at 0x%04X, click (%d,%d)", c.gauge, static_cast<unsigned>(c.bcd), c.box.x,
                  c.box.y);
    *os << buf;
}

class VhfTuning : public RadioHeads, public ::testing::WithParamInterface<TuneCase> {};

TEST_P(VhfTuning, KnobsStopAtTheBandEndsAndNeedPower) {
    const TuneCase& c = GetParam();
    const bool com = std::string(c.gauge) == "Radio_COM1";
    host::GaugeInstance& head = m.place(c.gauge);
    m.host.set_var(c.token, c.bcd);
    m.host.frame();
    EXPECT_TRUE(click(head, c.box).empty()) << "unpowered";
    m.host.click(head, com ? com::POWER_ON.x : nav::POWER_ON.x, com ? com::POWER_ON.y : nav::POWER_ON.y,
                 host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(click(head, c.box), c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, VhfTuning,
    ::testing::Values(
        TuneCase{"Radio_COM1", 23, 0x3595, com::WHOLE_UP, {}},  // 135 is the top
        TuneCase{"Radio_COM1", 23, 0x3695, com::WHOLE_UP, {}},
        TuneCase{"Radio_COM1", 23, 0x3495, com::WHOLE_UP, {0x10065}},
        TuneCase{"Radio_COM1", 23, 0x3595, com::WHOLE_DOWN, {0x10064}},
        TuneCase{"Radio_COM1", 23, 0x1800, com::WHOLE_DOWN, {}},  // 118 is the bottom
        TuneCase{"Radio_COM1", 23, 0x1800, com::DIGITS_WHOLE_DOWN, {}},
        TuneCase{"Radio_COM1", 23, 0x1800, com::DIGITS_WHOLE_UP, {0x10065}},
        TuneCase{"Radio_COM1", 23, 0x1995, com::FRACTION_UP, {0x10067}},  // the simulator wraps it
        TuneCase{"Radio_COM1", 23, 0x1800, com::FRACTION_DOWN, {0x10066}},
        TuneCase{"Radio_COM1", 23, 0x1800, com::DIGITS_FRACTION_UP, {0x10067}},
        TuneCase{"Radio_COM1", 23, 0x1800, com::DIGITS_FRACTION_DOWN, {0x10066}},
        TuneCase{"Radio_NAV1", 24, 0x1795, nav::WHOLE_UP, {}},
        TuneCase{"Radio_NAV1", 24, 0x1695, nav::WHOLE_UP, {0x10069}},
        TuneCase{"Radio_NAV1", 24, 0x0800, nav::WHOLE_DOWN, {}},
        TuneCase{"Radio_NAV1", 24, 0x1000, nav::WHOLE_DOWN, {0x10068}},
        TuneCase{"Radio_NAV1", 24, 0x1000, nav::FRACTION_DOWN, {0x1006A}},
        TuneCase{"Radio_NAV1", 24, 0x1000, nav::FRACTION_UP, {0x1006B}},
        TuneCase{"Radio_NAV2", 27, 0x1795, nav::WHOLE_UP, {}},
        TuneCase{"Radio_NAV2", 27, 0x0800, nav::WHOLE_UP, {0x1006D}},
        TuneCase{"Radio_NAV2", 27, 0x0800, nav::WHOLE_DOWN, {}},
        TuneCase{"Radio_NAV2", 27, 0x0900, nav::WHOLE_DOWN, {0x1006C}},
        TuneCase{"Radio_NAV2", 27, 0x0900, nav::FRACTION_DOWN, {0x1006E}},
        TuneCase{"Radio_NAV2", 27, 0x0900, nav::FRACTION_UP, {0x1006F}}));

// ---- VHF heads: switches and the audio pushed every frame ----

TEST_F(RadioHeads, VhfPowerSwitchLightsTheDisplay) {
    for (const char* gauge : {"Radio_COM1", "Radio_NAV1", "Radio_NAV2"}) {
        const bool com = std::string(gauge) == "Radio_COM1";
        const Chain& chain = com ? COM_CHAIN : NAV_CHAIN;
        const Point on = com ? com::POWER_ON : nav::POWER_ON, off = com ? com::POWER_OFF : nav::POWER_OFF;
        host::GaugeInstance& head = m.place(gauge);
        m.host.frame();
        EXPECT_EQ(picture(head, chain.power), 0) << gauge;
        EXPECT_EQ(picture(head, chain.lamp), -1) << gauge;
        EXPECT_FALSE(lit(head, chain.units)) << gauge;
        // Unlit digits are still drawn.
        EXPECT_FALSE(head.elements().at(chain.units).hidden) << gauge;
        EXPECT_EQ(head.elements().at(chain.units).element->image_flags & IMAGE_NO_STATIC_BLENDING, 0u);

        m.host.click(head, on.x, on.y, host::MouseButton::left);
        m.host.frame();
        EXPECT_EQ(picture(head, chain.power), 1) << gauge;
        EXPECT_EQ(picture(head, chain.lamp), 0) << gauge;
        for (std::size_t drum : {chain.hundredths, chain.tenths, chain.units, chain.tens})
            EXPECT_TRUE(lit(head, drum)) << gauge << " element " << drum;
        EXPECT_FALSE(lit(head, chain.whole_knob)) << gauge;  // knobs are never lit

        m.host.click(head, off.x, off.y, host::MouseButton::left);
        m.host.frame();
        EXPECT_EQ(picture(head, chain.power), 0) << gauge;
        EXPECT_FALSE(lit(head, chain.tens)) << gauge;
    }
}

TEST_F(RadioHeads, ASwitchClicksOnlyWhenItMoves) {
    host::GaugeInstance& head = m.place("Radio_NAV1");
    m.host.frame();
    std::size_t before = m.host.events().size();
    EXPECT_TRUE(click(head, nav::POWER_OFF).empty());  // already off
    EXPECT_TRUE(click(head, nav::AUDIO_OFF).empty());
    EXPECT_EQ(clicks_played(before), 0);
    before = m.host.events().size();
    EXPECT_TRUE(click(head, nav::POWER_ON).empty());
    EXPECT_TRUE(click(head, nav::POWER_ON).empty());
    EXPECT_TRUE(click(head, nav::AUDIO_ON).empty());
    EXPECT_EQ(clicks_played(before), 2);
    before = m.host.events().size();
    // Switching off silences the station at once.
    EXPECT_EQ(click(head, nav::POWER_OFF), std::vector<UINT32>{NAV1_AUDIO_OFF});
    EXPECT_EQ(clicks_played(before), 1);
}

TEST_F(RadioHeads, ComPowerSwitchSendsNoAudioEvents) {
    host::GaugeInstance& head = m.place("Radio_COM1");
    m.host.frame();
    EXPECT_TRUE(click(head, com::POWER_ON).empty());
    EXPECT_TRUE(frame().empty());
    EXPECT_TRUE(click(head, com::POWER_OFF).empty());
    EXPECT_TRUE(frame().empty());
}

TEST_F(RadioHeads, VhfHeadsStartUnpoweredAtEveryInstall) {
    struct {
        const char* gauge;
        UINT32 silenced_with;  // sent at install
    } heads[] = {{"Radio_COM1", NAV1_AUDIO_OFF}, {"Radio_NAV1", NAV1_AUDIO_OFF}, {"Radio_NAV2", NAV2_AUDIO_OFF}};
    for (const auto& h : heads) {
        const Chain& chain = std::string(h.gauge) == "Radio_COM1" ? COM_CHAIN : NAV_CHAIN;
        const Point on = std::string(h.gauge) == "Radio_COM1" ? com::POWER_ON : nav::POWER_ON;
        host::GaugeInstance& first = m.place(h.gauge);
        m.host.click(first, on.x, on.y, host::MouseButton::left);
        m.host.frame();
        ASSERT_EQ(picture(first, chain.power), 1) << h.gauge;
        m.host.kill(first);
        const std::size_t before = m.host.events().size();
        host::GaugeInstance& again = m.place(h.gauge);
        EXPECT_EQ(keys_since(before), std::vector<UINT32>{h.silenced_with}) << h.gauge;
        m.host.frame();
        EXPECT_EQ(picture(again, chain.power), 0) << h.gauge;
        m.host.kill(again);
    }
}

struct AudioCase {
    const char* gauge;
    bool power, audio;
    std::vector<UINT32> every_frame;  // the audio icon's event, then the power icon's
};

void PrintTo(const AudioCase& c, std::ostream* os) {
    *os << c.gauge << (c.power ? " on" : " off") << ", audio " << (c.audio ? "on" : "off");
}

class AudioPushes : public RadioHeads, public ::testing::WithParamInterface<AudioCase> {};

TEST_P(AudioPushes, FollowTheSwitchesOnEveryFrame) {
    const AudioCase& c = GetParam();
    host::GaugeInstance& head = m.place(c.gauge);
    if (std::string(c.gauge) == "Radio_ADF") {
        m.host.click(head, adf::POWER_OFF.x, adf::POWER_OFF.y, host::MouseButton::left);
        set_flip_switch(head, ADF_AUDIO, adf::AUDIO, c.audio);
        const Point power = c.power ? adf::POWER_ON : adf::POWER_OFF;
        m.host.click(head, power.x, power.y, host::MouseButton::left);
    } else {
        const Point audio = c.audio ? nav::AUDIO_ON : nav::AUDIO_OFF, power = c.power ? nav::POWER_ON : nav::POWER_OFF;
        m.host.click(head, audio.x, audio.y, host::MouseButton::left);
        m.host.click(head, power.x, power.y, host::MouseButton::left);
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(frame(), c.every_frame) << "frame " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Switches, AudioPushes,
    ::testing::Values(AudioCase{"Radio_NAV1", false, false, {NAV1_AUDIO_OFF, NAV1_AUDIO_OFF}},
                      AudioCase{"Radio_NAV1", false, true, {NAV1_AUDIO_OFF}},
                      AudioCase{"Radio_NAV1", true, false, {NAV1_AUDIO_OFF}},
                      AudioCase{"Radio_NAV1", true, true, {NAV1_AUDIO_ON, NAV1_AUDIO_ON}},
                      // NAV2 drives its own receiver's audio, never NAV1's.
                      AudioCase{"Radio_NAV2", false, false, {NAV2_AUDIO_OFF, NAV2_AUDIO_OFF}},
                      AudioCase{"Radio_NAV2", false, true, {NAV2_AUDIO_OFF}},
                      AudioCase{"Radio_NAV2", true, false, {NAV2_AUDIO_OFF}},
                      AudioCase{"Radio_NAV2", true, true, {NAV2_AUDIO_ON, NAV2_AUDIO_ON}},
                      AudioCase{"Radio_ADF", false, false, {ADF_AUDIO_OFF, ADF_AUDIO_OFF}},
                      AudioCase{"Radio_ADF", false, true, {ADF_AUDIO_OFF}},
                      AudioCase{"Radio_ADF", true, false, {ADF_AUDIO_OFF}},
                      AudioCase{"Radio_ADF", true, true, {ADF_AUDIO_ON, ADF_AUDIO_ON}}));

// ---- the road of a click: the host's aircraft answers, the next frame shows it ----

TEST_F(RadioHeads, TuningReachesTheDrumsThroughTheAircraft) {
    host::GaugeInstance& com1 = m.place("Radio_COM1");
    m.host.set_var(23, 0x1895);
    m.host.frame();
    for (Point p : {com::POWER_ON, com::WHOLE_UP, com::FRACTION_UP}) m.host.click(com1, p.x, p.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_DOUBLE_EQ(com1.elements().at(COM_CHAIN.units).value_y, 9);  // 119.00
    EXPECT_DOUBLE_EQ(com1.elements().at(COM_CHAIN.tenths).value_y, 0);

    host::GaugeInstance& xpdr = m.place("Radio_IFF_XPDR");
    m.host.set_var(0x26, 0x1200);
    set_flip_switch(xpdr, XPDR_POWER, xpdr::POWER, true);
    m.host.click(xpdr, xpdr::THOUSANDS_UP.x, xpdr::THOUSANDS_UP.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_DOUBLE_EQ(xpdr.elements().at(4).value_y, 2);  // 2200
}

TEST_F(RadioHeads, EachNavHeadSwitchesItsOwnStationAudio) {
    host::GaugeInstance& nav1 = m.place("Radio_NAV1");
    host::GaugeInstance& nav2 = m.place("Radio_NAV2");
    for (Point p : {nav::POWER_ON, nav::AUDIO_ON}) m.host.click(nav2, p.x, p.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_FALSE(m.host.aircraft().station_audio(host::Receiver::nav1));
    EXPECT_TRUE(m.host.aircraft().station_audio(host::Receiver::nav2));
    for (Point p : {nav::POWER_ON, nav::AUDIO_ON}) m.host.click(nav1, p.x, p.y, host::MouseButton::left);
    m.host.click(nav2, nav::AUDIO_OFF.x, nav::AUDIO_OFF.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_TRUE(m.host.aircraft().station_audio(host::Receiver::nav1));
    EXPECT_FALSE(m.host.aircraft().station_audio(host::Receiver::nav2));
}

// ---- ADF ----

struct AdfDecodeCase {
    double khz_bcd, extended;
    double units, tens, hundreds, tenths;  // drums
    int thousands_picture;
    double outer, middle, inner;  // knobs
};

class AdfDecoding : public RadioHeads, public ::testing::WithParamInterface<AdfDecodeCase> {};

TEST_P(AdfDecoding, DrumsIconAndKnobsShowTheFrequency) {
    const AdfDecodeCase& c = GetParam();
    host::GaugeInstance& head = m.place("Radio_ADF");
    m.host.set_var(16, c.khz_bcd);
    m.host.set_var(18, c.extended);
    m.host.frame();
    const auto& e = head.elements();
    EXPECT_DOUBLE_EQ(e.at(1).value_y, c.tenths);
    EXPECT_DOUBLE_EQ(e.at(3).value_y, c.units);
    EXPECT_DOUBLE_EQ(e.at(4).value_y, c.tens);
    EXPECT_DOUBLE_EQ(e.at(5).value_y, c.hundreds);
    EXPECT_EQ(e.at(6).picture, c.thousands_picture);
    EXPECT_DOUBLE_EQ(e.at(7).value, c.outer);
    EXPECT_DOUBLE_EQ(e.at(8).value, c.middle);
    EXPECT_DOUBLE_EQ(e.at(9).value, c.inner);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, AdfDecoding,
                         ::testing::Values(AdfDecodeCase{0x0345, 0x0105, 5, 4, 3, 5, 1, 13, 4, 5},
                                           AdfDecodeCase{0x0345, 0x0005, 5, 4, 3, 5, 0, 3, 4, 5},
                                           AdfDecodeCase{0x0190, 0x0000, 0, 9, 1, 0, 0, 1, 9, 0},
                                           AdfDecodeCase{0x0699, 0x0109, 9, 9, 6, 9, 1, 16, 9, 9}));

struct AdfTuneCase {
    double khz_bcd, extended;
    Point box;
    std::vector<UINT32> sent;  // powered
};

class AdfTuning : public RadioHeads, public ::testing::WithParamInterface<AdfTuneCase> {};

TEST_P(AdfTuning, DigitsStepWithinTheBandWhilePowered) {
    const AdfTuneCase& c = GetParam();
    host::GaugeInstance& head = m.place("Radio_ADF");
    m.host.set_var(16, c.khz_bcd);
    m.host.set_var(18, c.extended);
    m.host.click(head, adf::POWER_OFF.x, adf::POWER_OFF.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_TRUE(click(head, c.box).empty()) << "unpowered";
    m.host.click(head, adf::POWER_ON.x, adf::POWER_ON.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(click(head, c.box), c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, AdfTuning,
    ::testing::Values(AdfTuneCase{0x0650, 0x0100, adf::HUNDREDS_UP, {}},  // 1650: the top
                      AdfTuneCase{0x0550, 0x0100, adf::HUNDREDS_UP, {0x10070}},
                      AdfTuneCase{0x0950, 0x0000, adf::HUNDREDS_UP, {0x10070}},
                      AdfTuneCase{0x0950, 0x0000, adf::DIGITS_HUNDREDS_UP, {0x10070}},
                      AdfTuneCase{0x0150, 0x0000, adf::HUNDREDS_DOWN, {}},  // 150: the bottom
                      AdfTuneCase{0x0150, 0x0000, adf::DIGITS_HUNDREDS_DOWN, {}},
                      AdfTuneCase{0x0250, 0x0000, adf::HUNDREDS_DOWN, {0x10082}},
                      AdfTuneCase{0x0050, 0x0100, adf::HUNDREDS_DOWN, {0x10082}},  // 1050
                      AdfTuneCase{0x0345, 0x0000, adf::TENS_UP, {0x10071}},
                      AdfTuneCase{0x0345, 0x0000, adf::TENS_DOWN, {0x10083}},
                      AdfTuneCase{0x0345, 0x0000, adf::UNITS_UP, {0x10072}},
                      AdfTuneCase{0x0345, 0x0000, adf::UNITS_DOWN, {0x10084}},
                      AdfTuneCase{0x0345, 0x0000, adf::DIGITS_TENS_UP, {0x10071}},
                      AdfTuneCase{0x0345, 0x0000, adf::DIGITS_TENS_DOWN, {0x10083}},
                      AdfTuneCase{0x0345, 0x0000, adf::DIGITS_UNITS_UP, {0x10072}},
                      AdfTuneCase{0x0345, 0x0000, adf::DIGITS_UNITS_DOWN, {0x10084}},
                      AdfTuneCase{0x0345, 0x0000, adf::DIGITS_TENTHS_UP, {0x10396}},
                      AdfTuneCase{0x0345, 0x0000, adf::DIGITS_TENTHS_DOWN, {0x10395}}));

TEST_F(RadioHeads, AdfSwitchesKeepTheirPositionsAcrossInstalls) {
    host::GaugeInstance& first = m.place("Radio_ADF");
    m.host.click(first, adf::POWER_ON.x, adf::POWER_ON.y, host::MouseButton::left);
    set_flip_switch(first, ADF_AUDIO, adf::AUDIO, true);
    m.host.kill(first);
    host::GaugeInstance& again = m.place("Radio_ADF");
    m.host.frame();
    EXPECT_EQ(picture(again, ADF_POWER), 1);
    EXPECT_EQ(picture(again, ADF_AUDIO), 1);
    EXPECT_EQ(picture(again, ADF_LAMP), 0);
    EXPECT_TRUE(lit(again, 3));
    // The tone switch flips at every click, with a click each time.
    const std::size_t before = m.host.events().size();
    m.host.click(again, adf::AUDIO.x, adf::AUDIO.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(picture(again, ADF_AUDIO), 0);
    m.host.click(again, adf::AUDIO.x, adf::AUDIO.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(picture(again, ADF_AUDIO), 1);
    EXPECT_EQ(clicks_played(before), 2);
    // Off: digits unlit, the lamp out.
    m.host.click(again, adf::POWER_OFF.x, adf::POWER_OFF.y, host::MouseButton::left);
    m.host.frame();
    EXPECT_FALSE(lit(again, 3));
    EXPECT_EQ(picture(again, ADF_LAMP), -1);
}

// ---- transponder ----

struct SquawkCase {
    double bcd;
    double thousands, hundreds, tens, units;
};

class Squawk : public RadioHeads, public ::testing::WithParamInterface<SquawkCase> {};

TEST_P(Squawk, DrumsShowTheCode) {
    const SquawkCase& c = GetParam();
    host::GaugeInstance& head = m.place("Radio_IFF_XPDR");
    m.host.set_var(0x26, c.bcd);
    m.host.frame();
    const auto& e = head.elements();
    EXPECT_DOUBLE_EQ(e.at(1).value_y, c.units);
    EXPECT_DOUBLE_EQ(e.at(2).value_y, c.tens);
    EXPECT_DOUBLE_EQ(e.at(3).value_y, c.hundreds);
    EXPECT_DOUBLE_EQ(e.at(4).value_y, c.thousands);
}

INSTANTIATE_TEST_SUITE_P(Codes, Squawk,
                         ::testing::Values(SquawkCase{0x7700, 7, 7, 0, 0}, SquawkCase{0x1200, 1, 2, 0, 0},
                                           SquawkCase{0x7777, 7, 7, 7, 7}, SquawkCase{0x0000, 0, 0, 0, 0},
                                           SquawkCase{0x0017, 0, 0, 1, 7}));

TEST_F(RadioHeads, TransponderDigitsStepOnlyWhilePowered) {
    host::GaugeInstance& head = m.place("Radio_IFF_XPDR");
    const struct {
        Point box;
        UINT32 event;
    } boxes[] = {{xpdr::THOUSANDS_UP, 0x10073}, {xpdr::THOUSANDS_DOWN, 0x10397}, {xpdr::HUNDREDS_UP, 0x10074},
                 {xpdr::HUNDREDS_DOWN, 0x10398},  {xpdr::TENS_UP, 0x10075},        {xpdr::TENS_DOWN, 0x10399},
                 {xpdr::UNITS_UP, 0x10076},       {xpdr::UNITS_DOWN, 0x1039A}};
    set_flip_switch(head, XPDR_POWER, xpdr::POWER, false);
    for (const auto& b : boxes) EXPECT_TRUE(click(head, b.box).empty());
    EXPECT_FALSE(lit(head, 1));
    EXPECT_FALSE(head.elements().at(1).hidden);  // drawn, unlit
    EXPECT_EQ(picture(head, XPDR_LAMP), -1);
    set_flip_switch(head, XPDR_POWER, xpdr::POWER, true);
    for (const auto& b : boxes) EXPECT_EQ(click(head, b.box), std::vector<UINT32>{b.event});
    EXPECT_TRUE(lit(head, 1));
    EXPECT_EQ(picture(head, XPDR_LAMP), 0);
}

TEST_F(RadioHeads, TransponderToggleClicksAndKeepsItsPositionAcrossInstalls) {
    host::GaugeInstance& first = m.place("Radio_IFF_XPDR");
    set_flip_switch(first, XPDR_POWER, xpdr::POWER, false);
    std::size_t before = m.host.events().size();
    m.host.click(first, xpdr::POWER.x, xpdr::POWER.y, host::MouseButton::left);
    EXPECT_EQ(clicks_played(before), 1);
    m.host.kill(first);
    host::GaugeInstance& again = m.place("Radio_IFF_XPDR");
    m.host.frame();
    EXPECT_EQ(picture(again, XPDR_POWER), 1);
    // The fixed switch answers clicks with nothing at all.
    before = m.host.events().size();
    EXPECT_TRUE(click(again, xpdr::FIXED_SWITCH).empty());
    EXPECT_EQ(clicks_played(before), 0);
    m.host.frame();
    EXPECT_EQ(picture(again, 5), 0);
}

}  // namespace
