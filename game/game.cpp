#include "game/game.h"

#include <cstdlib>
#include <cstring>

#include "files/player_files.h"
#include "game/click_sound.h"
#include "gfx/text.h"
#include "gfx/ticks.h"
#include "resources/resource_ids.h"
#include "screens/power_ups.h"
#include "text/language.h"
#include "text/utf8.h"

namespace {
// Every file of the player's, named before the game record below reads the first of them.
[[maybe_unused]] const bool player_files_named = [] {
    std::vector<std::string> names = {score_file_name, options_file_name};
    for (int slot = 0; slot < saved_game_slots; ++slot) names.push_back(slot_file_name(slot));
    name_player_files(names);
    return true;
}();
}  // namespace

class game game;

bool level_start_time(int level, clock_time& time) {
    // From level 11 the time drops every five levels, and each fifth level keeps the clock
    // as the level before left it.
    struct band {
        int first;
        int last;
        bool sets;
        clock_time time;
    };
    static const band schedule[] = {
        {1, 1, true, {12, 0}},   {2, 2, true, {11, 30}},  {3, 3, true, {11, 0}},
        {4, 4, true, {10, 30}},  {5, 5, true, {10, 0}},   {6, 6, true, {9, 30}},
        {7, 7, true, {9, 0}},    {8, 8, true, {8, 30}},   {9, 9, true, {8, 0}},
        {10, 10, true, {7, 30}}, {11, 14, true, {7, 0}},  {15, 15, false, {}},
        {16, 19, true, {6, 30}}, {20, 20, false, {}},     {21, 24, true, {6, 0}},
        {25, 25, false, {}},     {26, 29, true, {5, 0}},  {30, 30, false, {}},
        {31, 34, true, {4, 0}},  {35, 35, false, {}},     {36, 39, true, {3, 0}},
        {40, 40, false, {}},     {41, 44, true, {2, 0}},  {45, 45, false, {}},
        {46, 49, true, {1, 0}},  {50, 50, false, {}},     {51, 54, true, {0, 30}},
        {55, 55, false, {}},     {56, 56, true, {0, 10}},
    };
    for (const band& b : schedule)
        if (level >= b.first && level <= b.last) {
            if (b.sets) time = b.time;
            return b.sets;
        }
    return false;
}

void step_clock(int& minutes, int& seconds) {
    if (minutes == 0 && seconds == 0) return;
    if (seconds == 0) {
        --minutes;
        seconds = 59;
    } else {
        --seconds;
    }
}

void add_thirty_seconds(int& minutes, int& seconds) {
    if (seconds + 30 >= 60) {
        ++minutes;
        seconds -= 30;
    } else {
        seconds += 30;
    }
}

void game::repaint() const { InvalidateRect(window, nullptr, FALSE); }

bool display_already_in(const DEVMODEA& wanted, const DEVMODEA& current) {
    const auto differs = [&](DWORD field, DWORD want, DWORD have) {
        return (wanted.dmFields & field) && want != have;
    };
    return !differs(DM_PELSWIDTH, wanted.dmPelsWidth, current.dmPelsWidth) &&
           !differs(DM_PELSHEIGHT, wanted.dmPelsHeight, current.dmPelsHeight) &&
           !differs(DM_BITSPERPEL, wanted.dmBitsPerPel, current.dmBitsPerPel);
}

bool game::initialize(bool switch_display) {
    std::memset(&display_mode, 0, sizeof display_mode);
    display_mode.dmSize = sizeof display_mode;
    display_mode.dmPelsWidth = 800;
    display_mode.dmPelsHeight = 600;
    display_mode.dmBitsPerPel = 16;
    display_mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    // Asking for the mode the display is already in changes nothing on screen, but under
    // Wine it still re-reads every display device and messages every window, about 65 ms
    // of start-up.
    DEVMODEA current = {};
    current.dmSize = sizeof current;
    bool switched = false;
    // A window of the game's own never changes the display.
    if (switch_display && (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &current) ||
                           !display_already_in(display_mode, current)))
        switched = ChangeDisplaySettingsA(&display_mode, CDS_FULLSCREEN) ==
                   DISP_CHANGE_SUCCESSFUL;
    screen = screen_intro;
    // Only the title screen's picture at start: every other screen reads its artwork as
    // it first shows.
    intro.load("backgrounds/intro.bmp", 800, 600);
    intro_words[0].load(intro_line);
    intro_words[1].load(intro_press);
    return switched;
}

