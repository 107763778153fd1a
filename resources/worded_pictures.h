#pragma once
// The pictures with words in them. The art generator draws each in English (at `file`) and
// in every language the game carries a catalogue for (as other/<tag>/ and file's name),
// from the same catalogues as the game's texts; the game draws the one of the language in
// use where the entry says. The one place for their names, words, sizes and places; plain
// C++, so that the art generator, a host program, reads it too.
#include "text/marks.h"

struct worded_picture {
    const char* file;     // the English picture, in the artwork folder
    const char* english;  // the words, in English, as the catalogues know them
    int width, height;    // the canvas; the words keep clear of its edge in every language
    int x, y;             // where the game draws it; x -1: centred across the screen
};

// The screens' titles, each a word or two in the help title's style. Their canvases leave
// room for the longer words of other languages.
// TRANSLATORS: the titles over the Help, Options, High Scores, Save and Load screens,
// drawn in large letters: at most about 18 letters (the Help title about 10).
constexpr worded_picture help_title = {"other/help_title.bmp", tr_noop("Help"), 300, 40, -1, 20};
constexpr worded_picture options_title = {"other/options_title.bmp", tr_noop("Options"), 480, 40,
                                          -1, 20};
constexpr worded_picture scores_title = {"other/scores_title.bmp", tr_noop("High Scores"), 480, 40,
                                         -1, 20};
constexpr worded_picture save_title = {"other/save_title.bmp", tr_noop("Save game"), 480, 40, -1, 20};
constexpr worded_picture load_title = {"other/load_title.bmp", tr_noop("Load game"), 480, 40, -1, 20};
// The title screen's line under the game's name, and the words in its button.
constexpr worded_picture intro_line = {
    // TRANSLATORS: under the game's name on its title screen, in small letters (no
    // capital at the start, as in English); then the words on the title screen's one
    // button, which Enter, Escape or Space press: name the keys as keyboards label them.
    "other/intro_line.bmp", tr_noop("find the pairs before the clock runs out"), 760, 40, 20, 195};
constexpr worded_picture intro_press = {
    "other/intro_press.bmp", tr_noop("Press Enter or Escape to continue"), 460, 34, 170, 525};
// The heading over the power-ups on the bar beside the board.
constexpr worded_picture power_ups_label = {"other/power_ups.bmp", tr_noop("Power-ups"), 180, 28, 8,
                                            254};
// The shop's way on, a strip of six frames of 100 x 32 (which the shop's sprite reads).
// TRANSLATORS: the shop's button on to the next level, in capitals; at most 8 letters.
constexpr worded_picture next_button = {"animations/next.bmp", tr_noop("NEXT"), 600, 32, 680, 550};

constexpr const worded_picture* worded_pictures[] = {
    &help_title, &options_title, &scores_title, &save_title, &load_title,
    &intro_line, &intro_press,   &power_ups_label, &next_button,
};
