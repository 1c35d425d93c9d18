#include "host/module.h"

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace host {

namespace {

// The address of the module's ".gauge_resources" section, found through the section
// headers of the file it was loaded from; null when it has none.
const void* find_resource_section(void* handle) {
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) return nullptr;
    std::ifstream file(map->l_name, std::ios::binary);
    ElfW(Ehdr) ehdr{};
    if (!file.read(reinterpret_cast<char*>(&ehdr), sizeof ehdr) || std::memcmp(ehdr.e_ident, ELFMAG, SELFMAG) != 0 ||
        ehdr.e_shentsize != sizeof(ElfW(Shdr)) || ehdr.e_shstrndx >= ehdr.e_shnum)
        return nullptr;
    std::vector<ElfW(Shdr)> sections(ehdr.e_shnum);
    file.seekg(static_cast<std::streamoff>(ehdr.e_shoff));
    if (!file.read(reinterpret_cast<char*>(sections.data()), static_cast<std::streamsize>(sections.size() * sizeof(ElfW(Shdr)))))
        return nullptr;
    const ElfW(Shdr)& names = sections[ehdr.e_shstrndx];
    std::vector<char> strings(names.sh_size + 1, '\0');
    file.seekg(static_cast<std::streamoff>(names.sh_offset));
    if (!file.read(strings.data(), static_cast<std::streamsize>(names.sh_size))) return nullptr;
    for (const auto& s : sections)
        if (s.sh_name < names.sh_size && std::strcmp(&strings[s.sh_name], ".gauge_resources") == 0 &&
            (s.sh_flags & SHF_ALLOC))
            return reinterpret_cast<const void*>(map->l_addr + s.sh_addr);
    return nullptr;
}

}  // namespace

std::unique_ptr<Module> Module::load(const std::string& path) {
    std::unique_ptr<Module> m(new Module);
    m->path_ = path;
    // A bare name would be looked up on the loader's search path; a module is always a file.
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    m->handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m->handle_) throw std::runtime_error("cannot load module " + path + ": " + dlerror());
    m->linkage_ = static_cast<GAUGESLINKAGE*>(dlsym(m->handle_, "Linkage"));
    m->import_table_ = static_cast<GAUGESIMPORT*>(dlsym(m->handle_, "ImportTable"));
    if (!m->linkage_ || !m->import_table_)
        throw std::runtime_error(path + " is not a gauge module: it must export Linkage and ImportTable");
    m->resources_ = find_resource_section(m->handle_);
    for (GAUGEHDR* const* g = linkage_gauges(m->linkage_); *g; ++g) m->gauges_.push_back(*g);
    return m;
}

Module::~Module() {
    if (handle_) dlclose(handle_);
}

GAUGEHDR* Module::find_gauge(const std::string& name) const {
    for (GAUGEHDR* g : gauges_)
        if (g->gauge_name && name == g->gauge_name) return g;
    return nullptr;
}

}  // namespace host
