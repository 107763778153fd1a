// The cars, side-on on one road, each in its own body colour.
#include "cards.h"

#include "resource_ids.h"

#include <cmath>
#include <iterator>

namespace art {

namespace {

const double ground = 41;  // where the wheels meet the road

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

// A small car towing a caravan: the only picture with two bodies in a row.
void caravan(cairo_t* cr, rgb body) {
    rrect(cr, 4, 15, 20, 20, 6); vgrad(cr, 15, 35, hex(0xf4efe0));
    cairo_rectangle(cr, 4, 25, 20, 2); set(cr, hex(0x3a7bd5)); cairo_fill(cr);
    rrect(cr, 7, 18, 8, 5, 1); glass(cr);
    cairo_move_to(cr, 24, 33); cairo_line_to(cr, 27, 33); outline(cr, 1.4);
    poly(cr, {{27, 37}, {27, 29}, {31, 24}, {39, 24}, {42, 29}, {46, 30}, {46, 37}}); vgrad(cr, 24, 37, body);
    poly(cr, {{32, 29}, {33, 25.5}, {38.5, 25.5}, {40.5, 29}}); glass(cr);
    wheel(cr, 14, ground - 3.6, 3.6); wheel(cr, 31.5, ground - 3.6, 3.6); wheel(cr, 42, ground - 3.6, 3.6);
}

// A dark canopy on posts over an open cab, one wheel in front.
void tuk_tuk(cairo_t* cr, rgb body) {
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 37); cairo_line_to(cr, 6, 27); cairo_line_to(cr, 30, 27);
    cairo_curve_to(cr, 38, 27, 42, 31, 42, 37); cairo_close_path(cr); vgrad(cr, 27, 37, body);
    cairo_move_to(cr, 8, 27); cairo_line_to(cr, 8, 15); cairo_move_to(cr, 33, 28); cairo_line_to(cr, 36, 15);
    outline(cr, 1.3);
    poly(cr, {{5, 17}, {6, 13}, {37, 13}, {40, 17}}); vgrad(cr, 13, 17, hex(0x2a2a33));
    cairo_arc(cr, 27, 21, 2.8, 0, 2 * M_PI); set(cr, hex(0xe9b48a)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_move_to(cr, 28, 25); cairo_line_to(cr, 33, 24); outline(cr, 1.2);
    wheel(cr, 13, ground - 4, 4); wheel(cr, 38, ground - 4, 4); lamp(cr, 41, 33);
}

// Silver, carrying an orange canoe that overhangs both ends.
void canoe_estate(cairo_t* cr, rgb body) {
    poly(cr, {{4, 37}, {4, 24}, {30, 23}, {36, 28}, {46, 30}, {46, 37}}); vgrad(cr, 23, 37, body);
    poly(cr, {{6, 28}, {6, 25.5}, {15, 25}, {15, 28}}); glass(cr);
    poly(cr, {{17, 25}, {24, 25}, {24, 28}, {17, 28}}); glass(cr);
    poly(cr, {{26, 25}, {30, 25}, {34, 28}, {26, 28}}); glass(cr);
    // Tall rack posts leave sky under the canoe, so the pair is not one dome.
    cairo_rectangle(cr, 8, 18, 2, 6); cairo_rectangle(cr, 25, 18, 2, 5.5); set(cr, pal::ink); cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 18); cairo_curve_to(cr, 10, 14, 40, 14, 47, 18); cairo_close_path(cr);
    vgrad(cr, 14.5, 18.5, hex(0xe8782a));
    wheel(cr, 12, ground - 4, 4.5); wheel(cr, 37, ground - 4, 4.5); lamp(cr, 45, 32);
}

// A tall cab behind a low open bed stacked with white bottles.
void milk_float(cairo_t* cr, rgb body) {
    poly(cr, {{4, 37}, {4, 32}, {30, 32}, {30, 15}, {40, 15}, {44, 24}, {46, 26}, {46, 37}}); vgrad(cr, 15, 37, body);
    poly(cr, {{32, 17}, {39, 17}, {42.5, 25}, {32, 25}}); glass(cr);
    for (int k = 0; k < 6; ++k) {
        double x = 5.5 + k * 4;
        rrect(cr, x, 24, 2.8, 8, 1.2); set(cr, hex(0xfbfbf6)); cairo_fill_preserve(cr); outline(cr, 0.6);
    }
    cairo_rectangle(cr, 4, 28, 25, 4); set(cr, hex(0x7a5a30)); cairo_fill_preserve(cr); outline(cr, 0.7);
    wheel(cr, 11, ground - 3.5, 3.5); wheel(cr, 39, ground - 3.5, 3.5); lamp(cr, 45, 30);
}

// Open, with a driver, in a light colour.
void roadster(cairo_t* cr, rgb body) {
    poly(cr, {{4, 37}, {4, 31}, {44, 30}, {46, 33}, {46, 37}}); vgrad(cr, 30, 37, body);
    poly(cr, {{29, 30}, {31, 24}, {32, 24}, {31, 30}}); glass(cr);
    cairo_arc(cr, 23, 25, 3, 0, 2 * M_PI); set(cr, hex(0xe9b48a)); cairo_fill_preserve(cr); outline(cr, 0.7);
    cairo_move_to(cr, 20.5, 24); cairo_line_to(cr, 14, 26);
    set(cr, hex(0xf0d040)); cairo_set_line_width(cr, 1.4); cairo_stroke(cr);
    wheel(cr, 12, ground - 4, 4.5); wheel(cr, 38, ground - 4, 4.5); lamp(cr, 45, 33);
}

void pickup(cairo_t* cr, rgb body) {
    poly(cr, {{4, 37}, {4, 29}, {22, 29}, {22, 21}, {31, 21}, {36, 28}, {46, 29}, {46, 37}}); vgrad(cr, 21, 37, body);
    poly(cr, {{24, 23}, {30, 23}, {34, 28}, {24, 28}}); glass(cr);
    cairo_rectangle(cr, 6, 27, 14, 2.2); set(cr, shade(body, 0.6)); cairo_fill(cr);
    wheel(cr, 12, ground - 4.5, 5); wheel(cr, 37, ground - 4.5, 5); lamp(cr, 45, 31);
}

void delivery_van(cairo_t* cr, rgb body) {
    poly(cr, {{5, 37}, {5, 16}, {33, 16}, {40, 26}, {45, 28}, {45, 37}}); vgrad(cr, 16, 37, body);
    poly(cr, {{33, 18}, {38.5, 26}, {33, 26}}); glass(cr);
    cairo_move_to(cr, 31, 17); cairo_line_to(cr, 31, 36); outline(cr, 0.7);
    wheel(cr, 13, ground - 4, 4.5); wheel(cr, 37, ground - 4, 4.5); lamp(cr, 44, 31);
}

void coach(cairo_t* cr, rgb body) {
    rrect(cr, 3, 17, 44, 20, 3); vgrad(cr, 17, 37, body);
    for (int k = 0; k < 5; ++k) { cairo_rectangle(cr, 5 + k * 7.5, 20, 6, 7); glass(cr); }
    cairo_rectangle(cr, 42, 20, 3.5, 13); glass(cr);
    wheel(cr, 11, ground - 4, 4); wheel(cr, 37, ground - 4, 4);
}

void double_decker(cairo_t* cr, rgb body) {
    rrect(cr, 5, 6, 40, 31, 3); vgrad(cr, 6, 37, body);
    for (int k = 0; k < 4; ++k) { cairo_rectangle(cr, 7 + k * 9, 9, 7, 6); glass(cr); }
    for (int k = 0; k < 3; ++k) { cairo_rectangle(cr, 7 + k * 9, 21, 7, 6); glass(cr); }
    cairo_rectangle(cr, 36, 20, 7, 14); glass(cr);
    cairo_rectangle(cr, 5, 17, 40, 1.5); set(cr, pal::cream); cairo_fill(cr);
    wheel(cr, 13, ground - 4, 4); wheel(cr, 37, ground - 4, 4);
}

void box_lorry(cairo_t* cr, rgb body) {
    cairo_rectangle(cr, 3, 13, 30, 22); vgrad(cr, 13, 35, hex(0xd9d2c0));
    poly(cr, {{34, 37}, {34, 19}, {41, 19}, {46, 27}, {46, 37}}); vgrad(cr, 19, 37, body);
    poly(cr, {{36, 21}, {40.5, 21}, {44, 27}, {36, 27}}); glass(cr);
    cairo_rectangle(cr, 3, 35, 43, 2.5); set(cr, pal::ink); cairo_fill(cr);
    wheel(cr, 10, ground - 4, 4); wheel(cr, 21, ground - 4, 4); wheel(cr, 40, ground - 4, 4);
}

void tanker(cairo_t* cr, rgb body) {
    rrect(cr, 3, 18, 30, 15, 7.5); fill_grad_outline(cr, 18, 33, hex(0xeef1f5), hex(0x8a93a3), pal::ink, 1);
    poly(cr, {{34, 37}, {34, 19}, {41, 19}, {46, 27}, {46, 37}}); vgrad(cr, 19, 37, body);
    poly(cr, {{36, 21}, {40.5, 21}, {44, 27}, {36, 27}}); glass(cr);
    cairo_rectangle(cr, 3, 33, 43, 3); set(cr, pal::ink); cairo_fill(cr);
    cairo_rectangle(cr, 16, 15.5, 5, 2.5); set(cr, hex(0x8a93a3)); cairo_fill_preserve(cr); outline(cr, 0.6);
    wheel(cr, 9, ground - 4, 4); wheel(cr, 18, ground - 4, 4); wheel(cr, 40, ground - 4, 4);
}

// Its bed raised.
void tipper(cairo_t* cr, rgb body) {
    poly(cr, {{3, 22}, {22, 10}, {28, 18}, {12, 31}}); vgrad(cr, 10, 31, hex(0xd9a13a));
    poly(cr, {{30, 37}, {30, 19}, {39, 19}, {45, 27}, {45, 37}}); vgrad(cr, 19, 37, body);
    poly(cr, {{32, 21}, {38.5, 21}, {43, 27}, {32, 27}}); glass(cr);
    cairo_rectangle(cr, 5, 32, 40, 3); set(cr, pal::ink); cairo_fill(cr);
    cairo_move_to(cr, 14, 32); cairo_line_to(cr, 18, 22); outline(cr, 1.5, hex(0x6a6a72));
    wheel(cr, 10, ground - 4.5, 4.5); wheel(cr, 38, ground - 4.5, 4.5);
}

void fire_engine(cairo_t* cr, rgb body) {
    poly(cr, {{3, 37}, {3, 22}, {33, 22}, {33, 17}, {40, 17}, {46, 26}, {46, 37}}); vgrad(cr, 17, 37, body);
    poly(cr, {{35, 19}, {39.5, 19}, {44, 26}, {35, 26}}); glass(cr);
    cairo_move_to(cr, 4, 20); cairo_line_to(cr, 32, 12); cairo_move_to(cr, 4, 17); cairo_line_to(cr, 32, 9);
    outline(cr, 1.1, hex(0xd0d4dc));
    for (int k = 0; k < 7; ++k) { double x = 6 + k * 4; cairo_move_to(cr, x, 19.4 - k * 1.14); cairo_line_to(cr, x, 16.4 - k * 1.14); }
    outline(cr, 0.8, hex(0xd0d4dc));
    cairo_rectangle(cr, 36, 14.5, 3, 2.5); set(cr, hex(0x3a7bd5)); cairo_fill(cr);
    wheel(cr, 10, ground - 4, 4); wheel(cr, 21, ground - 4, 4); wheel(cr, 39, ground - 4, 4);
}

void racer(cairo_t* cr, rgb body) {
    poly(cr, {{6, 33}, {8, 28}, {18, 27}, {22, 24}, {27, 24}, {30, 28}, {46, 31}, {46, 34}, {6, 35}}); vgrad(cr, 24, 35, body);
    cairo_rectangle(cr, 3, 21, 7, 2.5); set(cr, pal::ink); cairo_fill(cr);
    cairo_move_to(cr, 6, 23); cairo_line_to(cr, 7, 28); outline(cr, 1.3);
    cairo_arc(cr, 24, 23.5, 2.8, M_PI, 2 * M_PI); set(cr, hex(0xf0d040)); cairo_fill_preserve(cr); outline(cr, 0.7);
    wheel(cr, 11, ground - 5.5, 5.5); wheel(cr, 39, ground - 5.5, 5.5);
}

void beetle(cairo_t* cr, rgb body) {
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 37); cairo_curve_to(cr, 4, 25, 12, 17, 24, 17);
    cairo_curve_to(cr, 36, 17, 44, 26, 45, 37); cairo_close_path(cr); vgrad(cr, 17, 37, body);
    cairo_new_path(cr);
    cairo_move_to(cr, 15, 27); cairo_curve_to(cr, 16, 22, 20, 20, 24, 20); cairo_line_to(cr, 24, 27); cairo_close_path(cr); glass(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 26, 20); cairo_curve_to(cr, 31, 20, 34, 23, 35, 27); cairo_line_to(cr, 26, 27); cairo_close_path(cr); glass(cr);
    wheel(cr, 13, ground - 4, 4.5); wheel(cr, 37, ground - 4, 4.5); lamp(cr, 43, 30);
}

