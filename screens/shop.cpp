#include "screens/shop.h"

#include <cstring>

#include "gfx/text.h"
#include "screens/power_ups.h"

bool buy(int& points, int& count, int price) {
    if (points < price) return false;
    ++count;
    points -= price;
    return true;
}

void shop::load() {
    background.load("backgrounds/field.bmp", 600, 600);
    load_power_up_sprites(hammer, stopwatch, hourglass, dynamite, 551);
    next.load("animations/next.bmp", 600, 32, 6);
    next.set_bk_color(255, 255, 255);
    next.set_delay(200);
    next.set_repeat(-1);
}

void shop::convert_time_to_pionts(int hours, int minutes, int seconds) {
    points = hours * 3600 + minutes * 60 + seconds;
}

void shop::buy_hammer() { buy(points, hammers, 120); }
void shop::buy_stopwatch() { buy(points, stopwatches, 100); }
void shop::buy_hourglass() { buy(points, hourglasses, 110); }
void shop::buy_dynamite() { buy(points, dynamites, 150); }

void shop::render(HDC hdc) {
    background.draw(hdc, 200, 0);
    hammer.update();
    stopwatch.update();
    hourglass.update();
    dynamite.update();
    next.update();
    hammer.draw(hdc, 385, 250);
    stopwatch.draw(hdc, 445, 250);
    hourglass.draw(hdc, 505, 250);
    dynamite.draw(hdc, 560, 250);
    next.draw(hdc, 680, 550);
    SetBkMode(hdc, TRANSPARENT);
    static const char* const lines[5] = {
        "Click on animation to buy one.", "Hammer worth 120 points.",
        "Stopwatch worth 100 points.",    "Hourglass worth 110 points.",
        "Dynamite worth 150 points.",
    };
    for (int i = 0; i < 5; ++i) {
        std::strcpy(line, lines[i]);
        draw_text(hdc, 350, 310 + 20 * i, line);
    }
}
