#include "screens/options.h"

#include <algorithm>

#include "files/paths.h"
#include "files/player_files.h"
#include "files/replace_file.h"
#include "gfx/text.h"
#include "resources/card_sets.h"
#include "text/language.h"

namespace {
constexpr int button_width = 100;
constexpr int button_height = 20;
// The English button's tag; Automatic has none.
const char* const english = "en";

// The radio button of a card mode, by command id; 0 for a mode that has none.
int card_mode_button(int mode) {
    if (mode == random_card_mode) return id_random_set;
    for (const card_set& set : card_sets)
        if (set.card_mode == mode) return set.sheet_id;
    return 0;
}

// Setting a check mark sends no command, so the values read stay as they are.
void check(HWND parent, int id) { SendDlgItemMessageA(parent, id, BM_SETCHECK, BST_CHECKED, 0); }

// The language buttons' tags, in their order: Automatic, English, the catalogues.
std::vector<std::string> language_choices() {
    std::vector<std::string> choices = {"", english};
    for (const std::string& tag : catalogue_tags()) choices.push_back(tag);
    if (choices.size() > static_cast<std::size_t>(max_language_buttons))
        choices.resize(max_language_buttons);
    return choices;
}
}  // namespace

void read_options(std::FILE* file, int& card_mode, int& sound, std::string& language) {
    if (!file) return;
    std::fscanf(file, "[CARDMODE]\n%i\n", &card_mode);
    std::fscanf(file, "[SOUND]\n%i\n", &sound);
    char tag[16] = {};
    if (std::fscanf(file, "[LANGUAGE]\n%15[A-Za-z_-]", tag) == 1) language = tag;
}

std::string options_text(int card_mode, int sound, const std::string& language) {
    char text[64];
    const int length =
        std::snprintf(text, sizeof text, "[CARDMODE]\r\n%i\r\n[SOUND]\r\n%i\r\n", card_mode, sound);
    std::string all(text, static_cast<std::size_t>(length));
    if (!language.empty()) all += "[LANGUAGE]\r\n" + language + "\r\n";
    return all;
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
    title.load(options_title);
    load_options();
    if (const int id = card_mode_button(card_mode)) check(parent, id);
    if (sound == 0 || sound == 1) check(parent, sound == 1 ? id_sound_on : id_sound_off);
}

void options::create_language_buttons() {
    // Made as the screen first shows: start-up makes only what its first screens show.
    HWND parent = GetParent(buttons[0].hwnd);
    if (language_count > 0 || !parent) return;
    const std::vector<std::string> choices = language_choices();
    language_count = static_cast<int>(choices.size());
    // Below the others, one for each language.
    for (int l = 0; l < language_count; ++l)
        language_buttons[l].radio_button(parent, "", 10, 180 + 20 * l, button_width,
                                         button_height, id_language_automatic + l,
                                         l == 0 ? WS_GROUP : 0);
    const auto chosen = std::find(choices.begin(), choices.end(), language);
    check(parent, id_language_automatic +
                      static_cast<int>(chosen == choices.end() ? 0 : chosen - choices.begin()));
    caption_buttons();
}

void options::caption_buttons() {
    buttons[0].set_caption(tr("Back"));
    buttons[1].set_caption(tr("Save"));
    for (int i = 0; i < card_set_count; ++i) buttons[2 + i].set_caption(tr(card_sets[i].caption));
    buttons[6].set_caption(tr("Random"));
    buttons[7].set_caption(tr("Sound On"));
    buttons[8].set_caption(tr("Sound Off"));
    // Each language under its own name, whatever the language in use.
    const std::vector<std::string> choices = language_choices();
    for (int l = 0; l < language_count; ++l)
        language_buttons[l].set_caption(l == 0   ? tr("Automatic")
                                        : l == 1 ? "English"
                                                 : language_name(choices[l]).c_str());
    // Back and Save grow round their own middles; a radio button, to its right.
    for (button* b : {&buttons[0], &buttons[1]}) {
        const int width = std::max(button_width, b->width_for_caption());
        b->move(b->x + b->width / 2 - width / 2, width);
    }
    for (int i = 2; i < 9; ++i)
        buttons[i].move(10, std::max(button_width, buttons[i].width_for_caption()));
    for (int l = 0; l < language_count; ++l)
        language_buttons[l].move(10, std::max(button_width, language_buttons[l].width_for_caption()));
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
    if (id >= id_language_automatic && id < id_language_automatic + language_count) {
        language = language_choices()[static_cast<std::size_t>(id - id_language_automatic)];
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
    read_options(file, card_mode, sound, language);
    std::fclose(file);
}

bool options::save_options() {
    const std::string text = options_text(card_mode, sound, language);
    return replace_file(player_file(options_file_name), text.data(), text.size());
}

void options::show_options() {
    create_language_buttons();
    for (button& b : buttons) b.show_button();
    for (int l = 0; l < language_count; ++l) language_buttons[l].show_button();
}

void options::hide_options() {
    for (button& b : buttons) b.hide_button();
    for (button& b : language_buttons) b.hide_button();
}

load_bmp& options::backdrop() {
    // Read as the menu first shows, not at start.
    if (!background_loaded) background.load("backgrounds/menu.bmp", 800, 600);
    background_loaded = true;
    return background;
}

void options::render_options(HDC surface) {
    backdrop().draw(surface, 0, 0);
    title.draw(surface);
    // Each group's caption beside its widest button, level with its middle.
    SetTextColor(surface, RGB(0, 0, 0));
    SetBkMode(surface, TRANSPARENT);
    const struct {
        const char* caption;
        const button* first;
        const button* last;
    } groups[3] = {{tr("Cards"), &buttons[2], &buttons[6]},
                   {tr("Sound"), &buttons[7], &buttons[8]},
                   {tr("Language"), &language_buttons[0],
                    &language_buttons[std::max(language_count, 1) - 1]}};
    for (const auto& g : groups) {
        int right = 0;
        for (const button* b = g.first; b <= g.last; ++b) right = std::max(right, b->x + b->width);
        const int middle = (g.first->y + g.last->y + g.last->height) / 2;
        const int x = std::max(122, right + 12);
        draw_text_in(surface, {x, middle - 8, x + 200, middle + 8}, g.caption);
    }
}
