#include "files/replace_file.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

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
    if (std::snprintf(temp, sizeof temp, "%s.%lu.tmp", path, GetCurrentProcessId()) <
        static_cast<int>(sizeof temp)) {
        // One left behind by an earlier run with our process id may be read-only since.
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

bool file_holds(const char* path, const void* data, std::size_t size) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<unsigned char> bytes(size + 1);
    DWORD read = 0;
    const bool same = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read,
                               nullptr) &&
                      read == size && std::memcmp(bytes.data(), data, size) == 0;
    CloseHandle(file);
    return same;
}

file_lock::file_lock(const char* path) {
    file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    // Another copy holds it only for one read and one write; a holder that is stuck must
    // not keep our result from the disk.
    const DWORD give_up = GetTickCount() + 3000;
    for (;;) {
        OVERLAPPED whole = {};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &whole)) {
            locked = true;
            return;
        }
        if (static_cast<int>(GetTickCount() - give_up) >= 0) return;
        Sleep(10);
    }
}

file_lock::~file_lock() {
    if (file == INVALID_HANDLE_VALUE) return;
    if (locked) {
        OVERLAPPED whole = {};
        UnlockFileEx(file, 0, 1, 0, &whole);
    }
    CloseHandle(file);
}
