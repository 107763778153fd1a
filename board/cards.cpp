#include "board/cards.h"

#include <cstdlib>

#include "resources/card_sets.h"

cards_res* res = nullptr;

void cards::render(HDC hdc) {
    if (removed) return;
    if (face_up) {
        // A card without a set (handles empty) shows nothing face up.
        if (!sheet_dc || !mask_dc) return;
        const int left = 50 * (picture % 10);
        const int top = 50 * (picture / 10);
        draw_masked(hdc, x, y, 50, 50, mask_dc, sheet_dc, left, top);
        return;
    }
    // Both cards of a pair share their picture's strip. The lower index draws first and
    // takes the step; its partner then finds too little time passed and shows the same
    // frame, so both reach the end, and leave, on the same frame.
    if (exploding) {
        animation& strip = res->dynamite[picture];
        strip.update();
        strip.draw(hdc, x, y);
        if (strip.done()) removed = true;
        return;
    }
    if (smashing) {
        animation& strip = res->hammer[picture];
        strip.update();
        strip.draw(hdc, x, y);
        if (strip.done()) removed = true;
        return;
    }
    // Face down: the smash strip's first frame is the card back, never advanced here.
    res->hammer[picture].draw(hdc, x, y);
}

bool cards::mouse_hit(unsigned int mx, unsigned int my) const {
    if (removed || face_up) return false;
    const unsigned left = static_cast<unsigned>(x);
    const unsigned top = static_cast<unsigned>(y);
    return left <= mx && mx <= left + 50 && top <= my && my <= top + 50;
}

int card_set_slot(int card_mode, int (*draw_random)()) {
    if (card_mode == random_card_mode) card_mode = draw_random() % card_set_count;
    for (const card_set& set : card_sets)
        if (set.card_mode == card_mode) return set.slot;
    return -1;
}

int standard_rand() { return std::rand(); }

namespace {
void setup_strips(masked_picture& picture, animation (&strips)[64], const char* file,
                  int width, int frames) {
    picture.load(file, width, 50);
    picture.key(width, 50, 255, 255, 255);
    for (animation& strip : strips) {
        strip.share(picture, width, 50, frames);
        strip.set_delay(100);
        strip.set_repeat(0);
    }
}
}  // namespace

cards_res::cards_res() {
    setup_strips(dynamite_picture, dynamite, "cards/dynamite.bmp", 850, 17);
    setup_strips(hammer_picture, hammer, "cards/hammer.bmp", 350, 7);
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (const card_set& set : card_sets)
        sheet[set.slot] = LoadBitmapA(module, MAKEINTRESOURCEA(set.sheet_id));
    for (int s = 0; s < 4; ++s) {
        // The masks stay blank: no key on the sheets, so a face-up card is opaque.
        mask[s] = CreateBitmap(500, 250, 1, 1, nullptr);
        sheet_dc[s] = CreateCompatibleDC(nullptr);
        mask_dc[s] = CreateCompatibleDC(nullptr);
    }
    for (int s = 0; s < 4; ++s) {
        if (sheet[s]) SelectObject(sheet_dc[s], sheet[s]);
        SelectObject(mask_dc[s], mask[s]);
        PatBlt(mask_dc[s], 0, 0, 500, 250, BLACKNESS);
    }
}

cards_res::~cards_res() {
    for (int s = 0; s < 4; ++s) {
        // DCs first: a bitmap is deleted only once no DC holds it.
        DeleteDC(sheet_dc[s]);
        DeleteDC(mask_dc[s]);
        if (sheet[s]) DeleteObject(sheet[s]);
        DeleteObject(mask[s]);
    }
    dynamite_picture.release();
    hammer_picture.release();
}

void cards_res::assign_card_set(const std::unique_ptr<cards> (&board)[64], int card_mode) {
    const int slot = card_set_slot(card_mode, standard_rand);
    if (slot < 0) return;
    for (const std::unique_ptr<cards>& card : board) {
        card->sheet_dc = sheet_dc[slot];
        card->mask_dc = mask_dc[slot];
    }
}
