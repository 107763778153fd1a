// Full-screen backdrops, the info bar pieces and the screens' titles.
#include "art.h"
#include "cards.h"

#include "worded_pictures.h"

#include <cmath>

namespace art {

namespace {

// Low-amplitude speckle so large flat areas do not look like plastic.
void speckle(cairo_t* cr, double x0, double y0, double w, double h, int count, double alpha, uint32_t seed,
             rgb light, rgb dark) {
    rng r(seed);
    for (int i = 0; i < count; ++i) {
        double x = x0 + r.uni() * w, y = y0 + r.uni() * h;
        cairo_rectangle(cr, x, y, 1, 1);
        set(cr, (r.next() & 1) ? light : dark, alpha * r.uni());
        cairo_fill(cr);
    }
}

void wood(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    cairo_rectangle(cr, x, y, w, h);
    fill_pat(cr, lin(x, y, x + w, y + h, hex(0x7a4a28), hex(0x4a2a14)));
    rng r(seed);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    bool horizontal = w > h;
    for (int i = 0; i < int((horizontal ? h : w) / 2.5); ++i) {
        double off = i * 2.5 + r.range(-0.6, 0.6), amp = r.range(0.5, 2.5), ph = r.range(0, 6.28), fr = r.range(0.01, 0.04);
        cairo_new_path(cr);
        double len = horizontal ? w : h;
        for (double t = 0; t <= len; t += 4) {
            double d = off + amp * std::sin(t * fr + ph);
            if (horizontal) cairo_line_to(cr, x + t, y + d); else cairo_line_to(cr, x + d, y + t);
        }
        set(cr, (i % 3) ? hex(0x3a200e) : hex(0x9a663a), r.range(0.12, 0.3));
        cairo_set_line_width(cr, r.range(0.5, 1.2));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void gold_rule(cairo_t* cr, double x, double y, double w, double h, double r) {
    rrect(cr, x, y, w, h, r);
    cairo_pattern_t* g = lin(x, y, x + w, y + h, pal::gold_light, pal::gold_dark);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
}

void ornament(cairo_t* cr, double cx, double cy, double s, rgb c, double a) {
    star(cr, cx, cy, 4, 7 * s, 1.8 * s, 0);
    set(cr, c, a);
    cairo_fill(cr);
    star(cr, cx, cy, 4, 4 * s, 1.2 * s, M_PI / 4);
    cairo_fill(cr);
}

}  // namespace

// ---------------------------------------------------------------- intro

rounded intro_button() {
    // 10 px round the words' canvas, ends in half circles.
    const double h = intro_press.height + 20;
    return {intro_press.x - 10.0, intro_press.y - 10.0, intro_press.x + intro_press.width + 10.0,
            intro_press.y + intro_press.height + 10.0, h / 2};
}

image bg_intro() {
    canvas c(800, 600);
    cairo_t* cr = c.cr;
    cairo_rectangle(cr, 0, 0, 800, 600);
    cairo_pattern_t* p = cairo_pattern_create_radial(400, 250, 40, 400, 300, 560);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.23, 0.34, 0.58);
    cairo_pattern_add_color_stop_rgb(p, 0.5, pal::navy.r, pal::navy.g, pal::navy.b);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.04, 0.06, 0.13);
    fill_pat(cr, p);
    // Faint lattice like the card back, and a scatter of tiny stars.
    set(cr, pal::gold, 0.05);
    cairo_set_line_width(cr, 1);
    for (int i = -600; i <= 800; i += 40) {
        cairo_move_to(cr, i, 0); cairo_line_to(cr, i + 600, 600);
        cairo_move_to(cr, i + 600, 0); cairo_line_to(cr, i, 600);
    }
    cairo_stroke(cr);
    rng r(2024);
    for (int i = 0; i < 90; ++i) {
        double x = r.range(0, 800), y = r.range(0, 600), s = r.range(0.4, 1.2);
        ornament(cr, x, y, s, pal::gold_light, r.range(0.15, 0.5));
    }
    // A gentle arc of cards: matched pairs either side of a face-down card.
    struct shown { const card_set_art* cards; int picture; };  // no set: the back
    const shown row[7] = {{&blazon_set, 14}, {&car_set, 21}, {&flower_set, 28}, {nullptr, 0},
                          {&flower_set, 28}, {&car_set, 21}, {&blazon_set, 14}};
    for (int i = 0; i < 7; ++i) {
        int k = i - 3;
        cairo_save(cr);
        cairo_translate(cr, 400 + k * 106, 370 + k * k * 7);
        cairo_rotate(cr, k * 0.07);
        cairo_translate(cr, -47.5, -47.5);
        rrect(cr, 3, 6, 95, 95, 4);
        set(cr, {0, 0, 0}, 0.4);
        cairo_fill(cr);
        cairo_scale(cr, 1.9, 1.9);
        if (!row[i].cards) draw_card_back(cr); else draw_card_face(cr, *row[i].cards, row[i].picture);
        cairo_restore(cr);
    }
    // Title.
    fancy_text(cr, "Pairwick", 400, 128, 118, hex(0xfff0b0), pal::gold_dark, pal::navy_dark, 5, true);
    ornament(cr, 140, 128, 2.2, pal::gold, 0.9);
    ornament(cr, 660, 128, 2.2, pal::gold, 0.9);
    // The one way on.
    const rounded b = intro_button();
    rrect(cr, b.x0, b.y0, b.x1 - b.x0, b.y1 - b.y0, b.r);
    fill_pat(cr, lin(0, b.y0, 0, b.y1, hex(0x2a3d6e), pal::navy_dark), true);
    cairo_set_line_width(cr, intro_button_rim);
    cairo_pattern_t* g = lin(b.x0, b.y0, b.x1, b.y1, pal::gold_light, pal::gold_dark);
    cairo_set_source(cr, g);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    return c.opaque();
}

// ---------------------------------------------------------------- menu backdrop

image bg_menu() {
    canvas c(800, 600);
    cairo_t* cr = c.cr;
    // Parchment: light everywhere text or the grid may go.
    cairo_rectangle(cr, 0, 0, 800, 600);
    cairo_pattern_t* p = cairo_pattern_create_radial(400, 300, 50, 400, 300, 520);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.985, 0.965, 0.91);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.92, 0.87, 0.76);
    fill_pat(cr, p);
    speckle(cr, 0, 0, 800, 600, 14000, 0.18, 77, pal::cream, pal::gold_dark);
    // Very faint diamond lattice and a watermark star.
    set(cr, pal::gold_dark, 0.07);
    cairo_set_line_width(cr, 1);
    for (int i = -600; i <= 800; i += 36) {
        cairo_move_to(cr, i, 0); cairo_line_to(cr, i + 600, 600);
        cairo_move_to(cr, i + 600, 0); cairo_line_to(cr, i, 600);
    }
    cairo_stroke(cr);
    star(cr, 560, 330, 4, 230, 40, 0);
    set(cr, pal::gold, 0.09);
    cairo_fill(cr);
    star(cr, 560, 330, 4, 150, 30, M_PI / 4);
    set(cr, pal::gold, 0.07);
    cairo_fill(cr);
    cairo_arc(cr, 560, 330, 100, 0, 2 * M_PI);
    set(cr, pal::gold_dark, 0.08);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // Frame in the outer margin only (x < 9, x > 791, y > 591), gold hairlines inside.
    cairo_rectangle(cr, 0, 0, 800, 600);
    cairo_rectangle(cr, 7, 7, 786, 584);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fill_pat(cr, lin(0, 0, 800, 600, pal::navy_light, pal::navy_dark));
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_rectangle(cr, 7.5, 7.5, 785, 583);
    set(cr, pal::gold);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    return c.opaque();
}

