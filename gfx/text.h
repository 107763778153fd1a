#pragma once
#include <windows.h>

// Text is drawn whole at its point in the surface's current font and colour, with its
// exact length (no terminator).
void draw_text(HDC hdc, int x, int y, const char* text);
void draw_number(HDC hdc, int x, int y, const char* format, int value);
