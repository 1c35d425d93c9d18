// The tracks of the chosen folder, the current track's ID3 version 1 tag shown on the display,
// and the small state file in which the folder, the track index and the volume last from one
// run of the simulator to the next.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "player/player.h"

namespace player {

namespace {

constexpr const char* TRACK_PATTERN = "*.mp3";
constexpr const char* STATE_FILE = ".\\Windmere\\Volcra18\\mp3Player.cfg";
constexpr const char* NO_TAG_TEXT = "Not found ID3v1 tag";
// The display text is formatted to at most 1024 characters.
constexpr std::size_t DISPLAY_TEXT_MAX = 1024;
// An ID3 version 1 tag: the last 128 bytes of the file, "TAG", then title, artist and album
// of 30 bytes each (year, comment and genre follow, unread).
constexpr long TAG_SIZE = 128;
constexpr char TAG_MARKER[] = {'T', 'A', 'G'};
constexpr std::size_t TAG_FIELD_SIZE = 30;

// A field is its bytes up to the first zero byte, at most 30; a short read ends it early, so
// nothing of the previous track's text is left behind.
void read_tag_field(std::FILE* file, char* field) {
    std::memset(field, 0, TAG_FIELD_SIZE + 1);
    static_cast<void>(std::fread(field, 1, TAG_FIELD_SIZE, file));
}

// True when the file has a tag, then read into the title, artist and album. A file shorter
// than a tag cannot be sought back that far and is read from its start.
bool read_tag(std::FILE* file) {
    std::fseek(file, -TAG_SIZE, SEEK_END);
    char marker[sizeof TAG_MARKER];
    if (std::fread(marker, 1, sizeof marker, file) != sizeof marker ||
        std::memcmp(marker, TAG_MARKER, sizeof marker) != 0)
        return false;
    std::fseek(file, -(TAG_SIZE - static_cast<long>(sizeof TAG_MARKER)), SEEK_END);
    read_tag_field(file, nazvanijePesni);
    read_tag_field(file, artist);
    read_tag_field(file, al6bom);
    return true;
}

// The state file's integers, one at a time as C's "%d" reads them: white space skipped, then
// an optional sign and decimal digits.
class StateFileReader {
public:
    explicit StateFileReader(const std::string& text) : at_(text.c_str()) {}
    std::optional<long long> next() {
        char* end = nullptr;
        const long long value = std::strtoll(at_, &end, 10);
        if (end == at_) return std::nullopt;
        at_ = end;
        return value;
    }

private:
    const char* at_;
};

// The folder name: one byte per integer (its low 8 bits) up to an integer whose low 8 bits
// are zero. An empty name, one longer than the folder's buffer takes, or a file that ends or
// holds anything but a number before the zero entry names no folder.
std::optional<std::string> read_folder(StateFileReader& reader) {
    std::string folder;
    for (;;) {
        const std::optional<long long> entry = reader.next();
        if (!entry) return std::nullopt;
        const char byte = static_cast<char>(*entry & 0xFF);
        if (byte == '\0') break;
        if (folder.size() == PATH_BUFFER_SIZE - 1) return std::nullopt;
        folder += byte;
    }
    if (folder.empty()) return std::nullopt;
    return folder;
}

// Each folder byte as a signed 8-bit number on a line of its own, the zero entry, the track
// index and the volume, with CR LF between lines as a Windows text file has them and no line
// break at the end. Without a folder the file is empty.
std::string state_text() {
    std::string text;
    if (!path) return text;
    for (char byte : *path) text += std::to_string(static_cast<signed char>(byte)) + "\r\n";
    return text + "0\r\n" + std::to_string(nomerFajla) + "\r\n" + std::to_string(gromkast6);
}

}  // namespace

std::vector<std::u16string> sazdat6SpisakFajlav(const std::string& folder) {
    std::vector<std::u16string> tracks;
    for (const std::string& track : platform::list_files(folder.c_str(), TRACK_PATTERN))
        tracks.push_back(platform::widen(track));
    return tracks;
}

void install_track_list(std::vector<std::u16string> tracks) {
    fajly = std::move(tracks);
    kalVaFajlav = static_cast<SINT32>(fajly.size());
}

bool put6NeSuwestvujet() { return !path || !platform::folder_exists(path->c_str()); }

void read_current_track_tags() {
    std::FILE* file = platform::open_file(fajly[nomerFajla].c_str(), "rb");
    // A track that can no longer be opened counts as one without a tag; it still starts.
    const bool tagged = file && read_tag(file);
    if (file) std::fclose(file);
    if (!tagged) {
        al6bom[0] = nazvanijePesni[0] = '\0';
        std::snprintf(artist, sizeof artist, "%s", NO_TAG_TEXT);
    }
    sdvigId3Tag = 0;
    // Each field holds at most 30 characters.
    std::snprintf(id3Tag, DISPLAY_TEXT_MAX + 1, "%.30s - %.30s - %.30s   %.30s - %.30s - %.30s", artist, al6bom,
                  nazvanijePesni, artist, al6bom, nazvanijePesni);
    dlinaId3Tag = static_cast<SINT32>(std::strlen(id3Tag));
}

// A state file that names no folder, or one that no longer exists, turns saving off, so the
// file stays as it is; the index is 0 unless it names a track of the new list; the volume is
// kept within its range.
void vastanavit6Sastajanije() {
    const std::optional<std::string> text = platform::read_file(STATE_FILE);
    if (!text) return;
    StateFileReader reader(*text);
    path = read_folder(reader);
    if (put6NeSuwestvujet()) {
        path.reset();
        neSahranxtsx = true;
        return;
    }
    install_track_list(sazdat6SpisakFajlav(*path));
    const std::optional<long long> index = reader.next();
    nomerFajla = index && *index >= 0 && *index < kalVaFajlav ? static_cast<SINT32>(*index) : 0;
    if (const std::optional<long long> volume = reader.next())
        gromkast6 = static_cast<SINT32>(std::clamp<long long>(*volume, VOLUME_MIN, VOLUME_MAX));
}

void sahranit6Sastajanije() {
    if (neSahranxtsx) return;
    platform::replace_file(STATE_FILE, state_text());
}

}  // namespace player
