// How painted pictures become resources: device-independent bitmaps (24-bit, or 8-bit with
// a palette made for each picture), BMP files, the Linux resource table and the Windows
// resource script.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/artwork/canvas.h"

namespace artwork {

// Up to 256 colours; index 0 is the key, and no other entry is pure black.
std::vector<Rgb> palette_for(const Picture& picture);

// A DIB as Windows keeps an RT_BITMAP resource: BITMAPINFOHEADER, palette (8-bit), rows
// bottom-up, each padded to 4 bytes.
std::vector<unsigned char> encode_dib(const Picture& picture, int bpp);
// The same DIB as a .bmp file.
std::vector<unsigned char> bmp_file(const std::vector<unsigned char>& dib);

struct Resource {
    std::string type;  // "BITMAP", "STRIP"
    std::uint32_t id = 0;
    std::vector<unsigned char> bytes;  // as the resource holds them
    std::filesystem::path file;        // the file the resource script names
};

// The content of a strip's "STRIP" resource: the window length along its moving axis.
std::vector<unsigned char> strip_resource(int window);

// platform/resource_table.h's layout.
std::vector<unsigned char> resource_table_blob(const std::vector<Resource>& resources);
std::string resource_script(const std::vector<Resource>& resources, const std::string& art_name);

}  // namespace artwork
