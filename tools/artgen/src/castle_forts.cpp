// The castles proper: keeps, gates, walls and palaces, each on its own ground.
#include "castles.h"

#include <cmath>

namespace art::castles {

void bridge_gate(cairo_t* cr, rgb stone, rgb roof) {
    // Banks, and the river between them, seen through the bridge's two arches.
    grass(cr);
    cairo_rectangle(cr, 0, 36, 50, 14);
    fill_pat(cr, lin(0, 36, 0, 48, hex(0x5a9fd6), hex(0x1f4f86)));
    waves(cr, 45, 2, 2.5);
    // The bridge: a low humped span whose two wide arches let the river through.
    cairo_new_path(cr);
    cairo_move_to(cr, 1, 44); cairo_line_to(cr, 1, 34);
    cairo_curve_to(cr, 12, 30, 18, 28, 25, 28);
    cairo_curve_to(cr, 32, 28, 38, 30, 49, 34);
    cairo_line_to(cr, 49, 44); cairo_close_path(cr);
    cairo_new_sub_path(cr); arch_path(cr, 11.5, 35, 16, 9);
    cairo_new_sub_path(cr); arch_path(cr, 38.5, 35, 16, 9);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fill_pat(cr, lin(0, 28, 0, 44, shade(stone, 1.2), shade(stone, 0.7)), true);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    outline(cr, 0.9);
    // Voussoirs round each arch.
    cairo_new_path(cr);
    cairo_arc(cr, 11.5, 43, 9.6, M_PI, 2 * M_PI); cairo_new_sub_path(cr);
    cairo_arc(cr, 38.5, 43, 9.6, M_PI, 2 * M_PI);
    set(cr, shade(stone, 0.6)); cairo_set_line_width(cr, 0.6); cairo_stroke(cr);
    // The gate on the middle pier: a small tower the road passes under.
    const double cx = 25;
    cairo_rectangle(cr, cx - 4.5, 18, 9, 11);
    fill_pat(cr, lin(cx - 4.5, 0, cx + 4.5, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    cairo_new_path(cr); arch_path(cr, cx, 22, 4.6, 7);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.6);
    poly(cr, {{cx - 6, 18}, {cx, 11}, {cx + 6, 18}});
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.9);
}

void star_fort(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // Five pointed bastions seen from high up, flattened by the view: the one castle
    // that is wider than it is tall and lies on the ground.
    const double cx = 26, cy = 37;
    auto star_pts = [&](double r, double dy) {
        cairo_new_path(cr);
        for (int k = 0; k < 10; ++k) {
            double a = -M_PI / 2 + k * M_PI / 5, rr = (k & 1) ? r * 0.55 : r;
            cairo_line_to(cr, cx + rr * std::cos(a), cy + dy + rr * std::sin(a) * 0.42);
        }
        cairo_close_path(cr);
    };
    star_pts(21, 3.5);  // the wall's outer face, in shadow below the rampart
    set(cr, shade(stone, 0.6)); cairo_fill_preserve(cr); outline(cr, 0.9);
    star_pts(21, 0);
    fill_pat(cr, lin(0, cy - 9, 0, cy + 9, shade(stone, 1.25), shade(stone, 0.85)), true);
    outline(cr, 0.9);
    star_pts(15, 0.6);  // the parade ground inside the rampart
    fill_pat(cr, lin(0, cy - 6, 0, cy + 6, hex(0x8fcf78), hex(0x5a9a4a)), true);
    outline(cr, 0.6);
    // A barracks block with a hipped roof and a flag in the middle.
    cairo_rectangle(cr, cx - 5, cy - 6, 10, 6);
    fill_pat(cr, lin(cx - 5, 0, cx + 5, 0, shade(stone, 1.2), shade(stone, 0.7)), true);
    outline(cr, 0.8);
    poly(cr, {{cx - 6.5, cy - 6}, {cx - 3, cy - 10}, {cx + 3, cy - 10}, {cx + 6.5, cy - 6}});
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); cairo_move_to(cr, cx, cy - 10); cairo_line_to(cr, cx, cy - 19);
    outline(cr, 0.8);
    poly(cr, {{cx, cy - 19}, {cx + 7, cy - 17}, {cx, cy - 15}});
    set(cr, roof); cairo_fill_preserve(cr); outline(cr, 0.5);
}

