#include "tools/artwork/canvas.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace artwork {

namespace {

struct FontRequest {
    const char* family;
    int weight;         // fontconfig weight
    double squeeze;     // horizontal scale of the glyphs
    const char* package;  // where the font comes from, for the message
};

FontRequest request_of(Font font) {
    switch (font) {
        case Font::sans: return {"Liberation Sans", FC_WEIGHT_REGULAR, 1.0, "fonts-liberation2"};
        case Font::sans_bold: return {"Liberation Sans", FC_WEIGHT_BOLD, 1.0, "fonts-liberation2"};
        case Font::sans_narrow: return {"Liberation Sans", FC_WEIGHT_BOLD, 0.8, "fonts-liberation2"};
        case Font::mono: return {"Liberation Mono", FC_WEIGHT_REGULAR, 1.0, "fonts-liberation2"};
        case Font::seg7: return {"DSEG7 Classic", FC_WEIGHT_BOLD, 1.0, "fonts-dseg"};
    }
    return {"Liberation Sans", FC_WEIGHT_REGULAR, 1.0, "fonts-liberation2"};
}

FT_Library g_freetype = nullptr;
std::map<Font, cairo_font_face_t*> g_faces;
const cairo_user_data_key_t FT_FACE_KEY{};

void done_face(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

// The font file fontconfig finds for the request; a font that is not installed is an error
// rather than a silent substitute.
cairo_font_face_t* face_of(Font font) {
    if (auto it = g_faces.find(font); it != g_faces.end()) return it->second;
    const FontRequest req = request_of(font);
    if (!g_freetype && FT_Init_FreeType(&g_freetype) != 0) throw ArtError("FreeType cannot start");
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(req.family));
    FcPatternAddInteger(pattern, FC_WEIGHT, req.weight);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    FcChar8* family = nullptr;
    FcChar8* file = nullptr;
    int index = 0;
    const bool found = match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
                       std::string(reinterpret_cast<char*>(family)) == req.family &&
                       FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
    std::string path = found ? reinterpret_cast<char*>(file) : "";
    if (match && FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    if (match) FcPatternDestroy(match);
    if (!found)
        throw ArtError(std::string("the font '") + req.family + "' is not installed (package " + req.package + ")");
    FT_Face ft = nullptr;
    if (FT_New_Face(g_freetype, path.c_str(), index, &ft) != 0) throw ArtError("FreeType cannot read " + path);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ft, 0);
    cairo_font_face_set_user_data(face, &FT_FACE_KEY, ft, done_face);
    g_faces[font] = face;
    return face;
}

void use_font(cairo_t* cr, Font font, double size) {
    cairo_set_font_face(cr, face_of(font));
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, size * request_of(font).squeeze, size);
    cairo_set_font_matrix(cr, &m);
}

std::uint8_t channel(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255.0), 0L, 255L)); }

}  // namespace

Colour colour_named(const std::string& name) {
    static const std::map<std::string, Colour> named = {
        {"white", WHITE},
        {"black", NEAR_BLACK},
        {"grey", {0.55, 0.56, 0.58}},
        {"darkgrey", {0.25, 0.26, 0.27}},
        {"red", {0.90, 0.12, 0.10}},
        {"amber", {1.0, 0.68, 0.10}},
        {"orange", {1.0, 0.50, 0.05}},
        {"yellow", {0.98, 0.90, 0.20}},
        {"green", {0.15, 0.85, 0.25}},
        {"cyan", {0.25, 0.85, 0.95}},
        {"blue", {0.20, 0.45, 0.95}},
        {"magenta", {0.90, 0.30, 0.85}},
        {"panel", PANEL},
        {"face", FACE},
    };
    if (auto it = named.find(name); it != named.end()) return it->second;
    if (name.size() == 7 && name[0] == '#') {
        try {
            const unsigned long v = std::stoul(name.substr(1), nullptr, 16);
            return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
        } catch (const std::exception&) {
        }
    }
    throw ArtError("unknown colour '" + name + "'");
}

Colour option_colour(const Options& options, const std::string& name, Colour fallback) {
    return options.has(name) ? colour_named(options.text(name)) : fallback;
}

