#pragma once
#include <windows.h>

#include "gfx/loadbmp.h"

// A screen's title picture, drawn by the art generator in the help title's style: centred
// across the screen at its top, its white key transparent.
class screen_title {
public:
    load_bmp picture;
    int top;

    void load(const char* name, int width, int height, int y);
    void draw(HDC surface);
};
