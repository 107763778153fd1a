// What the four card sets share: path helpers, the frame, the sheet, and the list of
// sets the generator draws.
#include "cards.h"


namespace art {

void poly(cairo_t* cr, poly_points pts) {
    cairo_new_path(cr);
    for (auto& p : pts) cairo_line_to(cr, p.first, p.second);
    cairo_close_path(cr);
}

void outline(cairo_t* cr, double lw, rgb c) {
    set(cr, c);
    cairo_set_line_width(cr, lw);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void vgrad(cairo_t* cr, double y0, double y1, rgb c, double lw) {
    fill_grad_outline(cr, y0, y1, shade(c, 1.35), shade(c, 0.72), pal::ink, lw);
}

namespace {

void frame(cairo_t* cr, const frame_style& f) {
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

const card_set_art* const all_sets[] = {&castle_set, &flower_set, &car_set, &blazon_set};

}  // namespace

const card_set_art* find_card_set(int sheet_id) {
    for (const card_set_art* s : all_sets)
        if (s->sheet_id == sheet_id) return s;
    return nullptr;
}

void draw_card_face(cairo_t* cr, const card_set_art& cards, int picture) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 50, 50);
    cairo_clip(cr);
    cairo_new_path(cr);
    cards.draw(cr, picture);
    frame(cr, cards.frame);
    cairo_restore(cr);
}

image card_sheet(const card_set_art& cards) {
    canvas c(500, 250);
    cairo_rectangle(c.cr, 0, 0, 500, 250);
    cairo_set_source_rgb(c.cr, 1, 1, 1);
    cairo_fill(c.cr);
    for (int cell = 0; cell < 50; ++cell) {
        int p = cell % pictures_per_set;  // cells beyond the dealt range repeat designs
        cairo_t* cr = c.cr;
        cairo_save(cr);
        cairo_translate(cr, (cell % 10) * 50, (cell / 10) * 50);
        draw_card_face(cr, cards, p);
        cairo_restore(cr);
    }
    return c.opaque();
}

}  // namespace art
