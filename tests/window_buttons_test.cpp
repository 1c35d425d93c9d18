// The window buttons: what their parameter texts make a click send, the picture and help id
// the set-up takes from the text, the once-only a key, and the three host-event buttons.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gauge_test_support.h"

namespace {

constexpr UINT32 TOGGLE = 0x103CA, OPEN = 0x103CB, CLOSE = 0x103CC;
constexpr UINT32 VIEW_RESET = 0x10153, VIEW_NEXT = 0x100C6, VIEW_PREVIOUS = 0x100C7;

// What a gauge sent: key events as "key ID VALUE", window toggles as "window IDENT".
std::vector<std::string> sent(const std::vector<host::Event>& events, std::size_t from = 0) {
    std::vector<std::string> out;
    char buf[64];
    for (std::size_t i = from; i < events.size(); ++i) {
        const host::Event& e = events[i];
        if (e.type == "key") std::snprintf(buf, sizeof buf, "key 0x%X %u", e.id, e.value);
        else if (e.type == "window") std::snprintf(buf, sizeof buf, "window %u", e.id);
        else continue;
        out.emplace_back(buf);
    }
    return out;
}

std::string key(UINT32 id, UINT32 value = 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "key 0x%X %u", id, value);
    return buf;
}

std::vector<std::string> repeated(const std::string& what, int times) { return std::vector<std::string>(times, what); }

class WindowButtons : public ::testing::Test {
protected:
    LoadedModule m{gauge_module_path("Zephel_Instr")};

    // The events a click in the button's area sends.
    std::vector<std::string> click(host::GaugeInstance& g, int x = 8, int y = 8) {
        const std::size_t before = m.host.events().size();
        m.host.click(g, x, y, host::MouseButton::left);
        return sent(m.host.events(), before);
    }
};

struct ClickCase {
    std::optional<std::string> text;
    std::vector<std::string> events;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << (c.text ? "\"" + *c.text + "\"" : "no text"); }

class ClickKeys : public WindowButtons, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickKeys, SendWhatTheTextSays) {
    const ClickCase& c = GetParam();
    host::GaugeInstance& button = m.place("Radios_Toggle", c.text);
    m.host.frame();
    EXPECT_EQ(click(button), c.events);
    EXPECT_EQ(click(button), c.events);  // every click alike
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClickKeys,
    ::testing::Values(
        ClickCase{"o10001t10002", {key(OPEN, 10001), key(TOGGLE, 10002)}},
        ClickCase{"c50 c75", {key(CLOSE, 50), key(CLOSE, 75)}},
        ClickCase{"tGPS_PANEL //o10", {key(TOGGLE, 225)}},
        ClickCase{"p-2", repeated(key(VIEW_PREVIOUS), 2)},
        ClickCase{"p0", {key(VIEW_RESET)}},
        ClickCase{"p3 p7", repeated(key(VIEW_NEXT), 3)},  // the first p only
        // Each key in its turn, whatever the order in the text: o, c, t, then p.
        ClickCase{"p1 t30 c10 o20", {key(OPEN, 20), key(CLOSE, 10), key(TOGGLE, 30), key(VIEW_NEXT)}},
        // No text, or an empty one: the main panel.
        ClickCase{std::nullopt, {"window 0"}},
        ClickCase{"", {"window 0"}},
        // A text with no click key does nothing.
        ClickCase{"a50 hTOGGLE_GPS_WINDOW", {}},
        // Comments: '/', '#' and an apostrophe hide every key after them.
        ClickCase{"#o10", {}},
        ClickCase{"o10'c20", {key(OPEN, 10)}},
        ClickCase{"c10 #t20 p1", {key(CLOSE, 10)}},
        // Negative and absent identifiers are never acted upon; a value without digits is 0.
        ClickCase{"o-5 o", {}},
        ClickCase{"oXYZ", {key(OPEN, 0)}},
        // A number too large for 32 bits saturates.
        ClickCase{"o99999999999", {key(OPEN, 2147483647)}},
        // A huge view count is a short burst of 100, in either direction.
        ClickCase{"p99999999999", repeated(key(VIEW_NEXT), 100)},
        ClickCase{"p-2147483648", repeated(key(VIEW_PREVIOUS), 100)}));

