// An art file: one line per bitmap (id, size, colour depth, kind, options), each followed by
// its indented layer lines. assets/README.md describes the format.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace artwork {

// A fault in an art file, or a picture that its records cannot support; the message names
// the line.
struct ArtError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Point {
    double x = 0, y = 0;
};

struct Range {
    double from = 0, to = 0, step = 1;
    // The values from..to in steps (the end included when it falls on a step).
    std::vector<double> values() const;
};

// The words after the kind: NAME=VALUE settings, bare words (flags) and quoted texts. A
// painter asks for what it understands; whatever no one asked for is reported as unknown.
class Options {
public:
    void add_word(const std::string& word);
    void add_text(const std::string& text) { texts_.push_back(text); }

    bool has(const std::string& name) const;
    bool flag(const std::string& name) const;  // a bare word
    std::string text(const std::string& name, const std::string& fallback = "") const;
    double number(const std::string& name, double fallback) const;
    Point point(const std::string& name, Point fallback) const;
    Point size(const std::string& name, Point fallback) const;  // WxH
    Range range(const std::string& name) const;                  // FROM:TO[:STEP]
    std::vector<std::string> list(const std::string& name) const;  // ';'-separated
    // The quoted texts, in order (the first is the legend of a text layer).
    const std::vector<std::string>& texts() const {
        texts_used_ = true;
        return texts_;
    }
    // Names given but never asked for.
    std::vector<std::string> unused() const;

private:
    Point pair(const std::string& name, Point fallback, char separator, const char* form) const;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> texts_;
    mutable std::set<std::string> used_;
    mutable bool texts_used_ = false;
};

struct Layer {
    std::string kind;
    Options options;
    int line = 0;
};

struct BitmapSpec {
    std::uint32_t id = 0;
    int width = 0, height = 0;
    int bpp = 24;
    std::string kind;
    Options options;
    std::vector<Layer> layers;
    int line = 0;
};

// A sound: `wave ID RATE BITS KIND [OPTION=VALUE]...`, a "WAVE" resource of mono PCM.
struct WaveLine {
    std::uint32_t id = 0;
    unsigned rate = 22050;
    unsigned bits = 16;
    std::string kind;
    Options options;
    int line = 0;
};

struct ArtFile {
    std::string name;  // for messages
    std::vector<BitmapSpec> bitmaps;
    std::vector<WaveLine> waves;
    const BitmapSpec* find(std::uint32_t id) const;
};

ArtFile parse_art_file(std::istream& in, const std::string& name);

// "file:line: " for messages.
std::string where(const std::string& file, int line);

}  // namespace artwork
