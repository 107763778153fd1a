#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

#include "gfx/button.h"
#include "gfx/loadbmp.h"
#include "screens/titles.h"

constexpr char options_file_name[] = "options.ini";

// The card set and sound choices, their screen and options.ini.
class options {
public:
    button buttons[9];
    load_bmp background;
    screen_title title;
    int card_mode;
    int sound;

    void create_buttons(HWND parent);
    void load_options();
    // False when the file could not be written.
    bool save_options();
    // Takes the choice of a card-set or sound button's command; false for any other id.
    bool choose(int id);
    void show_options();
    void hide_options();
    void render_options(HDC surface);
};

// The file's two formats, read the way fscanf reads them; values that do not match keep
// what they held.
void read_options(std::FILE* file, int& card_mode, int& sound);
// The four lines as a text-mode stream on Windows writes them, each ending in CR LF.
std::string options_text(int card_mode, int sound);
