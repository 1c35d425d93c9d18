// Panel layouts (panel.cfg) and flight states: reading them, their errors, placing a panel on
// a host, the default panel the project ships, and the commands that draw them.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "gauge_test_support.h"
#include "host/flight_state.h"
#include "host/panel_config.h"

namespace {

namespace fs = std::filesystem;

std::string error_of(const std::function<void()>& read) {
    try {
        read();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(PanelConfig, ReadsWindowsTitlesAndGauges) {
    const std::string text =
        "// a comment\n"
        "[Window Titles]\n"
        "Window00=Main Panel\n"
        "window01=Radios\n"
        "\n"
        "[WINDOW00]\n"
        "Size_MM=800,600\n"
        "position=7\n"
        "window_size=1.0,0.6\n"
        "background_color=10,20,30\n"
        "ident=MAIN_PANEL\n"
        "file=panel.bmp\n"
        "gauge00=Zephel_Instr!Torque, 10, 20\n"
        "gauge01=Zephel_Instr!Airspeed, 200, 20, 150\n"
        "gauge02=Zephel_Instr!Radios_Toggle, 5, 5, 30, 40, t50, c75 // one text, commas and all\n"
        "gauge03=Zephel_Instr!Registration, 0, 0, 100, , tF-ZAB\n"
        "[Vcockpit01]\n"
        "gauge00=Zephel_Instr!Torque, 0,0,64,64\n"
        "[Window01]\n"
        "visible=0\n";
    const host::PanelConfig cfg = host::parse_panel_config(text, "panel.cfg");
    ASSERT_EQ(cfg.windows.size(), 2u);
    const host::PanelWindow& main = cfg.windows[0];
    EXPECT_EQ(main.title, "Main Panel");
    EXPECT_EQ(cfg.windows[1].title, "Radios");
    EXPECT_FALSE(cfg.windows[1].visible);
    ASSERT_TRUE(main.size.has_value());
    EXPECT_EQ((*main.size)[0], 800);
    EXPECT_EQ(main.background, (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(main.ident, "MAIN_PANEL");
    ASSERT_EQ(main.gauges.size(), 4u);  // the virtual cockpit's gauge is not this panel's
    const host::PanelGauge& torque = main.gauges[0];
    EXPECT_EQ(torque.module, "Zephel_Instr");
    EXPECT_EQ(torque.gauge, "Torque");
    EXPECT_EQ(torque.x, 10);
    EXPECT_FALSE(torque.width.has_value());
    EXPECT_FALSE(torque.parameters.has_value());
    EXPECT_EQ(torque.line, 13);
    EXPECT_EQ(main.gauges[1].width, 150);
    EXPECT_FALSE(main.gauges[1].height.has_value());
    EXPECT_EQ(main.gauges[2].parameters, "t50, c75 // one text, commas and all");
    EXPECT_FALSE(main.gauges[3].height.has_value());
    EXPECT_EQ(main.gauges[3].parameters, "tF-ZAB");
}

struct Malformed {
    const char* text;
    const char* error;  // what the message says after "panel.cfg:"
};

void PrintTo(const Malformed& m, std::ostream* os) { *os << m.error; }

class MalformedPanelLine : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedPanelLine, IsReportedWithItsLineNumber) {
    const std::string error =
        error_of([&] { host::parse_panel_config(std::string("// header\n\n") + GetParam().text, "panel.cfg"); });
    EXPECT_EQ(error.rfind(std::string("panel.cfg:") + GetParam().error, 0), 0u) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedPanelLine,
    ::testing::Values(
        Malformed{"[Window00\n", "3: section header without a closing ']'"},
        Malformed{"size_mm=10,10\n", "3: 'size_mm' stands before any [section]"},
        Malformed{"[Window00]\njust words\n", "4: expected key=value or [section], not 'just words'"},
        Malformed{"[Window Titles]\nMain=Main\n", "4: expected WindowNN=title, not 'Main'"},
        Malformed{"[Window00]\n[Window00]\n", "4: [Window00] appears twice (first on line 3)"},
        Malformed{"[Window00]\nsize_mm=100\n", "4: size_mm needs 2 comma-separated values, not '100'"},
        Malformed{"[Window00]\nsize_mm=100,0\n", "4: size_mm must be positive"},
        Malformed{"[Window00]\nbackground_color=0,300,0\n", "4: colour components are 0 to 255"},
        Malformed{"[Window00]\nposition=9\n", "4: position is 0 to 8"},
        Malformed{"[Window00]\nvisible=yes\n", "4: visible 'yes' is not a whole number"},
        Malformed{"[Window00]\nwindow_pos=0.5,half\n", "4: window_pos 'half' is not a number"},
        Malformed{"[Window00]\ngauge00=Zephel_Instr Torque, 1, 2\n",
                  "4: gauge00: expected Module!Gauge, not 'Zephel_Instr Torque'"},
        Malformed{"[Window00]\ngauge00=!Torque, 1, 2\n", "4: gauge00: expected Module!Gauge, not '!Torque'"},
        Malformed{"[Window00]\ngauge07=Zephel_Instr!Torque, 1\n",
                  "4: gauge07: expected Module!Gauge, x, y[, width[, height[, parameters]]]"},
        Malformed{"[Window00]\ngauge00=Zephel_Instr!Torque, 1, two\n", "4: gauge00: y 'two' is not a whole number"},
        Malformed{"[Window00]\ngauge00=Zephel_Instr!Torque, 1.5, 2\n", "4: gauge00: x '1.5' is not a whole number"},
        Malformed{"[Window00]\ngauge00=Zephel_Instr!Torque, 1, 2, -5\n", "4: gauge00: width must be positive"},
        Malformed{"[Window00]\ngauge00=Zephel_Instr!Torque, 1, 2, 50, 0x10\n",
                  "4: gauge00: height '0x10' is not a whole number"}));

TEST(PanelConfig, MissingFileIsAnError) {
    EXPECT_EQ(error_of([] { host::read_panel_config("/nonexistent/panel.cfg"); }),
              "cannot read panel configuration /nonexistent/panel.cfg");
}

TEST(PanelPlacement, ScalesEachGaugeToItsBoxAndSkipsWhatIsMissing) {
    const std::string text =
        "[Window00]\n"
        "gauge00=Zephel_Instr!Torque, 10, 20\n"              // its own 200 x 200 pixels
        "gauge01=Zephel_Instr!Torque, 300, 20, 100\n"        // half size, aspect kept
        "gauge02=Zephel_Instr!Torque, 300, 200, 100, 50\n"   // squeezed
        "gauge03=No_Such_Module!Dial, 0, 0, 50\n"
        "gauge04=Zephel_Instr!No_Such_Gauge, 0, 0, 50\n"
        "[Window01]\n"
        "size_mm=640,480\n"
        "gauge00=No_Such_Module!Other, 0, 0\n";
    const host::PanelConfig cfg = host::parse_panel_config(text, "test.cfg");
    host::Host host;
    const host::PlacedPanel panel = host::place_panel(host, cfg, GAUGES_DIR);
    ASSERT_EQ(panel.windows.size(), 2u);
    const host::PlacedWindow& w = panel.windows[0];
    ASSERT_EQ(w.gauges.size(), 3u);
    EXPECT_EQ(host.instances().size(), 3u);
    EXPECT_DOUBLE_EQ(w.gauges[0].scale_x, 1.0);
    EXPECT_DOUBLE_EQ(w.gauges[1].scale_x, 0.5);
    EXPECT_DOUBLE_EQ(w.gauges[1].scale_y, 0.5);
    EXPECT_DOUBLE_EQ(w.gauges[2].scale_y, 0.25);
    EXPECT_EQ(w.gauges[2].spec->key, "gauge02");
    // Without size_mm the window reaches as far as its gauges; with it, it is that size.
    EXPECT_EQ(w.width, 400);
    EXPECT_EQ(w.height, 250);
    EXPECT_EQ(panel.windows[1].width, 640);
    ASSERT_EQ(panel.warnings.size(), 4u);
    EXPECT_EQ(panel.warnings[0], "test.cfg:5: module 'No_Such_Module' not found (" GAUGES_DIR "/No_Such_Module.gau)");
    EXPECT_EQ(panel.warnings[1], "test.cfg:5: gauge03 (No_Such_Module!Dial) skipped");
    EXPECT_EQ(panel.warnings[2], "test.cfg:6: no gauge 'No_Such_Gauge' in Zephel_Instr: gauge04 skipped");
    EXPECT_EQ(panel.warnings[3], "test.cfg:9: gauge00 (No_Such_Module!Other) skipped");  // said once per module
}

// The default panel places every gauge of the instrument module, each inside its window and
// clear of the others.
TEST(DefaultPanel, HoldsEveryInstrumentWithoutOverlaps) {
    const host::PanelConfig cfg = host::read_panel_config(ASSETS_DIR "/panel/panel.cfg");
    host::Host host;
    const host::PlacedPanel panel = host::place_panel(host, cfg, GAUGES_DIR);
    std::set<std::string> placed;
    const host::Module* instruments = nullptr;
    for (const host::PlacedWindow& w : panel.windows) {
        struct Box {
            std::string name;
            double x0, y0, x1, y1;
        };
        std::vector<Box> boxes;
        for (const host::PlacedGauge& g : w.gauges) {
            placed.insert(g.spec->module + "!" + g.spec->gauge);
            if (g.spec->module == "Zephel_Instr") instruments = &g.instance->module();
            const host::GaugeSize size = host::gauge_pixel_size(*g.instance);
            const Box b{g.spec->gauge, g.x, g.y, g.x + size.width * g.scale_x, g.y + size.height * g.scale_y};
            EXPECT_LE(b.x1, w.width + 0.5) << w.spec->section << " " << b.name;
            EXPECT_LE(b.y1, w.height + 0.5) << w.spec->section << " " << b.name;
            for (const Box& other : boxes)
                EXPECT_FALSE(b.x0 < other.x1 && other.x0 < b.x1 && b.y0 < other.y1 && other.y0 < b.y1)
                    << w.spec->section << ": " << b.name << " overlaps " << other.name;
            boxes.push_back(b);
        }
    }
    ASSERT_NE(instruments, nullptr);
    for (GAUGEHDR* g : instruments->gauges())
        EXPECT_TRUE(placed.count(std::string("Zephel_Instr!") + g->gauge_name)) << g->gauge_name << " is not on the panel";
    // The other modules' gauges are named; a module not built yet is skipped with a warning.
    for (const char* other : {"Player!player", "Ptv_Hx70.turb_temp!Ptv_Hx70.turb_temp", "Kx1Oil!Kx1Oil",
                              "rw400_landinglight_move!rw400_landinglight_move"}) {
        bool named = false;
        for (const host::PanelWindow& w : cfg.windows)
            for (const host::PanelGauge& g : w.gauges) named |= g.module + "!" + g.gauge == other;
        EXPECT_TRUE(named) << other;
    }
}

// ---- flight states ----------------------------------------------------------------------------

TEST(FlightState, ReadsVariablesAndClicks) {
    const host::FlightState s = host::parse_flight_state(
        "# cruise\n0x3D 210   # airspeed\n23 0x1895\n\nclick Radio_COM1 205 185\nclick Radio_ADF 1 2 right\n", "s");
    ASSERT_EQ(s.variables.size(), 2u);
    EXPECT_EQ(s.variables[0], (std::pair<UINT32, double>{0x3D, 210}));
    EXPECT_EQ(s.variables[1], (std::pair<UINT32, double>{23, 0x1895}));
    ASSERT_EQ(s.clicks.size(), 2u);
    EXPECT_EQ(s.clicks[0].gauge, "Radio_COM1");
    EXPECT_EQ(s.clicks[0].x, 205);
    EXPECT_EQ(s.clicks[0].line, 5);
    EXPECT_EQ(s.clicks[1].button, host::MouseButton::right);
}

TEST(FlightState, MalformedLinesAreReportedWithTheirNumbers) {
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"0x3D", "state:2: expected: ID VALUE (or click GAUGE X Y)"},
        {"0x3D 210 kt", "state:2: expected: ID VALUE (or click GAUGE X Y)"},
        {"airspeed 210", "state:2: bad variable id 'airspeed'"},
        {"0 5", "state:2: bad variable id '0'"},
        {"0x3D fast", "state:2: bad value 'fast'"},
        {"click Radio_COM1 205", "state:2: expected: click GAUGE X Y [left|right]"},
        {"click Radio_COM1 205 1.5", "state:2: bad y '1.5'"},
        {"click Radio_COM1 205 185 middle", "state:2: bad button 'middle'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_of([&] { host::parse_flight_state(std::string("# first\n") + c.line + "\n", "state"); }), c.error)
            << c.line;
}

TEST(FlightState, ShippedStatesRead) {
    for (const char* name : {"cruise", "approach", "cold_and_dark"})
        EXPECT_NO_THROW(host::read_flight_state(std::string(ASSETS_DIR "/panel/") + name + ".state")) << name;
}

TEST(FlightState, AppliesVariablesAndClicksTheNamedGauge) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    m.place("Probe");
    const host::FlightState s =
        host::parse_flight_state("0x20 50\nclick Probe 15 15\nclick Nowhere 1 1\n", "state");
    const auto warnings = host::apply_flight_state(m.host, s);
    EXPECT_DOUBLE_EQ(m.host.var(0x20), 50);
    bool clicked = false;
    for (const host::Event& e : m.host.events()) clicked |= e.type == "key" && e.id == 0xC001;
    EXPECT_TRUE(clicked);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "state:3: no gauge 'Nowhere' is placed: click skipped");
}

// ---- the drawing commands ----------------------------------------------------------------------

class DrawingCommands : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("panelhost_test_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(DrawingCommands, RenderWritesTheGaugeAsPng) {
    const fs::path png = dir / "torque.png";
    const CommandRun r = panelhost("render " + gauge_module_path("Zephel_Instr") + " Torque --scale 0.5 --hotspots set 0x275 1 -o " +
                                   png.string());
    ASSERT_EQ(r.exit_code, 0) << r.out;
    ASSERT_TRUE(fs::exists(png));
    EXPECT_GT(fs::file_size(png), 1000u);
}

TEST_F(DrawingCommands, PanelDrawsTheDefaultPanelOneFilePerWindow) {
    const CommandRun r = panelhost("panel " ASSETS_DIR "/panel/panel.cfg --gauges " GAUGES_DIR " --state " ASSETS_DIR
                                   "/panel/cruise.state -o " + dir.string() + "/");
    ASSERT_EQ(r.exit_code, 0) << r.out;
    EXPECT_TRUE(fs::exists(dir / "Window00.png")) << r.out;
    EXPECT_TRUE(fs::exists(dir / "Window09.png")) << r.out;
}

TEST_F(DrawingCommands, AMalformedPanelIsRefusedWithItsLineNumber) {
    const fs::path cfg = dir / "bad.cfg";
    FILE* f = std::fopen(cfg.c_str(), "w");
    std::fputs("[Window00]\nsize_mm=100,100\ngauge00=Zephel_Instr!Torque 10 10\n", f);
    std::fclose(f);
    const CommandRun r = panelhost("panel " + cfg.string() + " -o " + (dir / "out.png").string());
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.out.find("bad.cfg:3: gauge00: expected Module!Gauge, x, y"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(dir / "out.png"));
}

}  // namespace
