// Libraries by bare name: "Name" is the shared object "libName.so", looked for first in each
// folder of the GAUGE_LIBRARY_PATH environment variable (colon-separated, read at every load,
// so a test can point it at a library of its own), then by the dynamic loader's own search
// rules (LD_LIBRARY_PATH, the system folders).
#include <dlfcn.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "platform/linux/platform_control.h"

namespace platform {

namespace {

std::string shared_object_name(const char* name) { return std::string("lib") + name + ".so"; }

void* open_in_search_path(const std::string& file) {
    if (const char* path = std::getenv("GAUGE_LIBRARY_PATH")) {
        std::string folders = path;
        for (std::size_t start = 0; start <= folders.size();) {
            std::size_t end = folders.find(':', start);
            if (end == std::string::npos) end = folders.size();
            if (end > start)
                if (void* h = dlopen((folders.substr(start, end - start) + "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL))
                    return h;
            start = end + 1;
        }
    }
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

// The bare names libraries were loaded by, for the event log. The loader counts repeated
// loads of one library under one handle, so the names are counted too.
std::map<void*, std::multiset<std::string>>& loaded_names() {
    static std::map<void*, std::multiset<std::string>> names;
    return names;
}

}  // namespace

LibraryHandle load_library(const char* name) {
    if (!name || !*name) return nullptr;
    void* handle = open_in_search_path(shared_object_name(name));
    if (handle) loaded_names()[handle].insert(name);
    control::report({"library", std::string("load ") + name + (handle ? "" : " (missing)")});
    return handle;
}

void* library_symbol(LibraryHandle library, const char* name) {
    return library && name ? dlsym(library, name) : nullptr;
}

void free_library(LibraryHandle library) {
    if (!library) return;
    std::string name = "(unknown library)";
    if (auto it = loaded_names().find(library); it != loaded_names().end() && !it->second.empty()) {
        name = *it->second.begin();
        it->second.erase(it->second.begin());
        if (it->second.empty()) loaded_names().erase(it);
    }
    control::report({"library", "release " + name});
    dlclose(library);
}

}  // namespace platform
