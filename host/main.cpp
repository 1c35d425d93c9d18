// panelhost: runs gauge modules without the simulator.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/report.h"
#include "host/steps.h"
#include "host/view_commands.h"
#include "platform/linux/platform_control.h"

namespace {

const char* USAGE =
    "usage:\n"
    "  panelhost list MODULE.gau\n"
    "      prints the module's gauges, one a line: name and width in millimetres\n"
    "  panelhost eval MODULE.gau GAUGE [--param TEXT] [--json] [--no-sound-device]\n"
    "                 [--workdir DIR] [--choose-folder DIR] [STEP]...\n"
    "      places one gauge, runs the steps in order (one frame if none is given) and prints\n"
    "      every element of the last frame and every event logged since it was placed;\n"
    "      --no-sound-device makes the gauges' sound device creation fail; --workdir runs in\n"
    "      DIR, with the stand-in player installed at DIR/Windmere/Volcra18/player.exe;\n"
    "      --choose-folder answers the folder browser with DIR (without it: cancelled)\n"
    "  panelhost render MODULE.gau GAUGE [--param TEXT] [--scale S] [--hotspots] [--night]\n"
    "                   [--state FILE] [STEP]... -o OUT.png\n"
    "      places one gauge, runs the steps and draws its last frame (--hotspots outlines the\n"
    "      click areas and help regions)\n"
    "  panelhost panel PANEL.cfg [--gauges DIR] [--state FILE] [--scale S] [--night] [STEP]...\n"
    "                  -o OUT.png|DIR/\n"
    "      places every gauge of a panel layout (modules from DIR, by default the cfg's folder)\n"
    "      and draws its windows on one sheet, or one PNG per window into DIR/\n"
    "  panelhost gallery GAUGES_DIR [--state FILE]... [--scale S] [--night] -o DIR\n"
    "      draws every gauge of every module in each state, with DIR/index.html showing them\n"
    "steps:\n"
    "  set ID VALUE          set a token variable (ID decimal or 0x-hex)\n"
    "  frame [N]             run N frames (default 1)\n"
    "  click X Y [left|right]  click at a gauge pixel\n"
    "  fail KEY [ACTION]     fail a system; with ACTION (0-3) force that action\n"
    "  repair KEY            repair a system\n"
    "  service ID            send the gauge callback a service id\n"
    "  hold X Y SECONDS [left|right]  hold a button down at a gauge pixel, frames running\n"
    "  hover X Y             report the help id or tooltip at a gauge pixel\n"
    "  wait SECONDS          let real time pass (for the programs a gauge started)\n"
    "  click GAUGE X Y [left|right]  (panel) click on the first placed gauge of that name\n"
    "a state FILE holds lines 'ID VALUE' (token variables) and 'click GAUGE X Y'; '#' comments\n";

int list(const std::vector<std::string>& args) {
    if (args.size() != 1) throw std::runtime_error("list takes one module");
    host::Host host;
    host::Module& module = host.load_module(args[0]);
    for (GAUGEHDR* g : module.gauges()) std::cout << (g->gauge_name ? g->gauge_name : "") << " " << g->size_x_mm << "\n";
    return 0;
}

// Makes DIR the working folder, with the stand-in player installed where the Player gauge
// starts it (.\Windmere\Volcra18\player.exe); a state file already there is kept.
void use_working_folder(const std::filesystem::path& dir) {
    namespace fs = std::filesystem;
    const fs::path standin = fs::read_symlink("/proc/self/exe").parent_path() / "tools" / "player.exe";
    if (!fs::exists(standin)) throw std::runtime_error("no stand-in player at " + standin.string());
    const fs::path folder = dir / "Windmere" / "Volcra18";
    fs::create_directories(folder);
    // Copied beside and renamed over, so that a player still running from there is no obstacle.
    fs::copy_file(standin, folder / "player.exe.new", fs::copy_options::overwrite_existing);
    fs::rename(folder / "player.exe.new", folder / "player.exe");
    fs::current_path(dir);
}

int eval(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    std::optional<std::string> param;
    bool json = false;
    bool sound_device = true;
    std::optional<std::filesystem::path> workdir, folder;
    auto option_value = [&](std::size_t& i, const char* what) -> const std::string& {
        if (i + 1 >= args.size()) throw std::runtime_error(args[i] + " needs " + what);
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") json = true;
        else if (args[i] == "--no-sound-device") sound_device = false;
        else if (args[i] == "--param") param = option_value(i, "a text");
        else if (args[i] == "--workdir") workdir = option_value(i, "a folder");
        else if (args[i] == "--choose-folder") folder = std::filesystem::absolute(option_value(i, "a folder"));
        else if (args[i].rfind("--", 0) == 0) {
            throw std::runtime_error("unknown option '" + args[i] + "'");
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.size() < 2) throw std::runtime_error("eval needs a module and a gauge");
    std::vector<host::Step> steps;
    for (std::size_t pos = 2; pos < words.size();) {
        auto step = host::parse_step(words, pos);
        if (!step) throw std::runtime_error("unknown step '" + words[pos] + "'");
        steps.push_back(*step);
    }
    if (steps.empty()) steps.push_back({host::Step::Kind::frame});
    std::string module_path = words[0];
    if (workdir) {
        module_path = std::filesystem::absolute(module_path).string();
        use_working_folder(*workdir);
    }
    if (folder) platform::control::set_folder_choice(platform::FolderChoice::chosen, folder->string());

    host::Host host;
    host.set_sound_device_available(sound_device);
    host::Module& module = host.load_module(module_path);
    host::GaugeInstance& instance = host.place(module, words[1], param);
    for (const host::Step& step : steps) host::run_step(host, instance, step);
    if (json) host::print_json_report(std::cout, instance, host.events());
    else host::print_text_report(std::cout, instance, host.events());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << USAGE;
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "list") return list(args);
        if (command == "eval") return eval(args);
        if (command == "render") return host::render_command(args);
        if (command == "panel") return host::panel_command(args);
        if (command == "gallery") return host::gallery_command(args);
        std::cerr << "panelhost: unknown command '" << command << "'\n" << USAGE;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "panelhost: " << e.what() << "\n";
        return 1;
    }
}