// A spare wheel on its back.
void jeep(cairo_t* cr, rgb body) {
    poly(cr, {{6, 37}, {6, 20}, {28, 20}, {30, 27}, {45, 28}, {45, 37}}); vgrad(cr, 20, 37, body);
    poly(cr, {{9, 22}, {17, 22}, {17, 27}, {9, 27}}); glass(cr);
    poly(cr, {{19, 22}, {26.5, 22}, {28, 27}, {19, 27}}); glass(cr);
    wheel(cr, 4.5, 29, 4);
    wheel(cr, 15, ground - 5, 5); wheel(cr, 37, ground - 5, 5); lamp(cr, 44, 30.5);
}

void limousine(cairo_t* cr, rgb body) {
    poly(cr, {{3, 36}, {3, 30}, {9, 29}, {12, 25}, {36, 25}, {39, 29}, {47, 30}, {47, 36}}); vgrad(cr, 25, 36, body);
    for (int k = 0; k < 4; ++k) { cairo_rectangle(cr, 12.5 + k * 6, 26.3, 5, 2.7); glass(cr); }
    wheel(cr, 10, ground - 3.5, 3.8); wheel(cr, 40, ground - 3.5, 3.8); lamp(cr, 46, 31.5);
}

void taxi(cairo_t* cr, rgb body) {
    poly(cr, {{5, 37}, {5, 27}, {9, 26}, {11, 19}, {31, 19}, {34, 26}, {45, 28}, {45, 37}}); vgrad(cr, 19, 37, body);
    poly(cr, {{12, 26}, {13, 21}, {20, 21}, {20, 26}}); glass(cr);
    poly(cr, {{22, 21}, {30, 21}, {32, 26}, {22, 26}}); glass(cr);
    rrect(cr, 16, 14, 10, 4.5, 1); set(cr, hex(0xf6f0d0)); cairo_fill_preserve(cr); outline(cr, 0.7);
    for (int k = 0; k < 6; ++k) { cairo_rectangle(cr, 5 + k * 6.6, 32.5, 3.3, 1.8); }
    set(cr, pal::ink); cairo_fill(cr);
    wheel(cr, 13, ground - 5, 5.2); wheel(cr, 37, ground - 5, 5.2);
}