void game::main() {
    switch (screen) {
    case screen_intro:
        intro.draw(back_dc, 0, 0);
        for (screen_title& words : intro_words) words.draw(back_dc);
        main_menu.hide();
        opts.hide_options();
        saves.hide();
        break;
    case screen_menu:
        // The menu (and the screens below that draw nothing) show the backdrop behind
        // the buttons rather than whatever a fresh bitmap holds.
        opts.backdrop().draw(back_dc, 0, 0);
        main_menu.title.draw(back_dc);
        main_menu.show();
        opts.hide_options();
        saves.hide();
        playing = false;
        break;
    case screen_play:
        play_frame();
        break;
    case screen_save:
    case screen_load:
        saves.render(back_dc, opts.backdrop());
        break;
    case screen_high_scores:
        scores.update(back_dc);
        break;
    case screen_options:
        opts.render_options(back_dc);
        break;
    case screen_help:
        if (!help_loaded) help_screen.load();
        help_loaded = true;
        help_screen.render(back_dc);
        break;
    default:
        opts.backdrop().draw(back_dc, 0, 0);
        break;
    }
}

void game::play_frame() {
    if (!play_loaded) {
        bar.load();
        field.load();
        store.load();
        play_loaded = true;
    }
    if (in_shop) {
        store.render(back_dc);
    } else {
        field.render(back_dc);
        if (field.is_level_finished()) {
            playing = false;
            store.convert_time_to_pionts(hours, minutes, seconds);
            in_shop = true;
            points += store.points;
            stock_the_shop();
            shop_keys.open(current_tick(), settling_time);
            // The shop is drawn from the next frame.
            wake_at(current_tick());
        }
        if (is_game_over()) {
            playing = false;
            if (!ended_game_taken) take_result();
            if (name_dialog && !IsWindowVisible(name_dialog)) ShowWindow(name_dialog, SW_SHOW);
        }
        if (frozen) {
            // The frame that ends the freeze makes no step; the next one may.
            if (current_tick() - freeze_start > freeze_seconds * 1000u) {
                frozen = false;
                wake_at(current_tick());
            } else {
                wake_at(freeze_start + freeze_seconds * 1000u + 1);
            }
        } else {
            update_time();
        }
        if (picks == 2) collate();
        // The frame never stays on a gap: it goes on to the next card still there.
        bool present[64];
        cards_on_board(field, present);
        if (highlight >= 0 && highlight < 64 && !present[highlight]) {
            const int next = next_card(present, highlight, 1, 0);
            highlight = next != highlight ? next : next_card(present, -1, 0, 0);
        }
        if (highlight_shown) draw_highlight(back_dc, highlight);
    }
    bar.hours = hours;
    bar.minutes = minutes;
    bar.seconds = seconds;
    bar.points = points;
    bar.level = level;
    bar.hammers = hammers;
    bar.stopwatches = stopwatches;
    bar.hourglasses = hourglasses;
    bar.dynamites = dynamites;
    bar.hammer_armed = hammer_armed && !in_shop;
    bar.render(back_dc);
}

void game::stock_the_shop() {
    store.hammers = hammers;
    store.stopwatches = stopwatches;
    store.hourglasses = hourglasses;
    store.dynamites = dynamites;
    store.points = points;
}

void game::take_result() {
    ended_result ended = {game_number, {}};
    ended.result.level = level;
    ended.result.points = points;
    ended.result.hammers_used = hammers_used;
    ended.result.stopwatches_used = stopwatches_used;
    ended.result.hourglasses_used = hourglasses_used;
    ended.result.dynamites_used = dynamites_used;
    if (!results_waiting.empty() && results_waiting.back().game == game_number)
        results_waiting.back() = ended;
    else
        results_waiting.push_back(ended);
    ended_game_taken = true;
}

void game::name_dialog_shown() { name_keys.open(current_tick(), settling_time); }

void game::result_answered() {
    if (!results_waiting.empty()) results_waiting.erase(results_waiting.begin());
    // The dialog stays for the next game's result.
    if (!results_waiting.empty()) return;
    ShowWindow(name_dialog, SW_HIDE);
    // A game played while the dialog waited stays on its screen.
    if (!in_progress()) screen = screen_high_scores;
    repaint();
}

void game::set_time(int h, int m, int s) {
    hours = h;
    minutes = m;
    seconds = s;
}

void game::update_time() {
    if (is_game_over() || hours < 0 || minutes < 0 || seconds < 0) return;
    if (current_tick() - last_clock_tick > 1000) {
        step_clock(minutes, seconds);
        // The next second counts from this step, so no time is owed for frames not run.
        last_clock_tick = current_tick();
    }
    // The clock's next second, or the frame that finds the game over.
    wake_at(is_game_over() ? current_tick() : last_clock_tick + 1001);
}

