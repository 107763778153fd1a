// The flowers: most are one head of petals in a pose of its own, the rest drawn whole.
#include "cards.h"

#include "resource_ids.h"

#include <cmath>
#include <iterator>

namespace art {

namespace {

enum class petal { round, pointed, notched, ray, frilled };

void petal_path(cairo_t* cr, petal shape, double len, double wid) {
    cairo_new_path(cr);
    switch (shape) {
    case petal::round:
        ellipse(cr, 0, -len * 0.55, wid * 0.62, len * 0.5);
        break;
    case petal::pointed:
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, wid * 0.7, -len * 0.3, wid * 0.4, -len * 0.75, 0, -len);
        cairo_curve_to(cr, -wid * 0.4, -len * 0.75, -wid * 0.7, -len * 0.3, 0, 0);
        break;
    case petal::notched:  // heart-notched
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, wid * 0.9, -len * 0.3, wid * 0.8, -len * 1.05, wid * 0.3, -len * 0.98);
        cairo_line_to(cr, 0, -len * 0.78);
        cairo_line_to(cr, -wid * 0.3, -len * 0.98);
        cairo_curve_to(cr, -wid * 0.8, -len * 1.05, -wid * 0.9, -len * 0.3, 0, 0);
        break;
    case petal::ray:
        ellipse(cr, 0, -len * 0.55, wid * 0.22, len * 0.48);
        break;
    case petal::frilled:  // a zigzag tip
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, wid * 0.7, -len * 0.3, wid * 0.6, -len * 0.7, wid * 0.45, -len * 0.88);
        cairo_line_to(cr, wid * 0.22, -len * 0.78);
        cairo_line_to(cr, 0, -len);
        cairo_line_to(cr, -wid * 0.22, -len * 0.78);
        cairo_line_to(cr, -wid * 0.45, -len * 0.88);
        cairo_curve_to(cr, -wid * 0.6, -len * 0.7, -wid * 0.7, -len * 0.3, 0, 0);
        break;
    }
    cairo_close_path(cr);
}

void stem(cairo_t* cr, double x0, double y0, double x1, double y1, bool leaf_left, bool leaf_right) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0, (y0 + y1) / 2, x1, (y0 + y1) / 2, x1, y1);
    set(cr, hex(0x2f6b2f)); cairo_set_line_width(cr, 2.2); cairo_stroke(cr);
    for (int s = 0; s < 2; ++s) {
        if (!(s == 0 ? leaf_left : leaf_right)) continue;
        double dir = s == 0 ? -1 : 1, ly = y0 - (y0 - y1) * (s == 0 ? 0.3 : 0.45);
        double lx = x0 + (x1 - x0) * 0.3;
        cairo_new_path(cr);
        cairo_move_to(cr, lx, ly);
        cairo_curve_to(cr, lx + dir * 4, ly - 6, lx + dir * 10, ly - 5, lx + dir * 12, ly - 8);
        cairo_curve_to(cr, lx + dir * 9, ly, lx + dir * 4, ly + 1, lx, ly);
        fill_pat(cr, lin(lx, ly - 8, lx + dir * 12, ly, hex(0x8fd07a), hex(0x2f7a35)), true);
        outline(cr, 0.7);
    }
}

void radial_head(cairo_t* cr, double cx, double cy, petal shape, int n, double len, double wid, rgb c, double centre) {
    for (int k = 0; k < n; ++k) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, 2 * M_PI * k / n);
        petal_path(cr, shape, len, wid);
        fill_pat(cr, lin(0, 0, 0, -len, shade(c, 0.75), shade(c, 1.3)), true);
        outline(cr, 0.7);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, centre, 0, 2 * M_PI);
    fill_pat(cr, rad(cx - centre * 0.3, cy - centre * 0.3, centre * 1.4, hex(0xffe27a), hex(0xb86b12)), true);
    outline(cr, 0.7);
}

struct head { double x, y, scale; };
enum class undergrowth { none, blades, bud, leaves };

