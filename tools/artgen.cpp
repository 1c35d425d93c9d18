// artgen: paints a module's bitmaps from its art file and its records.
//
//   artgen [--preview DIR] MODULE.art RECORDS.so|- OUT_DIR
//   artgen --kinds
//   artgen --uses RECORDS.so
//
// Writes OUT_DIR/<id>.bmp for every bitmap, OUT_DIR/<id>.strip for each strip that needs its
// own window, OUT_DIR/resources.rc (the Windows build's resource script) and
// OUT_DIR/resources.bin (the Linux build's resource table). RECORDS.so is the module built
// without resources; "-" paints from the art file alone. --preview also writes each picture
// as a PNG, with the colour key shown in slate blue, and all of them on sheet.png. --kinds
// lists what the art files can say; --uses lists every bitmap the records draw, and where. assets/README.md describes the art files.
#include <cairo.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "tools/artwork/art_file.h"
#include "tools/artwork/encode.h"
#include "tools/artwork/painter.h"
#include "tools/artwork/records.h"
#include "tools/click_sound.h"

namespace fs = std::filesystem;
using namespace artwork;

namespace {

void write_file(const fs::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw ArtError("cannot write " + path.string());
}

// A picture as a cairo surface, the key shown in slate blue.
cairo_surface_t* preview_surface(const Picture& picture) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const Rgb p = picture.at(x, y) == KEY ? Rgb{70, 90, 120} : picture.at(x, y);
            reinterpret_cast<std::uint32_t*>(data + y * stride)[x] = std::uint32_t(p.r) << 16 | p.g << 8 | p.b;
        }
    cairo_surface_mark_dirty(s);
    return s;
}

void write_png(cairo_surface_t* s, const fs::path& path) {
    if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS) throw ArtError("cannot write " + path.string());
}

// Every picture of the art file on one sheet, in rows, each under its id.
void write_sheet(const fs::path& path, const std::vector<std::pair<std::uint32_t, Picture>>& pictures) {
    constexpr int WIDTH = 1400, GAP = 8, LABEL = 14;
    int x = GAP, y = GAP, row = 0, height = GAP;
    std::vector<Point> places;
    for (const auto& [id, pic] : pictures) {
        if (x + pic.width > WIDTH && x > GAP) x = GAP, y += row + LABEL + GAP, row = 0;
        places.push_back({double(x), double(y)});
        x += std::max(pic.width, 40) + GAP;
        row = std::max(row, pic.height);
        height = y + row + LABEL + GAP;
    }
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, WIDTH, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_paint(cr);
    cairo_set_font_size(cr, 11);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        cairo_surface_t* s = preview_surface(pictures[i].second);
        cairo_set_source_surface(cr, s, places[i].x, places[i].y + LABEL);
        cairo_paint(cr);
        cairo_surface_destroy(s);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_move_to(cr, places[i].x, places[i].y + LABEL - 3);
        cairo_show_text(cr, std::to_string(pictures[i].first).c_str());
    }
    cairo_destroy(cr);
    write_png(sheet, path);
    cairo_surface_destroy(sheet);
}

// Bitmaps the records draw that the art file does not paint.
void report_missing(const ArtFile& art, const Records& records, const std::set<std::uint32_t>& drawn) {
    for (std::uint32_t id : drawn)
        if (!art.find(id))
            std::cout << art.name << ": note: bitmap " << id << " is drawn by "
                      << records.uses(id).front().gauge << " but the art file does not paint it\n";
}

const char* kind_name(UINT32 kind) {
    static const char* names[] = {"static", "needle", "string", "slider", "icon", "moving", "sprite"};
    return kind < std::size(names) ? names[kind] : "?";
}

