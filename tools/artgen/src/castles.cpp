// The castles: their table (the one place that keeps their order), the skies and the
// masonry the pictures share. The pictures are in castle_forts.cpp and castle_landmarks.cpp.
#include "castles.h"

#include "resource_ids.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace art::castles {

void castle_tower(cairo_t* cr, double cx, double base, double w, double h, tower_top style, rgb stone, rgb roof,
                  bool flag) {
    double x0 = cx - w / 2, top = base - h;
    cairo_rectangle(cr, x0, top, w, h);
    fill_pat(cr, lin(x0, 0, x0 + w, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    // Arched window.
    double ww = std::max(1.6, w * 0.22);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - ww / 2, top + 4 + ww * 1.6);
    cairo_line_to(cr, cx - ww / 2, top + 4 + ww / 2);
    cairo_arc(cr, cx, top + 4 + ww / 2, ww / 2, M_PI, 0);
    cairo_line_to(cr, cx + ww / 2, top + 4 + ww * 1.6);
    cairo_close_path(cr);
    set(cr, hex(0x2a2030));
    cairo_fill(cr);
    switch (style) {
    case tower_top::onion: {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, top);
        cairo_curve_to(cr, x0 - w * 0.35, top - w * 0.55, cx - w * 0.1, top - w * 0.75, cx, top - w * 1.15);
        cairo_curve_to(cr, cx + w * 0.1, top - w * 0.75, x0 + w * 1.35, top - w * 0.55, x0 + w, top);
        cairo_close_path(cr);
        fill_pat(cr, rad(cx - w * 0.2, top - w * 0.5, w, shade(roof, 1.4), shade(roof, 0.6)), true);
        outline(cr, 0.9);
        cairo_arc(cr, cx, top - w * 1.15 - 1, 1.1, 0, 2 * M_PI);
        set(cr, pal::gold); cairo_fill(cr);
        break;
    }
    case tower_top::hoard: {  // an overhanging timber gallery with a long pennant
        poly(cr, {{x0 - 2.2, top}, {x0 - 1.2, top - 4}, {x0 + w + 1.2, top - 4}, {x0 + w + 2.2, top}});
        fill_pat(cr, lin(0, top - 4, 0, top, shade(roof, 1.2), shade(roof, 0.7)), true);
        outline(cr, 0.8);
        if (flag || w > 7) {
            cairo_move_to(cr, cx, top - 4); cairo_line_to(cr, cx, top - 11);
            outline(cr, 0.8);
            cairo_new_path(cr);
            cairo_move_to(cr, cx, top - 11);
            cairo_curve_to(cr, cx + 4, top - 12, cx + 6, top - 9, cx + 10, top - 10);
            cairo_line_to(cr, cx, top - 7.5);
            cairo_close_path(cr);
            set(cr, roof); cairo_fill_preserve(cr); outline(cr, 0.6);
        }
        break;
    }
    }
}

void castle_wall(cairo_t* cr, double x0, double x1, double base, double h, rgb stone, bool gate) {
    double top = base - h;
    cairo_rectangle(cr, x0, top, x1 - x0, h);
    fill_pat(cr, lin(0, top, 0, base, shade(stone, 1.15), shade(stone, 0.75)), true);
    outline(cr, 0.9);
    for (double x = x0 + 1; x + 2.2 <= x1; x += 4.4) {
        cairo_rectangle(cr, x, top - 2.4, 2.2, 2.4);
        set(cr, shade(stone, 1.05)); cairo_fill_preserve(cr); outline(cr, 0.6);
    }
    // Brick courses.
    set(cr, shade(stone, 0.6), 0.6);
    cairo_set_line_width(cr, 0.5);
    for (double y = top + 3; y < base - 1; y += 3) { cairo_move_to(cr, x0 + 0.5, y); cairo_line_to(cr, x1 - 0.5, y); }
    cairo_stroke(cr);
    if (gate) {
        double cx = (x0 + x1) / 2, gw = std::min(7.0, (x1 - x0) * 0.45);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - gw / 2, base);
        cairo_line_to(cr, cx - gw / 2, base - h * 0.45);
        cairo_arc(cr, cx, base - h * 0.45, gw / 2, M_PI, 0);
        cairo_line_to(cr, cx + gw / 2, base);
        cairo_close_path(cr);
        set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
        set(cr, hex(0x8a8070));
        cairo_set_line_width(cr, 0.6);
        for (double x = cx - gw / 2 + 1.5; x < cx + gw / 2; x += 1.8) { cairo_move_to(cr, x, base - h * 0.45 - gw / 2 + 1); cairo_line_to(cr, x, base); }
        cairo_stroke(cr);
    }
}

