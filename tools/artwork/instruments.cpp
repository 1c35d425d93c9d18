// The moving pictures of the flight instruments: the attitude sphere and the standby pitch
// card, compass cards, turning rings with their marks, the magnetic compass's heading strip,
// aircraft symbols and small pointers.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "tools/artwork/painter.h"

namespace artwork {

namespace {

constexpr double PI = std::numbers::pi;
constexpr Colour SKY{0.16, 0.45, 0.78};
constexpr Colour GROUND{0.42, 0.27, 0.13};

// A heading's name on a card: N, E, S, W, the others in tens of degrees.
std::string heading_name(int degrees) {
    const int d = ((degrees % 360) + 360) % 360;
    switch (d) {
        case 0: return "N";
        case 90: return "E";
        case 180: return "S";
        case 270: return "W";
        default: return std::to_string(d / 10);
    }
}

// Sky above, ground below the horizon at `horizon`, over the whole canvas.
void sky_and_ground(const Canvas& c, double horizon) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_rectangle(cr, 0, 0, w, horizon);
    c.fill_linear({0, 0}, {0, horizon}, {{0, SKY.scaled(0.6)}, {1, SKY}});
    cairo_rectangle(cr, 0, horizon, w, h - horizon);
    c.fill_linear({0, horizon}, {0, h}, {{0, GROUND}, {1, GROUND.scaled(0.6)}});
    c.set(WHITE);
    cairo_rectangle(cr, 0, horizon - 1, w, 2);
    cairo_fill(cr);
}

// Pitch lines every 5 degrees (longer and numbered every 10) about x = `mid`, `per_degree`
// pixels apart, nose-down degrees below the horizon; the 5-degree lines next to the
// horizon are left out where the heading band runs (`band`).
void pitch_ladder(const Canvas& c, double mid, double horizon, double per_degree, double half_width, int limit,
                  bool band, bool numbers_left) {
    cairo_t* cr = c.cr();
    c.set(WHITE);
    cairo_set_line_width(cr, std::max(1.2, per_degree * 0.6));
    const double size = std::clamp(per_degree * 3.2, 7.0, 13.0);
    for (int p = -limit; p <= limit; p += 5) {
        if (p == 0 || (band && std::abs(p) == 5)) continue;
        const double y = horizon + p * per_degree;
        const double half = p % 10 == 0 ? half_width : half_width * 0.5;
        cairo_move_to(cr, mid - half, y);
        cairo_line_to(cr, mid + half, y);
        cairo_stroke(cr);
        if (p % 10 != 0) continue;
        const std::string n = std::to_string(std::abs(p));
        if (numbers_left) c.text(n, {mid - half - size * 1.1, y}, size, Font::sans_bold, WHITE);
        c.text(n, {mid + half + size * 1.1, y}, size, Font::sans_bold, WHITE);
    }
}

// Radial marks round `centre` from `inner` to `outer`, at the given angles (clockwise from
// twelve).
void marks(const Canvas& c, Point centre, double inner, double outer, double width, const std::vector<double>& angles) {
    cairo_t* cr = c.cr();
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (double a : angles) {
        const Point p = polar(centre, inner, a), q = polar(centre, outer, a);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
    }
    cairo_stroke(cr);
}

std::vector<double> every(double step, double from = 0, double to = 360) {
    std::vector<double> out;
    for (double a = from; a < to - 1e-9; a += step) out.push_back(a);
    return out;
}

void triangle(const Canvas& c, Point tip, double size, double towards_degrees) {
    // A triangle whose tip is at `tip`, its base `size` behind it, pointing along the angle.
    const Point base = polar(tip, size, towards_degrees + 180);
    const Point a = polar(base, size * 0.6, towards_degrees + 90), b = polar(base, size * 0.6, towards_degrees - 90);
    cairo_move_to(c.cr(), tip.x, tip.y);
    cairo_line_to(c.cr(), a.x, a.y);
    cairo_line_to(c.cr(), b.x, b.y);
    cairo_close_path(c.cr());
    cairo_fill(c.cr());
}

}  // namespace

