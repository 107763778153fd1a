// Power-up sprites, the card back and the two card-removal effects.
#include "art.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace art {

namespace {

image strip(int frames, int fw, int fh, int total_w, key k,
            const std::function<void(cairo_t*, int)>& draw) {
    image out(total_w, fh, k == key::green ? 0 : 255, 255, k == key::green ? 0 : 255);
    for (int f = 0; f < frames; ++f) {
        canvas c(fw, fh);
        draw(c.cr, f);
        out.blit(c.keyed(k), f * fw, 0);
    }
    return out;
}

}  // namespace

// ---------------------------------------------------------------- card back

void draw_card_back(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 50, 50);
    cairo_pattern_t* p = cairo_pattern_create_radial(25, 22, 2, 25, 25, 36);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.24, 0.36, 0.62);
    cairo_pattern_add_color_stop_rgb(p, 0.6, pal::navy.r, pal::navy.g, pal::navy.b);
    cairo_pattern_add_color_stop_rgb(p, 1, pal::navy_dark.r, pal::navy_dark.g, pal::navy_dark.b);
    fill_pat(cr, p);

    // Fine diamond lattice inside the gold frame.
    cairo_save(cr);
    rrect(cr, 4, 4, 42, 42, 3);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.7);
    set(cr, pal::gold, 0.22);
    for (int i = -50; i <= 50; i += 6) {
        cairo_move_to(cr, i, 0); cairo_line_to(cr, i + 50, 50);
        cairo_move_to(cr, i + 50, 0); cairo_line_to(cr, i, 50);
    }
    cairo_stroke(cr);
    cairo_restore(cr);

    // Frame: outer dark edge, gold band, thin inner line.
    cairo_set_line_width(cr, 1);
    set(cr, pal::navy_dark);
    cairo_rectangle(cr, 0.5, 0.5, 49, 49);
    cairo_stroke(cr);
    cairo_new_path(cr);
    rrect(cr, 3.2, 3.2, 43.6, 43.6, 3.5);
    cairo_set_line_width(cr, 1.5);
    cairo_pattern_t* g = lin(0, 0, 50, 50, pal::gold_light, pal::gold_dark);
    cairo_set_source(cr, g);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    // Corner studs.
    for (int i = 0; i < 4; ++i) {
        double x = (i & 1) ? 42 : 8, y = (i & 2) ? 42 : 8;
        cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
        set(cr, pal::gold_light);
        cairo_fill(cr);
    }
    // Central medallion with an eight-point compass star.
    cairo_arc(cr, 25, 25, 13, 0, 2 * M_PI);
    fill_pat(cr, rad(25, 23, 13, hex(0x2c4578), pal::navy_dark), true);
    set(cr, pal::gold);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    star(cr, 25, 25, 4, 10.5, 3.0, M_PI / 4);
    set(cr, pal::gold_dark);
    cairo_fill(cr);
    star(cr, 25, 25, 4, 12, 3.2, 0);
    fill_pat(cr, lin(15, 15, 35, 35, hex(0xfff0b8), pal::gold), true);
    set(cr, hex(0x6b4a12));
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
    cairo_arc(cr, 25, 25, 2.2, 0, 2 * M_PI);
    set(cr, pal::navy_dark);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- hammer smash

