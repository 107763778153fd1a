#include "screens/options.h"

#include "scores/replace_file.h"

namespace {
const char* const file_name = "options.ini";

struct option_button {
    const char* caption;
    bool radio;
    int x;
    int y;
    int id;
    int style;
};
// Creation order matters: a radio group runs from a WS_GROUP button to the next one.
const option_button layout[9] = {
    {"Back", false, 295, 570, 109, 0},      {"Save", false, 405, 570, 110, 0},
    {"Castles", true, 10, 10, 511, WS_GROUP}, {"Cars", true, 10, 30, 513, 0},
    {"Flowers", true, 10, 50, 512, 0},      {"Blazons", true, 10, 70, 514, 0},
    {"Random", true, 10, 90, 515, 0},       {"Sound On", true, 10, 120, 600, WS_GROUP},
    {"Sound Off", true, 10, 140, 601, 0},
};
// Index into `buttons` of the radio button for each card mode 0..4.
const int card_mode_button[5] = {5, 3, 2, 4, 6};
}  // namespace

void read_options(std::FILE* file, int& card_mode, int& sound) {
    if (!file) return;
    std::fscanf(file, "[CARDMODE]\n%i\n", &card_mode);
    std::fscanf(file, "[SOUND]\n%i\n", &sound);
}

std::string options_text(int card_mode, int sound) {
    char text[64];
    const int length =
        std::snprintf(text, sizeof text, "[CARDMODE]\r\n%i\r\n[SOUND]\r\n%i\r\n", card_mode, sound);
    return std::string(text, static_cast<std::size_t>(length));
}

void options::create_buttons(HWND parent) {
    for (int i = 0; i < 9; ++i) {
        const option_button& b = layout[i];
        if (b.radio)
            buttons[i].radio_button(parent, b.caption, b.x, b.y, 100, 20, b.id, b.style);
        else
            buttons[i].push_button(parent, b.caption, b.x, b.y, 100, 20, b.id);
    }
    background.load("backgrounds/menu.bmp", 800, 600);
    load_options();
    // Setting a check mark sends no command, so the values read stay as they are.
    if (card_mode >= 0 && card_mode <= 4)
        SendMessageA(buttons[card_mode_button[card_mode]].hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (sound == 1) SendMessageA(buttons[7].hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (sound == 0) SendMessageA(buttons[8].hwnd, BM_SETCHECK, BST_CHECKED, 0);
}

void options::load_options() {
    std::FILE* file = std::fopen(file_name, "r");
    if (!file) return;
    read_options(file, card_mode, sound);
    std::fclose(file);
}

bool options::save_options() {
    const std::string text = options_text(card_mode, sound);
    return replace_file(file_name, text.data(), text.size());
}

void options::show_options() {
    for (button& b : buttons) b.show_button();
}

void options::hide_options() {
    for (button& b : buttons) b.hide_button();
}

void options::render_options(HDC surface) { background.draw(surface, 0, 0); }
