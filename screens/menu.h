#pragma once
#include <windows.h>

#include "gfx/button.h"

// The main menu: eight push buttons in a column; it draws nothing itself.
class menu {
public:
    button buttons[8];
    bool can_continue;

    void create(HWND parent);
    void show();
    void hide();
    // The shown button whose caption underlines the letter of this key; null for none.
    const button* button_of_letter(WPARAM key) const;
};