// What the records say about every bitmap, one use a line: the art file's author's view.
void print_uses(const Records& records) {
    for (std::uint32_t id : records.ids())
        for (const ElementUse& u : records.uses(id)) {
            std::cout << id << " " << u.gauge << " #" << u.order << " " << kind_name(u.kind) << " at " << u.position.x
                      << "," << u.position.y << " ofs " << u.ofs.x << "," << u.ofs.y << " flags 0x" << std::hex
                      << u.image_flags << std::dec;
            if (u.kind == ELEMENT_TYPE_ICON) std::cout << " picture " << u.picture << "/" << u.picture_count;
            if (u.kind == ELEMENT_TYPE_MOVING_IMAGE)
                std::cout << " x " << u.min_x << ".." << u.max_x << (u.moves_x ? " moving" : "") << " y " << u.min_y
                          << ".." << u.max_y << (u.moves_y ? " moving" : "");
            if (!u.table.empty()) {
                std::cout << " table radius " << NeedleGeometry::of(u).radius();
            }
            std::cout << "\n";
        }
}

int run(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "--uses") {
        print_uses(Records::load(args[1]));
        return 0;
    }
    fs::path preview;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--preview" && i + 1 < args.size()) preview = args[++i];
        else rest.push_back(args[i]);
    }
    if (rest.size() != 3) {
        std::cerr << "usage: artgen [--preview DIR] MODULE.art RECORDS.so|- OUT_DIR\n"
                     "       artgen --kinds\n       artgen --uses RECORDS.so\n";
        return 2;
    }
    const fs::path art_path = rest[0], out_dir = rest[2];
    std::ifstream in(art_path);
    if (!in) throw ArtError("cannot read " + art_path.string());
    const ArtFile art = parse_art_file(in, art_path.filename().string());
    const Records records = rest[1] == "-" ? Records{} : Records::load(rest[1]);
    fs::create_directories(out_dir);
    if (!preview.empty()) fs::create_directories(preview);

    std::vector<Resource> resources;
    std::vector<std::pair<std::uint32_t, Picture>> previews;
    for (const BitmapSpec& spec : art.bitmaps) {
        const Job job{spec, art, records, records.uses(spec.id)};
        const Painted painted = paint(job);
        for (const std::string& note : std::set<std::string>(job.notes.begin(), job.notes.end()))
            std::cout << where(art.name, spec.line) << "note: bitmap " << spec.id << ": " << note << "\n";
        auto dib = encode_dib(painted.picture, spec.bpp);
        const fs::path file = out_dir / (std::to_string(spec.id) + ".bmp");
        write_file(file, bmp_file(dib));
        resources.push_back({"BITMAP", spec.id, std::move(dib), file});
        if (painted.strip_window) {
            const fs::path strip = out_dir / (std::to_string(spec.id) + ".strip");
            resources.push_back({"STRIP", spec.id, strip_resource(*painted.strip_window), strip});
            write_file(strip, resources.back().bytes);
        }
        if (!preview.empty()) {
            cairo_surface_t* s = preview_surface(painted.picture);
            write_png(s, preview / (std::to_string(spec.id) + ".png"));
            cairo_surface_destroy(s);
            previews.emplace_back(spec.id, painted.picture);
        }
    }
    if (!preview.empty()) write_sheet(preview / "sheet.png", previews);
    for (const WaveLine& wave : art.waves) {
        const fs::path file = out_dir / (std::to_string(wave.id) + ".wav");
        resources.push_back({"WAVE", wave.id, clicks::wave_resource(wave, art.name), file});
        write_file(file, resources.back().bytes);
    }
    report_missing(art, records, records.ids());
    write_file(out_dir / "resources.bin", resource_table_blob(resources));
    const std::string script = resource_script(resources, art.name);
    write_file(out_dir / "resources.rc", {script.begin(), script.end()});
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    int status = 1;
    try {
        if (args.size() == 1 && args[0] == "--kinds") {
            std::cout << kinds_help();
            status = 0;
        } else {
            status = run(args);
        }
    } catch (const std::exception& e) {
        std::cerr << "artgen: " << e.what() << "\n";
    }
    release_fonts();
    return status;
}