struct WindowName {
    const char* name;
    UINT32 ident;
};

class WindowNames : public WindowButtons, public ::testing::WithParamInterface<WindowName> {};

TEST_P(WindowNames, StandForTheirNumbersByPrefix) {
    const WindowName& c = GetParam();
    host::GaugeInstance& button = m.place("Fuel_Toggle", std::string("o") + c.name);
    EXPECT_EQ(click(button), std::vector<std::string>{key(OPEN, c.ident)}) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, WindowNames,
    ::testing::Values(WindowName{"MAIN_PANEL", 0}, WindowName{"THROTTLE_PANEL", 10},
                      WindowName{"RADIO_STACK_PANEL", 50}, WindowName{"COMPASS_PANEL", 75},
                      WindowName{"MINI_CONTROLS_PANEL", 100}, WindowName{"ANNUNCIATOR_PANEL", 125},
                      WindowName{"ANNUNCIATOR2_PANEL", 150}, WindowName{"IFR_MAIN_PANEL", 175},
                      WindowName{"COLLECTIVE_PANEL", 200}, WindowName{"GPS_PANEL", 225},
                      WindowName{"OVERHEAD_PANEL", 250}, WindowName{"MAIN_PANEL_LEFT", 0},
                      WindowName{"42", 42}));

TEST_F(WindowButtons, ClicksOutsideTheAreaDoNothing) {
    host::GaugeInstance& button = m.place("Radios_Toggle", "o10");
    EXPECT_TRUE(click(button, 1, 1).empty());
    EXPECT_TRUE(click(button, 17, 17).empty());
    EXPECT_EQ(click(button, 3, 3), std::vector<std::string>{key(OPEN, 10)});
}

struct SetUpCase {
    const char* text;
    SINT32 picture;
    UINT32 help_id;
};

void PrintTo(const SetUpCase& c, std::ostream* os) { *os << "\"" << c.text << "\""; }

class SetUpKeys : public WindowButtons, public ::testing::WithParamInterface<SetUpCase> {};

// Radios_Toggle shows picture 120 and help 0xAB86 of its own.
TEST_P(SetUpKeys, ChooseThePictureAndHelp) {
    const SetUpCase& c = GetParam();
    host::GaugeInstance& button = m.place("Radios_Toggle", std::string(c.text));
    EXPECT_EQ(button.elements().at(0).element->resource_id, c.picture);
    EXPECT_EQ(button.header()->mouse_rect[0].help_id, c.help_id);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SetUpKeys,
    ::testing::Values(SetUpCase{"b100", 100, 0xAB86}, SetUpCase{"b290h45000", 290, 45000},
                      // An unacceptable picture leaves the picture and the help id as they were.
                      SetUpCase{"b105 h45000", 120, 0xAB86}, SetUpCase{"b300 h45000", 120, 0xAB86},
                      SetUpCase{"b90 h45000", 120, 0xAB86}, SetUpCase{"b h45000", 120, 0xAB86},
                      // Help ids below 0xA000 are no help texts; names stand for their ids.
                      SetUpCase{"h40000", 120, 0}, SetUpCase{"h45000", 120, 45000}, SetUpCase{"h", 120, 0},
                      SetUpCase{"hTOGGLE_GPS_WINDOW", 120, 0xAB87},
                      SetUpCase{"hTOGGLE_FUEL_WINDOWS", 120, 0xAB8A},
                      SetUpCase{"hTOGGLE_COLLECTIVE_WINDOW", 120, 0xAB8B},
                      SetUpCase{"h-45000", 120, 0},
                      // Behind a comment nothing is read.
                      SetUpCase{"/b130 h45000", 120, 0xAB86}));

TEST_F(WindowButtons, TheChosenPictureIsTheOneDrawn) {
    host::GaugeInstance& chosen = m.place("Radios_Toggle", "b250");
    host::GaugeInstance& plain = m.place("Radios_Toggle");
    m.host.frame();
    ASSERT_EQ(chosen.elements().at(0).pictures.size(), 1u);
    ASSERT_NE(chosen.elements()[0].pictures[0], nullptr);
    EXPECT_EQ(chosen.elements()[0].pictures[0], m.host.bitmap(m.module, 250));
    // The other placed button keeps its own picture and help.
    EXPECT_EQ(plain.elements().at(0).element->resource_id, 120);
    EXPECT_EQ(plain.header()->mouse_rect[0].help_id, 0xAB86u);
}

