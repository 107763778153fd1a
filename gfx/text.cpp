#include "gfx/text.h"

#include <cstdio>
#include <cstring>

void draw_text(HDC hdc, int x, int y, const char* text) {
    TextOutA(hdc, x, y, text, static_cast<int>(std::strlen(text)));
}

void draw_number(HDC hdc, int x, int y, const char* format, int value) {
    char text[24];
    const int n = std::snprintf(text, sizeof text, format, value);
    // snprintf counts what a longer format would have needed, not what it wrote.
    const int shown = n < static_cast<int>(sizeof text) ? n : static_cast<int>(sizeof text) - 1;
    if (shown > 0) TextOutA(hdc, x, y, text, shown);
}
