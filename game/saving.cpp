#include "game/game.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "gfx/ticks.h"
#include "resources/card_sets.h"
#include "text/language.h"
#include "text/utf8.h"

namespace {
// The card mode of the set the board shows; -1 when it shows none.
int card_set_on_board(const play_field& field) {
    for (const card_set& set : card_sets)
        if (field.card[0]->sheet_dc && field.card[0]->sheet_dc == res->sheet_dc[set.slot])
            return set.card_mode;
    return -1;
}
bool ask_yes(HWND owner, const char* text, const char* caption) {
    return message_box(owner, widen(text).c_str(), widen(caption).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void warn(HWND owner, const char* text, const char* caption) {
    message_box(owner, widen(text).c_str(), widen(caption).c_str(), MB_OK | MB_ICONWARNING);
}
}  // namespace

bool game::in_progress() const { return !is_game_over(); }

saved_game game::snapshot() const {
    saved_game s = {};
    s.saved_at = static_cast<std::int64_t>(std::time(nullptr));
    s.level = level;
    s.minutes = minutes;
    s.seconds = seconds;
    s.points = points;
    s.hammers = hammers;
    s.stopwatches = stopwatches;
    s.hourglasses = hourglasses;
    s.dynamites = dynamites;
    s.hammers_used = hammers_used;
    s.stopwatches_used = stopwatches_used;
    s.hourglasses_used = hourglasses_used;
    s.dynamites_used = dynamites_used;
    s.in_shop = in_shop;
    const std::uint32_t frozen_for = current_tick() - freeze_start;
    s.freeze_elapsed = frozen ? static_cast<int>(frozen_for > 10000 ? 10000 : frozen_for) : -1;
    s.card_mode = card_mode;
    s.card_set = card_set_on_board(field);
    std::memcpy(s.pictures, field.pictures, sizeof s.pictures);
    // A card on its way out is gone, and so is a matched pair that the next frame removes.
    const bool match_pending = picks == 2 && first_picture == second_picture;
    for (int i = 0; i < 64; ++i) {
        const cards& c = *field.card[i];
        s.removed[i] = c.removed || c.exploding || c.smashing ||
                       (match_pending && (i == first_pick || i == second_pick));
    }
    // A pair leaves together: a card whose partner is gone goes with it.
    for (int i = 0; i < 64; ++i)
        for (int j = i + 1; j < 64; ++j)
            if (s.pictures[i] == s.pictures[j] && s.removed[i] != s.removed[j])
                s.removed[i] = s.removed[j] = true;
    return s;
}

void game::restore(const saved_game& s) {
    std::memcpy(field.pictures, s.pictures, sizeof field.pictures);
    field.reset();
    for (int i = 0; i < 64; ++i) field.card[i]->removed = s.removed[i];
    bool present[64];
    cards_on_board(field, present);
    highlight = next_card(present, -1, 0, 0);
    // The set the board had, also when the random mode drew it.
    res->assign_card_set(field.card, s.card_set);
    card_mode = s.card_mode;
    sound = opts.sound;
    level = s.level;
    set_time(0, s.minutes, s.seconds);
    points = s.points;
    hammers = s.hammers;
    stopwatches = s.stopwatches;
    hourglasses = s.hourglasses;
    dynamites = s.dynamites;
    hammers_used = s.hammers_used;
    stopwatches_used = s.stopwatches_used;
    hourglasses_used = s.hourglasses_used;
    dynamites_used = s.dynamites_used;
    in_shop = s.in_shop;
    playing = !in_shop;
    if (in_shop) stock_the_shop();
    hammer_armed = false;
    frozen = s.freeze_elapsed >= 0;
    if (frozen) freeze_start = current_tick() - static_cast<std::uint32_t>(s.freeze_elapsed);
    picks = 0;
    busy = false;
    ended_game_taken = false;
    ++game_number;
    if (in_shop) shop_keys.open(current_tick(), settling_time);
}

void game::open_slots(bool saving) {
    main_menu.hide();
    saves.open(saving, in_progress());
    screen = saving ? screen_save : screen_load;
    repaint();
}

void game::leave_slots() {
    saves.hide();
    leave_for_menu();
    repaint();
}

void game::choose_slot(int slot) {
    if (screen == screen_save) {
        if (!in_progress()) return;
        saved_game there;
        const slot_state state = read_slot(slot, there);
        if (state != slot_state::empty) {
            const char* question =
                state == slot_state::saved
                    ? tr("Slot %d already holds a saved game. Replace it with this game?")
                    : tr("Slot %d holds a damaged file. Replace it with this game?");
            if (!ask_yes(window, format(question, slot + 1).c_str(), tr("Save game"))) return;
        }
        const saved_game now = snapshot();
        if (!saved_game_is_playable(now) || !write_slot(slot, now)) {
            warn(window, tr("The game could not be saved."), tr("Save game"));
            open_slots(true);
            return;
        }
        // Back to the menu, from which Continue goes on exactly where the game was.
        leave_slots();
    } else if (screen == screen_load) {
        saved_game saved;
        const slot_state state = read_slot(slot, saved);
        if (state != slot_state::saved) {
            // The file changed since the screen read it.
            const char* what = state == slot_state::empty
                                   ? tr("Slot %d is empty.")
                                   : tr("Slot %d is damaged and cannot be loaded.");
            warn(window, format(what, slot + 1).c_str(), tr("Load game"));
            open_slots(false);
            return;
        }
        restore(saved);
        saves.hide();
        screen = screen_play;
        repaint();
    }
}
