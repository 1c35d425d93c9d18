// The renderer: draws a placed gauge from its element chain and the values of its last frame,
// with cairo. host/README.md ("Drawing") states the rules it follows.
#pragma once

#include <cairo.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "host/host.h"
#include "host/panel_config.h"

namespace host {

// Where a gauge lands on a cairo surface: its background's pixel (0,0) at (x, y) of the
// surface, scale_x × scale_y surface pixels per background pixel.
struct Placement {
    double x = 0, y = 0;
    double scale_x = 1, scale_y = 1;
};

struct DrawOptions {
    bool night = false;  // dims every element that is neither luminous (0x4000) nor bright (0x4)
};

// Draws gauges. Keeps each bitmap's cairo surfaces (colour key applied, scaled and shifted to
// the sub-pixel where they are drawn) and each font it has used, so that a frame in steady
// state allocates nothing. A renderer serves one host: the bitmaps it caches are the host's.
class Renderer {
public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Draws the gauge's last frame, clipped to the gauge's box. The target's transformation
    // is not used: the placement is in surface pixels.
    void draw(cairo_t* cr, const GaugeInstance& gauge, const Placement& at, DrawOptions options = {});
    // Draws a panel window: its background colour, then its gauges in order, each from a whole
    // pixel; the window's design point (0,0) at (x, y), `scale` surface pixels per unit.
    void draw_window(cairo_t* cr, const PlacedWindow& window, double x, double y, double scale,
                     DrawOptions options = {});

private:
    struct Variant;       // one bitmap's surface: colour key, dimming, scale and sub-pixel shift
    struct VariantHash {
        std::size_t operator()(const Variant& v) const;
    };
    struct TextLayout;   // a string element's font and size
    struct Font;

    void draw_element(cairo_t* cr, const GaugeInstance& gauge, const ElementState& st, const Placement& at,
                      DrawOptions options);
    void draw_string(cairo_t* cr, const ElementState& st, const Placement& at, bool dim);
    void draw_moving_image(cairo_t* cr, const GaugeInstance& gauge, const ElementState& st, const Bitmap& strip,
                           const Placement& at, unsigned look);
    void draw_sprite(cairo_t* cr, const ElementState& st, const Bitmap& texture, const Placement& at, unsigned look);
    // Paints a bitmap whose pixel `anchor` lands on the surface point `target`, turned by
    // `degrees` clockwise about it, at the placement's scale.
    void paint(cairo_t* cr, const Bitmap& bitmap, unsigned look, double anchor_x, double anchor_y, double target_x,
               double target_y, double degrees, const Placement& at);
    cairo_surface_t* surface(const Bitmap& bitmap, unsigned look, double scale_x, double scale_y, double shift_x,
                             double shift_y);
    cairo_surface_t* unscaled(const Bitmap& bitmap, unsigned look);
    int strip_window(const GaugeInstance& gauge, const ElementState& st, const Bitmap& strip, bool along_y);
    const TextLayout& text_layout(const ELEMENT_STRING& s);
    Font& font(const char* name, SINT32 weight);

    std::unordered_map<Variant, cairo_surface_t*, VariantHash> surfaces_;
    std::unordered_map<const Bitmap*, int> strip_windows_;  // per strip: window length, 0 for the default
    std::unordered_map<const ELEMENT_STRING*, std::unique_ptr<TextLayout>> layouts_;
    std::unordered_map<std::string, std::unique_ptr<Font>> fonts_;
    std::array<char, 1024> utf8_{};  // a string's text for cairo
};

// Outlines the gauge's click areas (red, filled lightly) and help regions (dashed blue) with
// their help ids, for panel authors.
void draw_hotspots(cairo_t* cr, const GaugeInstance& gauge, const Placement& at);

// Writes a cairo image surface as PNG; throws std::runtime_error on failure.
void write_png(cairo_surface_t* surface, const std::string& path);

// The colour behind gauges where they let it show: a dark panel grey.
inline constexpr double PANEL_GREY[3] = {0.23, 0.245, 0.26};

}  // namespace host