TEST_F(WindowButtons, TheAKeyClosesItsWindowAtTheFirstSetUpOnly) {
    host::GaugeInstance& first = m.place("Compass_Toggle", "aOVERHEAD_PANEL");
    EXPECT_EQ(sent(m.host.events()), std::vector<std::string>{key(CLOSE, 250)});
    EXPECT_EQ(first.header()->user_data, 1u);
    const std::size_t before = m.host.events().size();
    m.host.service(first, PANEL_SERVICE_PRE_INSTALL);
    EXPECT_TRUE(sent(m.host.events(), before).empty());
    // Another placed button has a set-up of its own.
    m.place("Compass_Toggle", "a75");
    EXPECT_EQ(sent(m.host.events(), before), std::vector<std::string>{key(CLOSE, 75)});
}

TEST_F(WindowButtons, ARepeatedSetUpStillReadsThePictureAndHelp) {
    host::GaugeInstance& button = m.place("GPS_Toggle", "h45000 a10");
    button.header()->mouse_rect[0].help_id = 0;
    m.host.service(button, PANEL_SERVICE_PRE_INSTALL);
    EXPECT_EQ(button.header()->mouse_rect[0].help_id, 45000u);
}

TEST_F(WindowButtons, SetUpWithoutAWindowStillMarksTheButton) {
    for (const char* text : {"a-1", "a", "", "b105 a10"}) {
        const std::size_t before = m.host.events().size();
        host::GaugeInstance& button = m.place("Throttle_Toggle", std::string(text));
        const bool sends = std::string(text) == "b105 a10";  // the a key outlives a refused picture
        EXPECT_EQ(sent(m.host.events(), before),
                  sends ? std::vector<std::string>{key(CLOSE, 10)} : std::vector<std::string>{})
            << text;
        EXPECT_EQ(button.header()->user_data, 1u) << text;
    }
    host::GaugeInstance& untexted = m.place("Throttle_Toggle");
    EXPECT_EQ(untexted.header()->user_data, 1u);
}

struct HostEventButton {
    const char* gauge;
    UINT32 event;
};

class HostEventButtons : public WindowButtons, public ::testing::WithParamInterface<HostEventButton> {};

TEST_P(HostEventButtons, LeaveTheClickToTheHost) {
    const HostEventButton& c = GetParam();
    host::GaugeInstance& button = m.place(c.gauge, "o10");  // no callback reads the text
    EXPECT_EQ(click(button), std::vector<std::string>{key(c.event)});
}

INSTANTIATE_TEST_SUITE_P(Gauges, HostEventButtons,
                         ::testing::Values(HostEventButton{"ATC_Toggle", 0x1001C},
                                           HostEventButton{"Kneeboard_Toggle", 0x10154},
                                           HostEventButton{"Map_Toggle", 0x10380}));

TEST_F(WindowButtons, EveryConfigurableButtonSharesTheClickKeys) {
    for (const char* gauge : {"Invisible_Toggle", "Radios_Toggle", "GPS_Toggle", "Throttle_Toggle",
                              "Compass_Toggle", "Close_Subpanel", "Landing_View_Toggle", "Electricity_Toggle",
                              "Overhead_Toggle", "Nav_Instruments_Toggle", "Autopilot_Toggle", "VFR_Panel_Toggle",
                              "IFR_Panel_Toggle", "Fuel_Toggle", "INS_MSU_Toggle"}) {
        host::GaugeInstance& button = m.place(gauge, "t50");
        EXPECT_EQ(click(button), std::vector<std::string>{key(TOGGLE, 50)}) << gauge;
    }
}

TEST_F(WindowButtons, TheModeSelectorButtonTakesClicksAcrossItsPicture) {
    host::GaugeInstance& button = m.place("INS_MSU_Toggle", "t50");
    EXPECT_EQ(click(button, 70, 18), std::vector<std::string>{key(TOGGLE, 50)});
    EXPECT_TRUE(click(button, 1, 1).empty());
}

}  // namespace
