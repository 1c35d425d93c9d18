// What a module's records say about its bitmaps: for each bitmap id, every element that
// draws it, with the geometry the artwork must fit (needle centres, pivots and tables, drum
// ranges, icon positions, sprite windows, the background's flags).
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/gauge_host.h"

namespace artwork {

struct ElementUse {
    std::string gauge;              // the gauge's name
    std::int32_t background_id = -1;  // the gauge's background bitmap
    UINT32 kind = 0;                // ELEMENT_TYPE_*
    int order = 0;                  // place in the gauge's chain (the background is 0)
    UINT32 image_flags = 0;
    PIXPOINT position{}, ofs{};
    int picture = 0;                // which picture of an icon this bitmap is
    int picture_count = 1;
    std::vector<NONLINEARITY> table;  // needle: entries with their angles filled in
    double min_x = 0, max_x = 0, min_y = 0, max_y = 0;  // moving image
    bool moves_x = false, moves_y = false;

    bool keyed() const { return (image_flags & 0x2) != 0; }
};

class Records {
public:
    // No records: every picture takes its geometry from the art file alone.
    Records() = default;
    // Reads the records of a module built without resources; throws ArtError when the file
    // is no gauge module.
    static Records load(const std::string& path);

    // Every element drawing this bitmap id, in catalogue and chain order.
    std::vector<ElementUse> uses(std::uint32_t id) const;
    bool empty() const { return uses_.empty(); }
    // Every bitmap id some element draws.
    std::set<std::uint32_t> ids() const;

    void add(std::uint32_t id, ElementUse use) { uses_[id].push_back(std::move(use)); }

private:
    std::map<std::uint32_t, std::vector<ElementUse>> uses_;
};

}  // namespace artwork
