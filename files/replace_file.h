#pragma once
#include <windows.h>

#include <cstddef>

// Puts `size` bytes at `path` as a whole file: written to a temporary file of this
// process's own beside it, flushed and renamed over it, so a crash, a power loss or a full
// disk leaves the old file or the new one, and two copies of the game never write into
// each other's. Where nothing can be made beside it (a folder that allows no new files) the
// file is written in place instead. True only when the bytes are on disk.
bool replace_file(const char* path, const void* data, std::size_t size);
// Whether the file at `path` is exactly these bytes.
bool file_holds(const char* path, const void* data, std::size_t size);

// An exclusive lock on the file at `path` (made if need be), held for the object's life,
// so that another copy of the game reads, merges and writes after us, not in between.
// Where the file cannot be made, or another holder keeps it for seconds, it holds nothing:
// the lock may delay a write, never drop it.
class file_lock {
public:
    explicit file_lock(const char* path);
    ~file_lock();
    file_lock(const file_lock&) = delete;
    file_lock& operator=(const file_lock&) = delete;
    bool held() const { return locked; }

private:
    HANDLE file;
    bool locked = false;
};
