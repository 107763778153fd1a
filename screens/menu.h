#pragma once
#include <windows.h>

#include "gfx/button.h"
#include "screens/titles.h"

// The main menu: eight push buttons in a column under the game's name.
class menu {
public:
    button buttons[8];
    bool can_continue;
    screen_title title;

    void create(HWND parent);
    void show();
    void hide();
    // The shown button whose caption underlines the letter of this key; null for none.
    const button* button_of_letter(WPARAM key) const;
};