Font font_named(const std::string& name) {
    if (name == "sans") return Font::sans;
    if (name == "bold") return Font::sans_bold;
    if (name == "narrow") return Font::sans_narrow;
    if (name == "mono") return Font::mono;
    if (name == "seg7") return Font::seg7;
    throw ArtError("unknown font '" + name + "' (sans, bold, narrow, mono, seg7)");
}

Point polar(Point centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x + radius * std::sin(a), centre.y - radius * std::cos(a)};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::set(Colour c) const { cairo_set_source_rgb(cr_, c.r, c.g, c.b); }

void Canvas::fill_all(Colour c) const {
    set(c);
    cairo_paint(cr_);
}

void Canvas::circle(Point c, double radius) const {
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, c.x, c.y, radius, 0, 2 * std::numbers::pi);
}

namespace {
void fill_with(cairo_t* cr, cairo_pattern_t* pattern, std::initializer_list<Stop> stops) {
    for (const Stop& s : stops) cairo_pattern_add_color_stop_rgba(pattern, s.at, s.colour.r, s.colour.g, s.colour.b, s.alpha);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}
}  // namespace

void Canvas::fill_linear(Point a, Point b, std::initializer_list<Stop> stops) const {
    fill_with(cr_, cairo_pattern_create_linear(a.x, a.y, b.x, b.y), stops);
}

void Canvas::fill_radial(Point a, Point b, double r, std::initializer_list<Stop> stops) const {
    fill_with(cr_, cairo_pattern_create_radial(a.x, a.y, 0, b.x, b.y, r), stops);
}

void Canvas::rounded_rect(double x, double y, double w, double h, double radius) const {
    const double r = std::min({radius, w / 2, h / 2});
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr_, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr_, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr_);
}

void Canvas::text(const std::string& s, Point at, double size, Font font, Colour colour, Align align,
                  double degrees) const {
    if (s.empty()) return;
    cairo_save(cr_);
    use_font(cr_, font, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, s.c_str(), &ext);
    cairo_translate(cr_, at.x, at.y);
    cairo_rotate(cr_, degrees * std::numbers::pi / 180.0);
    double x = -ext.x_bearing - ext.width / 2;
    if (align == Align::left) x = -ext.x_bearing;
    if (align == Align::right) x = -ext.x_bearing - ext.width;
    cairo_move_to(cr_, x, -ext.y_bearing - ext.height / 2);
    set(colour);
    cairo_show_text(cr_, s.c_str());
    cairo_restore(cr_);
}

double Canvas::text_width(const std::string& s, double size, Font font) const {
    cairo_save(cr_);
    use_font(cr_, font, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, s.c_str(), &ext);
    cairo_restore(cr_);
    return ext.width;
}

Picture Canvas::picture(bool keyed, Colour ground) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Picture pic{width_, height_, std::vector<Rgb>(static_cast<std::size_t>(width_) * height_)};
    // Below this coverage a keyed pixel is left to the key: a fringe of near-black would
    // otherwise ring every anti-aliased edge with dark dots.
    constexpr double KEY_BELOW = 0.3;
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = row[x];  // premultiplied ARGB
            const double a = (p >> 24) / 255.0;
            Rgb& out = pic.pixels[static_cast<std::size_t>(y) * width_ + x];
            if (keyed && a < KEY_BELOW) {
                out = KEY;
                continue;
            }
            const double r = ((p >> 16) & 0xFF) / 255.0 + (1 - a) * ground.r;
            const double g = ((p >> 8) & 0xFF) / 255.0 + (1 - a) * ground.g;
            const double b = (p & 0xFF) / 255.0 + (1 - a) * ground.b;
            out = {channel(r), channel(g), channel(b)};
            if (out == KEY) out = {1, 1, 1};
        }
    }
    return pic;
}

void release_fonts() {
    for (auto& [font, face] : g_faces) cairo_font_face_destroy(face);
    g_faces.clear();
    cairo_debug_reset_static_data();
    if (g_freetype) FT_Done_FreeType(g_freetype);
    g_freetype = nullptr;
    FcFini();
}

}  // namespace artwork
