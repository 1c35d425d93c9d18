// Round instruments: faces, their scales (placed by the needles' own tables), glass, needles
// and knobs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "tools/artwork/painter.h"

namespace artwork {

namespace {

constexpr double PI = std::numbers::pi;
double radians_from_twelve(double degrees) { return (degrees - 90.0) * PI / 180.0; }

// The bezel ring between the face and the outer edge: lit from the top left.
void draw_bezel(const Canvas& c, const Face& f) {
    cairo_t* cr = c.cr();
    c.circle(f.centre, f.outer);
    c.circle(f.centre, f.radius);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    c.fill_linear({f.centre.x - f.outer, f.centre.y - f.outer}, {f.centre.x + f.outer, f.centre.y + f.outer},
                  {{0, {0.34, 0.35, 0.37}}, {0.5, {0.15, 0.155, 0.16}}, {1, {0.06, 0.06, 0.065}}});
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // The lip where the glass meets the face.
    c.set({0.03, 0.03, 0.035});
    cairo_set_line_width(cr, std::max(1.0, f.outer * 0.012));
    c.circle(f.centre, f.radius + cairo_get_line_width(cr) / 2);
    cairo_stroke(cr);
}

std::string numeral(double value) {
    char text[32];
    if (std::abs(value - std::round(value)) < 1e-9) std::snprintf(text, sizeof text, "%.0f", value);
    else std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The scale's band: where its ticks end on the outside, from the needle's reach.
struct Band {
    NeedleGeometry needle;
    double reach = 0;  // where the needle's tip points
    double factor = 1, offset = 0;
    double angle(double dial_value) const { return needle.angle(dial_value * factor + offset); }
    double outer() const { return reach * 1.06; }
};

Band band_of(const Job& job, const Options& o) {
    Band b{needle_of(job, o)};
    b.reach = o.number("radius", b.needle.radius());
    if (b.reach <= 0) throw ArtError("the needle has no table: give radius=");
    b.factor = setting(job, o, "factor").number("factor", 1.0);
    b.offset = setting(job, o, "offset").number("offset", 0.0);
    return b;
}

void radial_line(const Canvas& c, Point centre, double degrees, double from, double to) {
    const Point a = polar(centre, from, degrees), b = polar(centre, to, degrees);
    cairo_move_to(c.cr(), a.x, a.y);
    cairo_line_to(c.cr(), b.x, b.y);
    cairo_stroke(c.cr());
}

// A needle's pivot in its bitmap: the element's offset, else pivot= of the art line.
Point pivot_of(const Job& job) {
    const auto needles = job.uses_of(ELEMENT_TYPE_NEEDLE);
    const BitmapSpec& s = job.spec;
    if (!needles.empty()) {
        if (s.options.has("pivot")) job.notes.push_back("the needle is in the records: pivot= is not needed");
        return {double(needles[0].ofs.x), double(needles[0].ofs.y)};
    }
    return s.options.point("pivot", {s.height / 2.0, s.height / 2.0 - 0.5});
}

// A needle reaching its dial's marks: its tip (the bitmap's right edge) should lie where the
// table's points are, times `reach` for hands that stop short of them.
void check_reach(const Job& job, Point pivot) {
    const double reach = job.spec.options.number("reach", 1.0);
    for (const auto& use : job.uses_of(ELEMENT_TYPE_NEEDLE)) {
        if (use.table.empty()) continue;
        const NeedleGeometry g = NeedleGeometry::of(use);
        const double want = g.radius() * reach, have = job.spec.width - 1 - pivot.x;
        if (std::abs(have - want) > std::max(4.0, want * 0.08)) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "its tip lies %.0f px from the pivot but %s's marks are %.0f px from the centre: make it about %.0f wide (or set reach=)",
                          have, use.gauge.c_str(), want, pivot.x + want + 1);
            throw ArtError(text);
        }
    }
}

}  // namespace

