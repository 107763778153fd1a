#include "scores/replace_file.h"

#include <windows.h>

#include <cstdio>

namespace {
bool write_all(HANDLE file, const void* data, std::size_t size) {
    DWORD written = 0;
    return WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) &&
           written == size;
}

bool write_in_place(const char* path, const void* data, std::size_t size) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // Over the old bytes first and cut the rest after, so the file is never empty on the way.
    const bool done = write_all(file, data, size) && SetEndOfFile(file) && FlushFileBuffers(file);
    CloseHandle(file);
    return done;
}
}  // namespace

bool replace_file(const char* path, const void* data, std::size_t size) {
    char temp[MAX_PATH];
    if (std::snprintf(temp, sizeof temp, "%s.tmp", path) < static_cast<int>(sizeof temp)) {
        // A temporary left behind by an earlier run may have been made read-only since.
        SetFileAttributesA(temp, FILE_ATTRIBUTE_NORMAL);
        HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            // On disk before the rename, or a power loss could leave an empty file in place.
            const bool written = write_all(file, data, size) && FlushFileBuffers(file);
            CloseHandle(file);
            if (written &&
                MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return true;
            DeleteFileA(temp);
        }
    }
    return write_in_place(path, data, size);
}
