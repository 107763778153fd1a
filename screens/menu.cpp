#include "screens/menu.h"

#include <cstring>

namespace {
struct menu_item {
    const char* caption;
    int y;
    int id;
};
// 107 belongs to no button.
const menu_item items[8] = {
    {"Continue", 150, 100},    {"New game", 180, 101}, {"Save", 210, 102},
    {"Load", 240, 103},        {"High scores", 270, 104}, {"Options", 300, 105},
    {"Help / Credits", 330, 106}, {"Exit", 360, 108},
};
}  // namespace

void menu::create(HWND parent) {
    for (int i = 0; i < 8; ++i)
        buttons[i].push_button(parent, items[i].caption, 350, items[i].y, 100, 20, items[i].id);
}

void menu::show() {
    // Read the flag as a raw byte: only exactly 1 offers Continue.
    unsigned char flag;
    std::memcpy(&flag, &can_continue, 1);
    if (flag == 1)
        buttons[0].show_button();
    else
        buttons[0].hide_button();
    for (int i = 1; i < 8; ++i) buttons[i].show_button();
}

void menu::hide() {
    for (button& b : buttons) b.hide_button();
}
