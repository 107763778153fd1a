// The castles that are landmarks rather than fortresses: a lighthouse, a mill, a beacon,
// a chapel and the like, each with an outline no fortress has.
#include "castles.h"

#include <cmath>

namespace art::castles {

namespace {

// The outline of a round tower narrowing upwards (lighthouse, mill).
void tapered(cairo_t* cr, double cx, double base, double top, double wb, double wt) {
    poly(cr, {{cx - wb / 2, base}, {cx - wt / 2, top}, {cx + wt / 2, top}, {cx + wb / 2, base}});
}

}  // namespace

void lighthouse(cairo_t* cr, rgb, rgb roof) {
    // Sea from the horizon down, so the tower stands in water, not on grass.
    cairo_rectangle(cr, 0, 34, 50, 16);
    fill_pat(cr, lin(0, 34, 0, 48, hex(0x5a9fd6), hex(0x1f4f86)));
    set(cr, hex(0xcfe6f7));
    cairo_set_line_width(cr, 0.8);
    for (int k = 0; k < 4; ++k) {
        double y = 37 + k * 3, off = (k & 1) * 3.5;
        for (double x = 3 + off; x < 47; x += 7) { cairo_move_to(cr, x, y); cairo_curve_to(cr, x + 1, y - 1, x + 2, y - 1, x + 3, y); }
    }
    cairo_stroke(cr);
    const double cx = 30;
    // Beams from the lantern, pale so they light the sky rather than hide it.
    poly(cr, {{cx, 12}, {47, 6}, {47, 17}});
    set(cr, hex(0xfff3a0), 0.55); cairo_fill(cr);
    poly(cr, {{cx, 12}, {14, 8}, {14, 15}});
    set(cr, hex(0xfff3a0), 0.45); cairo_fill(cr);
    // Rocks at its foot.
    poly(cr, {{17, 44}, {19, 39.5}, {23, 38}, {27, 36.5}, {34, 37}, {38, 39}, {41, 44}});
    fill_pat(cr, lin(0, 36, 0, 44, hex(0x9c8f7a), hex(0x5a5046)), true);
    outline(cr, 0.8);
    // Banded tower: red and white rings, the sea-mark everyone knows.
    tapered(cr, cx, 39, 17, 12, 7.5);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, hex(0xfbf8f0), hex(0xa8a49a)));
    for (int k = 0; k < 3; ++k) {
        cairo_rectangle(cr, cx - 7, 20 + k * 7, 14, 3.6);
    }
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(roof, 1.3), shade(roof, 0.6)));
    cairo_restore(cr);
    tapered(cr, cx, 39, 17, 12, 7.5);
    outline(cr, 0.9);
    cairo_rectangle(cr, cx - 1, 34, 2, 4);  // door
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    // Gallery, lantern and cap.
    cairo_rectangle(cr, cx - 5.5, 15.5, 11, 2);
    set(cr, hex(0x3a3a48)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_rectangle(cr, cx - 3, 9.5, 6, 6);
    fill_pat(cr, rad(cx, 12.5, 4, hex(0xfff6b0), hex(0xf5a623)), true);
    outline(cr, 0.8);
    cairo_move_to(cr, cx, 9.5); cairo_line_to(cr, cx, 15.5);
    outline(cr, 0.6);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 4, 9.7);
    cairo_curve_to(cr, cx - 3.5, 6.5, cx + 3.5, 6.5, cx + 4, 9.7);
    cairo_close_path(cr);
    fill_pat(cr, lin(cx - 4, 0, cx + 4, 0, shade(roof, 1.2), shade(roof, 0.6)), true);
    outline(cr, 0.8);
    cairo_arc(cr, cx, 6.2, 1.0, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
}