// Coming head-on: the only car seen from the front.
void police_car(cairo_t* cr, rgb body) {
    cairo_rectangle(cr, 10, 34, 6, 6.5); cairo_rectangle(cr, 34, 34, 6, 6.5);
    set(cr, hex(0x23232b)); cairo_fill(cr);
    poly(cr, {{15, 25}, {18, 17}, {32, 17}, {35, 25}}); vgrad(cr, 17, 25, body);
    poly(cr, {{17, 24}, {19.5, 18.5}, {30.5, 18.5}, {33, 24}}); glass(cr);
    rrect(cr, 8, 24, 34, 12, 3); vgrad(cr, 24, 36, body);
    cairo_rectangle(cr, 8.5, 29, 33, 3); set(cr, hex(0x2f5fb5)); cairo_fill(cr);
    rrect(cr, 19, 30.5, 12, 4.5, 1); set(cr, hex(0x3a3a44)); cairo_fill_preserve(cr); outline(cr, 0.6);
    cairo_arc(cr, 13, 27.5, 2, 0, 2 * M_PI); cairo_new_sub_path(cr); cairo_arc(cr, 37, 27.5, 2, 0, 2 * M_PI);
    set(cr, hex(0xffe680)); cairo_fill_preserve(cr); outline(cr, 0.6);
    cairo_rectangle(cr, 19, 13.5, 6, 3.5); set(cr, hex(0x2f6fe5)); cairo_fill_preserve(cr); outline(cr, 0.6);
    cairo_rectangle(cr, 25, 13.5, 6, 3.5); set(cr, hex(0xe53935)); cairo_fill_preserve(cr); outline(cr, 0.6);
}

