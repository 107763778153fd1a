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
    // Captions in the language in use, the buttons as wide as they need.
    void caption_buttons();
    // The shown button whose caption underlines this typed letter, in any script and either
    // case; null for none.
    const button* button_of_letter(wchar_t typed) const;
};
