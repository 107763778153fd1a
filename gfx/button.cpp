#include "gfx/button.h"

namespace {
HWND make_button(HWND parent, const char* caption, int x, int y, int width, int height, int id,
                 DWORD style) {
    return CreateWindowExA(0, "Button", caption, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           nullptr, nullptr);
}
}  // namespace

void button::push_button(HWND parent, const char* caption, int x, int y, int width, int height,
                         int id) {
    hwnd = make_button(parent, caption, x, y, width, height, id, BS_DEFPUSHBUTTON);
}

void button::radio_button(HWND parent, const char* caption, int x, int y, int width, int height,
                          int id, int extra_style) {
    hwnd = make_button(parent, caption, x, y, width, height, id,
                       BS_AUTORADIOBUTTON | static_cast<DWORD>(extra_style));
}

// ShowWindow on a null handle would act on nothing useful; a failed creation stays inert.
void button::show_button() {
    if (hwnd) ShowWindow(hwnd, SW_SHOW);
}

void button::hide_button() {
    if (hwnd) ShowWindow(hwnd, SW_HIDE);
}
