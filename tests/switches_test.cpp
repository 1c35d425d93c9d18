// The switch and light gauges through the host: what a click sends and plays, the picture each
// shows for the simulator's values, the switches that keep a position of their own, the lamps,
// the radios' shutdown, and the module-wide sound flag seen from the gauges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "gauge_test_support.h"
#include "platform/linux/platform_control.h"

namespace {

// What the gauges made happen, in order: "key 0x102F5", "sound 30", "aircraft var 0x2E4 = 1".
std::vector<std::string> happenings(const std::vector<host::Event>& events, std::size_t from = 0) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < events.size(); ++i) {
        const host::Event& e = events[i];
        char text[32];
        if (e.type == "key") std::snprintf(text, sizeof text, "key 0x%X", e.id);
        else if (e.type == "sound") std::snprintf(text, sizeof text, "sound %u", e.id);
        else if (e.type == "aircraft") {
            out.push_back("aircraft " + e.text);
            continue;
        } else continue;
        out.emplace_back(text);
    }
    return out;
}

std::vector<std::string> only(const std::vector<std::string>& all, const std::string& prefix) {
    std::vector<std::string> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out), [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
    return out;
}

// The picture an element showed in the last frame (-1: none).
int picture(const host::GaugeInstance& gauge, std::size_t element = 1) { return gauge.elements().at(element).picture; }

const std::string ZEPHEL = gauge_module_path("Zephel_Instr");

TEST(Switches, TheRoadOfAClickOnTheAvionicsSwitch) {
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& avionics = m.place("Avionics_Switch");
    m.host.frame();
    EXPECT_EQ(picture(avionics), 0);  // avionics off in a fresh aircraft
    ASSERT_TRUE(m.host.click(avionics, 10, 10, host::MouseButton::left));
    // The key event, the simulator's answer, then the click sound; the picture waits for the
    // next refresh.
    EXPECT_EQ(happenings(m.host.events()),
              (std::vector<std::string>{"key 0x102F5", "aircraft var 0x2E4 = 1", "sound 30"}));
    EXPECT_EQ(picture(avionics), 0);
    m.host.frame();
    EXPECT_EQ(picture(avionics), 1);
}

struct KeySwitchCase {
    const char* gauge;
    int x, y;
    UINT32 event_id;
    int wave;  // 0: silent
    int off_picture, on_picture;
};
void PrintTo(const KeySwitchCase& c, std::ostream* os) { *os << c.gauge; }

class KeySwitches : public ::testing::TestWithParam<KeySwitchCase> {};

