#pragma once
// The four card sets, in the options screen's order. The one place that ties a set's card
// mode (options.ini), caption, sheet resource and sheet slot together; the game, its tests
// and the art generator all read it. Plain C++ so that the art generator, a host program,
// can include it too.
#include "resource_ids.h"
#include "text/marks.h"

struct card_set {
    int card_mode;        // the value options.ini keeps
    const char* caption;  // its radio button on the options screen, in English
    int sheet_id;         // its BITMAP resource, also that radio button's command id
    int slot;             // its place among cards_res's sheets
};

constexpr int card_set_count = 4;
constexpr card_set card_sets[card_set_count] = {
    // TRANSLATORS: the four sets of card pictures, as the Options screen offers them.
    {2, tr_noop("Castles"), res_castles, 0},
    {1, tr_noop("Cars"), res_cars, 2},
    {3, tr_noop("Flowers"), res_flowers, 3},
    {0, tr_noop("Blazons"), res_blazons, 1},
};
// The mode that draws one of the four at random for every level.
constexpr int random_card_mode = 4;