namespace {

struct point { double x, y; };

double perim_t(point p) {
    if (p.y <= 0.001) return p.x;
    if (p.x >= 49.999) return 50 + p.y;
    if (p.y >= 49.999) return 100 + (50 - p.x);
    return 150 + (50 - p.y);
}

point perim_pt(double t) {
    t = std::fmod(t + 200, 200);
    if (t < 50) return {t, 0};
    if (t < 100) return {50, t - 50};
    if (t < 150) return {150 - t, 50};
    return {0, 200 - t};
}

struct shatter {
    static constexpr int spoke_count = 7;
    point c{24, 23};
    std::vector<point> spoke[spoke_count];
    double t[spoke_count];
    shatter() {
        rng r(42);
        for (int k = 0; k < spoke_count; ++k) {
            double a = 2 * M_PI * k / spoke_count + r.range(-0.25, 0.25) + 0.3;
            double dx = std::cos(a), dy = std::sin(a);
            double s = 1e9;  // distance to the square's edge along the ray
            if (dx > 1e-6) s = std::min(s, (50 - c.x) / dx);
            if (dx < -1e-6) s = std::min(s, -c.x / dx);
            if (dy > 1e-6) s = std::min(s, (50 - c.y) / dy);
            if (dy < -1e-6) s = std::min(s, -c.y / dy);
            point end{c.x + dx * s, c.y + dy * s};
            spoke[k].push_back(c);
            for (int j = 1; j < 4; ++j) {
                double f = j / 4.0;
                double j1 = r.range(-2.5, 2.5);
                spoke[k].push_back({c.x + dx * s * f - dy * j1, c.y + dy * s * f + dx * j1});
            }
            spoke[k].push_back(end);
            t[k] = perim_t(end);
        }
    }
    void piece_path(cairo_t* cr, int k) const {
        const auto& a = spoke[k];
        const auto& b = spoke[(k + 1) % spoke_count];
        cairo_new_path(cr);
        for (const point& p : a) cairo_line_to(cr, p.x, p.y);
        double t0 = t[k], t1 = t[(k + 1) % spoke_count];
        if (t1 < t0) t1 += 200;
        for (double corner = 0; corner < 400; corner += 50)
            if (corner > t0 && corner < t1) { point q = perim_pt(corner); cairo_line_to(cr, q.x, q.y); }
        for (auto it = b.rbegin(); it != b.rend(); ++it) cairo_line_to(cr, it->x, it->y);
        cairo_close_path(cr);
    }
};

void crack_lines(cairo_t* cr, const shatter& s, double reach) {
    for (int k = 0; k < shatter::spoke_count; ++k) {
        const auto& sp = s.spoke[k];
        int n = int(std::ceil(reach * (sp.size() - 1)));
        cairo_new_path(cr);
        for (int i = 0; i <= n && i < int(sp.size()); ++i) cairo_line_to(cr, sp[i].x, sp[i].y);
        cairo_set_line_width(cr, 1.8);
        set(cr, hex(0x8fb0e8), 0.9);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 0.9);
        set(cr, hex(0x05070f));
        cairo_stroke(cr);
    }
}

