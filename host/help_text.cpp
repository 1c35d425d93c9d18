#include "host/help_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <regex>

#include "common/conversions.h"

namespace host {

namespace {

// Placeholders number their arguments from 1 to 99.
constexpr std::size_t MAX_ARGUMENTS = 99;

std::string hex(UINT32 v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", v);
    return text;
}

// One number by a printf conversion without its '%' ("05.2f", "d"); widths and precisions
// have at most two digits, so that a tooltip stays a line.
bool number_conversion(const std::string& conversion) {
    static const std::regex pattern("[-+ #0]*[0-9]{0,2}(\\.[0-9]{1,2})?[fFeEgGdiuxX]");
    return std::regex_match(conversion, pattern);
}

template <typename T>
std::string printed(const std::string& conversion, T value) {
    const std::string format = "%" + conversion;
    const int length = std::snprintf(nullptr, 0, format.c_str(), value);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), value);
    return text;
}

std::string printed_number(const std::string& conversion, double value) {
    switch (conversion.back()) {
        case 'd':
        case 'i': return printed(conversion, conv::to_int32(value));
        case 'u':
        case 'x':
        case 'X': return printed(conversion, conv::to_uint32(value));
        default: return printed(conversion, value);
    }
}

}  // namespace

std::string format_tooltip(const char* text, const std::vector<double>& arguments) {
    std::string out;
    if (!text) return out;
    for (const char* p = text; *p;) {
        if (p[0] == '%' && p[1] == '%') {
            out += '%';
            p += 2;
            continue;
        }
        if (p[0] != '%' || !std::isdigit(static_cast<unsigned char>(p[1]))) {
            out += *p++;
            continue;
        }
        const char* placeholder = p++;
        std::size_t n = 0;
        for (int digits = 0; digits < 2 && std::isdigit(static_cast<unsigned char>(*p)); ++digits) n = n * 10 + (*p++ - '0');
        std::string conversion = "g";
        const char* conversion_end = *p == '!' ? std::strchr(p + 1, '!') : nullptr;
        if (conversion_end) {
            conversion.assign(p + 1, conversion_end);
            p = conversion_end + 1;
        }
        if (n >= 1 && n <= arguments.size() && number_conversion(conversion)) out += printed_number(conversion, arguments[n - 1]);
        else out.append(placeholder, p);
    }
    return out;
}

std::string describe_help(const HelpTarget& target) {
    std::string text;
    if (target.region && target.region->help_id) text = "help " + hex(target.region->help_id);
    if (const MOUSERECT* tooltip = target.tooltip) {
        if (!text.empty()) text += ", ";
        if (tooltip->tooltip_text) {
            std::vector<double> arguments;
            const auto* callbacks = reinterpret_cast<const PTOOLTIP_ARGUMENT_CALLBACK*>(tooltip->extra);
            for (std::size_t i = 0; callbacks && i < std::min<std::size_t>(tooltip->event_id, MAX_ARGUMENTS); ++i)
                arguments.push_back(callbacks[i] ? callbacks[i](tooltip) : 0.0);
            text += "tooltip \"" + format_tooltip(tooltip->tooltip_text, arguments) + "\"";
        } else {
            text += "tooltip help " + hex(tooltip->help_id);
        }
    }
    return text.empty() ? "no help" : text;
}

}  // namespace host
