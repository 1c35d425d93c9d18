#include "tools/artwork/records.h"

#include <dlfcn.h>

#include <set>

#include "host/needle_math.h"
#include "tools/artwork/art_file.h"

namespace artwork {

namespace {

ElementUse use_of(const ELEMENT_HEADER* e) {
    ElementUse use;
    use.kind = e->element_type;
    use.image_flags = e->image_flags;
    use.position = e->position;
    use.ofs = e->ofs;
    switch (e->element_type) {
        case ELEMENT_TYPE_NEEDLE: {
            const auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(e);
            if (needle->nonlinearity && needle->nonlinearity_count > 0) {
                use.table.assign(needle->nonlinearity, needle->nonlinearity + needle->nonlinearity_count);
                host::compute_table_angles(use.table.data(), use.table.size(), e->position);
            }
            break;
        }
        case ELEMENT_TYPE_ICON:
            use.picture_count = static_cast<int>(reinterpret_cast<const ELEMENT_ICON*>(e)->picture_count);
            break;
        case ELEMENT_TYPE_MOVING_IMAGE: {
            const auto* moving = reinterpret_cast<const ELEMENT_MOVING_IMAGE*>(e);
            use.min_x = moving->min_x;
            use.max_x = moving->max_x;
            use.min_y = moving->min_y;
            use.max_y = moving->max_y;
            use.moves_x = moving->source_var_x.id != 0;
            use.moves_y = moving->source_var_y.id != 0 || moving->update_y != nullptr;
            break;
        }
        default:
            break;
    }
    return use;
}

// Depth first, as the host walks a chain: each element, then the elements of its next list.
void walk(Records& records, const GAUGEHDR* gauge, const ELEMENT_HEADER* e, int& order,
          std::set<const ELEMENT_HEADER*>& seen) {
    if (!e || !seen.insert(e).second) return;
    ElementUse use = use_of(e);
    use.gauge = gauge->gauge_name ? gauge->gauge_name : "";
    use.background_id = gauge->elements_list && gauge->elements_list[0] ? gauge->elements_list[0]->resource_id : -1;
    use.order = order++;
    if (e->element_type != ELEMENT_TYPE_STRING && e->resource_id >= 0) {
        for (int k = 0; k < use.picture_count; ++k) {
            ElementUse picture = use;
            picture.picture = k;
            records.add(static_cast<std::uint32_t>(e->resource_id + k), picture);
        }
    }
    if (e->next_element)
        for (ELEMENT_HEADER* const* next = e->next_element; *next; ++next) walk(records, gauge, *next, order, seen);
}

}  // namespace

Records Records::load(const std::string& path) {
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw ArtError("cannot load the records " + path + ": " + dlerror());
    const auto* linkage = static_cast<const GAUGESLINKAGE*>(dlsym(handle, "Linkage"));
    if (!linkage) {
        dlclose(handle);
        throw ArtError(path + " exports no Linkage");
    }
    Records records;
    for (GAUGEHDR* const* g = linkage_gauges(linkage); *g; ++g) {
        if (!(*g)->elements_list) continue;
        int order = 0;
        std::set<const ELEMENT_HEADER*> seen;
        for (ELEMENT_HEADER* const* e = (*g)->elements_list; *e; ++e) walk(records, *g, *e, order, seen);
    }
    // Everything kept is a copy: the module can go.
    dlclose(handle);
    return records;
}

std::vector<ElementUse> Records::uses(std::uint32_t id) const {
    auto it = uses_.find(id);
    return it == uses_.end() ? std::vector<ElementUse>{} : it->second;
}

std::set<std::uint32_t> Records::ids() const {
    std::set<std::uint32_t> out;
    for (const auto& [id, uses] : uses_) out.insert(id);
    return out;
}

}  // namespace artwork
