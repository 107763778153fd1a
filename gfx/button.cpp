#include "gfx/button.h"

#include <string>

#include "gfx/text.h"
#include "text/utf8.h"

int button::focus_scale = 1;
unsigned button::moves = 0;
bool button::keyboard_cues = false;
const button* button::keyboard_focus = nullptr;

namespace {
WNDPROC standard_button = nullptr;

bool push_style(HWND hwnd) {
    const LONG_PTR type = GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// A dotted frame of scale-sized dots, inside the bevel of a push button or around a radio
// button and its caption.
void draw_focus(HWND hwnd, HDC dc) {
    RECT r;
    GetClientRect(hwnd, &r);
    const int s = button::focus_scale;
    if (push_style(hwnd)) InflateRect(&r, -4, -4);
    const COLORREF previous = SetDCBrushColor(dc, RGB(0, 0, 0));
    const auto dot = [&](int x, int y) {
        const RECT d = {x, y, x + s, y + s};
        FillRect(dc, &d, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    };
    for (int x = r.left; x + s <= r.right; x += 2 * s) {
        dot(x, r.top);
        dot(x, r.bottom - s);
    }
    for (int y = r.top + 2 * s; y + 2 * s <= r.bottom; y += 2 * s) {
        dot(r.left, y);
        dot(r.right - s, y);
    }
    SetDCBrushColor(dc, previous);
}

LRESULT CALLBACK game_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = CallWindowProcW(standard_button, hwnd, message, wparam, lparam);
    if (message == WM_PAINT && button::keyboard_cues && button::keyboard_focus &&
        button::keyboard_focus->hwnd == hwnd) {
        HDC dc = GetDC(hwnd);
        draw_focus(hwnd, dc);
        ReleaseDC(hwnd, dc);
    }
    return result;
}

void repaint(const button* b) {
    if (b && b->hwnd) InvalidateRect(b->hwnd, nullptr, TRUE);
}

// A Unicode button, so a caption in any language shows whatever the system's code page.
HWND make_button(HWND parent, const char* caption, int x, int y, int width, int height, int id,
                 DWORD style) {
    // Hidden until its screen shows it.
    HWND made = CreateWindowExW(0, L"Button", widen(caption).c_str(),
                                WS_CHILD | style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                                nullptr);
    if (made) {
        const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(game_button)));
        if (!standard_button) standard_button = previous;
    }
    return made;
}
}  // namespace

void button::push_button(HWND parent, const char* caption, int left, int top, int w, int h,
                         int id) {
    place(make_button(parent, caption, left, top, w, h, id, BS_DEFPUSHBUTTON), left, top, w, h);
}

void button::radio_button(HWND parent, const char* caption, int left, int top, int w, int h,
                          int id, int extra_style) {
    place(make_button(parent, caption, left, top, w, h, id,
                      BS_AUTORADIOBUTTON | static_cast<DWORD>(extra_style)),
          left, top, w, h);
}

void button::place(HWND made, int left, int top, int w, int h) {
    hwnd = made;
    x = left;
    y = top;
    width = w;
    height = h;
    // The window finds the button's game place through its handle when the scale changes.
    if (hwnd) SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Made after the window laid its buttons out (as the language buttons are): placed next.
    laid_out = false;
    ++moves;
}

// ShowWindow on a null handle would act on nothing useful; a failed creation stays inert.
void button::show_button() {
    if (hwnd) ShowWindow(hwnd, SW_SHOW);
}

void button::hide_button() {
    if (hwnd) ShowWindow(hwnd, SW_HIDE);
}

bool button::usable() const { return hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

void button::set_caption(const char* utf8) {
    if (hwnd) SetWindowTextW(hwnd, widen(utf8).c_str());
}

int button::width_for_caption() const {
    if (!hwnd) return width;
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, &caption[0], length + 1)));
    std::wstring shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    const int text = text_width(nullptr, narrow(shown).c_str());
    // A push button's bevel and a little air either side; a radio button's circle and the
    // gap after it.
    return text + (is_push_button() ? 16 : 20);
}

void button::move(int left, int w) {
    if (left == x && w == width) return;
    x = left;
    width = w;
    laid_out = false;
    ++moves;
}

bool button::is_push_button() const { return hwnd && push_style(hwnd); }

void button::press() const {
    if (usable()) SendMessageA(hwnd, BM_CLICK, 0, 0);
}

namespace {
// Windows hands a window's new UI state down to its children; Wine does not, so each
// button is told as well.
void change_ui_state(HWND parent, WORD action, WORD flags) {
    SendMessageA(parent, WM_CHANGEUISTATE, MAKEWPARAM(action, flags), 0);
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), 0);
}
}  // namespace

void button::hide_keyboard_cues(HWND parent) {
    keyboard_cues = false;
    // The standard focus mark never shows: the focus frame is ours, at the picture's scale.
    change_ui_state(parent, UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL);
}

void button::show_keyboard_cues(HWND parent) {
    if (keyboard_cues) return;
    keyboard_cues = true;
    change_ui_state(parent, UIS_CLEAR, UISF_HIDEACCEL);
    repaint(keyboard_focus);
}

const button* focused_button(const button* const* buttons, int count) {
    for (int i = 0; i < count; ++i)
        if (buttons[i]->usable() && buttons[i] == button::keyboard_focus) return buttons[i];
    return nullptr;
}

const button* move_focus(const button* const* buttons, int count, int step) {
    const button* focused = focused_button(buttons, count);
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (buttons[i] == focused) at = i;
    for (int n = 0; n < count; ++n) {
        at = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
        if (buttons[at]->usable()) {
            repaint(button::keyboard_focus);
            button::keyboard_focus = buttons[at];
            repaint(buttons[at]);
            return buttons[at];
        }
    }
    return nullptr;
}

wchar_t underlined_letter(const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == L'&' && caption[i + 1] != L'&') return caption[i + 1];
    return 0;
}

bool same_letter(wchar_t a, wchar_t b) {
    // CharUpper takes a single character in the low word of its pointer argument.
    const auto upper = [](wchar_t c) {
        return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
            CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
    };
    return upper(a) == upper(b);
}
