// Shared drawing helpers for the Pairwick art generator.
#pragma once
#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

struct worded_picture;  // resources/worded_pictures.h

namespace art {

// Top-down 8-bit RGB picture, the form every output file starts from.
struct image {
    int w = 0, h = 0;
    std::vector<uint8_t> px;  // r,g,b per pixel
    image() = default;
    image(int w_, int h_, uint8_t r = 0, uint8_t g = 0, uint8_t b = 0);
    uint8_t* at(int x, int y) { return &px[(size_t(y) * w + x) * 3]; }
    const uint8_t* at(int x, int y) const { return &px[(size_t(y) * w + x) * 3]; }
    void blit(const image& src, int dx, int dy);
};

enum class key { none, white, green };

// RAII Cairo ARGB surface with its context; starts fully transparent.
struct canvas {
    int w, h;
    cairo_surface_t* surf;
    cairo_t* cr;
    canvas(int w_, int h_);
    ~canvas();
    canvas(const canvas&) = delete;
    canvas& operator=(const canvas&) = delete;
    image opaque() const;      // composited over black; callers paint the whole area
    unsigned alpha(int x, int y) const;  // 0: nothing drawn there
    image keyed(key k) const;  // alpha thresholded, colours kept out of the key's bucket
};

struct rgb { double r, g, b; };
// Constant, so colour tables are ready before any other file's statics read them.
constexpr rgb hex(uint32_t v) {
    return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
rgb mix(rgb a, rgb b, double t);
rgb shade(rgb c, double f);  // f<1 darker, f>1 lighter (towards white)

// Shared palette so every file looks like one game.
namespace pal {
inline constexpr rgb navy = hex(0x1f2d52), navy_dark = hex(0x121a33), navy_light = hex(0x34508a),
                     gold = hex(0xe3b04b), gold_light = hex(0xf6dc8c), gold_dark = hex(0x9a6b1c),
                     cream = hex(0xf4ecd8), cream_dark = hex(0xe2d5b4), ink = hex(0x1b1b24),
                     red = hex(0xc0392b), green = hex(0x3f8f4a), blue = hex(0x2f6fb5), sky = hex(0xbfe0f5),
                     stone = hex(0xb8ad9c), wood = hex(0x8a5a32), wood_dark = hex(0x4e3019);
}

// A rectangle with rounded corners, its sides at x0, y0, x1, y1.
struct rounded { double x0, y0, x1, y1, r; };

void set(cairo_t* cr, rgb c, double a = 1.0);
void rrect(cairo_t* cr, double x, double y, double w, double h, double r);
void star(cairo_t* cr, double cx, double cy, int points, double r_out, double r_in, double rot = 0);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
cairo_pattern_t* lin(double x0, double y0, double x1, double y1, rgb a, rgb b);
cairo_pattern_t* rad(double cx, double cy, double r, rgb inner, rgb outer);
void fill_pat(cairo_t* cr, cairo_pattern_t* p, bool preserve = false);
// Fill the current path with a vertical gradient and stroke it with an outline.
void fill_grad_outline(cairo_t* cr, double y0, double y1, rgb top, rgb bottom, rgb line, double lw);

// Fonts are loaded from a file so the output never depends on fontconfig.
bool load_font(const std::string& path, std::string& err);
void use_font(cairo_t* cr, double size);
void text_path_centered(cairo_t* cr, const std::string& s, double cx, double cy, double size);
void fancy_text(cairo_t* cr, const std::string& s, double cx, double cy, double size, rgb top,
                rgb bottom, rgb outline, double lw, bool shadow);
// The first letter of UTF-8 text that the font has no glyph for (it would show as a box),
// as UTF-8; "" where it has them all. Text that is not UTF-8 gives "\xef\xbf\xbd".
std::string missing_letter(const std::string& utf8);
// An opaque picture as the source of a paint, its top left corner at (x, y).
void paint_image(cairo_t* cr, const image& img, double x, double y);

// Small deterministic generator: textures must not change between runs.
struct rng {
    uint32_t s;
    explicit rng(uint32_t seed) : s(seed * 2654435761u + 12345u) {}
    uint32_t next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    double uni() { return (next() & 0xffffff) / double(0x1000000); }
    double range(double a, double b) { return a + (b - a) * uni(); }
};

bool write_bmp(const std::string& path, const image& img, std::string& err);
bool write_wav(const std::string& path, const std::vector<uint8_t>& samples, int rate,
               std::string& err);

// Producers, one per family of files. The card sets have their own header, cards.h.
void draw_card_back(cairo_t* cr);  // 50x50 at the origin
image anim_hammer();
image anim_stopwatch();
image anim_hourglass();
image anim_dynamite();
// The shop's way on with its word at a letter size, centred on x = cx of each frame; the
// word alone as each frame has it, and where in a frame the word's ink may go.
image anim_next(const std::string& word, double size, double cx);
void draw_next_word(cairo_t* cr, const std::string& word, double size, double cx);
rounded next_word_room();
image cards_hammer();
image cards_dynamite();
// The title screen's one button, round the place of its words (intro_press), and the width
// of its gold rim.
rounded intro_button();
constexpr double intro_button_rim = 2.5;
// The title screen and the info bar without their words, which pictures of their own in
// every language carry (worded.cpp).
image bg_intro();
image bg_menu();
image bg_field();
image bar_background();
image bar_boxs();
image bar_boxs2();
image bar_chain();

// A screen's heading in the help title's style: navy letters outlined in gold and ink on
// the white key, with a gold star each side where they fit beside the word, or a gold rule
// with a star under it. Outline, stars and gradient scale with the letters (32 px = 1).
struct title {
    const char* file;  // in the dist folder
    const char* text;
    int w, h;
    double size;       // letter size in px
    bool rule;         // the rule under the word, for the game's name over the menu
};
// False, with a message, when the word or its rule would not keep clear of the edge.
bool title_fits(const title& t, std::string& err);
image draw_title(const title& t);

// A picture of worded_pictures with its words in one language, each kind in its own style,
// at the largest letter size, from the English one down to 70 % of it, that keeps the words
// clear of the canvas' edge and of the shape round them; English only at its own size.
// False, with a message naming the language ("" for English), the picture and the words,
// where even the smallest size does not fit or the font lacks one of the letters.
bool draw_worded(const worded_picture& p, const std::string& words, const std::string& language,
                 image& out, std::string& err);
// Its file in the dist folder: the entry's own for English, other/<language>/<its name> else.
std::string worded_file(const worded_picture& p, const std::string& language);
// The title screen and the info bar's background with their English words drawn straight
// in, as the game shows them: what the backgrounds with the English pictures over them give.
image intro_as_shown();
image bar_as_shown();

std::vector<uint8_t> click_sound(int rate);

// The program's icon at one size, and the .ico (16, 32, 48, 256) with a PNG per size
// at <png_prefix><size>.png.
void draw_icon(cairo_t* cr, int size);
bool write_icons(const std::string& ico_path, const std::string& png_prefix, std::string& err);

// Power-up pictures, shared by the strips and the decorative backgrounds.
void draw_hammer_icon(cairo_t* cr, double cx, double cy, double angle, double scale);
void draw_stopwatch_icon(cairo_t* cr, double cx, double cy, double hand, double scale);
void draw_hourglass_icon(cairo_t* cr, double cx, double cy, double fill, double turn, double scale,
                         int frame);
void draw_dynamite_icon(cairo_t* cr, double cx, double cy, double scale, int frame);

}  // namespace art
