#pragma once
#include <cstddef>
#include <string>

// The game keeps text as UTF-8 and hands it to Windows' wide calls, so names and paths in
// any script survive whatever the system's code page is.

// UTF-16 for a wide call; bytes that are not UTF-8 become U+FFFD.
std::wstring widen(const std::string& utf8);
// UTF-8 of UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string narrow(const wchar_t* text, std::size_t length);
inline std::string narrow(const std::wstring& text) { return narrow(text.data(), text.size()); }

// Whether the bytes are well-formed UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool is_utf8(const char* text, std::size_t length);
// The longest prefix of UTF-8 text with at most `most` bytes that ends between characters.
std::size_t utf8_prefix(const char* text, std::size_t length, std::size_t most);
