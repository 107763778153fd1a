#include "app/view.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "game/game.h"
#include "gfx/button.h"
#include "gfx/text.h"
#include "resources/resource_ids.h"

view main_view;

namespace {
constexpr int picture_width = 800;
constexpr int picture_height = 600;

// Rounds towards minus infinity, as a pixel's index must.
int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

bool same_word(const char* word, std::size_t length, const char* wanted) {
    if (std::strlen(wanted) != length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(word[i])) != wanted[i]) return false;
    return true;
}

const DWORD windowed_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

MONITORINFO monitor_info(HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) {
        const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        info.rcMonitor = info.rcWork = screen;
    }
    return info;
}

HMONITOR primary_monitor() {
    const POINT origin = {0, 0};
    return MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY);
}

struct button_layout {
    HFONT font;
    // All of them with the font, or only those that moved in the picture since.
    bool every_button;
};

BOOL CALLBACK place_button(HWND child, LPARAM how) {
    auto* b = reinterpret_cast<button*>(GetWindowLongPtrA(child, GWLP_USERDATA));
    const auto& layout = *reinterpret_cast<const button_layout*>(how);
    if (!b || GetParent(child) != game.window || (b->laid_out && !layout.every_button))
        return TRUE;
    const RECT game_rect = {b->x, b->y, b->x + b->width, b->y + b->height};
    const RECT r = to_client(main_view.place, game_rect);
    // A hidden button is drawn when it shows.
    const BOOL shown = IsWindowVisible(child);
    MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, shown);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(layout.font), shown);
    b->laid_out = true;
    return TRUE;
}
}  // namespace

bool same_place(const placement& a, const placement& b) {
    return a.scale == b.scale && a.left == b.left && a.top == b.top;
}

window_mode mode_from_command_line(const char* command_line) {
    window_mode mode = window_mode::plain;
    const char* p = command_line ? command_line : "";
    while (*p) {
        while (*p == ' ' || *p == '\t') ++p;
        const char* word = p;
        while (*p && *p != ' ' && *p != '\t') ++p;
        const std::size_t length = static_cast<std::size_t>(p - word);
        if (same_word(word, length, "/window")) mode = window_mode::windowed;
        if (same_word(word, length, "/fullscreen")) mode = window_mode::full_screen;
    }
    return mode;
}

int window_scale(int work_width, int work_height, int frame_width, int frame_height) {
    const int across = (work_width - frame_width) / picture_width;
    const int down = (work_height - frame_height) / picture_height;
    const int scale = across < down ? across : down;
    return scale < 1 ? 1 : scale;
}

placement centred(int width, int height) {
    const int across = width / picture_width;
    const int down = height / picture_height;
    int scale = across < down ? across : down;
    if (scale < 1) scale = 1;
    return {scale, (width - picture_width * scale) / 2, (height - picture_height * scale) / 2};
}

bool to_game(const placement& place, int x, int y, int& game_x, int& game_y) {
    game_x = floor_div(x - place.left, place.scale);
    game_y = floor_div(y - place.top, place.scale);
    return game_x >= 0 && game_x < picture_width && game_y >= 0 && game_y < picture_height;
}

RECT to_client(const placement& place, const RECT& game) {
    return {place.left + game.left * place.scale, place.top + game.top * place.scale,
            place.left + game.right * place.scale, place.top + game.bottom * place.scale};
}

RECT to_game_rect(const placement& place, const RECT& client) {
    const int s = place.scale;
    return {clamp(floor_div(client.left - place.left, s), 0, picture_width),
            clamp(floor_div(client.top - place.top, s), 0, picture_height),
            clamp(floor_div(client.right - place.left + s - 1, s), 0, picture_width),
            clamp(floor_div(client.bottom - place.top + s - 1, s), 0, picture_height)};
}

DWORD view::style() const {
    return (mode == window_mode::windowed ? windowed_style : WS_POPUP) | WS_VISIBLE;
}

