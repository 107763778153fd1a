#include "screens/saves.h"

#include <algorithm>
#include <cstdio>

#include "gfx/text.h"
#include "resources/card_sets.h"
#include "resources/resource_ids.h"
#include "screens/infobar.h"
#include "text/language.h"
#include "text/utf8.h"

namespace {
constexpr int first_row = 180;
constexpr int row_step = 40;

const char* set_caption(int card_mode) {
    for (const card_set& set : card_sets)
        if (set.card_mode == card_mode) return tr(set.caption);
    return tr("none");
}

// The local date and time in the player's own format.
std::string local_time_text(std::int64_t seconds_since_1970) {
    // Windows counts 100 ns steps from 1601.
    constexpr std::int64_t from_1601 = 11644473600;
    if (seconds_since_1970 < 0 || seconds_since_1970 > 253402300799) return "?";
    const std::uint64_t ticks =
        static_cast<std::uint64_t>(seconds_since_1970 + from_1601) * 10000000u;
    FILETIME utc = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    FILETIME local;
    SYSTEMTIME when;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &when))
        return "?";
    // In the wide calls: the locale may name the hours in any script. The language in use
    // writes dates as its speakers do; English, as the player's own region does.
    std::wstring locale = widen(language_in_use());
    for (wchar_t& c : locale)
        if (c == L'_') c = L'-';
    const wchar_t* in = locale.empty() ? LOCALE_NAME_USER_DEFAULT : locale.c_str();
    wchar_t date[64] = {};
    wchar_t time[64] = {};
    if (!GetDateFormatEx(in, DATE_SHORTDATE, &when, nullptr, date, 64, nullptr) ||
        !GetTimeFormatEx(in, TIME_NOSECONDS, &when, nullptr, time, 64))
        return "?";
    return narrow(std::wstring(date) + L" " + time);
}
}  // namespace

int slot_of_command(int id) {
    return id >= id_slot_1 && id < id_slot_1 + saved_game_slots ? id - id_slot_1 : -1;
}

slot_columns describe_saved_game(const saved_game& game) {
    slot_columns c;
    char text[40];
    std::snprintf(text, sizeof text, "%d", game.level);
    c.level = text;
    format_time(text, sizeof text, 0, game.minutes, game.seconds);
    c.clock = text;
    std::snprintf(text, sizeof text, "%d", game.points);
    c.points = text;
    c.cards = game.card_mode == random_card_mode
                  ? format(tr("Random (%s)"), set_caption(game.card_set))
                  : set_caption(game.card_set);
    c.saved = local_time_text(game.saved_at);
    return c;
}

void saves_screen::create_buttons(HWND parent) {
    for (int i = 0; i < saved_game_slots; ++i) {
        slot_buttons[i].push_button(parent, "", 100, first_row + row_step * i, 100, 20,
                                    id_slot_1 + i);
        slot_buttons[i].hide_button();
    }
    back.push_button(parent, "Back", 350, 570, 100, 20, id_slots_back);
    back.hide_button();
    save_title.load(::save_title);
    load_title.load(::load_title);
}

void saves_screen::caption_buttons() {
    // The slot buttons grow round their middles, short of the columns beside them.
    int width = 100;
    for (int i = 0; i < saved_game_slots; ++i) {
        slot_buttons[i].set_caption(format(tr("Slot %d"), i + 1).c_str());
        width = std::max(width, slot_buttons[i].width_for_caption());
    }
    for (button& b : slot_buttons) b.move(150 - width / 2, width);
    back.set_caption(tr("Back"));
    const int back_width = std::max(100, back.width_for_caption());
    back.move(400 - back_width / 2, back_width);
}

void saves_screen::open(bool for_saving, bool game_in_progress) {
    saving = for_saving;
    can_save = game_in_progress;
    for (int i = 0; i < saved_game_slots; ++i) {
        states[i] = read_slot(i, games[i]);
        const bool usable = saving ? can_save : states[i] == slot_state::saved;
        if (slot_buttons[i].hwnd) EnableWindow(slot_buttons[i].hwnd, usable);
        slot_buttons[i].show_button();
    }
    back.show_button();
}

void saves_screen::hide() {
    for (button& b : slot_buttons) b.hide_button();
    back.hide_button();
}

void saves_screen::render(HDC surface, load_bmp& backdrop) {
    backdrop.draw(surface, 0, 0);
    SetTextColor(surface, RGB(0, 0, 0));
    SetBkMode(surface, TRANSPARENT);
    (saving ? save_title : load_title).draw(surface);
    const char* guide = !saving   ? tr("Click a saved game to play on from where it was saved.")
                        : can_save ? tr("Click a slot to keep the game in progress there.")
                                   : tr("There is no game to save.");
    draw_text_in(surface, {220, 100, 790, 116}, guide);
    // Each column up to the next one's left edge.
    const struct {
        const char* heading;
        int x, right;
    } columns[5] = {{tr("Level"), 220, 285},  {tr("Time"), 290, 375}, {tr("Points"), 380, 455},
                    {tr("Cards"), 460, 595}, {tr("Saved"), 600, 790}};
    for (const auto& c : columns) draw_text_in(surface, {c.x, 150, c.right, 166}, c.heading);
    for (int i = 0; i < saved_game_slots; ++i) {
        const int y = first_row + row_step * i + 2;
        if (states[i] == slot_state::empty) {
            draw_text_in(surface, {columns[0].x, y, 790, y + 16}, tr("Empty"));
        } else if (states[i] == slot_state::damaged) {
            draw_text_in(surface, {columns[0].x, y, 790, y + 16},
                         tr("Damaged: this file cannot be loaded"));
        } else {
            const slot_columns text = describe_saved_game(games[i]);
            const std::string* values[5] = {&text.level, &text.clock, &text.points, &text.cards,
                                            &text.saved};
            for (int c = 0; c < 5; ++c)
                draw_text_in(surface, {columns[c].x, y, columns[c].right, y + 16},
                             values[c]->c_str());
        }
    }
}
