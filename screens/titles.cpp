#include "screens/titles.h"

void screen_title::load(const char* name, int width, int height, int y) {
    picture.load(name, width, height);
    picture.set_bk_color(255, 255, 255);
    top = y;
}

void screen_title::draw(HDC surface) { picture.draw(surface, (800 - picture.width) / 2, top); }
