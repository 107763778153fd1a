#include "screens/titles.h"

#include "text/language.h"
#include "text/utf8.h"

std::string picture_in_language(const worded_picture& words) {
    const std::string& tag = language_in_use();
    if (!tag.empty()) {
        std::string file = words.file;
        const std::string own = "other/" + tag + "/" + file.substr(file.rfind('/') + 1);
        if (GetFileAttributesW(widen(own).c_str()) != INVALID_FILE_ATTRIBUTES) return own;
    }
    return words.file;
}

void screen_title::load(const char* file, int width, int height, int y) {
    name = file;
    picture.width = width;
    picture.height = height;
    top = y;
}

void screen_title::load(const worded_picture& w) {
    load(w.file, w.width, w.height, w.y);
    words = &w;
}

void screen_title::draw(HDC surface) {
    // Start-up reads only what the first screen shows.
    if (!loaded || (words && loaded_language != language_in_use())) {
        release();
        picture.load(words ? picture_in_language(*words).c_str() : name.c_str(), picture.width,
                     picture.height);
        picture.set_bk_color(255, 255, 255);
        loaded = true;
        loaded_language = language_in_use();
    }
    picture.draw(surface, words && words->x >= 0 ? words->x : (800 - picture.width) / 2, top);
}

void screen_title::release() {
    if (loaded) picture.delete_bitmap();
    loaded = false;
}
