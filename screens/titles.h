#pragma once
#include <windows.h>

#include <string>

#include "gfx/loadbmp.h"
#include "resources/worded_pictures.h"

// The picture of these words in the language in use, where the artwork has it
// (other/<tag>/...), else the English one.
std::string picture_in_language(const worded_picture& words);

// A screen's title picture, drawn by the art generator in the help title's style: centred
// across the screen at its top, its white key transparent; or other words in a picture,
// where they say. It is read when it is first shown, and again when the language has
// changed since.
class screen_title {
public:
    load_bmp picture = {};

    // A title of a fixed picture, or of words that each language draws its own way.
    void load(const char* name, int width, int height, int y);
    void load(const worded_picture& words);
    void draw(HDC surface);
    void release();

private:
    const worded_picture* words = nullptr;
    std::string name;
    int top = 0;
    bool loaded = false;
    std::string loaded_language;
};
