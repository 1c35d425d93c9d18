#include <windows.h>
#include <io.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>

#include "platform/platform.h"

namespace platform {

FolderChoice choose_folder(const char* title, char* path, unsigned size) {
    IMalloc* shell_allocator = nullptr;
    SHGetMalloc(&shell_allocator);
    BROWSEINFOA browse{};
    browse.lpszTitle = title;
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    FolderChoice result = FolderChoice::cancelled;
    if (item) {
        // The shell writes up to MAX_PATH characters; a smaller buffer gets none.
        char chosen[MAX_PATH] = {};
        const bool has_path = SHGetPathFromIDListA(item, chosen) && std::strlen(chosen) < size;
        if (has_path) std::memcpy(path, chosen, std::strlen(chosen) + 1);
        result = has_path ? FolderChoice::chosen : FolderChoice::no_file_system_path;
        if (shell_allocator) shell_allocator->Free(item);
    }
    if (shell_allocator) shell_allocator->Release();
    return result;
}

bool folder_exists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> list_files(const char* folder, const char* pattern) {
    std::vector<std::string> paths;
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != '/') prefix += '\\';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((prefix + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return paths;
    do
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) paths.push_back(prefix + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return paths;
}

std::u16string widen(const std::string& text) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(wide.data()), units);
    return wide;
}

std::FILE* open_file(const char16_t* name, const char* mode) {
    wchar_t wide_mode[8] = {};
    for (int i = 0; i < 7 && mode[i]; ++i) wide_mode[i] = static_cast<wchar_t>(mode[i]);
    return _wfopen(reinterpret_cast<const wchar_t*>(name), wide_mode);
}

std::optional<std::string> read_file(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return std::nullopt;
    std::string contents;
    char block[4096];
    while (std::size_t n = std::fread(block, 1, sizeof block, file)) contents.append(block, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    if (!ok) return std::nullopt;
    return contents;
}

bool replace_file(const char* path, const std::string& contents) {
    const std::string temporary = std::string(path) + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    ok = std::fflush(file) == 0 && ok;
    ok = FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) && ok;
    ok = std::fclose(file) == 0 && ok;
    ok = ok && MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileA(temporary.c_str());
    return ok;
}

}  // namespace platform
