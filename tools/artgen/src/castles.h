// Shared by the files that draw the castles: castles.cpp (the table, the skies and the
// masonry) and castle_forts.cpp and castle_landmarks.cpp (the pictures).
#pragma once
#include "cards.h"

namespace art::castles {

enum class tower_top { onion, hoard };

void castle_tower(cairo_t* cr, double cx, double base, double w, double h, tower_top style, rgb stone, rgb roof,
                  bool flag);
void castle_wall(cairo_t* cr, double x0, double x1, double base, double h, rgb stone, bool gate);
void grass(cairo_t* cr);  // the meadow most castles stand on
// A round-headed opening w wide whose crown is at y and foot at y + h.
void arch_path(cairo_t* cr, double x, double y, double w, double h);
void waves(cairo_t* cr, double y0, int rows, double gap);

// The pictures, each given the stone and roof colour of its row in the table.
using draw_fn = void(cairo_t* cr, rgb stone, rgb roof);
// castle_forts.cpp
draw_fn bridge_gate, star_fort, great_banner, statue_gate, tiered_keep, stair_palace, motte_and_bailey,
    tower_house, snow_castle, ruin, walled_town, moorish_fort, cave_fortress, shell_keep, torch_gate,
    island_castle, harbour_fort, spire, hill_fort, drawbridge, causeway_castle;
// castle_landmarks.cpp
draw_fn lighthouse, pavilions, monastery, trebuchet, beacon, observatory, windmill, standing_stones, chapel,
    aqueduct, treehouse;

}  // namespace art::castles