void ambulance(cairo_t* cr, rgb body) {
    poly(cr, {{4, 37}, {4, 14}, {32, 14}, {32, 19}, {39, 19}, {46, 27}, {46, 37}}); vgrad(cr, 14, 37, body);
    poly(cr, {{34, 21}, {38.5, 21}, {44, 27}, {34, 27}}); glass(cr);
    cairo_rectangle(cr, 15, 18, 4, 12); cairo_rectangle(cr, 11, 22, 12, 4);
    set(cr, hex(0xd32f2f)); cairo_fill(cr);
    cairo_rectangle(cr, 25, 11, 5, 3); set(cr, hex(0x2f6fe5)); cairo_fill_preserve(cr); outline(cr, 0.6);
    wheel(cr, 12, ground - 4, 4.5); wheel(cr, 38, ground - 4, 4.5);
}

void tractor(cairo_t* cr, rgb body) {
    poly(cr, {{14, 33}, {14, 24}, {32, 24}, {32, 12}, {42, 12}, {42, 33}}); vgrad(cr, 12, 33, body);
    poly(cr, {{34, 14}, {40, 14}, {40, 22}, {34, 22}}); glass(cr);
    cairo_move_to(cr, 20, 24); cairo_line_to(cr, 20, 14); outline(cr, 1.8, hex(0x44474f));
    wheel(cr, 37, ground - 9.5, 9.5); wheel(cr, 11, ground - 5, 5);
}

