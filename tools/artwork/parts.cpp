// Panel hardware: plates, lamps, flags, digit drums, switches, buttons and the legends and
// windows painted on plates.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artwork/painter.h"

namespace artwork {

namespace {

constexpr double PI = std::numbers::pi;
const std::string DRUM_DIGITS = "01234567890";

// The lens of a lamp in its box, lit or dark.
void draw_lamp(const Canvas& c, const Box& b, Colour colour, bool lit, const std::string& shape, const std::string& text) {
    cairo_t* cr = c.cr();
    const Point centre = b.centre();
    const double r = std::min(b.w, b.h) / 2 - 0.5;
    const Colour glass = lit ? colour : colour.scaled(0.22);
    auto lens_path = [&](double inset) {
        if (shape == "round" || shape == "ring") {
            c.circle(centre, r - inset);
        } else if (shape == "square") {
            c.rounded_rect(b.x + 0.5 + inset, b.y + 0.5 + inset, b.w - 1 - 2 * inset, b.h - 1 - 2 * inset, r * 0.25);
        } else if (shape == "chevron-up" || shape == "chevron-down") {
            // A broad chevron pointing up (^) or down (v).
            const double s = shape == "chevron-up" ? 1 : -1, top = centre.y - s * (b.h / 2 - 1 - inset);
            const double arm = b.h * 0.42, half = b.w / 2 - 1 - inset;
            cairo_move_to(cr, centre.x, top);
            cairo_line_to(cr, centre.x + half, top + s * arm);
            cairo_line_to(cr, centre.x + half, top + s * (arm + b.h * 0.28));
            cairo_line_to(cr, centre.x, top + s * b.h * 0.28);
            cairo_line_to(cr, centre.x - half, top + s * (arm + b.h * 0.28));
            cairo_line_to(cr, centre.x - half, top + s * arm);
            cairo_close_path(cr);
        } else {
            throw ArtError("unknown lamp shape '" + shape + "' (round, square, ring, chevron-up, chevron-down)");
        }
    };
    if (shape == "round" || shape == "square") {
        // The lamp's bezel.
        c.set({0.30, 0.31, 0.33});
        lens_path(0);
        cairo_fill(cr);
        lens_path(std::max(1.0, r * 0.16));
    } else {
        lens_path(0);
    }
    const Colour hot = lit ? glass.mixed(WHITE, 0.55) : glass.mixed(WHITE, 0.12);
    if (shape == "ring") {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        c.circle(centre, r * 0.5);
    }
    c.fill_radial({centre.x - r * 0.25, centre.y - r * 0.25}, centre, r * 1.1, {{0, hot}, {1, glass}});
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    if (!text.empty()) {
        const double size = std::min(b.h * 0.34, (b.w - 4) / std::max<std::size_t>(2, text.size()) * 1.45);
        c.text(text, centre, size, Font::sans_narrow, lit ? Colour{0.08, 0.06, 0.04} : colour.scaled(0.5));
    }
}

// A push button's face in its box, its legend lit or not.
void draw_button(const Canvas& c, const Box& b, const std::string& legend, bool lit, Colour colour) {
    cairo_t* cr = c.cr();
    const double r = std::min(b.w, b.h) * 0.12;
    c.set({0.36, 0.37, 0.39});
    c.rounded_rect(b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, r);
    cairo_fill(cr);
    c.rounded_rect(b.x + 2, b.y + 2, b.w - 4, b.h - 4, r * 0.8);
    c.fill_linear({0, b.y}, {0, b.y + b.h}, {{0, {0.16, 0.165, 0.17}}, {1, {0.07, 0.07, 0.075}}});
    if (legend.empty()) return;
    const double size = std::min(b.h * 0.36, (b.w - 6) / std::max<std::size_t>(1, legend.size()) * 1.6);
    if (lit) {
        // The glow of the lit legend.
        c.rounded_rect(b.x + 2, b.y + 2, b.w - 4, b.h - 4, r * 0.8);
        c.fill_radial(b.centre(), b.centre(), b.w * 0.45, {{0, colour, 0.35}, {1, colour, 0.0}});
    }
    c.text(legend, b.centre(), size, Font::sans_bold, lit ? colour.mixed(WHITE, 0.3) : Colour{0.50, 0.51, 0.53});
}

// The largest size (up to 72 % of the cell's height) at which every one of the figures fits
// the cell's width.
double figure_size(const Canvas& c, const std::string& figures, double w, double h, Font font) {
    double widest = 0;
    for (char f : figures) widest = std::max(widest, c.text_width(std::string(1, f), 100, font) / 100);
    const double by_height = h * 0.72;
    return widest > 0 ? std::min(by_height, (w - 2) / widest) : by_height;
}

Box whole(const Job& job) { return {0, 0, double(job.spec.width), double(job.spec.height)}; }

std::string legend_of(const Options& o) {
    if (o.has("text")) return o.text("text");
    return o.texts().empty() ? "" : o.texts().front();
}

void draw_window(const Canvas& c, const Box& b) {
    cairo_t* cr = c.cr();
    c.set({0.30, 0.31, 0.33});
    cairo_rectangle(cr, b.x - 2, b.y - 2, b.w + 4, b.h + 4);
    cairo_fill(cr);
    c.set({0.015, 0.015, 0.02});
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
    cairo_fill(cr);
}

// The cells of a digit strip, top to bottom (before any reversal): digits= of the art line,
// else a short range in the records (0 to 3 rolls 0123, no repeated 0), else 0...9 and 0.
std::string strip_cells(const BitmapSpec& spec, const Records& records) {
    if (spec.options.has("digits")) return spec.options.text("digits");
    for (const auto& use : records.uses(spec.id)) {
        const double span = std::abs(use.max_y - use.min_y);
        if (use.kind == ELEMENT_TYPE_MOVING_IMAGE && span >= 1 && span <= 9 && span == std::floor(span)) {
            std::string cells;
            for (int d = 0; d <= static_cast<int>(span); ++d) cells += static_cast<char>('0' + d);
            return cells;
        }
    }
    return DRUM_DIGITS;
}

}  // namespace

void paint_panel(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    const Colour colour = option_colour(o, "colour", PANEL);
    const double w = job.spec.width, h = job.spec.height;
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, w, h);
    c.fill_linear({0, 0}, {0, h}, {{0, colour.mixed(WHITE, 0.06)}, {1, colour.scaled(0.8)}});
    // A bevelled edge: light above and left, dark below and right.
    cairo_set_line_width(cr, 1);
    c.set(colour.mixed(WHITE, 0.25));
    cairo_move_to(cr, 0.5, h - 0.5);
    cairo_line_to(cr, 0.5, 0.5);
    cairo_line_to(cr, w - 0.5, 0.5);
    cairo_stroke(cr);
    c.set(colour.scaled(0.45));
    cairo_move_to(cr, w - 0.5, 0.5);
    cairo_line_to(cr, w - 0.5, h - 0.5);
    cairo_line_to(cr, 0.5, h - 0.5);
    cairo_stroke(cr);
    if (o.flag("screws")) {
        const double r = std::clamp(std::min(w, h) * 0.035, 2.0, 5.0), inset = r * 2;
        for (Point p : {Point{inset, inset}, Point{w - inset, inset}, Point{inset, h - inset}, Point{w - inset, h - inset}})
            draw_screw(c, p, r);
    }
}

