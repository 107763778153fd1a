#include "app/pairwick.h"

#include <cstdlib>
#include <ctime>
#include <cwctype>
#include <string>

#include "app/frames.h"
#include "app/instruments.h"
#include "app/view.h"
#include "files/player_files.h"
#include "game/click_sound.h"
#include "game/game.h"
#include "game/keyboard.h"
#include "gfx/button.h"
#include "gfx/ticks.h"
#include "resources/resource_ids.h"
#include "text/language.h"
#include "text/utf8.h"

namespace {
// A Unicode window: the letters typed reach the game whatever the system's code page.
const wchar_t* const class_name = L"Pairwick";
// The name field holds 255 characters and its NUL.
constexpr int max_name_length = 255;
}  // namespace

void create_children(HWND window) {
    game.main_menu.create(window);
    instruments::mark("menu_buttons");
    game.opts.create_buttons(window);
    game.saves.create_buttons(window);
    instruments::mark("options_buttons");
    game.field.reset();
    instruments::mark("board_cards");
    // A Unicode dialog: its box keeps a name in any script as typed.
    game.name_dialog = CreateDialogParamW(GetModuleHandleW(nullptr),
                                          MAKEINTRESOURCEW(res_name_dialog), window,
                                          EnterYourName, 0);
    if (game.name_dialog) {
        SendDlgItemMessageW(game.name_dialog, id_name_edit, EM_LIMITTEXT, max_name_length, 0);
        // Enter presses Ok.
        SendMessageW(game.name_dialog, DM_SETDEFID, id_name_ok, 0);
        ShowWindow(game.name_dialog, SW_HIDE);
        main_view.attach_dialog(game.name_dialog);
    }
    // Focus and underlined letters show once the keyboard is used, as in Windows' dialogs.
    button::hide_keyboard_cues(window);
    instruments::mark("name_dialog");
}

void paint_frame(HDC target) { window_frame.paint_whole(target); }

namespace {
// Client pixels the window lost, which the frame of this paint message copies in full.
const RECT* exposed = nullptr;

void present_frame(HDC target) {
    window_frame.present(target, main_view.place, exposed);
    pacer.frame_done(game.window);
}

// The picture goes to the window as it changes, also outside paint messages and outside
// the lost pixels of one, so through a DC of its own that never paints over a button.
HDC window_dc(HWND window) { return GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPCHILDREN); }

void paint(HWND window) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    HDC target = window_dc(window);
    exposed = &ps.rcPaint;
    instruments::paint(window, target, present_frame);
    exposed = nullptr;
    ReleaseDC(window, target);
    EndPaint(window, &ps);
}

// A frame that was due: none while the window is minimised (the clock stands still, as
// whenever no frame is drawn), and none when a paint message is on its way with one.
void paced_frame(HWND window) {
    RECT pending;
    if (IsIconic(window)) {
        KillTimer(window, frame_pacer::timer_id);
        return;
    }
    if (GetUpdateRect(window, &pending, FALSE)) return;
    HDC target = window_dc(window);
    instruments::paint(window, target, present_frame);
    ReleaseDC(window, target);
}

// A click on the picture reaches the game in game pixels; one on the black around it, none.
// The keyboard's highlight is put away: the mouse is in use.
void click(HWND window, LPARAM position) {
    game.highlight_shown = false;
    int x, y;
    if (to_game(main_view.place, static_cast<short>(LOWORD(position)),
                static_cast<short>(HIWORD(position)), x, y))
        game.lbuttondown(MAKELPARAM(x, y));
    pacer.input(window);
}

// An armed hammer shows over the board as a cross: the next click strikes there.
bool over_armed_board(HWND window) {
    POINT at;
    int x, y;
    return game.hammer_armed && game.screen == screen_play && game.playing &&
           GetCursorPos(&at) && ScreenToClient(window, &at) &&
           to_game(main_view.place, at.x, at.y, x, y) && x >= 200;
}

