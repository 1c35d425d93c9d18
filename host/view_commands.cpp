#include "host/view_commands.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <variant>

#include "host/flight_state.h"
#include "host/panel_config.h"
#include "host/render.h"
#include "host/steps.h"

namespace fs = std::filesystem;

namespace host {

namespace {

// The words of a command: options anywhere (those in `valued` take the next word, and may be
// repeated), everything else in order.
struct CommandLine {
    std::vector<std::string> words;
    std::map<std::string, std::vector<std::string>> values;
    std::set<std::string> flags;

    std::vector<std::string> all(const std::string& option) const {
        auto it = values.find(option);
        return it == values.end() ? std::vector<std::string>{} : it->second;
    }
    std::optional<std::string> value(const std::string& option) const {
        auto it = values.find(option);
        if (it == values.end()) return std::nullopt;
        return it->second.back();
    }
    double scale() const {
        const auto text = value("--scale");
        if (!text) return 1.0;
        const auto v = parse_number(*text);
        if (!v || !(*v > 0) || *v > 16) throw std::runtime_error("bad scale '" + *text + "' (0 < S <= 16)");
        return *v;
    }
    std::string output() const {
        const auto out = value("-o");
        if (!out) throw std::runtime_error("-o OUT is missing");
        return *out;
    }
    DrawOptions draw_options() const { return {.night = flags.count("--night") > 0}; }
};

CommandLine parse_command_line(const std::vector<std::string>& args, const std::set<std::string>& valued,
                               const std::set<std::string>& flags) {
    CommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (valued.count(a)) {
            if (i + 1 >= args.size()) throw std::runtime_error(a + " needs a value");
            cl.values[a].push_back(args[++i]);
        } else if (flags.count(a)) {
            cl.flags.insert(a);
        } else if (a.size() > 1 && a[0] == '-' && !parse_number(a)) {
            throw std::runtime_error("unknown option '" + a + "'");
        } else {
            cl.words.push_back(a);
        }
    }
    return cl;
}

// A step of the panel command: a host step, or a click on a gauge named by its name.
using PanelStep = std::variant<Step, StateClick>;

std::vector<PanelStep> parse_steps(const std::vector<std::string>& words, std::size_t pos, bool gauge_clicks) {
    std::vector<PanelStep> steps;
    while (pos < words.size()) {
        if (gauge_clicks && words[pos] == "click" && pos + 1 < words.size() && !parse_number(words[pos + 1])) {
            // click GAUGE X Y [left|right]: read as a line of a flight state
            std::string line = "click";
            std::size_t end = std::min(words.size(), pos + 5);
            if (end == pos + 5 && words[pos + 4] != "left" && words[pos + 4] != "right") end = pos + 4;
            for (std::size_t i = pos + 1; i < end; ++i) line += " " + words[i];
            steps.push_back(parse_flight_state(line, "step").clicks.at(0));
            pos = end;
            continue;
        }
        auto step = parse_step(words, pos);
        if (!step) throw std::runtime_error("unknown step '" + words[pos] + "'");
        steps.push_back(*step);
    }
    return steps;
}

// A state's variables, one frame so that every gauge has run its set-up passes, then the
// state's clicks; the warnings name clicks whose gauge is not placed.
std::vector<std::string> settle(Host& host, const std::optional<FlightState>& state) {
    if (!state) return {};
    for (const auto& [id, value] : state->variables) host.set_var(id, value);
    host.frame();
    FlightState clicks_only{state->path, {}, state->clicks};
    return apply_flight_state(host, clicks_only);
}

// Runs the steps; one frame when none of them is a frame.
void run_steps(Host& host, const std::vector<PanelStep>& steps, GaugeInstance* only_gauge) {
    bool framed = false;
    for (const PanelStep& s : steps) {
        if (const auto* click = std::get_if<StateClick>(&s)) {
            for (const std::string& w : apply_flight_state(host, {"step", {}, {*click}})) std::cerr << "panelhost: " << w << "\n";
            continue;
        }
        const Step& step = std::get<Step>(s);
        framed |= step.kind == Step::Kind::frame || step.kind == Step::Kind::hold;
        const bool at_a_point =
            step.kind == Step::Kind::click || step.kind == Step::Kind::hold || step.kind == Step::Kind::hover;
        if (only_gauge) {
            run_step(host, *only_gauge, step);
        } else if (at_a_point) {
            throw std::runtime_error("on a panel, clicks name their gauge (click GAUGE X Y); hold and hover "
                                     "are for one gauge (render)");
        } else if (step.kind == Step::Kind::service) {
            for (const auto& inst : host.instances()) host.service(*inst, static_cast<SINT32>(step.id));
        } else if (!host.instances().empty()) {
            run_step(host, *host.instances().front(), step);  // the host's own: set, frame, fail, ...
        }
    }
    if (!framed) host.frame();
}

std::optional<FlightState> state_option(const CommandLine& cl) {
    const auto path = cl.value("--state");
    return path ? std::optional(read_flight_state(*path)) : std::nullopt;
}

struct Canvas {
    cairo_surface_t* surface;
    cairo_t* cr;
    Canvas(int width, int height, const double* rgb)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 1), std::max(height, 1))),
          cr(cairo_create(surface)) {
        cairo_set_source_rgb(cr, rgb[0], rgb[1], rgb[2]);
        cairo_paint(cr);
    }
    ~Canvas() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
};