void paint_blank(Canvas&, const Job&) {}

void paint_lamp(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    draw_lamp(c, whole(job), option_colour(o, "colour", colour_named("amber")), true, o.text("shape", "round"), o.text("text"));
}

void layer_lamp(Canvas& c, const Job& job, const Options& o) {
    const Colour colour = option_colour(o, "colour", colour_named("amber"));
    const std::string shape = o.text("shape", "round"), legend = legend_of(o);
    if (!o.has("rows")) {
        draw_lamp(c, box_of(job, o), colour, false, shape, legend);
        return;
    }
    // A column of lamps: x= and one row of the list per lamp.
    const Point size = o.size("size", {8, 8});
    for (const std::string& row : o.list("rows"))
        draw_lamp(c, {o.number("x", 0), std::stod(row), size.x, size.y}, colour, false, shape, legend);
}

namespace {

// A warning flag in its box: red (or colour=), striped if asked, with its word.
void draw_flag(const Canvas& c, const Box& b, const Options& o, const std::string& text) {
    cairo_t* cr = c.cr();
    const Colour colour = option_colour(o, "colour", colour_named("red"));
    const bool striped = o.flag("striped");
    c.rounded_rect(b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, std::min(b.w, b.h) * 0.12);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    c.set(colour);
    cairo_fill(cr);
    if (striped) {
        c.set(WHITE);
        const double step = std::max(6.0, std::min(b.w, b.h) * 0.5);
        cairo_set_line_width(cr, step / 2);
        for (double x = b.x - b.h; x < b.x + b.w + b.h; x += step) {
            cairo_move_to(cr, x, b.y + b.h);
            cairo_line_to(cr, x + b.h, b.y);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    if (text.empty()) return;
    const double size = std::min(b.h * 0.55, (b.w - 4) / std::max<std::size_t>(1, text.size()) * 1.5);
    const double pad = size * 0.25, tw = c.text_width(text, size, Font::sans_bold);
    if (striped) {
        c.set(colour);
        cairo_rectangle(cr, b.centre().x - tw / 2 - pad, b.centre().y - size * 0.5 - pad, tw + 2 * pad, size + 2 * pad);
        cairo_fill(cr);
    }
    c.text(text, b.centre(), size, Font::sans_bold, WHITE);
}

}  // namespace

void paint_flag(Canvas& c, const Job& job) {
    draw_flag(c, whole(job), job.spec.options, job.spec.options.text("text"));
}

void layer_flag(Canvas& c, const Job& job, const Options& o) { draw_flag(c, box_of(job, o), o, legend_of(o)); }

void paint_drum(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    std::string cells = strip_cells(job.spec, job.records);
    const int n = static_cast<int>(cells.size());
    if (n < 2) throw ArtError("a strip needs at least two cells");
    if (job.spec.height % n != 0)
        throw ArtError(std::to_string(job.spec.height) + " px do not divide into " + std::to_string(n) + " cells");
    // The order follows the range: a range written from high to low reads bottom up.
    bool reversed = false;
    for (const auto& use : job.uses_of(ELEMENT_TYPE_MOVING_IMAGE)) reversed = reversed || use.max_y < use.min_y;
    if (o.has("order")) {
        const std::string order = o.text("order");
        if (order != "normal" && order != "reversed") throw ArtError("order must be normal or reversed");
        reversed = order == "reversed";
    }
    if (reversed) std::reverse(cells.begin(), cells.end());
    const double cell = double(job.spec.height) / n, w = job.spec.width;
    const Colour ink = option_colour(o, "colour", WHITE);
    const Font font = font_named(o.text("font", "bold"));
    c.fill_all({0.02, 0.02, 0.025});
    const double size = figure_size(c, cells, w, cell, font);
    for (int i = 0; i < n; ++i) c.text(std::string(1, cells[i]), {w / 2, cell * (i + 0.5)}, size, font, ink);
    if (o.has("window")) job.strip_window = static_cast<int>(o.number("window", 0));
    else if (n != static_cast<int>(DRUM_DIGITS.size())) job.strip_window = static_cast<int>(cell);
}

void paint_digit(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    const std::string text = o.text("text", "1");
    const Box b = whole(job);
    const Colour ink = option_colour(o, "colour", WHITE);
    c.fill_all({0.02, 0.02, 0.025});
    if (text == ".") {
        // On the drums' baseline.
        c.set(ink);
        c.circle({b.w / 2, b.h * 0.8}, std::clamp(b.w * 0.3, 1.0, b.h * 0.06));
        cairo_fill(c.cr());
        return;
    }
    const Font font = font_named(o.text("font", "bold"));
    c.text(text, b.centre(), figure_size(c, text, b.w, b.h, font), font, ink);
}

void paint_toggle(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const Point pivot = o.point("pivot", {w / 2, h / 2});
    const std::string position = o.text("position", "up");
    // The lever's direction on the picture: up, down, left or right of the pivot.
    Point dir;
    if (position == "up") dir = {0, -1};
    else if (position == "down") dir = {0, 1};
    else if (position == "left") dir = {-1, 0};
    else if (position == "right") dir = {1, 0};
    else throw ArtError("position must be up, down, left or right");
    const double room = dir.y < 0 ? pivot.y : dir.y > 0 ? h - pivot.y : dir.x < 0 ? pivot.x : w - pivot.x;
    const double across = dir.y != 0 ? w : h;
    const double reach = o.number("length", room - 3);
    cairo_t* cr = c.cr();
    // The mounting nut.
    const double nut = std::min(across * 0.3, reach * 0.45);
    c.set({0.42, 0.43, 0.45});
    c.circle(pivot, nut);
    cairo_fill(cr);
    c.set({0.12, 0.12, 0.13});
    c.circle(pivot, nut * 0.6);
    cairo_fill(cr);
    // The bat: a tapered chrome lever with a ball end, drawn pointing along +x and turned.
    const double ball = std::max(2.5, across * 0.14);
    cairo_save(cr);
    cairo_translate(cr, pivot.x, pivot.y);
    cairo_rotate(cr, std::atan2(dir.y, dir.x));
    cairo_move_to(cr, 0, -nut * 0.45);
    cairo_line_to(cr, reach - ball, -ball * 0.7);
    cairo_line_to(cr, reach - ball, ball * 0.7);
    cairo_line_to(cr, 0, nut * 0.45);
    cairo_close_path(cr);
    c.circle({reach - ball * 1.2, 0}, ball);
    c.fill_linear({0, -ball}, {0, ball}, {{0, {0.45, 0.46, 0.48}}, {0.35, {0.95, 0.95, 0.96}}, {1, {0.30, 0.31, 0.33}}});
    cairo_restore(cr);
}

void paint_rotary(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const Point centre{w / 2, h / 2};
    const double r = std::min(w, h) / 2 - 1;
    cairo_t* cr = c.cr();
    c.circle(centre, r);
    c.fill_radial({centre.x - r * 0.3, centre.y - r * 0.3}, centre, r, {{0, {0.32, 0.33, 0.35}}, {1, {0.07, 0.07, 0.08}}});
    // The pointer bar across the knob, its white end towards `angle` (clockwise from twelve).
    const double angle = o.number("angle", 0);
    const Point tip = polar(centre, r * 0.92, angle), tail = polar(centre, r * 0.6, angle + 180);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    c.set({0.02, 0.02, 0.025});
    cairo_set_line_width(cr, std::max(3.0, r * 0.42));
    cairo_move_to(cr, tail.x, tail.y);
    cairo_line_to(cr, tip.x, tip.y);
    cairo_stroke(cr);
    c.set(option_colour(o, "colour", WHITE));
    cairo_set_line_width(cr, std::max(1.2, r * 0.12));
    const Point mark = polar(centre, r * 0.3, angle);
    cairo_move_to(cr, mark.x, mark.y);
    cairo_line_to(cr, tip.x, tip.y);
    cairo_stroke(cr);
}

void paint_handle(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    const double w = job.spec.width, h = job.spec.height;
    const std::string style = o.text("style", "t");
    const double y = o.number("y", h / 2);  // the grip's height on the picture
    const double x = o.number("x", w / 2);
    const double from = o.number("from", y);  // where the lever's stem comes out
    const Colour colour = option_colour(o, "colour", style == "wheel" ? WHITE : colour_named("red"));
    cairo_t* cr = c.cr();
    // The stem, from the slot to the grip.
    c.set({0.55, 0.56, 0.58});
    const double stem = std::max(2.0, w * 0.08);
    cairo_rectangle(cr, x - stem / 2, std::min(from, y), stem, std::abs(from - y));
    cairo_fill(cr);
    if (style == "t") {
        const double gw = std::min(w - 4, w * 0.8), gh = std::max(6.0, h * 0.07);
        c.set(colour.scaled(0.55));
        c.rounded_rect(x - gw / 2, y - gh / 2 + 1, gw, gh, gh / 2);
        cairo_fill(cr);
        c.set(colour);
        c.rounded_rect(x - gw / 2, y - gh / 2, gw, gh - 1, gh / 2);
        cairo_fill(cr);
        const std::string text = o.text("text");
        if (!text.empty()) c.text(text, {x, y}, gh * 0.7, Font::sans_narrow, WHITE);
    } else if (style == "wheel" || style == "ball") {
        // A wheel-shaped grip (the gear lever) or a ball.
        const double r = std::min(w * 0.42, o.number("radius", w * 0.3));
        c.set(colour.scaled(0.6));
        c.circle({x, y}, r);
        cairo_fill(cr);
        c.set(colour);
        c.circle({x - r * 0.1, y - r * 0.1}, r * 0.85);
        cairo_fill(cr);
        if (style == "wheel") {
            c.set({0.15, 0.15, 0.16});
            c.circle({x - r * 0.1, y - r * 0.1}, r * 0.35);
            cairo_fill(cr);
        }
    } else {
        throw ArtError("unknown handle style '" + style + "' (t, wheel, ball)");
    }
}

void paint_button(Canvas& c, const Job& job) {
    const Options& o = job.spec.options;
    draw_button(c, whole(job), o.text("text"), o.flag("lit"), option_colour(o, "colour", colour_named("green")));
}

void layer_button(Canvas& c, const Job& job, const Options& o) {
    draw_button(c, box_of(job, o), legend_of(o), false, WHITE);
}

void paint_winbutton(Canvas& c, const Job& job) {
    const double w = job.spec.width, h = job.spec.height;
    const double inset = std::max(1.0, std::min(w, h) * 0.1);
    cairo_t* cr = c.cr();
    c.set({0.55, 0.56, 0.58});
    c.rounded_rect(inset - 1, inset - 1, w - 2 * inset + 2, h - 2 * inset + 2, 3);
    cairo_fill(cr);
    c.rounded_rect(inset, inset, w - 2 * inset, h - 2 * inset, 2);
    c.fill_linear({0, inset}, {0, h - inset}, {{0, {0.22, 0.23, 0.25}}, {1, {0.08, 0.08, 0.09}}});
    const std::string text = job.spec.options.text("text");
    const double room = w - 2 * inset - 1;
    const double size = std::min((h - 2 * inset) * 0.62, room / std::max<std::size_t>(1, text.size()) * 1.55);
    c.text(text, {w / 2, h / 2}, size, Font::sans_narrow, WHITE);
}

void layer_keys(Canvas& c, const Job& job, const Options& o) {
    const Box area = box_of(job, o);
    const Point grid = o.size("grid", {1, 1});
    const auto labels = o.list("labels");
    const int cols = static_cast<int>(grid.x), rows = static_cast<int>(grid.y);
    if (cols < 1 || rows < 1) throw ArtError("grid must be COLSxROWS");
    const double gap = o.number("gap", 2), kw = (area.w - gap * (cols - 1)) / cols, kh = (area.h - gap * (rows - 1)) / rows;
    for (int i = 0; i < cols * rows; ++i) {
        const Box key{area.x + (i % cols) * (kw + gap), area.y + (i / cols) * (kh + gap), kw, kh};
        draw_button(c, key, i < static_cast<int>(labels.size()) ? labels[i] : "", false, WHITE);
    }
}

void layer_text(Canvas& c, const Job&, const Options& o) {
    if (o.texts().empty()) throw ArtError("the text to write is missing (\"TEXT\")");
    const std::string align = o.text("align", "centre");
    const Align a = align == "left" ? Align::left : align == "right" ? Align::right : Align::centre;
    c.text(o.texts().front(), o.point("at", {}), o.number("size", 10), font_named(o.text("font", "bold")),
           option_colour(o, "colour", WHITE), a, o.number("rotate", 0));
}

void layer_window(Canvas& c, const Job& job, const Options& o) {
    if (!o.has("drum")) {
        draw_window(c, box_of(job, o));
        return;
    }
    // Around every drum of this gauge that rolls the named strip: one cell high.
    const auto id = static_cast<std::uint32_t>(o.number("drum", 0));
    const BitmapSpec* strip = job.art.find(id);
    if (!strip) throw ArtError("strip " + std::to_string(id) + " is not in the art file");
    const double cell = double(strip->height) / double(strip_cells(*strip, job.records).size());
    bool any = false;
    const Point at = job.origin();
    for (const auto& use : job.records.uses(id)) {
        if (use.background_id != static_cast<std::int32_t>(job.spec.id)) continue;
        draw_window(c, {use.position.x - at.x, use.position.y - at.y, double(strip->width), cell});
        any = true;
    }
    if (!any) throw ArtError("no drum of this gauge rolls strip " + std::to_string(id));
}

void layer_box(Canvas& c, const Job& job, const Options& o) {
    const Box b = box_of(job, o);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
    if (o.has("fill")) {
        c.set(colour_named(o.text("fill")));
        cairo_fill_preserve(cr);
    }
    c.set(option_colour(o, "colour", WHITE));
    cairo_set_line_width(cr, o.number("line", 1));
    cairo_stroke(cr);
}

}  // namespace artwork
