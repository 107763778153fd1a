// The four card sets: what their pictures share, and how the rest of the generator
// reaches a set (by the resource id its sheet is linked under).
#pragma once
#include "art.h"

#include <initializer_list>
#include <utility>

namespace art {

// Every set deals this many pictures: its table lists them in sheet order.
constexpr int pictures_per_set = 32;

// The band round a card face, in the set's own colours.
struct frame_style { rgb band_a, band_b, inner; };

struct card_set_art {
    int sheet_id;      // its BITMAP resource (resources/resource_ids.h)
    const char* file;  // its sheet in the resource folder, as pairwick.rc names it
    frame_style frame;
    void (*draw)(cairo_t* cr, int picture);  // picture: a row of the set's table
};

extern const card_set_art castle_set, flower_set, car_set, blazon_set;
// nullptr for an id that is no card set's.
const card_set_art* find_card_set(int sheet_id);

void draw_card_face(cairo_t* cr, const card_set_art& cards, int picture);  // 50x50 at the origin
// 10x5 cells of 50x50; the cells past the dealt pictures repeat them.
image card_sheet(const card_set_art& cards);

// Roof and body colours the castles and cars choose from.
namespace tint {
inline constexpr rgb red = hex(0xc0392b), blue = hex(0x2f6fb5), green = hex(0x2e8b57),
                     purple = hex(0x7b3f8f), orange = hex(0xd9822b), teal = hex(0x1f8a8a),
                     crimson = hex(0xa8324a), indigo = hex(0x3b4f9a);
}

using poly_points = std::initializer_list<std::pair<double, double>>;
void poly(cairo_t* cr, poly_points pts);  // a closed path through the points
void outline(cairo_t* cr, double lw = 1.0, rgb c = pal::ink);
// Fill the current path shaded from light at y0 to dark at y1, then outline it.
void vgrad(cairo_t* cr, double y0, double y1, rgb c, double lw = 1.0);

}  // namespace art
