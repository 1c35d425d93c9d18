// The host's simulated aircraft (what key events do to the token variables, windows, view and
// station audio) and the host's steps around a click: a held button, the help under the
// pointer, a panel without a sound device.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/gauge_records.h"
#include "gauge_test_support.h"
#include "host/help_text.h"
#include "host/report.h"
#include "host/steps.h"

namespace {

// An aircraft over a plain map of variables, with its log.
struct Cockpit {
    std::map<UINT32, double> vars;
    std::vector<std::string> log;
    host::Aircraft aircraft{{[this](UINT32 id) { return vars.count(id) ? vars[id] : 0.0; },
                             [this](UINT32 id, double v) { vars[id] = v; },
                             [this](const std::string& effect) { log.push_back(effect); }}};
};

struct EffectCase {
    const char* what;
    UINT32 event_id;
    std::map<UINT32, double> before, after;  // after: the variables that must read so
};
void PrintTo(const EffectCase& c, std::ostream* os) { *os << c.what; }

class KeyEffects : public ::testing::TestWithParam<EffectCase> {};

TEST_P(KeyEffects, ChangeTheVariables) {
    const EffectCase& c = GetParam();
    Cockpit cockpit;
    cockpit.vars = c.before;
    cockpit.aircraft.key_event(c.event_id, 0);
    for (const auto& [id, value] : c.after) EXPECT_EQ(cockpit.vars[id], value) << std::hex << "variable 0x" << id;
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, KeyEffects,
    ::testing::Values(
        EffectCase{"avionics on", 0x102F5, {}, {{0x2E4, 1}}},
        EffectCase{"avionics off", 0x102F5, {{0x2E4, 1}}, {{0x2E4, 0}}},
        EffectCase{"gear down all the way", 0x10022, {}, {{0x14B, 16383}}},
        EffectCase{"radome out", 0x103B2, {}, {{0x387, 1}}},
        // VHF frequencies: whole megahertz wrap within the band, hundredths within the megahertz
        EffectCase{"COM up a megahertz", 0x10065, {{0x17, 0x1895}}, {{0x17, 0x1995}}},
        EffectCase{"COM up from the top of the band", 0x10065, {{0x17, 0x3695}}, {{0x17, 0x1895}}},
        EffectCase{"COM down from the bottom of the band", 0x10064, {{0x17, 0x1800}}, {{0x17, 0x3600}}},
        EffectCase{"COM up 0.05 past .95 stays in the megahertz", 0x10067, {{0x17, 0x1895}}, {{0x17, 0x1800}}},
        EffectCase{"COM down 0.05 from .00 stays in the megahertz", 0x10066, {{0x17, 0x1800}}, {{0x17, 0x1895}}},
        EffectCase{"COM up 0.05", 0x10067, {{0x17, 0x1810}}, {{0x17, 0x1815}}},
        EffectCase{"COM outside the band steps onto it", 0x10065, {}, {{0x17, 0x1800}}},
        EffectCase{"NAV1 up from 117", 0x10069, {{0x18, 0x1795}}, {{0x18, 0x0895}}},
        EffectCase{"NAV1 up 0.05", 0x1006B, {{0x18, 0x1390}}, {{0x18, 0x1395}}},
        EffectCase{"NAV2 down from 108", 0x1006C, {{0x1B, 0x0800}}, {{0x1B, 0x1700}}},
        EffectCase{"NAV2 down 0.05", 0x1006E, {{0x1B, 0x0805}}, {{0x1B, 0x0800}}},
        // ADF: hundreds 1 to 17 through the extended variable's thousands; digits wrap alone
        EffectCase{"ADF hundreds up", 0x10070, {{0x10, 0x0345}, {0x12, 0x0105}}, {{0x10, 0x0445}, {0x12, 0x0105}}},
        EffectCase{"ADF hundreds up into the thousands", 0x10070, {{0x10, 0x0950}}, {{0x10, 0x0050}, {0x12, 0x0100}}},
        EffectCase{"ADF hundreds up from 17", 0x10070, {{0x10, 0x0750}, {0x12, 0x0100}}, {{0x10, 0x0150}, {0x12, 0}}},
        EffectCase{"ADF hundreds down from 1", 0x10082, {{0x10, 0x0150}}, {{0x10, 0x0750}, {0x12, 0x0100}}},
        EffectCase{"ADF tens up from 9", 0x10071, {{0x10, 0x0390}}, {{0x10, 0x0300}}},
        EffectCase{"ADF units down from 0", 0x10084, {{0x10, 0x0340}}, {{0x10, 0x0349}}},
        EffectCase{"ADF tenths up from 9", 0x10396, {{0x10, 0x0340}, {0x12, 0x0109}}, {{0x12, 0x0100}}},
        // transponder: octal digits
        EffectCase{"squawk thousands up", 0x10073, {{0x26, 0x1200}}, {{0x26, 0x2200}}},
        EffectCase{"squawk units up from 7", 0x10076, {{0x26, 0x7777}}, {{0x26, 0x7770}}},
        EffectCase{"squawk hundreds down from 0", 0x10398, {{0x26, 0x0000}}, {{0x26, 0x0700}}},
        EffectCase{"squawk tens down", 0x10399, {{0x26, 0x1200}}, {{0x26, 0x1270}}}));

TEST(Aircraft, UnknownEventsChangeNothing) {
    Cockpit cockpit;
    cockpit.vars = {{0x2E4, 1}};
    cockpit.aircraft.key_event(0x12345, 7);
    EXPECT_EQ(cockpit.vars, (std::map<UINT32, double>{{0x2E4, 1}}));
    EXPECT_TRUE(cockpit.log.empty());
}

// The heads push their audio state on every frame: on/off events set, never flip.
TEST(Aircraft, StationAudioEventsAreIdempotentSets) {
    Cockpit cockpit;
    for (int frame = 0; frame < 3; ++frame) cockpit.aircraft.key_event(0x1012D, 0);
    EXPECT_TRUE(cockpit.aircraft.station_audio(host::Receiver::nav1));
    EXPECT_FALSE(cockpit.aircraft.station_audio(host::Receiver::nav2));
    cockpit.aircraft.key_event(0x1012E, 0);
    cockpit.aircraft.key_event(0x10131, 0);
    for (int frame = 0; frame < 3; ++frame) cockpit.aircraft.key_event(0x10128, 0);
    cockpit.aircraft.key_event(0x1012C, 0);
    EXPECT_FALSE(cockpit.aircraft.station_audio(host::Receiver::nav1));
    EXPECT_TRUE(cockpit.aircraft.station_audio(host::Receiver::nav2));
    EXPECT_FALSE(cockpit.aircraft.station_audio(host::Receiver::adf));
    EXPECT_EQ(cockpit.log, (std::vector<std::string>{"NAV1 audio on", "NAV2 audio on", "ADF audio on", "NAV1 audio off",
                                                     "ADF audio off"}));
}

TEST(Aircraft, PanelWindowsByIdent) {
    Cockpit cockpit;
    host::Aircraft& a = cockpit.aircraft;
    EXPECT_TRUE(a.panel_window_shown(0));
    EXPECT_FALSE(a.panel_window_shown(225));
    a.key_event(0x103CB, 225);  // open
    a.key_event(0x103CB, 225);  // open again: no change
    EXPECT_TRUE(a.panel_window_shown(225));
    a.key_event(0x103CA, 225);  // toggle
    EXPECT_FALSE(a.panel_window_shown(225));
    a.key_event(0x103CC, 0);  // close the main panel
    EXPECT_FALSE(a.panel_window_shown(0));
    a.key_event(0x103CB, 10001);       // no such window
    a.key_event(0x103CA, 0xFFFFFFFF);  // a negative ident
    EXPECT_FALSE(a.panel_window_shown(10001));
    a.add_panel_window(10001);
    a.key_event(0x103CB, 10001);
    EXPECT_TRUE(a.panel_window_shown(10001));
    EXPECT_EQ(cockpit.log,
              (std::vector<std::string>{"panel window 225 shown", "panel window 225 hidden", "panel window 0 hidden",
                                        "panel window 10001 unknown: ignored", "panel window -1 unknown: ignored",
                                        "panel window 10001 shown"}));
}

TEST(Aircraft, ViewsAndHostWindows) {
    Cockpit cockpit;
    host::Aircraft& a = cockpit.aircraft;
    a.key_event(0x100C7, 0);
    EXPECT_EQ(a.view(), host::Aircraft::VIEW_COUNT - 1);  // previous from the first wraps
    for (int i = 0; i < host::Aircraft::VIEW_COUNT + 1; ++i) a.key_event(0x100C6, 0);
    EXPECT_EQ(a.view(), 0);
    a.key_event(0x100C6, 0);
    a.key_event(0x10153, 0);
    EXPECT_EQ(a.view(), 0);
    a.key_event(0x1001C, 0);
    a.key_event(0x10380, 0);
    a.key_event(0x10380, 0);
    EXPECT_TRUE(a.window_shown("ATC"));
    EXPECT_FALSE(a.window_shown("kneeboard"));
    EXPECT_FALSE(a.window_shown("map"));
}

// The bomb-bay doors take two seconds; the lamp blinks meanwhile.
TEST(Aircraft, DoorsAndWingsMoveOverTime) {
    Cockpit cockpit;
    host::Aircraft& a = cockpit.aircraft;
    a.key_event(0x1034F, 0);
    a.advance(1.0);
    EXPECT_DOUBLE_EQ(cockpit.vars[0x326], 0.5);
    a.advance(1.5);
    EXPECT_DOUBLE_EQ(cockpit.vars[0x326], 1.0);
    a.key_event(0x10350, 0);
    a.advance(0.5);
    EXPECT_DOUBLE_EQ(cockpit.vars[0x326], 0.75);

    // The wings turn back when the lever is moved again on the way.
    a.key_event(0x10356, 0);
    a.advance(1.5);
    EXPECT_DOUBLE_EQ(cockpit.vars[0x362], 0.5);
    a.key_event(0x10356, 0);
    a.advance(1.5);
    EXPECT_DOUBLE_EQ(cockpit.vars[0x362], 0.0);
    EXPECT_EQ(cockpit.log.front(), "var 0x326 moving to 1");
}

// ---- the host around it ----

TEST(AircraftHost, AFreshPanelLooksRight) {
    host::Host h;
    const std::pair<UINT32, double> defaults[] = {{0x2F3, 28},     {0x17, 0x1895}, {0x18, 0x1390},
                                                  {0x1B, 0x0800}, {0x26, 0x1200}, {0x2E4, 0}};
    for (const auto& [id, value] : defaults) EXPECT_EQ(h.var(id), value) << std::hex << id;
    for (int i = 0; i < host::Host::FRAMES_PER_SECOND; ++i) h.frame();
    EXPECT_DOUBLE_EQ(h.var(0x25C), 1.0);  // the simulation clock, in seconds
    EXPECT_TRUE(h.events().empty());
}

TEST(AircraftHost, KeyEventsAndWindowTogglesReachTheAircraft) {
    host::Host h;
    h.trigger_key_event(0x102F5, 0);
    h.panel_window_toggle(50);
    EXPECT_EQ(h.var(0x2E4), 1);
    EXPECT_TRUE(h.aircraft().panel_window_shown(50));
    std::vector<std::string> logged;
    for (const auto& e : h.events()) logged.push_back(e.type + " " + std::to_string(e.id) + " " + e.text);
    EXPECT_EQ(logged, (std::vector<std::string>{"key 66293 ", "aircraft 0 var 0x2E4 = 1", "window 50 ",
                                                "aircraft 0 panel window 50 shown"}));
}

std::size_t count_keys(const std::vector<host::Event>& events, UINT32 id) {
    return static_cast<std::size_t>(
        std::count_if(events.begin(), events.end(), [&](const host::Event& e) { return e.type == "key" && e.id == id; }));
}

// A held knob repeats: once at the press, then after half a second every ninth of a second.
TEST(AircraftHost, AHeldKnobRepeatsAndTheFrequencyFollows) {
    LoadedModule m(gauge_module_path("Zephel_Instr"));
    host::GaugeInstance& com = m.place("Radio_COM1");
    m.host.click(com, 200, 180, host::MouseButton::left);  // power on
    const long frames_before = static_cast<long>(m.host.var(1));
    ASSERT_TRUE(m.host.hold(com, 100, 240, 1.0, host::MouseButton::left));  // whole megahertz up
    EXPECT_EQ(m.host.var(1) - frames_before, host::Host::FRAMES_PER_SECOND);
    EXPECT_EQ(count_keys(m.host.events(), 0x10065), 6u);  // at 0, 9, 11, 13, 15 and 17 frames
    EXPECT_EQ(m.host.var(0x17), 0x2495);                  // 118.95 + 6
}

TEST(AircraftHost, AHeldSwitchFiresOnce) {
    LoadedModule m(gauge_module_path("Zephel_Instr"));
    host::GaugeInstance& avionics = m.place("Avionics_Switch");
    ASSERT_TRUE(m.host.hold(avionics, 10, 10, 2.0, host::MouseButton::left));
    EXPECT_EQ(count_keys(m.host.events(), 0x102F5), 1u);
    EXPECT_FALSE(m.host.hold(avionics, 10, 100, 0.5, host::MouseButton::left));
}

// ---- help under the pointer ----

struct TooltipCase {
    const char* text;
    std::vector<double> arguments;
    const char* shown;
};
void PrintTo(const TooltipCase& c, std::ostream* os) { *os << c.text; }

class TooltipText : public ::testing::TestWithParam<TooltipCase> {};

TEST_P(TooltipText, PlaceholdersTakeTheirArguments) {
    EXPECT_EQ(host::format_tooltip(GetParam().text, GetParam().arguments), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Help, TooltipText,
    ::testing::Values(TooltipCase{"angle of attack (%1!05.2f!\xB0)", {3.14159}, "angle of attack (03.14\xB0)"},
                      TooltipCase{"%1 and %2", {1.5, -2}, "1.5 and -2"},
                      TooltipCase{"%1!d! knots", {2.7}, "2 knots"},
                      TooltipCase{"%1!d!", {1e300}, "2147483647"},  // saturates
                      TooltipCase{"%2 missing", {1}, "%2 missing"},
                      TooltipCase{"%1!s! is no number", {1}, "%1!s! is no number"},
                      TooltipCase{"%1!999f! too wide", {1}, "%1!999f! too wide"},
                      TooltipCase{"100%% and 100%", {}, "100% and 100%"},
                      TooltipCase{"%1!.2f", {2}, "2!.2f"}));

FLOAT64 GAUGE_API seven_degrees(const MOUSERECT*) { return 7.25; }

TEST(Help, TooltipArgumentsComeFromTheirCallbacks) {
    const PTOOLTIP_ARGUMENT_CALLBACK arguments[] = {seven_degrees};
    const MOUSERECT list[] = {
        records::help_region(records::WHOLE_GAUGE, 0),
        records::tooltip_text("AoA %1!05.2f!", 1, reinterpret_cast<PTRWORD>(arguments)),
        records::help_region({10, 10, 20, 20}, 0xA527),
        records::end_region(),
        records::end_region(),
        records::end_list(),
    };
    EXPECT_EQ(host::describe_help(host::find_help_target(list, {100, 100}, 50, 50)), "tooltip \"AoA 07.25\"");
    EXPECT_EQ(host::describe_help(host::find_help_target(list, {100, 100}, 15, 15)), "help 0xA527");
    EXPECT_EQ(host::describe_help(host::find_help_target(list, {100, 100}, 150, 15)), "no help");
}

// ---- the eval steps ----

// Runs `panelhost eval` steps on one placed gauge and gives the text report.
std::string eval_report(LoadedModule& m, const std::string& gauge, const std::vector<std::string>& words) {
    host::GaugeInstance& instance = m.place(gauge);
    for (std::size_t pos = 0; pos < words.size();) {
        const auto step = host::parse_step(words, pos);
        if (!step) throw std::runtime_error("unknown step '" + words[pos] + "'");
        host::run_step(m.host, instance, *step);
    }
    std::ostringstream out;
    host::print_text_report(out, instance, m.host.events());
    return out.str();
}

const std::string ZEPHEL = gauge_module_path("Zephel_Instr");

TEST(EvalSteps, TheRoadOfAClickInTheReport) {
    {
        LoadedModule m(ZEPHEL);
        const std::string report = eval_report(m, "Avionics_Switch", {"frame", "click", "10", "10", "frame"});
        EXPECT_NE(report.find("[1] icon bitmap 4110 value 1 picture 1\n"), std::string::npos) << report;
        EXPECT_NE(report.find("  key 0x102F5 value 0\n  aircraft var 0x2E4 = 1\n  sound play 30\n"), std::string::npos)
            << report;
    }
    LoadedModule m(ZEPHEL);
    m.host.set_sound_device_available(false);  // --no-sound-device
    const std::string report = eval_report(m, "Avionics_Switch", {"frame", "click", "10", "10", "frame"});
    EXPECT_NE(report.find("key 0x102F5"), std::string::npos) << report;
    EXPECT_EQ(report.find("sound"), std::string::npos) << report;
}

TEST(EvalSteps, HoverReportsTheHelp) {
    struct {
        std::string gauge, shown;
    } cases[] = {
        {"Avionics_Switch", "hover help 0xAB0F"},
        {"Radome_Switch", "hover tooltip \"Radome switch\""},
        {"Bomb_Bay_Switch", "hover tooltip \"Radome switch\""},
        {"Shut_Down", "hover no help"},
    };
    for (const auto& c : cases) {
        LoadedModule m(ZEPHEL);
        const std::string report = eval_report(m, c.gauge, {"hover", "10", "10"});
        EXPECT_NE(report.find("  " + c.shown + "\n"), std::string::npos) << c.gauge << ": " << report;
    }
}

TEST(EvalSteps, MalformedHoldAndHover) {
    struct {
        std::vector<std::string> words;
        std::string message;
    } cases[] = {
        {{"hold", "10", "10"}, "step 'hold' is missing an argument"},
        {{"hold", "10", "10", "-1"}, "bad seconds '-1'"},
        {{"hover", "10"}, "step 'hover' is missing an argument"},
    };
    for (const auto& c : cases) {
        std::size_t pos = 0;
        try {
            host::parse_step(c.words, pos);
            ADD_FAILURE() << c.message;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}

}  // namespace
