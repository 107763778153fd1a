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

// Text in its place: the box it may fill (game pixels, one line of the font high), where it
// stands at the left, the middle or the right. A text wider than its box (a longer
// translation) is drawn in a narrower cut of the same letters, down to 4/7 of their width.
enum class text_align { left, centre, right };
void draw_text_in(HDC hdc, const RECT& box, const char* utf8,
                  text_align align = text_align::left);
// Text that may run over several lines of `line_height` pixels, broken between words, from
// the box's top; returns how many lines it took.
int draw_wrapped(HDC hdc, const RECT& box, int line_height, const char* utf8);
// How wide the text is in the game's font, in pixels; measured on a DC of its own for a
// null hdc.
int text_width(HDC hdc, const char* utf8);

// Whatever draws text in the picture tells this function, if set, where the text was
// meant to go and where its letters went: what checks that every language fits listens.
using text_listener = void (*)(const RECT& box, const RECT& drawn, const char* utf8);
void listen_to_text(text_listener listener);
// The game's font as a LOGFONT, `scale` times as large: the buttons and the name box
// letter with it too.
LOGFONTW game_font(int scale);
// The one font object the picture's text uses, made at the first text.
HFONT picture_font();
void release_picture_font();