// One gauge alone on a panel-grey canvas of its own size.
void write_gauge_png(Renderer& renderer, const GaugeInstance& gauge, double scale, DrawOptions options,
                     bool hotspots, const std::string& path) {
    const GaugeSize size = gauge_pixel_size(gauge);
    if (size.width <= 0 || size.height <= 0) throw std::runtime_error(gauge.name() + " has no picture to size it");
    Canvas canvas(static_cast<int>(std::ceil(size.width * scale)), static_cast<int>(std::ceil(size.height * scale)),
                  PANEL_GREY);
    const Placement at{0, 0, scale, scale};
    renderer.draw(canvas.cr, gauge, at, options);
    if (hotspots) draw_hotspots(canvas.cr, gauge, at);
    write_png(canvas.surface, path);
}

std::string html_escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// ---- panel sheets ---------------------------------------------------------------------------

constexpr double SHEET_BACK[3] = {0.11, 0.11, 0.12};
constexpr int SHEET_MARGIN = 20, TITLE_BAND = 28;

// Every window of the panel on one sheet, each under its title: the first on top, the rest in
// rows no wider than the widest window.
void write_sheet(Renderer& renderer, const PlacedPanel& panel, double scale, DrawOptions options,
                 const std::string& path) {
    struct Slot {
        const PlacedWindow* window;
        int x, y;
    };
    auto title_of = [](const PanelWindow& spec) {
        return spec.section + "  " + spec.title + (spec.ident.empty() ? "" : "  (" + spec.ident + ")") +
               (spec.visible ? "" : "  (hidden at start)");
    };
    auto set_title_font = [](cairo_t* cr) {
        cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 15);
    };
    // Each slot is as wide as its window or its title, whichever is wider.
    const Canvas measure(1, 1, SHEET_BACK);
    set_title_font(measure.cr);
    int row_limit = 0;
    for (const PlacedWindow& w : panel.windows) row_limit = std::max(row_limit, static_cast<int>(std::round(w.width * scale)));
    std::vector<Slot> slots;
    int x = SHEET_MARGIN, y = SHEET_MARGIN, row_height = 0, sheet_w = 0;
    for (const PlacedWindow& w : panel.windows) {
        cairo_text_extents_t title;
        cairo_text_extents(measure.cr, title_of(*w.spec).c_str(), &title);
        const int ww = static_cast<int>(std::round(w.width * scale)), wh = static_cast<int>(std::round(w.height * scale));
        const int slot_w = std::max(ww, static_cast<int>(std::ceil(title.x_advance)));
        if (x > SHEET_MARGIN && x + slot_w > SHEET_MARGIN + row_limit) {
            x = SHEET_MARGIN;
            y += row_height + SHEET_MARGIN;
            row_height = 0;
        }
        slots.push_back({&w, x, y + TITLE_BAND});
        x += slot_w + SHEET_MARGIN;
        row_height = std::max(row_height, TITLE_BAND + wh);
        sheet_w = std::max(sheet_w, x);
    }
    Canvas canvas(std::max(sheet_w, 2 * SHEET_MARGIN), y + row_height + SHEET_MARGIN, SHEET_BACK);
    set_title_font(canvas.cr);
    for (const Slot& s : slots) {
        cairo_set_source_rgb(canvas.cr, 0.85, 0.85, 0.82);
        cairo_move_to(canvas.cr, s.x, s.y - 9);
        cairo_show_text(canvas.cr, title_of(*s.window->spec).c_str());
        renderer.draw_window(canvas.cr, *s.window, s.x, s.y, scale, options);
    }
    write_png(canvas.surface, path);
}

}  // namespace

