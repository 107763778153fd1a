#pragma once
#include <windows.h>

#include <memory>

#include "gfx/animation.h"

// One card of the board. It draws from a shared card sheet and from its picture's
// shared removal animations; it owns no graphics object.
class cards {
public:
    bool removed;
    bool face_up;
    bool exploding;
    bool smashing;
    int picture;
    int x;
    int y;
    HDC sheet_dc;
    HDC mask_dc;

    void render(HDC hdc);
    bool mouse_hit(unsigned int mx, unsigned int my) const;
};

// The card sheets and the per-picture explosion and smash strips, made once at start.
class cards_res {
public:
    HBITMAP sheet[4];
    HBITMAP mask[4];
    HDC sheet_dc[4];
    HDC mask_dc[4];
    // The one explosion and the one smash, read and keyed once: every picture's strip
    // shows them with its own frame and clock, the same pixels as 64 copies.
    masked_picture dynamite_picture;
    masked_picture hammer_picture;
    animation dynamite[64];
    animation hammer[64];

    cards_res();
    ~cards_res();
    cards_res(const cards_res&) = delete;
    cards_res& operator=(const cards_res&) = delete;

    void assign_card_set(const std::unique_ptr<cards> (&board)[64], int card_mode);
};

extern cards_res* res;

// Sheet slot of a card mode, drawing the random set's mode with draw_random();
// -1 for a mode that has no set.
int card_set_slot(int card_mode, int (*draw_random)());
// The standard library's generator, seeded once at start: the deal, the random card set
// and the dynamite all draw from it.
int standard_rand();