bool game::is_game_over() const { return hours == 0 && minutes == 0 && seconds == 0; }

void game::newgame() {
    field.place_random();
    field.reset();
    highlight = 0;
    points = 0;
    level = 1;
    hammers = stopwatches = hourglasses = dynamites = 10;
    set_time(0, 12, 0);
    playing = true;
    in_shop = false;
    hammers_used = stopwatches_used = hourglasses_used = dynamites_used = 0;
    frozen = false;
    // A hammer armed in the last game would strike the first card of this one.
    hammer_armed = false;
    picks = 0;
    busy = false;
    ended_game_taken = false;
    ++game_number;
    card_mode = opts.card_mode;
    res->assign_card_set(field.card, card_mode);
    sound = opts.sound;
}

void game::next_level() {
    field.place_random();
    field.reset();
    highlight = 0;
    ++level;
    clock_time start;
    if (level_start_time(level, start)) set_time(0, start.minutes, start.seconds);
    res->assign_card_set(field.card, card_mode);
    playing = true;
    in_shop = false;
    frozen = false;
    picks = 0;
    busy = false;
    // A clock that ran out on the frame that cleared the board ends this game again later.
    ended_game_taken = false;
}

void game::command(std::uint32_t id) {
    switch (id) {
    case id_continue:
        main_menu.hide();
        screen = screen_play;
        if (!in_shop) playing = true;
        break;
    case id_new_game:
        newgame();
        main_menu.hide();
        screen = screen_play;
        break;
    case id_save_game:
        open_slots(true);
        break;
    case id_load_game:
        open_slots(false);
        break;
    case id_slots_back:
        leave_slots();
        break;
    case id_high_scores:
        main_menu.hide();
        screen = screen_high_scores;
        break;
    case id_options:
        main_menu.hide();
        opts.show_options();
        screen = screen_options;
        repaint();
        break;
    case id_help:
        main_menu.hide();
        screen = screen_help;
        repaint();
        break;
    case id_exit:
        PostQuitMessage(0);
        break;
    case id_back:
        main_menu.show();
        opts.hide_options();
        show_menu();
        repaint();
        break;
    case id_save_options:
        // Claim success only when the file was really written.
        if (opts.save_options())
            message_box(nullptr,
                        // TRANSLATORS: said after Save on the Options screen; the card set
                        // chosen is used from the next new game.
                        widen(tr("Options saved! You need start new game")).c_str(),
                        widen(tr("Options")).c_str(), MB_OK);
        else
            message_box(nullptr, widen(tr("The options could not be saved.")).c_str(),
                        widen(tr("Options")).c_str(), MB_OK | MB_ICONWARNING);
        break;
    default:
        if (slot_of_command(static_cast<int>(id)) >= 0) {
            choose_slot(slot_of_command(static_cast<int>(id)));
        } else {
            const std::string before = opts.language;
            opts.choose(static_cast<int>(id));
            // At once, on this screen and its buttons.
            if (opts.language != before) apply_language();
        }
        break;
    }
}

void game::lbuttondown(LPARAM position) {
    const unsigned x = static_cast<unsigned>(position) & 0xFFFF;
    const unsigned y = (static_cast<unsigned>(position) >> 16) & 0xFFFF;
    if (playing) {
        if (!hammer_armed) pick_card(x, y);
        use_power_ups(x, y);
    } else if (in_shop && screen == screen_play) {
        shop_click(x, y);
    }
}

void game::pick_card(unsigned x, unsigned y) {
    for (int i = 0; i < 64; ++i) {
        cards& c = *field.card[i];
        if (!c.mouse_hit(x, y) || busy) continue;
        c.face_up = true;
        if (picks == 0) {
            first_pick = i;
            first_picture = field.pictures[i];
            picks = 1;
        } else if (i != first_pick) {
            picks = 2;
            second_pick = i;
            second_picture = field.pictures[i];
            busy = true;
        }
        pick_time = current_tick();
        if (sound == 1) click_sound::play(res_click);
    }
}

void game::collate() {
    cards& first = *field.card[first_pick];
    cards& second = *field.card[second_pick];
    if (first_picture == second_picture) {
        first.face_up = second.face_up = false;
        first.removed = second.removed = true;
    } else if (current_tick() - pick_time >= 1000) {
        first.face_up = second.face_up = false;
    } else {
        wake_at(pick_time + 1000);
        return;
    }
    // The board without the pair, or with both face down, on the next frame.
    wake_at(current_tick());
    busy = false;
    picks = 0;
}