struct flower {
    const char* name;
    void (*draw)(cairo_t* cr, const flower& f);
    rgb colour = {};  // of the petals
    // The rest is for the flowers in a pose.
    petal shape = petal::round;
    int petals = 0;
    head heads[2] = {};  // a second head where its scale is not 0
    undergrowth grass = undergrowth::none;
    bool leaf_left = false;  // the first stem's leaf; a second stem's grows the other way
};

int head_count(const flower& f) { return f.heads[1].scale > 0 ? 2 : 1; }

// Grass, a stem to each head and a bud, as the flower's pose has them.
void stems(cairo_t* cr, const flower& f) {
    if (f.grass == undergrowth::blades) {  // two tall blades of grass
        for (int side = -1; side <= 1; side += 2) {
            double bx = f.heads[0].x + side * 5;
            cairo_new_path(cr);
            cairo_move_to(cr, bx, 47);
            cairo_curve_to(cr, bx + side * 4, 34, bx + side * 7, 22, bx + side * 9, 10);
            cairo_curve_to(cr, bx + side * 4, 22, bx + side * 2, 34, bx + side * 3.5, 47);
            cairo_close_path(cr);
            fill_pat(cr, lin(0, 10, 0, 47, hex(0x8fd07a), hex(0x2f7a35)), true);
            outline(cr, 0.7);
        }
    }
    for (int h = 0; h < head_count(f); ++h) {
        const head& hd = f.heads[h];
        double base = 25 + (hd.x - 25) * 0.35;
        const bool left = (h == 0) == f.leaf_left;
        stem(cr, base, 47, hd.x, hd.y + 6 * hd.scale, f.grass == undergrowth::leaves || left,
             f.grass == undergrowth::leaves || !left);
    }
    if (f.grass == undergrowth::bud) {  // a bud on a side shoot
        cairo_move_to(cr, 25, 36); cairo_curve_to(cr, 30, 32, 34, 30, 36, 26);
        set(cr, hex(0x2f6b2f)); cairo_set_line_width(cr, 1.6); cairo_stroke(cr);
        ellipse(cr, 36.5, 23.5, 2.6, 3.6);
        fill_pat(cr, lin(0, 20, 0, 27, shade(f.colour, 1.2), shade(f.colour, 0.7)), true); outline(cr, 0.7);
    }
}

// Draws one flower head at each of the row's heads, each in its own place and scale.
template <class Head>
void each_head(cairo_t* cr, const flower& f, Head draw_head) {
    stems(cr, f);
    for (int h = 0; h < head_count(f); ++h) {
        const head& hd = f.heads[h];
        cairo_save(cr);
        cairo_translate(cr, hd.x, hd.y);
        cairo_scale(cr, hd.scale, hd.scale);
        draw_head();
        cairo_restore(cr);
    }
}

void single_bloom(cairo_t* cr, const flower& f) {
    const int n = f.petals;
    each_head(cr, f, [&] {
        double len = 15, wid = f.shape == petal::ray ? 8 : 2 * M_PI * 8 / n * 1.3 + 4;
        if (wid > 14) wid = 14;
        double centre = (f.shape == petal::ray) ? 4.5 : (n >= 8 ? 4 : 3.4);
        radial_head(cr, 0, 0, f.shape, n, len, wid, f.colour, centre);
    });
}

// Two rings: the row's petals outside, darker, and round ones within.
void double_bloom(cairo_t* cr, const flower& f) {
    const int n = f.petals;
    each_head(cr, f, [&] {
        for (int k = 0; k < n; ++k) {
            cairo_save(cr); cairo_rotate(cr, 2 * M_PI * k / n);
            petal_path(cr, f.shape, 16, 9);
            fill_pat(cr, lin(0, 0, 0, -16, shade(f.colour, 0.6), shade(f.colour, 1.0)), true); outline(cr, 0.7);
            cairo_restore(cr);
        }
        radial_head(cr, 0, 0, petal::round, n, 9, 6.5, shade(f.colour, 1.25), 2.8);
    });
}