void monster_truck(cairo_t* cr, rgb body) {
    poly(cr, {{6, 25}, {6, 19}, {22, 19}, {25, 12}, {35, 12}, {39, 19}, {45, 20}, {45, 25}}); vgrad(cr, 12, 25, body);
    poly(cr, {{26, 14}, {34, 14}, {37, 19}, {26, 19}}); glass(cr);
    cairo_move_to(cr, 14, 25); cairo_line_to(cr, 12, 30); cairo_move_to(cr, 37, 25); cairo_line_to(cr, 38, 30);
    outline(cr, 1.6, hex(0x6a6a72));
    wheel(cr, 12, ground - 8.5, 8.5); wheel(cr, 38, ground - 8.5, 8.5);
}

// Running boards and a spare.
void vintage_car(cairo_t* cr, rgb body) {
    poly(cr, {{6, 31}, {6, 16}, {22, 16}, {22, 24}, {32, 24}, {32, 31}}); vgrad(cr, 16, 31, hex(0x2a2a33));
    cairo_rectangle(cr, 8, 18, 12, 6); glass(cr);
    cairo_rectangle(cr, 32, 25, 10, 6); vgrad(cr, 25, 31, body);
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 36); cairo_curve_to(cr, 5, 29, 15, 29, 17, 34); cairo_line_to(cr, 33, 34);
    cairo_curve_to(cr, 35, 29, 45, 29, 47, 36); cairo_close_path(cr); vgrad(cr, 29, 36, body);
    lamp(cr, 43, 26);
    wheel(cr, 10, ground - 4.5, 4.5); wheel(cr, 40, ground - 4.5, 4.5);
}

// A pop-up roof.
void camper(cairo_t* cr, rgb body) {
    poly(cr, {{4, 37}, {4, 20}, {36, 20}, {45, 29}, {45, 37}}); vgrad(cr, 20, 37, hex(0xf0ead8));
    cairo_rectangle(cr, 4, 30, 41, 3); set(cr, body); cairo_fill(cr);
    poly(cr, {{8, 20}, {30, 20}, {30, 13}}); vgrad(cr, 13, 20, body);
    cairo_rectangle(cr, 7, 22, 8, 6); glass(cr);
    cairo_rectangle(cr, 17, 22, 8, 6); glass(cr);
    poly(cr, {{36, 22}, {43, 29}, {36, 29}}); glass(cr);
    wheel(cr, 12, ground - 4, 4.5); wheel(cr, 37, ground - 4, 4.5);
}