// ---- commands -------------------------------------------------------------------------------------

int render_command(const std::vector<std::string>& args) {
    const CommandLine cl = parse_command_line(args, {"--param", "--scale", "--state", "-o"}, {"--hotspots", "--night"});
    if (cl.words.size() < 2) throw std::runtime_error("render needs a module and a gauge");
    const std::string output = cl.output();
    const double scale = cl.scale();
    const auto steps = parse_steps(cl.words, 2, false);
    const auto state = state_option(cl);

    Host host;
    Module& module = host.load_module(cl.words[0]);
    GaugeInstance& gauge = host.place(module, cl.words[1], cl.value("--param"));
    settle(host, state);  // clicks meant for other gauges of the state's panel do not apply here
    run_steps(host, steps, &gauge);
    Renderer renderer;
    write_gauge_png(renderer, gauge, scale, cl.draw_options(), cl.flags.count("--hotspots") > 0, output);
    return 0;
}

int panel_command(const std::vector<std::string>& args) {
    const CommandLine cl = parse_command_line(args, {"--gauges", "--scale", "--state", "-o"}, {"--night"});
    if (cl.words.empty()) throw std::runtime_error("panel needs a panel.cfg");
    const std::string output = cl.output();
    const double scale = cl.scale();
    const PanelConfig config = read_panel_config(cl.words[0]);
    const auto steps = parse_steps(cl.words, 1, true);
    const auto state = state_option(cl);

    Host host;
    host.keep_events(false);
    const PlacedPanel panel = place_panel(host, config, cl.value("--gauges").value_or(folder_of(config.path)));
    for (const std::string& w : panel.warnings) std::cerr << "panelhost: warning: " << w << "\n";
    for (const std::string& w : settle(host, state)) std::cerr << "panelhost: warning: " << w << "\n";
    run_steps(host, steps, nullptr);

    Renderer renderer;
    const bool to_folder = output.back() == '/' || fs::is_directory(output);
    if (!to_folder) {
        write_sheet(renderer, panel, scale, cl.draw_options(), output);
        std::cout << output << "\n";
        return 0;
    }
    fs::create_directories(output);
    for (const PlacedWindow& w : panel.windows) {
        Canvas canvas(static_cast<int>(std::round(w.width * scale)), static_cast<int>(std::round(w.height * scale)),
                      SHEET_BACK);
        renderer.draw_window(canvas.cr, w, 0, 0, scale, cl.draw_options());
        const std::string path = (fs::path(output) / (w.spec->section + ".png")).string();
        write_png(canvas.surface, path);
        std::cout << path << "  " << w.spec->title << "\n";
    }
    return 0;
}

