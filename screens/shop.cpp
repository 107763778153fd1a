#include "screens/shop.h"

#include <string>

#include "gfx/text.h"
#include "screens/power_ups.h"
#include "screens/titles.h"
#include "text/language.h"

bool buy(int& points, int& count, int price) {
    if (points < price) return false;
    ++count;
    points -= price;
    return true;
}

void shop::load() {
    background.load("backgrounds/field.bmp", 600, 600);
    load_power_up_sprites(hammer, stopwatch, hourglass, dynamite, 551);
}

void shop::load_words() {
    if (words_loaded) next.remove();
    words_loaded = true;
    words_language = language_in_use();
    next.load(picture_in_language(next_button).c_str(), next_button.width, next_button.height, 6);
    next.set_bk_color(255, 255, 255);
    next.set_delay(200);
    next.set_repeat(-1);
}

void shop::convert_time_to_pionts(int hours, int minutes, int seconds) {
    points = hours * 3600 + minutes * 60 + seconds;
}

void shop::buy_hammer() { buy(points, hammers, hammer_price); }
void shop::buy_stopwatch() { buy(points, stopwatches, stopwatch_price); }
void shop::buy_hourglass() { buy(points, hourglasses, hourglass_price); }
void shop::buy_dynamite() { buy(points, dynamites, dynamite_price); }

void shop::render(HDC hdc) {
    if (!words_loaded || words_language != language_in_use()) load_words();
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
    next.draw(hdc, next_button.x, next_button.y);
    SetBkMode(hdc, TRANSPARENT);
    const std::string lines[5] = {
        tr("Click on animation to buy one."),
        format(tr_n("Hammer worth %d point.", "Hammer worth %d points.", hammer_price),
               hammer_price),
        format(tr_n("Stopwatch worth %d point.", "Stopwatch worth %d points.", stopwatch_price),
               stopwatch_price),
        format(tr_n("Hourglass worth %d point.", "Hourglass worth %d points.", hourglass_price),
               hourglass_price),
        format(tr_n("Dynamite worth %d point.", "Dynamite worth %d points.", dynamite_price),
               dynamite_price),
    };
    for (int i = 0; i < 5; ++i)
        draw_text_in(hdc, {350, 310 + 20 * i, 760, 326 + 20 * i}, lines[i].c_str());
}
