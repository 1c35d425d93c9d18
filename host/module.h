// A gauge module loaded into the host: its two exported tables and its resources.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/gauge_host.h"

namespace host {

class Module {
public:
    // Loads MODULE.gau; throws std::runtime_error with a readable reason on failure.
    static std::unique_ptr<Module> load(const std::string& path);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    const std::string& path() const { return path_; }
    const GAUGESLINKAGE& linkage() const { return *linkage_; }
    GAUGESIMPORT& import_table() { return *import_table_; }
    // The gauge headers in catalogue order, up to the null entry.
    const std::vector<GAUGEHDR*>& gauges() const { return gauges_; }
    GAUGEHDR* find_gauge(const std::string& name) const;
    // The resource handle the module's routines and callbacks receive (its resource table).
    PTRWORD resource_handle() const { return reinterpret_cast<PTRWORD>(resources_); }

private:
    Module() = default;
    std::string path_;
    void* handle_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
    GAUGESIMPORT* import_table_ = nullptr;
    const void* resources_ = nullptr;
    std::vector<GAUGEHDR*> gauges_;
};

}  // namespace host
