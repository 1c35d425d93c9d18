#include "host/steps.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace host {

std::optional<double> parse_number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    double v;
    const bool negative = s[0] == '-';
    const char* digits = negative || s[0] == '+' ? s + 1 : s;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        const unsigned long long u = std::strtoull(digits + 2, &end, 16);
        if (end == digits + 2) return std::nullopt;
        v = negative ? -static_cast<double>(u) : static_cast<double>(u);
    } else {
        v = std::strtod(s, &end);
    }
    if (*end != '\0' || errno == ERANGE) return std::nullopt;
    return v;
}

namespace {

UINT32 parse_id(const std::string& word, const char* what) {
    auto v = parse_number(word);
    if (!v || *v < 0 || *v > 4294967295.0 || *v != std::floor(*v))
        throw std::runtime_error(std::string("bad ") + what + " '" + word + "'");
    return static_cast<UINT32>(*v);
}

int parse_int(const std::string& word, const char* what) {
    auto v = parse_number(word);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9)
        throw std::runtime_error(std::string("bad ") + what + " '" + word + "'");
    return static_cast<int>(*v);
}

const std::string& arg(const std::vector<std::string>& args, std::size_t i, const char* step) {
    if (i >= args.size()) throw std::runtime_error(std::string("step '") + step + "' is missing an argument");
    return args[i];
}

}  // namespace

std::optional<Step> parse_step(const std::vector<std::string>& args, std::size_t& pos) {
    const std::string& word = args[pos];
    Step step{};
    if (word == "set") {
        step.kind = Step::Kind::set;
        step.id = parse_id(arg(args, pos + 1, "set"), "variable id");
        auto v = parse_number(arg(args, pos + 2, "set"));
        if (!v) throw std::runtime_error("bad value '" + args[pos + 2] + "'");
        step.value = *v;
        pos += 3;
    } else if (word == "frame") {
        step.kind = Step::Kind::frame;
        pos += 1;
        if (pos < args.size() && parse_number(args[pos])) {
            step.count = parse_int(args[pos], "frame count");
            if (step.count < 0) throw std::runtime_error("bad frame count '" + args[pos] + "'");
            ++pos;
        }
    } else if (word == "click" || word == "hold") {
        step.kind = word == "click" ? Step::Kind::click : Step::Kind::hold;
        step.x = parse_int(arg(args, pos + 1, word.c_str()), "x");
        step.y = parse_int(arg(args, pos + 2, word.c_str()), "y");
        pos += 3;
        if (step.kind == Step::Kind::hold) {
            auto seconds = parse_number(arg(args, pos, "hold"));
            if (!seconds || *seconds < 0 || *seconds > 3600) throw std::runtime_error("bad seconds '" + args[pos] + "'");
            step.value = *seconds;
            ++pos;
        }
        if (pos < args.size() && (args[pos] == "left" || args[pos] == "right")) {
            step.button = args[pos] == "left" ? MouseButton::left : MouseButton::right;
            ++pos;
        }
    } else if (word == "hover") {
        step.kind = Step::Kind::hover;
        step.x = parse_int(arg(args, pos + 1, "hover"), "x");
        step.y = parse_int(arg(args, pos + 2, "hover"), "y");
        pos += 3;
    } else if (word == "fail") {
        step.kind = Step::Kind::fail;
        step.id = parse_id(arg(args, pos + 1, "fail"), "failure key");
        pos += 2;
        if (pos < args.size() && parse_number(args[pos])) {
            const UINT32 action = parse_id(args[pos], "failure action");
            if (action > FAIL_ACTION_NO_DRAW) throw std::runtime_error("failure action must be 0 to 3");
            step.action = action;
            ++pos;
        }
    } else if (word == "repair") {
        step.kind = Step::Kind::repair;
        step.id = parse_id(arg(args, pos + 1, "repair"), "failure key");
        pos += 2;
    } else if (word == "service") {
        step.kind = Step::Kind::service;
        step.id = parse_id(arg(args, pos + 1, "service"), "service id");
        pos += 2;
    } else if (word == "wait") {
        step.kind = Step::Kind::wait;
        auto seconds = parse_number(arg(args, pos + 1, "wait"));
        if (!seconds || !(*seconds >= 0) || *seconds > 3600) throw std::runtime_error("bad wait '" + args[pos + 1] + "'");
        step.value = *seconds;
        pos += 2;
    } else {
        return std::nullopt;
    }
    return step;
}

void run_step(Host& host, GaugeInstance& instance, const Step& step) {
    switch (step.kind) {
        case Step::Kind::set: host.set_var(step.id, step.value); break;
        case Step::Kind::frame:
            for (int i = 0; i < step.count; ++i) host.frame();
            break;
        case Step::Kind::click: host.click(instance, step.x, step.y, step.button); break;
        case Step::Kind::fail: host.fail(step.id, step.action); break;
        case Step::Kind::repair: host.repair(step.id); break;
        case Step::Kind::service: host.service(instance, static_cast<SINT32>(step.id)); break;
        case Step::Kind::hold: host.hold(instance, step.x, step.y, step.value, step.button); break;
        case Step::Kind::hover: host.hover(instance, step.x, step.y); break;
        // Real time, for the programs the gauges started: frames take none.
        case Step::Kind::wait: std::this_thread::sleep_for(std::chrono::duration<double>(step.value)); break;
    }
}

}  // namespace host