void pavilions(cairo_t* cr, rgb, rgb roof) {
    grass(cr);
    // Striped round tents of a tournament: a bell outline with a scalloped valance.
    auto tent = [&](double cx, double base, double w, double h, rgb c) {
        double top = base - h, eave = top + h * 0.45;
        cairo_new_path(cr);
        cairo_move_to(cr, cx - w * 0.42, base); cairo_line_to(cr, cx - w * 0.42, eave);
        cairo_line_to(cr, cx + w * 0.42, eave); cairo_line_to(cr, cx + w * 0.42, base); cairo_close_path(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        set(cr, hex(0xfbf8f0)); cairo_fill(cr);
        for (double x = cx - w * 0.42; x < cx + w * 0.42; x += w * 0.21) cairo_rectangle(cr, x, eave, w * 0.105, h);
        fill_pat(cr, lin(cx - w / 2, 0, cx + w / 2, 0, shade(c, 1.3), shade(c, 0.65)));
        cairo_restore(cr);
        cairo_move_to(cr, cx - w * 0.42, base); cairo_line_to(cr, cx - w * 0.42, eave);
        cairo_line_to(cr, cx + w * 0.42, eave); cairo_line_to(cr, cx + w * 0.42, base); cairo_close_path(cr);
        outline(cr, 0.8);
        poly(cr, {{cx, base - h * 0.55}, {cx + w * 0.12, base}, {cx - w * 0.12, base}});  // open flap
        set(cr, hex(0x2a2030)); cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - w / 2, eave + 1);
        cairo_curve_to(cr, cx - w * 0.3, top + h * 0.2, cx - w * 0.1, top, cx, top);
        cairo_curve_to(cr, cx + w * 0.1, top, cx + w * 0.3, top + h * 0.2, cx + w / 2, eave + 1);
        const int n = 4;  // the valance hangs in scallops, right to left
        for (int k = n; k > 0; --k) cairo_arc(cr, cx - w / 2 + w * (k - 0.5) / n, eave + 1, w / n / 2, 0, M_PI);
        cairo_close_path(cr);
        fill_pat(cr, lin(cx - w / 2, 0, cx + w / 2, 0, shade(c, 1.35), shade(c, 0.6)), true);
        outline(cr, 0.8);
        cairo_move_to(cr, cx, top); cairo_line_to(cr, cx, top - 5);
        outline(cr, 0.8);
        poly(cr, {{cx, top - 5}, {cx + 5, top - 3.8}, {cx, top - 2.6}});
        set(cr, pal::gold); cairo_fill(cr);
    };
    tent(13, 42, 14, 17, tint::teal);
    tent(31, 44, 22, 27, roof);
}

