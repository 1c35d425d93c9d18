#include "zephel_instr/panel/parameter_keys.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace zephel::parameter_keys {
namespace {

struct NamedNumber {
    const char* name;
    SINT32 number;
};

// In the order they are tried: the first name that begins the value wins.
constexpr NamedNumber WINDOW_NAMES[] = {
    {"MAIN_PANEL", 0},
    {"RADIO_STACK_PANEL", 50},
    {"COMPASS_PANEL", 75},
    {"ANNUNCIATOR_PANEL", 125},
    {"ANNUNCIATOR2_PANEL", 150},
    {"COLLECTIVE_PANEL", 200},
    {"THROTTLE_PANEL", 10},
    {"MINI_CONTROLS_PANEL", 100},
    {"IFR_MAIN_PANEL", 175},
    {"GPS_PANEL", 225},
    {"OVERHEAD_PANEL", 250},
};

constexpr NamedNumber HELP_NAMES[] = {
    {"TOGGLE_RADIO_WINDOW", 0xAB86},
    {"TOGGLE_GPS_WINDOW", 0xAB87},
    {"TOGGLE_THROTTLE_WINDOW", 0xAB88},
    {"TOGGLE_COMPASS_WINDOW", 0xAB89},
    {"TOGGLE_FUEL_WINDOW", 0xAB8A},
    {"TOGGLE_COLLECTIVE_WINDOW", 0xAB8B},
};

// Help ids below this are not the host's help texts.
constexpr SINT32 LOWEST_HELP_ID = 0xA000;

bool is_comment(char c) { return c == '/' || c == '#' || c == '\''; }

bool begins_with(const char* value, const char* name) { return std::strncmp(value, name, std::strlen(name)) == 0; }

template <std::size_t N>
const NamedNumber* named(const char* value, const NamedNumber (&names)[N]) {
    for (const NamedNumber& n : names)
        if (begins_with(value, n.name)) return &n;
    return nullptr;
}

}  // namespace

const char* find_key(const char* text, char key) {
    if (!text) return nullptr;
    for (const char* p = text; *p; ++p) {
        if (*p == key) return p;
        if (is_comment(*p)) return nullptr;
    }
    return nullptr;
}

SINT32 read_decimal(const char* value) {
    if (!value) return 0;
    while (*value == ' ' || *value == '\t') ++value;
    const bool negative = *value == '-';
    if (*value == '-' || *value == '+') ++value;
    // Accumulated in 64 bits and held just beyond the 32-bit range, so no digit count can
    // overflow it; the sign and the saturation come last.
    constexpr std::int64_t LIMIT = std::int64_t{std::numeric_limits<SINT32>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; *value >= '0' && *value <= '9'; ++value)
        if (magnitude < LIMIT) magnitude = magnitude * 10 + (*value - '0');
    const std::int64_t n = negative ? -magnitude : magnitude;
    if (n > std::numeric_limits<SINT32>::max()) return std::numeric_limits<SINT32>::max();
    if (n < std::numeric_limits<SINT32>::min()) return std::numeric_limits<SINT32>::min();
    return static_cast<SINT32>(n);
}

SINT32 read_window_ident(const char* value) {
    if (!value || !*value) return -1;
    if (const NamedNumber* n = named(value, WINDOW_NAMES)) return n->number;
    return read_decimal(value);
}

UINT32 read_help_id(const char* value) {
    if (!value || !*value) return 0;
    if (const NamedNumber* n = named(value, HELP_NAMES)) return static_cast<UINT32>(n->number);
    const SINT32 id = read_decimal(value);
    return id >= LOWEST_HELP_ID ? static_cast<UINT32>(id) : 0;
}

}  // namespace zephel::parameter_keys
