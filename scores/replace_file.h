#pragma once
#include <cstddef>

// Puts `size` bytes at `path` as a whole file: written beside it, flushed and renamed over
// it, so a crash, a power loss or a full disk leaves the old file or the new one. Where
// nothing can be made beside it (a folder that allows no new files) the file is written in
// place instead. True only when the bytes are on disk.
bool replace_file(const char* path, const void* data, std::size_t size);
