#include "screens/infobar.h"

#include <cstdio>
#include <initializer_list>

#include "gfx/marker.h"
#include "gfx/text.h"
#include "screens/power_ups.h"
#include "screens/titles.h"
#include "text/language.h"

int format_time(char* out, std::size_t size, int hours, int minutes, int seconds) {
    const char* h = hours <= 9 ? "0%i" : "%i";
    const char* m = minutes <= 9 ? ":0%i" : ":%i";
    const char* s = seconds <= 9 ? ":0%i" : ":%i";
    char format[16];
    std::snprintf(format, sizeof format, "%s%s%s", h, m, s);
    const int n = std::snprintf(out, size, format, hours, minutes, seconds);
    return n < 0 ? 0 : (static_cast<std::size_t>(n) < size ? n : static_cast<int>(size) - 1);
}

int points_text_x(int points, int previous) {
    if (points <= 9) return 148;
    if (points <= 99) return 145;
    if (points <= 999) return 141;
    if (points <= 9999) return 136;
    if (points <= 99999) return 131;
    return previous;
}

int level_text_x(int level, int previous) {
    if (level <= 9) return 148;
    if (level <= 99) return 145;
    return previous;
}

void info_bar::load() {
    background.load("info_bar/background.bmp", 200, 600);
    text_box.load("info_bar/boxs.bmp", 180, 30);
    item_box.load("info_bar/boxs2.bmp", 118, 60);
    chain.load("info_bar/chain.bmp", 14, 600);
    load_power_up_sprites(hammer, stopwatch, hourglass, dynamite, 551);
    text_box.set_bk_color(255, 255, 255);
    item_box.set_bk_color(255, 255, 255);
    chain.set_bk_color(255, 255, 255);
}

void info_bar::load_words() {
    if (words_loaded) power_ups.delete_bitmap();
    words_loaded = true;
    words_language = language_in_use();
    power_ups.load(picture_in_language(power_ups_label).c_str(), power_ups_label.width,
                   power_ups_label.height);
    power_ups.set_bk_color(255, 255, 255);
    // The column is kept with the heading in it.
    column.release();
}

namespace {
void draw_column(info_bar& bar, HDC target) {
    bar.background.draw(target, 0, 0);
    for (int y : {90, 130, 170}) bar.text_box.draw(target, 10, y);
    for (int y : {300, 370, 440, 510}) bar.item_box.draw(target, 40, y);
    bar.power_ups.draw(target, power_ups_label.x, power_ups_label.y);
}
}  // namespace

void info_bar::render(HDC hdc) {
    if (!words_loaded || words_language != language_in_use()) load_words();
    // Only a wholly opaque column makes a cache that does not depend on what lies below.
    if (!background.plain_copy ||
        !column.draw(hdc, 0, 0, 200, 600, [this](HDC dc) { draw_column(*this, dc); }))
        draw_column(*this, hdc);
    // The chain reaches over the board's edge, so it is drawn on every frame; the boxes
    // do not touch it, so drawing it after them changes nothing.
    chain.draw(hdc, 193, 0);
    // All four step before any is drawn.
    hammer.update();
    stopwatch.update();
    hourglass.update();
    dynamite.update();
    hammer.draw(hdc, 45, 305);
    stopwatch.draw(hdc, 45, 375);
    hourglass.draw(hdc, 45, 445);
    dynamite.draw(hdc, 45, 515);
    if (hammer_armed) draw_marker(hdc, {35, 295, 163, 365});

    SetBkMode(hdc, TRANSPARENT);
    // Each label in its box's left part, before the rule that parts it from the value.
    draw_text_in(hdc, {20, 96, 112, 112}, tr("Time:"));
    draw_text_in(hdc, {20, 136, 112, 152}, tr("Points:"));
    draw_text_in(hdc, {20, 176, 112, 192}, tr("Level:"));
    char time_text[40];
    const int n = format_time(time_text, sizeof time_text, hours, minutes, seconds);
    draw_text(hdc, 123, 96, time_text, static_cast<std::size_t>(n));
    text_x = points_text_x(points, text_x);
    draw_number(hdc, text_x, 136, "%i", points);
    text_x = level_text_x(level, text_x);
    draw_number(hdc, text_x, 176, "%i", level);
    draw_number(hdc, 130, 320, "%i", hammers);
    draw_number(hdc, 130, 390, "%i", stopwatches);
    draw_number(hdc, 130, 460, "%i", hourglasses);
    draw_number(hdc, 130, 530, "%i", dynamites);
}

void info_bar::delete_bar() {
    column.release();
    background.delete_bitmap();
    text_box.delete_bitmap();
    item_box.delete_bitmap();
    chain.delete_bitmap();
    if (words_loaded) power_ups.delete_bitmap();
    words_loaded = false;
}