// Each click sends the switch's event and plays its clip; the simulator toggles and the
// picture follows on the next frame, both ways.
TEST_P(KeySwitches, ClickSendsPlaysAndThePictureFollows) {
    const KeySwitchCase& c = GetParam();
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& gauge = m.place(c.gauge);
    m.host.frame();
    EXPECT_EQ(picture(gauge), c.off_picture);
    for (int expected : {c.on_picture, c.off_picture}) {
        const std::size_t before = m.host.events().size();
        ASSERT_TRUE(m.host.click(gauge, c.x, c.y, host::MouseButton::left));
        const auto after = happenings(m.host.events(), before);
        char key[32];
        std::snprintf(key, sizeof key, "key 0x%X", c.event_id);
        EXPECT_EQ(only(after, "key"), std::vector<std::string>{key});
        EXPECT_EQ(only(after, "sound"),
                  c.wave ? std::vector<std::string>{"sound " + std::to_string(c.wave)} : std::vector<std::string>{});
        m.host.frame();
        EXPECT_EQ(picture(gauge), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, KeySwitches,
    ::testing::Values(KeySwitchCase{"Avionics_Switch", 10, 10, 0x102F5, 30, 0, 1},
                      KeySwitchCase{"Beacon_Lights_Switch", 29, 61, 0x102BF, 10, 0, 1},
                      KeySwitchCase{"Landing_Lights_Switch", 0, 0, 0x100D7, 10, 0, 1},
                      KeySwitchCase{"Navigation_Lights_Switch", 15, 30, 0x1034B, 10, 0, 1},
                      KeySwitchCase{"Panel_Lights_Switch", 15, 30, 0x100D6, 10, 0, 1},
                      KeySwitchCase{"Parking_Brake", 30, 100, 0x100D8, 20, 0, 1},
                      KeySwitchCase{"Radome_Switch", 20, 30, 0x103B2, 10, 0, 1},
                      KeySwitchCase{"Speed_Brake_Light", 10, 10, 0x10035, 10, -1, 0},
                      KeySwitchCase{"Gear_Lever", 30, 50, 0x10022, 0, 0, 1}),
    [](const auto& info) { return std::string(info.param.gauge); });

struct MissCase {
    const char* gauge;
    int x, y;
};

// Outside its area a switch takes no click.
TEST(Switches, ClicksOutsideTheAreaAreNotTaken) {
    const MissCase cases[] = {{"Parking_Brake", 30, 50}, {"Radome_Switch", 2, 30}, {"RMI_Switch", 15, 5},
                              {"Wing_Folding", 10, 20},   {"Gear_Lever", 5, 50},   {"Armament_Lights", 30, 30},
                              {"Shut_Down", 10, 10}};
    for (const MissCase& c : cases) {
        LoadedModule m(ZEPHEL);
        host::GaugeInstance& gauge = m.place(c.gauge);
        m.host.frame();
        EXPECT_FALSE(m.host.click(gauge, c.x, c.y, host::MouseButton::left)) << c.gauge;
        EXPECT_TRUE(happenings(m.host.events()).empty()) << c.gauge;
    }
}

struct PictureCase {
    const char* gauge;
    UINT32 variable;
    double value;
    int picture;
};
void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.gauge << " at " << c.value; }

class SwitchPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(SwitchPictures, FollowTheVariable) {
    const PictureCase& c = GetParam();
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& gauge = m.place(c.gauge);
    m.host.set_var(c.variable, c.value);
    m.host.frame();
    EXPECT_EQ(picture(gauge), c.picture);
}

INSTANTIATE_TEST_SUITE_P(Switches, SwitchPictures,
                         ::testing::Values(PictureCase{"Avionics_Switch", 0x2E4, 0.001, 1},
                                           PictureCase{"Avionics_Switch", 0x2E4, -1, 0},
                                           PictureCase{"Beacon_Lights_Switch", 0x170, 2, 1},
                                           PictureCase{"Parking_Brake", 0x143, -1, 1},  // anything but 0 is set
                                           PictureCase{"Parking_Brake", 0x143, 0, 0},
                                           PictureCase{"Radome_Switch", 0x387, 1, 1},   // the value is the picture
                                           PictureCase{"Radome_Switch", 0x387, 2, -1},
                                           PictureCase{"Speed_Brake_Light", 0x146, 500, 0},  // lit at exactly 500
                                           PictureCase{"Speed_Brake_Light", 0x146, 499.9, -1},
                                           PictureCase{"Gear_Lever", 0x14B, 7999, 0},
                                           PictureCase{"Gear_Lever", 0x14B, 8000, 1}));

// The bomb-bay switch shows its own position, closed after loading whatever the doors do: the
// first click on open doors closes them and keeps picture 0.
TEST(Switches, BombBaySwitchKeepsItsOwnPosition) {
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& bay = m.place("Bomb_Bay_Switch");
    m.host.set_var(0x326, 1);
    m.host.frame();
    EXPECT_EQ(picture(bay), 0);
    m.host.click(bay, 20, 30, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(only(happenings(m.host.events()), "key"), std::vector<std::string>{"key 0x10350"});
    EXPECT_EQ(picture(bay), 0);

    // Once the doors are shut, a click opens them and the lever goes up at once.
    for (int i = 0; i < 2 * host::Host::FRAMES_PER_SECOND; ++i) m.host.frame();
    ASSERT_EQ(m.host.var(0x326), 0);
    const std::size_t before = m.host.events().size();
    m.host.click(bay, 20, 30, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(only(happenings(m.host.events(), before), "key"), std::vector<std::string>{"key 0x1034F"});
    EXPECT_EQ(picture(bay), 1);
}

// The wing-folding lever jumps on a click and follows the wings only near either end.
TEST(Switches, WingFoldingLeverMovesBeforeTheWings) {
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& lever = m.place("Wing_Folding");
    m.host.set_var(0x362, 0.5);
    m.host.frame();
    EXPECT_EQ(picture(lever), 0);  // in between: it keeps its position
    m.host.click(lever, 10, 50, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(only(happenings(m.host.events()), "key"), std::vector<std::string>{"key 0x10356"});
    EXPECT_TRUE(only(happenings(m.host.events()), "sound").empty());
    EXPECT_EQ(picture(lever), 1);
    // The wings, halfway, head back to spread; once there the lever follows them.
    for (int i = 0; i < 2 * host::Host::FRAMES_PER_SECOND; ++i) m.host.frame();
    EXPECT_EQ(m.host.var(0x362), 0);
    EXPECT_EQ(picture(lever), 0);
    m.host.set_var(0x362, 0.98);
    m.host.frame();
    EXPECT_EQ(picture(lever), 1);
}

// The RMI switch flips the module's source selector: no key event, a click, and the inverse
// picture.
TEST(Switches, RmiSwitchFlipsTheSelector) {
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& rmi = m.place("RMI_Switch");
    m.host.frame();
    EXPECT_EQ(picture(rmi), 0);
    m.host.click(rmi, 15, 30, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(picture(rmi), 1);
    EXPECT_EQ(happenings(m.host.events()), std::vector<std::string>{"sound 10"});
    m.host.click(rmi, 15, 30, host::MouseButton::left);
    m.host.frame();
    EXPECT_EQ(picture(rmi), 0);
}

struct LampCase {
    const char* what;
    double radome, bay, seconds;
    int radome_picture, bay_picture;
};
void PrintTo(const LampCase& c, std::ostream* os) { *os << c.what; }

class ArmamentLamps : public ::testing::TestWithParam<LampCase> {};

TEST_P(ArmamentLamps, RadomeOutAndBayOpen) {
    const LampCase& c = GetParam();
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& lamps = m.place("Armament_Lights");
    m.host.set_var(0x387, c.radome);
    m.host.set_var(0x326, c.bay);
    m.host.set_var(0x25C, c.seconds);
    m.host.frame();
    EXPECT_EQ(picture(lamps, 1), c.radome_picture);
    EXPECT_EQ(picture(lamps, 2), c.bay_picture);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ArmamentLamps,
    ::testing::Values(LampCase{"radome out", 1.0, 0, 0, 0, -1},
                      LampCase{"radome nearly out", 0.99, 0, 0, -1, -1},
                      LampCase{"bay open is steady", 0, 0.95, 0.1, -1, 0},
                      LampCase{"bay shut is dark", 0, 0.009, 0.3, -1, -1},
                      LampCase{"moving bay, first half of the blink", 0, 0.5, 10.1, -1, -1},
                      LampCase{"moving bay, second half of the blink", 0, 0.5, 10.3, -1, 0}));

TEST(Switches, LampsFollowTheirFailurePairs) {
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& speed_brake = m.place("Speed_Brake_Light");
    host::GaugeInstance& armament = m.place("Armament_Lights");
    m.host.set_var(0x146, 16383);
    m.host.set_var(0x387, 1);
    m.host.fail(20);
    m.host.frame();
    EXPECT_EQ(picture(speed_brake), -1);  // its value driven to zero
    EXPECT_EQ(armament.elements()[1].failure_action, FAIL_ACTION_NO_DRAW);
    m.host.repair(20);
    m.host.frame();
    EXPECT_EQ(picture(speed_brake), 0);
}

// ---- Shut_Down ----

TEST(ShutDown, ActsOnlyAtAFlightResetWithVariable3CAboveZero) {
    for (double v : {0.0, -1.0}) {
        LoadedModule m(ZEPHEL);
        host::GaugeInstance& shut_down = m.place("Shut_Down");
        m.host.set_var(0x3C, v);
        m.host.service(shut_down, PANEL_SERVICE_FLIGHT_RESET);
        EXPECT_TRUE(happenings(m.host.events()).empty());
    }
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& shut_down = m.place("Shut_Down");
    m.host.set_var(0x3C, 1);
    for (SINT32 service : {2, 4, 6, 10, 12, 13, 15}) m.host.service(shut_down, service);
    m.host.frame();
    EXPECT_TRUE(only(happenings(m.host.events()), "key").empty());
    m.host.service(shut_down, PANEL_SERVICE_FLIGHT_RESET);
    EXPECT_EQ(only(happenings(m.host.events()), "key"),
              (std::vector<std::string>{"key 0x1012C", "key 0x10128", "key 0x10129"}));
}

const host::ElementState& element_with_bitmap(const host::GaugeInstance& gauge, SINT32 bitmap) {
    for (const auto& st : gauge.elements())
        if (st.element->resource_id == bitmap) return st;
    throw std::runtime_error("no element with bitmap " + std::to_string(bitmap));
}

TEST(ShutDown, SwitchesTheHeadsOff) {
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& com = m.place("Radio_COM1");
    host::GaugeInstance& shut_down = m.place("Shut_Down");
    m.host.click(com, 200, 180, host::MouseButton::left);  // power on
    m.host.frame();
    ASSERT_EQ(element_with_bitmap(com, 4270).picture, 1);
    m.host.set_var(0x3C, 1);
    m.host.service(shut_down, PANEL_SERVICE_FLIGHT_RESET);
    m.host.frame();
    EXPECT_EQ(element_with_bitmap(com, 4270).picture, 0);
}

// ---- sound seen from the gauges ----

const char* const SOUNDING_SWITCHES[] = {"Avionics_Switch",          "Beacon_Lights_Switch", "Landing_Lights_Switch",
                                         "Navigation_Lights_Switch", "Panel_Lights_Switch",  "Parking_Brake",
                                         "Radome_Switch",            "Speed_Brake_Light"};

// Without a sound device every switch still sends its event, silently.
TEST(SwitchSound, WithoutADeviceClicksStillSendTheirEvents) {
    LoadedModule m(ZEPHEL);
    m.host.set_sound_device_available(false);
    std::vector<host::GaugeInstance*> gauges;
    for (const char* name : SOUNDING_SWITCHES) gauges.push_back(&m.place(name));
    m.host.frame();
    const std::pair<int, int> points[] = {{10, 10}, {10, 10}, {10, 10}, {10, 10}, {10, 10}, {30, 100}, {20, 30}, {10, 10}};
    for (std::size_t i = 0; i < gauges.size(); ++i) m.host.click(*gauges[i], points[i].first, points[i].second, host::MouseButton::left);
    EXPECT_EQ(only(happenings(m.host.events()), "key").size(), gauges.size());
    EXPECT_TRUE(only(happenings(m.host.events()), "sound").empty());
}

// The first failure silences the whole module: a gauge set up before it falls silent too.
TEST(SwitchSound, OneGaugesFailureSilencesTheOthers) {
    LoadedModule m(ZEPHEL);
    host::GaugeInstance& avionics = m.place("Avionics_Switch");
    m.host.set_sound_device_available(false);
    m.place("Beacon_Lights_Switch");
    m.host.set_sound_device_available(true);
    m.host.click(avionics, 10, 10, host::MouseButton::left);
    EXPECT_EQ(only(happenings(m.host.events()), "key"), std::vector<std::string>{"key 0x102F5"});
    EXPECT_TRUE(only(happenings(m.host.events()), "sound").empty());
}

// Two placed instances share the switch's sound: killing one leaves the other's click
// working, and the last kill releases everything.
TEST(SwitchSound, ASecondInstanceOutlivesTheFirst) {
    {
        LoadedModule m(ZEPHEL);
        host::GaugeInstance& first = m.place("Avionics_Switch");
        host::GaugeInstance& second = m.place("Avionics_Switch");
        EXPECT_EQ(platform::control::live_sound_objects().buffers, 1);
        m.host.kill(first);
        m.host.click(second, 10, 10, host::MouseButton::left);
        EXPECT_EQ(only(happenings(m.host.events()), "sound"), std::vector<std::string>{"sound 30"});
    }
    EXPECT_EQ(platform::control::live_sound_objects(), platform::control::LiveSoundObjects{});
}

}  // namespace
