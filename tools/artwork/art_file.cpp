#include "tools/artwork/art_file.h"

#include <cctype>
#include <cmath>
#include <sstream>

namespace artwork {

namespace {

double parse_number(const std::string& text, const std::string& what) {
    std::size_t used = 0;
    double v = 0;
    try {
        v = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || !std::isfinite(v)) throw ArtError(what + ": '" + text + "' is not a number");
    return v;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

// Splits a line into words; a double-quoted text is one word (kept with its quotes so that
// it can be told from a bare word).
std::vector<std::string> words_of(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        std::string word;
        bool quoted = false;
        while (i < line.size() && (quoted || !std::isspace(static_cast<unsigned char>(line[i])))) {
            if (line[i] == '"') quoted = !quoted;
            word += line[i++];
        }
        if (quoted) throw ArtError("a quoted text is not closed");
        words.push_back(word);
    }
    return words;
}

std::string unquote(const std::string& word) {
    std::string out;
    for (char c : word)
        if (c != '"') out += c;
    return out;
}

void add_words(Options& options, const std::vector<std::string>& words, std::size_t first) {
    for (std::size_t i = first; i < words.size(); ++i) {
        if (words[i].front() == '"') options.add_text(unquote(words[i]));
        else options.add_word(words[i]);
    }
}

}  // namespace

std::vector<double> Range::values() const {
    std::vector<double> out;
    if (step <= 0) return out;
    const int count = static_cast<int>(std::floor((to - from) / step + 1e-9));
    for (int i = 0; i <= count; ++i) out.push_back(from + i * step);
    return out;
}

void Options::add_word(const std::string& word) {
    const auto eq = word.find('=');
    if (eq == std::string::npos) {
        flags_.insert(word);
        return;
    }
    const std::string name = word.substr(0, eq);
    if (name.empty()) throw ArtError("a setting without a name: '" + word + "'");
    if (values_.count(name)) throw ArtError("'" + name + "' is given twice");
    values_[name] = unquote(word.substr(eq + 1));
}

bool Options::has(const std::string& name) const {
    used_.insert(name);
    return values_.count(name) > 0;
}

bool Options::flag(const std::string& name) const {
    used_.insert(name);
    return flags_.count(name) > 0;
}

std::string Options::text(const std::string& name, const std::string& fallback) const {
    used_.insert(name);
    auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

double Options::number(const std::string& name, double fallback) const {
    used_.insert(name);
    auto it = values_.find(name);
    return it == values_.end() ? fallback : parse_number(it->second, name);
}

Point Options::pair(const std::string& name, Point fallback, char separator, const char* form) const {
    used_.insert(name);
    auto it = values_.find(name);
    if (it == values_.end()) return fallback;
    const auto parts = split(it->second, separator);
    if (parts.size() != 2) throw ArtError(name + ": expected " + form + ", got '" + it->second + "'");
    return {parse_number(parts[0], name), parse_number(parts[1], name)};
}

Point Options::point(const std::string& name, Point fallback) const { return pair(name, fallback, ',', "X,Y"); }

Point Options::size(const std::string& name, Point fallback) const { return pair(name, fallback, 'x', "WxH"); }

Range Options::range(const std::string& name) const {
    used_.insert(name);
    auto it = values_.find(name);
    if (it == values_.end()) return {0, -1, 1};  // empty
    const auto parts = split(it->second, ':');
    if (parts.size() != 2 && parts.size() != 3) throw ArtError(name + ": expected FROM:TO[:STEP], got '" + it->second + "'");
    Range r{parse_number(parts[0], name), parse_number(parts[1], name), 1};
    if (parts.size() == 3) r.step = parse_number(parts[2], name);
    if (r.step <= 0) throw ArtError(name + ": the step must be positive");
    return r;
}

std::vector<std::string> Options::list(const std::string& name) const {
    used_.insert(name);
    auto it = values_.find(name);
    return it == values_.end() ? std::vector<std::string>{} : split(it->second, ';');
}

std::vector<std::string> Options::unused() const {
    std::vector<std::string> out;
    for (const auto& [name, value] : values_)
        if (!used_.count(name)) out.push_back(name + "=" + value);
    for (const auto& name : flags_)
        if (!used_.count(name)) out.push_back(name);
    if (!texts_.empty() && !texts_used_) out.push_back("\"" + texts_.front() + "\"");
    return out;
}

const BitmapSpec* ArtFile::find(std::uint32_t id) const {
    for (const auto& b : bitmaps)
        if (b.id == id) return &b;
    return nullptr;
}

std::string where(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

ArtFile parse_art_file(std::istream& in, const std::string& name) {
    ArtFile art{name, {}};
    std::string line;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        try {
            bool in_quotes = false;
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (line[i] == '"') in_quotes = !in_quotes;
                // A comment starts with '#' at the start of a line or after a blank (so that
                // #RRGGBB colours stay settings).
                const bool starts_word = i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]));
                if (line[i] == '#' && !in_quotes && starts_word) {
                    line.erase(i);
                    break;
                }
            }
            const auto words = words_of(line);
            if (words.empty()) continue;
            const bool indented = std::isspace(static_cast<unsigned char>(line.front()));
            if (indented) {
                if (art.bitmaps.empty()) throw ArtError("a layer line before any bitmap");
                Layer layer{words[0], {}, line_no};
                add_words(layer.options, words, 1);
                art.bitmaps.back().layers.push_back(std::move(layer));
                continue;
            }
            if (words[0] == "wave") {
                if (words.size() < 5) throw ArtError("expected: wave ID RATE 8|16 KIND [OPTION=VALUE]...");
                const double id = parse_number(words[1], "id"), rate = parse_number(words[2], "rate"),
                             bits = parse_number(words[3], "sample size");
                if (id < 0 || id > 0xFFFF || id != std::floor(id) || (bits != 8 && bits != 16) || rate < 1000 ||
                    rate > 96000 || rate != std::floor(rate))
                    throw ArtError("a wave needs an id to 65535, a rate of 1000 to 96000 Hz and 8 or 16 bits");
                WaveLine wave{static_cast<std::uint32_t>(id), static_cast<unsigned>(rate), static_cast<unsigned>(bits),
                              words[4], {}, line_no};
                add_words(wave.options, words, 5);
                art.waves.push_back(std::move(wave));
                continue;
            }
            if (words[0] != "bitmap") throw ArtError("expected 'bitmap' or 'wave', got '" + words[0] + "'");
            if (words.size() < 5) throw ArtError("expected: bitmap ID WIDTHxHEIGHT 8|24 KIND [OPTION=VALUE]...");
            BitmapSpec spec;
            spec.line = line_no;
            const double id = parse_number(words[1], "id");
            if (id < 0 || id > 0xFFFF || id != std::floor(id)) throw ArtError("the id must be a whole number from 0 to 65535");
            spec.id = static_cast<std::uint32_t>(id);
            const auto size = split(words[2], 'x');
            if (size.size() != 2) throw ArtError("the size must be WIDTHxHEIGHT, got '" + words[2] + "'");
            spec.width = static_cast<int>(parse_number(size[0], "width"));
            spec.height = static_cast<int>(parse_number(size[1], "height"));
            if (spec.width <= 0 || spec.height <= 0 || spec.width > 4096 || spec.height > 4096)
                throw ArtError("the size must lie between 1x1 and 4096x4096");
            spec.bpp = static_cast<int>(parse_number(words[3], "depth"));
            if (spec.bpp != 8 && spec.bpp != 24) throw ArtError("the colour depth must be 8 or 24");
            spec.kind = words[4];
            add_words(spec.options, words, 5);
            if (art.find(spec.id)) throw ArtError("bitmap " + words[1] + " is listed twice");
            art.bitmaps.push_back(std::move(spec));
        } catch (const ArtError& e) {
            throw ArtError(where(name, line_no) + e.what());
        }
    }
    return art;
}

}  // namespace artwork