void great_banner(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A low gate tower whose tall mast flies a huge swallow-tailed banner across the
    // sky, clear of the sun: the only castle whose outline is mostly cloth.
    castle_wall(cr, 5, 45, 44, 8, stone, false);
    const double tx = 23;
    cairo_rectangle(cr, tx - 6, 24, 12, 20);
    fill_pat(cr, lin(tx - 6, 0, tx + 6, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    for (double x = tx - 5.5; x + 2 <= tx + 6; x += 3.8) {
        cairo_rectangle(cr, x, 21.6, 2, 2.4);
        set(cr, shade(stone, 1.05)); cairo_fill_preserve(cr); outline(cr, 0.5);
    }
    cairo_new_path(cr); arch_path(cr, tx, 34, 5, 10);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_new_path(cr); cairo_move_to(cr, tx, 22); cairo_line_to(cr, tx, 4.5);
    set(cr, pal::ink); cairo_set_line_width(cr, 1.6); cairo_stroke(cr);
    cairo_arc(cr, tx, 4.5, 1.2, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
    cairo_new_path(cr);
    cairo_move_to(cr, tx + 0.5, 6);
    cairo_curve_to(cr, tx + 7, 3, tx + 13, 9, 47, 6);
    cairo_line_to(cr, 41, 13); cairo_line_to(cr, 47, 20);
    cairo_curve_to(cr, tx + 13, 23, tx + 7, 17, tx + 0.5, 20);
    cairo_close_path(cr);
    fill_pat(cr, lin(tx, 0, 47, 0, shade(roof, 1.3), shade(roof, 0.7)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);  // a gold cross on the banner, the one emblem in the set
    cairo_move_to(cr, tx + 8, 9.5); cairo_line_to(cr, tx + 8, 16.5);
    cairo_move_to(cr, tx + 4.5, 13); cairo_line_to(cr, tx + 11.5, 13);
    set(cr, pal::gold); cairo_set_line_width(cr, 1.6); cairo_stroke(cr);
}

namespace {

void giant(cairo_t* cr, double x, double base, double h, rgb stone, bool left) {
    // A standing stone warden on a plinth, spear held outward, so the gate reads by its
    // figures rather than by its towers.
    const double s = h / 22;
    cairo_rectangle(cr, x - 4 * s, base - 3 * s, 8 * s, 3 * s);
    fill_pat(cr, lin(x - 4 * s, 0, x + 4 * s, 0, shade(stone, 1.1), shade(stone, 0.6)), true);
    outline(cr, 0.7);
    poly(cr, {{x - 2.6 * s, base - 3 * s}, {x - 3.4 * s, base - 15 * s}, {x - 1.6 * s, base - 17 * s},
              {x + 1.6 * s, base - 17 * s}, {x + 3.4 * s, base - 15 * s}, {x + 2.6 * s, base - 3 * s}});
    fill_pat(cr, lin(x - 3.4 * s, 0, x + 3.4 * s, 0, shade(stone, 1.3), shade(stone, 0.6)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); cairo_arc(cr, x, base - 19 * s, 2.3 * s, 0, 2 * M_PI);
    fill_pat(cr, lin(x - 2.3 * s, 0, x + 2.3 * s, 0, shade(stone, 1.3), shade(stone, 0.6)), true);
    outline(cr, 0.7);
    const double sx = left ? x - 4.6 * s : x + 4.6 * s;
    cairo_new_path(cr); cairo_move_to(cr, sx, base - 3 * s); cairo_line_to(cr, sx, base - 23 * s);
    set(cr, pal::ink); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    poly(cr, {{sx - 1.3, base - 22.5 * s}, {sx, base - 26 * s}, {sx + 1.3, base - 22.5 * s}});
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
}

}  // namespace

void statue_gate(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A tall gate between two giant stone wardens: the only castle guarded by figures.
    const double cx = 26, base = 44;
    cairo_rectangle(cr, cx - 7, 17, 14, base - 17);
    fill_pat(cr, lin(cx - 7, 0, cx + 7, 0, shade(stone, 1.25), shade(stone, 0.65)), true);
    outline(cr, 0.9);
    poly(cr, {{cx - 8.5, 17.5}, {cx, 10}, {cx + 8.5, 17.5}});
    fill_pat(cr, lin(cx - 8, 0, cx + 8, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.9);
    cairo_new_path(cr); arch_path(cr, cx, 25, 8, base - 25);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
    giant(cr, 12, base, 21, stone, true);   // heads kept below the sun
    giant(cr, 40, base, 21, stone, false);
}

void tiered_keep(cairo_t* cr, rgb, rgb roof) {
    grass(cr);
    // Storeys stacked narrower upwards, each under its own flared roof: a stepped,
    // saw-edged outline where other castles are straight.
    poly(cr, {{9, 44}, {12, 36}, {38, 36}, {41, 44}});
    fill_pat(cr, lin(0, 36, 0, 44, hex(0x9c8f7a), hex(0x5a5046)), true);
    outline(cr, 0.9);
    const double cx = 25;
    const double storey[3][3] = {{20, 36, 7}, {14, 27, 6}, {9, 19.5, 5}};  // width, base, height
    for (auto& s : storey) {
        double w = s[0], b = s[1], h = s[2];
        cairo_rectangle(cr, cx - w / 2, b - h, w, h);
        fill_pat(cr, lin(cx - w / 2, 0, cx + w / 2, 0, hex(0xfbf8f0), hex(0xb8b4aa)), true);
        outline(cr, 0.8);
        for (double x = cx - w / 2 + 2.5; x < cx + w / 2 - 1; x += 3.5) cairo_rectangle(cr, x, b - h + 2, 1.4, 2.2);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
        double t = b - h, ew = w / 2 + 4.5;
        cairo_new_path(cr);
        cairo_move_to(cr, cx - ew, t - 0.5);
        cairo_curve_to(cr, cx - ew + 3, t + 0.5, cx - w / 2 + 1, t - 2, cx - w / 2 + 2, t - 4.5);
        cairo_line_to(cr, cx + w / 2 - 2, t - 4.5);
        cairo_curve_to(cr, cx + w / 2 - 1, t - 2, cx + ew - 3, t + 0.5, cx + ew, t - 0.5);
        cairo_close_path(cr);
        fill_pat(cr, lin(cx - ew, 0, cx + ew, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
        outline(cr, 0.8);
    }
    cairo_move_to(cr, cx, 10); cairo_line_to(cr, cx, 6.5);
    outline(cr, 1.0);
    cairo_arc(cr, cx, 6.2, 1.2, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
}

void stair_palace(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A long palace front with a columned porch under a pediment and a grand staircase
    // fanning out to the lawn: the only castle that is wider at its foot than its top.
    const double x0 = 12, x1 = 44, top = 23, base = 35, cx = 28;
    cairo_rectangle(cr, x0, top, x1 - x0, base - top);
    fill_pat(cr, lin(0, top, 0, base, shade(stone, 1.25), shade(stone, 0.75)), true);
    outline(cr, 0.9);
    for (double px : {x0, x1 - 6}) {  // the end pavilions stand a little higher
        cairo_rectangle(cr, px, top - 3, 6, base - top + 3);
        fill_pat(cr, lin(px, 0, px + 6, 0, shade(stone, 1.3), shade(stone, 0.7)), true);
        outline(cr, 0.8);
        cairo_rectangle(cr, px - 0.5, top - 4.5, 7, 1.8);
        set(cr, roof); cairo_fill_preserve(cr); outline(cr, 0.5);
        cairo_new_path(cr); arch_path(cr, px + 3, top + 1, 2.4, 4);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
    }
    poly(cr, {{cx - 8, top + 0.5}, {cx, top - 7}, {cx + 8, top + 0.5}});
    fill_pat(cr, lin(cx - 8, 0, cx + 8, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);  // columns of the porch, dark between them
    for (double x = cx - 6; x <= cx + 6.1; x += 3) cairo_rectangle(cr, x - 0.7, top + 1, 1.4, base - top - 1);
    set(cr, hex(0x3a3040)); cairo_fill(cr);
    poly(cr, {{cx - 5, base}, {cx + 5, base}, {cx + 13, 45}, {cx - 13, 45}});  // the staircase
    fill_pat(cr, lin(0, base, 0, 45, shade(stone, 1.35), shade(stone, 0.8)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);
    for (int k = 1; k < 5; ++k) {
        double f = k / 5.0, y = base + f * (45 - base), w = 5 + f * 8;
        cairo_move_to(cr, cx - w, y); cairo_line_to(cr, cx + w, y);
    }
    set(cr, shade(stone, 0.5)); cairo_set_line_width(cr, 0.5); cairo_stroke(cr);
}

void motte_and_bailey(cairo_t* cr, rgb, rgb roof) {
    grass(cr);
    const rgb wood = hex(0xa0703e);
    // Stakes with sharpened tops: the one castle of timber.
    auto palisade = [&](double x0, double x1, double base, double h) {
        cairo_new_path(cr);
        for (double x = x0; x + 2 <= x1 + 0.01; x += 2.2) {
            cairo_move_to(cr, x, base); cairo_line_to(cr, x, base - h + 1.4);
            cairo_line_to(cr, x + 1, base - h); cairo_line_to(cr, x + 2, base - h + 1.4);
            cairo_line_to(cr, x + 2, base); cairo_close_path(cr);
        }
        fill_pat(cr, lin(0, base - h, 0, base, shade(wood, 1.3), shade(wood, 0.7)), true);
        outline(cr, 0.5, hex(0x3a2414));
    };
    // The motte: a steep earth mound on the right, the bailey's fence low on the left.
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 45);
    cairo_curve_to(cr, 20, 42, 22, 27, 30, 26.5);
    cairo_line_to(cr, 38, 26.5);
    cairo_curve_to(cr, 45, 27, 47, 40, 50, 43);
    cairo_line_to(cr, 50, 47); cairo_line_to(cr, 14, 47); cairo_close_path(cr);
    fill_pat(cr, lin(0, 26, 0, 46, hex(0x8fcf78), hex(0x4d8d42)), true);
    outline(cr, 0.8);
    // The climbing bridge from the bailey up the mound.
    cairo_move_to(cr, 12, 38); cairo_line_to(cr, 28, 27.5);
    set(cr, hex(0x5a3a20)); cairo_set_line_width(cr, 1.4); cairo_stroke(cr);
    palisade(25, 43, 28, 6);
    // The timber keep on top, planked, with a low hipped roof.
    const double cx = 34;
    cairo_rectangle(cr, cx - 4.5, 13, 9, 12);
    fill_pat(cr, lin(cx - 4.5, 0, cx + 4.5, 0, shade(wood, 1.25), shade(wood, 0.65)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);
    for (double x = cx - 1.5; x < cx + 4.5; x += 3) { cairo_move_to(cr, x, 13.5); cairo_line_to(cr, x, 24.5); }
    set(cr, hex(0x5a3a20)); cairo_set_line_width(cr, 0.5); cairo_stroke(cr);
    cairo_rectangle(cr, cx - 1, 16, 2, 2.6);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    poly(cr, {{cx - 6.5, 13.5}, {cx - 3, 8}, {cx + 3, 8}, {cx + 6.5, 13.5}});
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.9);
    palisade(3, 19, 44, 8);
    cairo_rectangle(cr, 8.5, 38.5, 4, 5.5);  // the bailey's gate
    set(cr, hex(0x2a2030)); cairo_fill(cr);
}

void tower_house(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A tall, narrow house-tower whose door is a storey up, reached by an outside stair:
    // the only castle with a diagonal stair and a steep gabled roof with chimneys.
    const double x0 = 11, x1 = 25, top = 15, base = 43;
    cairo_rectangle(cr, x0, top, x1 - x0, base - top);
    fill_pat(cr, lin(x0, 0, x1, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    set(cr, shade(stone, 0.6), 0.6); cairo_set_line_width(cr, 0.5);
    for (double y = top + 3; y < base - 1; y += 3.5) { cairo_move_to(cr, x0 + 0.5, y); cairo_line_to(cr, x1 - 0.5, y); }
    cairo_stroke(cr);
    // Corner turrets corbelled out under the roof.
    for (double tx : {x0 - 1.5, x1 + 1.5}) {
        poly(cr, {{tx - 2.5, top + 4}, {tx + 2.5, top + 4}, {tx, top + 8}});
        set(cr, shade(stone, 0.8)); cairo_fill_preserve(cr); outline(cr, 0.6);
        cairo_rectangle(cr, tx - 2.5, top - 1, 5, 5);
        fill_pat(cr, lin(tx - 2.5, 0, tx + 2.5, 0, shade(stone, 1.2), shade(stone, 0.7)), true);
        outline(cr, 0.7);
        poly(cr, {{tx - 3.2, top - 1}, {tx, top - 7}, {tx + 3.2, top - 1}});
        fill_pat(cr, lin(tx - 3, 0, tx + 3, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
        outline(cr, 0.7);
    }
    poly(cr, {{x0 + 1, top}, {(x0 + x1) / 2, top - 10}, {x1 - 1, top}});
    fill_pat(cr, lin(x0, 0, x1, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.9);
    for (double wy : {top + 5.0, top + 13.0}) {
        cairo_rectangle(cr, 16.5, wy, 3, 4);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
    }
    // The door a storey up, and the stone stair climbing to it from the right.
    cairo_new_path(cr); arch_path(cr, 22.5, 28, 3.4, 6);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x1, 34);
    const int steps = 7;
    for (int k = 0; k < steps; ++k) {
        double sx = x1 + 2.6 * k, sy = 34 + 1.3 * k;
        cairo_line_to(cr, sx + 2.6, sy); cairo_line_to(cr, sx + 2.6, sy + 1.3);
    }
    cairo_line_to(cr, x1 + 2.6 * steps, base);
    cairo_line_to(cr, x1 + 2.6 * steps - 4, base);
    cairo_curve_to(cr, x1 + 10, 39, x1 + 6, 38, x1, 40);
    cairo_close_path(cr);
    // Darker than the wall, so the stair stands out from the tower behind it.
    fill_pat(cr, lin(0, 34, 0, base, shade(stone, 0.95), shade(stone, 0.55)), true);
    outline(cr, 0.8);
}

namespace {

void pine(cairo_t* cr, double x, double base, double h) {
    cairo_rectangle(cr, x - 0.8, base - 2, 1.6, 2);
    set(cr, hex(0x5a3a20)); cairo_fill(cr);
    for (int k = 0; k < 3; ++k) {
        double y1 = base - 2 - k * h / 4, w = h / 3.2 - k * 1.2;
        poly(cr, {{x - w, y1}, {x, y1 - h / 2.2}, {x + w, y1}});
        fill_pat(cr, lin(x - w, 0, x + w, 0, hex(0x3c8a50), hex(0x1c4a2c)), true);
        outline(cr, 0.6);
        poly(cr, {{x - w * 0.45, y1 - h / 4.4}, {x, y1 - h / 2.2}, {x + w * 0.45, y1 - h / 4.4}});
        set(cr, hex(0xf4f8fc)); cairo_fill(cr);  // snow on each tier
    }
}

}  // namespace

void snow_castle(cairo_t* cr, rgb stone, rgb roof) {
    // Winter: a white field with drifts, a round tower and its hall under snow, and dark
    // pines either side. The only castle standing in snow and among trees.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 39); cairo_curve_to(cr, 15, 36, 35, 37, 50, 39.5);
    cairo_line_to(cr, 50, 50); cairo_line_to(cr, 0, 50); cairo_close_path(cr);
    fill_pat(cr, lin(0, 36, 0, 48, hex(0xfbfdff), hex(0xb8c8dc)));
    const double cx = 25;
    cairo_rectangle(cr, cx - 5, 17, 10, 24);
    fill_pat(cr, lin(cx - 5, 0, cx + 5, 0, shade(stone, 1.2), shade(stone, 0.6)), true);
    outline(cr, 0.9);
    poly(cr, {{cx - 6.5, 17.5}, {cx, 7}, {cx + 6.5, 17.5}});
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.9);
    poly(cr, {{cx - 3.2, 12.2}, {cx, 7}, {cx + 3.2, 12.2}, {cx + 1, 11}, {cx - 1, 12.5}});
    set(cr, hex(0xf4f8fc)); cairo_fill(cr);  // snow caps the cone
    cairo_rectangle(cr, cx - 1.2, 22, 2.4, 3.5);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    cairo_new_path(cr); arch_path(cr, cx, 34, 4.4, 7);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    // Drifts banked against the foot of the tower.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 10, 42); cairo_curve_to(cr, cx - 7, 37, cx - 4, 38, cx - 2.2, 41);
    cairo_move_to(cr, cx + 2.2, 41); cairo_curve_to(cr, cx + 4, 37.5, cx + 8, 37, cx + 11, 42);
    cairo_close_path(cr);
    set(cr, hex(0xf4f8fc)); cairo_fill_preserve(cr); outline(cr, 0.5, hex(0x8aa0b8));
    pine(cr, 10, 44, 20);
    pine(cr, 40, 44, 16);
}

void ruin(cairo_t* cr, rgb stone, rgb) {
    grass(cr);
    // The keep's top is broken off in steps, its wall to the right a stump with an empty
    // window: the one castle whose outline is jagged.
    poly(cr, {{12, 44}, {12, 13}, {15, 12}, {16.5, 15}, {19, 15.5}, {20, 20}, {23, 21}, {24, 26},
              {27, 27}, {27, 44}});
    fill_pat(cr, lin(12, 0, 27, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    poly(cr, {{27, 44}, {27, 29}, {31, 28.5}, {33, 31}, {36, 30}, {38, 34}, {41, 35}, {42, 44}});
    fill_pat(cr, lin(0, 28, 0, 44, shade(stone, 1.1), shade(stone, 0.75)), true);
    outline(cr, 0.9);
    // Courses, then the openings: sky shows through the wall's window.
    cairo_save(cr);
    poly(cr, {{12, 44}, {12, 13}, {15, 12}, {16.5, 15}, {19, 15.5}, {20, 20}, {23, 21}, {24, 26},
              {27, 27}, {27, 29}, {31, 28.5}, {33, 31}, {36, 30}, {38, 34}, {41, 35}, {42, 44}});
    cairo_clip(cr);
    set(cr, shade(stone, 0.6), 0.6);
    cairo_set_line_width(cr, 0.5);
    for (double y = 16; y < 43; y += 3) { cairo_move_to(cr, 12, y); cairo_line_to(cr, 42, y); }
    cairo_stroke(cr);
    cairo_restore(cr);
    auto arch = [&](double x, double y, double w, double h) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - w / 2, y + h);
        cairo_line_to(cr, x - w / 2, y + w / 2);
        cairo_arc(cr, x, y + w / 2, w / 2, M_PI, 0);
        cairo_line_to(cr, x + w / 2, y + h);
        cairo_close_path(cr);
    };
    arch(16, 20, 3.4, 5);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    arch(19.5, 36, 4.5, 8);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    arch(34, 33, 4.4, 6);
    fill_pat(cr, lin(0, 3, 0, 40, hex(0x8cc4ea), hex(0xe4f2fa)), true);
    outline(cr, 0.7);
    // Ivy over the broken stones, and fallen blocks on the grass.
    static const double ivy[][3] = {{13.5, 17, 2.2}, {14.5, 21, 2.5}, {13.2, 26, 2}, {25.5, 29, 2.2},
                                    {28.5, 31, 2}, {26, 33.5, 1.8}, {40.5, 38, 2}};
    cairo_new_path(cr);
    for (auto& v : ivy) { cairo_new_sub_path(cr); cairo_arc(cr, v[0], v[1], v[2], 0, 2 * M_PI); }
    fill_pat(cr, lin(0, 14, 0, 40, hex(0x5aa04a), hex(0x2e6b2e)), true);
    outline(cr, 0.5, hex(0x1f4a22));
    static const double blocks[][4] = {{30, 41.5, 4, 2.8}, {35, 42, 3, 2.3}, {43, 41.5, 3.5, 2.6}, {6, 42, 3.4, 2.4}};
    for (auto& b : blocks) {
        cairo_rectangle(cr, b[0], b[1], b[2], b[3]);
        fill_pat(cr, lin(0, b[1], 0, b[1] + b[3], shade(stone, 1.15), shade(stone, 0.75)), true);
        outline(cr, 0.6);
    }
}

void walled_town(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // Gabled roofs and a church spire crowd above a low town wall: a row of peaks.
    // The town stands clear of the card's sides, so its outline is a figure, not ground.
    const double houses[][3] = {{10, 30, 6}, {16, 27, 7}, {30, 28, 7}, {36.5, 31, 6}, {41.5, 29, 5}};  // cx, eaves, width
    for (auto& h : houses) {
        double x = h[0], e = h[1], w = h[2];
        cairo_rectangle(cr, x - w / 2, e, w, 36 - e);
        fill_pat(cr, lin(0, e, 0, 36, hex(0xf2e6c8), hex(0xc8b48a)), true);
        outline(cr, 0.7);
        cairo_rectangle(cr, x - 0.8, e + 1.5, 1.6, 2);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
        poly(cr, {{x - w / 2 - 0.8, e}, {x, e - w * 0.7}, {x + w / 2 + 0.8, e}});
        fill_pat(cr, lin(x - w / 2, 0, x + w / 2, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
        outline(cr, 0.7);
    }
    cairo_rectangle(cr, 20, 20, 5, 16);
    fill_pat(cr, lin(20, 0, 25, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.8);
    poly(cr, {{19.3, 20}, {22.5, 8}, {25.7, 20}});
    fill_pat(cr, lin(19, 0, 26, 0, hex(0x7a8a9a), hex(0x3a4656)), true);
    outline(cr, 0.8);
    castle_wall(cr, 6, 44, 44, 9, stone, true);
}

namespace {

void horseshoe_path(cairo_t* cr, double cx, double cy, double r, double base) {
    // An arch whose round head swells wider than its jambs, the Moorish horseshoe.
    const double a = 0.55, j = r * std::cos(a);
    cairo_move_to(cr, cx - j, base);
    cairo_line_to(cr, cx - j, cy + r * std::sin(a));
    cairo_arc(cr, cx, cy, r, M_PI - a, 2 * M_PI + a);
    cairo_line_to(cr, cx + j, base);
    cairo_close_path(cr);
}

}  // namespace

void moorish_fort(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // Flat-topped square towers with stepped merlons and a tiled band, joined by a wall
    // pierced by a great horseshoe gate: the only castle with no roofs at all.
    const double base = 44;
    auto merlons = [&](double x0, double x1, double y) {
        for (double x = x0 + 0.4; x + 2.6 <= x1 + 0.1; x += 3.2) {
            poly(cr, {{x, y}, {x, y - 1.6}, {x + 0.6, y - 1.6}, {x + 0.6, y - 2.8}, {x + 2, y - 2.8},
                      {x + 2, y - 1.6}, {x + 2.6, y - 1.6}, {x + 2.6, y}});
            set(cr, shade(stone, 1.05)); cairo_fill_preserve(cr); outline(cr, 0.5);
        }
    };
    cairo_new_path(cr);
    cairo_rectangle(cr, 16, 27, 18, base - 27);
    horseshoe_path(cr, 25, 33.5, 4.6, base);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fill_pat(cr, lin(0, 27, 0, base, shade(stone, 1.2), shade(stone, 0.75)), true);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    outline(cr, 0.8);
    merlons(16, 34, 27);
    cairo_new_path(cr); horseshoe_path(cr, 25, 33.5, 4.6, base);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    for (double tx : {11.0, 39.0}) {
        cairo_rectangle(cr, tx - 5.5, 18, 11, base - 18);
        fill_pat(cr, lin(tx - 5.5, 0, tx + 5.5, 0, shade(stone, 1.3), shade(stone, 0.65)), true);
        outline(cr, 0.9);
        merlons(tx - 5.5, tx + 5.5, 18);
        cairo_rectangle(cr, tx - 5.5, 20.5, 11, 1.8);  // the glazed tile band
        set(cr, roof); cairo_fill_preserve(cr); outline(cr, 0.4);
        cairo_new_path(cr); horseshoe_path(cr, tx, 27, 1.8, 31.5);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
    }
}

void cave_fortress(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A great crag with the castle cut into its face: windows lit for the evening, a gate
    // at its foot, one watch turret on its crown. The only castle that is mostly rock.
    const rgb rock = hex(0x8a7a6a);
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 44);
    cairo_curve_to(cr, 4, 32, 7, 24, 11, 20);
    cairo_curve_to(cr, 14, 15, 17, 19, 20, 14);
    cairo_curve_to(cr, 23, 10, 27, 12, 29, 17);
    cairo_curve_to(cr, 33, 21, 37, 22, 40, 27);
    cairo_curve_to(cr, 44, 32, 46, 38, 46, 44);
    cairo_close_path(cr);
    fill_pat(cr, lin(4, 12, 46, 44, shade(rock, 1.35), shade(rock, 0.55)), true);
    outline(cr, 0.9);
    // Cracks and ledges in the rock.
    cairo_new_path(cr);
    cairo_move_to(cr, 12, 26); cairo_curve_to(cr, 16, 28, 19, 27, 22, 30);
    cairo_move_to(cr, 33, 27); cairo_curve_to(cr, 36, 30, 38, 32, 42, 33);
    cairo_move_to(cr, 8, 36); cairo_line_to(cr, 13, 38);
    set(cr, shade(rock, 0.45)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
    // Dressed-stone fronts built into the rock, with glowing windows.
    auto front = [&](double x, double y, double w, double h) {
        cairo_rectangle(cr, x, y, w, h);
        fill_pat(cr, lin(x, 0, x + w, 0, shade(stone, 1.2), shade(stone, 0.75)), true);
        outline(cr, 0.7);
        for (double wx = x + 1.5; wx + 1.6 <= x + w - 1; wx += 3.2) {
            cairo_new_path(cr); arch_path(cr, wx + 0.8, y + 1.5, 1.6, 3);
            set(cr, hex(0xffd870)); cairo_fill(cr);
        }
    };
    front(14, 21, 9, 6);
    front(26, 30, 10, 6);
    cairo_new_path(cr); arch_path(cr, 18, 36, 6, 8);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
    // The watch turret on the crown of the crag.
    cairo_rectangle(cr, 19, 6, 5, 8);
    fill_pat(cr, lin(19, 0, 24, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.8);
    poly(cr, {{18, 6.2}, {21.5, 1.5}, {25, 6.2}});
    fill_pat(cr, lin(18, 0, 25, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.8);
    cairo_rectangle(cr, 20.8, 8.5, 1.4, 2.2);
    set(cr, hex(0xffd870)); cairo_fill(cr);
}

void shell_keep(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A ring wall crowning a round mound, seen a little from above so its far rim and
    // the hall roofs inside show: the only castle that is a round drum.
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 44); cairo_curve_to(cr, 10, 40, 12, 31, 25, 31);
    cairo_curve_to(cr, 38, 31, 40, 40, 47, 44); cairo_close_path(cr);
    fill_pat(cr, lin(0, 30, 0, 44, hex(0x8fcf78), hex(0x4d8d42)), true);
    outline(cr, 0.8);
    const double cx = 25, rx = 13, top = 19, bot = 33;
    ellipse(cr, cx, top, rx, 3.5);  // the far rim, and the yard inside it
    set(cr, shade(stone, 0.55)); cairo_fill(cr);
    poly(cr, {{cx - 7, top + 1}, {cx - 3, top - 5}, {cx + 1, top + 1}});
    fill_pat(cr, lin(cx - 7, 0, cx + 1, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.7);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - rx, top);
    cairo_curve_to(cr, cx - rx, top + 4.7, cx + rx, top + 4.7, cx + rx, top);
    cairo_line_to(cr, cx + rx, bot);
    cairo_curve_to(cr, cx + rx, bot + 4.7, cx - rx, bot + 4.7, cx - rx, bot);
    cairo_close_path(cr);
    fill_pat(cr, lin(cx - rx, 0, cx + rx, 0, shade(stone, 1.3), shade(stone, 0.55)), true);
    outline(cr, 0.9);
    for (int k = 0; k < 7; ++k) {  // merlons following the near rim
        double t = -0.9 + k * 0.3, x = cx + rx * std::sin(t), y = top + 3.5 * std::cos(t);
        cairo_rectangle(cr, x - 1.1, y - 2.4, 2.2, 2.4);
        set(cr, shade(stone, 1.1)); cairo_fill_preserve(cr); outline(cr, 0.5);
    }
    for (double wx : {cx - 7.0, cx + 7.0}) {
        cairo_new_path(cr); arch_path(cr, wx, top + 7, 2, 3.4);
        set(cr, hex(0xffd870)); cairo_fill(cr);
    }
    cairo_new_path(cr); arch_path(cr, cx, bot - 5, 5, 9);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_new_path(cr); cairo_move_to(cr, cx, bot + 4); cairo_curve_to(cr, cx - 1, 39, cx + 3, 41, cx + 1, 45);
    set(cr, hex(0xc8b48a)); cairo_set_line_width(cr, 1.6); cairo_stroke(cr);
}

void torch_gate(cairo_t* cr, rgb stone, rgb) {
    grass(cr);
    // A town gate head-on, wall from edge to edge, the sky seen through its great arch
    // under a half-raised portcullis, torches burning either side.
    const double top = 20, base = 44, cx = 25;
    cairo_new_path(cr);
    cairo_rectangle(cr, 1, top, 48, base - top);
    cairo_new_sub_path(cr); arch_path(cr, cx, 25, 16, base - 25);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fill_pat(cr, lin(0, top, 0, base, shade(stone, 1.15), shade(stone, 0.7)), true);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    outline(cr, 0.9);
    for (double x = 2; x + 2.6 <= 48.5; x += 5.2) {
        cairo_rectangle(cr, x, top - 3, 2.6, 3);
        set(cr, shade(stone, 1.05)); cairo_fill_preserve(cr); outline(cr, 0.6);
    }
    // The portcullis: an iron grid hanging in the arch's upper half.
    cairo_save(cr);
    cairo_new_path(cr); arch_path(cr, cx, 25, 16, 11);
    cairo_clip(cr);
    cairo_new_path(cr);
    for (double x = cx - 7; x <= cx + 7.01; x += 2.8) { cairo_move_to(cr, x, 24); cairo_line_to(cr, x, 36); }
    for (double y = 28; y < 36; y += 3) { cairo_move_to(cr, cx - 8, y); cairo_line_to(cr, cx + 8, y); }
    set(cr, hex(0x2a2030)); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    for (double x = cx - 7; x <= cx + 7.01; x += 2.8) { cairo_move_to(cr, x, 36); cairo_line_to(cr, x, 37.6); }
    set(cr, hex(0x2a2030)); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    for (double x : {9.0, 41.0}) {
        cairo_rectangle(cr, x - 0.8, 27, 1.6, 5);
        set(cr, hex(0x4a2e18)); cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 2, 27);
        cairo_curve_to(cr, x - 2.5, 24, x - 0.5, 23.5, x, 21);
        cairo_curve_to(cr, x + 0.8, 23.5, x + 2.5, 24, x + 2, 27);
        cairo_close_path(cr);
        fill_pat(cr, lin(0, 21, 0, 27, hex(0xffe070), hex(0xe0461e)), true);
        outline(cr, 0.5, hex(0x7a2410));
    }
}

void island_castle(cairo_t* cr, rgb stone, rgb roof) {
    // A small castle on a rock in a still lake, its lit windows doubled in the water.
    cairo_rectangle(cr, 0, 33, 50, 17);
    fill_pat(cr, lin(0, 33, 0, 48, hex(0x4a5a9a), hex(0x1f2f5a)));
    cairo_new_path(cr);
    for (int k = 0; k < 3; ++k) { cairo_move_to(cr, 6 + k * 3, 40 + k * 3); cairo_line_to(cr, 44 - k * 3, 40 + k * 3); }
    set(cr, hex(0xf0a878), 0.5); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    ellipse(cr, 25, 36, 16, 4.5);
    fill_pat(cr, lin(0, 31, 0, 40, hex(0x9c8f7a), hex(0x5a5046)), true);
    outline(cr, 0.8);
    castle_wall(cr, 14, 36, 35, 7, stone, true);
    castle_tower(cr, 15, 35, 6, 15, tower_top::onion, stone, roof, false);
    castle_tower(cr, 31, 35, 8, 20, tower_top::onion, stone, roof, true);
    // Reflection: the same masses, squashed and broken by ripples.
    cairo_rectangle(cr, 12, 40, 26, 3);
    cairo_rectangle(cr, 28, 43, 6, 4);
    set(cr, shade(stone, 0.45), 0.55); cairo_fill(cr);
    cairo_rectangle(cr, 30.5, 44, 1.2, 1.2);
    set(cr, hex(0xf5c860)); cairo_fill(cr);
}

void harbour_fort(cairo_t* cr, rgb stone, rgb roof) {
    // The sea fills the foreground in front of the hills: a squat round fort on the rocks
    // guards a water gate, and a ship with a great sail rides in. The only sail in the set.
    cairo_rectangle(cr, 0, 37, 50, 13);
    fill_pat(cr, lin(0, 37, 0, 48, hex(0x5a9fd6), hex(0x1f4f86)));
    waves(cr, 44, 2, 2.5);
    const double cx = 11, fw = 8, top = 26;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - fw - 3, 42); cairo_curve_to(cr, cx - fw - 1, 37, cx - 3, 35, cx + 3, 36);
    cairo_curve_to(cr, cx + 7, 35, cx + fw + 3, 37, cx + fw + 4, 42); cairo_close_path(cr);
    fill_pat(cr, lin(0, 35, 0, 42, hex(0x8a8a86), hex(0x4a4a48)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - fw, top); cairo_line_to(cr, cx - fw, 37);
    cairo_curve_to(cr, cx - fw / 2, 39, cx + fw / 2, 39, cx + fw, 37); cairo_line_to(cr, cx + fw, top);
    cairo_close_path(cr);
    fill_pat(cr, lin(cx - fw, 0, cx + fw, 0, shade(stone, 1.3), shade(stone, 0.6)), true);
    outline(cr, 0.9);
    for (double x = cx - fw + 1; x < cx + fw - 1; x += 3.6) {
        cairo_rectangle(cr, x, top - 2.2, 2, 2.4);
        set(cr, shade(stone, 1.05)); cairo_fill_preserve(cr); outline(cr, 0.5);
    }
    poly(cr, {{cx - fw + 2, top - 2}, {cx, top - 8}, {cx + fw - 2, top - 2}});
    fill_pat(cr, lin(cx - fw, 0, cx + fw, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.9);
    cairo_new_path(cr); arch_path(cr, cx, 29, 6, 9);  // the water gate
    set(cr, hex(0x1a2a40)); cairo_fill_preserve(cr); outline(cr, 0.7);
    // The ship: a dark hull, a mast and a big square sail bellied by the wind.
    const double sx = 35, sw = 8, st = 20, sh = 34 - st;  // the sail stops above the hull
    poly(cr, {{sx - sw - 3, 37}, {sx + sw + 3, 37}, {sx + sw, 42}, {sx - sw, 42}});
    fill_pat(cr, lin(0, 37, 0, 42, hex(0x9a6a3e), hex(0x5a3a20)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); cairo_move_to(cr, sx, 37); cairo_line_to(cr, sx, st - 3);
    outline(cr, 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, sx - sw, st);
    cairo_curve_to(cr, sx - sw / 2, st - 1.5, sx + sw / 2, st - 1.5, sx + sw, st);
    cairo_curve_to(cr, sx + sw + 2, st + sh * 0.4, sx + sw + 1, st + sh * 0.75, sx + sw, st + sh);
    cairo_curve_to(cr, sx + 3, st + sh - 1.5, sx - 3, st + sh - 1.5, sx - sw, st + sh);
    cairo_curve_to(cr, sx - sw + 2, st + sh * 0.65, sx - sw + 2, st + sh * 0.3, sx - sw, st);
    cairo_close_path(cr);
    fill_pat(cr, lin(sx - sw, 0, sx + sw + 1, 0, hex(0xfbf6ea), hex(0xc8bca0)), true);
    outline(cr, 0.8);
    cairo_rectangle(cr, sx - sw + 1, st + sh * 0.4, 2 * sw, 3);  // a band in its roof colour
    set(cr, roof); cairo_fill(cr);
    poly(cr, {{sx, st - 3}, {sx + 6, st - 5}, {sx, st - 7}});
    set(cr, roof); cairo_fill_preserve(cr); outline(cr, 0.5);
    cairo_new_path(cr); cairo_move_to(cr, sx, st - 3); cairo_line_to(cr, sx, st - 7);
    outline(cr, 0.8);
}

void spire(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A sheer cliff on the right, the needle at its edge: tall, thin and flying a long
    // banner back over the valley.
    poly(cr, {{26, 50}, {27, 43}, {29.5, 39}, {29, 34}, {31.5, 30.5}, {38, 29.5}, {44, 30}, {50, 31}, {50, 50}});
    fill_pat(cr, lin(26, 0, 50, 0, hex(0x8a8070), hex(0x4e463e)), true);
    outline(cr, 0.9);
    cairo_move_to(cr, 32, 33); cairo_line_to(cr, 34, 39); cairo_move_to(cr, 31, 42); cairo_line_to(cr, 35, 47);
    set(cr, hex(0x3a342e)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
    const double cx = 37;
    cairo_rectangle(cr, cx - 3, 15, 6, 16);
    fill_pat(cr, lin(cx - 3, 0, cx + 3, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    cairo_rectangle(cr, cx - 0.8, 18, 1.6, 3.2);
    cairo_rectangle(cr, cx - 0.8, 24.5, 1.6, 3.2);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    poly(cr, {{cx - 4.2, 15.2}, {cx, 6.4}, {cx + 4.2, 15.2}});
    fill_pat(cr, lin(cx - 4.2, 0, cx + 4.2, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.9);
    cairo_move_to(cr, cx, 6.4); cairo_line_to(cr, cx, 4.4);
    outline(cr, 0.8);
    // The banner streams left, swallow-tailed.
    cairo_new_path(cr);
    cairo_move_to(cr, cx, 5);
    cairo_curve_to(cr, cx - 5, 4, cx - 9, 7.6, cx - 15, 6.2);
    cairo_line_to(cr, cx - 11.5, 8.6);
    cairo_line_to(cr, cx - 15.5, 11);
    cairo_curve_to(cr, cx - 9, 11.9, cx - 5, 9, cx, 9.8);
    cairo_close_path(cr);
    fill_pat(cr, lin(0, 4.5, 0, 11.5, hex(0xe0503c), hex(0x9a2418)), true);
    outline(cr, 0.7);
}

void hill_fort(cairo_t* cr, rgb stone, rgb roof) {
    // A steep hill rising out of the hills behind, a road winding up to a small walled
    // castle on the summit: the one castle seen from afar.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 46);
    cairo_curve_to(cr, 10, 42, 16, 24, 22, 22);
    cairo_line_to(cr, 32, 22);
    cairo_curve_to(cr, 38, 24, 42, 40, 50, 44);
    cairo_line_to(cr, 50, 50); cairo_line_to(cr, 0, 50); cairo_close_path(cr);
    fill_pat(cr, lin(0, 22, 0, 48, hex(0x8fcf78), hex(0x3d7d35)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 48); cairo_curve_to(cr, 30, 44, 36, 40, 20, 36);
    cairo_curve_to(cr, 12, 34, 26, 29, 27, 23);
    set(cr, hex(0xe8d9b0)); cairo_set_line_width(cr, 1.3); cairo_stroke(cr);
    castle_wall(cr, 19, 35, 23, 5, stone, false);
    castle_tower(cr, 20, 23, 5, 10, tower_top::hoard, stone, roof, false);
    castle_tower(cr, 31, 23, 6, 13, tower_top::hoard, stone, roof, true);
}

void drawbridge(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A gate tower on the far side of a ditch, its bridge let down on two chains.
    cairo_rectangle(cr, 17, 41, 12, 9);
    fill_pat(cr, lin(0, 41, 0, 48, hex(0x3a5a40), hex(0x1e3424)), true);
    outline(cr, 0.8);
    const double x0 = 29, x1 = 43, top = 12;
    cairo_rectangle(cr, x0, top, x1 - x0, 30);
    fill_pat(cr, lin(x0, 0, x1, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    set(cr, shade(stone, 0.6), 0.6);
    cairo_set_line_width(cr, 0.5);
    for (double y = top + 3; y < 41; y += 3) { cairo_move_to(cr, x0 + 0.5, y); cairo_line_to(cr, x1 - 0.5, y); }
    cairo_stroke(cr);
    cairo_new_path(cr); arch_path(cr, 36, 28, 8, 14);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
    poly(cr, {{x0 - 2.2, top}, {x0 - 1.2, top - 4}, {x1 + 1.2, top - 4}, {x1 + 2.2, top}});
    fill_pat(cr, lin(0, top - 4, 0, top, shade(roof, 1.2), shade(roof, 0.7)), true);
    outline(cr, 0.8);
    // The lowered bridge reaches out across the ditch to the near bank.
    cairo_rectangle(cr, 10, 40, 20, 2.4);
    fill_pat(cr, lin(0, 40, 0, 42.4, hex(0xb88450), hex(0x6a4424)), true);
    outline(cr, 0.7);
    cairo_new_path(cr);
    cairo_move_to(cr, x0, top + 4); cairo_line_to(cr, 11, 40);
    cairo_move_to(cr, x0, top + 8); cairo_line_to(cr, 13, 40);
    set(cr, hex(0x3a3a48)); cairo_set_line_width(cr, 0.9); cairo_stroke(cr);
}

void causeway_castle(cairo_t* cr, rgb stone, rgb roof) {
    // A still lake, and a long arched causeway running out across it to a small castle
    // on its island: the only castle reached over a long straight road.
    cairo_rectangle(cr, 0, 38, 50, 12);
    fill_pat(cr, lin(0, 38, 0, 50, hex(0x6aaee0), hex(0x2e6aa8)));
    waves(cr, 42, 3, 3);
    ellipse(cr, 37, 41, 10, 3);
    fill_pat(cr, lin(0, 38, 0, 44, hex(0x8fcf78), hex(0x4d8d42)), true);
    outline(cr, 0.7);
    cairo_new_path(cr);  // the causeway, rising gently from the near shore
    cairo_move_to(cr, 4, 43.5); cairo_line_to(cr, 31, 38.5); cairo_line_to(cr, 31, 42); cairo_line_to(cr, 4, 48.5);
    cairo_close_path(cr);
    fill_pat(cr, lin(0, 38, 0, 48, hex(0xd8c49a), hex(0x8a7458)), true);  // road stone, paler than the lake
    outline(cr, 0.9);
    cairo_new_path(cr);
    for (int k = 0; k < 5; ++k) {
        double x = 7 + k * 5, y = 48.5 - (x - 4) * 6.5 / 27;
        cairo_new_sub_path(cr); cairo_arc(cr, x, y + 0.3, 1.5, M_PI, 2 * M_PI);
    }
    set(cr, hex(0x2a3050)); cairo_fill(cr);
    const double cx = 37, base = 40.5;
    castle_wall(cr, 30, 44, base, 9, stone, true);
    cairo_rectangle(cr, cx - 4, 19, 8, base - 9 - 19);
    fill_pat(cr, lin(cx - 4, 0, cx + 4, 0, shade(stone, 1.3), shade(stone, 0.6)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); arch_path(cr, cx, 22, 2, 3);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    poly(cr, {{cx - 5.2, 19.4}, {cx, 12.5}, {cx + 5.2, 19.4}});
    fill_pat(cr, lin(cx - 5, 0, cx + 5, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.8);
}

}  // namespace art::castles
