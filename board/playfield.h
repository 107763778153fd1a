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
// Which places still hold a card.
void cards_on_board(const play_field& field, bool (&present)[64]);
// True while some picture has both its cards on the board.
bool whole_pair_left(const play_field& field);
int card_left(int index);
int card_top(int index);
// The card an arrow key goes to from the board place `from` (-1 for none yet) in the
// direction (dx, dy): across, the next card still there in reading order; up or down, the
// nearest one in that direction, in the same column if there is one, else in the nearest
// column beyond. `from` itself when there is none; the top-left card left for a first step.
int next_card(const bool (&present)[64], int from, int dx, int dy);
// The marker around the board place `index`: where the keyboard is.
void draw_highlight(HDC hdc, int index);
