#include "host/render.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <strings.h>

#include "platform/resource_table.h"

#if defined(__SANITIZE_ADDRESS__)
// fontconfig 2.14 loses a few bytes while it parses its configuration files, on the first
// font lookup; that is not ours to mend, so leak checks leave it out.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

namespace host {

namespace {

// How a bitmap is looked at: colour key applied, dimmed for the night.
enum : unsigned { LOOK_KEYED = 1, LOOK_DIM = 2 };
constexpr double NIGHT_DIMMING = 0.35;

// The Windows text-drawing flags a string element carries (0x25: centred both ways, one line).
enum : UINT32 { DRAW_TEXT_CENTER = 0x1, DRAW_TEXT_RIGHT = 0x2, DRAW_TEXT_VCENTER = 0x4, DRAW_TEXT_BOTTOM = 0x8 };

// Sub-pixel shifts are baked into surfaces in steps of 1/16 pixel; scales in steps of 1/65536.
constexpr double SHIFT_STEPS = 16, SCALE_STEPS = 65536;

unsigned look_of(UINT32 image_flags, DrawOptions options) {
    unsigned look = (image_flags & IMAGE_USE_TRANSPARENCY) ? unsigned(LOOK_KEYED) : 0u;
    if (options.night && !(image_flags & (IMAGE_USE_LUMINOUS | IMAGE_USE_BRIGHT))) look |= LOOK_DIM;
    return look;
}

// A COLORREF (0x00BBGGRR) as cairo's source colour.
void set_colorref(cairo_t* cr, UINT32 colour, bool dim) {
    const double k = (dim ? NIGHT_DIMMING : 1.0) / 255.0;
    cairo_set_source_rgb(cr, (colour & 0xFF) * k, ((colour >> 8) & 0xFF) * k, ((colour >> 16) & 0xFF) * k);
}

// Windows code page 1252 bytes 0x80…0x9F (0 where the code page has none).
constexpr char32_t CP1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The gauge's code-page text as UTF-8 into out (NUL-terminated, cut to fit).
void cp1252_to_utf8(const std::string& text, char* out, std::size_t capacity) {
    std::size_t n = 0;
    for (unsigned char c : text) {
        char32_t u = c < 0x80 ? c : c < 0xA0 ? CP1252_HIGH[c - 0x80] : c;
        if (u == 0) u = '?';
        char bytes[3];
        std::size_t len;
        if (u < 0x80) {
            bytes[0] = static_cast<char>(u);
            len = 1;
        } else if (u < 0x800) {
            bytes[0] = static_cast<char>(0xC0 | (u >> 6));
            bytes[1] = static_cast<char>(0x80 | (u & 0x3F));
            len = 2;
        } else {
            bytes[0] = static_cast<char>(0xE0 | (u >> 12));
            bytes[1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            bytes[2] = static_cast<char>(0x80 | (u & 0x3F));
            len = 3;
        }
        if (n + len + 1 > capacity) break;
        std::memcpy(out + n, bytes, len);
        n += len;
    }
    out[n] = '\0';
}

// The gauges' font names and the faces we draw them with.
const char* font_family(const char* name) {
    struct Alias {
        const char* name;
        const char* family;
    };
    static constexpr Alias ALIASES[] = {
        {"Arial", "Liberation Sans"}, {"Courier New", "Liberation Mono"}, {"Quartz", "DSEG7 Classic"}};
    for (const Alias& a : ALIASES)
        if (strcasecmp(a.name, name) == 0) return a.family;
    return name;
}

}  // namespace

struct Renderer::Variant {
    const Bitmap* bitmap;
    unsigned look;
    long scale_x, scale_y;  // in 1/SCALE_STEPS
    int shift_x, shift_y;   // in 1/SHIFT_STEPS pixel
    bool operator==(const Variant&) const = default;
};

std::size_t Renderer::VariantHash::operator()(const Variant& v) const {
    std::size_t h = std::hash<const void*>()(v.bitmap);
    for (long part : {long(v.look), v.scale_x, v.scale_y, long(v.shift_x), long(v.shift_y)})
        h = h * 1000003u ^ std::hash<long>()(part);
    return h;
}

struct Renderer::Font {
    cairo_font_face_t* face = nullptr;
    double height_per_size = 1;   // ascent + descent at size 1
    double ascent_per_size = 1;
    double descent_per_size = 0;
    double digit_per_size = 0.6;  // advance of '0' at size 1
};

struct Renderer::TextLayout {
    char font_name[STRING_FONT_NAME_SIZE];
    SINT32 weight;
    PIXPOINT box;
    UINT32 char_count;
    Font* font;
    double size;
};

Renderer::Renderer() = default;

Renderer::~Renderer() {
    for (auto& [key, s] : surfaces_) cairo_surface_destroy(s);
    for (auto& [name, f] : fonts_) cairo_font_face_destroy(f->face);
}

// ---- surfaces ------------------------------------------------------------------------------

cairo_surface_t* Renderer::unscaled(const Bitmap& bitmap, unsigned look) {
    const Variant key{&bitmap, look, long(SCALE_STEPS), long(SCALE_STEPS), 0, 0};
    if (auto it = surfaces_.find(key); it != surfaces_.end()) return it->second;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height);
    cairo_surface_flush(s);
    auto* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const double dim = (look & LOOK_DIM) ? NIGHT_DIMMING : 1.0;
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t rgb = bitmap.argb[static_cast<std::size_t>(y) * bitmap.width + x] & 0xFFFFFF;
            if ((look & LOOK_KEYED) && rgb == 0) {
                row[x] = 0;  // the colour key: not drawn
                continue;
            }
            const auto channel = [&](int shift) {
                return static_cast<std::uint32_t>(std::lround(((rgb >> shift) & 0xFF) * dim)) << shift;
            };
            row[x] = 0xFF000000u | channel(16) | channel(8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(s);
    surfaces_.emplace(key, s);
    return s;
}

// The bitmap scaled and shifted right and down by a fraction of a pixel, so that drawing it
// at whole pixels puts it exactly where it belongs; filtered once, when first asked for.
cairo_surface_t* Renderer::surface(const Bitmap& bitmap, unsigned look, double scale_x, double scale_y,
                                   double shift_x, double shift_y) {
    const Variant key{&bitmap, look, std::lround(scale_x * SCALE_STEPS), std::lround(scale_y * SCALE_STEPS),
                      static_cast<int>(std::lround(shift_x * SHIFT_STEPS)),
                      static_cast<int>(std::lround(shift_y * SHIFT_STEPS))};
    if (key.scale_x == long(SCALE_STEPS) && key.scale_y == long(SCALE_STEPS) && key.shift_x == 0 && key.shift_y == 0)
        return unscaled(bitmap, look);
    if (auto it = surfaces_.find(key); it != surfaces_.end()) return it->second;
    const int w = static_cast<int>(std::ceil(bitmap.width * scale_x + shift_x));
    const int h = static_cast<int>(std::ceil(bitmap.height * scale_y + shift_y));
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(w, 1), std::max(h, 1));
    cairo_t* cr = cairo_create(s);
    cairo_translate(cr, shift_x, shift_y);
    cairo_scale(cr, scale_x, scale_y);
    cairo_set_source_surface(cr, unscaled(bitmap, look), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    surfaces_.emplace(key, s);
    return s;
}

void Renderer::paint(cairo_t* cr, const Bitmap& bitmap, unsigned look, double anchor_x, double anchor_y,
                     double target_x, double target_y, double degrees, const Placement& at) {
    const double sx = at.scale_x, sy = at.scale_y;
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0) turn += 360.0;
    if (turn == 0) {
        // Upright: a surface pre-shifted to the sub-pixel, drawn at whole pixels.
        const double left = target_x - anchor_x * sx, top = target_y - anchor_y * sy;
        double x = std::floor(left), y = std::floor(top);
        double fx = std::round((left - x) * SHIFT_STEPS) / SHIFT_STEPS;
        double fy = std::round((top - y) * SHIFT_STEPS) / SHIFT_STEPS;
        if (fx >= 1) x += 1, fx = 0;
        if (fy >= 1) y += 1, fy = 0;
        cairo_set_source_surface(cr, surface(bitmap, look, sx, sy, fx, fy), x, y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_FAST);
        cairo_paint(cr);
        return;
    }
    // Turned: the bitmap scaled once (evenly, by the larger scale), then turned about the
    // anchor with bilinear filtering; an uneven placement squeezes the result afterwards.
    const double s = std::max(sx, sy);
    cairo_save(cr);
    cairo_translate(cr, target_x, target_y);
    if (sx != sy) cairo_scale(cr, sx / s, sy / s);
    cairo_rotate(cr, turn * std::numbers::pi / 180.0);
    cairo_set_source_surface(cr, surface(bitmap, look, s, s, 0, 0), -anchor_x * s, -anchor_y * s);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
    cairo_restore(cr);
}

// ---- elements ------------------------------------------------------------------------------

void Renderer::draw(cairo_t* cr, const GaugeInstance& gauge, const Placement& at, DrawOptions options) {
    const GaugeSize size = gauge_pixel_size(gauge);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, at.x, at.y, size.width * at.scale_x, size.height * at.scale_y);
    cairo_clip(cr);
    for (const ElementState& st : gauge.elements()) draw_element(cr, gauge, st, at, options);
    cairo_restore(cr);
}

