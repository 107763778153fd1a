#include "board/playfield.h"

#include <initializer_list>

#include "gfx/marker.h"

void deal_pictures(int (&pictures)[64], int (*draw_random)()) {
    int tally[32] = {};
    for (int& picture : pictures) {
        int r;
        do {
            r = draw_random() % 32;
        } while (tally[r] == 2);
        ++tally[r];
        picture = r;
    }
}

bool whole_pair_left(const play_field& field) {
    int on_board[32] = {};
    for (int i = 0; i < 64; ++i)
        if (!field.card[i]->removed && field.pictures[i] >= 0 && field.pictures[i] < 32)
            if (++on_board[field.pictures[i]] == 2) return true;
    return false;
}

int card_left(int index) { return 265 + 60 * (index % 8); }
int card_top(int index) { return 65 + 60 * (index / 8); }

void play_field::load() { background.load("backgrounds/field.bmp", 600, 600); }

void play_field::place_random() { deal_pictures(pictures, standard_rand); }

void play_field::reset() {
    for (int i = 0; i < 64; ++i) {
        card[i] = std::make_unique<cards>();
        card[i]->picture = pictures[i];
        card[i]->x = card_left(i);
        card[i]->y = card_top(i);
    }
    // All 64 entries, not just the dealt pictures: every strip of the new deal starts
    // from its first frame and plays once.
    for (int i = 0; i < 64; ++i) {
        card[i]->removed = card[i]->face_up = card[i]->exploding = card[i]->smashing = false;
        for (animation* strip : {&res->dynamite[i], &res->hammer[i]}) {
            strip->jump_to_frame(0);
            strip->resume();
            strip->set_repeat(0);
        }
    }
}

namespace {
// A card that would draw the card back exactly as the cached board shows it.
bool shows_plain_back(const cards& c) {
    return !c.removed && !c.face_up && !c.exploding && !c.smashing &&
           res->hammer[c.picture].frame == 0;
}
}  // namespace

void play_field::render(HDC hdc) {
    // The first frame of the smash picture is the card back.
    const masked_picture& back = res->hammer_picture;
    const auto field_with_backs = [&](HDC dc) {
        BitBlt(dc, 0, 0, 600, 600, background.image_dc, 0, 0, SRCCOPY);
        for (int i = 0; i < 64; ++i)
            draw_masked(dc, card_left(i) - 200, card_top(i), 50, 50, back.mask_dc, back.image_dc);
    };
    // Only a whole field picture makes a cache that does not depend on what lies below.
    if (!background.plain_copy || !backs.draw(hdc, 200, 0, 600, 600, field_with_backs)) {
        background.draw(hdc, 200, 0);
        for (const std::unique_ptr<cards>& c : card) c->render(hdc);
        return;
    }
    for (const std::unique_ptr<cards>& c : card) {
        if (shows_plain_back(*c)) continue;
        // Back to the bare field under this card, then its own look.
        BitBlt(hdc, c->x, c->y, 50, 50, background.image_dc, c->x - 200, c->y, SRCCOPY);
        c->render(hdc);
    }
}

bool play_field::is_level_finished() const {
    for (const std::unique_ptr<cards>& c : card)
        if (!c->removed) return false;
    return true;
}

void play_field::remove() {
    background.delete_bitmap();
    backs.release();
    for (std::unique_ptr<cards>& c : card) c.reset();
}

void cards_on_board(const play_field& field, bool (&present)[64]) {
    for (int i = 0; i < 64; ++i) present[i] = !field.card[i]->removed;
}

int next_card(const bool (&present)[64], int from, int dx, int dy) {
    if (from < 0 || from >= 64) {
        for (int i = 0; i < 64; ++i)
            if (present[i]) return i;
        return from;
    }
    // Left and Right go through the cards in reading order, across the rows' ends, so every
    // card can be reached whatever has left the board.
    if (dx)
        for (int i = from + dx; i >= 0 && i < 64; i += dx)
            if (present[i]) return i;
    if (!dy) return from;
    const int column = from % 8, row = from / 8;
    int best = from, best_cost = 0;
    for (int i = 0; i < 64; ++i) {
        if (!present[i]) continue;
        const int across = (i / 8 - row) * dy;  // along the arrow
        const int aside = i % 8 - column;
        if (across <= 0) continue;
        // A step aside costs more than any way along it.
        const int cost = (aside < 0 ? -aside : aside) * 8 + across;
        if (best == from || cost < best_cost) {
            best = i;
            best_cost = cost;
        }
    }
    return best;
}

void draw_highlight(HDC hdc, int index) {
    if (index < 0 || index >= 64) return;
    // Over the gap around the card, clear of its neighbours.
    const int left = card_left(index) - 5, top = card_top(index) - 5;
    draw_marker(hdc, {left, top, left + 60, top + 60});
}
