#include "host/panel_config.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "host/flight_state.h"
#include "host/steps.h"

namespace host {

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// "Window07" → true (the section and title keys name windows this way).
bool is_window_name(const std::string& name) {
    const std::string l = lower(name);
    return l.size() > 6 && l.rfind("window", 0) == 0 &&
           std::all_of(l.begin() + 6, l.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Reads one line's worth of a panel.cfg; every complaint names the file and the line.
class LineReader {
public:
    LineReader(const std::string& path, int line) : path_(path), line_(line) {}

    [[noreturn]] void fail(const std::string& reason) const {
        throw std::runtime_error(path_ + ":" + std::to_string(line_) + ": " + reason);
    }

    int whole(const std::string& text, const std::string& what) const {
        const std::string t = trim(text);
        auto v = parse_number(t);
        if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e6 || t.find_first_of("xX") != std::string::npos)
            fail(what + " '" + t + "' is not a whole number");
        return static_cast<int>(*v);
    }

    double real(const std::string& text, const std::string& what) const {
        const std::string t = trim(text);
        auto v = parse_number(t);
        if (!v || !std::isfinite(*v)) fail(what + " '" + t + "' is not a number");
        return *v;
    }

    // "a,b,c" into exactly n parts.
    std::vector<std::string> parts(const std::string& value, std::size_t n, const std::string& key) const {
        std::vector<std::string> out;
        std::stringstream in(value);
        for (std::string part; std::getline(in, part, ',');) out.push_back(part);
        if (out.size() != n) fail(key + " needs " + std::to_string(n) + " comma-separated values, not '" + value + "'");
        return out;
    }

    PanelGauge gauge(const std::string& key, const std::string& value) const {
        PanelGauge g;
        g.key = key;
        g.line = line_;
        // Module!Gauge, x, y[, width[, height[, parameters]]]: the parameters are the rest
        // of the line, commas and all.
        std::vector<std::string> fields;
        std::size_t start = 0;
        while (fields.size() < 5) {
            const auto comma = value.find(',', start);
            if (comma == std::string::npos) break;
            fields.push_back(value.substr(start, comma - start));
            start = comma + 1;
        }
        fields.push_back(value.substr(start));
        const std::string name = trim(fields[0]);
        const auto bang = name.find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == name.size())
            fail(key + ": expected Module!Gauge, not '" + name + "'");
        g.module = name.substr(0, bang);
        g.gauge = name.substr(bang + 1);
        if (fields.size() < 3) fail(key + ": expected Module!Gauge, x, y[, width[, height[, parameters]]]");
        g.x = whole(fields[1], key + ": x");
        g.y = whole(fields[2], key + ": y");
        auto size = [&](std::size_t i, const char* what) -> std::optional<int> {
            if (fields.size() <= i || trim(fields[i]).empty()) return std::nullopt;
            const int v = whole(fields[i], key + ": " + what);
            if (v <= 0) fail(key + ": " + what + " must be positive");
            return v;
        };
        g.width = size(3, "width");
        g.height = size(4, "height");
        if (fields.size() == 6) g.parameters = trim(fields[5]);
        return g;
    }

private:
    const std::string& path_;
    int line_;
};

}  // namespace