RECT view::initial_rect(window_mode requested) {
    mode = requested;
    if (mode == window_mode::windowed) return windowed_rect(primary_monitor());
    if (mode == window_mode::full_screen) {
        const RECT whole = monitor_info(primary_monitor()).rcMonitor;
        place = centred(whole.right - whole.left, whole.bottom - whole.top);
        return whole;
    }
    place = {1, 0, 0};
    return {0, 0, picture_width, picture_height};
}

RECT view::windowed_rect(HMONITOR monitor) {
    const RECT work = monitor_info(monitor).rcWork;
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, windowed_style, FALSE, 0);
    const int frame_width = frame.right - frame.left;
    const int frame_height = frame.bottom - frame.top;
    const int work_width = work.right - work.left;
    const int work_height = work.bottom - work.top;
    const int scale = window_scale(work_width, work_height, frame_width, frame_height);
    place = {scale, 0, 0};
    const int width = picture_width * scale + frame_width;
    const int height = picture_height * scale + frame_height;
    // Centred, but never with its caption above the work area.
    const int left = work.left + (work_width - width) / 2;
    const int top = work.top + (work_height - height > 0 ? (work_height - height) / 2 : 0);
    return {left, top, left + width, top + height};
}

void view::attach(HWND window) {
    if (mode != window_mode::plain) {
        // The plain start keeps the class's icon; a window of its own shows the game's.
        HINSTANCE module = GetModuleHandleA(nullptr);
        for (WPARAM kind : {WPARAM{ICON_BIG}, WPARAM{ICON_SMALL}}) {
            const bool big = kind == ICON_BIG;
            HANDLE icon = LoadImageA(module, MAKEINTRESOURCEA(res_icon), IMAGE_ICON,
                                     GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON),
                                     GetSystemMetrics(big ? SM_CYICON : SM_CYSMICON),
                                     LR_SHARED);
            if (icon) SendMessageA(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
        }
    }
    layout_buttons(window);
}

void view::layout_buttons(HWND window) {
    button::focus_scale = place.scale;
    const bool every_button = !font || !same_place(place, laid_out);
    if (!every_button && button::moves == laid_out_moves) return;
    if (every_button) place_dialog();
    laid_out = place;
    laid_out_moves = button::moves;
    // The game's own font at the picture's scale: the same letters whatever the desktop's
    // DPI does to the stock font, which would not fit the buttons at 150 %.
    HFONT previous = font;
    if (!font || place.scale != font_scale) {
        const LOGFONTW face = game_font(place.scale);
        font = CreateFontIndirectW(&face);
        font_scale = place.scale;
    }
    const button_layout how = {font, every_button};
    EnumChildWindows(window, place_button, reinterpret_cast<LPARAM>(&how));
    if (previous && previous != font) DeleteObject(previous);
}

void view::attach_dialog(HWND made) {
    dialog = made;
    RECT client;
    GetClientRect(dialog, &client);
    made_size = {client.right, client.bottom};
    made_controls.clear();
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        made_controls.push_back({c, r});
    }
    place_dialog();
}