// Said once, at the end: while the game runs, the high-score screen says the results wait.
void warn_results_lost() {
    // TRANSLATORS: %s is the path of the high-score file.
    const std::string text = format(
        tr("Pairwick could not write this session's results into its high-score table, %s: "
           "the folder cannot be written, or another copy of Pairwick kept the table busy. "
           "Those results are lost."),
        player_file(score_file_name).c_str());
    message_box(nullptr, widen(text).c_str(), L"Pairwick", MB_OK | MB_ICONWARNING);
}

bool alt_enter(const MSG& message) {
    return message.message == WM_SYSKEYDOWN && message.wParam == VK_RETURN;
}
}  // namespace

void route_to_game(MSG& message) {
    // Every key is the game's, also while one of its buttons has the focus; the buttons
    // are pressed through the game's own table of keys.
    const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    if (key && GetAncestor(message.hwnd, GA_PARENT) == game.window) message.hwnd = game.window;
}

bool name_dialog_key(MSG& message) {
    HWND dialog = game.name_dialog;
    if (!dialog || (message.hwnd != dialog && !IsChild(dialog, message.hwnd))) return false;
    // Alt+Enter is the window's, wherever the focus is; the dialog keeps the keyboard.
    if (alt_enter(message)) {
        MSG routed = message;
        routed.hwnd = game.window;
        DispatchMessageW(&routed);
        SetActiveWindow(dialog);
        return true;
    }
    // Not heard: as if never pressed. What the fingers typed on the board, or still type
    // for a moment after the dialog appears, never becomes a name or an Ok.
    if (!game.name_keys.hears(message.message, message.wParam,
                              (message.lParam & key_repeat_bit) != 0,
                              current_tick()))
        return true;
    // Escape presses Cancel; the close box, which sends the same IDCANCEL, does nothing.
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id_name_cancel, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id_name_cancel)));
        return true;
    }
    // Tab, Enter and the underlined letters, as in any dialog.
    return IsDialogMessageW(dialog, &message) != FALSE;
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_TIMER:
        if (wparam == frame_pacer::timer_id) paced_frame(window);
        return 0;
    case WM_KEYDOWN:
        if (!instruments::key(window, wparam))
            game.keydown(wparam, (lparam & key_repeat_bit) != 0, current_tick());
        return 0;
    case WM_CHAR:
        game.char_typed(static_cast<wchar_t>(wparam), (lparam & key_repeat_bit) != 0);
        return 0;
    case WM_SYSKEYDOWN:
        // Once per press: a held key's repeats would flicker between the two modes.
        if (wparam == VK_RETURN && !(lparam & key_repeat_bit)) main_view.toggle(window);
        // Still the default's, which then knows that Alt went with another key: let go
        // first, Alt alone would open the system menu and take the next Escape.
        return DefWindowProcW(window, message, wparam, lparam);
    case WM_COMMAND:
        // A clicked button took the focus: the window keeps it, for the game's keys.
        if (lparam) SetFocus(window);
        game.command(static_cast<std::uint32_t>(wparam));
        // A new language's captions may have made buttons wider.
        main_view.layout_buttons(window);
        return 0;
    case WM_LBUTTONDOWN:
        click(window, lparam);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lparam) == HTCLIENT && over_armed_board(window)) {
            SetCursor(LoadCursorA(nullptr, IDC_CROSS));
            return TRUE;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    case WM_MOVE:
        main_view.place_dialog();
        return 0;
    case WM_GETMINMAXINFO:
        main_view.limit_size(*reinterpret_cast<MINMAXINFO*>(lparam));
        return 0;
    case WM_ACTIVATEAPP:
        main_view.activate_app(window, wparam != FALSE);
        return 0;
    case WM_DISPLAYCHANGE:
        // Another size, colour depth or refresh rate: the picture is placed as at start and
        // the kept one made again.
        main_view.display_changed(window);
        window_frame.release();
        pacer.read_refresh_rate();
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ENDSESSION:
        // The session is ending (a logoff): the process is ended after this without
        // leaving the loop, so the exit's write, with its patience, happens here.
        if (wparam) game.scores.close();
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

namespace {
// The typed name, or "" for one of nothing but spaces.
std::wstring typed_name(HWND dialog) {
    const int length = GetWindowTextLengthW(GetDlgItem(dialog, id_name_edit));
    if (length <= 0) return std::wstring();
    std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(
        GetDlgItemTextW(dialog, id_name_edit, &typed[0], length + 1)));
    for (const wchar_t c : typed)
        if (!std::iswspace(c)) return typed;
    return std::wstring();
}

// For the first result waiting: the keys that answered the one before do not answer it.
void ask_for_name(HWND dialog) {
    game.name_dialog_shown();
    HWND edit = GetDlgItem(dialog, id_name_edit);
    PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
}
}  // namespace

