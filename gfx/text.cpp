#include "gfx/text.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

#include "text/utf8.h"

namespace {
HFONT font = nullptr;
// The game's letters cut narrower, by their average width in pixels (the font's is 7).
constexpr int full_width = 7, narrowest = 4;
HFONT narrow_fonts[full_width] = {};
// Where texts are measured outside a frame, made once.
HDC measuring = nullptr;
text_listener listener = nullptr;

HFONT narrow_font(int width) {
    if (!narrow_fonts[width]) {
        LOGFONTW face = game_font(1);
        face.lfWidth = width;
        narrow_fonts[width] = CreateFontIndirectW(&face);
    }
    return narrow_fonts[width] ? narrow_fonts[width] : picture_font();
}

SIZE extent(HDC hdc, const std::wstring& text) {
    SIZE size = {0, 0};
    GetTextExtentPoint32W(hdc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

// Draws at (x, y) and tells the listener; `box` null: the text has no place but itself.
void put_text(HDC hdc, int x, int y, const std::wstring& text, const RECT* box, const char* utf8) {
    TextOutW(hdc, x, y, text.data(), static_cast<int>(text.size()));
    if (!listener) return;
    const SIZE size = extent(hdc, text);
    const RECT drawn = {x, y, x + size.cx, y + size.cy};
    listener(box ? *box : drawn, drawn, utf8);
}

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
    for (HFONT& f : narrow_fonts) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
    if (measuring) DeleteDC(measuring);
    measuring = nullptr;
}

void listen_to_text(text_listener l) { listener = l; }

void draw_text(HDC hdc, int x, int y, const char* utf8) {
    draw_text(hdc, x, y, utf8, std::strlen(utf8));
}

void draw_text(HDC hdc, int x, int y, const char* utf8, std::size_t length) {
    const std::string text(utf8, length);
    const font_in selected(hdc);
    put_text(hdc, x, y, widen(text), nullptr, text.c_str());
}

void draw_code_page_text(HDC hdc, int x, int y, const char* text, std::size_t length) {
    const font_in selected(hdc);
    TextOutA(hdc, x, y, text, static_cast<int>(length));
}

namespace {
// The width of a text in the game's font, remembered: the same labels are drawn on every
// frame, and help's lines are broken again on every frame, and measuring costs Wine a trip
// through its font code.
LONG full_width_of(HDC hdc, const std::wstring& text) {
    static std::unordered_map<std::wstring, LONG> widths;
    const auto known = widths.find(text);
    if (known != widths.end()) return known->second;
    if (widths.size() > 512) widths.clear();
    return widths[text] = extent(hdc, text).cx;
}
}  // namespace

int text_width(HDC hdc, const char* utf8) {
    if (!hdc) {
        if (!measuring) measuring = CreateCompatibleDC(nullptr);
        hdc = measuring;
    }
    const font_in selected(hdc);
    return full_width_of(hdc, widen(utf8));
}

void draw_text_in(HDC hdc, const RECT& box, const char* utf8, text_align align) {
    const std::wstring text = widen(utf8);
    const font_in selected(hdc);
    const LONG room = box.right - box.left;
    LONG width = full_width_of(hdc, text);
    HGDIOBJ previous = nullptr;
    // The widest cut that fits, or the narrowest there is.
    for (int w = full_width - 1; width > room && w >= narrowest; --w) {
        const HGDIOBJ was = SelectObject(hdc, narrow_font(w));
        if (!previous) previous = was;
        width = extent(hdc, text).cx;
    }
    const LONG x = align == text_align::left     ? box.left
                   : align == text_align::right ? box.right - width
                                                : box.left + (room - width) / 2;
    put_text(hdc, x, box.top, text, &box, utf8);
    if (previous) SelectObject(hdc, previous);
}

int draw_wrapped(HDC hdc, const RECT& box, int line_height, const char* utf8) {
    const std::string all = utf8;
    const LONG room = box.right - box.left;
    int lines = 0;
    std::size_t start = 0;
    while (start < all.size()) {
        // As many words as fit, and at least one.
        std::size_t end = all.find(' ', start);
        if (end == std::string::npos) end = all.size();
        for (std::size_t next = end; next < all.size();) {
            std::size_t after = all.find(' ', next + 1);
            if (after == std::string::npos) after = all.size();
            if (text_width(hdc, all.substr(start, after - start).c_str()) > room) break;
            end = next = after;
        }
        const int top = box.top + lines * line_height;
        draw_text_in(hdc, {box.left, top, box.right, top + line_height},
                     all.substr(start, end - start).c_str());
        ++lines;
        start = end;
        while (start < all.size() && all[start] == ' ') ++start;
    }
    return lines;
}

void draw_number(HDC hdc, int x, int y, const char* format, int value) {
    char text[24];
    const int n = std::snprintf(text, sizeof text, format, value);
    // snprintf counts what a longer format would have needed, not what it wrote.
    const int shown = n < static_cast<int>(sizeof text) ? n : static_cast<int>(sizeof text) - 1;
    if (shown > 0) draw_text(hdc, x, y, text, static_cast<std::size_t>(shown));
}
