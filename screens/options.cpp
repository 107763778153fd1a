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
// The radio button of each card mode 0..4 (Blazons, Cars, Castles, Flowers, Random) and
// of each sound value 0..1, by command id.
const int card_mode_ids[5] = {514, 513, 511, 512, 515};
const int sound_ids[2] = {601, 600};

// Setting a check mark sends no command, so the values read stay as they are.
void check(HWND parent, int id) { SendDlgItemMessageA(parent, id, BM_SETCHECK, BST_CHECKED, 0); }
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
    if (card_mode >= 0 && card_mode <= 4) check(parent, card_mode_ids[card_mode]);
    if (sound == 0 || sound == 1) check(parent, sound_ids[sound]);
}

bool options::choose(int id) {
    for (int mode = 0; mode < 5; ++mode)
        if (card_mode_ids[mode] == id) {
            card_mode = mode;
            return true;
        }
    for (int value = 0; value < 2; ++value)
        if (sound_ids[value] == id) {
            sound = value;
            return true;
        }
    return false;
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