// ---------------------------------------------------------------- board

image bg_field() {
    canvas c(600, 600);
    cairo_t* cr = c.cr;
    // Wooden table edge.
    wood(cr, 0, 0, 600, 40, 1);
    wood(cr, 0, 560, 600, 40, 2);
    wood(cr, 0, 0, 40, 600, 3);
    wood(cr, 560, 0, 40, 600, 4);
    cairo_move_to(cr, 0, 0); cairo_line_to(cr, 40, 40);
    cairo_move_to(cr, 600, 0); cairo_line_to(cr, 560, 40);
    cairo_move_to(cr, 0, 600); cairo_line_to(cr, 40, 560);
    cairo_move_to(cr, 600, 600); cairo_line_to(cr, 560, 560);
    set(cr, hex(0x2a1608), 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Felt, kept light so the shop's black text reads on it.
    cairo_rectangle(cr, 40, 40, 520, 520);
    cairo_pattern_t* p = cairo_pattern_create_radial(300, 290, 30, 300, 300, 380);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.80, 0.89, 0.76);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.62, 0.76, 0.60);
    fill_pat(cr, p);
    speckle(cr, 40, 40, 520, 520, 26000, 0.16, 9, hex(0xf0f8e8), hex(0x3a5a30));
    // Inner shadow of the table edge on the felt.
    for (int i = 0; i < 6; ++i) {
        cairo_rectangle(cr, 40.5 + i, 40.5 + i, 519 - 2 * i, 519 - 2 * i);
        set(cr, {0, 0, 0}, 0.09 - i * 0.014);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    gold_rule(cr, 46, 46, 508, 508, 6);
    // Slots where the 8x8 cards lie: visible once a pair is taken away.
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col) {
            double x = 65 + col * 60, y = 65 + row * 60;
            rrect(cr, x + 0.5, y + 0.5, 49, 49, 4);
            set(cr, hex(0x5e7a58), 0.18);
            cairo_fill_preserve(cr);
            set(cr, hex(0x4e6a48), 0.45);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            cairo_move_to(cr, x + 4, y + 49.5); cairo_line_to(cr, x + 46, y + 49.5);
            set(cr, hex(0xf4fbef), 0.5);
            cairo_stroke(cr);
            ornament(cr, x + 25, y + 25, 1.1, hex(0x4e6a48), 0.14);
        }
    // Brass corner fittings.
    for (int i = 0; i < 4; ++i) {
        double x = (i & 1) ? 580 : 20, y = (i & 2) ? 580 : 20;
        cairo_arc(cr, x, y, 9, 0, 2 * M_PI);
        fill_pat(cr, rad(x - 3, y - 3, 12, pal::gold_light, pal::gold_dark), true);
        set(cr, pal::ink); cairo_set_line_width(cr, 1); cairo_stroke(cr);
        ornament(cr, x, y, 0.8, pal::navy_dark, 0.8);
    }
    return c.opaque();
}

