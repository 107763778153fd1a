#include "files/paths.h"

#include <windows.h>

#include "text/utf8.h"

bool file_exists(const std::string& path) {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool is_folder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::FILE* open_file(const std::string& path, const wchar_t* mode) {
    return _wfopen(widen(path).c_str(), mode);
}

long read_file(const std::string& path, void* data, std::size_t size) {
    HANDLE file = CreateFileW(widen(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    std::size_t total = 0;
    auto* bytes = static_cast<unsigned char*>(data);
    DWORD read = 0;
    while (total < size &&
           ReadFile(file, bytes + total, static_cast<DWORD>(size - total), &read, nullptr) &&
           read > 0)
        total += read;
    CloseHandle(file);
    return static_cast<long>(total);
}
