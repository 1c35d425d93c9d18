#include "tools/artwork/painter.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "host/needle_math.h"

namespace artwork {

namespace {

template <typename Painter>
struct Entry {
    const char* name;
    Painter paint;
    const char* what;
};
using KindEntry = Entry<void (*)(Canvas&, const Job&)>;
using LayerEntry = Entry<void (*)(Canvas&, const Job&, const Options&)>;

// The entry of a table with that name, or null.
template <typename Table>
auto entry_named(const Table& table, const std::string& name) -> decltype(&table[0]) {
    for (const auto& e : table)
        if (name == e.name) return &e;
    return nullptr;
}

const KindEntry KINDS[] = {
    {"dial", paint_dial, "a round instrument face on its case: face=X,Y,R, case=round|square"},
    {"glass", paint_glass, "key black with the bezel ring and a thin reflection: face=X,Y,R"},
    {"needle", paint_needle, "a pointer from its pivot to three o'clock: style=pointer|bar|hand|arrow|index|triangle, colour=, reach=, pivot="},
    {"knob", paint_knob, "a knurled knob turned as a needle, its index at three o'clock: colour="},
    {"panel", paint_panel, "a rectangular plate: colour=, screws"},
    {"blank", paint_blank, "all key black: an invisible picture"},
    {"lamp", paint_lamp, "a lit lamp: colour=, text=, shape=round|square|chevron-up|chevron-down|ring"},
    {"flag", paint_flag, "a warning flag: text=, colour=, striped"},
    {"drum", paint_drum, "a vertical digit strip: digits=, order=normal|reversed, font=, colour=, window="},
    {"digit", paint_digit, "one fixed figure or a decimal point: text=, font=, colour="},
    {"toggle", paint_toggle, "a toggle lever: position=up|down|left|right, pivot=X,Y, length="},
    {"rotary", paint_rotary, "a selector knob with its pointer at angle= (clockwise from twelve)"},
    {"handle", paint_handle, "a lever's grip: style=t|wheel|ball, x=, y= (grip), from= (slot), text=, colour="},
    {"button", paint_button, "a push button: text=, lit, colour="},
    {"winbutton", paint_winbutton, "a panel-window button: text="},
    {"transport", paint_transport, "a player key: symbol=play|pause|next|previous|folder, pressed, colour="},
    {"sphere", paint_sphere, "an attitude sphere: sky, ground, pitch lines and a heading band: pitch_scale= heading_scale= ladder="},
    {"pitchcard", paint_pitchcard, "a standby horizon's pitch card: pitch_scale="},
    {"card", paint_card, "a compass card (a sprite that turns): face=COLOUR, size=, marks="},
    {"bezel", paint_bezel, "a ring with marks: scale=minutes|bank, centre=, outer=, inner=, colour=, at= (the bank scale's zero)"},
    {"heading_strip", paint_heading_strip, "the magnetic compass's moving card: window= (px of it seen)"},
    {"hat", paint_hat, "a four-way switch's knob in its boot: direction=none|up|down|left|right, centre=X,Y, travel="},
};

const LayerEntry LAYERS[] = {
    {"scale", layer_scale, "ticks and numerals of a needle: needle=ID[:N] major= minor= numerals= divide= labels=V:TEXT;... factor= offset= radius= length= size= numeral_radius= font= colour= (centre= table= until the needle exists)"},
    {"arc", layer_arc, "a coloured band along a scale: needle= from= to= colour= width="},
    {"mark", layer_mark, "a radial limit line on a scale: needle= at= colour="},
    {"text", layer_text, "a legend: \"TEXT\" at=X,Y size= colour= font= rotate= align=left|right"},
    {"window", layer_window, "a recessed black window: at=X,Y size=WxH, or icon=ID, or drum=ID (one over each drum of that strip)"},
    {"lamp", layer_lamp, "a dark lamp lens: at=X,Y size=WxH or icon=ID (or a column: x= rows=Y;Y;... size=), colour=, shape="},
    {"flag", layer_flag, "a warning flag: at=X,Y size=WxH or icon=ID, \"WORD\", colour=, striped"},
    {"knob", layer_knob, "a knob base with its ring: at=X,Y radius="},
    {"ring", layer_ring, "a circle, a sub-dial's edge: at=X,Y radius= colour= fill= line="},
    {"button", layer_button, "an unlit push button: at=X,Y size=WxH or icon=ID, \"LEGEND\""},
    {"keys", layer_keys, "a grid of keys: at=X,Y size=WxH grid=COLSxROWS labels=A;B;... gap="},
    {"tube", layer_tube, "an inclinometer tube: at=X,Y (ball's middle) travel= ball= rise="},
    {"aircraft", layer_aircraft, "a fixed aircraft symbol: at=X,Y span= style=wings|plan colour="},
    {"ticks", layer_ticks, "fixed radial marks: at=X,Y inner= outer= step=DEG from= to= width= colour="},
    {"triangle", layer_triangle, "a small pointer: at=X,Y (its tip) size= pointing=up|right|down|left colour="},
    {"box", layer_box, "a rectangle: at=X,Y size=WxH colour= [line=W] [fill=]"},
    {"screw", layer_screw, "a screw head: at=X,Y [radius=]"},
};

void reject_unused(const Options& options) {
    const auto unused = options.unused();
    if (unused.empty()) return;
    std::string list;
    for (const auto& u : unused) list += (list.empty() ? "" : ", ") + u;
    throw ArtError("not understood here: " + list);
}

}  // namespace

bool Job::keyed() const {
    if (spec.options.flag("opaque")) return false;
    for (const auto& use : uses)
        if (use.order == 0 && !use.keyed()) return false;
    return true;
}

Point Job::origin() const {
    for (const auto& use : uses)
        if (use.order == 0) return {double(use.position.x), double(use.position.y)};
    return {0, 0};
}

std::vector<ElementUse> Job::uses_of(UINT32 kind) const {
    std::vector<ElementUse> out;
    for (const auto& use : uses)
        if (use.kind == kind) out.push_back(use);
    return out;
}

Point Job::size_of(std::uint32_t id) const {
    const BitmapSpec* other = art.find(id);
    if (!other) throw ArtError("bitmap " + std::to_string(id) + " is not in the art file");
    return {double(other->width), double(other->height)};
}

double NeedleGeometry::angle(double value) const { return host::needle_angle(table.data(), table.size(), value); }

NeedleGeometry NeedleGeometry::of(const ElementUse& use, Point origin) {
    NeedleGeometry g{{use.position.x + 0.5 - origin.x, use.position.y + 0.5 - origin.y}, use.table};
    for (auto& e : g.table) e.pt = {e.pt.x - static_cast<SINT32>(origin.x), e.pt.y - static_cast<SINT32>(origin.y)};
    return g;
}

double NeedleGeometry::radius() const {
    std::vector<double> r;
    for (const auto& e : table) r.push_back(std::hypot(e.pt.x + 0.5 - centre.x, e.pt.y + 0.5 - centre.y));
    if (r.empty()) return 0;
    std::sort(r.begin(), r.end());
    return r[r.size() / 2];
}

const Options& setting(const Job& job, const Options& layer, const std::string& name) {
    return layer.has(name) ? layer : job.spec.options;
}

NeedleGeometry needle_of(const Job& job, const Options& layer_options) {
    const std::string name = setting(job, layer_options, "needle").text("needle");
    if (name.empty()) throw ArtError("needle=ID is missing");
    const auto colon = name.find(':');
    const auto id = static_cast<std::uint32_t>(std::stoul(name.substr(0, colon)));
    const std::size_t nth = colon == std::string::npos ? 0 : std::stoul(name.substr(colon + 1));
    std::vector<ElementUse> needles;
    for (const auto& use : job.records.uses(id))
        if (use.kind == ELEMENT_TYPE_NEEDLE && use.background_id == static_cast<std::int32_t>(job.spec.id)) needles.push_back(use);
    const Options& layer = setting(job, layer_options, "table");
    const bool explicit_geometry = layer.has("centre") || layer.has("table");
    if (nth < needles.size()) {
        if (explicit_geometry)
            job.notes.push_back("needle " + name + " is in the records: its centre= and table= here are not needed");
        // The records place the needle on the gauge; this bitmap may sit elsewhere on it.
        return NeedleGeometry::of(needles[nth], job.origin());
    }
    if (!explicit_geometry)
        throw ArtError("needle " + name + " is not in the records: give its centre=X,Y and table=VALUE:X,Y;...");
    NeedleGeometry g;
    const Point centre = layer.point("centre", {});
    g.centre = {centre.x + 0.5, centre.y + 0.5};
    for (const std::string& entry : layer.list("table")) {
        const auto c = entry.find(':'), comma = entry.find(',');
        if (c == std::string::npos || comma == std::string::npos || comma < c)
            throw ArtError("table entry '" + entry + "' is not VALUE:X,Y");
        NONLINEARITY n{};
        n.value = std::stod(entry.substr(0, c));
        n.pt = {std::stoi(entry.substr(c + 1, comma - c - 1)), std::stoi(entry.substr(comma + 1))};
        g.table.push_back(n);
    }
    host::compute_table_angles(g.table.data(), g.table.size(),
                               {static_cast<SINT32>(centre.x), static_cast<SINT32>(centre.y)});
    return g;
}

Face face_of(const BitmapSpec& spec, const Options& options) {
    Face f;
    const double outer = std::min(spec.width, spec.height) / 2.0 - 0.5;
    if (options.has("face")) {
        const auto v = options.text("face");
        double x = 0, y = 0, r = 0;
        char c1 = 0, c2 = 0;
        std::istringstream in(v);
        if (!(in >> x >> c1 >> y >> c2 >> r) || c1 != ',' || c2 != ',') throw ArtError("face: expected X,Y,R");
        f.centre = {x, y};
        f.outer = r;
    } else {
        f.centre = {spec.width / 2.0, spec.height / 2.0};
        f.outer = outer;
    }
    f.radius = f.outer - std::max(3.0, f.outer * 0.075);
    return f;
}

Box box_of(const Job& job, const Options& options) {
    if (options.has("icon")) {
        const auto id = static_cast<std::uint32_t>(options.number("icon", 0));
        const Point size = job.size_of(id);
        const Point origin = job.origin();
        for (const auto& use : job.records.uses(id))
            if (use.background_id == static_cast<std::int32_t>(job.spec.id)) {
                if (options.has("at")) job.notes.push_back("icon " + std::to_string(id) + " is in the records: at= is not needed");
                return {use.position.x - origin.x, use.position.y - origin.y, size.x, size.y};
            }
        if (!options.has("at")) throw ArtError("icon " + std::to_string(id) + " is not in the records: give at=X,Y");
        const Point at = options.point("at", {});
        return {at.x, at.y, size.x, size.y};
    }
    if (!options.has("at") || !options.has("size")) throw ArtError("give at=X,Y and size=WxH (or icon=ID)");
    const Point at = options.point("at", {}), size = options.size("size", {});
    return {at.x, at.y, size.x, size.y};
}

Painted paint(const Job& job) {
    const BitmapSpec& spec = job.spec;
    Canvas canvas(spec.width, spec.height);
    try {
        const KindEntry* kind = entry_named(KINDS, spec.kind);
        if (!kind) throw ArtError("unknown kind '" + spec.kind + "' (artgen --kinds lists them)");
        kind->paint(canvas, job);
    } catch (const std::exception& e) {
        throw ArtError(where(job.art.name, spec.line) + "bitmap " + std::to_string(spec.id) + ": " + e.what());
    }
    for (const Layer& layer : spec.layers) {
        try {
            const LayerEntry* entry = entry_named(LAYERS, layer.kind);
            if (!entry) throw ArtError("unknown layer '" + layer.kind + "' (artgen --kinds lists them)");
            entry->paint(canvas, job, layer.options);
            reject_unused(layer.options);
        } catch (const std::exception& e) {
            throw ArtError(where(job.art.name, layer.line) + layer.kind + ": " + e.what());
        }
    }
    try {
        job.keyed();  // 'opaque' is understood by every kind
        reject_unused(spec.options);
    } catch (const std::exception& e) {
        throw ArtError(where(job.art.name, spec.line) + "bitmap " + std::to_string(spec.id) + ": " + e.what());
    }
    return {canvas.picture(job.keyed()), job.strip_window};
}

std::string kinds_help() {
    std::ostringstream out;
    out << "kinds (the word after the colour depth):\n";
    for (const auto& k : KINDS) out << "  " << k.name << ": " << k.what << "\n";
    out << "layers (indented lines under a bitmap):\n";
    for (const auto& l : LAYERS) out << "  " << l.name << ": " << l.what << "\n";
    out << "every picture: opaque (no colour key)\n";
    return out.str();
}

}  // namespace artwork