void monastery(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // Terraces stepping up a hill to a church with a bell tower, each terrace wall pierced
    // by cells: the only castle that climbs in steps with a gable on top.
    static const double t[3][3] = {{7, 43, 37}, {11, 37, 31}, {15, 32, 25.5}};  // x0, x1, top
    for (int k = 0; k < 3; ++k) {
        double x0 = t[k][0], x1 = t[k][1], top = t[k][2], bot = k ? t[k - 1][2] : 44;
        cairo_rectangle(cr, x0, top, x1 - x0, bot - top);
        fill_pat(cr, lin(0, top, 0, bot, shade(stone, 1.2), shade(stone, 0.7)), true);
        outline(cr, 0.8);
        cairo_rectangle(cr, x0, top, x1 - x0, 1.3);  // the garden on each terrace
        set(cr, hex(0x4d9a48)); cairo_fill(cr);
        for (double x = x0 + 3; x + 1.6 < x1 - 1; x += 4) {
            cairo_new_path(cr); arch_path(cr, x, top + 2.2, 1.6, 2.6);
            set(cr, hex(0x2a2030)); cairo_fill(cr);
        }
    }
    const double c0 = 17, c1 = 28, ct = 19;  // the church on the top terrace
    cairo_rectangle(cr, c0, ct, c1 - c0, 25.5 - ct);
    fill_pat(cr, lin(c0, 0, c1, 0, shade(stone, 1.3), shade(stone, 0.7)), true);
    outline(cr, 0.8);
    poly(cr, {{c0 - 1, ct + 0.5}, {(c0 + c1) / 2, ct - 5}, {c1 + 1, ct + 0.5}});
    fill_pat(cr, lin(c0, 0, c1, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.8);
    const double bx = 31;  // the bell tower beside it
    cairo_rectangle(cr, bx - 2.5, 13, 5, 25.5 - 13);
    fill_pat(cr, lin(bx - 2.5, 0, bx + 2.5, 0, shade(stone, 1.3), shade(stone, 0.65)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); arch_path(cr, bx, 14.5, 2.2, 3);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    poly(cr, {{bx - 3.4, 13.3}, {bx, 6}, {bx + 3.4, 13.3}});
    fill_pat(cr, lin(bx - 3, 0, bx + 3, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); cairo_move_to(cr, (c0 + c1) / 2, ct - 5); cairo_line_to(cr, (c0 + c1) / 2, ct - 9);
    cairo_move_to(cr, (c0 + c1) / 2 - 1.6, ct - 7.6); cairo_line_to(cr, (c0 + c1) / 2 + 1.6, ct - 7.6);
    set(cr, pal::gold); cairo_set_line_width(cr, 1.0); cairo_stroke(cr);
}

void trebuchet(cairo_t* cr, rgb, rgb) {
    grass(cr);
    const rgb wood = hex(0x9a6a3a), dark = hex(0x4a2e18);
    auto beam = [&](double x0, double y0, double x1, double y1, double w) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0); cairo_line_to(cr, x1, y1);
        set(cr, pal::ink); cairo_set_line_width(cr, w + 1.2); cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); cairo_stroke_preserve(cr);
        set(cr, wood); cairo_set_line_width(cr, w); cairo_stroke(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    };
    // A siege engine: base sled, A-frame, and a long throwing arm cocked up to the left,
    // the one diagonal outline in the set.
    const double px = 27, py = 24;
    beam(9, 42, 43, 42, 2.4);
    beam(17, 42, px, py, 2);
    beam(37, 42, px, py, 2);
    beam(21, 35, 33, 35, 1.4);
    beam(px + 9, py + 6, px - 16, py - 15, 2);  // arm: short end right with the weight
    cairo_rectangle(cr, px + 6, py + 6, 7, 6);
    fill_pat(cr, lin(0, py + 6, 0, py + 12, hex(0x8a8070), hex(0x4e463e)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);
    cairo_move_to(cr, px - 16, py - 15); cairo_curve_to(cr, px - 20, py - 10, px - 19, py - 6, px - 17, py - 3);
    set(cr, dark); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    cairo_arc(cr, px - 17, py - 2, 2, 0, 2 * M_PI);  // the stone in its sling
    fill_pat(cr, rad(px - 17.5, py - 2.5, 2, hex(0xd0c8b8), hex(0x6a6258)), true);
    outline(cr, 0.6);
    cairo_arc(cr, px, py, 1.3, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
    for (double x : {13.0, 39.0}) {
        cairo_arc(cr, x, 43.5, 2.6, 0, 2 * M_PI);
        set(cr, dark); cairo_fill_preserve(cr); outline(cr, 0.6);
    }
}

void beacon(cairo_t* cr, rgb, rgb) {
    grass(cr);
    const rgb wood = hex(0x8a5a30);
    const double cx = 25, deck = 20;
    // The fire lights the evening sky around it.
    cairo_arc(cr, cx, deck - 8, 10, 0, 2 * M_PI);
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, deck - 8, 0, cx, deck - 8, 10);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.82, 0.44, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.82, 0.44, 0);
    fill_pat(cr, glow);
    // Splayed legs with cross-braces: an open trestle, the one see-through castle.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 11, 45); cairo_line_to(cr, cx - 5, deck);
    cairo_move_to(cr, cx + 11, 45); cairo_line_to(cr, cx + 5, deck);
    cairo_move_to(cr, cx - 1.5, 45); cairo_line_to(cr, cx - 1.5, deck);
    cairo_move_to(cr, cx + 1.5, 45); cairo_line_to(cr, cx + 1.5, deck);
    set(cr, pal::ink); cairo_set_line_width(cr, 2.6); cairo_stroke_preserve(cr);
    set(cr, wood); cairo_set_line_width(cr, 1.4); cairo_stroke(cr);
    cairo_new_path(cr);
    for (int k = 0; k < 3; ++k) {
        double y0 = deck + 1 + k * 8, y1 = y0 + 8;
        double l0 = cx - 5 - (y0 - deck) * 6 / 25, l1 = cx - 5 - (y1 - deck) * 6 / 25;
        cairo_move_to(cr, l0, y0); cairo_line_to(cr, 2 * cx - l1, y1);
        cairo_move_to(cr, 2 * cx - l0, y0); cairo_line_to(cr, l1, y1);
    }
    set(cr, hex(0x4a2e18)); cairo_set_line_width(cr, 0.9); cairo_stroke(cr);
    // Deck, then the iron basket and its flames.
    cairo_rectangle(cr, cx - 8, deck - 1.5, 16, 2.5);
    set(cr, wood); cairo_fill_preserve(cr); outline(cr, 0.8);
    poly(cr, {{cx - 5, deck - 6}, {cx + 5, deck - 6}, {cx + 3, deck - 1.5}, {cx - 3, deck - 1.5}});
    set(cr, hex(0x3a3a48)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 5, deck - 6);
    cairo_curve_to(cr, cx - 6, deck - 10, cx - 3, deck - 11, cx - 2.5, deck - 15);
    cairo_curve_to(cr, cx - 1, deck - 12, cx, deck - 14, cx + 0.5, deck - 19);
    cairo_curve_to(cr, cx + 2, deck - 14, cx + 4, deck - 13, cx + 3.5, deck - 16);
    cairo_curve_to(cr, cx + 6.5, deck - 12, cx + 6, deck - 9, cx + 5, deck - 6);
    cairo_close_path(cr);
    fill_pat(cr, lin(0, deck - 19, 0, deck - 6, hex(0xffe070), hex(0xe0461e)), true);
    outline(cr, 0.7, hex(0x7a2410));
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 2.5, deck - 6);
    cairo_curve_to(cr, cx - 2.5, deck - 9, cx, deck - 9, cx + 0.5, deck - 12);
    cairo_curve_to(cr, cx + 1.5, deck - 9, cx + 3, deck - 8, cx + 2.5, deck - 6);
    cairo_close_path(cr);
    set(cr, hex(0xfff6c0)); cairo_fill(cr);
}

