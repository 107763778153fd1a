#pragma once
#include <windows.h>

#include <cstddef>

#include "gfx/animation.h"
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
    int text_x;
    load_bmp background;
    load_bmp text_box;
    load_bmp item_box;
    load_bmp chain;
    animation hammer;
    animation stopwatch;
    animation hourglass;
    animation dynamite;
    // The column with its boxes, made at the first render: the frame copies it once
    // instead of drawing the background and seven boxes. Same pixels.
    HDC column_dc;
    HBITMAP column;

    void load();
    void render(HDC hdc);
    void delete_bar();
};

// The four power-up sprites as the bar, the shop and the help screen all show them,
// each owner with its own copies. The help screen loads the dynamite strip 550 wide.
void load_power_up_sprites(animation& hammer, animation& stopwatch, animation& hourglass,
                           animation& dynamite, int dynamite_width);

// "00:12:05": each part of 9 or less gets one leading zero. Returns the length written.
int format_time(char* out, std::size_t size, int hours, int minutes, int seconds);
// The x that right-aligns a number of up to five digits; from six digits on the
// previous x is kept.
int points_text_x(int points, int previous);
int level_text_x(int level, int previous);