void cement_mixer(cairo_t* cr, rgb body) {
    cairo_save(cr); cairo_translate(cr, 18, 23); cairo_rotate(cr, -0.35);
    ellipse(cr, 0, 0, 14, 8.5); fill_grad_outline(cr, -8, 8, hex(0xf2b84a), hex(0x9a6412), pal::ink, 1);
    for (int k = -2; k <= 2; ++k) { cairo_move_to(cr, k * 5 - 2, -7.8); cairo_line_to(cr, k * 5 + 2, 7.8); }
    outline(cr, 0.8, hex(0x7a4a0a));
    cairo_restore(cr);
    poly(cr, {{35, 37}, {35, 19}, {41, 19}, {46, 27}, {46, 37}}); vgrad(cr, 19, 37, body);
    poly(cr, {{37, 21}, {40.5, 21}, {44, 27}, {37, 27}}); glass(cr);
    cairo_rectangle(cr, 4, 33, 42, 3); set(cr, pal::ink); cairo_fill(cr);
    wheel(cr, 10, ground - 4, 4); wheel(cr, 20, ground - 4, 4); wheel(cr, 40, ground - 4, 4);
}

// A crane and hook.
void tow_truck(cairo_t* cr, rgb body) {
    poly(cr, {{20, 37}, {20, 19}, {29, 19}, {35, 27}, {46, 28}, {46, 37}}); vgrad(cr, 19, 37, body);
    poly(cr, {{22, 21}, {28, 21}, {32.5, 27}, {22, 27}}); glass(cr);
    cairo_rectangle(cr, 4, 31, 16, 4); vgrad(cr, 31, 35, shade(body, 0.7));
    cairo_move_to(cr, 18, 31); cairo_line_to(cr, 7, 12); outline(cr, 2.4, hex(0x4a4f5c));
    cairo_move_to(cr, 7, 12); cairo_line_to(cr, 7, 22); outline(cr, 0.8);
    cairo_new_path(cr); cairo_arc(cr, 8.5, 23.5, 1.8, M_PI * 0.9, M_PI * 2.4); outline(cr, 1.2);
    wheel(cr, 11, ground - 4, 4); wheel(cr, 38, ground - 4, 4.5);
}

// A cone on the roof.
void ice_cream_van(cairo_t* cr, rgb body) {
    poly(cr, {{4, 37}, {4, 20}, {33, 20}, {40, 27}, {46, 29}, {46, 37}}); vgrad(cr, 20, 37, body);
    cairo_rectangle(cr, 9, 23, 16, 7); glass(cr);
    poly(cr, {{34, 22}, {38.5, 27}, {34, 27}}); glass(cr);
    poly(cr, {{14, 18}, {20, 18}, {17, 8}}); vgrad(cr, 8, 18, hex(0xd9a35a));
    cairo_arc(cr, 17, 17, 3.8, M_PI, 2 * M_PI); set(cr, hex(0xf08ab8)); cairo_fill_preserve(cr); outline(cr, 0.7);
    wheel(cr, 12, ground - 4, 4.5); wheel(cr, 38, ground - 4, 4.5);
}

// A helmeted driver.
void go_kart(cairo_t* cr, rgb body) {
    poly(cr, {{5, 35}, {8, 31}, {40, 31}, {45, 34}, {45, 36}, {5, 36}}); vgrad(cr, 31, 36, body);
    cairo_arc(cr, 24, 21, 4.2, 0, 2 * M_PI); set(cr, hex(0xf0d040)); cairo_fill_preserve(cr); outline(cr, 0.8);
    cairo_rectangle(cr, 24, 19.5, 4.2, 2.5); glass(cr);
    poly(cr, {{20, 31}, {22, 25}, {27, 25}, {29, 31}}); vgrad(cr, 25, 31, hex(0x2f6fb5));
    cairo_move_to(cr, 28, 26); cairo_line_to(cr, 33, 28); outline(cr, 1.3);
    wheel(cr, 11, ground - 4, 4); wheel(cr, 39, ground - 4, 4);
}