// ---------------------------------------------------------------- info bar

image bar_background() {
    canvas c(200, 600);
    cairo_t* cr = c.cr;
    cairo_rectangle(cr, 0, 0, 200, 600);
    fill_pat(cr, lin(0, 0, 200, 0, hex(0x26386a), pal::navy_dark));
    set(cr, pal::gold, 0.05);
    cairo_set_line_width(cr, 1);
    for (int i = -200; i <= 600; i += 24) {
        cairo_move_to(cr, 0, i); cairo_line_to(cr, 200, i + 200);
        cairo_move_to(cr, 0, i + 200); cairo_line_to(cr, 200, i);
    }
    cairo_stroke(cr);
    speckle(cr, 0, 0, 200, 600, 3000, 0.2, 31, pal::navy_light, pal::navy_dark);
    // Right edge: a brass rail that the chain hangs over.
    cairo_rectangle(cr, 189, 0, 11, 600);
    fill_pat(cr, lin(189, 0, 200, 0, pal::gold_dark, hex(0x5a3c0c)));
    cairo_move_to(cr, 189.5, 0); cairo_line_to(cr, 189.5, 600);
    set(cr, pal::gold_light); cairo_set_line_width(cr, 1); cairo_stroke(cr);
    // Name plate at the top.
    fancy_text(cr, "Pairwick", 96, 40, 34, hex(0xfff0b0), pal::gold_dark, pal::navy_dark, 2.5, true);
    ornament(cr, 96, 70, 1.0, pal::gold, 0.9);
    cairo_move_to(cr, 30, 70); cairo_line_to(cr, 84, 70);
    cairo_move_to(cr, 108, 70); cairo_line_to(cr, 162, 70);
    set(cr, pal::gold, 0.7); cairo_set_line_width(cr, 1); cairo_stroke(cr);
    // The rule under the power-ups' heading.
    cairo_move_to(cr, 30, 285); cairo_line_to(cr, 166, 285);
    set(cr, pal::gold, 0.7); cairo_stroke(cr);
    ornament(cr, 98, 585, 1.0, pal::gold, 0.7);
    return c.opaque();
}

