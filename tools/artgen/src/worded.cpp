// The pictures with words, in English and in every language of the catalogues: each kind
// in its own style, at the largest letter size that keeps its words where they may go.
#include "art.h"

#include "worded_pictures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace art {

namespace {

// A longer translation is drawn smaller, down to this share of the English letter size.
constexpr double smallest_share = 0.7;
constexpr double size_step = 0.5;  // px

enum class kind { title, over_intro, over_bar, next };

// fancy_text's colours and outline, for words drawn over a background.
struct lettering {
    rgb top, bottom, outline;
    double lw;
};

struct worded_art {
    const worded_picture* words;
    kind how;
    double size;      // the English letter size, px
    lettering style;  // for words over a background
};

// How each entry of worded_pictures is drawn. The words over the title screen and the info
// bar keep the look those backgrounds gave them when they were drawn in.
constexpr worded_art drawings[] = {
    {&help_title, kind::title, 32, {}},
    {&options_title, kind::title, 32, {}},
    {&scores_title, kind::title, 32, {}},
    {&save_title, kind::title, 32, {}},
    {&load_title, kind::title, 32, {}},
    {&intro_line, kind::over_intro, 22, {pal::cream, pal::cream_dark, pal::navy_dark, 2}},
    {&intro_press, kind::over_intro, 22, {pal::cream, pal::gold_light, pal::navy_dark, 1.5}},
    {&power_ups_label, kind::over_bar, 19, {pal::cream, pal::gold_light, pal::navy_dark, 1.5}},
    {&next_button, kind::next, 15, {}},
};

const image& background(kind how) {
    static const image intro = bg_intro(), bar = bar_background();
    return how == kind::over_intro ? intro : bar;
}

void letter(cairo_t* cr, const worded_art& a, const std::string& words, double size) {
    fancy_text(cr, words, a.words->width / 2.0, a.words->height / 2.0, size, a.style.top,
               a.style.bottom, a.style.outline, a.style.lw, false);
}

bool inside(const rounded& s, double x, double y) {
    if (x < s.x0 || x > s.x1 || y < s.y0 || y > s.y1) return false;
    const double cx = std::clamp(x, s.x0 + s.r, s.x1 - s.r), cy = std::clamp(y, s.y0 + s.r, s.y1 - s.r);
    return std::hypot(x - cx, y - cy) <= s.r;
}

// Whether every pixel with any ink on it lies wholly inside every shape.
bool ink_inside(const canvas& c, std::initializer_list<rounded> shapes) {
    cairo_surface_flush(c.surf);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            if (c.alpha(x, y) == 0) continue;
            for (const rounded& s : shapes)
                for (int corner = 0; corner < 4; ++corner)
                    if (!inside(s, x + (corner & 1), y + (corner >> 1))) return false;
        }
    return true;
}

title as_title(const worded_art& a, const std::string& words, double size) {
    return {a.words->file, words.c_str(), a.words->width, a.words->height, size, false};
}

// Whether the words fit at a letter size; for the shop's button also where across it.
bool fits(const worded_art& a, const std::string& words, double size, double& cx) {
    const int w = a.words->width, h = a.words->height;
    if (a.how == kind::title) {
        std::string unused;
        return title_fits(as_title(a, words, size), unused);
    }
    if (a.how == kind::next) {
        // Where it was, or, for a longer word, in the middle of its room.
        const rounded room = next_word_room();
        for (double x : {38.0, (room.x0 + room.x1) / 2}) {
            canvas c(100, 32);
            draw_next_word(c.cr, words, size, x);
            if (ink_inside(c, {room})) {
                cx = x;
                return true;
            }
        }
        return false;
    }
    canvas c(w, h);
    letter(c.cr, a, words, size);
    const rounded edge = {1, 1, w - 1.0, h - 1.0, 0};
    if (a.words != &intro_press) return ink_inside(c, {edge});
    // The button's inside, a pixel clear of its rim, in the canvas' coordinates.
    const rounded b = intro_button();
    const double in = intro_button_rim / 2 + 1, dx = a.words->x, dy = a.words->y;
    return ink_inside(c, {edge, {b.x0 + in - dx, b.y0 + in - dy, b.x1 - in - dx, b.y1 - in - dy, b.r - in}});
}

// The words over the background that lies beneath their place: where they left any ink,
// the picture as drawn in one piece (their soft edges blended with the background), the
// key elsewhere. Drawn over the same background, it gives that picture back exactly.
image over_background(const worded_art& a, const std::string& words, double size) {
    const int w = a.words->width, h = a.words->height;
    canvas ink(w, h), shown(w, h);
    letter(ink.cr, a, words, size);
    paint_image(shown.cr, background(a.how), -a.words->x, -a.words->y);
    letter(shown.cr, a, words, size);
    const image picture = shown.opaque();
    image out(w, h, 255, 255, 255);
    cairo_surface_flush(ink.surf);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (ink.alpha(x, y) == 0) continue;
            uint8_t* d = out.at(x, y);
            std::copy(picture.at(x, y), picture.at(x, y) + 3, d);
            // 16-bit displays merge everything >= 248 into the white key.
            if (d[0] >= 248 && d[1] >= 248 && d[2] >= 248) d[0] = d[1] = d[2] = 240;
        }
    return out;
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

std::string worded_file(const worded_picture& p, const std::string& language) {
    if (language.empty()) return p.file;
    const std::string file = p.file;
    return "other/" + language + "/" + file.substr(file.rfind('/') + 1);
}

bool draw_worded(const worded_picture& p, const std::string& words, const std::string& language,
                 image& out, std::string& err) {
    const std::string who = (language.empty() ? std::string("English") : language) + ": " +
                            worded_file(p, language) + ": ";
    // By its file: each file that includes the header has its own copy of the entries.
    const worded_art* a = nullptr;
    for (const worded_art& d : drawings)
        if (std::string(d.words->file) == p.file) a = &d;
    if (!a) {
        err = who + "no drawing for this picture";
        return false;
    }
    const std::string missing = missing_letter(words);
    if (!missing.empty()) {
        err = who + "the font has no letter " + quoted(missing) + " for the words " + quoted(words);
        return false;
    }
    const double least = language.empty() ? a->size : a->size * smallest_share;
    double size = a->size, cx = 0;
    while (!fits(*a, words, size, cx)) {
        size -= size_step;
        if (size < least - 1e-9) {
            err = who + "the words " + quoted(words) + " do not fit " + std::to_string(p.width) + "x" +
                  std::to_string(p.height) +
                  (language.empty() ? " at their size" : " even at 70 % of their size");
            return false;
        }
    }
    switch (a->how) {
    case kind::title: out = draw_title(as_title(*a, words, size)); break;
    case kind::next: out = anim_next(words, size, cx); break;
    default: out = over_background(*a, words, size);
    }
    return true;
}

// Both as they were drawn before their words had pictures of their own.
image intro_as_shown() {
    canvas c(800, 600);
    paint_image(c.cr, background(kind::over_intro), 0, 0);
    fancy_text(c.cr, intro_line.english, 400, 215, 22, pal::cream, pal::cream_dark, pal::navy_dark, 2, false);
    fancy_text(c.cr, intro_press.english, 400, 542, 22, pal::cream, pal::gold_light, pal::navy_dark, 1.5, false);
    return c.opaque();
}

image bar_as_shown() {
    canvas c(200, 600);
    paint_image(c.cr, background(kind::over_bar), 0, 0);
    fancy_text(c.cr, power_ups_label.english, 98, 268, 19, pal::cream, pal::gold_light, pal::navy_dark, 1.5, false);
    return c.opaque();
}

}  // namespace art
