// Panel layouts in the format panel designers use (panel.cfg), and placing one on a host.
//
//   [Window Titles]
//   Window00=Main Panel
//   [Window00]
//   size_mm=1600,900                 the window's design units (drawn 1:1 as pixels)
//   position=7                       where the simulator puts the window (0…8)
//   window_size=1,0.6                and its size and place on the screen (fractions)
//   window_pos=0,0.4
//   visible=1
//   ident=MAIN_PANEL
//   background_color=40,42,46        the colour behind the gauges
//   gauge00=Zephel_Instr!Torque, 20, 40, 180          x, y, width[, height[, parameters]]
//
// Lines starting with // or ; are comments. Sections other than [Window Titles] and
// [WindowNN] (views, virtual cockpits, colours) are read past.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"

namespace host {

struct PanelGauge {
    std::string key;     // "gauge00"
    std::string module;  // "Zephel_Instr"
    std::string gauge;   // "Torque"
    int x = 0, y = 0;
    std::optional<int> width, height;  // design units; none: the background's own size, or keep aspect
    std::optional<std::string> parameters;
    int line = 0;
};

struct PanelWindow {
    std::string section;  // "Window00"
    std::string title;    // from [Window Titles], else the section's name
    std::optional<std::array<int, 2>> size;  // size_mm
    std::array<int, 3> background{40, 42, 46};
    bool visible = true;
    std::string ident;
    std::vector<PanelGauge> gauges;  // in file order, which is drawing order
    int line = 0;
};

struct PanelConfig {
    std::string path;
    std::vector<PanelWindow> windows;  // in file order
};

// Reads a panel.cfg; throws std::runtime_error "FILE:LINE: reason" for the first malformed line.
PanelConfig read_panel_config(const std::string& path);
PanelConfig parse_panel_config(const std::string& text, const std::string& path);

// A gauge placed on a host, with where it sits in its window (design units).
struct PlacedGauge {
    const PanelGauge* spec = nullptr;
    GaugeInstance* instance = nullptr;
    double x = 0, y = 0, scale_x = 1, scale_y = 1;
};

struct PlacedWindow {
    const PanelWindow* spec = nullptr;
    int width = 0, height = 0;  // design units
    std::vector<PlacedGauge> gauges;
};

struct PlacedPanel {
    std::vector<PlacedWindow> windows;
    std::vector<std::string> warnings;  // gauges skipped: missing module or gauge
};

// Loads each module the panel names from gauges_dir/<Module>.gau and places every gauge, in
// file order. A gauge whose module or name is missing is skipped with a warning, so that the
// rest of the panel still shows. A gauge given a width is scaled so that its background fills
// width × height (without a height it keeps its aspect).
PlacedPanel place_panel(Host& host, const PanelConfig& config, const std::string& gauges_dir);

// The pixel size of a placed gauge: the host's (its background's), else the first picture's.
GaugeSize gauge_pixel_size(const GaugeInstance& gauge);

// The folder of a file's path ("." when it has none).
std::string folder_of(const std::string& path);

}  // namespace host
