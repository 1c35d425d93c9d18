// Where a point of a gauge lands in its nested mouse rectangles.
#pragma once

#include <vector>

#include "common/gauge_host.h"

namespace host {

enum class MouseButton { left, right };

UINT32 button_flag(MouseButton button);

struct GaugeSize {
    int width = 0, height = 0;  // the background's pixels; 0 when unknown
};

struct ClickTarget {
    const MOUSERECT* area = nullptr;
    PIXBOX box{};  // the area's box in gauge pixels, clipped to the gauge
    explicit operator bool() const { return area != nullptr; }
};

// The first click area in list order that contains the point and accepts the button.
// Boxes are relative to their enclosing region; a region whose box is (0,0,0,0) covers its
// enclosing region (the first one, the whole gauge); areas are clipped to the gauge only.
ClickTarget find_click_target(const MOUSERECT* list, GaugeSize size, int x, int y, MouseButton button);

struct HelpTarget {
    const MOUSERECT* region = nullptr;   // innermost region holding the point
    const MOUSERECT* tooltip = nullptr;  // that region's tooltip record, if any
};

// The innermost region that contains the point, with its tooltip.
HelpTarget find_help_target(const MOUSERECT* list, GaugeSize size, int x, int y);

// Calls fn(record, absolute box) for every record of the list with its box in gauge
// pixels (a tooltip or an end record gets its region's box); stops after the end of list.
template <typename Fn>
void walk_mouse_list(const MOUSERECT* list, GaugeSize size, Fn&& fn) {
    if (!list) return;
    std::vector<PIXBOX> regions{{0, 0, size.width, size.height}};
    for (const MOUSERECT* r = list;; ++r) {
        const PIXBOX& outer = regions.back();
        PIXBOX box = r->relative_box;
        const bool whole = box.x == 0 && box.y == 0 && box.size_x == 0 && box.size_y == 0;
        box = whole ? outer : PIXBOX{outer.x + box.x, outer.y + box.y, box.size_x, box.size_y};
        switch (r->rect_type) {
            case MOUSE_RECT_PARENT:
                fn(*r, box);
                regions.push_back(box);
                break;
            case MOUSE_RECT_END_PARENT:
                fn(*r, outer);
                if (regions.size() > 1) regions.pop_back();
                break;
            case MOUSE_RECT_EOL:
                fn(*r, outer);
                return;
            default:
                fn(*r, r->rect_type == MOUSE_RECT_USER ? outer : box);
                break;
        }
    }
}

}  // namespace host
