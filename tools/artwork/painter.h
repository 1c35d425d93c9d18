// Painting one bitmap: its kind paints the base, its layers are drawn over it in order. The
// painters find the geometry they must fit in the module's records (or, until the elements
// exist, in the art file).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/artwork/art_file.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/records.h"

namespace artwork {

// What a painter knows about the bitmap it paints.
struct Job {
    const BitmapSpec& spec;
    const ArtFile& art;
    const Records& records;
    std::vector<ElementUse> uses;  // the elements drawing this bitmap
    // What painting found out: things the art file's author should know, and the window a
    // strip needs when it is not the default.
    mutable std::vector<std::string> notes;
    mutable std::optional<int> strip_window;

    // Keyed unless a background's flags ask for an opaque picture (or the art says
    // `opaque`): pure black is then the key.
    bool keyed() const;
    // Where this bitmap sits on its gauge when it is the background (the records place
    // every other element in the gauge's pixels).
    Point origin() const;
    // The uses of one kind, in chain order.
    std::vector<ElementUse> uses_of(UINT32 kind) const;
    // The size of another bitmap of the art file (for layers that frame an icon or drum).
    Point size_of(std::uint32_t id) const;
};

// A layer's setting, or the bitmap line's when the layer does not give it: the options that
// hold `name`.
const Options& setting(const Job& job, const Options& layer, const std::string& name);

// A needle's geometry on a bitmap: the middle of its centre pixel and its table (points as
// the records give them, angles filled in).
struct NeedleGeometry {
    Point centre;
    std::vector<NONLINEARITY> table;
    // A needle element's geometry on a bitmap placed at `origin` on the gauge.
    static NeedleGeometry of(const ElementUse& use, Point origin = {});
    // The angle for a needle value, by the host's rule (no table: the value is the angle).
    double angle(double value) const;
    // The radius of the table's points (their median distance from the centre).
    double radius() const;
};

// The needle a layer names with needle=ID[:N]: the N-th element drawing ID in the records,
// else centre= and table=V:X,Y;... of the layer (or of the bitmap line).
NeedleGeometry needle_of(const Job& job, const Options& layer);

// The round face of a dial bitmap: `face=X,Y,R` or the bitmap's centre and fitting radius.
struct Face {
    Point centre;
    double outer = 0;  // outer edge of the bezel
    double radius = 0; // the face inside the bezel
};
Face face_of(const BitmapSpec& spec, const Options& options);

// A box on the bitmap: at=X,Y size=WxH, or the place of the icon or drum named by icon=ID
// (its position in the records, its size from the art file).
struct Box {
    double x = 0, y = 0, w = 0, h = 0;
    Point centre() const { return {x + w / 2, y + h / 2}; }
};
Box box_of(const Job& job, const Options& options);

// A screw head, for plates and cases.
void draw_screw(const Canvas& c, Point at, double r);

// Painters of kinds and layers, each in the file of its family.
void paint_dial(Canvas&, const Job&);
void paint_glass(Canvas&, const Job&);
void paint_needle(Canvas&, const Job&);
void paint_knob(Canvas&, const Job&);
void paint_panel(Canvas&, const Job&);
void paint_blank(Canvas&, const Job&);
void paint_lamp(Canvas&, const Job&);
void paint_flag(Canvas&, const Job&);
void paint_drum(Canvas&, const Job&);
void paint_digit(Canvas&, const Job&);
void paint_toggle(Canvas&, const Job&);
void paint_rotary(Canvas&, const Job&);
void paint_handle(Canvas&, const Job&);
void paint_button(Canvas&, const Job&);
void paint_winbutton(Canvas&, const Job&);
void paint_transport(Canvas&, const Job&);
void paint_hat(Canvas&, const Job&);
void paint_sphere(Canvas&, const Job&);
void paint_pitchcard(Canvas&, const Job&);
void paint_card(Canvas&, const Job&);
void paint_bezel(Canvas&, const Job&);
void paint_heading_strip(Canvas&, const Job&);

void layer_scale(Canvas&, const Job&, const Options&);
void layer_arc(Canvas&, const Job&, const Options&);
void layer_mark(Canvas&, const Job&, const Options&);
void layer_text(Canvas&, const Job&, const Options&);
void layer_window(Canvas&, const Job&, const Options&);
void layer_lamp(Canvas&, const Job&, const Options&);
void layer_flag(Canvas&, const Job&, const Options&);
void layer_knob(Canvas&, const Job&, const Options&);
void layer_ring(Canvas&, const Job&, const Options&);
void layer_tube(Canvas&, const Job&, const Options&);
void layer_aircraft(Canvas&, const Job&, const Options&);
void layer_triangle(Canvas&, const Job&, const Options&);
void layer_ticks(Canvas&, const Job&, const Options&);
void layer_button(Canvas&, const Job&, const Options&);
void layer_keys(Canvas&, const Job&, const Options&);
void layer_box(Canvas&, const Job&, const Options&);
void layer_screw(Canvas&, const Job&, const Options&);

struct Painted {
    Picture picture;
    std::optional<int> strip_window;  // a "STRIP" resource's window, when the strip needs one
};

// Paints a bitmap: its kind, then its layers; throws ArtError naming the line at fault.
Painted paint(const Job& job);

// The kinds and layers with a line on each, for `artgen --kinds`.
std::string kinds_help();

}  // namespace artwork