PanelConfig parse_panel_config(const std::string& text, const std::string& path) {
    PanelConfig config{path, {}};
    std::map<std::string, std::string> titles;  // lower-case window name → title
    enum class Section { none, titles, window, other } section = Section::none;
    std::istringstream in(text);
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        const LineReader line(path, number);
        const std::string s = trim(raw);
        if (s.empty() || s.rfind("//", 0) == 0 || s[0] == ';') continue;
        if (s[0] == '[') {
            if (s.back() != ']') line.fail("section header without a closing ']'");
            const std::string name = trim(s.substr(1, s.size() - 2));
            if (lower(name) == "window titles") {
                section = Section::titles;
            } else if (is_window_name(name)) {
                for (const PanelWindow& w : config.windows)
                    if (lower(w.section) == lower(name))
                        line.fail("[" + name + "] appears twice (first on line " + std::to_string(w.line) + ")");
                section = Section::window;
                config.windows.push_back({.section = name, .line = number});
            } else {
                section = Section::other;
            }
            continue;
        }
        const auto eq = s.find('=');
        if (eq == std::string::npos) line.fail("expected key=value or [section], not '" + s + "'");
        const std::string key = trim(s.substr(0, eq)), value = trim(s.substr(eq + 1));
        if (key.empty()) line.fail("a value without a key");
        const std::string k = lower(key);
        switch (section) {
            case Section::none: line.fail("'" + key + "' stands before any [section]");
            case Section::other: break;
            case Section::titles:
                if (!is_window_name(key)) line.fail("expected WindowNN=title, not '" + key + "'");
                titles[k] = value;
                break;
            case Section::window: {
                PanelWindow& w = config.windows.back();
                if (k.rfind("gauge", 0) == 0) {
                    w.gauges.push_back(line.gauge(key, value));
                } else if (k == "size_mm") {
                    const auto p = line.parts(value, 2, key);
                    w.size = {line.whole(p[0], "size_mm width"), line.whole(p[1], "size_mm height")};
                    if ((*w.size)[0] <= 0 || (*w.size)[1] <= 0) line.fail("size_mm must be positive");
                } else if (k == "background_color") {
                    const auto p = line.parts(value, 3, key);
                    for (int i = 0; i < 3; ++i) {
                        w.background[i] = line.whole(p[i], "colour component");
                        if (w.background[i] < 0 || w.background[i] > 255) line.fail("colour components are 0 to 255");
                    }
                } else if (k == "visible") {
                    const int v = line.whole(value, "visible");
                    if (v != 0 && v != 1) line.fail("visible is 0 or 1");
                    w.visible = v == 1;
                } else if (k == "ident") {
                    w.ident = value;
                } else if (k == "position") {
                    const int v = line.whole(value, "position");
                    if (v < 0 || v > 8) line.fail("position is 0 to 8");
                } else if (k == "window_size" || k == "window_pos") {
                    for (const std::string& p : line.parts(value, 2, key)) line.real(p, key);
                }
                // Other keys (file, zorder, sizeable, nomenu, ...) are the simulator's alone.
                break;
            }
        }
    }
    for (PanelWindow& w : config.windows) {
        auto t = titles.find(lower(w.section));
        w.title = t != titles.end() ? t->second : w.section;
    }
    return config;
}

PanelConfig read_panel_config(const std::string& path) {
    return parse_panel_config(read_text_file(path, "panel configuration"), path);
}

GaugeSize gauge_pixel_size(const GaugeInstance& gauge) {
    if (gauge.size().width > 0 && gauge.size().height > 0) return gauge.size();
    for (const ElementState& st : gauge.elements())
        for (const Bitmap* b : st.pictures)
            if (b) return {b->width, b->height};
    return {};
}

std::string folder_of(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

PlacedPanel place_panel(Host& host, const PanelConfig& config, const std::string& gauges_dir) {
    PlacedPanel panel;
    std::map<std::string, Module*> modules;  // by name; null once it failed to load
    auto where = [&](const PanelGauge& g) { return config.path + ":" + std::to_string(g.line) + ": "; };
    for (const PanelWindow& w : config.windows) {
        PlacedWindow placed{&w, 0, 0, {}};
        for (const PanelGauge& g : w.gauges) {
            auto found = modules.find(g.module);
            if (found == modules.end()) {
                const std::string file = gauges_dir + "/" + g.module + ".gau";
                Module* module = nullptr;
                if (!std::filesystem::exists(file)) {
                    panel.warnings.push_back(where(g) + "module '" + g.module + "' not found (" + file + ")");
                } else {
                    try {
                        module = &host.load_module(file);
                    } catch (const std::exception& e) {
                        panel.warnings.push_back(where(g) + "module '" + g.module + "' does not load: " + e.what());
                    }
                }
                found = modules.emplace(g.module, module).first;
            }
            if (!found->second) {
                panel.warnings.push_back(where(g) + g.key + " (" + g.module + "!" + g.gauge + ") skipped");
                continue;
            }
            if (!found->second->find_gauge(g.gauge)) {
                panel.warnings.push_back(where(g) + "no gauge '" + g.gauge + "' in " + g.module + ": " + g.key +
                                         " skipped");
                continue;
            }
            GaugeInstance& inst = host.place(*found->second, g.gauge, g.parameters);
            const GaugeSize size = gauge_pixel_size(inst);
            PlacedGauge pg{&g, &inst, double(g.x), double(g.y), 1, 1};
            if (size.width > 0 && size.height > 0) {
                if (g.width) pg.scale_x = double(*g.width) / size.width;
                if (g.height) pg.scale_y = double(*g.height) / size.height;
                if (g.width && !g.height) pg.scale_y = pg.scale_x;
                if (g.height && !g.width) pg.scale_x = pg.scale_y;
                placed.width = std::max(placed.width, static_cast<int>(std::ceil(g.x + size.width * pg.scale_x)));
                placed.height = std::max(placed.height, static_cast<int>(std::ceil(g.y + size.height * pg.scale_y)));
            }
            placed.gauges.push_back(pg);
        }
        // Without size_mm the window is as large as its gauges reach.
        if (w.size) placed.width = (*w.size)[0], placed.height = (*w.size)[1];
        panel.windows.push_back(std::move(placed));
    }
    return panel;
}

}  // namespace host
