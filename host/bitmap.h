// Bitmaps as the modules store them (device-independent bitmaps), decoded for the host.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace host {

struct Bitmap {
    int width = 0, height = 0;
    int bits_per_pixel = 0;
    std::vector<std::uint32_t> argb;  // top row first, 0xAARRGGBB, alpha 255
};

// Decodes an uncompressed 8-bit (palette) or 24-bit DIB; nothing for any other bytes.
std::optional<Bitmap> decode_dib(const unsigned char* data, std::size_t size);

}  // namespace host