image bar_boxs() {
    canvas c(180, 30);
    cairo_t* cr = c.cr;
    rrect(c.cr, 1, 1, 178, 28, 7);
    fill_pat(cr, lin(0, 1, 0, 29, hex(0xfbf5e4), hex(0xe6d7b0)), true);
    cairo_set_line_width(cr, 2);
    set(cr, pal::gold);
    cairo_stroke(cr);
    // Divider between label and value, kept out of the text rows' ink.
    cairo_move_to(cr, 104.5, 7); cairo_line_to(cr, 104.5, 23);
    set(cr, pal::gold, 0.8); cairo_set_line_width(cr, 1); cairo_stroke(cr);
    return c.keyed(key::white);
}

image bar_boxs2() {
    canvas c(118, 60);
    cairo_t* cr = c.cr;
    rrect(cr, 1, 1, 116, 58, 10);
    fill_pat(cr, lin(0, 1, 0, 59, hex(0xfbf5e4), hex(0xe6d7b0)), true);
    cairo_set_line_width(cr, 2);
    set(cr, pal::gold);
    cairo_stroke(cr);
    // A soft well for the power-up sprite.
    cairo_arc(cr, 30, 30, 25, 0, 2 * M_PI);
    fill_pat(cr, rad(30, 26, 27, hex(0xf2ead2), hex(0xcfbd90)));
    cairo_arc(cr, 30, 30, 25, 0, 2 * M_PI);
    set(cr, pal::gold_dark, 0.5); cairo_set_line_width(cr, 1); cairo_stroke(cr);
    // Multiplication sign before the count.
    cairo_move_to(cr, 66, 24); cairo_line_to(cr, 74, 32);
    cairo_move_to(cr, 74, 24); cairo_line_to(cr, 66, 32);
    set(cr, pal::gold_dark); cairo_set_line_width(cr, 2); cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); cairo_stroke(cr);
    return c.keyed(key::white);
}

