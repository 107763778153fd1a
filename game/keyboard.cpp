#include <cstddef>

#include "game/game.h"
#include "gfx/button.h"
#include "resources/resource_ids.h"

// Every key does what a click on the same screen does, through the same functions; only
// the way to a place differs (the board's highlight, the buttons' focus).

namespace {
bool is_press(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

// 1 to 9, from the row of digits or the number pad; -1 for any other key.
int digit(WPARAM key) {
    if (key >= '1' && key <= '9') return static_cast<int>(key - '0');
    if (key >= VK_NUMPAD1 && key <= VK_NUMPAD9) return static_cast<int>(key - VK_NUMPAD0);
    return -1;
}

// Tab and the arrows go from button to button: forward, back, or not at all.
int focus_step(WPARAM key) {
    switch (key) {
    case VK_TAB:
        return GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    case VK_DOWN:
    case VK_RIGHT:
        return 1;
    case VK_UP:
    case VK_LEFT:
        return -1;
    default:
        return 0;
    }
}

// The keys of a screen of buttons: the focus moves, Space presses the focused button (and
// Enter too, unless `enter` names the button it always presses). Returns whether it acted.
bool button_key(const button* const* buttons, int count, WPARAM key,
                const button* enter = nullptr) {
    const button* focused = focused_button(buttons, count);
    if (const int step = focus_step(key)) {
        move_focus(buttons, count, focused ? step : 1);
    } else if (key == VK_RETURN && enter) {
        enter->press();
    } else if (is_press(key)) {
        // Nothing focused yet: the first key shows where the keyboard is.
        if (focused)
            focused->press();
        else
            move_focus(buttons, count, 1);
    } else {
        return false;
    }
    button::show_keyboard_cues(GetParent(buttons[0]->hwnd));
    return true;
}

template <std::size_t n>
bool button_key(const button (&row)[n], WPARAM key) {
    const button* buttons[n];
    for (std::size_t i = 0; i < n; ++i) buttons[i] = &row[i];
    return button_key(buttons, static_cast<int>(n), key);
}
}  // namespace

void game::keydown(WPARAM key, bool repeat) {
    if (repeat && !focus_step(key)) return;
    switch (screen) {
    case screen_intro:
        if (key == VK_ESCAPE || is_press(key)) {
            screen = screen_menu;
            main_menu.can_continue = false;
        }
        break;
    case screen_menu:
        // Keys may come before the frame that shows the menu's buttons.
        main_menu.show();
        if (const button* b = main_menu.button_of_letter(key))
            b->press();
        else
            button_key(main_menu.buttons, key);
        break;
    case screen_play:
        if (key == VK_ESCAPE)
            leave_for_menu();
        else if (in_shop)
            shop_key(key);
        else
            board_key(key);
        break;
    case screen_save:
    case screen_load:
        slots_key(key);
        break;
    // Looking elsewhere from the menu never takes the way back into the game away.
    case screen_high_scores:
    case screen_help:
        if (key == VK_ESCAPE || is_press(key)) leave_for_menu();
        break;
    case screen_options:
        if (key == VK_ESCAPE)
            command(id_back);
        else
            options_key(key);
        break;
    default:
        break;
    }
    repaint();
}

void game::leave_for_menu() {
    screen = screen_menu;
    main_menu.can_continue = in_progress();
}

void game::board_key(WPARAM key) {
    if (!playing) return;
    const int d = digit(key);
    if (d == 1 && hammer_armed) {
        // Put down again, unspent.
        hammer_armed = false;
    } else if (d >= 1 && d <= 4) {
        use_power_up(power_hammer + d - 1);
    } else if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
        bool present[64];
        cards_on_board(field, present);
        // The first arrow shows the highlight where it stands; it moves from then on.
        if (highlight_shown && highlight >= 0)
            highlight = next_card(present, highlight, (key == VK_RIGHT) - (key == VK_LEFT),
                                  (key == VK_DOWN) - (key == VK_UP));
        else if (highlight < 0 || !present[highlight])
            highlight = next_card(present, -1, 0, 0);
        highlight_shown = true;
    } else if (is_press(key) && highlight_shown && highlight >= 0 && highlight < 64) {
        // A click on the highlighted card, whatever it does there.
        if (!field.card[highlight]->removed)
            lbuttondown(MAKELPARAM(card_left(highlight) + 25, card_top(highlight) + 25));
    } else if (is_press(key)) {
        highlight_shown = true;
    }
}

void game::shop_key(WPARAM key) {
    const int d = digit(key);
    if (d >= 1 && d <= 4)
        buy_power_up(power_hammer + d - 1);
    else if (is_press(key))
        next_level();
}

void game::options_key(WPARAM key) {
    // The radio buttons down the screen, then Back and Save along its foot; Enter saves.
    const button* buttons[9];
    for (int i = 0; i < 7; ++i) buttons[i] = &opts.buttons[i + 2];
    buttons[7] = &opts.buttons[0];
    buttons[8] = &opts.buttons[1];
    button_key(buttons, 9, key, &opts.buttons[1]);
}

void game::slots_key(WPARAM key) {
    const button* buttons[saved_game_slots + 1];
    for (int i = 0; i < saved_game_slots; ++i) buttons[i] = &saves.slot_buttons[i];
    buttons[saved_game_slots] = &saves.back;
    const int d = digit(key);
    if (key == VK_ESCAPE)
        leave_slots();
    else if (d >= 1 && d <= saved_game_slots)
        saves.slot_buttons[d - 1].press();
    else
        button_key(buttons, saved_game_slots + 1, key);
}
