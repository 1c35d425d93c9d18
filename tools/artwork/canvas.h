// A cairo surface to paint one bitmap on, with the fonts, colours and small drawing helpers
// every painter shares.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "tools/artwork/art_file.h"

namespace artwork {

struct Colour {
    double r = 0, g = 0, b = 0;
    Colour scaled(double k) const { return {r * k, g * k, b * k}; }
    Colour mixed(Colour other, double t) const {
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t};
    }
};

// Near-black: opaque black in the artwork, never the colour key.
inline constexpr Colour NEAR_BLACK{1 / 255.0, 1 / 255.0, 1 / 255.0};
inline constexpr Colour WHITE{0.96, 0.96, 0.94};
inline constexpr Colour FACE{0.055, 0.055, 0.06};      // dial faces
inline constexpr Colour PANEL{0.16, 0.17, 0.18};       // panel plates
inline constexpr Colour CASE{0.10, 0.105, 0.11};        // instrument cases and bezels

// A colour by name (white, black, grey, red, amber, orange, yellow, green, cyan, blue,
// magenta, panel) or #RRGGBB.
Colour colour_named(const std::string& name);
Colour option_colour(const Options& options, const std::string& name, Colour fallback);

enum class Font { sans, sans_bold, sans_narrow, mono, seg7 };
Font font_named(const std::string& name);  // sans, bold, narrow, mono, seg7

enum class Align { centre, left, right };

// A point at `radius` from `centre`, at `degrees` clockwise from twelve o'clock.
Point polar(Point centre, double radius, double degrees);

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A painted picture, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline constexpr Rgb KEY{0, 0, 0};

// A colour stop of a gradient: where (0 to 1), the colour, its opacity.
struct Stop {
    double at;
    Colour colour;
    double alpha = 1;
};

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void set(Colour c) const;
    void fill_all(Colour c) const;
    void circle(Point c, double radius) const;
    // Fill the current path with a gradient: along the line from `a` to `b`, or outwards from
    // `a` to the circle of radius `r` about `b` (a light spot off the middle gives a dome).
    void fill_linear(Point a, Point b, std::initializer_list<Stop> stops) const;
    void fill_radial(Point a, Point b, double r, std::initializer_list<Stop> stops) const;
    void rounded_rect(double x, double y, double w, double h, double radius) const;
    // Text centred on its ink at `at` (or ending / starting there), turned `degrees`
    // clockwise about that point.
    void text(const std::string& s, Point at, double size, Font font, Colour colour,
              Align align = Align::centre, double degrees = 0) const;
    // The ink width of a text.
    double text_width(const std::string& s, double size, Font font) const;

    // The picture: keyed pictures turn nearly transparent pixels into the key and flatten
    // the rest onto near-black; opaque pictures flatten everything onto `ground`. Neither
    // leaves pure black anywhere but where the key is meant.
    Picture picture(bool keyed, Colour ground = NEAR_BLACK) const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Releases the fonts and the caches of cairo and fontconfig (so leak checkers stay quiet).
void release_fonts();

}  // namespace artwork