void grass(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 41);
    cairo_curve_to(cr, 15, 38.5, 35, 38.5, 50, 41.5);
    cairo_line_to(cr, 50, 50); cairo_line_to(cr, 0, 50); cairo_close_path(cr);
    fill_pat(cr, lin(0, 38, 0, 48, hex(0x7cc36a), hex(0x3d7d35)));
}

void arch_path(cairo_t* cr, double x, double y, double w, double h) {
    cairo_move_to(cr, x - w / 2, y + h);
    cairo_line_to(cr, x - w / 2, y + w / 2);
    cairo_arc(cr, x, y + w / 2, w / 2, M_PI, 0);
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_close_path(cr);
}

void waves(cairo_t* cr, double y0, int rows, double gap) {
    set(cr, hex(0xcfe6f7));
    cairo_set_line_width(cr, 0.8);
    for (int k = 0; k < rows; ++k) {
        double y = y0 + k * gap, off = (k & 1) * 3.5;
        for (double x = 3 + off; x < 47; x += 7) { cairo_move_to(cr, x, y); cairo_curve_to(cr, x + 1, y - 1, x + 2, y - 1, x + 3, y); }
    }
    cairo_stroke(cr);
}

namespace {

const rgb granite = hex(0xaab0ba), sandstone = hex(0xd6c49a), limestone = hex(0xe2dccf), brick = hex(0xb9826a);

enum class weather { sun, clouds, evening, hills };

struct castle {
    const char* name;
    weather sky;
    rgb stone, roof;
    draw_fn* draw;
};

// Each castle has an outline no other has: a lone tower under four skies is remembered as
// one picture. Castles that look most alike never share a stone (under the evening sky
// lightness is what is left to tell them by). The lighthouse's roof colour is its bands'.
const castle pictures[] = {
    {"bridge_gate", weather::sun, granite, tint::blue, bridge_gate},
    {"star_fort", weather::sun, sandstone, tint::orange, star_fort},
    {"great_banner", weather::sun, limestone, tint::indigo, great_banner},
    {"statue_gate", weather::sun, brick, tint::green, statue_gate},
    {"lighthouse", weather::sun, limestone, tint::red, lighthouse},
    {"tiered_keep", weather::sun, brick, tint::red, tiered_keep},
    {"pavilions", weather::sun, granite, tint::purple, pavilions},
    {"stair_palace", weather::sun, sandstone, tint::crimson, stair_palace},
    {"motte_and_bailey", weather::clouds, sandstone, tint::blue, motte_and_bailey},
    {"tower_house", weather::clouds, limestone, tint::orange, tower_house},
    {"snow_castle", weather::clouds, brick, tint::indigo, snow_castle},
    {"monastery", weather::clouds, granite, tint::green, monastery},
    {"ruin", weather::clouds, brick, tint::teal, ruin},
    {"walled_town", weather::clouds, limestone, tint::red, walled_town},
    {"trebuchet", weather::clouds, sandstone, tint::purple, trebuchet},
    {"moorish_fort", weather::clouds, limestone, tint::crimson, moorish_fort},
    {"beacon", weather::evening, limestone, tint::blue, beacon},
    {"cave_fortress", weather::evening, sandstone, tint::orange, cave_fortress},
    {"shell_keep", weather::evening, granite, tint::indigo, shell_keep},
    {"observatory", weather::evening, brick, tint::green, observatory},
    {"windmill", weather::evening, granite, tint::teal, windmill},
    {"torch_gate", weather::evening, limestone, tint::red, torch_gate},
    {"island_castle", weather::evening, limestone, tint::purple, island_castle},
    {"standing_stones", weather::evening, granite, tint::crimson, standing_stones},
    {"chapel", weather::hills, brick, tint::blue, chapel},
    {"harbour_fort", weather::hills, granite, tint::orange, harbour_fort},
    {"aqueduct", weather::hills, sandstone, tint::indigo, aqueduct},
    {"treehouse", weather::hills, limestone, tint::green, treehouse},
    {"spire", weather::hills, sandstone, tint::teal, spire},
    {"hill_fort", weather::hills, limestone, tint::red, hill_fort},
    {"drawbridge", weather::hills, brick, tint::purple, drawbridge},
    {"causeway_castle", weather::hills, granite, tint::crimson, causeway_castle},
};
static_assert(std::size(pictures) == pictures_per_set, "a sheet deals 32 castles");

void draw_sky(cairo_t* cr, weather w) {
    cairo_rectangle(cr, 0, 0, 50, 50);
    if (w == weather::evening) fill_pat(cr, lin(0, 3, 0, 40, hex(0x3b3f7a), hex(0xf0a878)));
    else fill_pat(cr, lin(0, 3, 0, 40, hex(0x8cc4ea), hex(0xe4f2fa)));
    switch (w) {
    case weather::sun:
        star(cr, 11, 11, 10, 7.5, 4.5, 0.1);
        set(cr, hex(0xffc83a)); cairo_fill(cr);
        cairo_arc(cr, 11, 11, 4.2, 0, 2 * M_PI);
        fill_pat(cr, rad(10, 10, 5, hex(0xfff3a0), hex(0xf5a623)), true); outline(cr, 0.6, hex(0xb86b12));
        break;
    case weather::clouds:
        for (int k = 0; k < 2; ++k) {
            double x = k ? 36 : 10, y = k ? 12 : 9;
            cairo_new_path(cr);
            cairo_arc(cr, x, y, 3.5, 0, 2 * M_PI); cairo_new_sub_path(cr);
            cairo_arc(cr, x + 4, y - 1.5, 4.2, 0, 2 * M_PI); cairo_new_sub_path(cr);
            cairo_arc(cr, x + 8, y, 3.2, 0, 2 * M_PI);
            set(cr, hex(0xfbfdff)); cairo_fill_preserve(cr); outline(cr, 0.5, hex(0x8aa6c0));
        }
        break;
    case weather::evening:  // a crescent moon and stars
        cairo_new_path(cr);
        cairo_arc(cr, 39, 11, 5, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, 41.5, 9.5, 4.2, 2 * M_PI, 0);
        set(cr, hex(0xfff1b0)); cairo_fill(cr);
        star(cr, 9, 8, 4, 2.4, 0.7); star(cr, 19, 13, 4, 1.8, 0.5); star(cr, 28, 6, 4, 2, 0.6);
        set(cr, hex(0xfff1b0)); cairo_fill(cr);
        break;
    case weather::hills:  // birds over the hills
        cairo_new_path(cr);
        for (int k = 0; k < 3; ++k) {
            double x = 8 + k * 6, y = 9 + (k % 2) * 4;
            cairo_move_to(cr, x - 2.5, y - 1.2); cairo_curve_to(cr, x - 1.5, y - 2, x - 0.5, y - 1, x, y);
            cairo_curve_to(cr, x + 0.5, y - 1, x + 1.5, y - 2, x + 2.5, y - 1.2);
        }
        outline(cr, 0.9, hex(0x2a3050));
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 34); cairo_curve_to(cr, 12, 27, 20, 30, 28, 34);
        cairo_curve_to(cr, 36, 29, 44, 28, 50, 33); cairo_line_to(cr, 50, 42); cairo_line_to(cr, 0, 42); cairo_close_path(cr);
        fill_pat(cr, lin(0, 28, 0, 42, hex(0x9cc8a0), hex(0x6a9a70)));
        break;
    }
}

void draw(cairo_t* cr, int picture) {
    const castle& c = pictures[picture];
    draw_sky(cr, c.sky);
    c.draw(cr, c.stone, c.roof);
}

}  // namespace

}  // namespace art::castles

namespace art {

const card_set_art castle_set = {
    res_castles, "castles.bmp", {hex(0x9aa3b5), hex(0x4d566b), pal::gold} /* slate */, castles::draw};

}  // namespace art