void bulldozer(cairo_t* cr, rgb body) {
    rrect(cr, 8, 30, 28, 10, 5); set(cr, hex(0x33333b)); cairo_fill_preserve(cr); outline(cr, 0.8);
    for (int k = 0; k < 5; ++k) { cairo_arc(cr, 13 + k * 4.5, 35, 1.8, 0, 2 * M_PI); set(cr, hex(0x8a8f9a)); cairo_fill(cr); }
    poly(cr, {{10, 30}, {10, 22}, {18, 22}, {18, 13}, {30, 13}, {30, 22}, {34, 22}, {34, 30}}); vgrad(cr, 13, 30, body);
    cairo_rectangle(cr, 20, 15, 8, 6); glass(cr);
    poly(cr, {{38, 20}, {44, 19}, {46, 40}, {40, 40}}); vgrad(cr, 19, 40, hex(0x9aa0aa));
    cairo_move_to(cr, 34, 27); cairo_line_to(cr, 39, 26); outline(cr, 2, hex(0x4a4f5c));
}

// A low wedge with a spoiler.
void sports_car(cairo_t* cr, rgb body) {
    poly(cr, {{4, 36}, {4, 29}, {16, 27}, {24, 23}, {31, 24}, {46, 32}, {46, 36}}); vgrad(cr, 23, 36, body);
    poly(cr, {{19, 27}, {24.5, 24.5}, {30.5, 25.5}, {35, 28}}); glass(cr);
    poly(cr, {{3, 22}, {11, 22}, {11, 24}, {3, 24}}); vgrad(cr, 22, 24, shade(body, 0.6));
    cairo_move_to(cr, 7, 24); cairo_line_to(cr, 7, 28); outline(cr, 1.2);
    wheel(cr, 12, ground - 4, 4.3); wheel(cr, 38, ground - 4, 4.3);
}

// Tall, with a roof rack.
void four_by_four(cairo_t* cr, rgb body) {
    poly(cr, {{4, 35}, {4, 19}, {30, 19}, {36, 26}, {46, 27}, {46, 35}}); vgrad(cr, 19, 35, body);
    poly(cr, {{6, 21}, {15, 21}, {15, 26}, {6, 26}}); glass(cr);
    poly(cr, {{17, 21}, {29, 21}, {33.5, 26}, {17, 26}}); glass(cr);
    cairo_rectangle(cr, 6, 15, 22, 2); set(cr, pal::ink); cairo_fill(cr);
    for (int k = 0; k < 4; ++k) { cairo_rectangle(cr, 7 + k * 6.5, 16.5, 1.2, 2.5); cairo_fill(cr); }
    cairo_rectangle(cr, 9, 11.5, 14, 3.5); vgrad(cr, 11.5, 15, hex(0x8a5a32));
    wheel(cr, 12, ground - 5.5, 5.5); wheel(cr, 38, ground - 5.5, 5.5);
}

void scooter(cairo_t* cr, rgb body) {
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 35); cairo_curve_to(cr, 8, 27, 20, 27, 22, 32); cairo_line_to(cr, 32, 32);
    cairo_line_to(cr, 36, 16); cairo_line_to(cr, 39, 16); cairo_line_to(cr, 36, 35); cairo_close_path(cr);
    vgrad(cr, 16, 35, body);
    cairo_move_to(cr, 34, 16); cairo_line_to(cr, 41, 15); outline(cr, 1.6);
    cairo_arc(cr, 20, 13, 3.6, 0, 2 * M_PI); set(cr, hex(0xe9b48a)); cairo_fill_preserve(cr); outline(cr, 0.7);
    poly(cr, {{17, 17}, {23, 17}, {24, 28}, {16, 28}}); vgrad(cr, 17, 28, hex(0x2f6fb5));
    cairo_move_to(cr, 22, 20); cairo_line_to(cr, 35, 17); outline(cr, 1.6, hex(0x2f6fb5));
    wheel(cr, 12, ground - 5, 5); wheel(cr, 38, ground - 5, 5);
}

// Facing left, size, and how far it is parked off the middle.
struct car_pose { bool left; double size, shift; };

