// Folders and files, on Linux: the folder browser answers the choice the host made for the
// user; listings match Windows' wildcards with letters compared without case and come sorted
// by name; narrow texts are Latin-1 (each byte one UTF-16 code unit); the paths the modules
// write Windows-style (their state file) take '\' as a separator, relative to the working
// folder. platform/README.md has the rules.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/platform_control.h"

namespace platform {

namespace {

struct HostFolderChoice {
    FolderChoice result = FolderChoice::cancelled;
    std::string path;
};

HostFolderChoice& folder_choice() {
    static HostFolderChoice choice;
    return choice;
}

char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Windows' wildcards: '*' any run of characters, '?' any one; letters match either case.
bool matches(const char* pattern, const char* name) {
    const char* star = nullptr;
    const char* star_name = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            star_name = name;
        } else if (*pattern == '?' || (*pattern && fold(*pattern) == fold(*name))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++star_name;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

// Names in the order NTFS lists them: letters compared without case, then byte by byte.
bool listed_before(const std::string& a, const std::string& b) {
    const auto folded_less = [](char x, char y) {
        return static_cast<unsigned char>(fold(x)) < static_cast<unsigned char>(fold(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded_less)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded_less)) return false;
    return a < b;
}

std::string with_slashes(const char* windows_path) {
    std::string path = windows_path;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool is_file(const std::string& path) {
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Writes the whole text to a new file and makes it durable; on any failure the file is
// removed again and the answer is false.
bool write_new_file(const std::string& path, const std::string& contents) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    ok = std::fflush(file) == 0 && ok;
    ok = fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) std::remove(path.c_str());
    return ok;
}

}  // namespace

FolderChoice choose_folder(const char* title, char* path, unsigned size) {
    const HostFolderChoice& choice = folder_choice();
    FolderChoice result = choice.result;
    std::string said;
    if (result == FolderChoice::chosen && choice.path.size() < size) {
        std::memcpy(path, choice.path.c_str(), choice.path.size() + 1);
        said = "chosen " + choice.path;
    } else if (result == FolderChoice::chosen) {
        // A path that does not fit the caller's buffer is one it cannot be given.
        result = FolderChoice::no_file_system_path;
        said = "no file-system path (" + choice.path + " is longer than " + std::to_string(size - 1) + " bytes)";
    } else {
        said = result == FolderChoice::cancelled ? "cancelled" : "no file-system path";
    }
    control::report({.type = "folder", .text = "\"" + std::string(title ? title : "") + "\": " + said});
    return result;
}

bool folder_exists(const char* path) {
    struct stat info{};
    return path && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> list_files(const char* folder, const char* pattern) {
    std::vector<std::string> names;
    DIR* dir = folder && pattern ? opendir(folder) : nullptr;
    if (!dir) return names;
    const std::string prefix = std::string(folder) + (std::string_view(folder).ends_with('/') ? "" : "/");
    while (const dirent* entry = readdir(dir))
        if (matches(pattern, entry->d_name) && is_file(prefix + entry->d_name)) names.emplace_back(entry->d_name);
    closedir(dir);
    std::sort(names.begin(), names.end(), listed_before);
    for (std::string& name : names) name.insert(0, prefix);
    return names;
}

std::u16string widen(const std::string& text) {
    std::u16string wide;
    for (unsigned char byte : text) wide += static_cast<char16_t>(byte);
    return wide;
}

std::FILE* open_file(const char16_t* name, const char* mode) {
    if (!name || !mode) return nullptr;
    std::string narrow;
    for (const char16_t* unit = name; *unit; ++unit) {
        if (*unit > 0xFF) return nullptr;  // no Latin-1 byte names it
        narrow += static_cast<char>(*unit);
    }
    return std::fopen(narrow.c_str(), mode);
}

std::optional<std::string> read_file(const char* path) {
    std::FILE* file = path ? std::fopen(with_slashes(path).c_str(), "rb") : nullptr;
    std::optional<std::string> contents;
    if (file) {
        contents.emplace();
        char block[4096];
        while (std::size_t n = std::fread(block, 1, sizeof block, file)) contents->append(block, n);
        if (std::ferror(file)) contents.reset();
        std::fclose(file);
    }
    const std::string said = contents ? " (" + std::to_string(contents->size()) + " bytes)" : " (cannot be read)";
    control::report({.type = "file", .text = "read " + std::string(path ? path : "") + said});
    return contents;
}

bool replace_file(const char* path, const std::string& contents) {
    if (!path) return false;
    const std::string target = with_slashes(path), temporary = target + ".tmp";
    const bool written = write_new_file(temporary, contents);
    const bool ok = written && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (written && !ok) std::remove(temporary.c_str());
    const std::string said = ok ? " (" + std::to_string(contents.size()) + " bytes)" : " (failed; the old file is kept)";
    control::report({.type = "file", .text = "write " + std::string(path) + said});
    return ok;
}

namespace control {

void set_folder_choice(FolderChoice result, const std::string& path) { folder_choice() = {result, path}; }

}  // namespace control

}  // namespace platform
