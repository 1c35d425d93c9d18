#include "tools/artwork/encode.h"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>

#include "platform/resource_table.h"

namespace artwork {

namespace {

void put16(std::vector<unsigned char>& v, std::uint16_t x) {
    v.push_back(x & 0xFF);
    v.push_back(x >> 8);
}
void put32(std::vector<unsigned char>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back((x >> (8 * i)) & 0xFF);
}

std::uint32_t packed(Rgb c) { return std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b; }
Rgb unpacked(std::uint32_t v) { return {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)}; }

struct Shade {
    Rgb colour;
    std::uint32_t count;
};

using ShadeIt = std::vector<Shade>::iterator;

struct Box {
    ShadeIt begin, end;
    std::uint64_t weight() const {
        std::uint64_t w = 0;
        for (auto it = begin; it != end; ++it) w += it->count;
        return w;
    }
    // The widest channel and its width.
    std::pair<int, int> widest() const {
        std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
        for (auto it = begin; it != end; ++it) {
            const int c[3] = {it->colour.r, it->colour.g, it->colour.b};
            for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], c[k]), hi[k] = std::max(hi[k], c[k]);
        }
        int best = 0;
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[best] - lo[best]) best = k;
        return {best, hi[best] - lo[best]};
    }
    Rgb mean() const {
        double sum[3] = {0, 0, 0}, n = 0;
        for (auto it = begin; it != end; ++it) {
            sum[0] += double(it->colour.r) * it->count;
            sum[1] += double(it->colour.g) * it->count;
            sum[2] += double(it->colour.b) * it->count;
            n += it->count;
        }
        Rgb c{std::uint8_t(sum[0] / n + 0.5), std::uint8_t(sum[1] / n + 0.5), std::uint8_t(sum[2] / n + 0.5)};
        return c == KEY ? Rgb{1, 1, 1} : c;
    }
};

int channel_of(const Rgb& c, int k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; }

// Median cut over the picture's shades (the key left out): the box whose widest channel,
// weighted by its pixels, is largest is split at its weighted median until there are 255.
std::vector<Rgb> median_cut(std::vector<Shade>& shades) {
    std::vector<Box> boxes{{shades.begin(), shades.end()}};
    while (boxes.size() < 255) {
        double best_score = 0;
        std::size_t best = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            const double score = double(boxes[i].widest().second) * double(boxes[i].weight());
            if (score > best_score) best_score = score, best = i;
        }
        if (best == boxes.size()) break;
        Box box = boxes[best];
        const int k = box.widest().first;
        std::sort(box.begin, box.end, [k](const Shade& a, const Shade& b) { return channel_of(a.colour, k) < channel_of(b.colour, k); });
        const std::uint64_t half = box.weight() / 2;
        std::uint64_t run = 0;
        ShadeIt cut = box.begin;
        while (cut != box.end - 1 && run + cut->count <= half) run += (cut++)->count;
        if (cut == box.begin) ++cut;
        boxes[best] = {box.begin, cut};
        boxes.push_back({cut, box.end});
    }
    std::vector<Rgb> colours;
    for (const Box& b : boxes) colours.push_back(b.mean());
    return colours;
}

std::uint8_t nearest(const std::vector<Rgb>& palette, Rgb c) {
    int best = 1, best_d = 1 << 30;
    for (std::size_t i = 1; i < palette.size(); ++i) {
        const int dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < best_d) best_d = d, best = static_cast<int>(i);
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

std::vector<Rgb> palette_for(const Picture& picture) {
    std::map<std::uint32_t, std::uint32_t> counts;
    for (const Rgb& p : picture.pixels)
        if (!(p == KEY)) ++counts[packed(p)];
    std::vector<Shade> shades;
    for (const auto& [colour, count] : counts) shades.push_back({unpacked(colour), count});
    std::vector<Rgb> palette{KEY};
    if (shades.empty()) return palette;
    if (shades.size() <= 255) {
        for (const Shade& s : shades) palette.push_back(s.colour);
        return palette;
    }
    for (const Rgb& c : median_cut(shades)) palette.push_back(c);
    return palette;
}

std::vector<unsigned char> encode_dib(const Picture& picture, int bpp) {
    const std::vector<Rgb> palette = bpp == 8 ? palette_for(picture) : std::vector<Rgb>{};
    std::vector<unsigned char> v;
    const int row_bytes = ((picture.width * bpp / 8) + 3) & ~3;
    put32(v, 40);
    put32(v, static_cast<std::uint32_t>(picture.width));
    put32(v, static_cast<std::uint32_t>(picture.height));
    put16(v, 1);
    put16(v, static_cast<std::uint16_t>(bpp));
    put32(v, 0);  // uncompressed
    put32(v, static_cast<std::uint32_t>(row_bytes * picture.height));
    put32(v, 2835);  // 72 dpi
    put32(v, 2835);
    put32(v, static_cast<std::uint32_t>(palette.size()));
    put32(v, 0);
    for (const Rgb& c : palette) {
        v.push_back(c.b);
        v.push_back(c.g);
        v.push_back(c.r);
        v.push_back(0);
    }
    std::map<std::uint32_t, std::uint8_t> index_of;  // each shade is matched once
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::size_t start = v.size();
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.at(x, y);
            if (bpp == 24) {
                v.push_back(p.b);
                v.push_back(p.g);
                v.push_back(p.r);
            } else if (p == KEY) {
                v.push_back(0);
            } else {
                auto [it, fresh] = index_of.try_emplace(packed(p), 0);
                if (fresh) it->second = nearest(palette, p);
                v.push_back(it->second);
            }
        }
        v.resize(start + static_cast<std::size_t>(row_bytes), 0);
    }
    return v;
}

std::vector<unsigned char> bmp_file(const std::vector<unsigned char>& dib) {
    const std::uint32_t colours = dib[32] | dib[33] << 8 | dib[34] << 16 | std::uint32_t(dib[35]) << 24;
    std::vector<unsigned char> v{'B', 'M'};
    put32(v, static_cast<std::uint32_t>(14 + dib.size()));
    put32(v, 0);
    put32(v, 14 + 40 + 4 * colours);
    v.insert(v.end(), dib.begin(), dib.end());
    return v;
}

std::vector<unsigned char> strip_resource(int window) {
    const std::string text = "window=" + std::to_string(window);
    return {text.begin(), text.end()};
}

std::vector<unsigned char> resource_table_blob(const std::vector<Resource>& resources) {
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

std::string resource_script(const std::vector<Resource>& resources, const std::string& art_name) {
    std::ostringstream rc;
    rc << "// Made by artgen from " << art_name << "\nLANGUAGE 0x0C, 0x01\n";
    for (const auto& r : resources)
        rc << r.id << " " << r.type << " \"" << std::filesystem::absolute(r.file).generic_string() << "\"\n";
    return rc.str();
}

}  // namespace artwork