void paint_sphere(Canvas& c, const Job& job) {
    // The attitude sphere: the texture's middle is level flight on heading 180; a nose-down
    // pitch shows the ground below it and a heading to the east of 180 the band to its right.
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const double per_degree = o.number("pitch_scale", 3.0), per_heading = o.number("heading_scale", 1.5);
    const double horizon = h / 2;
    sky_and_ground(c, horizon);
    // The ladder repeats round the sphere, every 90 degrees of heading, so that it stays in
    // view whatever the heading.
    const double ladder_step = 90 * per_heading;
    for (double x = w / 2 - std::floor(w / 2 / ladder_step) * ladder_step; x < w; x += ladder_step)
        pitch_ladder(c, x, horizon, per_degree, o.number("ladder", 24), 80, true, false);
    // The heading band along the horizon, repeated across the width.
    cairo_t* cr = c.cr();
    c.set(WHITE);
    const double size = std::clamp(per_heading * 7, 8.0, 12.0);
    for (int hd = -360; hd <= 720; hd += 5) {
        const double x = w / 2 + (hd - 180) * per_heading;
        if (x < -20 || x > w + 20) continue;
        const double len = hd % 30 == 0 ? 7 : hd % 10 == 0 ? 5 : 3;
        cairo_rectangle(cr, x - 0.6, horizon + 1, 1.2, len);
        cairo_fill(cr);
        if (hd % 30 == 0) c.text(heading_name(hd), {x, horizon + 8 + size * 0.7}, size, Font::sans_bold, WHITE);
    }
}

void paint_pitchcard(Canvas& c, const Job& job) {
    // The standby horizon's card: sky over ground with its pitch lines, nose-down below.
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    sky_and_ground(c, h / 2);
    pitch_ladder(c, w / 2, h / 2, o.number("pitch_scale", 1.88), w * 0.2, 80, false, true);
}

void paint_card(Canvas& c, const Job& job) {
    // A compass card: a disc with a mark every 5 degrees, longer every 10, named every 30.
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const Point centre{w / 2, h / 2};
    const double r = std::min(w, h) / 2 - 0.5;
    const double mark_outer = r * o.number("marks", 0.99);
    cairo_t* cr = c.cr();
    c.set(option_colour(o, "face", FACE));
    c.circle(centre, r);
    cairo_fill(cr);
    c.set(WHITE);
    marks(c, centre, mark_outer - r * 0.06, mark_outer, std::max(1.0, r * 0.012), every(5));
    marks(c, centre, mark_outer - r * 0.11, mark_outer, std::max(1.4, r * 0.018), every(10));
    const double size = r * o.number("size", 0.14);
    for (int d = 0; d < 360; d += 30) {
        const std::string name = heading_name(d);
        const bool cardinal = d % 90 == 0;
        c.text(name, polar(centre, mark_outer - r * 0.11 - size * 0.8, d), cardinal ? size * 1.15 : size,
               Font::sans_bold, WHITE, Align::centre, d);
    }
}

void paint_bezel(Canvas& c, const Job& job) {
    // A ring with marks: the clock's turning bezel (60 minutes), a roll ring or a bank scale
    // (marks at the bank angles), a keyed hole inside.
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const Point centre = o.point("centre", {w / 2, h / 2});
    const double outer = o.number("outer", std::min(w, h) / 2 - 0.5), inner = o.number("inner", outer * 0.8);
    const std::string scale = o.text("scale", "minutes");
    cairo_t* cr = c.cr();
    c.set(option_colour(o, "colour", CASE));
    c.circle(centre, outer);
    c.circle(centre, inner);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    const double band = outer - inner;
    c.set(WHITE);
    if (scale == "minutes") {
        marks(c, centre, outer - band * 0.35, outer - band * 0.1, std::max(1.0, band * 0.05), every(6));
        marks(c, centre, outer - band * 0.5, outer - band * 0.1, std::max(1.6, band * 0.09), every(30));
        for (int m = 5; m < 60; m += 5) c.text(std::to_string(m), polar(centre, inner + band * 0.3, m * 6), band * 0.3, Font::sans_bold, WHITE);
        c.set(colour_named("orange"));
        triangle(c, polar(centre, inner + band * 0.05, 0), band * 0.45, 180);
    } else if (scale == "bank") {
        // 10, 20, 30, 45, 60 and 90 degrees each side of the zero (at twelve, or at=DEG).
        const double zero = o.number("at", 0);
        std::vector<double> small, large;
        for (double a : {10.0, 20.0, 45.0}) small.push_back(zero + a), small.push_back(zero - a);
        for (double a : {30.0, 60.0, 90.0}) large.push_back(zero + a), large.push_back(zero - a);
        marks(c, centre, inner + band * 0.15, inner + band * 0.45, std::max(1.4, band * 0.06), small);
        marks(c, centre, inner + band * 0.15, inner + band * 0.7, std::max(2.0, band * 0.09), large);
        triangle(c, polar(centre, inner + band * 0.1, zero), band * 0.5, zero + 180);
    } else {
        throw ArtError("unknown bezel scale '" + scale + "' (minutes, bank)");
    }
}

