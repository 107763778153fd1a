// Shared drawing helpers for the Pairwick art generator.
#pragma once
#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

namespace art {

// Top-down 8-bit RGB picture, the form every output file starts from.
struct Image {
    int w = 0, h = 0;
    std::vector<uint8_t> px;  // r,g,b per pixel
    Image() = default;
    Image(int w_, int h_, uint8_t r = 0, uint8_t g = 0, uint8_t b = 0);
    uint8_t* at(int x, int y) { return &px[(size_t(y) * w + x) * 3]; }
    const uint8_t* at(int x, int y) const { return &px[(size_t(y) * w + x) * 3]; }
    void blit(const Image& src, int dx, int dy);
};

enum class Key { None, White, Green };

// RAII Cairo ARGB surface with its context; starts fully transparent.
struct Canvas {
    int w, h;
    cairo_surface_t* surf;
    cairo_t* cr;
    Canvas(int w_, int h_);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Image opaque() const;      // composited over black; callers paint the whole area
    Image keyed(Key k) const;  // alpha thresholded, colours kept out of the key's bucket
};

struct RGB { double r, g, b; };
RGB hex(uint32_t v);
RGB mix(RGB a, RGB b, double t);
RGB shade(RGB c, double f);  // f<1 darker, f>1 lighter (towards white)

// Shared palette so every file looks like one game.
namespace pal {
extern const RGB navy, navy_dark, navy_light, gold, gold_light, gold_dark, cream, cream_dark,
    ink, red, green, blue, sky, stone, wood, wood_dark;
}

void set(cairo_t* cr, RGB c, double a = 1.0);
void rrect(cairo_t* cr, double x, double y, double w, double h, double r);
void star(cairo_t* cr, double cx, double cy, int points, double r_out, double r_in, double rot = 0);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
cairo_pattern_t* lin(double x0, double y0, double x1, double y1, RGB a, RGB b);
cairo_pattern_t* rad(double cx, double cy, double r, RGB inner, RGB outer);
void fill_pat(cairo_t* cr, cairo_pattern_t* p, bool preserve = false);
// Fill the current path with a vertical gradient and stroke it with an outline.
void fill_grad_outline(cairo_t* cr, double y0, double y1, RGB top, RGB bottom, RGB line, double lw);

// Fonts are loaded from a file so the output never depends on fontconfig.
bool load_font(const std::string& path, std::string& err);
void use_font(cairo_t* cr, double size);
void text_path_centered(cairo_t* cr, const std::string& s, double cx, double cy, double size);
void fancy_text(cairo_t* cr, const std::string& s, double cx, double cy, double size, RGB top,
                RGB bottom, RGB outline, double lw, bool shadow);

// Small deterministic generator: textures must not change between runs.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed * 2654435761u + 12345u) {}
    uint32_t next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    double uni() { return (next() & 0xffffff) / double(0x1000000); }
    double range(double a, double b) { return a + (b - a) * uni(); }
};

bool write_bmp(const std::string& path, const Image& img, std::string& err);
bool write_wav(const std::string& path, const std::vector<uint8_t>& samples, int rate,
               std::string& err);

// Producers, one per family of files.
void draw_card_back(cairo_t* cr);  // 50x50 at the origin
Image card_sheet(int set);
void draw_card_face(cairo_t* cr, int set, int picture);  // 50x50 at the origin         // 0 castles, 1 flowers, 2 cars, 3 blazons
Image anim_hammer();
Image anim_stopwatch();
Image anim_hourglass();
Image anim_dynamite();
Image anim_next();
Image cards_hammer();
Image cards_dynamite();
Image bg_intro();
Image bg_menu();
Image bg_field();
Image bar_background();
Image bar_boxs();
Image bar_boxs2();
Image bar_chain();
Image help_title();
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
