// What the tests share: paths of the built modules and a host with one module loaded.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "host/host.h"

// A module the project builds, and a fixture module the tests build.
inline std::string gauge_module_path(const std::string& module) { return std::string(GAUGES_DIR) + "/" + module + ".gau"; }
inline std::string fixture_module_path(const std::string& module) { return std::string(FIXTURES_DIR) + "/" + module + ".gau"; }

// A host with one module loaded (by its path); place() puts one of its gauges on the panel.
struct LoadedModule {
    host::Host host;
    host::Module& module;
    explicit LoadedModule(const std::string& path) : module(host.load_module(path)) {}
    host::GaugeInstance& place(const std::string& gauge, std::optional<std::string> parameters = {}) {
        return host.place(module, gauge, std::move(parameters));
    }
};

// panelhost run as users run it: its exit code and its output (standard output and error).
struct CommandRun {
    int exit_code;
    std::string out;
};

inline CommandRun panelhost(const std::string& args) {
    FILE* pipe = popen((std::string(PANELHOST) + " " + args + " 2>&1").c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}
