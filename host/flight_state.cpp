#include "host/flight_state.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "host/steps.h"

namespace host {

namespace {

[[noreturn]] void malformed(const std::string& path, int line, const std::string& reason) {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + reason);
}

int whole_number(const std::string& word, const std::string& path, int line, const char* what) {
    auto v = parse_number(word);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e6)
        malformed(path, line, std::string("bad ") + what + " '" + word + "'");
    return static_cast<int>(*v);
}

}  // namespace

FlightState parse_flight_state(const std::string& text, const std::string& path) {
    FlightState state{path, {}, {}};
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;
        if (w[0] == "click") {
            if (w.size() < 4 || w.size() > 5) malformed(path, number, "expected: click GAUGE X Y [left|right]");
            StateClick click{w[1], whole_number(w[2], path, number, "x"), whole_number(w[3], path, number, "y"),
                             MouseButton::left, number};
            if (w.size() == 5) {
                if (w[4] != "left" && w[4] != "right") malformed(path, number, "bad button '" + w[4] + "'");
                click.button = w[4] == "left" ? MouseButton::left : MouseButton::right;
            }
            state.clicks.push_back(click);
            continue;
        }
        if (w.size() != 2) malformed(path, number, "expected: ID VALUE (or click GAUGE X Y)");
        auto id = parse_number(w[0]);
        if (!id || *id < 1 || *id > 4294967295.0 || *id != std::floor(*id))
            malformed(path, number, "bad variable id '" + w[0] + "'");
        auto value = parse_number(w[1]);
        if (!value) malformed(path, number, "bad value '" + w[1] + "'");
        state.variables.emplace_back(static_cast<UINT32>(*id), *value);
    }
    return state;
}

std::string read_text_file(const std::string& path, const std::string& what) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + what + " " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

FlightState read_flight_state(const std::string& path) {
    return parse_flight_state(read_text_file(path, "flight state"), path);
}

std::vector<std::string> apply_flight_state(Host& host, const FlightState& state) {
    for (const auto& [id, value] : state.variables) host.set_var(id, value);
    std::vector<std::string> warnings;
    for (const StateClick& click : state.clicks) {
        GaugeInstance* target = nullptr;
        for (const auto& inst : host.instances())
            if (inst->name() == click.gauge) {
                target = inst.get();
                break;
            }
        if (target) host.click(*target, click.x, click.y, click.button);
        else warnings.push_back(state.path + ":" + std::to_string(click.line) + ": no gauge '" + click.gauge +
                                "' is placed: click skipped");
    }
    return warnings;
}

}  // namespace host
