#pragma once
#include <windows.h>

#include <memory>

#include "board/cards.h"
#include "gfx/draw_cache.h"
#include "gfx/loadbmp.h"

// The 8x8 board on its field picture: the deal, the card records and their drawing.
class play_field {
public:
    load_bmp background;
    std::unique_ptr<cards> card[64];
    int pictures[64];
    // The field with a card back on every place: a frame copies it once instead of
    // drawing 64 backs, and redraws only the cards that show something else.
    draw_cache backs;

    void load();
    void place_random();
    void reset();
    void render(HDC hdc);
    bool is_level_finished() const;
    void remove();
};

// Fills positions 0..63 in order, each with a draw % 32 redrawn until the picture still
// has a copy to place: every picture lands exactly twice.
void deal_pictures(int (&pictures)[64], int (*draw_random)());
// True while some picture has both its cards on the board.
bool whole_pair_left(const play_field& field);
int card_left(int index);
int card_top(int index);