void Renderer::draw_window(cairo_t* cr, const PlacedWindow& window, double x, double y, double scale,
                           DrawOptions options) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, x, y, std::round(window.width * scale), std::round(window.height * scale));
    cairo_clip(cr);
    const auto& bg = window.spec->background;
    const double dim = options.night ? NIGHT_DIMMING : 1.0;
    cairo_set_source_rgb(cr, bg[0] * dim / 255, bg[1] * dim / 255, bg[2] * dim / 255);
    cairo_paint(cr);
    for (const PlacedGauge& g : window.gauges)
        draw(cr, *g.instance,
             {std::round(x + g.x * scale), std::round(y + g.y * scale), g.scale_x * scale, g.scale_y * scale},
             options);
    cairo_restore(cr);
}

void Renderer::draw_element(cairo_t* cr, const GaugeInstance& gauge, const ElementState& st, const Placement& at,
                            DrawOptions options) {
    const ELEMENT_HEADER& e = *st.element;
    // The flags are read each frame: callbacks hide, show and light their own elements.
    if ((e.image_flags & IMAGE_HIDDEN) || st.failure_action == FAIL_ACTION_NO_DRAW) return;
    const unsigned look = look_of(e.image_flags, options);
    if (e.element_type == ELEMENT_TYPE_STRING) {
        draw_string(cr, st, at, look & LOOK_DIM);
        return;
    }
    const Bitmap* bitmap = st.pictures.empty() ? nullptr : st.pictures.front();
    if (e.element_type == ELEMENT_TYPE_ICON)
        bitmap = st.picture >= 0 && static_cast<std::size_t>(st.picture) < st.pictures.size() ? st.pictures[st.picture]
                                                                                              : nullptr;
    if (!bitmap) return;
    const double x = at.x + e.position.x * at.scale_x, y = at.y + e.position.y * at.scale_y;
    switch (e.element_type) {
        case ELEMENT_TYPE_NEEDLE:
            // The bitmap points to three o'clock from its pivot; the pivot pixel's middle
            // turns about the middle of the centre's pixel.
            paint(cr, *bitmap, look, e.ofs.x + 0.5, e.ofs.y + 0.5, x + 0.5 * at.scale_x, y + 0.5 * at.scale_y,
                  st.angle - 90.0, at);
            break;
        case ELEMENT_TYPE_SLIDER:
            paint(cr, *bitmap, look, 0, 0, x + st.offset_x * at.scale_x, y + st.offset_y * at.scale_y, 0, at);
            break;
        case ELEMENT_TYPE_MOVING_IMAGE:
            draw_moving_image(cr, gauge, st, *bitmap, at, look);
            break;
        case ELEMENT_TYPE_SPRITE:
            draw_sprite(cr, st, *bitmap, at, look);
            break;
        default:  // static images and icons
            paint(cr, *bitmap, look, 0, 0, x, y, 0, at);
            break;
    }
}