void view::place_dialog() {
    if (!dialog) return;
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    // At scale 1 in a window it keeps its template's size, larger or on the whole screen it
    // grows with the picture; it always stands on the board, wherever the window was moved.
    const bool as_made = place.scale == 1 && mode != window_mode::full_screen;
    const double grow = as_made ? 1.0 : place.scale * 96.0 / (dpi > 0 ? dpi : 96);
    const int height = -static_cast<int>(11.0 * dpi / 96 * grow + 0.5);
    if (!dialog_font || height != dialog_font_height) {
        // Eight points at 96 dpi, plain, in the game's face, which has every script a name
        // may be typed in.
        LOGFONTW face = game_font(1);
        face.lfHeight = height;
        face.lfWidth = 0;
        face.lfWeight = FW_NORMAL;
        HFONT previous = dialog_font;
        dialog_font = CreateFontIndirectW(&face);
        dialog_font_height = height;
        for (const auto& c : made_controls)
            SendMessageW(c.first, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font), TRUE);
        if (previous) DeleteObject(previous);
    }
    const auto grown = [grow](LONG v) { return static_cast<LONG>(v * grow + 0.5); };
    for (const auto& c : made_controls) {
        const RECT& r = c.second;
        MoveWindow(c.first, grown(r.left), grown(r.top), grown(r.right) - grown(r.left),
                   grown(r.bottom) - grown(r.top), TRUE);
    }
    RECT frame = {0, 0, grown(made_size.cx), grown(made_size.cy)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    const int width = frame.right - frame.left, tall = frame.bottom - frame.top;
    const RECT board = to_client(place, {200, 0, 800, 600});
    POINT centre = {(board.left + board.right) / 2, (board.top + board.bottom) / 2};
    ClientToScreen(game.window, &centre);
    SetWindowPos(dialog, nullptr, centre.x - width / 2, centre.y - tall / 2, width, tall,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void view::enter(HWND window, window_mode to) {
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    const window_mode from = mode;
    mode = to;
    RECT r;
    if (to == window_mode::full_screen) {
        if (from != window_mode::full_screen) GetWindowRect(window, &last_window);
        r = monitor_info(monitor).rcMonitor;
        place = centred(r.right - r.left, r.bottom - r.top);
    } else {
        r = windowed_rect(monitor);
        // Back where it was before full screen, where it is the same size.
        const bool same_size = last_window.right - last_window.left == r.right - r.left &&
                               last_window.bottom - last_window.top == r.bottom - r.top;
        if (from == window_mode::full_screen && same_size) r = last_window;
    }
    SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>(style()));
    SetWindowPos(window, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    attach(window);
    InvalidateRect(window, nullptr, FALSE);
}

void view::toggle(HWND window) {
    if (mode == window_mode::plain) {
        // The desktop's own mode back before the window is sized for it.
        if (holds_display_mode) ChangeDisplaySettingsA(nullptr, 0);
        holds_display_mode = mode_given_back = false;
        enter(window, window_mode::windowed);
    } else {
        enter(window, mode == window_mode::windowed ? window_mode::full_screen
                                                    : window_mode::windowed);
    }
}

void view::limit_size(MINMAXINFO& limits) const {
    // A screen too small for the picture and the frame must not cut the picture: the
    // window may stand out of it instead.
    if (mode != window_mode::windowed) return;
    RECT frame = {0, 0, picture_width * place.scale, picture_height * place.scale};
    AdjustWindowRectEx(&frame, windowed_style, FALSE, 0);
    limits.ptMaxTrackSize.x = std::max<LONG>(limits.ptMaxTrackSize.x, frame.right - frame.left);
    limits.ptMaxTrackSize.y = std::max<LONG>(limits.ptMaxTrackSize.y, frame.bottom - frame.top);
}

void view::display_changed(HWND window) {
    // The plain start's own mode change comes here too; it keeps its corner.
    if (mode != window_mode::plain) enter(window, mode);
}

void view::activate_app(HWND window, bool active) {
    if (mode != window_mode::plain) return;
    if (!active && holds_display_mode) {
        // Another program gets the desktop as its user set it.
        ChangeDisplaySettingsA(nullptr, 0);
        holds_display_mode = false;
        mode_given_back = true;
        ShowWindow(window, SW_MINIMIZE);
    } else if (active && mode_given_back) {
        mode_given_back = false;
        holds_display_mode = ChangeDisplaySettingsA(&game.display_mode, CDS_FULLSCREEN) ==
                             DISP_CHANGE_SUCCESSFUL;
        ShowWindow(window, SW_RESTORE);
        SetWindowPos(window, HWND_TOP, 0, 0, picture_width, picture_height, 0);
    }
}

void view::release() {
    if (font) DeleteObject(font);
    font = nullptr;
    if (dialog_font) DeleteObject(dialog_font);
    dialog_font = nullptr;
    dialog = nullptr;
    font_scale = 1;
    laid_out = {1, 0, 0};
}