int gallery_command(const std::vector<std::string>& args) {
    const CommandLine cl = parse_command_line(args, {"--scale", "--state", "-o"}, {"--night"});
    if (cl.words.size() != 1) throw std::runtime_error("gallery needs one folder of modules");
    const fs::path out = cl.output();
    const double scale = cl.scale();
    std::vector<fs::path> module_files;
    for (const auto& entry : fs::directory_iterator(cl.words[0]))
        if (entry.path().extension() == ".gau") module_files.push_back(entry.path());
    std::sort(module_files.begin(), module_files.end());
    if (module_files.empty()) throw std::runtime_error("no modules (*.gau) in " + cl.words[0]);
    std::vector<std::optional<FlightState>> states;
    for (const std::string& path : cl.all("--state")) states.push_back(read_flight_state(path));
    if (states.empty()) states.push_back(std::nullopt);
    auto state_name = [](const std::optional<FlightState>& s) {
        return s ? fs::path(s->path).stem().string() : std::string("blank");
    };

    // Per module, its gauges in catalogue order and their widths; per gauge and state, a file.
    struct GalleryGauge {
        std::string name;
        UINT32 width_mm;
        std::vector<std::string> files;  // per state, relative to out; empty if it failed
    };
    std::vector<std::pair<std::string, std::vector<GalleryGauge>>> modules;
    std::size_t total = 0, done = 0;
    for (std::size_t si = 0; si < states.size(); ++si) {
        Host host;
        host.keep_events(false);
        Renderer renderer;
        std::vector<std::pair<std::string, std::vector<GaugeInstance*>>> placed;
        for (const fs::path& file : module_files) {
            const std::string module_name = file.stem().string();
            std::vector<GaugeInstance*> instances;
            try {
                Module& module = host.load_module(file.string());
                for (GAUGEHDR* g : module.gauges()) instances.push_back(&host.place(module, g->gauge_name));
            } catch (const std::exception& e) {
                std::cerr << "panelhost: warning: " << module_name << ": " << e.what() << "\n";
            }
            placed.emplace_back(module_name, instances);
            if (si == 0) {
                modules.push_back({module_name, {}});
                for (GaugeInstance* inst : instances)
                    modules.back().second.push_back({inst->name(), inst->header()->size_x_mm, {}});
                total += instances.size() * states.size();
            }
        }
        settle(host, states[si]);
        host.frame();
        const std::string sname = state_name(states[si]);
        for (std::size_t mi = 0; mi < placed.size(); ++mi) {
            const auto& [module_name, instances] = placed[mi];
            fs::create_directories(out / module_name);
            for (std::size_t gi = 0; gi < instances.size(); ++gi) {
                const std::string rel = module_name + "/" + instances[gi]->name() + "." + sname + ".png";
                std::cout << "[" << ++done << "/" << total << "] " << sname << "  " << module_name << "!"
                          << instances[gi]->name() << std::endl;
                std::string file;
                try {
                    write_gauge_png(renderer, *instances[gi], scale, cl.draw_options(), false, (out / rel).string());
                    file = rel;
                } catch (const std::exception& e) {
                    std::cerr << "panelhost: warning: " << e.what() << "\n";
                }
                if (gi < modules[mi].second.size()) modules[mi].second[gi].files.push_back(file);
            }
        }
    }

    std::ofstream html(out / "index.html");
    html << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Gauge gallery</title>\n<style>\n"
            "body{background:#1c1c1e;color:#ddd;font-family:sans-serif;margin:24px}\n"
            "h2{border-bottom:1px solid #555;padding-bottom:4px}\n"
            ".grid{display:flex;flex-wrap:wrap;gap:18px}\n"
            ".gauge{background:#2a2b2e;padding:10px;border-radius:6px}\n"
            ".gauge h3{margin:0 0 6px;font-size:15px}.gauge h3 small{color:#999;font-weight:normal}\n"
            "figure{display:inline-block;margin:0 8px 0 0;text-align:center}\n"
            "figure img{max-width:260px;max-height:260px}figcaption{font-size:12px;color:#aaa}\n"
            "</style></head><body>\n<h1>Gauge gallery</h1>\n<p>States:";
    for (const auto& s : states) html << " " << html_escape(state_name(s));
    html << ". Each picture is the gauge at its background's own size";
    if (scale != 1) html << " × " << scale;
    html << "; click it for the full picture.</p>\n";
    for (const auto& [module_name, gauges] : modules) {
        html << "<h2>" << html_escape(module_name) << " <small>(" << gauges.size()
             << (gauges.size() == 1 ? " gauge" : " gauges") << ")</small></h2>\n"
             << "<div class=\"grid\">\n";
        for (const GalleryGauge& g : gauges) {
            html << "<div class=\"gauge\"><h3>" << html_escape(g.name) << " <small>" << g.width_mm << " mm</small></h3>";
            for (std::size_t si = 0; si < g.files.size(); ++si) {
                html << "<figure>";
                if (g.files[si].empty()) html << "(not drawn)";
                else html << "<a href=\"" << html_escape(g.files[si]) << "\"><img src=\"" << html_escape(g.files[si])
                          << "\" alt=\"" << html_escape(g.name) << "\"></a>";
                html << "<figcaption>" << html_escape(state_name(states[si])) << "</figcaption></figure>";
            }
            html << "</div>\n";
        }
        html << "</div>\n";
    }
    html << "</body></html>\n";
    if (!html) throw std::runtime_error("cannot write " + (out / "index.html").string());
    std::cout << (out / "index.html").string() << "\n";
    return 0;
}

}  // namespace host
