// The four card sets: castles, flowers, cars and blazons, 50x50 each.
// Every dealt picture differs from its siblings in outline, not only in colour.
#include "art.hpp"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace art {

namespace {

const RGB kInk = hex(0x1b1b24);

using Poly = std::initializer_list<std::pair<double, double>>;

void poly(cairo_t* cr, Poly pts) {
    cairo_new_path(cr);
    for (auto& p : pts) cairo_line_to(cr, p.first, p.second);
    cairo_close_path(cr);
}

void outline(cairo_t* cr, double lw = 1.0, RGB c = kInk) {
    set(cr, c);
    cairo_set_line_width(cr, lw);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void vgrad(cairo_t* cr, double y0, double y1, RGB c, double lw = 1.0) {
    fill_grad_outline(cr, y0, y1, shade(c, 1.35), shade(c, 0.72), kInk, lw);
}

// ---------------------------------------------------------------- card frames

struct FrameStyle { RGB band_a, band_b, inner; };

const FrameStyle kFrames[4] = {
    {hex(0x9aa3b5), hex(0x4d566b), pal::gold},      // castles: slate
    {hex(0x7fbf6a), hex(0x2f6b2f), pal::gold},      // flowers: leaf
    {hex(0xe0604e), hex(0x7d1f16), pal::gold},      // cars: racing red
    {hex(0x4d6bb0), pal::navy_dark, pal::gold},     // blazons: royal blue
};

void frame(cairo_t* cr, int set) {
    const FrameStyle& f = kFrames[set];
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 50, 50);
    cairo_rectangle(cr, 3, 3, 44, 44);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fill_pat(cr, lin(0, 0, 50, 50, f.band_a, f.band_b));
    cairo_rectangle(cr, 0.5, 0.5, 49, 49);
    outline(cr, 1.0);
    cairo_rectangle(cr, 3.4, 3.4, 43.2, 43.2);
    outline(cr, 0.8, f.inner);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- castles

RGB tint(int i) {
    static const uint32_t c[8] = {0xc0392b, 0x2f6fb5, 0x2e8b57, 0x7b3f8f, 0xd9822b, 0x1f8a8a, 0xa8324a, 0x3b4f9a};
    return hex(c[i % 8]);
}

void castle_tower(cairo_t* cr, double cx, double base, double w, double h, int roof, RGB stone, RGB rc, bool flag) {
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
    switch (roof) {
    case 0: {  // pointed cone
        poly(cr, {{x0 - 1.5, top}, {cx, top - w * 1.25}, {x0 + w + 1.5, top}});
        fill_pat(cr, lin(x0, 0, x0 + w, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
        outline(cr, 0.9);
        if (flag) {
            double ay = top - w * 1.25;
            cairo_move_to(cr, cx, ay); cairo_line_to(cr, cx, ay - 5);
            outline(cr, 0.8);
            poly(cr, {{cx, ay - 5}, {cx + 5, ay - 3.8}, {cx, ay - 2.6}});
            set(cr, pal::gold); cairo_fill(cr);
        }
        break;
    }
    case 1: {  // battlements
        int n = std::max(2, int(std::lround(w / 3.2)));
        double mw = w / (2 * n - 1);
        cairo_new_path(cr);
        for (int i = 0; i < n; ++i) cairo_rectangle(cr, x0 + 2 * i * mw, top - 3, mw, 3.2);
        fill_pat(cr, lin(x0, 0, x0 + w, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
        outline(cr, 0.8);
        cairo_rectangle(cr, x0 - 1, top - 0.2, w + 2, 1.8);
        set(cr, shade(stone, 0.8)); cairo_fill_preserve(cr); outline(cr, 0.7);
        break;
    }
    case 2: {  // onion dome
        cairo_new_path(cr);
        cairo_move_to(cr, x0, top);
        cairo_curve_to(cr, x0 - w * 0.35, top - w * 0.55, cx - w * 0.1, top - w * 0.75, cx, top - w * 1.15);
        cairo_curve_to(cr, cx + w * 0.1, top - w * 0.75, x0 + w * 1.35, top - w * 0.55, x0 + w, top);
        cairo_close_path(cr);
        fill_pat(cr, rad(cx - w * 0.2, top - w * 0.5, w, shade(rc, 1.4), shade(rc, 0.6)), true);
        outline(cr, 0.9);
        cairo_arc(cr, cx, top - w * 1.15 - 1, 1.1, 0, 2 * M_PI);
        set(cr, pal::gold); cairo_fill(cr);
        break;
    }
    default: {  // overhanging timber hoard with a long pennant
        poly(cr, {{x0 - 2.2, top}, {x0 - 1.2, top - 4}, {x0 + w + 1.2, top - 4}, {x0 + w + 2.2, top}});
        fill_pat(cr, lin(0, top - 4, 0, top, shade(rc, 1.2), shade(rc, 0.7)), true);
        outline(cr, 0.8);
        if (flag || w > 7) {
            cairo_move_to(cr, cx, top - 4); cairo_line_to(cr, cx, top - 11);
            outline(cr, 0.8);
            cairo_new_path(cr);
            cairo_move_to(cr, cx, top - 11);
            cairo_curve_to(cr, cx + 4, top - 12, cx + 6, top - 9, cx + 10, top - 10);
            cairo_line_to(cr, cx, top - 7.5);
            cairo_close_path(cr);
            set(cr, rc); cairo_fill_preserve(cr); outline(cr, 0.6);
        }
        break;
    }
    }
}

void castle_wall(cairo_t* cr, double x0, double x1, double base, double h, RGB stone, bool gate) {
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

// Plan 4 is one landmark per roof style rather than one plan under four roofs: a lone
// tower on a rock under four skies was remembered as one picture, so each of these has
// an outline of its own. Each keeps its row's sky, and all but the banded lighthouse
// its roof colour.
void grass(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 41);
    cairo_curve_to(cr, 15, 38.5, 35, 38.5, 50, 41.5);
    cairo_line_to(cr, 50, 50); cairo_line_to(cr, 0, 50); cairo_close_path(cr);
    fill_pat(cr, lin(0, 38, 0, 48, hex(0x7cc36a), hex(0x3d7d35)));
}

// The outline of a round tower narrowing upwards (lighthouse, mill).
void tapered(cairo_t* cr, double cx, double base, double top, double wb, double wt) {
    poly(cr, {{cx - wb / 2, base}, {cx - wt / 2, top}, {cx + wt / 2, top}, {cx + wb / 2, base}});
}

void lighthouse(cairo_t* cr, RGB rc) {
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
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(rc, 1.3), shade(rc, 0.6)));
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
    fill_pat(cr, lin(cx - 4, 0, cx + 4, 0, shade(rc, 1.2), shade(rc, 0.6)), true);
    outline(cr, 0.8);
    cairo_arc(cr, cx, 6.2, 1.0, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
}

void ruin(cairo_t* cr, RGB stone) {
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

void windmill(cairo_t* cr, RGB stone, RGB rc) {
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
    // The cap in the row's dome style.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 5.5, 21.5);
    cairo_curve_to(cr, cx - 5.5, 15, cx + 5.5, 15, cx + 5.5, 21.5);
    cairo_close_path(cr);
    fill_pat(cr, rad(cx - 1.5, 17.5, 6, shade(rc, 1.4), shade(rc, 0.6)), true);
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

void spire(cairo_t* cr, RGB stone, RGB rc) {
    grass(cr);
    // A sheer cliff on the right, the needle at its edge: tall, thin and flying the
    // row's longest banner back over the valley.
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
    fill_pat(cr, lin(cx - 4.2, 0, cx + 4.2, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
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

void landmark(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: lighthouse(cr, tint(0)); break;
    case 1: ruin(cr, stone); break;
    case 2: windmill(cr, stone, rc); break;
    default: spire(cr, stone, rc); break;
    }
}

// Plan 0 was a lone donjon under four skies, remembered as one picture; like plan 4 it
// is now one motif per row, each with an outline no other castle has.
void arch_path(cairo_t* cr, double x, double y, double w, double h) {
    // A round-headed opening w wide whose crown is at y and foot at y + h.
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

void bridge_gate(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
    outline(cr, 0.9);
}

void motte_and_bailey(cairo_t* cr, RGB rc) {
    grass(cr);
    const RGB wood = hex(0xa0703e);
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
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
    outline(cr, 0.9);
    palisade(3, 19, 44, 8);
    cairo_rectangle(cr, 8.5, 38.5, 4, 5.5);  // the bailey's gate
    set(cr, hex(0x2a2030)); cairo_fill(cr);
}

void beacon(cairo_t* cr) {
    grass(cr);
    const RGB wood = hex(0x8a5a30);
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
    set(cr, kInk); cairo_set_line_width(cr, 2.6); cairo_stroke_preserve(cr);
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

void chapel(cairo_t* cr, RGB stone, RGB rc) {
    grass(cr);
    // A gabled front with a rose window beside an open belfry: the only roof ridge and
    // the only bell in the set.
    poly(cr, {{6, 44}, {6, 28}, {17, 16}, {28, 28}, {28, 44}});
    fill_pat(cr, lin(6, 0, 28, 0, shade(stone, 1.25), shade(stone, 0.7)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 29.5); cairo_line_to(cr, 17, 15); cairo_line_to(cr, 30, 29.5);
    set(cr, kInk); cairo_set_line_width(cr, 3.2); cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); cairo_stroke_preserve(cr);
    set(cr, rc); cairo_set_line_width(cr, 1.8); cairo_stroke(cr);
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
    fill_pat(cr, lin(bx - 6, 0, bx + 6, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
    outline(cr, 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, bx, 8); cairo_line_to(cr, bx, 3.8); cairo_move_to(cr, bx - 1.8, 5.4); cairo_line_to(cr, bx + 1.8, 5.4);
    outline(cr, 0.9);
}

void lone_plan(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: bridge_gate(cr, stone, rc); break;
    case 1: motte_and_bailey(cr, rc); break;
    case 2: beacon(cr); break;
    default: chapel(cr, stone, rc); break;
    }
}

// Plan 6 was a curtain wall above a moat under four skies: "the one with water" had four
// candidates. Like plans 0 and 4 it is now one motif per row.
void pavilions(cairo_t* cr, RGB rc) {
    grass(cr);
    // Striped round tents of a tournament: a bell outline with a scalloped valance.
    auto tent = [&](double cx, double base, double w, double h, RGB c) {
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
    tent(13, 42, 14, 17, tint(5));
    tent(31, 44, 22, 27, rc);
}

void trebuchet(cairo_t* cr) {
    grass(cr);
    const RGB wood = hex(0x9a6a3a), dark = hex(0x4a2e18);
    auto beam = [&](double x0, double y0, double x1, double y1, double w) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0); cairo_line_to(cr, x1, y1);
        set(cr, kInk); cairo_set_line_width(cr, w + 1.2); cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); cairo_stroke_preserve(cr);
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

void island_castle(cairo_t* cr, RGB stone, RGB rc) {
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
    castle_tower(cr, 15, 35, 6, 15, 2, stone, rc, false);
    castle_tower(cr, 31, 35, 8, 20, 2, stone, rc, true);
    // Reflection: the same masses, squashed and broken by ripples.
    cairo_rectangle(cr, 12, 40, 26, 3);
    cairo_rectangle(cr, 28, 43, 6, 4);
    set(cr, shade(stone, 0.45), 0.55); cairo_fill(cr);
    cairo_rectangle(cr, 30.5, 44, 1.2, 1.2);
    set(cr, hex(0xf5c860)); cairo_fill(cr);
}

void drawbridge(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(0, top - 4, 0, top, shade(rc, 1.2), shade(rc, 0.7)), true);
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

void moat_plan(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: pavilions(cr, rc); break;
    case 1: trebuchet(cr); break;
    case 2: island_castle(cr, stone, rc); break;
    default: drawbridge(cr, stone, rc); break;
    }
}

// Plan 5 was four towers in depth under four skies, a crowd of towers like plans 1 and 2;
// it too is now one motif per row.
void tiered_keep(cairo_t* cr, RGB rc) {
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
        fill_pat(cr, lin(cx - ew, 0, cx + ew, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
        outline(cr, 0.8);
    }
    cairo_move_to(cr, cx, 10); cairo_line_to(cr, cx, 6.5);
    outline(cr, 1.0);
    cairo_arc(cr, cx, 6.2, 1.2, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
}

void walled_town(cairo_t* cr, RGB stone, RGB rc) {
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
        fill_pat(cr, lin(x - w / 2, 0, x + w / 2, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
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

void torch_gate(cairo_t* cr, RGB stone) {
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

void hill_fort(cairo_t* cr, RGB stone, RGB rc) {
    // A steep hill rising out of the row's hills, a road winding up to a small walled
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
    castle_tower(cr, 20, 23, 5, 10, 3, stone, rc, false);
    castle_tower(cr, 31, 23, 6, 13, 3, stone, rc, true);
}

void depth_plan(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: tiered_keep(cr, rc); break;
    case 1: walled_town(cr, stone, rc); break;
    case 2: torch_gate(cr, stone); break;
    default: hill_fort(cr, stone, rc); break;
    }
}

// Plan 1 was a gatehouse between two towers under four skies, remembered as one picture
// and easily taken for the three towers; like plans 0, 4, 5 and 6 it is now one motif per
// row, each with an outline no other castle has.
void star_fort(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); cairo_move_to(cr, cx, cy - 10); cairo_line_to(cr, cx, cy - 19);
    outline(cr, 0.8);
    poly(cr, {{cx, cy - 19}, {cx + 7, cy - 17}, {cx, cy - 15}});
    set(cr, rc); cairo_fill_preserve(cr); outline(cr, 0.5);
}

void tower_house(cairo_t* cr, RGB stone, RGB rc) {
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
        fill_pat(cr, lin(tx - 3, 0, tx + 3, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
        outline(cr, 0.7);
    }
    poly(cr, {{x0 + 1, top}, {(x0 + x1) / 2, top - 10}, {x1 - 1, top}});
    fill_pat(cr, lin(x0, 0, x1, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
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

void cave_fortress(cairo_t* cr, RGB stone, RGB rc) {
    grass(cr);
    // A great crag with the castle cut into its face: windows lit for the evening, a gate
    // at its foot, one watch turret on its crown. The only castle that is mostly rock.
    const RGB rock = hex(0x8a7a6a);
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
    fill_pat(cr, lin(18, 0, 25, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
    outline(cr, 0.8);
    cairo_rectangle(cr, 20.8, 8.5, 1.4, 2.2);
    set(cr, hex(0xffd870)); cairo_fill(cr);
}

void harbour_fort(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(cx - fw, 0, cx + fw, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
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
    cairo_rectangle(cr, sx - sw + 1, st + sh * 0.4, 2 * sw, 3);  // a band in the row's colour
    set(cr, rc); cairo_fill(cr);
    poly(cr, {{sx, st - 3}, {sx + 6, st - 5}, {sx, st - 7}});
    set(cr, rc); cairo_fill_preserve(cr); outline(cr, 0.5);
    cairo_new_path(cr); cairo_move_to(cr, sx, st - 3); cairo_line_to(cr, sx, st - 7);
    outline(cr, 0.8);
}

void gate_plan(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: star_fort(cr, stone, rc); break;
    case 1: tower_house(cr, stone, rc); break;
    case 2: cave_fortress(cr, stone, rc); break;
    default: harbour_fort(cr, stone, rc); break;
    }
}

// Plan 2 was three towers with a tall middle under four skies, a wall with towers like
// the square keep and the palace; it too is now one motif per row.
void great_banner(cairo_t* cr, RGB stone, RGB rc) {
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
    set(cr, kInk); cairo_set_line_width(cr, 1.6); cairo_stroke(cr);
    cairo_arc(cr, tx, 4.5, 1.2, 0, 2 * M_PI);
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
    cairo_new_path(cr);
    cairo_move_to(cr, tx + 0.5, 6);
    cairo_curve_to(cr, tx + 7, 3, tx + 13, 9, 47, 6);
    cairo_line_to(cr, 41, 13); cairo_line_to(cr, 47, 20);
    cairo_curve_to(cr, tx + 13, 23, tx + 7, 17, tx + 0.5, 20);
    cairo_close_path(cr);
    fill_pat(cr, lin(tx, 0, 47, 0, shade(rc, 1.3), shade(rc, 0.7)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);  // a gold cross on the banner, the one emblem in the set
    cairo_move_to(cr, tx + 8, 9.5); cairo_line_to(cr, tx + 8, 16.5);
    cairo_move_to(cr, tx + 4.5, 13); cairo_line_to(cr, tx + 11.5, 13);
    set(cr, pal::gold); cairo_set_line_width(cr, 1.6); cairo_stroke(cr);
}

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

void snow_castle(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(cx - 6, 0, cx + 6, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
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

void shell_keep(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(cx - 7, 0, cx + 1, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
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

void aqueduct(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(tx - 6, 0, tx + 6, 0, shade(rc, 1.3), shade(rc, 0.65)), true);
    outline(cr, 0.9);
}

void towers_plan(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: great_banner(cr, stone, rc); break;
    case 1: snow_castle(cr, stone, rc); break;
    case 2: shell_keep(cr, stone, rc); break;
    default: aqueduct(cr, stone, rc); break;
    }
}

// Plan 3 was a broad square keep under four skies, remembered as one picture; it too is
// now one motif per row.
void giant(cairo_t* cr, double x, double base, double h, RGB stone, bool left) {
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
    set(cr, kInk); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    poly(cr, {{sx - 1.3, base - 22.5 * s}, {sx, base - 26 * s}, {sx + 1.3, base - 22.5 * s}});
    set(cr, pal::gold); cairo_fill_preserve(cr); outline(cr, 0.5);
}

void statue_gate(cairo_t* cr, RGB stone, RGB rc) {
    grass(cr);
    // A tall gate between two giant stone wardens: the only castle guarded by figures.
    const double cx = 26, base = 44;
    cairo_rectangle(cr, cx - 7, 17, 14, base - 17);
    fill_pat(cr, lin(cx - 7, 0, cx + 7, 0, shade(stone, 1.25), shade(stone, 0.65)), true);
    outline(cr, 0.9);
    poly(cr, {{cx - 8.5, 17.5}, {cx, 10}, {cx + 8.5, 17.5}});
    fill_pat(cr, lin(cx - 8, 0, cx + 8, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
    outline(cr, 0.9);
    cairo_new_path(cr); arch_path(cr, cx, 25, 8, base - 25);
    set(cr, hex(0x2a2030)); cairo_fill_preserve(cr); outline(cr, 0.7);
    giant(cr, 12, base, 21, stone, true);   // heads kept below the sun
    giant(cr, 40, base, 21, stone, false);
}

void monastery(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(c0, 0, c1, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
    outline(cr, 0.8);
    const double bx = 31;  // the bell tower beside it
    cairo_rectangle(cr, bx - 2.5, 13, 5, 25.5 - 13);
    fill_pat(cr, lin(bx - 2.5, 0, bx + 2.5, 0, shade(stone, 1.3), shade(stone, 0.65)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); arch_path(cr, bx, 14.5, 2.2, 3);
    set(cr, hex(0x2a2030)); cairo_fill(cr);
    poly(cr, {{bx - 3.4, 13.3}, {bx, 6}, {bx + 3.4, 13.3}});
    fill_pat(cr, lin(bx - 3, 0, bx + 3, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
    outline(cr, 0.8);
    cairo_new_path(cr); cairo_move_to(cr, (c0 + c1) / 2, ct - 5); cairo_line_to(cr, (c0 + c1) / 2, ct - 9);
    cairo_move_to(cr, (c0 + c1) / 2 - 1.6, ct - 7.6); cairo_line_to(cr, (c0 + c1) / 2 + 1.6, ct - 7.6);
    set(cr, pal::gold); cairo_set_line_width(cr, 1.0); cairo_stroke(cr);
}

void observatory(cairo_t* cr, RGB stone, RGB rc) {
    grass(cr);
    // A dome on a drum with its shutter open and a telescope aimed at the evening stars:
    // the only castle crowned by a hemisphere with a barrel sticking out.
    const double cx = 22, r = 11, dy = 29, base = 43;
    cairo_new_path(cr);  // the telescope first, so the dome's rim covers its foot
    cairo_move_to(cr, cx, dy - 3); cairo_line_to(cr, cx + 15, dy - 17);
    set(cr, kInk); cairo_set_line_width(cr, 4.2); cairo_stroke(cr);
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
    fill_pat(cr, lin(cx - r, 0, cx + r, 0, shade(rc, 1.35), shade(rc, 0.55)), true);
    outline(cr, 0.9);
    poly(cr, {{cx - 1.2, dy - r - 0.6}, {cx + 1.2, dy - r - 0.6}, {cx + 1.6, dy}, {cx - 1.6, dy}});  // the shutter slit
    set(cr, hex(0x1a1830)); cairo_fill(cr);
    cairo_new_path(cr);  // ribs on the dome
    for (double a : {-0.55, 0.55}) {
        cairo_move_to(cr, cx + (r + 0.8) * std::sin(a) * 0.2, dy - r);
        cairo_curve_to(cr, cx + r * std::sin(a) * 0.8, dy - r * 0.8, cx + r * std::sin(a) * 1.2, dy - 3, cx + r * std::sin(a) * 1.25, dy);
    }
    set(cr, shade(rc, 0.5)); cairo_set_line_width(cr, 0.6); cairo_stroke(cr);
}

void treehouse(cairo_t* cr, RGB stone, RGB rc) {
    grass(cr);
    // A timber fort up in the crown of one great oak, a rope ladder hanging to the
    // ground: the only castle held up by a tree.
    (void)stone;
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
    fill_pat(cr, lin(p0 + 3, 0, p0 + 17, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
    outline(cr, 0.8);
    cairo_new_path(cr);  // the flag
    cairo_move_to(cr, p0 + 10, py - 14); cairo_line_to(cr, p0 + 10, py - 19);
    set(cr, kInk); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    poly(cr, {{p0 + 10.3, py - 19}, {p0 + 14.5, py - 17.7}, {p0 + 10.3, py - 16.4}});
    set(cr, rc); cairo_fill_preserve(cr); outline(cr, 0.5);
    cairo_new_path(cr);  // the rope ladder
    cairo_move_to(cr, p0 + 1.5, py + 2); cairo_line_to(cr, p0 + 1.5, base);
    cairo_move_to(cr, p0 + 4.5, py + 2); cairo_line_to(cr, p0 + 4.5, base);
    for (double y = py + 4.5; y < base; y += 3) { cairo_move_to(cr, p0 + 1.5, y); cairo_line_to(cr, p0 + 4.5, y); }
    set(cr, hex(0x5a3a20)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
}

void keep_plan(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: statue_gate(cr, stone, rc); break;
    case 1: monastery(cr, stone, rc); break;
    case 2: observatory(cr, stone, rc); break;
    default: treehouse(cr, stone, rc); break;
    }
}

// Plan 7 was a palace with minarets under four skies, remembered as one picture; it too
// is now one motif per row.
void stair_palace(cairo_t* cr, RGB stone, RGB rc) {
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
        set(cr, rc); cairo_fill_preserve(cr); outline(cr, 0.5);
        cairo_new_path(cr); arch_path(cr, px + 3, top + 1, 2.4, 4);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
    }
    poly(cr, {{cx - 8, top + 0.5}, {cx, top - 7}, {cx + 8, top + 0.5}});
    fill_pat(cr, lin(cx - 8, 0, cx + 8, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
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

void horseshoe_path(cairo_t* cr, double cx, double cy, double r, double base) {
    // An arch whose round head swells wider than its jambs, the Moorish horseshoe.
    const double a = 0.55, j = r * std::cos(a);
    cairo_move_to(cr, cx - j, base);
    cairo_line_to(cr, cx - j, cy + r * std::sin(a));
    cairo_arc(cr, cx, cy, r, M_PI - a, 2 * M_PI + a);
    cairo_line_to(cr, cx + j, base);
    cairo_close_path(cr);
}

void moorish_fort(cairo_t* cr, RGB stone, RGB rc) {
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
        set(cr, rc); cairo_fill_preserve(cr); outline(cr, 0.4);
        cairo_new_path(cr); horseshoe_path(cr, tx, 27, 1.8, 31.5);
        set(cr, hex(0x2a2030)); cairo_fill(cr);
    }
}

void standing_stones(cairo_t* cr, RGB stone, RGB rc) {
    grass(cr);
    // A ring of great stones, lintels across the nearest pairs, with a slim watch tower
    // rising behind: the only castle made of separate blocks.
    const RGB rock = hex(0x9a968c);
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
    fill_pat(cr, lin(tx - 4, 0, tx + 4, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
    outline(cr, 0.8);
    static const double nearx[4] = {7, 15, 35, 43};
    for (double x : nearx) stone_at(x, 44, 4.6, 13);
    for (int k = 0; k < 4; k += 2) {  // lintels over the near pairs
        cairo_rectangle(cr, nearx[k] - 3, 29.5, nearx[k + 1] - nearx[k] + 6, 2.6);
        fill_pat(cr, lin(0, 29.5, 0, 32.1, shade(rock, 1.3), shade(rock, 0.7)), true);
        outline(cr, 0.7);
    }
}

void causeway_castle(cairo_t* cr, RGB stone, RGB rc) {
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
    fill_pat(cr, lin(cx - 5, 0, cx + 5, 0, shade(rc, 1.3), shade(rc, 0.6)), true);
    outline(cr, 0.8);
}

void palace_plan(cairo_t* cr, int roof, RGB stone, RGB rc) {
    switch (roof) {
    case 0: stair_palace(cr, stone, rc); break;
    case 1: moorish_fort(cr, stone, rc); break;
    case 2: standing_stones(cr, stone, rc); break;
    default: causeway_castle(cr, stone, rc); break;
    }
}

void castle(cairo_t* cr, int i) {
    int layout = i % 8, roof = (i / 8) % 4;
    // Each roof style comes with its own weather and masonry, so the four castles of
    // one plan still differ at a glance.
    static const uint32_t stones[4] = {0xaab0ba, 0xd6c49a, 0xe2dccf, 0xb9826a};
    // Masonry by roof and plan: castles that look most alike never share one (under
    // the evening sky lightness is what is left to tell them by).
    static const int masonry[4][8] = {
        {0, 1, 2, 3, 2, 3, 0, 1}, {1, 2, 3, 0, 3, 2, 1, 2}, {2, 1, 0, 3, 0, 2, 2, 0}, {3, 0, 1, 2, 1, 2, 3, 0}};
    RGB stone = hex(stones[masonry[roof][layout]]);
    RGB rc = tint(i * 3 + 1);
    cairo_rectangle(cr, 0, 0, 50, 50);
    if (roof == 2) fill_pat(cr, lin(0, 3, 0, 40, hex(0x3b3f7a), hex(0xf0a878)));
    else fill_pat(cr, lin(0, 3, 0, 40, hex(0x8cc4ea), hex(0xe4f2fa)));
    switch (roof) {
    case 0:  // sun
        star(cr, 11, 11, 10, 7.5, 4.5, 0.1);
        set(cr, hex(0xffc83a)); cairo_fill(cr);
        cairo_arc(cr, 11, 11, 4.2, 0, 2 * M_PI);
        fill_pat(cr, rad(10, 10, 5, hex(0xfff3a0), hex(0xf5a623)), true); outline(cr, 0.6, hex(0xb86b12));
        break;
    case 1:  // clouds
        for (int k = 0; k < 2; ++k) {
            double x = k ? 36 : 10, y = k ? 12 : 9;
            cairo_new_path(cr);
            cairo_arc(cr, x, y, 3.5, 0, 2 * M_PI); cairo_new_sub_path(cr);
            cairo_arc(cr, x + 4, y - 1.5, 4.2, 0, 2 * M_PI); cairo_new_sub_path(cr);
            cairo_arc(cr, x + 8, y, 3.2, 0, 2 * M_PI);
            set(cr, hex(0xfbfdff)); cairo_fill_preserve(cr); outline(cr, 0.5, hex(0x8aa6c0));
        }
        break;
    case 2:  // evening: crescent moon and stars
        cairo_new_path(cr);
        cairo_arc(cr, 39, 11, 5, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, 41.5, 9.5, 4.2, 2 * M_PI, 0);
        set(cr, hex(0xfff1b0)); cairo_fill(cr);
        star(cr, 9, 8, 4, 2.4, 0.7); star(cr, 19, 13, 4, 1.8, 0.5); star(cr, 28, 6, 4, 2, 0.6);
        set(cr, hex(0xfff1b0)); cairo_fill(cr);
        break;
    default:  // birds over the hills
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
    if (layout == 4) { landmark(cr, roof, stone, rc); return; }  // draws its own ground
    if (layout == 0) { lone_plan(cr, roof, stone, rc); return; }
    if (layout == 6) { moat_plan(cr, roof, stone, rc); return; }
    if (layout == 5) { depth_plan(cr, roof, stone, rc); return; }
    if (layout == 1) { gate_plan(cr, roof, stone, rc); return; }
    if (layout == 2) { towers_plan(cr, roof, stone, rc); return; }
    if (layout == 3) { keep_plan(cr, roof, stone, rc); return; }
    palace_plan(cr, roof, stone, rc);
}

// ---------------------------------------------------------------- flowers

RGB petal_colour(int i) {
    static const uint32_t c[8] = {0xe0463c, 0xf2c230, 0xe874b0, 0x8e5cc8, 0xf08a2c, 0x4a8fe0, 0xf3eee6, 0xc2187a};
    return hex(c[i % 8]);
}

void petal_path(cairo_t* cr, int shape, double len, double wid) {
    cairo_new_path(cr);
    switch (shape) {
    case 0:  // round
        ellipse(cr, 0, -len * 0.55, wid * 0.62, len * 0.5);
        break;
    case 1:  // pointed
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, wid * 0.7, -len * 0.3, wid * 0.4, -len * 0.75, 0, -len);
        cairo_curve_to(cr, -wid * 0.4, -len * 0.75, -wid * 0.7, -len * 0.3, 0, 0);
        break;
    case 2:  // heart-notched
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, wid * 0.9, -len * 0.3, wid * 0.8, -len * 1.05, wid * 0.3, -len * 0.98);
        cairo_line_to(cr, 0, -len * 0.78);
        cairo_line_to(cr, -wid * 0.3, -len * 0.98);
        cairo_curve_to(cr, -wid * 0.8, -len * 1.05, -wid * 0.9, -len * 0.3, 0, 0);
        break;
    case 3:  // thin ray
        ellipse(cr, 0, -len * 0.55, wid * 0.22, len * 0.48);
        break;
    case 4:  // spoon: narrow neck, wide tip
        cairo_move_to(cr, -wid * 0.12, 0);
        cairo_line_to(cr, -wid * 0.15, -len * 0.5);
        cairo_arc(cr, 0, -len * 0.72, wid * 0.42, M_PI * 0.75, M_PI * 2.25);
        cairo_line_to(cr, wid * 0.12, 0);
        break;
    default:  // frilled: zigzag tip
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

void radial_head(cairo_t* cr, double cx, double cy, int shape, int n, double len, double wid, RGB c, double centre) {
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

void flower(cairo_t* cr, int i) {
    cairo_rectangle(cr, 0, 0, 50, 50);
    fill_pat(cr, rad(25, 22, 34, hex(0xfbf6e6), hex(0xd7e8c4)));
    RGB c = petal_colour(i * 5 + 2);
    if (i < 24) {
        static const int counts[6][4] = {{4, 5, 6, 8}, {4, 5, 6, 8}, {4, 5, 6, 8}, {9, 12, 16, 24}, {5, 6, 7, 10}, {5, 6, 8, 12}};
        const int shape = i / 4, n = counts[shape][i % 4];
        // Every flower stands in a pose of its own: where its heads are and how big, so
        // no two share an outline however alike their petals; neighbours in the table
        // differ in colour and lightness as well.
        struct Head { double x, y, scale; };
        struct Pose { Head h[2]; int grass; };  // grass: 1 blades, 2 bud, 3 broad leaves
        static const Pose poses[24] = {
            {{{25, 20, 1.0}, {0, 0, 0}}, 0},       {{{16, 16, .62}, {0, 0, 0}}, 0},
            {{{34, 16, .62}, {0, 0, 0}}, 0},       {{{16, 30, .62}, {0, 0, 0}}, 3},
            {{{34, 30, .62}, {0, 0, 0}}, 3},       {{{25, 13, .55}, {0, 0, 0}}, 2},
            {{{25, 31, .7}, {0, 0, 0}}, 1},        {{{14, 14, .5}, {35, 29, .5}}, 0},
            {{{35, 14, .5}, {14, 29, .5}}, 0},     {{{15, 17, .5}, {35, 17, .5}}, 0},
            {{{25, 22, .72}, {0, 0, 0}}, 3},       {{{18, 22, .85}, {0, 0, 0}}, 0},
            {{{32, 22, .85}, {0, 0, 0}}, 0},       {{{25, 27, .9}, {0, 0, 0}}, 0},
            {{{13, 12, .45}, {0, 0, 0}}, 1},       {{{37, 12, .45}, {0, 0, 0}}, 1},
            {{{25, 16, .75}, {0, 0, 0}}, 2},       {{{25, 11, .42}, {25, 29, .6}}, 0},
            {{{19, 13, .55}, {0, 0, 0}}, 3},       {{{30, 29, .9}, {0, 0, 0}}, 0},
            {{{20, 29, .9}, {0, 0, 0}}, 0},       {{{31, 13, .55}, {0, 0, 0}}, 3},
            {{{19, 18, .5}, {31, 27, .5}}, 0},     {{{15, 35, .42}, {35, 35, .42}}, 0},
        };
        static const int by_lightness[8] = {6, 1, 4, 2, 5, 0, 3, 7};
        c = petal_colour(by_lightness[(3 * i + i / 8) % 8]);
        const Pose& pose = poses[i];
        Head heads[2] = {pose.h[0], pose.h[1]};
        const int nheads = pose.h[1].scale > 0 ? 2 : 1;
        if (pose.grass == 1) {  // two tall blades of grass
            for (int side = -1; side <= 1; side += 2) {
                double bx = heads[0].x + side * 5;
                cairo_new_path(cr);
                cairo_move_to(cr, bx, 47);
                cairo_curve_to(cr, bx + side * 4, 34, bx + side * 7, 22, bx + side * 9, 10);
                cairo_curve_to(cr, bx + side * 4, 22, bx + side * 2, 34, bx + side * 3.5, 47);
                cairo_close_path(cr);
                fill_pat(cr, lin(0, 10, 0, 47, hex(0x8fd07a), hex(0x2f7a35)), true);
                outline(cr, 0.7);
            }
        }
        for (int h = 0; h < nheads; ++h) {
            const Head& hd = heads[h];
            double base = 25 + (hd.x - 25) * 0.35;
            stem(cr, base, 47, hd.x, hd.y + 6 * hd.scale, pose.grass == 3 || (i + h) % 2 == 0,
                 pose.grass == 3 || (i + h) % 2 == 1);
        }
        if (pose.grass == 2) {  // a bud on a side shoot
            cairo_move_to(cr, 25, 36); cairo_curve_to(cr, 30, 32, 34, 30, 36, 26);
            set(cr, hex(0x2f6b2f)); cairo_set_line_width(cr, 1.6); cairo_stroke(cr);
            ellipse(cr, 36.5, 23.5, 2.6, 3.6);
            fill_pat(cr, lin(0, 20, 0, 27, shade(c, 1.2), shade(c, 0.7)), true); outline(cr, 0.7);
        }
        for (int h = 0; h < nheads; ++h) {
            cairo_save(cr);
            cairo_translate(cr, heads[h].x, heads[h].y);
            cairo_scale(cr, heads[h].scale, heads[h].scale);
            if (shape == 4) {  // double blossom: pointed outer ring, round inner ring offset
                for (int k = 0; k < n; ++k) {
                    cairo_save(cr); cairo_rotate(cr, 2 * M_PI * k / n);
                    petal_path(cr, 1, 16, 9);
                    fill_pat(cr, lin(0, 0, 0, -16, shade(c, 0.6), shade(c, 1.0)), true); outline(cr, 0.7);
                    cairo_restore(cr);
                }
                radial_head(cr, 0, 0, 0, n, 9, 6.5, shade(c, 1.25), 2.8);
            } else {
                double len = 15, wid = shape == 3 ? 8 : 2 * M_PI * 8 / n * 1.3 + 4;
                if (wid > 14) wid = 14;
                double centre = (shape == 3) ? 4.5 : (n >= 8 ? 4 : 3.4);
                radial_head(cr, 0, 0, shape, n, len, wid, c, centre);
            }
            cairo_restore(cr);
        }
        return;
    }
    switch (i) {
    case 24: {  // tulip
        c = petal_colour(1);
        stem(cr, 25, 47, 25, 26, true, true);
        cairo_new_path(cr);
        cairo_move_to(cr, 15, 12); cairo_line_to(cr, 19, 17); cairo_line_to(cr, 25, 9);
        cairo_line_to(cr, 31, 17); cairo_line_to(cr, 35, 12);
        cairo_curve_to(cr, 37, 22, 33, 29, 25, 29);
        cairo_curve_to(cr, 17, 29, 13, 22, 15, 12);
        cairo_close_path(cr);
        fill_pat(cr, lin(15, 0, 35, 0, shade(c, 1.3), shade(c, 0.7)), true);
        outline(cr, 0.8);
        cairo_move_to(cr, 25, 11); cairo_line_to(cr, 25, 27);
        set(cr, shade(c, 0.6)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
        break;
    }
    case 25: {  // bell flowers on an arching stem
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
            fill_pat(cr, lin(bx[k] - 4, 0, bx[k] + 4, 0, shade(c, 1.3), shade(c, 0.7)), true);
            outline(cr, 0.7);
        }
        cairo_new_path(cr);
        cairo_move_to(cr, 12, 44); cairo_curve_to(cr, 2, 36, 6, 26, 10, 22);
        cairo_curve_to(cr, 14, 30, 15, 38, 12, 44);
        fill_pat(cr, lin(4, 22, 14, 44, hex(0x8fd07a), hex(0x2f7a35)), true);
        outline(cr, 0.7);
        break;
    }
    case 26: {  // spike of small florets, lavender-dark so it never reads as the dandelion
        c = petal_colour(3);
        stem(cr, 25, 47, 25, 12, true, false);
        for (int k = 0; k < 9; ++k) {
            double y = 8 + k * 3.2, dx = (k & 1) ? 2.6 : -2.6, s = 1.6 + k * 0.12;
            ellipse(cr, 25 + dx, y, s + 0.8, s);
            fill_pat(cr, lin(0, y - 2, 0, y + 2, shade(c, 1.3), shade(c, 0.75)), true);
            outline(cr, 0.6);
        }
        break;
    }
    case 27: {  // rose, a spiral of petals
        // A lower, smaller bloom than the sunflower's, so the two round heads part in outline.
        stem(cr, 25, 47, 25, 34, true, true);
        c = hex(0xd0283c);
        cairo_save(cr);
        cairo_translate(cr, 25, 28); cairo_scale(cr, 0.72, 0.72); cairo_translate(cr, -25, -22);
        for (int k = 0; k < 5; ++k) {
            cairo_save(cr); cairo_translate(cr, 25, 22); cairo_rotate(cr, k * 2 * M_PI / 5 + 0.3);
            petal_path(cr, 0, 16, 14);
            fill_pat(cr, lin(0, 0, 0, -16, shade(c, 0.7), shade(c, 1.1)), true); outline(cr, 0.7);
            cairo_restore(cr);
        }
        cairo_arc(cr, 25, 22, 10, 0, 2 * M_PI);
        fill_pat(cr, rad(22, 19, 16, shade(c, 1.3), shade(c, 0.65)), true);
        outline(cr, 0.8);
        cairo_new_path(cr);
        for (double a = 0; a < 5.2 * M_PI; a += 0.15) {
            double r = 0.8 + a * 0.55;
            cairo_line_to(cr, 25 + r * std::cos(a), 22 + r * std::sin(a));
        }
        set(cr, shade(c, 0.45)); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
        cairo_restore(cr);
        break;
    }
    case 28: {  // sunflower
        stem(cr, 25, 47, 25, 34, false, true);
        radial_head(cr, 25, 21, 1, 20, 16, 5, hex(0xf2c230), 8.5);
        cairo_arc(cr, 25, 21, 8.5, 0, 2 * M_PI);
        set(cr, hex(0x5a3212)); cairo_fill(cr);
        set(cr, hex(0x9a6428));
        for (int k = 0; k < 24; ++k) {
            double a = k * 2.39996, r = 1.6 * std::sqrt(double(k));
            cairo_arc(cr, 25 + r * std::cos(a), 21 + r * std::sin(a), 0.65, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        break;
    }
    case 29: {  // dandelion clock
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
        break;
    }
    case 30: {  // posy of three small blossoms
        stem(cr, 25, 47, 14, 22, false, false);
        stem(cr, 25, 47, 36, 20, false, false);
        stem(cr, 25, 47, 25, 14, false, false);
        radial_head(cr, 14, 22, 0, 5, 7, 6, c, 1.8);
        radial_head(cr, 36, 20, 0, 5, 7, 6, shade(c, 0.85), 1.8);
        radial_head(cr, 25, 12, 0, 5, 7, 6, shade(c, 1.15), 1.8);
        break;
    }
    default: {  // daffodil in profile: star of petals behind a trumpet
        stem(cr, 25, 47, 22, 26, true, false);
        cairo_save(cr);
        cairo_translate(cr, 22, 19);
        cairo_scale(cr, 0.7, 1);
        radial_head(cr, 0, 0, 1, 6, 13, 9, hex(0xf6e27a), 1);
        cairo_restore(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 21, 15.5); cairo_curve_to(cr, 26, 15, 29, 13, 31, 10.5);
        for (int k = 0; k <= 8; ++k) cairo_line_to(cr, (k & 1) ? 33.5 : 31.5, 10.5 + k * 2.1);
        cairo_curve_to(cr, 29, 25, 26, 23, 21, 22.5);
        cairo_close_path(cr);
        fill_pat(cr, lin(0, 10, 0, 28, hex(0xf7a03a), hex(0xc25a12)), true);
        outline(cr, 0.8);
        break;
    }
    }
}

// ---------------------------------------------------------------- cars

void wheel(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    set(cr, hex(0x23232b)); cairo_fill_preserve(cr); outline(cr, 0.8);
    cairo_arc(cr, x, y, r * 0.5, 0, 2 * M_PI);
    fill_pat(cr, lin(x - r, y - r, x + r, y + r, hex(0xe4e8ef), hex(0x7b8494)), true);
    outline(cr, 0.6);
    cairo_arc(cr, x, y, r * 0.15, 0, 2 * M_PI);
    set(cr, hex(0x3a3a44)); cairo_fill(cr);
}

void glass(cairo_t* cr) {
    fill_pat(cr, lin(0, 18, 0, 32, hex(0xd8eefc), hex(0x6fa6cf)), true);
    outline(cr, 0.7);
}

void lamp(cairo_t* cr, double x, double y) {
    cairo_arc(cr, x, y, 1.2, 0, 2 * M_PI);
    set(cr, hex(0xffd54a)); cairo_fill_preserve(cr); outline(cr, 0.5);
}

// Per car: facing left, size, and how far it is parked off the middle.
struct CarPose { bool left; double size, shift; };
const CarPose kCarPose[32] = {
    {false, 1.0, 0},   {true, .9, 2},     {true, .96, 0},    {false, .92, 2},   // caravan .. milk float
    {true, 1.0, 0},    {true, .86, -5},   {false, .92, -3},  {true, .86, 4},    // roadster .. coach
    {false, 1.0, 0},   {true, 1.0, 0},    {true, .84, -4},   {false, .86, 5},   // double-decker .. tipper
    {false, 1.0, 0},   {true, .8, -6},    {true, 1.0, 0},    {false, 1.0, 0},   // fire engine .. jeep
    {true, 1.0, 0},    {true, .86, 5},    {false, 1.0, 0},   {true, 1.0, 0},    // limousine .. ambulance
    {true, 1.0, 0},    {true, .84, -6},   {true, .86, 5},    {true, .8, 0},     // tractor .. camper
    {true, .84, 5},    {false, 1.0, 0},   {true, .8, -7},    {true, .9, 2},     // mixer .. go-kart
    {false, 1.0, 0},   {false, .9, -3},   {true, .9, 3},     {true, 1.0, 0},    // bulldozer .. scooter
};

void car(cairo_t* cr, int i) {
    // Sky, a kerb and the road.
    cairo_rectangle(cr, 0, 0, 50, 50);
    fill_pat(cr, lin(0, 3, 0, 38, hex(0xcfe7f7), hex(0xf4f1e6)));
    cairo_rectangle(cr, 0, 41, 50, 9);
    fill_pat(cr, lin(0, 41, 0, 50, hex(0x6d7079), hex(0x44474f)));
    set(cr, hex(0xe8dfa0));
    for (int x = 2; x < 50; x += 10) { cairo_rectangle(cr, x, 45, 5, 1.2); }
    cairo_fill(cr);
    RGB c = tint(i * 3 + 2);
    const double G = 41;  // ground line
    // Cars of much one body would share an outline side-on; facing either way and at
    // three sizes, standing on the same road, no two of them do.
    const CarPose& pose = kCarPose[i];
    cairo_save(cr);
    cairo_translate(cr, 25 + pose.shift, G);
    cairo_scale(cr, pose.left ? -pose.size : pose.size, pose.size);
    cairo_translate(cr, -25, -G);
    switch (i) {
    case 0: {  // small car towing a caravan: the only picture with two bodies in a row
        rrect(cr, 4, 15, 20, 20, 6); vgrad(cr, 15, 35, hex(0xf4efe0));
        cairo_rectangle(cr, 4, 25, 20, 2); set(cr, hex(0x3a7bd5)); cairo_fill(cr);
        rrect(cr, 7, 18, 8, 5, 1); glass(cr);
        cairo_move_to(cr, 24, 33); cairo_line_to(cr, 27, 33); outline(cr, 1.4);
        poly(cr, {{27, 37}, {27, 29}, {31, 24}, {39, 24}, {42, 29}, {46, 30}, {46, 37}}); vgrad(cr, 24, 37, c);
        poly(cr, {{32, 29}, {33, 25.5}, {38.5, 25.5}, {40.5, 29}}); glass(cr);
        wheel(cr, 14, G - 3.6, 3.6); wheel(cr, 31.5, G - 3.6, 3.6); wheel(cr, 42, G - 3.6, 3.6); break;
    }
    case 1: {  // tuk-tuk: a dark canopy on posts over an open cab, one wheel in front
        c = hex(0x2f8f5a);
        cairo_new_path(cr);
        cairo_move_to(cr, 6, 37); cairo_line_to(cr, 6, 27); cairo_line_to(cr, 30, 27);
        cairo_curve_to(cr, 38, 27, 42, 31, 42, 37); cairo_close_path(cr); vgrad(cr, 27, 37, c);
        cairo_move_to(cr, 8, 27); cairo_line_to(cr, 8, 15); cairo_move_to(cr, 33, 28); cairo_line_to(cr, 36, 15);
        outline(cr, 1.3);
        poly(cr, {{5, 17}, {6, 13}, {37, 13}, {40, 17}}); vgrad(cr, 13, 17, hex(0x2a2a33));
        cairo_arc(cr, 27, 21, 2.8, 0, 2 * M_PI); set(cr, hex(0xe9b48a)); cairo_fill_preserve(cr); outline(cr, 0.7);
        cairo_move_to(cr, 28, 25); cairo_line_to(cr, 33, 24); outline(cr, 1.2);
        wheel(cr, 13, G - 4, 4); wheel(cr, 38, G - 4, 4); lamp(cr, 41, 33); break;
    }
    case 2: {  // silver estate carrying an orange canoe that overhangs both ends
        c = hex(0xaab4c2);
        poly(cr, {{4, 37}, {4, 24}, {30, 23}, {36, 28}, {46, 30}, {46, 37}}); vgrad(cr, 23, 37, c);
        poly(cr, {{6, 28}, {6, 25.5}, {15, 25}, {15, 28}}); glass(cr);
        poly(cr, {{17, 25}, {24, 25}, {24, 28}, {17, 28}}); glass(cr);
        poly(cr, {{26, 25}, {30, 25}, {34, 28}, {26, 28}}); glass(cr);
        // Tall rack posts leave sky under the canoe, so the pair is not one dome.
        cairo_rectangle(cr, 8, 18, 2, 6); cairo_rectangle(cr, 25, 18, 2, 5.5); set(cr, kInk); cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 3, 18); cairo_curve_to(cr, 10, 14, 40, 14, 47, 18); cairo_close_path(cr);
        vgrad(cr, 14.5, 18.5, hex(0xe8782a));
        wheel(cr, 12, G - 4, 4.5); wheel(cr, 37, G - 4, 4.5); lamp(cr, 45, 32); break;
    }
    case 3: {  // milk float: a tall cab behind a low open bed stacked with white bottles
        poly(cr, {{4, 37}, {4, 32}, {30, 32}, {30, 15}, {40, 15}, {44, 24}, {46, 26}, {46, 37}}); vgrad(cr, 15, 37, c);
        poly(cr, {{32, 17}, {39, 17}, {42.5, 25}, {32, 25}}); glass(cr);
        for (int k = 0; k < 6; ++k) {
            double x = 5.5 + k * 4;
            rrect(cr, x, 24, 2.8, 8, 1.2); set(cr, hex(0xfbfbf6)); cairo_fill_preserve(cr); outline(cr, 0.6);
        }
        cairo_rectangle(cr, 4, 28, 25, 4); set(cr, hex(0x7a5a30)); cairo_fill_preserve(cr); outline(cr, 0.7);
        wheel(cr, 11, G - 3.5, 3.5); wheel(cr, 39, G - 3.5, 3.5); lamp(cr, 45, 30); break;
    }
    case 4: {  // open roadster with a driver, in a light colour beside the dark coupe
        c = hex(0xf2c230);
        poly(cr, {{4, 37}, {4, 31}, {44, 30}, {46, 33}, {46, 37}}); vgrad(cr, 30, 37, c);
        poly(cr, {{29, 30}, {31, 24}, {32, 24}, {31, 30}}); glass(cr);
        cairo_arc(cr, 23, 25, 3, 0, 2 * M_PI); set(cr, hex(0xe9b48a)); cairo_fill_preserve(cr); outline(cr, 0.7);
        cairo_move_to(cr, 20.5, 24); cairo_line_to(cr, 14, 26);
        set(cr, hex(0xf0d040)); cairo_set_line_width(cr, 1.4); cairo_stroke(cr);
        wheel(cr, 12, G - 4, 4.5); wheel(cr, 38, G - 4, 4.5); lamp(cr, 45, 33); break;
    }
    case 5:  // pickup
        c = hex(0xc0392b);
        poly(cr, {{4, 37}, {4, 29}, {22, 29}, {22, 21}, {31, 21}, {36, 28}, {46, 29}, {46, 37}}); vgrad(cr, 21, 37, c);
        poly(cr, {{24, 23}, {30, 23}, {34, 28}, {24, 28}}); glass(cr);
        cairo_rectangle(cr, 6, 27, 14, 2.2); set(cr, shade(c, 0.6)); cairo_fill(cr);
        wheel(cr, 12, G - 4.5, 5); wheel(cr, 37, G - 4.5, 5); lamp(cr, 45, 31); break;
    case 6:  // delivery van
        c = hex(0x2f4f9a);
        poly(cr, {{5, 37}, {5, 16}, {33, 16}, {40, 26}, {45, 28}, {45, 37}}); vgrad(cr, 16, 37, c);
        poly(cr, {{33, 18}, {38.5, 26}, {33, 26}}); glass(cr);
        cairo_move_to(cr, 31, 17); cairo_line_to(cr, 31, 36); outline(cr, 0.7);
        wheel(cr, 13, G - 4, 4.5); wheel(cr, 37, G - 4, 4.5); lamp(cr, 44, 31); break;
    case 7: {  // coach with a row of windows
        rrect(cr, 3, 17, 44, 20, 3); vgrad(cr, 17, 37, c);
        for (int k = 0; k < 5; ++k) { cairo_rectangle(cr, 5 + k * 7.5, 20, 6, 7); glass(cr); }
        cairo_rectangle(cr, 42, 20, 3.5, 13); glass(cr);
        wheel(cr, 11, G - 4, 4); wheel(cr, 37, G - 4, 4); break;
    }
    case 8: {  // double-decker
        rrect(cr, 5, 6, 40, 31, 3); vgrad(cr, 6, 37, c);
        for (int k = 0; k < 4; ++k) { cairo_rectangle(cr, 7 + k * 9, 9, 7, 6); glass(cr); }
        for (int k = 0; k < 3; ++k) { cairo_rectangle(cr, 7 + k * 9, 21, 7, 6); glass(cr); }
        cairo_rectangle(cr, 36, 20, 7, 14); glass(cr);
        cairo_rectangle(cr, 5, 17, 40, 1.5); set(cr, pal::cream); cairo_fill(cr);
        wheel(cr, 13, G - 4, 4); wheel(cr, 37, G - 4, 4); break;
    }
    case 9:  // box lorry
        cairo_rectangle(cr, 3, 13, 30, 22); vgrad(cr, 13, 35, hex(0xd9d2c0));
        poly(cr, {{34, 37}, {34, 19}, {41, 19}, {46, 27}, {46, 37}}); vgrad(cr, 19, 37, c);
        poly(cr, {{36, 21}, {40.5, 21}, {44, 27}, {36, 27}}); glass(cr);
        cairo_rectangle(cr, 3, 35, 43, 2.5); set(cr, kInk); cairo_fill(cr);
        wheel(cr, 10, G - 4, 4); wheel(cr, 21, G - 4, 4); wheel(cr, 40, G - 4, 4); break;
    case 10: {  // tanker
        rrect(cr, 3, 18, 30, 15, 7.5); fill_grad_outline(cr, 18, 33, hex(0xeef1f5), hex(0x8a93a3), kInk, 1);
        poly(cr, {{34, 37}, {34, 19}, {41, 19}, {46, 27}, {46, 37}}); vgrad(cr, 19, 37, c);
        poly(cr, {{36, 21}, {40.5, 21}, {44, 27}, {36, 27}}); glass(cr);
        cairo_rectangle(cr, 3, 33, 43, 3); set(cr, kInk); cairo_fill(cr);
        cairo_rectangle(cr, 16, 15.5, 5, 2.5); set(cr, hex(0x8a93a3)); cairo_fill_preserve(cr); outline(cr, 0.6);
        wheel(cr, 9, G - 4, 4); wheel(cr, 18, G - 4, 4); wheel(cr, 40, G - 4, 4); break;
    }
    case 11: {  // tipper with a raised bed
        poly(cr, {{3, 22}, {22, 10}, {28, 18}, {12, 31}}); vgrad(cr, 10, 31, hex(0xd9a13a));
        poly(cr, {{30, 37}, {30, 19}, {39, 19}, {45, 27}, {45, 37}}); vgrad(cr, 19, 37, c);
        poly(cr, {{32, 21}, {38.5, 21}, {43, 27}, {32, 27}}); glass(cr);
        cairo_rectangle(cr, 5, 32, 40, 3); set(cr, kInk); cairo_fill(cr);
        cairo_move_to(cr, 14, 32); cairo_line_to(cr, 18, 22); outline(cr, 1.5, hex(0x6a6a72));
        wheel(cr, 10, G - 4.5, 4.5); wheel(cr, 38, G - 4.5, 4.5); break;
    }
    case 12: {  // fire engine with ladder
        poly(cr, {{3, 37}, {3, 22}, {33, 22}, {33, 17}, {40, 17}, {46, 26}, {46, 37}}); vgrad(cr, 17, 37, hex(0xd0302a));
        poly(cr, {{35, 19}, {39.5, 19}, {44, 26}, {35, 26}}); glass(cr);
        cairo_move_to(cr, 4, 20); cairo_line_to(cr, 32, 12); cairo_move_to(cr, 4, 17); cairo_line_to(cr, 32, 9);
        outline(cr, 1.1, hex(0xd0d4dc));
        for (int k = 0; k < 7; ++k) { double x = 6 + k * 4; cairo_move_to(cr, x, 19.4 - k * 1.14); cairo_line_to(cr, x, 16.4 - k * 1.14); }
        outline(cr, 0.8, hex(0xd0d4dc));
        cairo_rectangle(cr, 36, 14.5, 3, 2.5); set(cr, hex(0x3a7bd5)); cairo_fill(cr);
        wheel(cr, 10, G - 4, 4); wheel(cr, 21, G - 4, 4); wheel(cr, 39, G - 4, 4); break;
    }
    case 13: {  // open-wheel racer
        poly(cr, {{6, 33}, {8, 28}, {18, 27}, {22, 24}, {27, 24}, {30, 28}, {46, 31}, {46, 34}, {6, 35}}); vgrad(cr, 24, 35, c);
        cairo_rectangle(cr, 3, 21, 7, 2.5); set(cr, kInk); cairo_fill(cr);
        cairo_move_to(cr, 6, 23); cairo_line_to(cr, 7, 28); outline(cr, 1.3);
        cairo_arc(cr, 24, 23.5, 2.8, M_PI, 2 * M_PI); set(cr, hex(0xf0d040)); cairo_fill_preserve(cr); outline(cr, 0.7);
        wheel(cr, 11, G - 5.5, 5.5); wheel(cr, 39, G - 5.5, 5.5); break;
    }
    case 14: {  // round beetle
        c = hex(0x8a5a32);
        cairo_new_path(cr);
        cairo_move_to(cr, 5, 37); cairo_curve_to(cr, 4, 25, 12, 17, 24, 17);
        cairo_curve_to(cr, 36, 17, 44, 26, 45, 37); cairo_close_path(cr); vgrad(cr, 17, 37, c);
        cairo_new_path(cr);
        cairo_move_to(cr, 15, 27); cairo_curve_to(cr, 16, 22, 20, 20, 24, 20); cairo_line_to(cr, 24, 27); cairo_close_path(cr); glass(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 26, 20); cairo_curve_to(cr, 31, 20, 34, 23, 35, 27); cairo_line_to(cr, 26, 27); cairo_close_path(cr); glass(cr);
        wheel(cr, 13, G - 4, 4.5); wheel(cr, 37, G - 4, 4.5); lamp(cr, 43, 30); break;
    }
    case 15: {  // jeep with a spare wheel
        poly(cr, {{6, 37}, {6, 20}, {28, 20}, {30, 27}, {45, 28}, {45, 37}}); vgrad(cr, 20, 37, c);
        poly(cr, {{9, 22}, {17, 22}, {17, 27}, {9, 27}}); glass(cr);
        poly(cr, {{19, 22}, {26.5, 22}, {28, 27}, {19, 27}}); glass(cr);
        wheel(cr, 4.5, 29, 4);
        wheel(cr, 15, G - 5, 5); wheel(cr, 37, G - 5, 5); lamp(cr, 44, 30.5); break;
    }
    case 16: {  // stretched limousine
        poly(cr, {{3, 36}, {3, 30}, {9, 29}, {12, 25}, {36, 25}, {39, 29}, {47, 30}, {47, 36}}); vgrad(cr, 25, 36, hex(0x2a2a33));
        for (int k = 0; k < 4; ++k) { cairo_rectangle(cr, 12.5 + k * 6, 26.3, 5, 2.7); glass(cr); }
        wheel(cr, 10, G - 3.5, 3.8); wheel(cr, 40, G - 3.5, 3.8); lamp(cr, 46, 31.5); break;
    }
    case 17: {  // taxi with a roof sign
        poly(cr, {{5, 37}, {5, 27}, {9, 26}, {11, 19}, {31, 19}, {34, 26}, {45, 28}, {45, 37}}); vgrad(cr, 19, 37, hex(0xf2c230));
        poly(cr, {{12, 26}, {13, 21}, {20, 21}, {20, 26}}); glass(cr);
        poly(cr, {{22, 21}, {30, 21}, {32, 26}, {22, 26}}); glass(cr);
        rrect(cr, 16, 14, 10, 4.5, 1); set(cr, hex(0xf6f0d0)); cairo_fill_preserve(cr); outline(cr, 0.7);
        for (int k = 0; k < 6; ++k) { cairo_rectangle(cr, 5 + k * 6.6, 32.5, 3.3, 1.8); }
        set(cr, kInk); cairo_fill(cr);
        wheel(cr, 13, G - 5, 5.2); wheel(cr, 37, G - 5, 5.2); break;
    }
    case 18: {  // police car coming head-on, the only car seen from the front
        cairo_rectangle(cr, 10, 34, 6, 6.5); cairo_rectangle(cr, 34, 34, 6, 6.5);
        set(cr, hex(0x23232b)); cairo_fill(cr);
        poly(cr, {{15, 25}, {18, 17}, {32, 17}, {35, 25}}); vgrad(cr, 17, 25, hex(0xe8ecf2));
        poly(cr, {{17, 24}, {19.5, 18.5}, {30.5, 18.5}, {33, 24}}); glass(cr);
        rrect(cr, 8, 24, 34, 12, 3); vgrad(cr, 24, 36, hex(0xe8ecf2));
        cairo_rectangle(cr, 8.5, 29, 33, 3); set(cr, hex(0x2f5fb5)); cairo_fill(cr);
        rrect(cr, 19, 30.5, 12, 4.5, 1); set(cr, hex(0x3a3a44)); cairo_fill_preserve(cr); outline(cr, 0.6);
        cairo_arc(cr, 13, 27.5, 2, 0, 2 * M_PI); cairo_new_sub_path(cr); cairo_arc(cr, 37, 27.5, 2, 0, 2 * M_PI);
        set(cr, hex(0xffe680)); cairo_fill_preserve(cr); outline(cr, 0.6);
        cairo_rectangle(cr, 19, 13.5, 6, 3.5); set(cr, hex(0x2f6fe5)); cairo_fill_preserve(cr); outline(cr, 0.6);
        cairo_rectangle(cr, 25, 13.5, 6, 3.5); set(cr, hex(0xe53935)); cairo_fill_preserve(cr); outline(cr, 0.6);
        break;
    }
    case 19: {  // ambulance with a cross
        poly(cr, {{4, 37}, {4, 14}, {32, 14}, {32, 19}, {39, 19}, {46, 27}, {46, 37}}); vgrad(cr, 14, 37, hex(0xe9ecef));
        poly(cr, {{34, 21}, {38.5, 21}, {44, 27}, {34, 27}}); glass(cr);
        cairo_rectangle(cr, 15, 18, 4, 12); cairo_rectangle(cr, 11, 22, 12, 4);
        set(cr, hex(0xd32f2f)); cairo_fill(cr);
        cairo_rectangle(cr, 25, 11, 5, 3); set(cr, hex(0x2f6fe5)); cairo_fill_preserve(cr); outline(cr, 0.6);
        wheel(cr, 12, G - 4, 4.5); wheel(cr, 38, G - 4, 4.5); break;
    }
    case 20: {  // farm tractor
        poly(cr, {{14, 33}, {14, 24}, {32, 24}, {32, 12}, {42, 12}, {42, 33}}); vgrad(cr, 12, 33, hex(0x3f9f4a));
        poly(cr, {{34, 14}, {40, 14}, {40, 22}, {34, 22}}); glass(cr);
        cairo_move_to(cr, 20, 24); cairo_line_to(cr, 20, 14); outline(cr, 1.8, hex(0x44474f));
        wheel(cr, 37, G - 9.5, 9.5); wheel(cr, 11, G - 5, 5); break;
    }
    case 21: {  // monster truck
        poly(cr, {{6, 25}, {6, 19}, {22, 19}, {25, 12}, {35, 12}, {39, 19}, {45, 20}, {45, 25}}); vgrad(cr, 12, 25, c);
        poly(cr, {{26, 14}, {34, 14}, {37, 19}, {26, 19}}); glass(cr);
        cairo_move_to(cr, 14, 25); cairo_line_to(cr, 12, 30); cairo_move_to(cr, 37, 25); cairo_line_to(cr, 38, 30);
        outline(cr, 1.6, hex(0x6a6a72));
        wheel(cr, 12, G - 8.5, 8.5); wheel(cr, 38, G - 8.5, 8.5); break;
    }
    case 22: {  // vintage car with running boards and a spare
        poly(cr, {{6, 31}, {6, 16}, {22, 16}, {22, 24}, {32, 24}, {32, 31}}); vgrad(cr, 16, 31, hex(0x2a2a33));
        cairo_rectangle(cr, 8, 18, 12, 6); glass(cr);
        cairo_rectangle(cr, 32, 25, 10, 6); vgrad(cr, 25, 31, c);
        cairo_new_path(cr);
        cairo_move_to(cr, 3, 36); cairo_curve_to(cr, 5, 29, 15, 29, 17, 34); cairo_line_to(cr, 33, 34);
        cairo_curve_to(cr, 35, 29, 45, 29, 47, 36); cairo_close_path(cr); vgrad(cr, 29, 36, c);
        lamp(cr, 43, 26);
        wheel(cr, 10, G - 4.5, 4.5); wheel(cr, 40, G - 4.5, 4.5); break;
    }
    case 23: {  // camper with a pop-up roof
        poly(cr, {{4, 37}, {4, 20}, {36, 20}, {45, 29}, {45, 37}}); vgrad(cr, 20, 37, hex(0xf0ead8));
        cairo_rectangle(cr, 4, 30, 41, 3); set(cr, c); cairo_fill(cr);
        poly(cr, {{8, 20}, {30, 20}, {30, 13}}); vgrad(cr, 13, 20, c);
        cairo_rectangle(cr, 7, 22, 8, 6); glass(cr);
        cairo_rectangle(cr, 17, 22, 8, 6); glass(cr);
        poly(cr, {{36, 22}, {43, 29}, {36, 29}}); glass(cr);
        wheel(cr, 12, G - 4, 4.5); wheel(cr, 37, G - 4, 4.5); break;
    }
    case 24: {  // cement mixer
        cairo_save(cr); cairo_translate(cr, 18, 23); cairo_rotate(cr, -0.35);
        ellipse(cr, 0, 0, 14, 8.5); fill_grad_outline(cr, -8, 8, hex(0xf2b84a), hex(0x9a6412), kInk, 1);
        for (int k = -2; k <= 2; ++k) { cairo_move_to(cr, k * 5 - 2, -7.8); cairo_line_to(cr, k * 5 + 2, 7.8); }
        outline(cr, 0.8, hex(0x7a4a0a));
        cairo_restore(cr);
        poly(cr, {{35, 37}, {35, 19}, {41, 19}, {46, 27}, {46, 37}}); vgrad(cr, 19, 37, c);
        poly(cr, {{37, 21}, {40.5, 21}, {44, 27}, {37, 27}}); glass(cr);
        cairo_rectangle(cr, 4, 33, 42, 3); set(cr, kInk); cairo_fill(cr);
        wheel(cr, 10, G - 4, 4); wheel(cr, 20, G - 4, 4); wheel(cr, 40, G - 4, 4); break;
    }
    case 25: {  // tow truck with crane and hook
        poly(cr, {{20, 37}, {20, 19}, {29, 19}, {35, 27}, {46, 28}, {46, 37}}); vgrad(cr, 19, 37, c);
        poly(cr, {{22, 21}, {28, 21}, {32.5, 27}, {22, 27}}); glass(cr);
        cairo_rectangle(cr, 4, 31, 16, 4); vgrad(cr, 31, 35, shade(c, 0.7));
        cairo_move_to(cr, 18, 31); cairo_line_to(cr, 7, 12); outline(cr, 2.4, hex(0x4a4f5c));
        cairo_move_to(cr, 7, 12); cairo_line_to(cr, 7, 22); outline(cr, 0.8);
        cairo_new_path(cr); cairo_arc(cr, 8.5, 23.5, 1.8, M_PI * 0.9, M_PI * 2.4); outline(cr, 1.2);
        wheel(cr, 11, G - 4, 4); wheel(cr, 38, G - 4, 4.5); break;
    }
    case 26: {  // ice-cream van with a cone on the roof
        poly(cr, {{4, 37}, {4, 20}, {33, 20}, {40, 27}, {46, 29}, {46, 37}}); vgrad(cr, 20, 37, hex(0xf2d7e6));
        cairo_rectangle(cr, 9, 23, 16, 7); glass(cr);
        poly(cr, {{34, 22}, {38.5, 27}, {34, 27}}); glass(cr);
        poly(cr, {{14, 18}, {20, 18}, {17, 8}}); vgrad(cr, 8, 18, hex(0xd9a35a));
        cairo_arc(cr, 17, 17, 3.8, M_PI, 2 * M_PI); set(cr, hex(0xf08ab8)); cairo_fill_preserve(cr); outline(cr, 0.7);
        wheel(cr, 12, G - 4, 4.5); wheel(cr, 38, G - 4, 4.5); break;
    }
    case 27: {  // go-kart with a helmeted driver
        c = hex(0xf08a2c);
        poly(cr, {{5, 35}, {8, 31}, {40, 31}, {45, 34}, {45, 36}, {5, 36}}); vgrad(cr, 31, 36, c);
        cairo_arc(cr, 24, 21, 4.2, 0, 2 * M_PI); set(cr, hex(0xf0d040)); cairo_fill_preserve(cr); outline(cr, 0.8);
        cairo_rectangle(cr, 24, 19.5, 4.2, 2.5); glass(cr);
        poly(cr, {{20, 31}, {22, 25}, {27, 25}, {29, 31}}); vgrad(cr, 25, 31, hex(0x2f6fb5));
        cairo_move_to(cr, 28, 26); cairo_line_to(cr, 33, 28); outline(cr, 1.3);
        wheel(cr, 11, G - 4, 4); wheel(cr, 39, G - 4, 4); break;
    }
    case 28: {  // bulldozer with blade and tracks
        rrect(cr, 8, 30, 28, 10, 5); set(cr, hex(0x33333b)); cairo_fill_preserve(cr); outline(cr, 0.8);
        for (int k = 0; k < 5; ++k) { cairo_arc(cr, 13 + k * 4.5, 35, 1.8, 0, 2 * M_PI); set(cr, hex(0x8a8f9a)); cairo_fill(cr); }
        poly(cr, {{10, 30}, {10, 22}, {18, 22}, {18, 13}, {30, 13}, {30, 22}, {34, 22}, {34, 30}}); vgrad(cr, 13, 30, hex(0xf2b632));
        cairo_rectangle(cr, 20, 15, 8, 6); glass(cr);
        poly(cr, {{38, 20}, {44, 19}, {46, 40}, {40, 40}}); vgrad(cr, 19, 40, hex(0x9aa0aa));
        cairo_move_to(cr, 34, 27); cairo_line_to(cr, 39, 26); outline(cr, 2, hex(0x4a4f5c));
        break;
    }
    case 29: {  // low wedge sports car with spoiler
        poly(cr, {{4, 36}, {4, 29}, {16, 27}, {24, 23}, {31, 24}, {46, 32}, {46, 36}}); vgrad(cr, 23, 36, c);
        poly(cr, {{19, 27}, {24.5, 24.5}, {30.5, 25.5}, {35, 28}}); glass(cr);
        poly(cr, {{3, 22}, {11, 22}, {11, 24}, {3, 24}}); vgrad(cr, 22, 24, shade(c, 0.6));
        cairo_move_to(cr, 7, 24); cairo_line_to(cr, 7, 28); outline(cr, 1.2);
        wheel(cr, 12, G - 4, 4.3); wheel(cr, 38, G - 4, 4.3); break;
    }
    case 30: {  // tall 4x4 with a roof rack
        poly(cr, {{4, 35}, {4, 19}, {30, 19}, {36, 26}, {46, 27}, {46, 35}}); vgrad(cr, 19, 35, c);
        poly(cr, {{6, 21}, {15, 21}, {15, 26}, {6, 26}}); glass(cr);
        poly(cr, {{17, 21}, {29, 21}, {33.5, 26}, {17, 26}}); glass(cr);
        cairo_rectangle(cr, 6, 15, 22, 2); set(cr, kInk); cairo_fill(cr);
        for (int k = 0; k < 4; ++k) { cairo_rectangle(cr, 7 + k * 6.5, 16.5, 1.2, 2.5); cairo_fill(cr); }
        cairo_rectangle(cr, 9, 11.5, 14, 3.5); vgrad(cr, 11.5, 15, hex(0x8a5a32));
        wheel(cr, 12, G - 5.5, 5.5); wheel(cr, 38, G - 5.5, 5.5); break;
    }
    default: {  // scooter with rider
        cairo_new_path(cr);
        cairo_move_to(cr, 8, 35); cairo_curve_to(cr, 8, 27, 20, 27, 22, 32); cairo_line_to(cr, 32, 32);
        cairo_line_to(cr, 36, 16); cairo_line_to(cr, 39, 16); cairo_line_to(cr, 36, 35); cairo_close_path(cr);
        vgrad(cr, 16, 35, c);
        cairo_move_to(cr, 34, 16); cairo_line_to(cr, 41, 15); outline(cr, 1.6);
        cairo_arc(cr, 20, 13, 3.6, 0, 2 * M_PI); set(cr, hex(0xe9b48a)); cairo_fill_preserve(cr); outline(cr, 0.7);
        poly(cr, {{17, 17}, {23, 17}, {24, 28}, {16, 28}}); vgrad(cr, 17, 28, hex(0x2f6fb5));
        cairo_move_to(cr, 22, 20); cairo_line_to(cr, 35, 17); outline(cr, 1.6, hex(0x2f6fb5));
        wheel(cr, 12, G - 5, 5); wheel(cr, 38, G - 5, 5); break;
    }
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------- blazons

const RGB kTinct[7] = {hex(0xe8b94a), hex(0xebe9e2), hex(0xc62f2f), hex(0x2f62b5), hex(0x2f8a45), hex(0x25252e), hex(0x7b3f97)};
enum { OR, ARGENT, GULES, AZURE, VERT, SABLE, PURPURE };

void shield_path(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 9, 7);
    cairo_line_to(cr, 41, 7);
    cairo_line_to(cr, 41, 23);
    cairo_curve_to(cr, 41, 34, 34, 41, 25, 45.5);
    cairo_curve_to(cr, 16, 41, 9, 34, 9, 23);
    cairo_close_path(cr);
}

void tfill(cairo_t* cr, int t) {
    RGB c = kTinct[t];
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

void charge(cairo_t* cr, int kind, double cx, double cy, double s, int t) {
    RGB c = kTinct[t];
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    cairo_new_path(cr);
    switch (kind) {
    case 1: star(cr, 0, 0, 5, 6, 2.5); break;
    case 2:
        cairo_arc(cr, 0, 0, 6, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, 0, -2.4, 4.6, 2 * M_PI, 0);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        break;
    case 3: cairo_arc(cr, 0, 0, 5, 0, 2 * M_PI); break;
    case 4:  // fleur-de-lis
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
    case 5:  // cross patee
        cairo_move_to(cr, -1.5, -1.5);
        for (int k = 0; k < 4; ++k) {
            cairo_save(cr);
            cairo_rotate(cr, k * M_PI / 2);
            cairo_line_to(cr, -1.5, -1.5); cairo_line_to(cr, -3.5, -6.5); cairo_line_to(cr, 3.5, -6.5); cairo_line_to(cr, 1.5, -1.5);
            cairo_restore(cr);
        }
        cairo_close_path(cr);
        break;
    case 6:  // heart
        cairo_move_to(cr, 0, 6);
        cairo_curve_to(cr, -8, 0, -5, -7, 0, -3);
        cairo_curve_to(cr, 5, -7, 8, 0, 0, 6);
        cairo_close_path(cr);
        break;
    case 7:  // crown
        poly(cr, {{-6, 4}, {-6, -4}, {-3, 0}, {0, -6}, {3, 0}, {6, -4}, {6, 4}});
        break;
    default: break;
    }
    fill_pat(cr, lin(0, -7, 0, 7, shade(c, 1.2), shade(c, 0.8)), true);
    cairo_restore(cr);
    set(cr, kInk);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

struct Arms { int division, field, other, charge_kind, charge_t; double cx, cy, cs; };

// Thirty-two distinct partitions and ordinaries; a charge where the field leaves room.
const Arms kArms[32] = {
    {0, ARGENT, OR, 4, AZURE, 25, 24, 1.9},   {1, GULES, ARGENT, 0, 0, 0, 0, 0},
    {2, ARGENT, SABLE, 0, 0, 0, 0, 0},            {3, VERT, OR, 0, 0, 0, 0, 0},
    {4, ARGENT, GULES, 0, 0, 0, 0, 0},        {5, SABLE, OR, 0, 0, 0, 0, 0},
    {6, AZURE, ARGENT, 1, GULES, 25, 16, 0.8},{7, ARGENT, AZURE, 6, GULES, 25, 30, 1.2},
    {8, AZURE, ARGENT, 0, 0, 0, 0, 0},            {9, ARGENT, GULES, 0, 0, 0, 0, 0},
    {10, VERT, ARGENT, 0, 0, 0, 0, 0},        {11, OR, GULES, 0, 0, 0, 0, 0},
    {12, AZURE, ARGENT, 0, 0, 0, 0, 0},       {13, GULES, OR, 3, AZURE, 25, 37, 0.8},
    {14, SABLE, OR, 7, OR, 25, 24, 1.0},      {15, ARGENT, AZURE, 0, 0, 0, 0, 0},
    {16, OR, GULES, 0, 0, 0, 0, 0},           {17, ARGENT, VERT, 0, 0, 0, 0, 0},
    {18, AZURE, OR, 0, 0, 0, 0, 0},           {19, GULES, ARGENT, 0, 0, 0, 0, 0},
    {20, VERT, OR, 0, 0, 0, 0, 0},            {21, ARGENT, PURPURE, 0, 0, 0, 0, 0},
    {22, ARGENT, GULES, 5, SABLE, 28, 30, 1.0},{23, OR, SABLE, 0, 0, 0, 0, 0},
    {24, GULES, ARGENT, 0, 0, 0, 0, 0},           {25, ARGENT, AZURE, 0, 0, 0, 0, 0},
    {26, ARGENT, SABLE, 2, GULES, 25, 30, 1.2},{27, OR, AZURE, 0, 0, 0, 0, 0},
    {28, AZURE, ARGENT, 1, OR, 25, 16, 1.0},   {29, PURPURE, ARGENT, 0, 0, 0, 0, 0},
    {30, SABLE, ARGENT, 0, 0, 0, 0, 0},       {31, SABLE, OR, 0, 0, 0, 0, 0},
};

void blazon(cairo_t* cr, int i) {
    cairo_rectangle(cr, 0, 0, 50, 50);
    fill_pat(cr, rad(25, 22, 32, hex(0xf6efdc), hex(0xd9c8a0)));
    const Arms& a = kArms[i];
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
    int o = a.other;
    switch (a.division) {
    case 0: break;  // plain field, the charge carries it
    case 1: cairo_rectangle(cr, 25, 0, 25, 50); tfill(cr, o); break;                      // per pale
    case 2: cairo_rectangle(cr, 0, 24, 50, 30); tfill(cr, o); break;                      // per fess
    case 3: poly(cr, {{9, 7}, {41, 45}, {0, 50}, {0, 0}}); tfill(cr, o); break;           // per bend
    case 4: cairo_rectangle(cr, 0, 0, 25, 24); cairo_rectangle(cr, 25, 24, 25, 30); tfill(cr, o); break;  // quarterly
    case 5: poly(cr, {{5, 3}, {45, 3}, {25, 26}}); tfill(cr, o);  // per saltire
        poly(cr, {{5, 50}, {45, 50}, {25, 26}}); tfill(cr, o); break;
    case 6: poly(cr, {{0, 50}, {0, 40}, {25, 16}, {50, 40}, {50, 50}}); tfill(cr, o); break;  // per chevron
    case 7: cairo_rectangle(cr, 0, 0, 50, 17); tfill(cr, o); break;                       // chief
    case 8: cairo_rectangle(cr, 20, 0, 10, 50); tfill(cr, o); break;                      // pale
    case 9: cairo_rectangle(cr, 0, 20, 50, 9); tfill(cr, o); break;                       // fess
    case 10: band(cr, 6, 4, 44, 44, 9); tfill(cr, o); break;                              // bend
    case 11: cairo_rectangle(cr, 21, 0, 8, 50); cairo_rectangle(cr, 0, 20, 50, 8); tfill(cr, o); break;  // cross
    case 12: band(cr, 6, 4, 44, 46, 7); tfill(cr, o); band(cr, 44, 4, 6, 46, 7); tfill(cr, o); break;   // saltire
    case 13: cairo_new_path(cr); cairo_move_to(cr, 3, 42); cairo_line_to(cr, 25, 16); cairo_line_to(cr, 47, 42);
        cairo_line_to(cr, 47, 31); cairo_line_to(cr, 25, 6); cairo_line_to(cr, 3, 31); cairo_close_path(cr); tfill(cr, o); break;  // chevron
    case 14:  // bordure: the other tincture, then the field again inset
        cairo_rectangle(cr, 0, 0, 50, 50); tfill(cr, o);
        cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.74, 0.74); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); tfill(cr, a.field);
        cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.74, 0.74); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); outline(cr, 0.6); break;
    case 15: for (int y = 0; y < 6; ++y) for (int x = 0; x < 4; ++x) if ((x + y) & 1) cairo_rectangle(cr, 9 + x * 8, 7 + y * 6.5, 8, 6.5);
        tfill(cr, o); break;  // chequy
    case 16: for (int k = 0; k < 3; ++k) cairo_rectangle(cr, 9 + 5.33 + k * 10.67, 0, 5.33, 50); tfill(cr, o); break;  // paly
    case 17: for (int k = 0; k < 3; ++k) cairo_rectangle(cr, 0, 7 + 6.4 + k * 12.8, 50, 6.4); tfill(cr, o); break;  // barry
    case 18: for (int k = -3; k < 4; ++k) { band(cr, 0 + k * 12, 0, 50 + k * 12, 50, 6); tfill(cr, o); } break;     // bendy
    case 19: for (int k = 0; k < 8; k += 2) {  // gyronny
            double a0 = k * M_PI / 4, a1 = (k + 1) * M_PI / 4;
            poly(cr, {{25, 24}, {25 + 40 * std::cos(a0), 24 + 40 * std::sin(a0)}, {25 + 40 * std::cos(a1), 24 + 40 * std::sin(a1)}});
            tfill(cr, o);
        } break;
    case 20: poly(cr, {{12, 7}, {38, 7}, {25, 40}}); tfill(cr, o); break;                // pile
    case 21: band(cr, 25, 24, 25, 50, 8); tfill(cr, o); band(cr, 7, 4, 25, 25, 8); tfill(cr, o);
        band(cr, 43, 4, 25, 25, 8); tfill(cr, o); break;                                  // pall
    case 22: cairo_rectangle(cr, 0, 0, 21, 19); tfill(cr, o); break;                      // canton
    case 23: cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.42, 0.42); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); tfill(cr, o);
        cairo_save(cr); cairo_translate(cr, 25, 25); cairo_scale(cr, 0.42, 0.42); cairo_translate(cr, -25, -25);
        shield_path(cr); cairo_restore(cr); outline(cr, 0.6); break;                      // inescutcheon
    case 24:
        zigzag_h(cr, 18, 5, 6.5, true); tfill(cr, o); zigzag_h(cr, 32, 5, 6.5, true); tfill(cr, a.field); break;  // fess dancetty
    case 25: {  // per pale indented
        cairo_new_path(cr); cairo_move_to(cr, 25, 0);
        bool l = true; for (double y = 4; y <= 50; y += 6.5) { cairo_line_to(cr, l ? 19 : 31, y); l = !l; }
        cairo_line_to(cr, 50, 50); cairo_line_to(cr, 50, 0); cairo_close_path(cr); tfill(cr, o); break;
    }
    case 26: zigzag_h(cr, 17, 2.5, 4, false); tfill(cr, o); break;                       // chief indented
    case 27: for (int y = 0; y < 6; ++y) for (int x = 0; x < 5; ++x) {                    // lozengy
            double cx = 9 + x * 8 + ((y & 1) ? 4 : 0), cy = 7 + y * 7;
            poly(cr, {{cx, cy - 3.5}, {cx + 4, cy}, {cx, cy + 3.5}, {cx - 4, cy}}); tfill(cr, o);
        } break;
    case 28: {  // barry wavy, lower half
        for (int k = 0; k < 3; ++k) {
            double y = 27 + k * 6;
            cairo_new_path(cr); cairo_move_to(cr, 0, y);
            for (double x = 0; x <= 50; x += 1) cairo_line_to(cr, x, y + 1.6 * std::sin(x * 0.5));
            for (double x = 50; x >= 0; x -= 1) cairo_line_to(cr, x, y + 3 + 1.6 * std::sin(x * 0.5));
            cairo_close_path(cr); tfill(cr, o);
        } break;
    }
    case 29: for (int k = 0; k < 4; ++k) {  // four roundels
            double x = (k & 1) ? 32 : 18, y = (k & 2) ? 30 : 16;
            cairo_arc(cr, x, y, 5, 0, 2 * M_PI); tfill(cr, o);
            cairo_arc(cr, x, y, 5, 0, 2 * M_PI); outline(cr, 0.6);
        } break;
    case 30: {  // a tower
        poly(cr, {{17, 40}, {17, 18}, {19, 18}, {19, 15}, {22, 15}, {22, 18}, {24, 18}, {24, 15}, {27, 15}, {27, 18}, {29, 18},
                  {29, 15}, {32, 15}, {32, 18}, {33, 18}, {33, 40}});
        tfill(cr, o);
        poly(cr, {{17, 40}, {17, 18}, {19, 18}, {19, 15}, {22, 15}, {22, 18}, {24, 18}, {24, 15}, {27, 15}, {27, 18}, {29, 18},
                  {29, 15}, {32, 15}, {32, 18}, {33, 18}, {33, 40}});
        outline(cr, 0.7);
        cairo_new_path(cr); cairo_move_to(cr, 22, 40); cairo_line_to(cr, 22, 33); cairo_arc(cr, 25, 33, 3, M_PI, 0);
        cairo_line_to(cr, 28, 40); cairo_close_path(cr); tfill(cr, a.field); break;
    }
    default: {  // three stars in a chief-and-base arrangement
        for (int k = 0; k < 3; ++k) {
            double x = k == 2 ? 25 : (k ? 33 : 17), y = k == 2 ? 33 : 17;
            star(cr, x, y, 5, 6.5, 2.7); tfill(cr, o);
            star(cr, x, y, 5, 6.5, 2.7); outline(cr, 0.6);
        } break;
    }
    }
    if (a.charge_kind) charge(cr, a.charge_kind, a.cx, a.cy, a.cs, a.charge_t);
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

void draw_card_face(cairo_t* cr, int set, int p) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 50, 50);
    cairo_clip(cr);
    cairo_new_path(cr);
    switch (set) {
    case 0: castle(cr, p); break;
    case 1: flower(cr, p); break;
    case 2: car(cr, p); break;
    default: blazon(cr, p); break;
    }
    frame(cr, set);
    cairo_restore(cr);
}

Image card_sheet(int set) {
    Canvas c(500, 250);
    cairo_rectangle(c.cr, 0, 0, 500, 250);
    cairo_set_source_rgb(c.cr, 1, 1, 1);
    cairo_fill(c.cr);
    for (int cell = 0; cell < 50; ++cell) {
        int p = cell % 32;  // cells beyond the dealt range repeat designs
        cairo_t* cr = c.cr;
        cairo_save(cr);
        cairo_translate(cr, (cell % 10) * 50, (cell / 10) * 50);
        draw_card_face(cr, set, p);
        cairo_restore(cr);
    }
    return c.opaque();
}

}  // namespace art
