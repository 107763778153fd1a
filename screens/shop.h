#pragma once
#include <windows.h>

#include "gfx/animation.h"
#include "gfx/loadbmp.h"

// Between levels: the time left becomes points, spent here on power-ups.
class shop {
public:
    animation hammer;
    animation stopwatch;
    animation hourglass;
    animation dynamite;
    animation next;
    load_bmp background;
    char line[80];
    int points;
    int hammers;
    int stopwatches;
    int hourglasses;
    int dynamites;

    void load();
    void convert_time_to_pionts(int hours, int minutes, int seconds);
    void buy_hammer();
    void buy_stopwatch();
    void buy_hourglass();
    void buy_dynamite();
    void render(HDC hdc);
};

// Takes the price from points and adds one to the count when points suffice.
bool buy(int& points, int& count, int price);