// The window's length along a strip's moving axis: the strip's own "STRIP" resource
// ("window=N"), else a strip of eleven digits (0…9 and a repeated 0).
int Renderer::strip_window(const GaugeInstance& gauge, const ElementState& st, const Bitmap& strip, bool along_y) {
    auto it = strip_windows_.find(&strip);
    if (it == strip_windows_.end()) {
        int window = 0;
        const auto res = resource_table::find(reinterpret_cast<const void*>(gauge.module().resource_handle()),
                                              static_cast<std::uint32_t>(st.element->resource_id), "STRIP");
        static constexpr char KEY[] = "window=";
        if (res && res.size > sizeof KEY - 1 && std::memcmp(res.data, KEY, sizeof KEY - 1) == 0) {
            for (std::size_t i = sizeof KEY - 1; i < res.size && res.data[i] >= '0' && res.data[i] <= '9'; ++i)
                window = std::min(window * 10 + (res.data[i] - '0'), 1 << 20);
        }
        it = strip_windows_.emplace(&strip, window).first;
    }
    const int length = along_y ? strip.height : strip.width;
    return it->second > 0 ? std::min(it->second, length) : length / 11;
}

// A strip seen through a window at the element's position: the window is the strip's width
// across the moving axis and its window length along it; the strip is shifted so that the
// window shows the part starting at f × (strip length − window length).
void Renderer::draw_moving_image(cairo_t* cr, const GaugeInstance& gauge, const ElementState& st,
                                 const Bitmap& strip, const Placement& at, unsigned look) {
    const auto& m = *reinterpret_cast<const ELEMENT_MOVING_IMAGE*>(st.element);
    const bool moves_x = m.source_var_x.id != 0;
    const bool moves_y = m.source_var_y.id != 0 || m.update_y || !moves_x;  // at rest, a vertical drum
    const double window_w = moves_x ? strip_window(gauge, st, strip, false) : strip.width;
    const double window_h = moves_y ? strip_window(gauge, st, strip, true) : strip.height;
    const double shift_x = st.offset_x * (strip.width - window_w);
    const double shift_y = st.offset_y * (strip.height - window_h);
    const double x = at.x + m.header.position.x * at.scale_x, y = at.y + m.header.position.y * at.scale_y;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, window_w * at.scale_x, window_h * at.scale_y);
    cairo_clip(cr);
    paint(cr, strip, look, shift_x, shift_y, x, y, 0, at);
    cairo_restore(cr);
}