void tulip(cairo_t* cr, const flower& f) {
    stem(cr, 25, 47, 25, 26, true, true);
    cairo_new_path(cr);
    cairo_move_to(cr, 15, 12); cairo_line_to(cr, 19, 17); cairo_line_to(cr, 25, 9);
    cairo_line_to(cr, 31, 17); cairo_line_to(cr, 35, 12);
    cairo_curve_to(cr, 37, 22, 33, 29, 25, 29);
    cairo_curve_to(cr, 17, 29, 13, 22, 15, 12);
    cairo_close_path(cr);
    fill_pat(cr, lin(15, 0, 35, 0, shade(f.colour, 1.3), shade(f.colour, 0.7)), true);
    outline(cr, 0.8);
    cairo_move_to(cr, 25, 11); cairo_line_to(cr, 25, 27);
    set(cr, shade(f.colour, 0.6)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
}

void bellflowers(cairo_t* cr, const flower& f) {
    cairo_move_to(cr, 12, 47); cairo_curve_to(cr, 12, 20, 25, 8, 40, 12);
    set(cr, hex(0x2f6b2f)); cairo_set_line_width(cr, 1.8); cairo_stroke(cr);
    const double bx[3] = {17, 27, 37}, by[3] = {22, 14, 15};
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, bx[k], by[k] - 3); cairo_line_to(cr, bx[k], by[k]);
        set(cr, hex(0x2f6b2f)); cairo_set_line_width(cr, 1); cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, bx[k] - 3, by[k] + 1);
        cairo_curve_to(cr, bx[k] - 3, by[k] - 2, bx[k] + 3, by[k] - 2, bx[k] + 3, by[k] + 1);
        cairo_line_to(cr, bx[k] + 4.5, by[k] + 7); cairo_line_to(cr, bx[k] + 2, by[k] + 6);
        cairo_line_to(cr, bx[k], by[k] + 8); cairo_line_to(cr, bx[k] - 2, by[k] + 6);
        cairo_line_to(cr, bx[k] - 4.5, by[k] + 7); cairo_close_path(cr);
        fill_pat(cr, lin(bx[k] - 4, 0, bx[k] + 4, 0, shade(f.colour, 1.3), shade(f.colour, 0.7)), true);
        outline(cr, 0.7);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 12, 44); cairo_curve_to(cr, 2, 36, 6, 26, 10, 22);
    cairo_curve_to(cr, 14, 30, 15, 38, 12, 44);
    fill_pat(cr, lin(4, 22, 14, 44, hex(0x8fd07a), hex(0x2f7a35)), true);
    outline(cr, 0.7);
}

void lavender(cairo_t* cr, const flower& f) {
    stem(cr, 25, 47, 25, 12, true, false);
    for (int k = 0; k < 9; ++k) {
        double y = 8 + k * 3.2, dx = (k & 1) ? 2.6 : -2.6, s = 1.6 + k * 0.12;
        ellipse(cr, 25 + dx, y, s + 0.8, s);
        fill_pat(cr, lin(0, y - 2, 0, y + 2, shade(f.colour, 1.3), shade(f.colour, 0.75)), true);
        outline(cr, 0.6);
    }
}