void game::use_power_ups(unsigned x, unsigned y) {
    if (bar.dynamite.mouse_hit(x, y)) use_power_up(power_dynamite);
    if (hammers > 0) {
        if (!hammer_armed) {
            if (bar.hammer.mouse_hit(x, y)) use_power_up(power_hammer);
        } else {
            // Armed, any click strikes: a card's pair, or nothing, and the hammer is spent.
            for (int i = 0; i < 64; ++i)
                if (field.card[i]->mouse_hit(x, y)) {
                    use_hammer(i);
                    break;
                }
            --hammers;
            ++hammers_used;
            hammer_armed = false;
        }
    }
    if (bar.hourglass.mouse_hit(x, y)) use_power_up(power_hourglass);
    if (bar.stopwatch.mouse_hit(x, y)) use_power_up(power_stopwatch);
}

void game::use_power_up(int which) {
    switch (which) {
    case power_hammer:
        if (hammers > 0) hammer_armed = true;
        break;
    case power_stopwatch:
        if (stopwatches > 0) {
            freeze_start = current_tick();
            --stopwatches;
            ++stopwatches_used;
            frozen = true;
        }
        break;
    case power_hourglass:
        if (hourglasses > 0) {
            use_hourglass();
            --hourglasses;
            ++hourglasses_used;
        }
        break;
    case power_dynamite:
        if (dynamites > 0 && use_dynamite()) {
            --dynamites;
            ++dynamites_used;
        }
        break;
    default:
        break;
    }
}

bool game::use_dynamite() {
    // With no whole pair left the search below would never end: nothing is blown up and
    // the dynamite is kept.
    if (!whole_pair_left(field)) return false;
    for (;;) {
        const int r = std::rand() % 64;
        const int p = field.pictures[r];
        bool met_removed = false;
        for (int i = 0; i < 64 && !met_removed; ++i) {
            if (field.pictures[i] != p) continue;
            if (field.card[i]->removed) {
                met_removed = true;
            } else {
                field.card[i]->face_up = false;
                field.card[i]->exploding = true;
                field.card[r]->face_up = false;
                field.card[r]->exploding = true;
            }
        }
        if (!met_removed) return true;
    }
}

void game::use_hammer(int index) {
    const int picture = field.pictures[index];
    for (int i = 0; i < 64; ++i)
        if (field.pictures[i] == picture && !field.card[i]->removed) {
            field.card[i]->face_up = false;
            field.card[i]->smashing = true;
        }
}

void game::use_hourglass() { add_thirty_seconds(minutes, seconds); }

void game::shop_click(unsigned x, unsigned y) {
    if (store.dynamite.mouse_hit(x, y))
        buy_power_up(power_dynamite);
    else if (store.hammer.mouse_hit(x, y))
        buy_power_up(power_hammer);
    else if (store.hourglass.mouse_hit(x, y))
        buy_power_up(power_hourglass);
    else if (store.stopwatch.mouse_hit(x, y))
        buy_power_up(power_stopwatch);
    else if (store.next.mouse_hit(x, y))
        next_level();
}

void game::buy_power_up(int which) {
    switch (which) {
    case power_hammer:
        store.buy_hammer();
        break;
    case power_stopwatch:
        store.buy_stopwatch();
        break;
    case power_hourglass:
        store.buy_hourglass();
        break;
    case power_dynamite:
        store.buy_dynamite();
        break;
    default:
        return;
    }
    take_stock_from_shop();
}

void game::take_stock_from_shop() {
    // At once, not at the next frame: a save taken before it holds what was bought.
    points = store.points;
    hammers = store.hammers;
    stopwatches = store.stopwatches;
    hourglasses = store.hourglasses;
    dynamites = store.dynamites;
}

void game::apply_language() {
    use_language(choose_language(opts.language, system_language(), catalogue_tags()));
    caption_all();
}

void game::caption_all() {
    main_menu.caption_buttons();
    opts.caption_buttons();
    saves.caption_buttons();
    if (name_dialog) {
        // TRANSLATORS: the small box that asks for the player's name when the clock runs
        // out; its buttons' underlined letters must differ.
        SetWindowTextW(name_dialog, widen(tr("Game Over!")).c_str());
        SetDlgItemTextW(name_dialog, id_name_label, widen(tr("Enter your name:")).c_str());
        SetDlgItemTextW(name_dialog, id_name_ok, widen(tr("&Ok")).c_str());
        SetDlgItemTextW(name_dialog, id_name_cancel, widen(tr("&Cancel")).c_str());
    }
    // The pictures of words follow as they next show.
    repaint();
}

void game::quit() {
    field.remove();
    help_screen.remove();
    bar.delete_bar();
    release_picture_font();
}