void paint_dial(Canvas& c, const Job& job) {
    const Face f = face_of(job.spec, job.spec.options);
    const std::string shape = job.spec.options.text("case", "round");
    if (shape == "square") {
        // A square case filling the bitmap, its corners rounded, knobs and flags on it.
        const double w = job.spec.width, h = job.spec.height;
        c.rounded_rect(0.5, 0.5, w - 1, h - 1, std::min(w, h) * 0.06);
        c.fill_linear({0, 0}, {w, h}, {{0, {0.17, 0.175, 0.18}}, {1, {0.08, 0.08, 0.085}}});
    } else if (shape != "round") {
        throw ArtError("case must be round or square");
    } else if (!job.keyed()) {
        c.fill_all(PANEL);
        const double r = std::max(3.0, f.outer * 0.045), inset = r * 2.2;
        const double w = job.spec.width, h = job.spec.height;
        // Mounting screws where the corners leave room beside the case.
        if (std::hypot(w / 2 - inset, h / 2 - inset) > f.outer + r * 1.5)
            for (Point p : {Point{inset, inset}, Point{w - inset, inset}, Point{inset, h - inset}, Point{w - inset, h - inset}})
                draw_screw(c, p, r);
    }
    draw_bezel(c, f);
    c.set(FACE);
    c.circle(f.centre, f.radius);
    cairo_fill(c.cr());
}

void paint_glass(Canvas& c, const Job& job) {
    const Face f = face_of(job.spec, job.spec.options);
    draw_bezel(c, f);
    // Two thin reflections on the glass, top left and bottom right.
    cairo_t* cr = c.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, std::max(1.2, f.radius * 0.018));
    c.set({0.42, 0.43, 0.45});
    cairo_arc(cr, f.centre.x, f.centre.y, f.radius * 0.9, radians_from_twelve(292), radians_from_twelve(338));
    cairo_stroke(cr);
    c.set({0.26, 0.27, 0.28});
    cairo_arc(cr, f.centre.x, f.centre.y, f.radius * 0.9, radians_from_twelve(122), radians_from_twelve(142));
    cairo_stroke(cr);
}

void layer_scale(Canvas& c, const Job& job, const Options& o) {
    const Band b = band_of(job, o);
    const Colour colour = option_colour(o, "colour", WHITE);
    const Point centre = b.needle.centre;
    const double major_len = b.reach * o.number("length", 0.14);
    cairo_t* cr = c.cr();
    c.set(colour);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_width(cr, std::max(1.0, b.reach * 0.011));
    for (double v : o.range("minor").values()) radial_line(c, centre, b.angle(v), b.outer() - major_len * 0.5, b.outer());
    cairo_set_line_width(cr, std::max(1.6, b.reach * 0.024));
    for (double v : o.range("major").values()) radial_line(c, centre, b.angle(v), b.outer() - major_len, b.outer());

    const double size = o.number("size", std::clamp(b.reach * 0.17, 8.0, 30.0));
    const double at = o.number("numeral_radius", b.outer() - major_len - size * 0.85);
    const Font font = font_named(o.text("font", "bold"));
    const double divide = o.number("divide", 1.0);
    for (double v : o.range("numerals").values()) c.text(numeral(v / divide), polar(centre, at, b.angle(v)), size, font, colour);
    for (const std::string& label : o.list("labels")) {
        const auto colon = label.find(':');
        if (colon == std::string::npos) throw ArtError("label '" + label + "' is not VALUE:TEXT");
        c.text(label.substr(colon + 1), polar(centre, at, b.angle(std::stod(label.substr(0, colon)))), size, font, colour);
    }
}

void layer_arc(Canvas& c, const Job& job, const Options& o) {
    const Band b = band_of(job, o);
    const double width = o.number("width", b.reach * 0.05);
    const double a = b.angle(o.number("from", 0)), z = b.angle(o.number("to", 0));
    cairo_t* cr = c.cr();
    c.set(option_colour(o, "colour", colour_named("green")));
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_new_path(cr);
    cairo_arc(cr, b.needle.centre.x, b.needle.centre.y, b.outer() - width / 2, radians_from_twelve(std::min(a, z)),
              radians_from_twelve(std::max(a, z)));
    cairo_stroke(cr);
}

void layer_mark(Canvas& c, const Job& job, const Options& o) {
    const Band b = band_of(job, o);
    c.set(option_colour(o, "colour", colour_named("red")));
    cairo_set_line_width(c.cr(), std::max(2.0, b.reach * 0.035));
    cairo_set_line_cap(c.cr(), CAIRO_LINE_CAP_BUTT);
    radial_line(c, b.needle.centre, b.angle(o.number("at", 0)), b.outer() - b.reach * 0.18, b.outer());
}

