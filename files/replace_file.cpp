#include "files/replace_file.h"

#include <cstring>
#include <vector>

#include "text/utf8.h"

namespace {
bool write_all(HANDLE file, const void* data, std::size_t size) {
    DWORD written = 0;
    return WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) &&
           written == size;
}

// A virus scanner or a sync client may hold the file for a moment: the rename is tried again
// for a second before the write counts as failed.
bool rename_over(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if (attempt == 20 || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
                              error != ERROR_LOCK_VIOLATION))
            return false;
        Sleep(50);
    }
}

bool write_in_place(const std::wstring& path, const void* data, std::size_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool made = GetLastError() != ERROR_ALREADY_EXISTS;
    // Over the old bytes first and cut the rest after, so the file is never empty on the way.
    const bool done = write_all(file, data, size) && SetEndOfFile(file) && FlushFileBuffers(file);
    CloseHandle(file);
    // An empty file where there was none would read as a damaged slot or an empty table.
    if (!done && made) DeleteFileW(path.c_str());
    return done;
}
}  // namespace

bool replace_file(const std::string& path, const void* data, std::size_t size) {
    const std::wstring target = widen(path);
    const std::wstring temp = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    // One left behind by an earlier run with our process id may be read-only since.
    SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    // Only where no file can be made beside it is it written in place, which a crash can cut.
    if (file == INVALID_HANDLE_VALUE) return write_in_place(target, data, size);
    // On disk before the rename, or a power loss could leave an empty file in place.
    const bool written = write_all(file, data, size) && FlushFileBuffers(file);
    CloseHandle(file);
    const bool renamed = written && rename_over(temp, target);
    if (!renamed) DeleteFileW(temp.c_str());
    return renamed;
}

bool file_holds(const std::string& path, const void* data, std::size_t size) {
    HANDLE file = CreateFileW(widen(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<unsigned char> bytes(size + 1);
    DWORD read = 0;
    const bool same = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read,
                               nullptr) &&
                      read == size && std::memcmp(bytes.data(), data, size) == 0;
    CloseHandle(file);
    return same;
}

file_lock::file_lock(const std::string& path, DWORD patience) {
    // Not shared for deletion: the lock must stay the one file every copy opens.
    file = CreateFileW(widen(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        lockable = false;
        return;
    }
    // Another copy holds it only for one read and one write. Polled rather than waited on,
    // so that a stuck holder costs at most `patience`.
    const DWORD start = GetTickCount();
    for (;;) {
        OVERLAPPED whole = {};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &whole)) {
            locked = true;
            return;
        }
        // A file system without locks: nobody else can hold it either.
        if (GetLastError() != ERROR_LOCK_VIOLATION) {
            lockable = false;
            return;
        }
        if (GetTickCount() - start >= patience) return;
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
