// Controls of the small modules: the landing light's four-way switch and the music player's
// transport buttons.
#include <algorithm>
#include <cmath>

#include "tools/artwork/painter.h"

namespace artwork {

namespace {

// A transport symbol in a square of side `s` about `c`.
void draw_symbol(const Canvas& canvas, const std::string& symbol, Point c, double s, Colour colour) {
    cairo_t* cr = canvas.cr();
    canvas.set(colour);
    auto triangle = [&](double x, double dir) {  // pointing right (dir 1) or left (-1)
        cairo_move_to(cr, x - dir * s * 0.25, c.y - s * 0.3);
        cairo_line_to(cr, x + dir * s * 0.25, c.y);
        cairo_line_to(cr, x - dir * s * 0.25, c.y + s * 0.3);
        cairo_close_path(cr);
    };
    auto bar = [&](double x) { cairo_rectangle(cr, x - s * 0.05, c.y - s * 0.3, s * 0.1, s * 0.6); };
    if (symbol == "play") {
        // Play and stop in one button: a triangle and a square.
        triangle(c.x - s * 0.3, 1);
        cairo_rectangle(cr, c.x + s * 0.15, c.y - s * 0.22, s * 0.44, s * 0.44);
    } else if (symbol == "pause") {
        cairo_rectangle(cr, c.x - s * 0.25, c.y - s * 0.3, s * 0.17, s * 0.6);
        cairo_rectangle(cr, c.x + s * 0.08, c.y - s * 0.3, s * 0.17, s * 0.6);
    } else if (symbol == "next") {
        triangle(c.x - s * 0.22, 1);
        triangle(c.x + s * 0.1, 1);
        bar(c.x + s * 0.4);
    } else if (symbol == "previous") {
        bar(c.x - s * 0.4);
        triangle(c.x - s * 0.1, -1);
        triangle(c.x + s * 0.22, -1);
    } else if (symbol == "folder") {
        cairo_move_to(cr, c.x - s * 0.42, c.y - s * 0.25);
        cairo_line_to(cr, c.x - s * 0.12, c.y - s * 0.25);
        cairo_line_to(cr, c.x - s * 0.04, c.y - s * 0.15);
        cairo_line_to(cr, c.x + s * 0.42, c.y - s * 0.15);
        cairo_line_to(cr, c.x + s * 0.42, c.y + s * 0.28);
        cairo_line_to(cr, c.x - s * 0.42, c.y + s * 0.28);
        cairo_close_path(cr);
    } else {
        throw ArtError("unknown symbol '" + symbol + "' (play, pause, next, previous, folder)");
    }
    cairo_fill(cr);
}

}  // namespace

void paint_transport(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const bool pressed = o.flag("pressed");
    cairo_t* cr = c.cr();
    const double r = std::min(w, h) * 0.16, sink = pressed ? 2 : 0;
    // The key's edge, then its cap: raised and lit from above, or pressed in.
    c.set({0.05, 0.05, 0.06});
    c.rounded_rect(2, 2, w - 4, h - 4, r);
    cairo_fill(cr);
    const double top = pressed ? 0.18 : 0.36, bottom = pressed ? 0.24 : 0.16;
    c.rounded_rect(5, 4 + sink, w - 10, h - 10, r * 0.8);
    c.fill_linear({0, 4}, {0, h - 4}, {{0, {top, top, top + 0.01}}, {1, {bottom, bottom, bottom + 0.01}}});
    const Colour ink = pressed ? option_colour(o, "colour", colour_named("cyan")) : WHITE;
    draw_symbol(c, o.text("symbol"), {w / 2, h / 2 + sink}, std::min(w, h) * 0.55, ink);
}

void paint_hat(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const Point centre = o.point("centre", {w / 2, h / 2});
    const std::string direction = o.text("direction", "none");
    Point shift{0, 0};
    const double travel = o.number("travel", std::min(w, h) * 0.14);
    if (direction == "up") shift = {0, -travel};
    else if (direction == "down") shift = {0, travel};
    else if (direction == "left") shift = {-travel, 0};
    else if (direction == "right") shift = {travel, 0};
    else if (direction != "none") throw ArtError("direction must be none, up, down, left or right");
    cairo_t* cr = c.cr();
    const double boot = std::min(w, h) * 0.34, knob = std::min(w, h) * 0.2;
    // The rubber boot, its folds leaning towards the knob.
    c.set({0.12, 0.12, 0.13});
    c.circle(centre, boot);
    cairo_fill(cr);
    c.set({0.22, 0.22, 0.24});
    cairo_set_line_width(cr, 1.5);
    for (double k : {0.75, 0.5}) {
        c.circle({centre.x + shift.x * (1 - k), centre.y + shift.y * (1 - k)}, boot * k);
        cairo_stroke(cr);
    }
    const Point at{centre.x + shift.x, centre.y + shift.y};
    c.set(NEAR_BLACK);
    c.circle({at.x + 2, at.y + 3}, knob);
    cairo_fill(cr);
    c.circle(at, knob);
    c.fill_radial({at.x - knob * 0.3, at.y - knob * 0.3}, at, knob, {{0, {0.75, 0.76, 0.78}}, {1, {0.30, 0.31, 0.33}}});
}

}  // namespace artwork
