#include "app/pairwick.h"

#include "app/instruments.h"

#include <cstdlib>
#include <ctime>

#include "game/click_sound.h"
#include "game/game.h"
#include "resources/resource_ids.h"

namespace {
const char* const class_name = "Pairwick";
// The name field holds 255 characters and its NUL.
constexpr int max_name_length = 255;

void create_children(HWND window) {
    instruments::mark("window");
    game.main_menu.create(window);
    instruments::mark("menu_buttons");
    game.opts.create_buttons(window);
    game.saves.create_buttons(window);
    instruments::mark("options_buttons");
    game.field.reset();
    instruments::mark("board_cards");
    game.name_dialog = CreateDialogParamA(GetModuleHandleA(nullptr),
                                          MAKEINTRESOURCEA(res_name_dialog), window,
                                          EnterYourName, 0);
    if (game.name_dialog) {
        SendDlgItemMessageA(game.name_dialog, id_name_edit, EM_LIMITTEXT, max_name_length, 0);
        ShowWindow(game.name_dialog, SW_HIDE);
    }
    instruments::mark("name_dialog");
}
}  // namespace

void route_to_game(MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
        GetParent(message.hwnd) == game.window)
        message.hwnd = game.window;
}

void paint_frame(HDC target) {
    HDC back = CreateCompatibleDC(target);
    HBITMAP buffer = CreateCompatibleBitmap(target, 800, 600);
    HGDIOBJ previous = SelectObject(back, buffer);
    game.back_dc = back;
    game.main();
    BitBlt(target, 0, 0, 800, 600, back, 0, 0, SRCCOPY);
    SelectObject(back, previous);
    DeleteObject(buffer);
    DeleteDC(back);
    game.back_dc = nullptr;
}


LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        create_children(window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = BeginPaint(window, &paint);
        instruments::paint(window, target, paint_frame);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_KEYDOWN:
        if (!instruments::key(window, wparam)) game.keydown(wparam);
        return 0;
    case WM_COMMAND:
        game.command(static_cast<std::uint32_t>(wparam));
        return 0;
    case WM_LBUTTONDOWN:
        game.lbuttondown(lparam);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ENDSESSION:
        // The session is ending (a logoff, or Wine's desktop window closed): the process
        // is ended after this without leaving the loop, so the exit's write happens here.
        if (wparam) game.scores.save();
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

INT_PTR CALLBACK EnterYourName(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    if (message != WM_COMMAND) return FALSE;
    const int id = LOWORD(wparam);
    if (id == id_name_ok) {
        const int length = static_cast<int>(SendDlgItemMessageA(dialog, id_name_edit,
                                                                WM_GETTEXTLENGTH, 0, 0));
        if (length <= 0) {
            MessageBoxA(dialog, "You didn't enter anything!", "Warning", MB_OK);
        } else {
            score_entry result = game.ended_game;
            // Never more than the field holds, whatever the box was given.
            GetDlgItemTextA(dialog, id_name_edit, result.name, sizeof result.name);
            game.scores.enter(result);
            // On disk at once: a killed process or an ended session runs no destructors.
            game.scores.save();
            ShowWindow(dialog, SW_HIDE);
            game.screen = screen_high_scores;
        }
    } else if (id == id_name_cancel) {
        game.screen = screen_high_scores;
        ShowWindow(dialog, SW_HIDE);
    } else {
        // Also the close box (id 2): the dialog stays until Ok or Cancel.
        return TRUE;
    }
    InvalidateRect(game.window, nullptr, FALSE);
    return TRUE;
}

HWND create_main_window(HINSTANCE instance) {
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = WndProc;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    window_class.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.lpszClassName = class_name;
    if (!RegisterClassExA(&window_class)) return nullptr;
    return CreateWindowExA(0, class_name, class_name, WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                           nullptr, nullptr, instance, nullptr);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    instruments::start();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    res = new cards_res;
    instruments::mark("card_resources");
    HWND window = create_main_window(instance);
    if (!window) return 0;
    game.window = window;
    instruments::mark("window_created");
    game.initialize();
    instruments::mark("intro");
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    click_sound::prepare();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        route_to_game(message);
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    instruments::stop();
    game.quit();
    delete res;
    res = nullptr;
    return static_cast<int>(message.wParam);
}
