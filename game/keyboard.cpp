#include "game/keyboard.h"

#include <cstddef>
#include <cwchar>

#include "game/game.h"
#include "gfx/button.h"
#include "gfx/ticks.h"
#include "resources/resource_ids.h"
#include "text/language.h"
#include "text/utf8.h"

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

// The keys of a screen of buttons: the focus moves, Space and Enter press the focused
// button. Where `enter` names a default button, Enter presses it unless the focus is on
// another push button, as in Windows' dialogs. Returns whether it acted.
bool button_key(const button* const* buttons, int count, WPARAM key,
                const button* enter = nullptr) {
    const button* focused = focused_button(buttons, count);
    if (const int step = focus_step(key)) {
        move_focus(buttons, count, focused ? step : 1);
    } else if (key == VK_RETURN && enter && !(focused && focused->is_push_button())) {
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

void key_gate::open(std::uint32_t now, std::uint32_t settle) {
    since = now + settle;
    pressed_here.reset();
}

bool key_gate::hears(UINT message, WPARAM key, bool repeat, std::uint32_t pressed) {
    const std::size_t k = key & 0xFF;
    if (message == WM_KEYUP || message == WM_SYSKEYUP) {
        pressed_here.reset(k);
        return true;
    }
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return true;
    if (repeat) return pressed_here.test(k);
    if (static_cast<std::int32_t>(pressed - since) < 0) return false;
    pressed_here.set(k);
    return true;
}

namespace {
// The one message box up at a time, and the hooks that give it the gate's rule.
HHOOK box_keys_hook = nullptr;
HHOOK box_shown_hook = nullptr;
key_gate box_keys;

LRESULT CALLBACK box_keys_filter(int code, WPARAM wparam, LPARAM lparam) {
    const MSG* m = reinterpret_cast<const MSG*>(lparam);
    if (code == MSGF_DIALOGBOX) {
        // Not heard: as if the key had never been pressed.
        if (!box_keys.hears(m->message, m->wParam, (m->lParam & key_repeat_bit) != 0,
                            GetTickCount()))
            return TRUE;
        // Windows' Yes/No box ignores Escape; ours takes it as No, as a player expects.
        if (m->message == WM_KEYDOWN && m->wParam == VK_ESCAPE &&
            GetDlgItem(GetAncestor(m->hwnd, GA_ROOT), IDNO)) {
            PostMessageW(GetAncestor(m->hwnd, GA_ROOT), WM_COMMAND, IDNO, 0);
            return TRUE;
        }
    }
    return CallNextHookEx(box_keys_hook, code, wparam, lparam);
}

LRESULT CALLBACK box_shown(int code, WPARAM wparam, LPARAM lparam) {
    HWND box = reinterpret_cast<HWND>(wparam);
    wchar_t kind[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(box, kind, 16) && std::wcscmp(kind, L"#32770") == 0) {
        // On screen from its activation: what was pressed before was meant for something else.
        box_keys.open(GetTickCount(), settling_time);
        // Its buttons in the game's language, not the system's, their letters too.
        const struct {
            int id;
            const char* caption;
        } buttons[] = {
            // TRANSLATORS: the buttons of the game's message boxes; the letter after &
            // answers.
            {IDOK, tr("OK")}, {IDYES, tr("&Yes")}, {IDNO, tr("&No")}};
        for (const auto& b : buttons)
            if (GetDlgItem(box, b.id)) SetDlgItemTextW(box, b.id, widen(b.caption).c_str());
    }
    return CallNextHookEx(box_shown_hook, code, wparam, lparam);
}
}  // namespace

int message_box(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    box_keys.open(GetTickCount(), settling_time);
    const DWORD thread = GetCurrentThreadId();
    box_keys_hook = SetWindowsHookExW(WH_MSGFILTER, box_keys_filter, nullptr, thread);
    box_shown_hook = SetWindowsHookExW(WH_CBT, box_shown, nullptr, thread);
    // Before anything is replaced or lost, Enter keeps it.
    if ((type & MB_TYPEMASK) == MB_YESNO) type = (type & ~MB_DEFMASK) | MB_DEFBUTTON2;
    const int answer = MessageBoxW(owner, text, caption, type);
    if (box_shown_hook) UnhookWindowsHookEx(box_shown_hook);
    if (box_keys_hook) UnhookWindowsHookEx(box_keys_hook);
    box_shown_hook = box_keys_hook = nullptr;
    return answer;
}

void game::keydown(WPARAM key, bool repeat, std::uint32_t pressed) {
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
        button_key(main_menu.buttons, key);
        break;
    case screen_play:
        if (key == VK_ESCAPE)
            leave_for_menu();
        else if (in_shop)
            shop_key(key, pressed);
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

void game::char_typed(wchar_t typed, bool repeat) {
    // The menu's underlined letters, as the player's keyboard types them in any script.
    if (repeat || screen != screen_menu || typed <= L' ') return;
    main_menu.show();
    if (const button* b = main_menu.button_of_letter(typed)) b->press();
    repaint();
}

void game::leave_for_menu() {
    main_menu.can_continue = in_progress();
    show_menu();
}

void game::show_menu() {
    screen = screen_menu;
    // Enter goes on with the game left, never throws it away.
    if (main_menu.can_continue) button::keyboard_focus = &main_menu.buttons[0];
}

void game::board_key(WPARAM key) {
    if (!playing) return;
    const int d = digit(key);
    if (d == 1 && hammer_armed) {
        // Put down again, unspent.
        hammer_armed = false;
    } else if (d >= 1 && d <= 4) {
        // A click on the sprite, whatever it does there: with the hammer armed, that click
        // is the hammer's blow, which falls on no card.
        const animation* sprites[] = {&bar.hammer, &bar.stopwatch, &bar.hourglass,
                                      &bar.dynamite};
        const animation& s = *sprites[d - 1];
        lbuttondown(MAKELPARAM(s.last_x + s.frame_width / 2, s.last_y + s.frame_height / 2));
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

void game::shop_key(WPARAM key, std::uint32_t pressed) {
    // Keys meant for the board's last pair never buy or skip anything.
    if (!shop_keys.hears(WM_KEYDOWN, key, false, pressed)) return;
    const int d = digit(key);
    if (d >= 1 && d <= 4)
        buy_power_up(power_hammer + d - 1);
    else if (is_press(key))
        next_level();
}

void game::options_key(WPARAM key) {
    // The radio buttons down the screen, then Back and Save along its foot; Enter saves
    // from a radio button.
    const button* buttons[9 + max_language_buttons];
    int n = 0;
    for (int i = 2; i < 9; ++i) buttons[n++] = &opts.buttons[i];
    for (int l = 0; l < opts.language_count; ++l) buttons[n++] = &opts.language_buttons[l];
    buttons[n++] = &opts.buttons[0];
    buttons[n++] = &opts.buttons[1];
    button_key(buttons, n, key, &opts.buttons[1]);
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