void paint_needle(Canvas& c, const Job& job) {
    const Point pivot = pivot_of(job);
    check_reach(job, pivot);
    const Options& o = job.spec.options;
    const std::string style = o.text("style", "pointer");
    const Colour colour = option_colour(o, "colour", WHITE);
    const double w = job.spec.width, h = job.spec.height;
    const double tip = w - 0.5;  // the middle of the last column lands on the table's point
    const double half = std::clamp(h * 0.17, 1.0, 4.0);
    cairo_t* cr = c.cr();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double py = pivot.y + 0.5;  // the pivot pixel's middle
    if (style == "triangle") {
        // Only a small pointer at the tip (bank pointer, markers).
        const double len = std::min(h * 0.8, w * 0.25);
        cairo_move_to(cr, tip, py);
        cairo_line_to(cr, tip - len, py - len * 0.55);
        cairo_line_to(cr, tip - len, py + len * 0.55);
        cairo_close_path(cr);
        c.set(colour);
        cairo_fill(cr);
        return;
    }
    if (style == "index") {
        // A heading bug at the tip: two blocks with a notch between them, across the radius.
        const double len = std::min(w * 0.1, 9.0), half_span = std::min(h / 2 - 1, 11.0), notch = half_span * 0.35;
        c.set(colour);
        cairo_rectangle(cr, tip - len, py - half_span, len, half_span - notch);
        cairo_rectangle(cr, tip - len, py + notch, len, half_span - notch);
        cairo_fill(cr);
        return;
    }
    // The tail behind the pivot: a counterweight (a bearing pointer's shaft runs through).
    if (pivot.x > 3 && style != "arrow") {
        c.set({0.35, 0.36, 0.38});
        c.rounded_rect(0.5, py - half * 1.3, pivot.x, half * 2.6, half);
        cairo_fill(cr);
    }
    if (style == "bar") {
        c.set(colour);
        cairo_rectangle(cr, pivot.x, py - half, tip - pivot.x, half * 2);
        cairo_fill(cr);
    } else if (style == "hand") {
        // A sword-shaped clock hand.
        const double len = tip - pivot.x, broad = std::min(h / 2 - 0.5, half * 1.8);
        cairo_move_to(cr, pivot.x, py - half * 0.8);
        cairo_line_to(cr, pivot.x + len * 0.55, py - broad);
        cairo_line_to(cr, tip, py);
        cairo_line_to(cr, pivot.x + len * 0.55, py + broad);
        cairo_line_to(cr, pivot.x, py + half * 0.8);
        cairo_close_path(cr);
        c.set(colour);
        cairo_fill(cr);
    } else if (style == "arrow") {
        // A bearing pointer: an arrow head at the tip, the shaft through the pivot.
        const double head = std::min(h / 2 - 0.5, half * 3), head_len = head * 2.2;
        c.set(colour);
        cairo_rectangle(cr, 0.5, py - half * 0.8, tip - head_len, half * 1.6);
        cairo_fill(cr);
        cairo_move_to(cr, tip, py);
        cairo_line_to(cr, tip - head_len, py - head);
        cairo_line_to(cr, tip - head_len, py + head);
        cairo_close_path(cr);
        cairo_fill(cr);
    } else if (style == "pointer") {
        const double len = tip - pivot.x;
        cairo_move_to(cr, pivot.x, py - half);
        cairo_line_to(cr, pivot.x + len * 0.86, py - half * 0.8);
        cairo_line_to(cr, tip, py);
        cairo_line_to(cr, pivot.x + len * 0.86, py + half * 0.8);
        cairo_line_to(cr, pivot.x, py + half);
        cairo_close_path(cr);
        c.set(colour);
        cairo_fill(cr);
    } else {
        throw ArtError("unknown needle style '" + style + "' (pointer, bar, hand, arrow, index, triangle)");
    }
    // The hub over the pivot.
    const double hub = std::clamp(h / 2 - 0.5, 1.5, std::max(2.5, half * 2.2));
    c.set({0.20, 0.21, 0.22});
    c.circle({pivot.x + 0.5, py}, hub);
    cairo_fill(cr);
    c.set({0.45, 0.46, 0.48});
    cairo_set_line_width(cr, 1);
    c.circle({pivot.x + 0.5, py}, std::max(1.0, hub - 0.5));
    cairo_stroke(cr);
}