image bar_chain() {
    canvas c(14, 600);
    cairo_t* cr = c.cr;
    const double pitch = 16;
    // Side-on links first, face-on rings over them.
    for (double y = -8; y < 616; y += 2 * pitch) {
        rrect(cr, 5.5, y + pitch - 1, 3, pitch + 2, 1.5);
        fill_pat(cr, lin(5, 0, 9, 0, hex(0xb88a30), hex(0x6a4812)), true);
        set(cr, pal::ink); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    }
    for (double y = -8; y < 616; y += 2 * pitch) {
        cairo_new_path(cr);
        ellipse(cr, 7, y + pitch / 2 + 1, 5.3, pitch / 2 + 3);
        ellipse(cr, 7, y + pitch / 2 + 1, 2.2, pitch / 2 - 0.5);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        fill_pat(cr, lin(1, 0, 13, 0, pal::gold_light, pal::gold_dark), true);
        set(cr, pal::ink); cairo_set_line_width(cr, 0.9); cairo_stroke(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
    return c.keyed(key::white);
}

namespace {

// What a title's drawing and its fit check share, so the two cannot disagree. Lengths are
// the help title's (32 px letters) times k.
struct title_layout {
    double k;
    double cx, cy;            // centre of the word's ink
    double half_w, half_h;    // the word's ink with its outline
    double star_dx;           // from the word's centre to each star's; 0: no stars
    double rule_y, rule_half; // the rule's centre line and half its length; 0: no rule
};

constexpr double title_edge = 1;  // px of key kept round everything a title draws
// The help title's measures: half the outline's width, the stars' outer and inner radii, and
// how far the letters' shading runs either side of their centre.
constexpr double title_outline = 3, title_star_r = 9, title_star_in = 2.5, title_shade = 14;
// The menu's rule: the gap between the word's outline and the star over the rule, its radius.
constexpr double title_rule_gap = 2, title_rule_star_r = 5;

title_layout layout_title(cairo_t* cr, const title& t) {
    title_layout l{};
    l.k = t.size / 32;
    use_font(cr, t.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, t.text, &e);
    l.half_w = e.width / 2 + title_outline * l.k;
    l.half_h = e.height / 2 + title_outline * l.k;
    l.cx = t.w / 2.0;
    l.cy = t.h / 2.0;
    if (t.rule) {
        // The word and the rule's star below it, centred together.
        double below = (title_rule_gap + 2 * title_rule_star_r + 0.5) * l.k;
        l.cy = (t.h - below) / 2.0;
        l.rule_y = std::round(l.cy + l.half_h + title_rule_gap * l.k + title_rule_star_r * l.k);
        l.rule_half = e.width / 2;
    }
    // A star's gap to the outline is its own radius, so the stars follow the word's width;
    // whole pixels, as the help title has them, so every title's stars rasterise alike.
    double dx = std::round(e.width / 2 + (title_outline + 2 * title_star_r) * l.k);
    if (l.cx + dx + (title_star_r + 0.5) * l.k <= t.w - title_edge) l.star_dx = dx;
    return l;
}

void title_star(cairo_t* cr, double x, double y, double r, double k) {
    star(cr, x, y, 4, r, r * title_star_in / title_star_r, 0);
    fill_pat(cr, lin(0, y - r, 0, y + r, pal::gold_light, pal::gold_dark), true);
    set(cr, pal::ink);
    cairo_set_line_width(cr, k);
    cairo_stroke(cr);
}

}  // namespace

bool title_fits(const title& t, std::string& err) {
    canvas c(1, 1);
    title_layout l = layout_title(c.cr, t);
    double bottom = l.rule_half > 0 ? l.rule_y + (title_rule_star_r + 0.5) * l.k : l.cy + l.half_h;
    if (l.cx - l.half_w < title_edge || l.cy - l.half_h < title_edge || bottom > t.h - title_edge) {
        err = std::string("the title \"") + t.text + "\" does not fit " + std::to_string(t.w) + "x" +
              std::to_string(t.h);
        return false;
    }
    return true;
}

image draw_title(const title& t) {
    canvas c(t.w, t.h);
    cairo_t* cr = c.cr;
    title_layout l = layout_title(cr, t);
    const double k = l.k;
    text_path_centered(cr, t.text, l.cx, l.cy, t.size);
    set(cr, pal::ink);
    cairo_set_line_width(cr, 2 * title_outline * k);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    set(cr, pal::gold);
    cairo_set_line_width(cr, title_outline * k);
    cairo_stroke_preserve(cr);
    fill_pat(cr, lin(0, l.cy - title_shade * k, 0, l.cy + title_shade * k, pal::navy_light, pal::navy_dark));
    if (l.star_dx > 0)
        for (int s = -1; s <= 1; s += 2) title_star(cr, l.cx + s * l.star_dx, l.cy, title_star_r * k, k);
    if (l.rule_half > 0) {
        // A fine gold rule as wide as the word, with a star over its middle.
        double t2 = 1.5 * k;
        ellipse(cr, l.cx, l.rule_y, l.rule_half, t2);
        fill_pat(cr, lin(0, l.rule_y - t2, 0, l.rule_y + t2, pal::gold_light, pal::gold_dark), true);
        set(cr, pal::ink);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        title_star(cr, l.cx, l.rule_y, title_rule_star_r * k, k);
    }
    return c.keyed(key::white);
}

}  // namespace art
