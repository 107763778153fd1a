#include "screens/options.h"

#include "files/paths.h"
#include "files/player_files.h"
#include "files/replace_file.h"
#include "gfx/text.h"
#include "resources/card_sets.h"

namespace {
constexpr int button_width = 100;
constexpr int button_height = 20;

// The radio button of a card mode, by command id; 0 for a mode that has none.
int card_mode_button(int mode) {
    if (mode == random_card_mode) return id_random_set;
    for (const card_set& set : card_sets)
        if (set.card_mode == mode) return set.sheet_id;
    return 0;
}

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
    buttons[0].push_button(parent, "Back", 295, 570, button_width, button_height, id_back);
    buttons[1].push_button(parent, "Save", 405, 570, button_width, button_height,
                           id_save_options);
    // Creation order matters: a radio group runs from a WS_GROUP button to the next one.
    int i = 2;
    for (const card_set& set : card_sets) {
        buttons[i].radio_button(parent, set.caption, 10, 10 + 20 * (i - 2), button_width,
                                button_height, set.sheet_id, i == 2 ? WS_GROUP : 0);
        ++i;
    }
    buttons[i].radio_button(parent, "Random", 10, 10 + 20 * (i - 2), button_width, button_height,
                            id_random_set, 0);
    buttons[7].radio_button(parent, "Sound On", 10, 120, button_width, button_height,
                            id_sound_on, WS_GROUP);
    buttons[8].radio_button(parent, "Sound Off", 10, 140, button_width, button_height,
                            id_sound_off, 0);
    background.load("backgrounds/menu.bmp", 800, 600);
    title.load("other/options_title.bmp", 222, 40, 20);
    load_options();
    if (const int id = card_mode_button(card_mode)) check(parent, id);
    if (sound == 0 || sound == 1) check(parent, sound == 1 ? id_sound_on : id_sound_off);
}

bool options::choose(int id) {
    if (id == id_sound_on || id == id_sound_off) {
        sound = id == id_sound_on ? 1 : 0;
        return true;
    }
    if (id == id_random_set) {
        card_mode = random_card_mode;
        return true;
    }
    for (const card_set& set : card_sets)
        if (set.sheet_id == id) {
            card_mode = set.card_mode;
            return true;
        }
    return false;
}

void options::load_options() {
    std::FILE* file = open_file(player_file(options_file_name), L"r");
    if (!file) return;
    read_options(file, card_mode, sound);
    std::fclose(file);
}

bool options::save_options() {
    const std::string text = options_text(card_mode, sound);
    return replace_file(player_file(options_file_name), text.data(), text.size());
}

void options::show_options() {
    for (button& b : buttons) b.show_button();
}

void options::hide_options() {
    for (button& b : buttons) b.hide_button();
}

void options::render_options(HDC surface) {
    background.draw(surface, 0, 0);
    title.draw(surface);
    // Each group's caption beside it, level with its middle.
    SetTextColor(surface, RGB(0, 0, 0));
    SetBkMode(surface, TRANSPARENT);
    draw_text(surface, 122, 52, "Cards");
    draw_text(surface, 122, 132, "Sound");
}
