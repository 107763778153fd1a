#include "screens/menu.h"

#include <cstring>

#include "resources/resource_ids.h"

namespace {
struct menu_item {
    const char* caption;
    int y;
    int id;
};
// Each caption underlines the letter that presses its button.
const menu_item items[8] = {
    {"&Continue", 150, id_continue},       {"&New game", 180, id_new_game},
    {"&Save", 210, id_save_game},          {"&Load", 240, id_load_game},
    {"&High scores", 270, id_high_scores}, {"&Options", 300, id_options},
    {"H&elp / Credits", 330, id_help},     {"E&xit", 360, id_exit},
};
}  // namespace

void menu::create(HWND parent) {
    title.load("other/menu_title.bmp", 360, 90, 40);
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

const button* menu::button_of_letter(WPARAM key) const {
    for (int i = 0; i < 8; ++i)
        if (underlined_letter(items[i].caption) == static_cast<char>(key) && buttons[i].usable())
            return &buttons[i];
    return nullptr;
}
