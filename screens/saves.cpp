#include "screens/saves.h"

#include <cstdio>

#include "gfx/text.h"
#include "resources/card_sets.h"
#include "resources/resource_ids.h"
#include "screens/infobar.h"
#include "text/utf8.h"

namespace {
constexpr int first_row = 180;
constexpr int row_step = 40;

const char* set_caption(int card_mode) {
    for (const card_set& set : card_sets)
        if (set.card_mode == card_mode) return set.caption;
    return "none";
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
    // In the wide calls: the player's locale may name the hours in any script.
    wchar_t date[64] = {};
    wchar_t time[64] = {};
    if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, 64) ||
        !GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &when, nullptr, time, 64))
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
                  ? std::string("Random (") + set_caption(game.card_set) + ")"
                  : set_caption(game.card_set);
    c.saved = local_time_text(game.saved_at);
    return c;
}

void saves_screen::create_buttons(HWND parent) {
    for (int i = 0; i < saved_game_slots; ++i) {
        char caption[16];
        std::snprintf(caption, sizeof caption, "Slot %d", i + 1);
        slot_buttons[i].push_button(parent, caption, 100, first_row + row_step * i, 100, 20,
                                    id_slot_1 + i);
        slot_buttons[i].hide_button();
    }
    back.push_button(parent, "Back", 350, 570, 100, 20, id_slots_back);
    back.hide_button();
    save_title.load("other/save_title.bmp", 278, 40, 20);
    load_title.load("other/load_title.bmp", 278, 40, 20);
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
    const char* guide = !saving   ? "Click a saved game to play on from where it was saved."
                        : can_save ? "Click a slot to keep the game in progress there."
                                   : "There is no game to save.";
    draw_text(surface, 220, 100, guide);
    static const struct {
        const char* heading;
        int x;
    } columns[5] = {{"Level", 220}, {"Time", 290}, {"Points", 380}, {"Cards", 460},
                    {"Saved", 600}};
    for (const auto& c : columns) draw_text(surface, c.x, 150, c.heading);
    for (int i = 0; i < saved_game_slots; ++i) {
        const int y = first_row + row_step * i + 2;
        if (states[i] == slot_state::empty) {
            draw_text(surface, columns[0].x, y, "Empty");
        } else if (states[i] == slot_state::damaged) {
            draw_text(surface, columns[0].x, y, "Damaged: this file cannot be loaded");
        } else {
            const slot_columns text = describe_saved_game(games[i]);
            const std::string* values[5] = {&text.level, &text.clock, &text.points, &text.cards,
                                            &text.saved};
            for (int c = 0; c < 5; ++c) draw_text(surface, columns[c].x, y, values[c]->c_str());
        }
    }
}
