// The resource table a Linux module carries in its ".gauge_resources" section: the same
// bitmaps (device-independent bitmaps, as Windows keeps RT_BITMAP resources) and sounds by
// numeric id and type that the Windows build links in as Win32 resources.
//
// Layout, little-endian: a header {magic "GRES", entry count}, then the entries, then the
// data; every offset counts from the start of the header, which is the module's resource
// handle on Linux.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace resource_table {

inline constexpr char MAGIC[4] = {'G', 'R', 'E', 'S'};
inline constexpr std::uint16_t LANGUAGE_FRENCH = 1036;

struct Header {
    char magic[4];
    std::uint32_t count;
};

struct Entry {
    char type[8];           // "BITMAP", "WAVE": NUL-padded
    std::uint32_t id;
    std::uint32_t language;
    std::uint32_t offset;   // from the header
    std::uint32_t size;
};

struct Resource {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    explicit operator bool() const { return data != nullptr; }
};

// Finds a resource by type and id (only the id's low 16 bits count, as on Windows).
inline Resource find(const void* table, std::uint32_t id, const char* type) {
    if (!table) return {};
    const auto* header = static_cast<const Header*>(table);
    if (std::memcmp(header->magic, MAGIC, 4) != 0) return {};
    const auto* entries = reinterpret_cast<const Entry*>(header + 1);
    for (std::uint32_t i = 0; i < header->count; ++i) {
        const Entry& e = entries[i];
        if ((e.id & 0xFFFF) == (id & 0xFFFF) && std::strncmp(e.type, type, sizeof e.type) == 0)
            return {static_cast<const unsigned char*>(table) + e.offset, e.size};
    }
    return {};
}

}  // namespace resource_table
