// panelhost: runs gauge modules without the simulator.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/report.h"
#include "host/steps.h"

namespace {

const char* USAGE =
    "usage:\n"
    "  panelhost list MODULE.gau\n"
    "      prints the module's gauges, one a line: name and width in millimetres\n"
    "  panelhost eval MODULE.gau GAUGE [--param TEXT] [--json] [STEP]...\n"
    "      places one gauge, runs the steps in order (one frame if none is given) and prints\n"
    "      every element of the last frame and every event logged since it was placed\n"
    "steps:\n"
    "  set ID VALUE          set a token variable (ID decimal or 0x-hex)\n"
    "  frame [N]             run N frames (default 1)\n"
    "  click X Y [left|right]  click at a gauge pixel\n"
    "  fail KEY [ACTION]     fail a system; with ACTION (0-3) force that action\n"
    "  repair KEY            repair a system\n"
    "  service ID            send the gauge callback a service id\n";

int list(const std::vector<std::string>& args) {
    if (args.size() != 1) throw std::runtime_error("list takes one module");
    host::Host host;
    host::Module& module = host.load_module(args[0]);
    for (GAUGEHDR* g : module.gauges()) std::cout << (g->gauge_name ? g->gauge_name : "") << " " << g->size_x_mm << "\n";
    return 0;
}

int eval(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    std::optional<std::string> param;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") json = true;
        else if (args[i] == "--param") {
            if (i + 1 >= args.size()) throw std::runtime_error("--param needs a text");
            param = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
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

    host::Host host;
    host::Module& module = host.load_module(words[0]);
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
        std::cerr << "panelhost: unknown command '" << command << "'\n" << USAGE;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "panelhost: " << e.what() << "\n";
        return 1;
    }
}
