#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "board/playfield.h"
#include "game/keyboard.h"
#include "gfx/loadbmp.h"
#include "scores/highscores.h"
#include "screens/help.h"
#include "screens/infobar.h"
#include "screens/menu.h"
#include "screens/options.h"
#include "screens/saves.h"
#include "screens/shop.h"

enum screen_id {
    screen_intro = 0,
    screen_menu = 1,
    screen_play = 2,
    screen_save = 3,
    screen_load = 4,
    screen_high_scores = 5,
    screen_options = 6,
    screen_help = 7,
};

// The power-ups in the order the bar and the shop show them, which the keys 1 to 4 follow.
enum power_up_id { power_hammer, power_stopwatch, power_hourglass, power_dynamite };

// Whether `current` already has every setting that `wanted` asks for (its width, height
// and colour depth, as far as its field mask names them).
bool display_already_in(const DEVMODEA& wanted, const DEVMODEA& current);

// The whole program state and its controller; the one instance is the global `game`.
class game {
public:
    int screen;
    DEVMODEA display_mode;
    HWND window;
    HDC back_dc;
    menu main_menu;
    options opts;
    info_bar bar;
    play_field field;
    load_bmp intro;
    // Whether the play screen's and the help's artwork have been read, as each first shows.
    bool play_loaded;
    bool help_loaded;
    // The title screen's words over its picture.
    screen_title intro_words[2];
    help help_screen;
    shop store;
    high_scores scores;
    int seconds;
    int minutes;
    int hours;
    int points;
    int level;
    bool playing;
    int first_pick;
    int second_pick;
    int first_picture;
    int second_picture;
    int picks;
    std::uint32_t last_clock_tick;
    std::uint32_t pick_time;
    std::uint32_t freeze_start;
    bool busy;
    bool hammer_armed;
    bool frozen;
    int hammers;
    int stopwatches;
    int hourglasses;
    int dynamites;
    int hammers_used;
    int stopwatches_used;
    int hourglasses_used;
    int dynamites_used;
    bool in_shop;
    HWND name_dialog;
    int card_mode;
    int sound;
    // The results of games that ended, taken when their clocks ran out, oldest first: the
    // name dialog asks for the first. A game started or loaded while the dialog waits adds
    // its own when it ends; a game that ends again (its last board cleared as the clock ran
    // out, then played on) replaces its own.
    struct ended_result {
        int game;
        score_entry result;
    };
    std::vector<ended_result> results_waiting;
    bool ended_game_taken;
    // Each new game and each load is another game, whose result is its own.
    int game_number;
    // The shop and the name dialog hear no key meant for the board.
    key_gate shop_keys;
    key_gate name_keys;
    // The save and load screens.
    saves_screen saves;
    // Where the keyboard is on the board, a place 0 to 63, shown from the first arrow key
    // until the next click.
    int highlight;
    bool highlight_shown;

    // The language the options choose, applied to every text, caption and picture of words.
    void apply_language();
    // Every button's and the name dialog's captions in the language in use.
    void caption_all();
    // True when it switched the display to 800x600, which is then to be given back.
    bool initialize(bool switch_display = true);
    void main();
    void command(std::uint32_t id);
    // A held key repeats only the moves between places; what it would spend or start, once.
    // `pressed` is when the key is handled, in the game's ticks.
    void keydown(WPARAM key, bool repeat, std::uint32_t pressed);
    // A character typed, which may be a caption's underlined letter.
    void char_typed(wchar_t typed, bool repeat);
    // The name dialog answered, with Ok or Cancel, for the first result waiting: it asks
    // for the next, or goes, and a game that ended goes on to the table.
    void result_answered();
    // The name dialog has just appeared, or asks for the next result.
    void name_dialog_shown();
    void lbuttondown(LPARAM position);
    void newgame();
    void next_level();
    void set_time(int hours, int minutes, int seconds);
    void update_time();
    bool is_game_over() const;
    void collate();
    // False, with nothing blown up, when no whole pair is left.
    bool use_dynamite();
    void use_hammer(int index);
    void use_hourglass();
    void quit();
    // A game is in progress while its clock runs: from a new game or a load until it ends.
    bool in_progress() const;
    // The game in progress as a save slot keeps it, and a saved game put in its place.
    saved_game snapshot() const;
    void restore(const saved_game& saved);

private:
    // The keys of each screen, as the clicks there would act.
    void board_key(WPARAM key);
    void shop_key(WPARAM key, std::uint32_t pressed);
    void options_key(WPARAM key);
    void slots_key(WPARAM key);
    void leave_for_menu();
    // The menu, with the keyboard's focus on Continue where it is offered.
    void show_menu();
    void open_slots(bool saving);
    void leave_slots();
    void choose_slot(int slot);
    void play_frame();
    // The shop sells from the game's points and stock, and what it sells is the game's.
    void stock_the_shop();
    void take_stock_from_shop();
    void take_result();
    void pick_card(unsigned x, unsigned y);
    void use_power_ups(unsigned x, unsigned y);
    // What a click on a power-up's sprite does, with its count's rules; the hammer arms.
    void use_power_up(int which);
    void shop_click(unsigned x, unsigned y);
    void buy_power_up(int which);
    void repaint() const;
};

extern class game game;

// The clock's rules on plain values.
struct clock_time {
    int minutes;
    int seconds;
};
// The time a level starts with; false for a level that keeps the clock as it stands.
bool level_start_time(int level, clock_time& time);
// One second off; the clock never goes below 0:00:00.
void step_clock(int& minutes, int& seconds);
// Thirty seconds on, carried into minutes only.
void add_thirty_seconds(int& minutes, int& seconds);
