// What the tests share: paths of the built modules and a host with one module loaded.
#pragma once

#include <string>

#include "host/host.h"

inline std::string gauge_module_path(const std::string& module) { return std::string(GAUGES_DIR) + "/" + module + ".gau"; }

// A host with one module loaded; place() puts one of its gauges on the panel.
struct LoadedModule {
    host::Host host;
    host::Module& module;
    explicit LoadedModule(const std::string& name) : module(host.load_module(gauge_module_path(name))) {}
    host::GaugeInstance& place(const std::string& gauge, std::optional<std::string> parameters = {}) {
        return host.place(module, gauge, std::move(parameters));
    }
};