void rose(cairo_t* cr, const flower& f) {
    // A lower, smaller bloom than the sunflower's, so the two round heads part in outline.
    stem(cr, 25, 47, 25, 34, true, true);
    cairo_save(cr);
    cairo_translate(cr, 25, 28); cairo_scale(cr, 0.72, 0.72); cairo_translate(cr, -25, -22);
    for (int k = 0; k < 5; ++k) {
        cairo_save(cr); cairo_translate(cr, 25, 22); cairo_rotate(cr, k * 2 * M_PI / 5 + 0.3);
        petal_path(cr, petal::round, 16, 14);
        fill_pat(cr, lin(0, 0, 0, -16, shade(f.colour, 0.7), shade(f.colour, 1.1)), true); outline(cr, 0.7);
        cairo_restore(cr);
    }
    cairo_arc(cr, 25, 22, 10, 0, 2 * M_PI);
    fill_pat(cr, rad(22, 19, 16, shade(f.colour, 1.3), shade(f.colour, 0.65)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);
    for (double a = 0; a < 5.2 * M_PI; a += 0.15) {
        double r = 0.8 + a * 0.55;
        cairo_line_to(cr, 25 + r * std::cos(a), 22 + r * std::sin(a));
    }
    set(cr, shade(f.colour, 0.45)); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    cairo_restore(cr);
}

void sunflower(cairo_t* cr, const flower& f) {
    stem(cr, 25, 47, 25, 34, false, true);
    radial_head(cr, 25, 21, petal::pointed, 20, 16, 5, f.colour, 8.5);
    cairo_arc(cr, 25, 21, 8.5, 0, 2 * M_PI);
    set(cr, hex(0x5a3212)); cairo_fill(cr);
    set(cr, hex(0x9a6428));
    for (int k = 0; k < 24; ++k) {
        double a = k * 2.39996, r = 1.6 * std::sqrt(double(k));
        cairo_arc(cr, 25 + r * std::cos(a), 21 + r * std::sin(a), 0.65, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void dandelion_clock(cairo_t* cr, const flower&) {
    stem(cr, 25, 47, 25, 24, false, false);
    cairo_set_line_width(cr, 0.7);
    for (int k = 0; k < 22; ++k) {
        double a = 2 * M_PI * k / 22;
        cairo_move_to(cr, 25, 20);
        cairo_line_to(cr, 25 + 13 * std::cos(a), 20 + 13 * std::sin(a));
    }
    set(cr, hex(0x8a8a7a)); cairo_stroke(cr);
    for (int k = 0; k < 22; ++k) {
        double a = 2 * M_PI * k / 22;
        star(cr, 25 + 13 * std::cos(a), 20 + 13 * std::sin(a), 5, 2.2, 0.6, a);
        set(cr, hex(0x6a6a5e)); cairo_fill(cr);
    }
    cairo_arc(cr, 25, 20, 2.5, 0, 2 * M_PI);
    set(cr, hex(0x7a6a3a)); cairo_fill(cr);
}

void posy(cairo_t* cr, const flower& f) {
    stem(cr, 25, 47, 14, 22, false, false);
    stem(cr, 25, 47, 36, 20, false, false);
    stem(cr, 25, 47, 25, 14, false, false);
    radial_head(cr, 14, 22, petal::round, 5, 7, 6, f.colour, 1.8);
    radial_head(cr, 36, 20, petal::round, 5, 7, 6, shade(f.colour, 0.85), 1.8);
    radial_head(cr, 25, 12, petal::round, 5, 7, 6, shade(f.colour, 1.15), 1.8);
}

// In profile: a star of petals behind a trumpet.
void daffodil(cairo_t* cr, const flower& f) {
    stem(cr, 25, 47, 22, 26, true, false);
    cairo_save(cr);
    cairo_translate(cr, 22, 19);
    cairo_scale(cr, 0.7, 1);
    radial_head(cr, 0, 0, petal::pointed, 6, 13, 9, f.colour, 1);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 21, 15.5); cairo_curve_to(cr, 26, 15, 29, 13, 31, 10.5);
    for (int k = 0; k <= 8; ++k) cairo_line_to(cr, (k & 1) ? 33.5 : 31.5, 10.5 + k * 2.1);
    cairo_curve_to(cr, 29, 25, 26, 23, 21, 22.5);
    cairo_close_path(cr);
    fill_pat(cr, lin(0, 10, 0, 28, hex(0xf7a03a), hex(0xc25a12)), true);
    outline(cr, 0.8);
}

const rgb red = hex(0xe0463c), yellow = hex(0xf2c230), pink = hex(0xe874b0), violet = hex(0x8e5cc8),
          orange = hex(0xf08a2c), blue = hex(0x4a8fe0), white = hex(0xf3eee6), magenta = hex(0xc2187a);

// Every flower in a pose has one of its own: where its heads are and how big, so no two
// share an outline however alike their petals; neighbours in the table differ in colour
// and lightness as well.
// name, how drawn, colour, petal, petals, heads {x, y, scale}, undergrowth, first leaf left
const flower pictures[] = {
    {"round_four", single_bloom, white, petal::round, 4, {{25, 20, 1.0}}, undergrowth::none, true},
    {"round_five", single_bloom, pink, petal::round, 5, {{16, 16, .62}}, undergrowth::none, false},
    {"round_six", single_bloom, violet, petal::round, 6, {{34, 16, .62}}, undergrowth::none, true},
    {"round_eight", single_bloom, yellow, petal::round, 8, {{16, 30, .62}}, undergrowth::leaves, false},
    {"pointed_four", single_bloom, blue, petal::pointed, 4, {{34, 30, .62}}, undergrowth::leaves, true},
    {"pointed_five", single_bloom, magenta, petal::pointed, 5, {{25, 13, .55}}, undergrowth::bud, false},
    {"pointed_six", single_bloom, orange, petal::pointed, 6, {{25, 31, .7}}, undergrowth::blades, true},
    {"pointed_eight", single_bloom, red, petal::pointed, 8, {{14, 14, .5}, {35, 29, .5}}, undergrowth::none, false},
    {"notched_four", single_bloom, yellow, petal::notched, 4, {{35, 14, .5}, {14, 29, .5}}, undergrowth::none, true},
    {"notched_five", single_bloom, blue, petal::notched, 5, {{15, 17, .5}, {35, 17, .5}}, undergrowth::none, false},
    {"notched_six", single_bloom, magenta, petal::notched, 6, {{25, 22, .72}}, undergrowth::leaves, true},
    {"notched_eight", single_bloom, orange, petal::notched, 8, {{18, 22, .85}}, undergrowth::none, false},
    {"rayed_nine", single_bloom, red, petal::ray, 9, {{32, 22, .85}}, undergrowth::none, true},
    {"rayed_twelve", single_bloom, white, petal::ray, 12, {{25, 27, .9}}, undergrowth::none, false},
    {"rayed_sixteen", single_bloom, pink, petal::ray, 16, {{13, 12, .45}}, undergrowth::blades, true},
    {"rayed_twenty_four", single_bloom, violet, petal::ray, 24, {{37, 12, .45}}, undergrowth::blades, false},
    {"double_five", double_bloom, orange, petal::pointed, 5, {{25, 16, .75}}, undergrowth::bud, true},
    {"double_six", double_bloom, red, petal::pointed, 6, {{25, 11, .42}, {25, 29, .6}}, undergrowth::none, false},
    {"double_seven", double_bloom, white, petal::pointed, 7, {{19, 13, .55}}, undergrowth::leaves, true},
    {"double_ten", double_bloom, pink, petal::pointed, 10, {{30, 29, .9}}, undergrowth::none, false},
    {"frilled_five", single_bloom, violet, petal::frilled, 5, {{20, 29, .9}}, undergrowth::none, true},
    {"frilled_six", single_bloom, yellow, petal::frilled, 6, {{31, 13, .55}}, undergrowth::leaves, false},
    {"frilled_eight", single_bloom, blue, petal::frilled, 8, {{19, 18, .5}, {31, 27, .5}}, undergrowth::none, true},
    {"frilled_twelve", single_bloom, magenta, petal::frilled, 12, {{15, 35, .42}, {35, 35, .42}}, undergrowth::none, false},
    {"tulip", tulip, yellow},
    {"bellflowers", bellflowers, magenta},
    {"lavender", lavender, violet},  // dark, so it never reads as the dandelion
    {"rose", rose, hex(0xd0283c)},
    {"sunflower", sunflower, yellow},
    {"dandelion_clock", dandelion_clock},
    {"posy", posy, red},
    {"daffodil", daffodil, hex(0xf6e27a)},
};
static_assert(std::size(pictures) == pictures_per_set, "a sheet deals 32 flowers");

void draw(cairo_t* cr, int picture) {
    cairo_rectangle(cr, 0, 0, 50, 50);
    fill_pat(cr, rad(25, 22, 34, hex(0xfbf6e6), hex(0xd7e8c4)));
    pictures[picture].draw(cr, pictures[picture]);
}

}  // namespace

const card_set_art flower_set = {
    res_flowers, "flowers.bmp", {hex(0x7fbf6a), hex(0x2f6b2f), pal::gold} /* leaf */, draw};

}  // namespace art
