// artgen: makes a module's resources from its art file.
//
//   artgen MODULE.art OUT_DIR
//
// Writes OUT_DIR/<id>.bmp for every bitmap line, OUT_DIR/resources.rc (the Windows build's
// resource script) and OUT_DIR/resources.bin (the Linux build's resource table). Art file
// lines:  bitmap ID WIDTHxHEIGHT BPP KIND   ('#' starts a comment).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/resource_table.h"
#include "tools/bitmap_painter.h"

namespace fs = std::filesystem;

namespace {

struct ResourceFile {
    std::string type;
    std::uint32_t id;
    std::vector<unsigned char> bytes;  // as stored in the resource (a DIB for bitmaps)
    fs::path file;                     // as the resource script names it
};

void put16(std::vector<unsigned char>& v, std::uint16_t x) {
    v.push_back(x & 0xFF);
    v.push_back(x >> 8);
}
void put32(std::vector<unsigned char>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back((x >> (8 * i)) & 0xFF);
}

// A device-independent bitmap: BITMAPINFOHEADER, palette (8-bit), rows bottom-up.
std::vector<unsigned char> encode_dib(const artwork::Image& img, int bpp) {
    std::vector<unsigned char> v;
    const int row_bytes = ((img.width * bpp / 8) + 3) & ~3;
    put32(v, 40);
    put32(v, img.width);
    put32(v, img.height);
    put16(v, 1);
    put16(v, bpp);
    put32(v, 0);
    put32(v, row_bytes * img.height);
    put32(v, 2835);
    put32(v, 2835);
    put32(v, bpp == 8 ? 256 : 0);
    put32(v, 0);
    if (bpp == 8) {
        for (const auto& c : artwork::PALETTE_8BIT) {
            v.push_back(c.b);
            v.push_back(c.g);
            v.push_back(c.r);
            v.push_back(0);
        }
    }
    for (int y = img.height - 1; y >= 0; --y) {
        std::size_t start = v.size();
        for (int x = 0; x < img.width; ++x) {
            const artwork::Rgb& p = img.at(x, y);
            if (bpp == 8) {
                v.push_back(artwork::nearest_palette_index(p));
            } else {
                v.push_back(p.b);
                v.push_back(p.g);
                v.push_back(p.r);
            }
        }
        while (v.size() - start < static_cast<std::size_t>(row_bytes)) v.push_back(0);
    }
    return v;
}

std::vector<unsigned char> bmp_file(const std::vector<unsigned char>& dib, int bpp) {
    std::vector<unsigned char> v{'B', 'M'};
    put32(v, static_cast<std::uint32_t>(14 + dib.size()));
    put32(v, 0);
    put32(v, 14 + 40 + (bpp == 8 ? 1024 : 0));
    v.insert(v.end(), dib.begin(), dib.end());
    return v;
}

void write_file(const fs::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<unsigned char> resource_blob(const std::vector<ResourceFile>& resources) {
    std::vector<unsigned char> v(resource_table::MAGIC, resource_table::MAGIC + 4);
    put32(v, static_cast<std::uint32_t>(resources.size()));
    std::size_t data_at = v.size() + resources.size() * sizeof(resource_table::Entry);
    for (const auto& r : resources) {
        char type[8] = {};
        r.type.copy(type, sizeof type - 1);
        v.insert(v.end(), type, type + 8);
        put32(v, r.id);
        put32(v, resource_table::LANGUAGE_FRENCH);
        put32(v, static_cast<std::uint32_t>(data_at));
        put32(v, static_cast<std::uint32_t>(r.bytes.size()));
        data_at += (r.bytes.size() + 3) & ~std::size_t{3};
    }
    for (const auto& r : resources) {
        v.insert(v.end(), r.bytes.begin(), r.bytes.end());
        while (v.size() % 4) v.push_back(0);
    }
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: artgen MODULE.art OUT_DIR\n";
        return 2;
    }
    const fs::path art = argv[1], out_dir = argv[2];
    std::ifstream in(art);
    if (!in) {
        std::cerr << "artgen: cannot read " << art << "\n";
        return 1;
    }
    fs::create_directories(out_dir);
    std::vector<ResourceFile> resources;
    std::string line;
    int line_no = 0;
    try {
        while (std::getline(in, line)) {
            ++line_no;
            if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
            std::istringstream words(line);
            std::string what;
            if (!(words >> what)) continue;
            if (what != "bitmap") throw std::runtime_error("unknown resource kind '" + what + "'");
            std::uint32_t id;
            std::string size, kind;
            int bpp;
            char x;
            int w, h;
            if (!(words >> id >> size >> bpp >> kind) || !(std::istringstream(size) >> w >> x >> h) ||
                x != 'x' || w <= 0 || h <= 0 || (bpp != 8 && bpp != 24))
                throw std::runtime_error("expected: bitmap ID WIDTHxHEIGHT 8|24 KIND");
            std::string rest;
            std::getline(words, rest);
            artwork::Image img = artwork::paint(kind, w, h, rest);
            auto dib = encode_dib(img, bpp);
            fs::path file = out_dir / (std::to_string(id) + ".bmp");
            write_file(file, bmp_file(dib, bpp));
            resources.push_back({"BITMAP", id, std::move(dib), file});
        }
    } catch (const std::exception& e) {
        std::cerr << art.string() << ":" << line_no << ": " << e.what() << "\n";
        return 1;
    }
    write_file(out_dir / "resources.bin", resource_blob(resources));
    std::ofstream rc(out_dir / "resources.rc");
    rc << "// Made by artgen from " << art.filename().string() << "\nLANGUAGE 0x0C, 0x01\n";
    for (const auto& r : resources)
        rc << r.id << " " << r.type << " \"" << fs::absolute(r.file).generic_string() << "\"\n";
    return rc ? 0 : 1;
}