// A texture seen through a window that runs from the element's position to the point as far
// beyond the texture centre (ofs): the texture point (middle + shift) sits on the centre and
// the whole turns anticlockwise about it by the rotation.
void Renderer::draw_sprite(cairo_t* cr, const ElementState& st, const Bitmap& texture, const Placement& at,
                           unsigned look) {
    const auto& s = *reinterpret_cast<const ELEMENT_SPRITE*>(st.element);
    const PIXPOINT pos = s.header.position, centre = s.header.ofs;
    const double tx = s.texture_scale_x > 0 ? s.texture_scale_x : 1.0;
    const double ty = s.texture_scale_y > 0 ? s.texture_scale_y : 1.0;
    cairo_save(cr);
    cairo_rectangle(cr, at.x + pos.x * at.scale_x, at.y + pos.y * at.scale_y, 2.0 * (centre.x - pos.x) * at.scale_x,
                    2.0 * (centre.y - pos.y) * at.scale_y);
    cairo_clip(cr);
    const Placement textured{at.x, at.y, at.scale_x * tx, at.scale_y * ty};
    paint(cr, texture, look, texture.width / 2.0 + st.offset_x / tx, texture.height / 2.0 + st.offset_y / ty,
          at.x + centre.x * at.scale_x, at.y + centre.y * at.scale_y, -st.rotation, textured);
    cairo_restore(cr);
}

// ---- strings -------------------------------------------------------------------------------

Renderer::Font& Renderer::font(const char* name, SINT32 weight) {
    const std::string key = std::string(name) + "\n" + std::to_string(weight);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return *it->second;
    auto f = std::make_unique<Font>();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font_family(name)));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    f->face = cairo_ft_font_face_create_for_pattern(match ? match : pattern);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);

    // The face's proportions, measured once at size 1 (through a scratch surface).
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(scratch);
    cairo_set_font_face(cr, f->face);
    cairo_set_font_size(cr, 100);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_text_extents_t te;
    cairo_text_extents(cr, "0", &te);
    if (fe.ascent + fe.descent > 0) {
        f->height_per_size = (fe.ascent + fe.descent) / 100;
        f->ascent_per_size = fe.ascent / 100;
        f->descent_per_size = fe.descent / 100;
    }
    if (te.x_advance > 0) f->digit_per_size = te.x_advance / 100;
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    return *fonts_.emplace(key, std::move(f)).first->second;
}

// A string's font size is fixed per element so that the text does not jump as it changes:
// one line fills the box's height, narrowed so that the element's character count of digits
// fits its width.
const Renderer::TextLayout& Renderer::text_layout(const ELEMENT_STRING& s) {
    auto& slot = layouts_[&s];
    if (slot && std::memcmp(slot->font_name, s.font_name, sizeof s.font_name) == 0 && slot->weight == s.font_weight &&
        slot->box.x == s.img_size.x && slot->box.y == s.img_size.y && slot->char_count == s.char_count)
        return *slot;
    if (!slot) slot = std::make_unique<TextLayout>();
    TextLayout& t = *slot;
    std::memcpy(t.font_name, s.font_name, sizeof t.font_name);
    t.font_name[sizeof t.font_name - 1] = '\0';
    t.weight = s.font_weight;
    t.box = s.img_size;
    t.char_count = s.char_count;
    t.font = &font(t.font_name[0] ? t.font_name : "Arial", s.font_weight);
    constexpr double FILL = 0.9;
    t.size = FILL * s.img_size.y / t.font->height_per_size;
    if (s.char_count > 0)
        t.size = std::min(t.size, FILL * s.img_size.x / (s.char_count * t.font->digit_per_size));
    return t;
}