struct car {
    const char* name;
    void (*draw)(cairo_t* cr, rgb body);
    rgb body;
    car_pose pose;
};

// Cars of much one body would share an outline side-on; facing either way and at three
// sizes, standing on the same road, no two of them do.
const car pictures[] = {
    {"caravan", caravan, tint::green, {false, 1.0, 0}},
    {"tuk_tuk", tuk_tuk, hex(0x2f8f5a), {true, .9, 2}},
    {"canoe_estate", canoe_estate, hex(0xaab4c2), {true, .96, 0}},
    {"milk_float", milk_float, tint::purple, {false, .92, 2}},
    {"roadster", roadster, hex(0xf2c230), {true, 1.0, 0}},
    {"pickup", pickup, hex(0xc0392b), {true, .86, -5}},
    {"delivery_van", delivery_van, hex(0x2f4f9a), {false, .92, -3}},
    {"coach", coach, tint::indigo, {true, .86, 4}},
    {"double_decker", double_decker, tint::green, {false, 1.0, 0}},
    {"box_lorry", box_lorry, tint::teal, {true, 1.0, 0}},
    {"tanker", tanker, tint::red, {true, .84, -4}},
    {"tipper", tipper, tint::purple, {false, .86, 5}},
    {"fire_engine", fire_engine, hex(0xd0302a), {false, 1.0, 0}},
    {"racer", racer, tint::blue, {true, .8, -6}},
    {"beetle", beetle, hex(0x8a5a32), {true, 1.0, 0}},
    {"jeep", jeep, tint::indigo, {false, 1.0, 0}},
    {"limousine", limousine, hex(0x2a2a33), {true, 1.0, 0}},
    {"taxi", taxi, hex(0xf2c230), {true, .86, 5}},
    {"police_car", police_car, hex(0xe8ecf2), {false, 1.0, 0}},
    {"ambulance", ambulance, hex(0xe9ecef), {true, 1.0, 0}},
    {"tractor", tractor, hex(0x3f9f4a), {true, 1.0, 0}},
    {"monster_truck", monster_truck, tint::blue, {true, .84, -6}},
    {"vintage_car", vintage_car, tint::orange, {true, .86, 5}},
    {"camper", camper, tint::indigo, {true, .8, 0}},
    {"cement_mixer", cement_mixer, tint::green, {true, .84, 5}},
    {"tow_truck", tow_truck, tint::teal, {false, 1.0, 0}},
    {"ice_cream_van", ice_cream_van, hex(0xf2d7e6), {true, .8, -7}},
    {"go_kart", go_kart, hex(0xf08a2c), {true, .9, 2}},
    {"bulldozer", bulldozer, hex(0xf2b632), {false, 1.0, 0}},
    {"sports_car", sports_car, tint::blue, {false, .9, -3}},
    {"four_by_four", four_by_four, tint::orange, {true, .9, 3}},
    {"scooter", scooter, tint::indigo, {true, 1.0, 0}},
};
static_assert(std::size(pictures) == pictures_per_set, "a sheet deals 32 cars");

void draw(cairo_t* cr, int picture) {
    // Sky, a kerb and the road.
    cairo_rectangle(cr, 0, 0, 50, 50);
    fill_pat(cr, lin(0, 3, 0, 38, hex(0xcfe7f7), hex(0xf4f1e6)));
    cairo_rectangle(cr, 0, 41, 50, 9);
    fill_pat(cr, lin(0, 41, 0, 50, hex(0x6d7079), hex(0x44474f)));
    set(cr, hex(0xe8dfa0));
    for (int x = 2; x < 50; x += 10) { cairo_rectangle(cr, x, 45, 5, 1.2); }
    cairo_fill(cr);
    const car& c = pictures[picture];
    cairo_save(cr);
    cairo_translate(cr, 25 + c.pose.shift, ground);
    cairo_scale(cr, c.pose.left ? -c.pose.size : c.pose.size, c.pose.size);
    cairo_translate(cr, -25, -ground);
    c.draw(cr, c.body);
    cairo_restore(cr);
}

}  // namespace

const card_set_art car_set = {
    res_cars, "cars.bmp", {hex(0xe0604e), hex(0x7d1f16), pal::gold} /* racing red */, draw};

}  // namespace art
