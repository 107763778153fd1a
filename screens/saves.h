#pragma once
#include <windows.h>

#include <string>

#include "gfx/button.h"
#include "gfx/loadbmp.h"
#include "saves/saved_game.h"
#include "screens/titles.h"

// The save and the load screen: five slots, each with what it holds, and Back.
class saves_screen {
public:
    button slot_buttons[saved_game_slots];
    button back;
    bool saving;
    // Whether there is a game to save.
    bool can_save;
    slot_state states[saved_game_slots];
    saved_game games[saved_game_slots];
    screen_title save_title;
    screen_title load_title;

    void create_buttons(HWND parent);
    // Captions in the language in use, the buttons as wide as they need.
    void caption_buttons();
    // Reads the slots again and shows the screen's buttons, each usable only where its
    // slot can be saved to (saving) or loaded (not saving).
    void open(bool saving, bool game_in_progress);
    void hide();
    void render(HDC surface, load_bmp& backdrop);
};

// The slot's index for a slot button's command id; -1 for any other id.
int slot_of_command(int id);
// What a saved slot's columns say: level, clock, points, card set, and when it was saved.
struct slot_columns {
    std::string level;
    std::string clock;
    std::string points;
    std::string cards;
    std::string saved;
};
slot_columns describe_saved_game(const saved_game& game);
