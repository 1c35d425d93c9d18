#include "host/mouse_routing.h"

#include <algorithm>

namespace host {

UINT32 button_flag(MouseButton button) {
    return button == MouseButton::left ? MOUSE_LEFTSINGLE : MOUSE_RIGHTSINGLE;
}

namespace {

bool contains(const PIXBOX& b, int x, int y) {
    return x >= b.x && y >= b.y && x < b.x + b.size_x && y < b.y + b.size_y;
}

PIXBOX clip_to_gauge(PIXBOX b, GaugeSize size) {
    if (size.width <= 0 || size.height <= 0) return b;
    const int x0 = std::max(b.x, 0), y0 = std::max(b.y, 0);
    const int x1 = std::min(b.x + b.size_x, size.width), y1 = std::min(b.y + b.size_y, size.height);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

}  // namespace

ClickTarget find_click_target(const MOUSERECT* list, GaugeSize size, int x, int y, MouseButton button) {
    ClickTarget found;
    const UINT32 flag = button_flag(button);
    walk_mouse_list(list, size, [&](const MOUSERECT& r, const PIXBOX& box) {
        if (found || r.rect_type != MOUSE_RECT_CHILD || !(r.mouse_flags & flag)) return;
        const PIXBOX clipped = clip_to_gauge(box, size);
        if (contains(clipped, x, y)) found = {&r, clipped};
    });
    return found;
}

HelpTarget find_help_target(const MOUSERECT* list, GaugeSize size, int x, int y) {
    // Regions open and close like brackets; the last region opened that holds the point and
    // is still open when its tooltip is seen is the innermost one.
    HelpTarget found;
    std::vector<const MOUSERECT*> open_holding;  // per open region: itself if it holds the point
    walk_mouse_list(list, size, [&](const MOUSERECT& r, const PIXBOX& box) {
        switch (r.rect_type) {
            case MOUSE_RECT_PARENT: {
                const bool holds = contains(box, x, y);
                open_holding.push_back(holds ? &r : nullptr);
                if (holds) found = {&r, nullptr};
                break;
            }
            case MOUSE_RECT_USER:
                if (!open_holding.empty() && open_holding.back() && open_holding.back() == found.region)
                    found.tooltip = &r;
                break;
            case MOUSE_RECT_END_PARENT:
                if (!open_holding.empty()) open_holding.pop_back();
                break;
            default:
                break;
        }
    });
    return found;
}

}  // namespace host