void observatory(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A dome on a drum with its shutter open and a telescope aimed at the evening stars:
    // the only castle crowned by a hemisphere with a barrel sticking out.
    const double cx = 22, r = 11, dy = 29, base = 43;
    cairo_new_path(cr);  // the telescope first, so the dome's rim covers its foot
    cairo_move_to(cr, cx, dy - 3); cairo_line_to(cr, cx + 15, dy - 17);
    set(cr, pal::ink); cairo_set_line_width(cr, 4.2); cairo_stroke(cr);
    cairo_move_to(cr, cx, dy - 3); cairo_line_to(cr, cx + 15, dy - 17);
    set(cr, pal::gold); cairo_set_line_width(cr, 2.6); cairo_stroke(cr);
    cairo_rectangle(cr, cx + 11, dy - 4, 12, base - dy + 4);  // a low wing with lit windows
    fill_pat(cr, lin(0, dy - 4, 0, base, shade(stone, 1.2), shade(stone, 0.7)), true);
    outline(cr, 0.8);
    for (double wx : {cx + 15.0, cx + 19.5}) {
        cairo_new_path(cr); arch_path(cr, wx, dy + 1, 2.4, 4);
        set(cr, hex(0xffd870)); cairo_fill(cr);
    }
    cairo_rectangle(cr, cx - r, dy, 2 * r, base - dy);  // the drum
    fill_pat(cr, lin(cx - r, 0, cx + r, 0, shade(stone, 1.3), shade(stone, 0.55)), true);
    outline(cr, 0.9);
    cairo_new_path(cr); arch_path(cr, cx, dy + 5, 5, base - dy - 5);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_new_path(cr); cairo_arc(cr, cx, dy, r + 0.8, M_PI, 2 * M_PI); cairo_close_path(cr);
    fill_pat(cr, lin(cx - r, 0, cx + r, 0, shade(roof, 1.35), shade(roof, 0.55)), true);
    outline(cr, 0.9);
    poly(cr, {{cx - 1.2, dy - r - 0.6}, {cx + 1.2, dy - r - 0.6}, {cx + 1.6, dy}, {cx - 1.6, dy}});  // the shutter slit
    set(cr, hex(0x1a1830)); cairo_fill(cr);
    cairo_new_path(cr);  // ribs on the dome
    for (double a : {-0.55, 0.55}) {
        cairo_move_to(cr, cx + (r + 0.8) * std::sin(a) * 0.2, dy - r);
        cairo_curve_to(cr, cx + r * std::sin(a) * 0.8, dy - r * 0.8, cx + r * std::sin(a) * 1.2, dy - 3, cx + r * std::sin(a) * 1.25, dy);
    }
    set(cr, shade(roof, 0.5)); cairo_set_line_width(cr, 0.6); cairo_stroke(cr);
}

