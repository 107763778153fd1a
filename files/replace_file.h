#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// Puts `size` bytes at `path` as a whole file: written to a temporary file of this
// process's own beside it, flushed and renamed over it, so a crash, a power loss or a full
// disk leaves the old file or the new one, and two copies of the game never write into
// each other's. Where nothing can be made beside it (a folder that allows no new files) the
// file is written in place instead; a file that another program holds is waited for a
// moment, never written in place. True only when the bytes are on disk; a write that fails
// leaves no file where there was none.
bool replace_file(const std::string& path, const void* data, std::size_t size);
// Whether the file at `path` is exactly these bytes.
bool file_holds(const std::string& path, const void* data, std::size_t size);

// An exclusive lock on the file at `path` (made if need be), held for the object's life,
// so that another copy of the game reads, merges and writes after us, not in between. It
// waits up to `patience` ms for another holder. Where the file cannot be made or locked at
// all, nobody can hold it and the caller may go ahead; where another copy holds it, the
// caller must not write.
class file_lock {
public:
    explicit file_lock(const std::string& path, DWORD patience = 3000);
    ~file_lock();
    file_lock(const file_lock&) = delete;
    file_lock& operator=(const file_lock&) = delete;
    bool held() const { return locked; }
    // Held by us, or there is no lock that anybody could hold.
    bool may_write() const { return locked || !lockable; }

private:
    HANDLE file;
    bool locked = false;
    bool lockable = true;
};
