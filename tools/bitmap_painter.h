// Plain artwork for the modules' bitmaps, painted from a kind name and the bitmap's size.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace artwork {

struct Rgb {
    std::uint8_t r, g, b;
};

struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Image(int w, int h, Rgb fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Pure black is the colour key (not drawn where the element asks for transparency); opaque
// black artwork uses this near-black instead.
inline constexpr Rgb KEY{0, 0, 0};
inline constexpr Rgb NEAR_BLACK{1, 1, 1};

// 8-bit palette: a 6x6x6 colour cube, then greys, with index 0 the colour key.
inline const std::array<Rgb, 256> PALETTE_8BIT = [] {
    std::array<Rgb, 256> p{};
    int i = 0;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) p[i++] = {std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51)};
    for (int k = 0; i < 256; ++i, ++k) p[i] = {std::uint8_t(1 + k * 6), std::uint8_t(1 + k * 6), std::uint8_t(1 + k * 6)};
    return p;
}();

inline std::uint8_t nearest_palette_index(Rgb c) {
    if (c.r == 0 && c.g == 0 && c.b == 0) return 0;
    int best = 1, best_d = 1 << 30;
    for (int i = 1; i < 256; ++i) {
        const Rgb& p = PALETTE_8BIT[i];
        int d = (p.r - c.r) * (p.r - c.r) + (p.g - c.g) * (p.g - c.g) + (p.b - c.b) * (p.b - c.b);
        if (d < best_d) best_d = d, best = i;
    }
    return static_cast<std::uint8_t>(best);
}

inline void fill_disc(Image& img, double cx, double cy, double radius, Rgb colour) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) img.at(x, y) = colour;
}

inline void fill_rect(Image& img, int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = std::max(0, y0); y < std::min(img.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(img.width, x1); ++x) img.at(x, y) = colour;
}

// Kinds: face (a dial face), needle (a bar along the bitmap's middle row, pointing right),
// glass (transparent with a thin rim), lamp, plate; anything else is a plain grey plate.
inline Image paint(const std::string& kind, int w, int h, const std::string& /*options*/) {
    if (kind == "face") {
        Image img(w, h, {40, 40, 44});
        fill_disc(img, w / 2.0, h / 2.0, std::min(w, h) / 2.0 - 4, NEAR_BLACK);
        return img;
    }
    if (kind == "needle") {
        Image img(w, h, KEY);
        fill_rect(img, 0, h / 2 - std::max(1, h / 6), w, h / 2 + std::max(1, h / 6) + 1, {240, 240, 240});
        return img;
    }
    if (kind == "glass") {
        Image img(w, h, KEY);
        fill_rect(img, 0, 0, w, 2, {90, 90, 96});
        fill_rect(img, 0, h - 2, w, h, {90, 90, 96});
        return img;
    }
    if (kind == "lamp") {
        Image img(w, h, KEY);
        fill_disc(img, w / 2.0, h / 2.0, std::min(w, h) / 2.0 - 1, {255, 160, 0});
        return img;
    }
    return Image(w, h, {70, 72, 76});
}

}  // namespace artwork