void windmill(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    const double cx = 25, hub = 19;
    tapered(cr, cx, 44, 21, 15, 9);
    fill_pat(cr, lin(cx - 7.5, 0, cx + 7.5, 0, shade(stone, 1.25), shade(stone, 0.65)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 2, 44); cairo_line_to(cr, cx - 2, 39.5);
    cairo_arc(cr, cx, 39.5, 2, M_PI, 0); cairo_line_to(cr, cx + 2, 44); cairo_close_path(cr);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    cairo_rectangle(cr, cx + 1, 28, 2, 2.6);
    set(cr, hex(0xf5c860)); cairo_fill(cr);  // a lit window: evening at the mill
    // A domed cap.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 5.5, 21.5);
    cairo_curve_to(cr, cx - 5.5, 15, cx + 5.5, 15, cx + 5.5, 21.5);
    cairo_close_path(cr);
    fill_pat(cr, rad(cx - 1.5, 17.5, 6, shade(roof, 1.4), shade(roof, 0.6)), true);
    outline(cr, 0.9);
    // Four lattice sails across the sky: the cross no other castle has.
    for (int k = 0; k < 4; ++k) {
        double a = (20 + 90 * k) * M_PI / 180, dx = std::sin(a), dy = -std::cos(a);
        double nx = -dy, ny = dx;  // the sail's cloth lies on one side of its spar
        double r0 = 3.5, r1 = 17.5, sw = 4.2;
        poly(cr, {{cx + dx * r0, hub + dy * r0}, {cx + dx * r1, hub + dy * r1},
                  {cx + dx * r1 + nx * sw, hub + dy * r1 + ny * sw}, {cx + dx * r0 + nx * sw, hub + dy * r0 + ny * sw}});
        set(cr, hex(0xe8dcc0)); cairo_fill_preserve(cr); outline(cr, 0.7, hex(0x4a3424));
        cairo_new_path(cr);
        for (double r = r0 + 3.5; r < r1; r += 3.5) {
            cairo_move_to(cr, cx + dx * r, hub + dy * r);
            cairo_line_to(cr, cx + dx * r + nx * sw, hub + dy * r + ny * sw);
        }
        cairo_move_to(cr, cx + dx * r0 + nx * sw / 2, hub + dy * r0 + ny * sw / 2);
        cairo_line_to(cr, cx + dx * r1 + nx * sw / 2, hub + dy * r1 + ny * sw / 2);
        set(cr, hex(0x8a6a4a)); cairo_set_line_width(cr, 0.5); cairo_stroke(cr);
        cairo_move_to(cr, cx, hub); cairo_line_to(cr, cx + dx * r1, hub + dy * r1);
        set(cr, hex(0x4a3424)); cairo_set_line_width(cr, 1.2); cairo_stroke(cr);
    }
    cairo_arc(cr, cx, hub, 1.6, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.6);
}

void standing_stones(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A ring of great stones, lintels across the nearest pairs, with a slim watch tower
    // rising behind: the only castle made of separate blocks.
    const rgb rock = hex(0x9a968c);
    auto stone_at = [&](double x, double base, double w, double h) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - w / 2, base); cairo_line_to(cr, x - w / 2 + 0.3, base - h + 1.2);
        cairo_curve_to(cr, x - w / 2 + 0.5, base - h, x + w / 2 - 0.5, base - h, x + w / 2 - 0.3, base - h + 1.2);
        cairo_line_to(cr, x + w / 2, base); cairo_close_path(cr);
        fill_pat(cr, lin(x - w / 2, 0, x + w / 2, 0, shade(rock, 1.3), shade(rock, 0.6)), true);
        outline(cr, 0.7);
    };
    for (double x : {13.0, 20.0, 30.0, 37.0}) stone_at(x, 35.5, 3.2, 8);  // the far side
    const double tx = 25;
    cairo_rectangle(cr, tx - 3.2, 17, 6.4, 20);
    fill_pat(cr, lin(tx - 3.2, 0, tx + 3.2, 0, shade(stone, 1.3), shade(stone, 0.55)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); arch_path(cr, tx, 20, 1.8, 3);
    set(cr, hex(0xffd870)); cairo_fill(cr);
    poly(cr, {{tx - 4.2, 17.4}, {tx, 9.5}, {tx + 4.2, 17.4}});
    fill_pat(cr, lin(tx - 4, 0, tx + 4, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.8);
    static const double nearx[4] = {7, 15, 35, 43};
    for (double x : nearx) stone_at(x, 44, 4.6, 13);
    for (int k = 0; k < 4; k += 2) {  // lintels over the near pairs
        cairo_rectangle(cr, nearx[k] - 3, 29.5, nearx[k + 1] - nearx[k] + 6, 2.6);
        fill_pat(cr, lin(0, 29.5, 0, 32.1, shade(rock, 1.3), shade(rock, 0.7)), true);
        outline(cr, 0.7);
    }
}

void chapel(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // A gabled front with a rose window beside an open belfry: the only roof ridge and
    // the only bell in the set.
    poly(cr, {{6, 44}, {6, 28}, {17, 16}, {28, 28}, {28, 44}});
    fill_pat(cr, lin(6, 0, 28, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 29.5); cairo_line_to(cr, 17, 15); cairo_line_to(cr, 30, 29.5);
    set(cr, pal::ink); cairo_set_line_width(cr, 3.2); cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); cairo_stroke_preserve(cr);
    set(cr, roof); cairo_set_line_width(cr, 1.8); cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_arc(cr, 17, 27, 3, 0, 2 * M_PI);
    fill_pat(cr, rad(17, 27, 3, hex(0xf5e08a), hex(0x4a6ab0)), true);
    outline(cr, 0.7);
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 27); cairo_line_to(cr, 20, 27); cairo_move_to(cr, 17, 24); cairo_line_to(cr, 17, 30);
    outline(cr, 0.5);
    cairo_new_path(cr); arch_path(cr, 17, 35, 5, 9);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    const double bx = 37;
    cairo_rectangle(cr, bx - 5, 14, 10, 30);
    fill_pat(cr, lin(bx - 5, 0, bx + 5, 0, shade(stone, 1.2), shade(stone, 0.65)), true);
    outline(cr, 0.9);
    cairo_new_path(cr); arch_path(cr, bx, 16, 6, 8);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, bx - 2.2, 22.5);
    cairo_curve_to(cr, bx - 2.2, 17.5, bx + 2.2, 17.5, bx + 2.2, 22.5);
    cairo_close_path(cr);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
    poly(cr, {{bx - 6, 14.2}, {bx, 8}, {bx + 6, 14.2}});
    fill_pat(cr, lin(bx - 6, 0, bx + 6, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, bx, 8); cairo_line_to(cr, bx, 3.8); cairo_move_to(cr, bx - 1.8, 5.4); cairo_line_to(cr, bx + 1.8, 5.4);
    outline(cr, 0.9);
}

