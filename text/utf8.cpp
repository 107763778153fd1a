#include "text/utf8.h"

#include <windows.h>

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], length);
    return wide;
}

std::string narrow(const wchar_t* text, std::size_t length) {
    if (length == 0) return std::string();
    const int size = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text, size, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

namespace {
// The length of the well-formed character at text[0], or 0 where there is none.
std::size_t character_length(const unsigned char* s, std::size_t left) {
    const unsigned char lead = s[0];
    if (lead < 0x80) return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (left < length || s[1] < low || s[1] > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((s[i] & 0xC0) != 0x80) return 0;
    return length;
}
}  // namespace

bool is_utf8(const char* text, std::size_t length) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    for (std::size_t at = 0; at < length;) {
        const std::size_t step = character_length(s + at, length - at);
        if (step == 0) return false;
        at += step;
    }
    return true;
}

std::size_t utf8_prefix(const char* text, std::size_t length, std::size_t most) {
    if (length <= most) return length;
    // Back from the cut over continuation bytes to the start of the character it splits.
    std::size_t end = most;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return end;
}
