#pragma once
#include <windows.h>

#include <string>

#include "gfx/animation.h"
#include "gfx/loadbmp.h"

constexpr int hammer_price = 120;
constexpr int stopwatch_price = 100;
constexpr int hourglass_price = 110;
constexpr int dynamite_price = 150;

// Between levels: the time left becomes points, spent here on power-ups.
class shop {
public:
    animation hammer;
    animation stopwatch;
    animation hourglass;
    animation dynamite;
    animation next;
    load_bmp background;
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

    // The way on, in the language in use, read as it is first shown.
    void load_words();
    bool words_loaded;
    std::string words_language;
};

// Takes the price from points and adds one to the count when points suffice.
bool buy(int& points, int& count, int price);
