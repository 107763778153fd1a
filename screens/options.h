#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

#include "gfx/button.h"
#include "gfx/loadbmp.h"
#include "resources/resource_ids.h"
#include "screens/titles.h"

constexpr char options_file_name[] = "options.ini";

constexpr int max_language_buttons = id_language_last - id_language_automatic + 1;

// The card set, sound and language choices, their screen and options.ini.
class options {
public:
    button buttons[9];
    // Automatic, English, then each language the game carries a catalogue for.
    button language_buttons[max_language_buttons];
    int language_count;
    load_bmp background;
    bool background_loaded;
    screen_title title;
    int card_mode;
    int sound;
    // The tag of the language chosen, "en" for English; "" for Automatic, the system's.
    std::string language;

    void create_buttons(HWND parent);
    // The language buttons, made as the screen first shows.
    void create_language_buttons();
    // Captions in the language in use, each group's caption beside its widest button.
    void caption_buttons();
    void load_options();
    // False when the file could not be written.
    bool save_options();
    // Takes the choice of a card-set, sound or language button's command; false for any
    // other id.
    bool choose(int id);
    void show_options();
    void hide_options();
    void render_options(HDC surface);
    // The menu's backdrop, which the options, the menu and the slots show.
    load_bmp& backdrop();
};

// The file's formats, read the way fscanf reads them; values that do not match keep what
// they held. The language comes after the four lines that earlier versions read.
void read_options(std::FILE* file, int& card_mode, int& sound, std::string& language);
// The lines as a text-mode stream on Windows writes them, each ending in CR LF: four, and
// two more where a language is chosen.
std::string options_text(int card_mode, int sound, const std::string& language);