void paint_heading_strip(Canvas& c, const Job& job) {
    // The magnetic compass's card seen edge on: the strip moves so that the window (window=N,
    // the gauge's width) shows a heading in its middle; headings grow to the left, as on a
    // real card read from behind.
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const int window = static_cast<int>(o.number("window", h));
    job.strip_window = window;
    const double per_degree = (w - window) / 360.0, zero = w - window / 2.0;  // heading 0 at the right
    cairo_t* cr = c.cr();
    c.set(WHITE);
    const double size = h * 0.28;
    for (int d = -90; d <= 450; d += 5) {
        const double x = zero - d * per_degree;
        if (x < -size || x > w + size) continue;
        const double len = d % 30 == 0 ? h * 0.3 : d % 10 == 0 ? h * 0.22 : h * 0.14;
        cairo_rectangle(cr, x - 0.75, 2, 1.5, len);
        cairo_fill(cr);
        if (d % 30 == 0) c.text(heading_name(d), {x, h * 0.62}, d % 90 == 0 ? size * 1.15 : size, Font::sans_bold, WHITE);
    }
}

void layer_aircraft(Canvas& c, const Job&, const Options& o) {
    // The fixed aircraft symbol: `wings` (an attitude symbol: two wing bars and a dot) or
    // `plan` (a small aeroplane seen from above).
    const Point at = o.point("at", {});
    const double span = o.number("span", 60);
    const Colour colour = option_colour(o, "colour", colour_named("amber"));
    const std::string style = o.text("style", "wings");
    cairo_t* cr = c.cr();
    c.set(colour);
    if (style == "wings") {
        const double t = std::max(2.0, span * 0.04), gap = span * 0.12;
        cairo_rectangle(cr, at.x - span / 2, at.y - t / 2, span / 2 - gap, t);
        cairo_rectangle(cr, at.x + gap, at.y - t / 2, span / 2 - gap, t);
        cairo_fill(cr);
        cairo_rectangle(cr, at.x - gap - t / 2, at.y - t / 2, t, t * 2.2);
        cairo_rectangle(cr, at.x + gap - t / 2, at.y - t / 2, t, t * 2.2);
        cairo_fill(cr);
        c.circle(at, t * 0.9);
        cairo_fill(cr);
    } else if (style == "plan") {
        const double t = std::max(1.5, span * 0.07);
        cairo_rectangle(cr, at.x - t / 2, at.y - span * 0.45, t, span * 0.9);   // fuselage
        cairo_rectangle(cr, at.x - span / 2, at.y - span * 0.12, span, t);      // wings
        cairo_rectangle(cr, at.x - span * 0.2, at.y + span * 0.35, span * 0.4, t);  // tail
        cairo_fill(cr);
    } else {
        throw ArtError("unknown aircraft style '" + style + "' (wings, plan)");
    }
}

void layer_ticks(Canvas& c, const Job&, const Options& o) {
    // Fixed marks round a centre: every `step` degrees from `from` to `to`.
    c.set(option_colour(o, "colour", WHITE));
    marks(c, o.point("at", {}), o.number("inner", 90), o.number("outer", 100), o.number("width", 2),
          every(o.number("step", 45), o.number("from", 0), o.number("to", 360)));
}

void layer_triangle(Canvas& c, const Job&, const Options& o) {
    const std::string pointing = o.text("pointing", "up");
    const double towards = pointing == "up" ? 0 : pointing == "right" ? 90 : pointing == "down" ? 180 : pointing == "left" ? 270 : -1;
    if (towards < 0) throw ArtError("pointing must be up, right, down or left");
    c.set(option_colour(o, "colour", WHITE));
    triangle(c, o.point("at", {}), o.number("size", 8), towards);
}

}  // namespace artwork
