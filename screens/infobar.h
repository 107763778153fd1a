#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "gfx/animation.h"
#include "gfx/draw_cache.h"
#include "gfx/loadbmp.h"

// The column at the left of the board and the shop: time, points, level and the four
// power-up sprites, which are also the buttons that use them.
class info_bar {
public:
    int hours;
    int minutes;
    int seconds;
    int points;
    int level;
    int hammers;
    int stopwatches;
    int hourglasses;
    int dynamites;
    // Marks the hammer's box: the next click or key strikes.
    bool hammer_armed;
    int text_x;
    load_bmp background;
    load_bmp text_box;
    load_bmp item_box;
    load_bmp chain;
    // The heading over the power-ups, in the language in use, read as it is first shown.
    load_bmp power_ups;
    bool words_loaded;
    std::string words_language;
    animation hammer;
    animation stopwatch;
    animation hourglass;
    animation dynamite;
    // The column with its boxes: the frame copies it once instead of drawing the
    // background and seven boxes.
    draw_cache column;

    void load();
    void render(HDC hdc);
    void delete_bar();

    void load_words();
};

// "00:12:05": each part of 9 or less gets one leading zero. Returns the length written.
int format_time(char* out, std::size_t size, int hours, int minutes, int seconds);
// The x that right-aligns a number of up to five digits; from six digits on the
// previous x is kept.
int points_text_x(int points, int previous);
int level_text_x(int level, int previous);
