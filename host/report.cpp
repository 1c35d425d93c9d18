#include "host/report.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace host {

const char* element_kind_name(UINT32 kind) {
    switch (kind) {
        case ELEMENT_TYPE_STATIC_IMAGE: return "static";
        case ELEMENT_TYPE_NEEDLE: return "needle";
        case ELEMENT_TYPE_STRING: return "string";
        case ELEMENT_TYPE_SLIDER: return "slider";
        case ELEMENT_TYPE_ICON: return "icon";
        case ELEMENT_TYPE_MOVING_IMAGE: return "moving";
        case ELEMENT_TYPE_SPRITE: return "sprite";
        default: return "unknown";
    }
}

namespace {

// Shortest text that reads back as the same double; JSON has no NaN or infinity.
std::string number(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[32];
    for (int precision = 6; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    return buf;
}

std::string hex(UINT32 v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", v);
    return buf;
}

std::string json_string(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c >= 0x80) {
                    // Texts are Windows code-page bytes: each byte one Latin-1 character.
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04X", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

const char* failure_name(UINT32 action) {
    switch (action) {
        case FAIL_ACTION_FREEZE: return "frozen";
        case FAIL_ACTION_ZERO: return "zeroed";
        case FAIL_ACTION_NO_DRAW: return "not drawn";
        default: return "";
    }
}

}  // namespace

void print_text_report(std::ostream& out, const GaugeInstance& instance, const std::vector<Event>& events) {
    out << "gauge " << instance.name() << "\n";
    int index = 0;
    for (const ElementState& st : instance.elements()) {
        const ELEMENT_HEADER* e = st.element;
        out << "  [" << index++ << "] " << element_kind_name(e->element_type) << " bitmap " << e->resource_id
            << " value " << number(st.value);
        switch (e->element_type) {
            case ELEMENT_TYPE_NEEDLE: out << " angle " << number(st.angle); break;
            case ELEMENT_TYPE_ICON:
                out << " picture " << (st.picture < 0 ? std::string("none") : std::to_string(st.picture));
                break;
            case ELEMENT_TYPE_STRING: out << " text \"" << st.text << "\""; break;
            case ELEMENT_TYPE_SLIDER:
                out << " offset " << number(st.offset_x) << "," << number(st.offset_y);
                break;
            case ELEMENT_TYPE_MOVING_IMAGE:
                out << " y-value " << number(st.value_y) << " fraction " << number(st.offset_x) << ","
                    << number(st.offset_y);
                break;
            case ELEMENT_TYPE_SPRITE:
                out << " shift " << number(st.offset_x) << "," << number(st.offset_y) << " rotation "
                    << number(st.rotation);
                break;
            default: break;
        }
        if (st.hidden) out << " hidden";
        if (st.failure_action != FAIL_ACTION_NONE) out << " " << failure_name(st.failure_action);
        out << "\n";
    }
    out << "events\n";
    for (const Event& ev : events) {
        if (ev.type == "key") out << "  key " << hex(ev.id) << " value " << ev.value << "\n";
        else if (ev.type == "window") out << "  window " << ev.id << "\n";
        else if (ev.type == "message")
            out << "  message " << hex(ev.id) << " " << static_cast<SINT32>(ev.value) << " "
                << static_cast<SINT32>(ev.second_value) << " to " << ev.text << "\n";
        else out << "  " << ev.type << " " << ev.text << "\n";
    }
}

void print_json_report(std::ostream& out, const GaugeInstance& instance, const std::vector<Event>& events) {
    out << "{\"gauge\": " << json_string(instance.name()) << ", \"elements\": [";
    int index = 0;
    for (const ElementState& st : instance.elements()) {
        const ELEMENT_HEADER* e = st.element;
        out << (index ? ", " : "") << "{\"index\": " << index << ", \"kind\": \"" << element_kind_name(e->element_type)
            << "\", \"bitmap\": " << e->resource_id << ", \"value\": " << number(st.value);
        ++index;
        switch (e->element_type) {
            case ELEMENT_TYPE_NEEDLE: out << ", \"angle\": " << number(st.angle); break;
            case ELEMENT_TYPE_ICON: out << ", \"picture\": " << (st.picture < 0 ? "null" : std::to_string(st.picture)); break;
            case ELEMENT_TYPE_STRING: out << ", \"text\": " << json_string(st.text); break;
            case ELEMENT_TYPE_SLIDER:
                out << ", \"offset_x\": " << number(st.offset_x) << ", \"offset_y\": " << number(st.offset_y);
                break;
            case ELEMENT_TYPE_MOVING_IMAGE:
                out << ", \"value_y\": " << number(st.value_y) << ", \"fraction_x\": " << number(st.offset_x)
                    << ", \"fraction_y\": " << number(st.offset_y);
                break;
            case ELEMENT_TYPE_SPRITE:
                out << ", \"offset_x\": " << number(st.offset_x) << ", \"offset_y\": " << number(st.offset_y)
                    << ", \"rotation\": " << number(st.rotation);
                break;
            default: break;
        }
        out << ", \"hidden\": " << (st.hidden ? "true" : "false") << ", \"failure_action\": " << st.failure_action
            << "}";
    }
    out << "], \"events\": [";
    bool first = true;
    for (const Event& ev : events) {
        out << (first ? "" : ", ") << "{\"type\": " << json_string(ev.type);
        first = false;
        if (ev.type == "key") out << ", \"id\": " << ev.id << ", \"value\": " << ev.value;
        else if (ev.type == "window") out << ", \"ident\": " << ev.id;
        else if (ev.type == "message")
            out << ", \"window\": " << json_string(ev.text) << ", \"message\": " << ev.id << ", \"first\": "
                << static_cast<SINT32>(ev.value) << ", \"second\": " << static_cast<SINT32>(ev.second_value);
        else if (ev.type == "calculator") out << ", \"code\": " << json_string(ev.text);
        else out << ", \"text\": " << json_string(ev.text);
        out << "}";
    }
    out << "]}\n";
}

}  // namespace host
