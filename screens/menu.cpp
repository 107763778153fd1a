#include "screens/menu.h"

#include <algorithm>
#include <cstring>

#include "resources/resource_ids.h"
#include "text/language.h"
#include "text/utf8.h"

namespace {
struct menu_item {
    const char* caption;
    int y;
    int id;
};
// Each caption underlines the letter that presses its button; every language chooses its
// own, no two alike.
const menu_item items[8] = {
    // TRANSLATORS: the main menu's buttons. The letter after & is underlined and presses the
    // button: give each of the eight captions a different letter, one your keyboard types.
    {tr_noop("&Continue"), 150, id_continue},       {tr_noop("&New game"), 180, id_new_game},
    {tr_noop("&Save"), 210, id_save_game},          {tr_noop("&Load"), 240, id_load_game},
    {tr_noop("&High scores"), 270, id_high_scores}, {tr_noop("&Options"), 300, id_options},
    {tr_noop("H&elp / Credits"), 330, id_help},     {tr_noop("E&xit"), 360, id_exit},
};
}  // namespace

void menu::create(HWND parent) {
    title.load("other/menu_title.bmp", 360, 90, 40);
    for (int i = 0; i < 8; ++i)
        buttons[i].push_button(parent, items[i].caption, 350, items[i].y, 100, 20, items[i].id);
}

void menu::caption_buttons() {
    // One column, as wide as its longest caption needs, round the same middle.
    int width = 100;
    for (int i = 0; i < 8; ++i) {
        buttons[i].set_caption(tr(items[i].caption));
        width = std::max(width, buttons[i].width_for_caption());
    }
    for (button& b : buttons) b.move(400 - width / 2, width);
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

const button* menu::button_of_letter(wchar_t typed) const {
    for (int i = 0; i < 8; ++i)
        if (typed && same_letter(underlined_letter(widen(tr(items[i].caption))), typed) &&
            buttons[i].usable())
            return &buttons[i];
    return nullptr;
}
