// What the tests share: paths of the built modules and a host with one module loaded.
#pragma once

#include <string>

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
