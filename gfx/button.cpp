#include "gfx/button.h"

namespace {
HWND make_button(HWND parent, const char* caption, int x, int y, int width, int height, int id,
                 DWORD style) {
    return CreateWindowExA(0, "Button", caption, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           nullptr, nullptr);
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
}

// ShowWindow on a null handle would act on nothing useful; a failed creation stays inert.
void button::show_button() {
    if (hwnd) ShowWindow(hwnd, SW_SHOW);
}

void button::hide_button() {
    if (hwnd) ShowWindow(hwnd, SW_HIDE);
}
