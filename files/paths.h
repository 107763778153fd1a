#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

// Paths are UTF-8 and reach Windows through its wide calls, so a folder or user name in
// any script works (the ANSI calls turn what the code page lacks into question marks).
bool file_exists(const std::string& path);
bool is_folder(const std::string& path);
// fopen for such a path; mode as fopen's.
std::FILE* open_file(const std::string& path, const wchar_t* mode);
// Up to `size` bytes from the front of the file: how many it read, or -1 when the file
// cannot be opened (missing, or held by another program).
long read_file(const std::string& path, void* data, std::size_t size);