// The box filled with the background colour unless the element is transparent (0x2); the
// text on one line, placed by the text flags and clipped to the box.
void Renderer::draw_string(cairo_t* cr, const ElementState& st, const Placement& at, bool dim) {
    const auto& s = *reinterpret_cast<const ELEMENT_STRING*>(st.element);
    const double bx = s.header.position.x, by = s.header.position.y, bw = s.img_size.x, bh = s.img_size.y;
    if (bw <= 0 || bh <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_scale(cr, at.scale_x, at.scale_y);
    cairo_rectangle(cr, bx, by, bw, bh);
    cairo_clip(cr);
    if (!(s.header.image_flags & IMAGE_USE_TRANSPARENCY)) {
        set_colorref(cr, s.bg_color, dim);
        cairo_paint(cr);
    }
    cp1252_to_utf8(st.text, utf8_.data(), utf8_.size());
    if (utf8_[0]) {
        const TextLayout& t = text_layout(s);
        cairo_set_font_face(cr, t.font->face);
        cairo_set_font_size(cr, t.size);
        cairo_text_extents_t te;
        cairo_text_extents(cr, utf8_.data(), &te);
        // The text flags place the line as Windows does: centred (0x1) or right (0x2), else
        // left; centred (0x4) or at the bottom (0x8), else at the top.
        const UINT32 flags = s.draw_text_flags;
        const double line = (t.font->ascent_per_size + t.font->descent_per_size) * t.size;
        const double x = flags & DRAW_TEXT_CENTER ? bx + (bw - te.x_advance) / 2
                         : flags & DRAW_TEXT_RIGHT ? bx + bw - te.x_advance
                                                   : bx;
        const double top = flags & DRAW_TEXT_VCENTER ? by + (bh - line) / 2
                           : flags & DRAW_TEXT_BOTTOM ? by + bh - line
                                                      : by;
        cairo_move_to(cr, x, top + t.font->ascent_per_size * t.size);
        set_colorref(cr, s.fg_color, dim);
        cairo_show_text(cr, utf8_.data());
        cairo_new_path(cr);
    }
    cairo_restore(cr);
}

// ---- hot spots and files -----------------------------------------------------------------------

void draw_hotspots(cairo_t* cr, const GaugeInstance& gauge, const Placement& at) {
    const GaugeSize size = gauge_pixel_size(gauge);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 11);
    cairo_set_line_width(cr, 1.5);
    walk_mouse_list(gauge.mouse_list(), size, [&](const MOUSERECT& r, const PIXBOX& box) {
        const double x = at.x + box.x * at.scale_x, y = at.y + box.y * at.scale_y;
        const double w = box.size_x * at.scale_x, h = box.size_y * at.scale_y;
        if (r.rect_type == MOUSE_RECT_CHILD) {
            cairo_rectangle(cr, x + 0.75, y + 0.75, std::max(w - 1.5, 0.0), std::max(h - 1.5, 0.0));
            cairo_set_source_rgba(cr, 1, 0.15, 0.1, 0.22);
            cairo_fill_preserve(cr);
            cairo_set_source_rgba(cr, 1, 0.2, 0.1, 0.95);
            cairo_set_dash(cr, nullptr, 0, 0);
            cairo_stroke(cr);
        } else if (r.rect_type == MOUSE_RECT_PARENT) {
            const double dashes[] = {4, 3};
            cairo_set_dash(cr, dashes, 2, 0);
            cairo_rectangle(cr, x + 0.75, y + 0.75, std::max(w - 1.5, 0.0), std::max(h - 1.5, 0.0));
            cairo_set_source_rgba(cr, 0.2, 0.6, 1, 0.95);
            cairo_stroke(cr);
            if (r.help_id) {
                char label[16];
                std::snprintf(label, sizeof label, "0x%X", r.help_id);
                cairo_move_to(cr, x + 3, y + 12);
                cairo_show_text(cr, label);
            }
        } else if (r.rect_type == MOUSE_RECT_USER) {
            char label[48];
            if (r.tooltip_text) std::snprintf(label, sizeof label, "\"%.40s\"", r.tooltip_text);
            else std::snprintf(label, sizeof label, "tip 0x%X", r.help_id);
            cairo_set_source_rgba(cr, 0.35, 0.8, 1, 0.95);
            cairo_move_to(cr, x + 3, y + h - 4);
            cairo_show_text(cr, label);
        }
    });
    cairo_restore(cr);
}

void write_png(cairo_surface_t* surface, const std::string& path) {
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace host
