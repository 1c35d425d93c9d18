#include "host/bitmap.h"

#include <cstring>

namespace host {

namespace {
std::uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t argb(unsigned char r, unsigned char g, unsigned char b) {
    return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}
}  // namespace

std::optional<Bitmap> decode_dib(const unsigned char* data, std::size_t size) {
    if (!data || size < 40) return std::nullopt;
    const std::uint32_t header_size = le32(data);
    const auto width = static_cast<std::int32_t>(le32(data + 4));
    const auto raw_height = static_cast<std::int32_t>(le32(data + 8));
    const int bpp = le16(data + 14);
    const std::uint32_t compression = le32(data + 16);
    std::uint32_t colours = le32(data + 32);
    if (header_size < 40 || header_size > size || width <= 0 || raw_height == 0 || compression != 0 ||
        (bpp != 8 && bpp != 24) || width > 16384 || raw_height > 16384 || raw_height < -16384)
        return std::nullopt;
    const bool bottom_up = raw_height > 0;
    const int height = bottom_up ? raw_height : -raw_height;
    if (bpp == 8 && (colours == 0 || colours > 256)) colours = 256;
    const std::size_t palette_at = header_size;
    const std::size_t pixels_at = palette_at + (bpp == 8 ? colours * 4 : 0);
    const std::size_t row_bytes = ((static_cast<std::size_t>(width) * bpp / 8) + 3) & ~std::size_t{3};
    if (pixels_at + row_bytes * height > size) return std::nullopt;

    Bitmap bmp{width, height, bpp, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = data + pixels_at + row_bytes * (bottom_up ? height - 1 - y : y);
        std::uint32_t* out = &bmp.argb[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            if (bpp == 24) {
                out[x] = argb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            } else {
                const unsigned index = row[x] < colours ? row[x] : 0;
                const unsigned char* c = data + palette_at + 4 * index;
                out[x] = argb(c[2], c[1], c[0]);
            }
        }
    }
    return bmp;
}

}  // namespace host