void paint_knob(Canvas& c, const Job& job) {
    const Point pivot = pivot_of(job);
    const double w = job.spec.width, h = job.spec.height;
    const Point centre{pivot.x + 0.5, pivot.y + 0.5};
    const double r = std::min({centre.x, centre.y, w - centre.x, h - centre.y}) - 0.5;
    if (r < 3) throw ArtError("the pivot leaves no room for a knob");
    cairo_t* cr = c.cr();
    // Knurled rim: alternating light and dark teeth that turn with the knob.
    const int teeth = std::max(12, static_cast<int>(r * 0.9) / 2 * 2);
    for (int i = 0; i < teeth; ++i) {
        const double a0 = 2 * PI * i / teeth, a1 = 2 * PI * (i + 1) / teeth;
        cairo_move_to(cr, centre.x, centre.y);
        cairo_arc(cr, centre.x, centre.y, r, a0, a1);
        cairo_close_path(cr);
        c.set(i % 2 ? Colour{0.10, 0.10, 0.11} : Colour{0.30, 0.31, 0.33});
        cairo_fill(cr);
    }
    c.circle(centre, r * 0.84);
    c.fill_radial({centre.x - r * 0.3, centre.y - r * 0.3}, centre, r, {{0, {0.24, 0.25, 0.26}}, {1, {0.06, 0.06, 0.07}}});
    // The index line, at three o'clock like every needle.
    c.set(option_colour(job.spec.options, "colour", WHITE));
    cairo_set_line_width(cr, std::max(1.2, r * 0.12));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, centre.x + r * 0.3, centre.y);
    cairo_line_to(cr, centre.x + r * 0.8, centre.y);
    cairo_stroke(cr);
}

void layer_ring(Canvas& c, const Job&, const Options& o) {
    const Point at = o.point("at", {});
    const double r = o.number("radius", 10);
    cairo_t* cr = c.cr();
    if (o.has("fill")) {
        c.set(colour_named(o.text("fill")));
        c.circle(at, r);
        cairo_fill(cr);
    }
    c.set(option_colour(o, "colour", {0.45, 0.46, 0.48}));
    cairo_set_line_width(cr, o.number("line", 1.2));
    c.circle(at, r);
    cairo_stroke(cr);
}

void layer_tube(Canvas& c, const Job&, const Options& o) {
    // The inclinometer's glass tube: its middle at `at`, `travel` px each way for the ball
    // (whose diameter is `ball`), the ends `rise` px higher at full travel (a parabola).
    const Point at = o.point("at", {});
    const double travel = o.number("travel", 80), ball = o.number("ball", 20), rise = o.number("rise", 0);
    const double half = travel + ball * 0.6, k = travel > 0 ? rise / (travel * travel) : 0;
    cairo_t* cr = c.cr();
    auto centre_line = [&](double offset) {
        cairo_new_path(cr);
        for (double x = -half; x <= half + 0.01; x += 2) cairo_line_to(cr, at.x + x, at.y - k * x * x + offset);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    centre_line(0);
    c.set({0.30, 0.31, 0.33});
    cairo_set_line_width(cr, ball + 4);
    cairo_stroke(cr);
    centre_line(0);
    c.set({0.80, 0.80, 0.76});  // the tube's clear liquid, light behind the dark ball
    cairo_set_line_width(cr, ball + 1);
    cairo_stroke(cr);
    // The two wires that mark the ball's middle position.
    c.set(NEAR_BLACK);
    cairo_set_line_width(cr, std::max(1.5, ball * 0.08));
    for (double x : {-ball / 2 - 1.5, ball / 2 + 1.5}) {
        cairo_move_to(cr, at.x + x, at.y - ball / 2 - 2);
        cairo_line_to(cr, at.x + x, at.y + ball / 2 + 2);
    }
    cairo_stroke(cr);
}

void layer_knob(Canvas& c, const Job&, const Options& o) {
    const Point at = o.point("at", {});
    const double r = o.number("radius", 10);
    cairo_t* cr = c.cr();
    c.set({0.05, 0.05, 0.055});
    c.circle(at, r);
    cairo_fill(cr);
    c.set({0.32, 0.33, 0.35});
    cairo_set_line_width(cr, std::max(1.0, r * 0.06));
    c.circle(at, r);
    cairo_stroke(cr);
}

void draw_screw(const Canvas& c, Point at, double r) {
    cairo_t* cr = c.cr();
    c.circle(at, r);
    c.fill_radial({at.x - r / 3, at.y - r / 3}, at, r, {{0, {0.55, 0.56, 0.58}}, {1, {0.16, 0.16, 0.17}}});
    c.set({0.05, 0.05, 0.05});
    cairo_set_line_width(cr, std::max(0.8, r * 0.25));
    cairo_move_to(cr, at.x - r * 0.7, at.y + r * 0.3);
    cairo_line_to(cr, at.x + r * 0.7, at.y - r * 0.3);
    cairo_stroke(cr);
}

void layer_screw(Canvas& c, const Job&, const Options& o) {
    draw_screw(c, o.point("at", {}), o.number("radius", 4));
}

}  // namespace artwork
