// The older-format dials and the landing-light switch.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "gauge_test_support.h"

namespace {

// The angle a needle's table gives its entry for `value`: where the needle points at it.
double table_angle(const host::ElementState& needle, double value) {
    const auto* n = reinterpret_cast<const ELEMENT_NEEDLE*>(needle.element);
    for (UINT32 i = 0; i < n->nonlinearity_count; ++i)
        if (n->nonlinearity[i].value == value) return n->nonlinearity[i].degrees;
    ADD_FAILURE() << "no table entry for " << value;
    return NAN;
}

PIXPOINT table_point(const host::ElementState& needle, double value) {
    const auto* n = reinterpret_cast<const ELEMENT_NEEDLE*>(needle.element);
    for (UINT32 i = 0; i < n->nonlinearity_count; ++i)
        if (n->nonlinearity[i].value == value) return n->nonlinearity[i].pt;
    return {-1, -1};
}

struct DialCase {
    const char* module;
    UINT32 var;
    double raw;
    double reading;  // the needle's value: the raw variable scaled and clamped
};

void PrintTo(const DialCase& c, std::ostream* os) { *os << c.module << " at " << c.raw; }

class OlderFormatDials : public ::testing::TestWithParam<DialCase> {};

TEST_P(OlderFormatDials, ScaledClampedAndOnTheTable) {
    const DialCase& c = GetParam();
    LoadedModule m(gauge_module_path(c.module));
    host::GaugeInstance& g = m.place(c.module);
    m.host.set_var(c.var, c.raw);
    m.host.frame();
    const host::ElementState& needle = g.elements().at(1);
    EXPECT_DOUBLE_EQ(needle.value, c.reading);
    EXPECT_NEAR(needle.angle, table_angle(needle, c.reading), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, OlderFormatDials,
    ::testing::Values(DialCase{"Ptv_Hx70.turb_temp", 155, 16384000, 1000}, DialCase{"Ptv_Hx70.turb_temp", 155, 16400000, 1000},
                      DialCase{"Ptv_Hx70.turb_temp", 155, 1638400, 100}, DialCase{"Ptv_Hx70.turb_temp", 155, 0, 100},
                      DialCase{"Ptv_Hx70.turb_temp", 155, 9830400, 600}, DialCase{"Kx1Oil", 148, 30720, 120},
                      DialCase{"Kx1Oil", 148, 30721, 120}, DialCase{"Kx1Oil", 148, -1, 0},
                      DialCase{"Kx1Oil", 148, 25600, 100}));

TEST(OlderFormatDials, NeedlesPointAtTheirMarks) {
    LoadedModule turb(gauge_module_path("Ptv_Hx70.turb_temp"));
    const auto& t = turb.place("Ptv_Hx70.turb_temp").elements().at(1);
    EXPECT_EQ(table_point(t, 600).x, 45);
    EXPECT_EQ(table_point(t, 600).y, 217);
    // (45,217) about the centre (142,141): down and to the left.
    EXPECT_NEAR(std::fmod(table_angle(t, 600), 360.0), std::atan2(45.0 - 142, -(217.0 - 141)) * 180 / M_PI + 360, 1e-9);
}

TEST(OlderFormat, TheGaugeDrivesItsListsThroughTheServices) {
    LoadedModule m(gauge_module_path("Kx1Oil"));
    host::GaugeInstance& g = m.place("Kx1Oil");
    ASSERT_TRUE(g.older_format());
    // The install routine passed the background's size from the host's image record and
    // registered its mouse list, so the help region answers.
    EXPECT_EQ(g.size().width, 302);
    EXPECT_EQ(g.size().height, 302);
    auto help = host::find_help_target(g.mouse_list(), g.size(), 150, 150);
    ASSERT_NE(help.region, nullptr);
    EXPECT_EQ(help.region->help_id, 0xA023u);
    EXPECT_EQ(g.elements().front().element->position.x, 9);
}

TEST(OlderFormat, SystemOneFailsTheOilDial) {
    LoadedModule m(gauge_module_path("Kx1Oil"));
    host::GaugeInstance& g = m.place("Kx1Oil");
    m.host.set_var(148, 25600);
    m.host.fail(1);
    m.host.frame();
    const auto& needle = g.elements().at(1);
    EXPECT_EQ(needle.failure_action, FAIL_ACTION_ZERO);
    EXPECT_DOUBLE_EQ(needle.value, 0);
    EXPECT_NEAR(needle.angle, table_angle(needle, 0), 1e-9);
}

TEST(OlderFormat, AGaugeWithoutAPictureGetsNoSize) {
    LoadedModule m(fixture_module_path("OlderProbe"));
    host::GaugeInstance& g = m.place("OlderProbe");
    EXPECT_EQ(g.size().width, 0);
    m.host.set_var(0x40, 21);
    m.host.frame();
    EXPECT_DOUBLE_EQ(g.elements().at(1).value, 42);
    m.host.kill(g);
}

// ---- the landing-light switch ----

const char* LIGHT = "rw400_landinglight_move";

struct LandingLight : ::testing::Test {
    LoadedModule m{gauge_module_path(LIGHT)};
    host::GaugeInstance& light = m.place(LIGHT);
    int picture() const { return light.elements().at(1).picture; }
    void at_time(double t) {
        m.host.set_var(1, t);
        m.host.frame();
    }
    std::vector<std::string> library_events() const {
        std::vector<std::string> out;
        for (const auto& e : m.host.events())
            if (e.type == "library") out.push_back(e.text);
        return out;
    }
};

TEST_F(LandingLight, APushedSwitchReturnsOnceTheTimePassesItsReturnTime) {
    at_time(100);
    ASSERT_TRUE(m.host.click(light, 60, 10, host::MouseButton::left));  // area 1
    EXPECT_EQ(m.host.events().back().id, 0x10147u);
    at_time(100);
    EXPECT_EQ(picture(), 1);
    at_time(106);
    EXPECT_EQ(picture(), 1);
    at_time(106.001);
    EXPECT_EQ(picture(), 0);
}

TEST_F(LandingLight, EachAreaSendsItsCommand) {
    at_time(10);
    struct {
        int x, y;
        UINT32 event;
        int picture;
    } areas[] = {{60, 10, 0x10147, 1}, {60, 70, 0x10146, 2}, {35, 30, 0x10148, 3}, {110, 40, 0x10149, 4}};
    for (const auto& a : areas) {
        ASSERT_TRUE(m.host.click(light, a.x, a.y, host::MouseButton::left));
        EXPECT_EQ(m.host.events().back().id, a.event);
        at_time(10);
        EXPECT_EQ(picture(), a.picture);
    }
    // Area 5 sends its command and leaves the picture as it is.
    ASSERT_TRUE(m.host.click(light, 75, 45, host::MouseButton::left));
    EXPECT_EQ(m.host.events().back().id, 0x1014Au);
    at_time(10);
    EXPECT_EQ(picture(), 4);
}

TEST_F(LandingLight, ANegativeTimeIsTruncatedTowardZero) {
    at_time(-3.5);
    m.host.click(light, 60, 10, host::MouseButton::left);  // return time: -3.5 + 6 = 2.5, truncated to 2
    at_time(2.0);
    EXPECT_EQ(picture(), 1);
    at_time(2.1);
    EXPECT_EQ(picture(), 0);
}

TEST_F(LandingLight, TheFirstDrawingPassResetsTheSwitch) {
    m.host.set_var(1, 50);
    m.host.click(light, 60, 10, host::MouseButton::left);  // before any frame: return time 56
    m.host.frame();  // its drawing pass clears the position and the return time
    m.host.frame();
    EXPECT_EQ(picture(), 0);
}

TEST_F(LandingLight, TwoInstancesShareTheSwitch) {
    host::GaugeInstance& second = m.place(LIGHT);
    at_time(20);
    m.host.click(light, 60, 70, host::MouseButton::left);
    at_time(20);
    EXPECT_EQ(second.elements().at(1).picture, 2);
}

TEST_F(LandingLight, WithoutTheSoundLibraryNothingElseChanges) {
    EXPECT_EQ(library_events(), std::vector<std::string>{"load GaugeSound (missing)"});
    at_time(5);
    m.host.click(light, 60, 10, host::MouseButton::left);
    at_time(5);
    EXPECT_EQ(picture(), 1);
    m.host.kill(light);
    EXPECT_EQ(library_events(), std::vector<std::string>{"load GaugeSound (missing)"});
}

TEST(LandingLightSound, TheLibraryIsLoadedOnceAndReleasedOnce) {
    setenv("GAUGE_LIBRARY_PATH", TEST_LIBRARIES_DIR, 1);
    {
        LoadedModule m(gauge_module_path(LIGHT));
        host::GaugeInstance& a = m.place(LIGHT);
        host::GaugeInstance& b = m.place(LIGHT);
        m.host.set_var(1, 5);
        m.host.click(a, 60, 10, host::MouseButton::left);
        m.host.frame();
        EXPECT_EQ(a.elements().at(1).picture, 1);
        m.host.kill(a);
        m.host.kill(b);
        std::vector<std::string> library;
        for (const auto& e : m.host.events())
            if (e.type == "library") library.push_back(e.text);
        EXPECT_EQ(library, (std::vector<std::string>{"load GaugeSound", "release GaugeSound"}));
    }
    unsetenv("GAUGE_LIBRARY_PATH");
}

}  // namespace