INT_PTR CALLBACK EnterYourName(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_SHOWWINDOW && wparam) {
        // Over the board, at the picture's scale, with the caret in the box.
        main_view.place_dialog();
        ask_for_name(dialog);
        return FALSE;
    }
    if (message != WM_COMMAND) return FALSE;
    const int id = LOWORD(wparam);
    if (id == id_name_ok) {
        const std::wstring typed = typed_name(dialog);
        if (typed.empty()) {
            // TRANSLATORS: said when Ok is pressed in the name box with no name typed.
            message_box(dialog, widen(tr("You didn't enter anything!")).c_str(),
                        widen(tr("Warning")).c_str(), MB_OK);
            return TRUE;
        }
        if (!game.results_waiting.empty()) {
            score_entry result = game.results_waiting.front().result;
            store_name(result, narrow(typed));
            game.scores.enter(result);
            // On disk at once: a killed process or an ended session runs no destructors.
            game.scores.save();
        }
    } else if (id != id_name_cancel) {
        // Also the close box (id 2): the dialog stays until Ok or Cancel.
        return TRUE;
    }
    game.result_answered();
    if (IsWindowVisible(dialog)) ask_for_name(dialog);
    return TRUE;
}

HWND create_main_window(HINSTANCE instance, window_mode mode) {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = WndProc;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    window_class.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.lpszClassName = class_name;
    if (!RegisterClassExW(&window_class)) return nullptr;
    const RECT r = main_view.initial_rect(mode);
    return CreateWindowExW(0, class_name, class_name, main_view.style(), r.left, r.top,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance,
                           nullptr);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    // Windows would otherwise enlarge the whole window as a bitmap on a high-DPI desktop,
    // blurred, after choosing the scale from a desktop smaller than the real one.
    SetProcessDPIAware();
    instruments::start();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    HWND window = create_main_window(instance, mode_from_command_line(command_line));
    if (!window) return 0;
    game.window = window;
    main_view.attach(window);
    instruments::mark("window_created");
    main_view.holds_display_mode = game.initialize(main_view.mode == window_mode::plain);
    pacer.read_refresh_rate();
    instruments::mark("intro");
    // The title screen first; what the screens after it need is made while it shows,
    // before any key or click is taken.
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    res = new cards_res;
    instruments::mark("card_resources");
    create_children(window);
    game.apply_language();
    // Captions in another language may have made buttons wider; the new ones take the
    // picture's place and font.
    main_view.layout_buttons(window);
    instruments::mark("language");
    click_sound::prepare();
    MSG message;
    // Wide messages: a letter typed into the name box in any script arrives whole.
    while (GetMessageW(&message, nullptr, 0, 0)) {
        if (name_dialog_key(message)) continue;
        route_to_game(message);
        // Alt+Enter is the game's: translated, it would only make the system beep.
        if (!alt_enter(message)) TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    instruments::stop();
    if (!game.scores.close()) warn_results_lost();
    game.quit();
    window_frame.release();
    main_view.release();
    delete res;
    res = nullptr;
    return static_cast<int>(message.wParam);
}