void aqueduct(cairo_t* cr, rgb stone, rgb roof) {
    grass(cr);
    // Two tiers of arches striding across the valley to a tall gate tower where the water
    // enters the town: the only castle that is mostly openings.
    const double x0 = 13, x1 = 47, top = 24, base = 44, mid = 34;
    cairo_new_path(cr);
    cairo_rectangle(cr, x0, top, x1 - x0, base - top);
    for (int k = 0; k < 3; ++k) {
        cairo_new_sub_path(cr); arch_path(cr, x0 + 5.7 + k * 11.3, mid + 1.5, 7.5, base - mid - 1.5);
    }
    for (int k = 0; k < 6; ++k) { cairo_new_sub_path(cr); arch_path(cr, x0 + 2.8 + k * 5.65, top + 2.5, 3.4, 6); }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fill_pat(cr, lin(0, top, 0, base, shade(stone, 1.25), shade(stone, 0.7)), true);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    outline(cr, 0.8);
    cairo_new_path(cr); cairo_move_to(cr, x0, mid); cairo_line_to(cr, x1, mid);  // the course between tiers
    set(cr, shade(stone, 0.55)); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    cairo_rectangle(cr, x0, top - 2, x1 - x0, 2);  // the water channel on top
    set(cr, hex(0x4a8fd0)); cairo_fill_preserve(cr); outline(cr, 0.6);
    const double tx = 9;
    cairo_rectangle(cr, tx - 4.5, 18, 9, base - 18);  // kept below the birds
    fill_pat(cr, lin(tx - 4.5, 0, tx + 4.5, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    for (double wy : {21.0, 28.5}) {
        cairo_new_path(cr); arch_path(cr, tx, wy, 2.6, 4.5);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
    }
    cairo_new_path(cr); arch_path(cr, tx, 36, 4.4, 8);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    poly(cr, {{tx - 6, 18.2}, {tx, 12}, {tx + 6, 18.2}});
    fill_pat(cr, lin(tx - 6, 0, tx + 6, 0, shade(roof, 1.3), shade(roof, 0.65)), true);
    outline(cr, 0.9);
}

void treehouse(cairo_t* cr, rgb, rgb roof) {
    grass(cr);
    // A timber fort up in the crown of one great oak, a rope ladder hanging to the
    // ground: the only castle held up by a tree.
    const double tx = 31, base = 44;
    poly(cr, {{tx - 3, base}, {tx - 2.2, 24}, {tx + 2.2, 24}, {tx + 3, base}, {tx + 6, base + 1}, {tx - 6, base + 1}});
    fill_pat(cr, lin(tx - 3, 0, tx + 3, 0, hex(0x9a6a3a), hex(0x4a2e18)), true);
    outline(cr, 0.8);
    static const double blobs[5][3] = {{31, 20, 9}, {22, 25, 6.5}, {40, 25, 6.5}, {25, 15, 6}, {37, 15, 6}};
    cairo_new_path(cr);
    for (auto& b : blobs) { cairo_new_sub_path(cr); cairo_arc(cr, b[0], b[1], b[2], 0, 2 * M_PI); }
    fill_pat(cr, lin(0, 9, 0, 32, hex(0x6cb85a), hex(0x2c6a30)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);
    for (auto& b : blobs) { cairo_new_sub_path(cr); cairo_arc(cr, b[0], b[1], b[2] - 0.9, 0, 2 * M_PI); }
    fill_pat(cr, lin(0, 9, 0, 32, hex(0x6cb85a), hex(0x2c6a30)));  // hides the inner seams
    const double p0 = 21, p1 = 41, py = 25;  // the platform and the hut on it
    cairo_rectangle(cr, p0, py, p1 - p0, 2.2);
    set(cr, hex(0x7a4e28)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_rectangle(cr, p0 + 4, py - 8, 12, 8);
    fill_pat(cr, lin(p0 + 4, 0, p0 + 16, 0, hex(0xc08a50), hex(0x7a4e28)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);
    for (double x = p0 + 7; x < p0 + 16; x += 3) { cairo_move_to(cr, x, py - 8); cairo_line_to(cr, x, py); }
    set(cr, hex(0x5a3a20)); cairo_set_line_width(cr, 0.5); cairo_stroke(cr);
    cairo_rectangle(cr, p0 + 8.6, py - 5.5, 2.8, 3);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    poly(cr, {{p0 + 2.5, py - 7.5}, {p0 + 10, py - 14}, {p0 + 17.5, py - 7.5}});
    fill_pat(cr, lin(p0 + 3, 0, p0 + 17, 0, shade(roof, 1.3), shade(roof, 0.6)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);  // the flag
    cairo_move_to(cr, p0 + 10, py - 14); cairo_line_to(cr, p0 + 10, py - 19);
    set(cr, pal::ink); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    poly(cr, {{p0 + 10.3, py - 19}, {p0 + 14.5, py - 17.7}, {p0 + 10.3, py - 16.4}});
    set(cr, roof); cairo_fill_preserve(cr); outline(cr, 0.5);
    cairo_new_path(cr);  // the rope ladder
    cairo_move_to(cr, p0 + 1.5, py + 2); cairo_line_to(cr, p0 + 1.5, base);
    cairo_move_to(cr, p0 + 4.5, py + 2); cairo_line_to(cr, p0 + 4.5, base);
    for (double y = py + 4.5; y < base; y += 3) { cairo_move_to(cr, p0 + 1.5, y); cairo_line_to(cr, p0 + 4.5, y); }
    set(cr, hex(0x5a3a20)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
}

}  // namespace art::castles
