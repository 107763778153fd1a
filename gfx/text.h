#pragma once
#include <windows.h>

#include <cstddef>

// Text in the picture is drawn in the game's own font, the same pixels at every desktop
// scale (the stock font grows with the DPI), whole at its point in the surface's current
// colour, with its exact length (no terminator).
void draw_text(HDC hdc, int x, int y, const char* utf8);
void draw_text(HDC hdc, int x, int y, const char* utf8, std::size_t length);
// Text in the system's code page, as names were kept before they were kept as UTF-8.
void draw_code_page_text(HDC hdc, int x, int y, const char* text, std::size_t length);
void draw_number(HDC hdc, int x, int y, const char* format, int value);
// The game's font as a LOGFONT, `scale` times as large: the buttons and the name box
// letter with it too.
LOGFONTW game_font(int scale);
// The one font object the picture's text uses, made at the first text.
HFONT picture_font();
void release_picture_font();