void draw_smash(cairo_t* cr, int f) {
    static const shatter sh;
    if (f == 0) { draw_card_back(cr); return; }
    if (f <= 2) {
        draw_card_back(cr);
        crack_lines(cr, sh, f == 1 ? 0.5 : 1.0);
        if (f == 1) {  // the blow's flash at the point of impact
            star(cr, sh.c.x, sh.c.y, 6, 7, 2.5, 0.2);
            set(cr, hex(0xffe680));
            cairo_fill(cr);
        }
        return;
    }
    canvas back(50, 50);
    draw_card_back(back.cr);
    crack_lines(back.cr, sh, 1.0);
    rng r(99);
    double t = f - 2;  // 1..4
    for (int k = 0; k < shatter::spoke_count; ++k) {
        double vx = r.range(-1.0, 1.0), vy = r.range(-1.5, 1.0), spin = r.range(-0.12, 0.12);
        // Centroid-ish anchor to rotate about.
        point m = sh.spoke[k][2];
        double dx = (m.x - sh.c.x) * 0.12 * t + vx * t;
        double dy = vy * t + 3.4 * t * t;
        cairo_save(cr);
        cairo_translate(cr, m.x + dx, m.y + dy);
        cairo_rotate(cr, spin * t * t);
        double sc = 1.0 - 0.05 * t;
        cairo_scale(cr, sc, sc);
        cairo_translate(cr, -m.x, -m.y);
        sh.piece_path(cr, k);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_set_source_surface(cr, back.surf, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        set(cr, hex(0x05070f));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // Splinters and dust.
    rng d(5 + f);
    for (int i = 0; i < 10 - 2 * int(t); ++i) {
        double x = d.range(5, 45), y = sh.c.y + d.range(-10, 10) + 6 * t * t * 0.5 + 4 * t;
        cairo_rectangle(cr, x, y, 1.8, 1.8);
        set(cr, i & 1 ? pal::gold : pal::navy_light);
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------- dynamite blast

void blob(cairo_t* cr, double cx, double cy, double r, double rough, uint32_t seed) {
    rng gen(seed);
    const int n = 14;
    double rr[n];
    for (int i = 0; i < n; ++i) rr[i] = r * (1 + gen.range(-rough, rough));
    cairo_new_path(cr);
    for (int i = 0; i <= n; ++i) {
        double a0 = 2 * M_PI * i / n, a1 = 2 * M_PI * (i + 0.5) / n;
        double r0 = rr[i % n], r1 = (rr[i % n] + rr[(i + 1) % n]) * 0.5 * 1.12;
        if (i == 0) cairo_move_to(cr, cx + r0 * std::cos(a0), cy + r0 * std::sin(a0));
        else cairo_line_to(cr, cx + r0 * std::cos(a0), cy + r0 * std::sin(a0));
        if (i < n) cairo_line_to(cr, cx + r1 * std::cos(a1), cy + r1 * std::sin(a1));
    }
    cairo_close_path(cr);
}

void fireball(cairo_t* cr, double r, double heat, uint32_t seed) {
    blob(cr, 25, 25, r, 0.22, seed);
    cairo_pattern_t* p = cairo_pattern_create_radial(25, 24, 0, 25, 25, r * 1.2);
    rgb core = mix(hex(0xffef9a), hex(0xff9a2a), 1 - heat);
    rgb mid = mix(hex(0xff8a1c), hex(0xd9411e), 1 - heat);
    rgb edge = mix(hex(0xc62a12), hex(0x5a2a22), 1 - heat);
    cairo_pattern_add_color_stop_rgb(p, 0, core.r, core.g, core.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(p, 1, edge.r, edge.g, edge.b);
    fill_pat(cr, p, true);
    set(cr, hex(0x5a1a0a));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void smoke(cairo_t* cr, double spread, double puff, double grey, int count, uint32_t seed) {
    rng r(seed);
    for (int i = 0; i < count; ++i) {
        double a = r.range(0, 2 * M_PI), d = r.range(0.3, 1.0) * spread;
        double x = 25 + d * std::cos(a), y = 25 + d * std::sin(a) * 0.8 - spread * 0.25;
        double rr = puff * r.range(0.6, 1.1);
        cairo_arc(cr, x, y, rr, 0, 2 * M_PI);
        rgb c = {grey, grey, grey * 1.04};
        fill_pat(cr, rad(x - rr * 0.3, y - rr * 0.3, rr * 1.3, shade(c, 1.25), shade(c, 0.7)), true);
        set(cr, shade(c, 0.45));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}

void draw_blast(cairo_t* cr, int f) {
    if (f == 0) { draw_card_back(cr); return; }
    if (f <= 2) {  // flash
        draw_card_back(cr);
        star(cr, 25, 25, 10, f == 1 ? 14 : 24, f == 1 ? 5 : 10, f * 0.3);
        fill_pat(cr, rad(25, 25, f == 1 ? 14 : 24, hex(0xfff3b0), hex(0xffb020)), true);
        set(cr, hex(0xc2571a));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        return;
    }
    if (f <= 8) {  // fireball grows and cools
        double k = (f - 3) / 5.0;
        if (f <= 4) {
            canvas back(50, 50);
            draw_card_back(back.cr);
            cairo_set_source_surface(cr, back.surf, 0, 0);
            cairo_paint(cr);
        }
        fireball(cr, 13 + 11 * std::sqrt(k), 1 - k, 300 + f);
        if (f >= 6) smoke(cr, 14 + 4 * k, 4 + 2 * k, 0.42, 5 + f - 6, 700 + f);
        // Embers thrown outwards.
        rng e(900 + f);
        for (int i = 0; i < 8; ++i) {
            double a = e.range(0, 2 * M_PI), d = 16 + 14 * k + e.range(0, 6);
            cairo_arc(cr, 25 + d * std::cos(a), 25 + d * std::sin(a), 1.3, 0, 2 * M_PI);
            set(cr, hex(0xffa726));
            cairo_fill(cr);
        }
        return;
    }
    if (f <= 13) {  // smoke clears
        double k = (f - 9) / 4.0;
        smoke(cr, 16 + 6 * k, 8.5 - 5.5 * k, 0.55 + 0.12 * k, 9 - int(4 * k), 1000 + f);
        return;
    }
    if (f <= 15) {  // last wisps
        smoke(cr, 22, f == 14 ? 2.6 : 1.8, 0.7, f == 14 ? 4 : 2, 2000 + f);
        return;
    }
    // f == 16: gone
}

}  // namespace

image cards_hammer() { return strip(7, 50, 50, 350, key::white, draw_smash); }
image cards_dynamite() { return strip(17, 50, 50, 850, key::white, draw_blast); }

// ---------------------------------------------------------------- power-up icons

void draw_hammer_icon(cairo_t* cr, double px, double py, double angle, double s) {
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_scale(cr, s, s);
    cairo_rotate(cr, angle);
    // Handle.
    rrect(cr, -2.6, -33, 5.2, 35, 2.4);
    fill_pat(cr, lin(-3, 0, 3, 0, hex(0xd79a5a), hex(0x7a4420)), true);
    set(cr, pal::ink); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    rrect(cr, -3.2, -8, 6.4, 10, 2.4);  // grip wrap
    fill_pat(cr, lin(-3, 0, 3, 0, hex(0xd84c3c), hex(0x7d1d14)), true);
    set(cr, pal::ink); cairo_stroke(cr);
    // Head: flat face on the left, claw on the right.
    cairo_new_path(cr);
    cairo_move_to(cr, -13, -41); cairo_line_to(cr, -5, -41); cairo_line_to(cr, -5, -40);
    cairo_line_to(cr, 5, -40); cairo_curve_to(cr, 10, -40, 14, -43, 16, -47);
    cairo_curve_to(cr, 15, -41, 11, -35, 5, -32); cairo_line_to(cr, -5, -32);
    cairo_line_to(cr, -5, -31); cairo_line_to(cr, -13, -31); cairo_close_path(cr);
    fill_pat(cr, lin(0, -47, 0, -31, hex(0xe6ebf2), hex(0x59657a)), true);
    set(cr, pal::ink); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    cairo_move_to(cr, -11, -39); cairo_line_to(cr, 3, -39);
    set(cr, {1, 1, 1}, 0.7); cairo_set_line_width(cr, 1); cairo_stroke(cr);
    cairo_restore(cr);
}

void draw_stopwatch_icon(cairo_t* cr, double cx, double cy, double hand, double s) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    // Crown and side button.
    rrect(cr, -4, -25, 8, 6, 1.5);
    fill_pat(cr, lin(-4, 0, 4, 0, hex(0xd8dde6), hex(0x6c7689)), true);
    set(cr, pal::ink); cairo_set_line_width(cr, 1); cairo_stroke(cr);
    cairo_save(cr); cairo_rotate(cr, M_PI / 4);
    rrect(cr, -2.5, -23, 5, 5, 1.2);
    fill_pat(cr, lin(-3, 0, 3, 0, hex(0xd8dde6), hex(0x6c7689)), true);
    set(cr, pal::ink); cairo_stroke(cr);
    cairo_restore(cr);
    // Case.
    cairo_arc(cr, 0, 0, 19.5, 0, 2 * M_PI);
    fill_pat(cr, lin(-19, -19, 19, 19, hex(0xf2d27a), hex(0x8a5c12)), true);
    set(cr, pal::ink); cairo_set_line_width(cr, 1.2); cairo_stroke(cr);
    cairo_arc(cr, 0, 0, 15.5, 0, 2 * M_PI);
    fill_pat(cr, rad(-4, -5, 20, hex(0xfbf6e8), hex(0xd9ceb4)), true);
    set(cr, hex(0x6b4a12)); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        double r0 = (i % 3 == 0) ? 10.5 : 12.5;
        cairo_move_to(cr, r0 * std::sin(a), -r0 * std::cos(a));
        cairo_line_to(cr, 14.2 * std::sin(a), -14.2 * std::cos(a));
    }
    set(cr, pal::navy); cairo_set_line_width(cr, 1.2); cairo_stroke(cr);
    // Sweep hand with a red tip.
    cairo_save(cr);
    cairo_rotate(cr, hand);
    cairo_move_to(cr, 0, 3.5); cairo_line_to(cr, 0, -12.5);
    set(cr, hex(0xc62828)); cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); cairo_stroke(cr);
    cairo_restore(cr);
    cairo_arc(cr, 0, 0, 2.2, 0, 2 * M_PI);
    set(cr, pal::navy_dark); cairo_fill(cr);
    cairo_restore(cr);
}

void draw_hourglass_icon(cairo_t* cr, double cx, double cy, double fill, double turn, double s, int frame) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    cairo_rotate(cr, turn);
    auto bulbs = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, -11, -17);
        cairo_curve_to(cr, -11, -6, -2, -4, -1.6, 0);
        cairo_curve_to(cr, -2, 4, -11, 6, -11, 17);
        cairo_line_to(cr, 11, 17);
        cairo_curve_to(cr, 11, 6, 2, 4, 1.6, 0);
        cairo_curve_to(cr, 2, -4, 11, -6, 11, -17);
        cairo_close_path(cr);
    };
    bulbs();
    fill_pat(cr, lin(-11, 0, 11, 0, hex(0xa9cfe6), hex(0x6d97b8)));
    // Sand, clipped to the glass.
    cairo_save(cr);
    bulbs();
    cairo_clip(cr);
    rgb sand_a = hex(0xf5c96a), sand_b = hex(0xc98a2a);
    double top_level = -1 - 15 * fill;  // surface of the upper sand
    cairo_rectangle(cr, -12, top_level, 24, -1 - top_level);
    fill_pat(cr, lin(0, -17, 0, 0, sand_a, sand_b));
    double mound = 16 * (1 - fill);
    if (mound > 0.5) {
        cairo_move_to(cr, -12, 17);
        cairo_line_to(cr, -12, 17 - mound * 0.55);
        cairo_curve_to(cr, -5, 17 - mound * 0.8, -2, 17 - mound, 0, 17 - mound);
        cairo_curve_to(cr, 2, 17 - mound, 5, 17 - mound * 0.8, 12, 17 - mound * 0.55);
        cairo_line_to(cr, 12, 17);
        cairo_close_path(cr);
        fill_pat(cr, lin(0, 0, 0, 17, sand_a, sand_b));
    }
    if (fill > 0.02 && turn == 0) {  // falling stream with a grain pattern that moves
        cairo_rectangle(cr, -0.8, -1, 1.6, 18 - mound);
        set(cr, sand_b);
        cairo_fill(cr);
        for (int i = 0; i < 4; ++i) {
            double y = 2 + std::fmod(frame * 3.1 + i * 4.0, 14.0);
            if (y < 17 - mound) { cairo_arc(cr, (i & 1) ? 1.0 : -1.0, y, 0.8, 0, 2 * M_PI); set(cr, sand_b); cairo_fill(cr); }
        }
    }
    cairo_restore(cr);
    bulbs();
    set(cr, hex(0x2b4a66)); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
    cairo_move_to(cr, -7.5, -13); cairo_curve_to(cr, -7.5, -8, -5, -6, -3.5, -5);
    set(cr, {1, 1, 1}, 0.6); cairo_set_line_width(cr, 1.2); cairo_stroke(cr);
    // Wooden frame.
    for (int side = -1; side <= 1; side += 2) {
        rrect(cr, -15, side * 19 - 2.5, 30, 5, 1.5);
        fill_pat(cr, lin(0, side * 19 - 3, 0, side * 19 + 3, hex(0xc98b4f), hex(0x6e3f1c)), true);
        set(cr, pal::ink); cairo_set_line_width(cr, 1); cairo_stroke(cr);
        cairo_rectangle(cr, side * 13 - 1.2, -16.5, 2.4, 33);
        fill_pat(cr, lin(side * 13 - 1.2, 0, side * 13 + 1.2, 0, hex(0xb57a42), hex(0x5c3416)), true);
        set(cr, pal::ink); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void draw_dynamite_icon(cairo_t* cr, double cx, double cy, double s, int frame) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    cairo_rotate(cr, -0.28);
    // Three sticks.
    const double xs[3] = {-7.5, 7.5, 0};
    const double ys[3] = {2, 2, 0};
    for (int i = 0; i < 3; ++i) {
        rrect(cr, xs[i] - 5, ys[i] - 14, 10, 30, 2.5);
        fill_pat(cr, lin(xs[i] - 5, 0, xs[i] + 5, 0, hex(0xf0614f), hex(0x8e1c12)), true);
        set(cr, pal::ink); cairo_set_line_width(cr, 1.1); cairo_stroke(cr);
        cairo_move_to(cr, xs[i] - 2.5, ys[i] - 11); cairo_line_to(cr, xs[i] - 2.5, ys[i] + 13);
        set(cr, {1, 0.85, 0.8}, 0.55); cairo_set_line_width(cr, 1.2); cairo_stroke(cr);
    }
    // Binding band.
    cairo_rectangle(cr, -13, 5, 26, 4.5);
    fill_pat(cr, lin(0, 5, 0, 9.5, hex(0x4a4f5c), hex(0x1e2128)), true);
    set(cr, pal::ink); cairo_set_line_width(cr, 0.9); cairo_stroke(cr);
    // Fuse.
    cairo_move_to(cr, 0, -14);
    cairo_curve_to(cr, 1, -19, 8, -18, 9, -22);
    set(cr, hex(0x3a2a1a)); cairo_set_line_width(cr, 1.8); cairo_stroke(cr);
    // Spark: rotating rays and scattered sparks, different every frame.
    double sx = 9, sy = -22;
    star(cr, sx, sy, 8, 5.5 + (frame % 3), 2.0, frame * 0.37);
    fill_pat(cr, rad(sx, sy, 7, hex(0xfff09a), hex(0xff8c1a)), true);
    set(cr, hex(0xb8400e)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
    rng r(11 + frame);
    for (int i = 0; i < 5; ++i) {
        double a = r.range(-M_PI, 0.3), d = r.range(6, 11);
        cairo_arc(cr, sx + d * std::cos(a), sy + d * std::sin(a), r.range(0.8, 1.4), 0, 2 * M_PI);
        set(cr, i & 1 ? hex(0xffc23a) : hex(0xff6a1a));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------- power-up strips

namespace {

void hammer_frame(cairo_t* cr, int f) {
    // One loop: slow wind-up, fast strike, a small bounce back.
    static const double angle[11] = {-0.2, -0.45, -0.7, -0.9, -1.0, -0.95, -0.45, 0.2, 0.36, 0.26, 0.04};
    if (f == 6 || f == 7) {  // speed lines behind the head while it comes down
        for (int k = 0; k < 3; ++k) {
            double a0 = -M_PI / 2 + angle[f] - 0.75, a1 = -M_PI / 2 + angle[f] - 0.3;
            cairo_new_path(cr);
            cairo_arc(cr, 29, 48, 30 + k * 5, a0, a1);
            set(cr, pal::navy_light); cairo_set_line_width(cr, 1.3); cairo_stroke(cr);
        }
    }
    draw_hammer_icon(cr, 29, 48, angle[f], 0.85);
    if (f == 8 || f == 9) {  // impact sparks at the end of the blow
        star(cr, 48, 26, 5, f == 8 ? 5.5 : 4, 2.2, f * 0.5);
        set(cr, hex(0xffc83a)); cairo_fill_preserve(cr);
        set(cr, hex(0xb8400e)); cairo_set_line_width(cr, 0.7); cairo_stroke(cr);
    }
}

void stopwatch_frame(cairo_t* cr, int f) { draw_stopwatch_icon(cr, 25, 27, f * M_PI / 4, 1.0); }

void hourglass_frame(cairo_t* cr, int f) {
    if (f < 12) draw_hourglass_icon(cr, 25, 25, 1.0 - f / 11.0, 0, 1.0, f);
    else draw_hourglass_icon(cr, 25, 25, 0.0, (f - 11) * M_PI / 4, f == 13 ? 1.0 : 0.82, f);  // diagonal needs room
}

void dynamite_frame(cairo_t* cr, int f) { draw_dynamite_icon(cr, 24, 29, 1.0, f); }

void next_frame(cairo_t* cr, int f, const std::string& word, double size, double cx) {
    double pulse = 0.5 + 0.5 * std::cos(2 * M_PI * f / 6.0);
    rrect(cr, 1.5, 1.5, 97, 29, 9);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 31);
    rgb top = mix(hex(0x5cbf60), hex(0x79d67c), pulse), bot = hex(0x1f6b2a);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bot.r, bot.g, bot.b);
    fill_pat(cr, p, true);
    set(cr, mix(pal::gold_dark, pal::gold_light, pulse));
    cairo_set_line_width(cr, 2.2); cairo_stroke(cr);
    rrect(cr, 5, 4, 90, 10, 5);
    set(cr, {1, 1, 1}, 0.18); cairo_fill(cr);
    draw_next_word(cr, word, size, cx);
    // Chevrons sliding right, wrapping inside their lane.
    cairo_save(cr);
    cairo_rectangle(cr, 64, 4, 30, 24);
    cairo_clip(cr);
    for (int i = -1; i < 3; ++i) {
        double x = 64 + i * 11 + f * 11.0 / 6.0 * 1.0 + (f * 11.0 / 6.0 > 11 ? -11 : 0);
        cairo_move_to(cr, x, 9); cairo_line_to(cr, x + 6, 16); cairo_line_to(cr, x, 23);
        cairo_line_to(cr, x + 3.5, 23); cairo_line_to(cr, x + 9.5, 16); cairo_line_to(cr, x + 3.5, 9);
        cairo_close_path(cr);
        set(cr, pal::gold_light); cairo_fill_preserve(cr);
        set(cr, hex(0x143d1a)); cairo_set_line_width(cr, 0.8); cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void draw_next_word(cairo_t* cr, const std::string& word, double size, double cx) {
    fancy_text(cr, word, cx, 16.5, size, pal::cream, pal::gold_light, hex(0x143d1a), 1.3, false);
}

rounded next_word_room() {
    // Inside the rim (half its 2.2 px inward from 1.5) with a pixel to spare; left of the
    // chevrons' lane at 64.
    const double in = 1.5 + 1.1 + 1;
    return {in, in, 64 - 1, 30.5 - 1.1 - 1, 9 - 1.1 - 1};
}

image anim_hammer() { return strip(11, 54, 50, 594, key::green, hammer_frame); }
image anim_stopwatch() { return strip(8, 50, 50, 400, key::green, stopwatch_frame); }
image anim_hourglass() { return strip(15, 50, 50, 750, key::green, hourglass_frame); }
image anim_dynamite() { return strip(11, 50, 50, 551, key::white, dynamite_frame); }
image anim_next(const std::string& word, double size, double cx) {
    return strip(6, 100, 32, 600, key::white,
                 [&](cairo_t* cr, int f) { next_frame(cr, f, word, size, cx); });
}

}  // namespace art
