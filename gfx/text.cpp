#include "gfx/text.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "text/utf8.h"

namespace {
HFONT font = nullptr;

// Selected for one call only, so any surface draws the same text; a frame's surface has it
// already, and selecting a font costs Wine a lookup.
class font_in {
public:
    explicit font_in(HDC hdc)
        : hdc(hdc),
          previous(GetCurrentObject(hdc, OBJ_FONT) == picture_font()
                       ? nullptr
                       : SelectObject(hdc, picture_font())) {}
    ~font_in() {
        if (previous) SelectObject(hdc, previous);
    }
    font_in(const font_in&) = delete;
    font_in& operator=(const font_in&) = delete;

private:
    HDC hdc;
    HGDIOBJ previous;
};
}  // namespace

LOGFONTW game_font(int scale) {
    // The stock system font as a 96-dpi desktop has it, 16 pixels high and bold; a TrueType
    // face with every script Windows links to it, so any player's name can be drawn.
    LOGFONTW face = {};
    face.lfHeight = 16 * scale;
    face.lfWidth = 7 * scale;
    face.lfWeight = FW_BOLD;
    face.lfCharSet = DEFAULT_CHARSET;
    std::wcscpy(face.lfFaceName, L"Tahoma");
    return face;
}

HFONT picture_font() {
    if (!font) {
        const LOGFONTW face = game_font(1);
        font = CreateFontIndirectW(&face);
    }
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void release_picture_font() {
    if (font) DeleteObject(font);
    font = nullptr;
}

void draw_text(HDC hdc, int x, int y, const char* utf8) {
    draw_text(hdc, x, y, utf8, std::strlen(utf8));
}

void draw_text(HDC hdc, int x, int y, const char* utf8, std::size_t length) {
    const std::wstring wide = widen(std::string(utf8, length));
    const font_in selected(hdc);
    TextOutW(hdc, x, y, wide.data(), static_cast<int>(wide.size()));
}

void draw_code_page_text(HDC hdc, int x, int y, const char* text, std::size_t length) {
    const font_in selected(hdc);
    TextOutA(hdc, x, y, text, static_cast<int>(length));
}

void draw_number(HDC hdc, int x, int y, const char* format, int value) {
    char text[24];
    const int n = std::snprintf(text, sizeof text, format, value);
    // snprintf counts what a longer format would have needed, not what it wrote.
    const int shown = n < static_cast<int>(sizeof text) ? n : static_cast<int>(sizeof text) - 1;
    if (shown > 0) draw_text(hdc, x, y, text, static_cast<std::size_t>(shown));
}
