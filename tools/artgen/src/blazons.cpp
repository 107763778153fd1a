// The blazons: one shield, its pictures told apart by their arms alone, so the set is a
// table of arms rather than of drawings.
#include "cards.h"

#include "resource_ids.h"

#include <cmath>
#include <iterator>

namespace art {

namespace {

enum tincture { or_ /* gold: a bare "or" is a keyword */, argent, gules, azure, vert, sable, purpure };
const rgb tinctures[7] = {hex(0xe8b94a), hex(0xebe9e2), hex(0xc62f2f), hex(0x2f62b5), hex(0x2f8a45), hex(0x25252e), hex(0x7b3f97)};

enum class division {
    plain, per_pale, per_fess, per_bend, quarterly, per_saltire, per_chevron, chief, pale, fess, bend, cross, saltire,
    chevron, bordure, chequy, paly, barry, bendy, gyronny, pile, pall, canton, inescutcheon, fess_dancetty,
    per_pale_indented, chief_indented, lozengy, barry_wavy, roundels, tower, three_stars
};

enum class figure { none, star, crescent, roundel, fleur_de_lis, cross_patee, heart, crown };

struct arms {
    const char* name;
    division partition;
    tincture field, other;
    figure charge = figure::none;  // where the field leaves room for one
    tincture charge_tincture = or_;
    double cx = 0, cy = 0, scale = 0;
};

// Thirty-two distinct partitions and ordinaries.
const arms pictures[] = {
    {"fleur_de_lis", division::plain, argent, or_, figure::fleur_de_lis, azure, 25, 24, 1.9},
    {"per_pale", division::per_pale, gules, argent},
    {"per_fess", division::per_fess, argent, sable},
    {"per_bend", division::per_bend, vert, or_},
    {"quarterly", division::quarterly, argent, gules},
    {"per_saltire", division::per_saltire, sable, or_},
    {"per_chevron", division::per_chevron, azure, argent, figure::star, gules, 25, 16, 0.8},
    {"chief", division::chief, argent, azure, figure::heart, gules, 25, 30, 1.2},
    {"pale", division::pale, azure, argent},
    {"fess", division::fess, argent, gules},
    {"bend", division::bend, vert, argent},
    {"cross", division::cross, or_, gules},
    {"saltire", division::saltire, azure, argent},
    {"chevron", division::chevron, gules, or_, figure::roundel, azure, 25, 37, 0.8},
    {"bordure", division::bordure, sable, or_, figure::crown, or_, 25, 24, 1.0},
    {"chequy", division::chequy, argent, azure},
    {"paly", division::paly, or_, gules},
    {"barry", division::barry, argent, vert},
    {"bendy", division::bendy, azure, or_},
    {"gyronny", division::gyronny, gules, argent},
    {"pile", division::pile, vert, or_},
    {"pall", division::pall, argent, purpure},
    {"canton", division::canton, argent, gules, figure::cross_patee, sable, 28, 30, 1.0},
    {"inescutcheon", division::inescutcheon, or_, sable},
    {"fess_dancetty", division::fess_dancetty, gules, argent},
    {"per_pale_indented", division::per_pale_indented, argent, azure},
    {"chief_indented", division::chief_indented, argent, sable, figure::crescent, gules, 25, 30, 1.2},
    {"lozengy", division::lozengy, or_, azure},
    {"barry_wavy", division::barry_wavy, azure, argent, figure::star, or_, 25, 16, 1.0},
    {"roundels", division::roundels, purpure, argent},
    {"tower", division::tower, sable, argent},
    {"three_stars", division::three_stars, sable, or_},
};
static_assert(std::size(pictures) == pictures_per_set, "a sheet deals 32 blazons");

void shield_path(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 9, 7);
    cairo_line_to(cr, 41, 7);
    cairo_line_to(cr, 41, 23);
    cairo_curve_to(cr, 41, 34, 34, 41, 25, 45.5);
    cairo_curve_to(cr, 16, 41, 9, 34, 9, 23);
    cairo_close_path(cr);
}

void tfill(cairo_t* cr, tincture t) {
    rgb c = tinctures[t];
    fill_pat(cr, lin(9, 7, 41, 45, shade(c, 1.18), shade(c, 0.82)));
}

void band(cairo_t* cr, double x0, double y0, double x1, double y1, double w) {
    double dx = x1 - x0, dy = y1 - y0, l = std::sqrt(dx * dx + dy * dy);
    double nx = -dy / l * w / 2, ny = dx / l * w / 2;
    poly(cr, {{x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}});
}

void zigzag_h(cairo_t* cr, double y, double amp, double step, bool close_below) {
    cairo_new_path(cr);
    cairo_move_to(cr, 5, y);
    bool up = true;
    for (double x = 5; x <= 45; x += step) { cairo_line_to(cr, x, y + (up ? -amp : amp)); up = !up; }
    cairo_line_to(cr, 45, close_below ? 50 : 0);
    cairo_line_to(cr, 5, close_below ? 50 : 0);
    cairo_close_path(cr);
}

void charge(cairo_t* cr, figure kind, double cx, double cy, double s, tincture t) {
    rgb c = tinctures[t];
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    cairo_new_path(cr);
    switch (kind) {
    case figure::star: star(cr, 0, 0, 5, 6, 2.5); break;
    case figure::crescent:
        cairo_arc(cr, 0, 0, 6, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, 0, -2.4, 4.6, 2 * M_PI, 0);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        break;
    case figure::roundel: cairo_arc(cr, 0, 0, 5, 0, 2 * M_PI); break;
    case figure::fleur_de_lis:
        cairo_move_to(cr, 0, -7);
        cairo_curve_to(cr, 2.8, -4, 2.8, -1, 0.8, 1);
        cairo_curve_to(cr, 3, 0, 6, -3, 6.2, -0.5);
        cairo_curve_to(cr, 6.4, 2, 3.5, 3.2, 1.5, 3);
        cairo_line_to(cr, 2.5, 6.8); cairo_line_to(cr, -2.5, 6.8); cairo_line_to(cr, -1.5, 3);
        cairo_curve_to(cr, -3.5, 3.2, -6.4, 2, -6.2, -0.5);
        cairo_curve_to(cr, -6, -3, -3, 0, -0.8, 1);
        cairo_curve_to(cr, -2.8, -1, -2.8, -4, 0, -7);
        cairo_close_path(cr);
        cairo_new_sub_path(cr);
        cairo_rectangle(cr, -4, 2.5, 8, 1.6);
        break;
    case figure::cross_patee:
        cairo_move_to(cr, -1.5, -1.5);
        for (int k = 0; k < 4; ++k) {
            cairo_save(cr);
            cairo_rotate(cr, k * M_PI / 2);
            cairo_line_to(cr, -1.5, -1.5); cairo_line_to(cr, -3.5, -6.5); cairo_line_to(cr, 3.5, -6.5); cairo_line_to(cr, 1.5, -1.5);
            cairo_restore(cr);
        }
        cairo_close_path(cr);
        break;
    case figure::heart:
        cairo_move_to(cr, 0, 6);
        cairo_curve_to(cr, -8, 0, -5, -7, 0, -3);
        cairo_curve_to(cr, 5, -7, 8, 0, 0, 6);
        cairo_close_path(cr);
        break;
    case figure::crown:
        poly(cr, {{-6, 4}, {-6, -4}, {-3, 0}, {0, -6}, {3, 0}, {6, -4}, {6, 4}});
        break;
    case figure::none: break;
    }
    fill_pat(cr, lin(0, -7, 0, 7, shade(c, 1.2), shade(c, 0.8)), true);
    cairo_restore(cr);
    set(cr, pal::ink);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void draw(cairo_t* cr, int picture) {
    cairo_rectangle(cr, 0, 0, 50, 50);
    fill_pat(cr, rad(25, 22, 32, hex(0xf6efdc), hex(0xd9c8a0)));
    const arms& a = pictures[picture];
    // Drop shadow.
    cairo_save(cr);
    cairo_translate(cr, 1.2, 1.5);
    shield_path(cr);
    set(cr, {0, 0, 0}, 0.3);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    shield_path(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, 50, 50);
    tfill(cr, a.field);
    const tincture o = a.other;
    switch (a.partition) {
    case division::plain: break;  // the charge carries it
    case division::per_pale: cairo_rectangle(cr, 25, 0, 25, 50); tfill(cr, o); break;
    case division::per_fess: cairo_rectangle(cr, 0, 24, 50, 30); tfill(cr, o); break;
    case division::per_bend: poly(cr, {{9, 7}, {41, 45}, {0, 50}, {0, 0}}); tfill(cr, o); break;
    case division::quarterly: cairo_rectangle(cr, 0, 0, 25, 24); cairo_rectangle(cr, 25, 24, 25, 30); tfill(cr, o); break;
    case division::per_saltire: poly(cr, {{5, 3}, {45, 3}, {25, 26}}); tfill(cr, o);
        poly(cr, {{5, 50}, {45, 50}, {25, 26}}); tfill(cr, o); break;
    case division::per_chevron: poly(cr, {{0, 50}, {0, 40}, {25, 16}, {50, 40}, {50, 50}}); tfill(cr, o); break;
    case division::chief: cairo_rectangle(cr, 0, 0, 50, 17); tfill(cr, o); break;
    case division::pale: cairo_rectangle(cr, 20, 0, 10, 50); tfill(cr, o); break;
    case division::fess: cairo_rectangle(cr, 0, 20, 50, 9); tfill(cr, o); break;
    case division::bend: band(cr, 6, 4, 44, 44, 9); tfill(cr, o); break;
    case division::cross: cairo_rectangle(cr, 21, 0, 8, 50); cairo_rectangle(cr, 0, 20, 50, 8); tfill(cr, o); break;
    case division::saltire: band(cr, 6, 4, 44, 46, 7); tfill(cr, o); band(cr, 44, 4, 6, 46, 7); tfill(cr, o); break;
    case division::chevron: cairo_new_path(cr); cairo_move_to(cr, 3, 42); cairo_line_to(cr, 25, 16); cairo_line_to(cr, 47, 42);
        cairo_line_to(cr, 47, 31); cairo_line_to(cr, 25, 6); cairo_line_to(cr, 3, 31); cairo_close_path(cr); tfill(cr, o); break;
    case division::bordure:  // the other tincture, then the field again inset
        cairo_rectangle(cr, 0, 0, 50, 50); tfill(cr, o);
        cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.74, 0.74); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); tfill(cr, a.field);
        cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.74, 0.74); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); outline(cr, 0.6); break;
    case division::chequy: for (int y = 0; y < 6; ++y) for (int x = 0; x < 4; ++x) if ((x + y) & 1) cairo_rectangle(cr, 9 + x * 8, 7 + y * 6.5, 8, 6.5);
        tfill(cr, o); break;
    case division::paly: for (int k = 0; k < 3; ++k) cairo_rectangle(cr, 9 + 5.33 + k * 10.67, 0, 5.33, 50); tfill(cr, o); break;
    case division::barry: for (int k = 0; k < 3; ++k) cairo_rectangle(cr, 0, 7 + 6.4 + k * 12.8, 50, 6.4); tfill(cr, o); break;
    case division::bendy: for (int k = -3; k < 4; ++k) { band(cr, 0 + k * 12, 0, 50 + k * 12, 50, 6); tfill(cr, o); } break;
    case division::gyronny: for (int k = 0; k < 8; k += 2) {
            double a0 = k * M_PI / 4, a1 = (k + 1) * M_PI / 4;
            poly(cr, {{25, 24}, {25 + 40 * std::cos(a0), 24 + 40 * std::sin(a0)}, {25 + 40 * std::cos(a1), 24 + 40 * std::sin(a1)}});
            tfill(cr, o);
        } break;
    case division::pile: poly(cr, {{12, 7}, {38, 7}, {25, 40}}); tfill(cr, o); break;
    case division::pall: band(cr, 25, 24, 25, 50, 8); tfill(cr, o); band(cr, 7, 4, 25, 25, 8); tfill(cr, o);
        band(cr, 43, 4, 25, 25, 8); tfill(cr, o); break;
    case division::canton: cairo_rectangle(cr, 0, 0, 21, 19); tfill(cr, o); break;
    case division::inescutcheon: cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.42, 0.42); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); tfill(cr, o);
        cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.42, 0.42); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); outline(cr, 0.6); break;
    case division::fess_dancetty:
        zigzag_h(cr, 18, 5, 6.5, true); tfill(cr, o); zigzag_h(cr, 32, 5, 6.5, true); tfill(cr, a.field); break;
    case division::per_pale_indented: {
        cairo_new_path(cr); cairo_move_to(cr, 25, 0);
        bool l = true; for (double y = 4; y <= 50; y += 6.5) { cairo_line_to(cr, l ? 19 : 31, y); l = !l; }
        cairo_line_to(cr, 50, 50); cairo_line_to(cr, 50, 0); cairo_close_path(cr); tfill(cr, o); break;
    }
    case division::chief_indented: zigzag_h(cr, 17, 2.5, 4, false); tfill(cr, o); break;
    case division::lozengy: for (int y = 0; y < 6; ++y) for (int x = 0; x < 5; ++x) {
            double cx = 9 + x * 8 + ((y & 1) ? 4 : 0), cy = 7 + y * 7;
            poly(cr, {{cx, cy - 3.5}, {cx + 4, cy}, {cx, cy + 3.5}, {cx - 4, cy}}); tfill(cr, o);
        } break;
    case division::barry_wavy: {  // the lower half
        for (int k = 0; k < 3; ++k) {
            double y = 27 + k * 6;
            cairo_new_path(cr); cairo_move_to(cr, 0, y);
            for (double x = 0; x <= 50; x += 1) cairo_line_to(cr, x, y + 1.6 * std::sin(x * 0.5));
            for (double x = 50; x >= 0; x -= 1) cairo_line_to(cr, x, y + 3 + 1.6 * std::sin(x * 0.5));
            cairo_close_path(cr); tfill(cr, o);
        } break;
    }
    case division::roundels: for (int k = 0; k < 4; ++k) {
            double x = (k & 1) ? 32 : 18, y = (k & 2) ? 30 : 16;
            cairo_arc(cr, x, y, 5, 0, 2 * M_PI); tfill(cr, o);
            cairo_arc(cr, x, y, 5, 0, 2 * M_PI); outline(cr, 0.6);
        } break;
    case division::tower: {
        poly(cr, {{17, 40}, {17, 18}, {19, 18}, {19, 15}, {22, 15}, {22, 18}, {24, 18}, {24, 15}, {27, 15}, {27, 18}, {29, 18},
                  {29, 15}, {32, 15}, {32, 18}, {33, 18}, {33, 40}});
        tfill(cr, o);
        poly(cr, {{17, 40}, {17, 18}, {19, 18}, {19, 15}, {22, 15}, {22, 18}, {24, 18}, {24, 15}, {27, 15}, {27, 18}, {29, 18},
                  {29, 15}, {32, 15}, {32, 18}, {33, 18}, {33, 40}});
        outline(cr, 0.7);
        cairo_new_path(cr); cairo_move_to(cr, 22, 40); cairo_line_to(cr, 22, 33); cairo_arc(cr, 25, 33, 3, M_PI, 0);
        cairo_line_to(cr, 28, 40); cairo_close_path(cr); tfill(cr, a.field); break;
    }
    case division::three_stars: {  // two in chief, one in base
        for (int k = 0; k < 3; ++k) {
            double x = k == 2 ? 25 : (k ? 33 : 17), y = k == 2 ? 33 : 17;
            star(cr, x, y, 5, 6.5, 2.7); tfill(cr, o);
            star(cr, x, y, 5, 6.5, 2.7); outline(cr, 0.6);
        } break;
    }
    }
    if (a.charge != figure::none) charge(cr, a.charge, a.cx, a.cy, a.scale, a.charge_tincture);
    // Gloss, fading out rather than ending on an edge that would read as part of the arms.
    cairo_new_path(cr);
    cairo_move_to(cr, 9, 7); cairo_line_to(cr, 25, 7); cairo_curve_to(cr, 20, 16, 14, 24, 9, 30); cairo_close_path(cr);
    {
        cairo_pattern_t* g = cairo_pattern_create_radial(9, 7, 0, 9, 7, 20);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.22);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    cairo_restore(cr);
    shield_path(cr);
    set(cr, pal::gold_dark);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke_preserve(cr);
    set(cr, pal::gold_light);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

}  // namespace

const card_set_art blazon_set = {
    res_blazons, "blazons.bmp", {hex(0x4d6bb0), pal::navy_dark, pal::gold} /* royal blue */, draw};

}  // namespace art
