#include "inproc/inproc.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {
void click_card(int i) { click(card_left(i) + 25, card_top(i) + 25); }

std::string file_bytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool enabled(const button& b) { return IsWindowEnabled(b.hwnd) != FALSE; }

class Saves : public InProc {
protected:
    void SetUp() override {
        InProc::SetUp();
        for (int i = 0; i < saved_game_slots; ++i) DeleteFileA(slot_file_name(i));
    }
    void TearDown() override {
        for (int i = 0; i < saved_game_slots; ++i) DeleteFileA(slot_file_name(i));
        InProc::TearDown();
    }
    // From a running game, through the menu, into a slot of the save screen.
    void save_in(int slot, int answer = IDYES) {
        press(VK_ESCAPE);
        command(id_save_game);
        answer_message_box("Save game", [&] { command(id_slot_1 + slot); }, answer);
    }
    void load_from(int slot) {
        press(VK_ESCAPE);
        command(id_load_game);
        command(id_slot_1 + slot);
    }
};

enum situation { running, in_the_shop, after_game_over, before_any_game };

TEST_F(Saves, EscapeFromEachScreenOffersContinueExactlyWhileAGameIsInProgress) {
    const struct {
        std::uint32_t id;
        int screen;
    } screens[] = {{id_save_game, screen_save},
                   {id_load_game, screen_load},
                   {id_high_scores, screen_high_scores},
                   {id_help, screen_help}};
    for (situation s : {running, in_the_shop, after_game_over, before_any_game}) {
        for (const auto& to : screens) {
            SCOPED_TRACE(testing::Message() << "situation " << s << ", screen " << to.screen);
            InProc::SetUp();
            press(VK_ESCAPE);
            if (s != before_any_game) {
                command(id_new_game);
                if (s == in_the_shop) {
                    game.in_shop = true;
                    game.playing = false;
                }
                if (s == after_game_over) game.set_time(0, 0, 0);
                press(VK_ESCAPE);
            }
            command(to.id);
            EXPECT_EQ(game.screen, to.screen);
            frame();
            press(VK_ESCAPE);
            frame();
            const bool offered = s == running || s == in_the_shop;
            EXPECT_EQ(game.screen, screen_menu);
            EXPECT_EQ(visible(game.main_menu.buttons[0].hwnd), offered);
            for (const button& b : game.saves.slot_buttons) EXPECT_FALSE(visible(b.hwnd));
            if (!offered) continue;
            command(id_continue);
            EXPECT_EQ(game.screen, screen_play);
            EXPECT_EQ(game.playing, s == running);
            EXPECT_EQ(game.in_shop, s == in_the_shop);
        }
    }
}

TEST_F(Saves, SaveThenLoadGivesBackTheGameAsItGoesOn) {
    game.opts.card_mode = random_card_mode;
    new_ordered_game();
    frame();
    // Pair 0 matched, pair 1 on its way out, card 4 up as a first pick.
    click_card(0);
    click_card(1);
    frame();
    game.field.card[2]->exploding = game.field.card[3]->exploding = true;
    click_card(4);
    game.level = 7;
    game.set_time(0, 3, 21);
    game.points = 4321;
    game.hammers = 1, game.stopwatches = 2, game.hourglasses = 3, game.dynamites = 4;
    game.hammers_used = 5, game.stopwatches_used = 6, game.hourglasses_used = 7;
    game.dynamites_used = 8;
    game.frozen = true;
    game.freeze_start = clock.now - 2500;
    const HDC set = game.field.card[0]->sheet_dc;

    save_in(0);
    EXPECT_EQ(game.screen, screen_menu);
    EXPECT_TRUE(game.main_menu.can_continue);
    // Saving leaves the game in progress as it was.
    EXPECT_EQ(game.picks, 1);
    EXPECT_TRUE(game.field.card[4]->face_up);
    EXPECT_TRUE(game.field.card[2]->exploding);

    // Another game in between, with another set than the one drawn for the saved game.
    for (const card_set& other : card_sets)
        if (res->sheet_dc[other.slot] != set) game.opts.card_mode = other.card_mode;
    command(id_new_game);
    ASSERT_NE(game.field.card[0]->sheet_dc, set);
    game.hammer_armed = true;
    clock.advance(60000);
    load_from(0);
    EXPECT_EQ(game.screen, screen_play);
    EXPECT_TRUE(game.playing);
    EXPECT_FALSE(game.hammer_armed);
    EXPECT_FALSE(game.in_shop);
    EXPECT_EQ(game.level, 7);
    EXPECT_EQ(game.hours, 0);
    EXPECT_EQ(game.minutes, 3);
    EXPECT_EQ(game.seconds, 21);
    EXPECT_EQ(game.points, 4321);
    const int counts[8] = {game.hammers,      game.stopwatches,      game.hourglasses,
                           game.dynamites,    game.hammers_used,     game.stopwatches_used,
                           game.hourglasses_used, game.dynamites_used};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(counts[i], i + 1);
    // The random mode goes on drawing; this board keeps the set it had.
    EXPECT_EQ(game.card_mode, random_card_mode);
    EXPECT_EQ(game.picks, 0);
    EXPECT_FALSE(game.busy);
    EXPECT_TRUE(game.frozen);
    EXPECT_EQ(clock.now - game.freeze_start, 2500u);
    for (int i = 0; i < 64; ++i) {
        SCOPED_TRACE(testing::Message() << "card " << i);
        const cards& c = *game.field.card[i];
        EXPECT_EQ(game.field.pictures[i], i / 2);
        EXPECT_EQ(c.removed, i < 4);
        EXPECT_FALSE(c.face_up || c.exploding || c.smashing);
        EXPECT_EQ(c.sheet_dc, set);
    }
    // Play goes on: the next pair leaves, the freeze holds the clock for the rest of its ten
    // seconds, and then it runs from where it stood.
    frame();
    click_card(4);
    click_card(5);
    frame();
    EXPECT_TRUE(game.field.card[4]->removed && game.field.card[5]->removed);
    clock.advance(7500);
    frame();
    EXPECT_TRUE(game.frozen);
    clock.advance(1);
    frame();
    frame();
    EXPECT_FALSE(game.frozen);
    EXPECT_EQ(game.seconds, 20);
}

TEST_F(Saves, AGameSavedInTheShopLoadsIntoTheShop) {
    new_ordered_game();
    frame();
    for (const auto& c : game.field.card) c->removed = true;
    frame();
    ASSERT_TRUE(game.in_shop);
    frame();  // the shop's sprites are placed by its first frame
    // Bought and saved before the next frame: the save holds the hammer with its price paid.
    game.store.points = 500;
    click(400, 270);
    const int points = game.store.points, hammers = game.store.hammers;
    ASSERT_EQ(points, 380);
    save_in(1);
    command(id_new_game);
    // Only what the load puts in the shop can be there.
    game.store.points = game.store.hammers = 0;
    load_from(1);
    EXPECT_TRUE(game.in_shop);
    EXPECT_FALSE(game.playing);
    EXPECT_EQ(game.store.points, points);
    EXPECT_EQ(game.store.hammers, hammers);
    frame();
    EXPECT_EQ(game.hammers, hammers);
    EXPECT_EQ(game.points, points);
}

// Yes and Y replace what a slot holds; No, Escape and Enter keep it, and a held key's
// repeats leave the question up.
TEST_F(Saves, AnOccupiedSlotIsReplacedOnlyWhenThePlayerSaysSo) {
    new_ordered_game();
    save_in(2);
    ASSERT_EQ(file_bytes("save3.dat").size(), saved_game_size);
    std::ofstream("save4.dat", std::ios::binary) << "not a saved game";
    const struct {
        int slot;
        int answer;
        LPARAM key_flags;
        bool replaced;
    } cases[] = {{2, IDNO, 0, false},         {3, -VK_ESCAPE, 0, false},
                 {2, -VK_RETURN, 0, false},   {3, -'Y', 0, true},
                 {2, IDYES, 0, true},
                 // Left up, then answered Yes by the harness.
                 {2, -VK_RETURN, key_repeat_bit, true}};
    int level = 9;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot + 1 << ", answer " << c.answer);
        game.level = ++level;
        const std::string before = file_bytes(slot_file_name(c.slot));
        press(VK_ESCAPE);
        command(id_save_game);
        const std::string asked = answer_message_box(
            "Save game", [&] { command(id_slot_1 + c.slot); }, c.answer, c.key_flags);
        EXPECT_NE(asked.find("Replace"), std::string::npos) << asked;
        EXPECT_EQ(message_box_outlived_key(), c.key_flags != 0);
        saved_game saved;
        if (c.replaced) {
            ASSERT_EQ(read_slot(c.slot, saved), slot_state::saved);
            EXPECT_EQ(saved.level, level);
            EXPECT_EQ(game.screen, screen_menu);
        } else {
            EXPECT_EQ(file_bytes(slot_file_name(c.slot)), before);
            EXPECT_EQ(game.screen, screen_save);
        }
    }
}

TEST_F(Saves, WithoutAGameInProgressNoSlotCanBeWritten) {
    for (bool after_game_over : {false, true}) {
        SCOPED_TRACE(after_game_over ? "after a game over" : "before the first game");
        press(VK_ESCAPE);
        if (after_game_over) {
            command(id_new_game);
            game.set_time(0, 0, 0);
            press(VK_ESCAPE);
        }
        command(id_save_game);
        EXPECT_FALSE(game.saves.can_save);
        for (const button& b : game.saves.slot_buttons) {
            EXPECT_TRUE(visible(b.hwnd));
            EXPECT_FALSE(enabled(b));
        }
        command(id_slot_1);
        EXPECT_EQ(GetFileAttributesA("save1.dat"), INVALID_FILE_ATTRIBUTES);
        press(VK_ESCAPE);
    }
}

TEST_F(Saves, EmptyAndDamagedSlotsCannotBeLoaded) {
    new_ordered_game();
    save_in(0);
    std::ofstream("save2.dat", std::ios::binary) << std::string(saved_game_size, 'x');
    command(id_load_game);
    EXPECT_EQ(game.saves.states[0], slot_state::saved);
    EXPECT_EQ(game.saves.states[1], slot_state::damaged);
    for (int i = 0; i < saved_game_slots; ++i) EXPECT_EQ(enabled(game.saves.slot_buttons[i]), i == 0);
    // A file damaged after the screen read it.
    std::ofstream("save1.dat", std::ios::binary | std::ios::app) << 'x';
    game.level = 5;
    const std::string said =
        answer_message_box("Load game", [] { command(id_slot_1); });
    EXPECT_EQ(said, "Slot 1 is damaged and cannot be loaded.");
    EXPECT_EQ(game.screen, screen_load);
    EXPECT_EQ(game.level, 5);
    EXPECT_EQ(file_bytes("save1.dat").size(), saved_game_size + 1);
    EXPECT_FALSE(enabled(game.saves.slot_buttons[0]));
    press(VK_ESCAPE);
}

TEST_F(Saves, EscapeReachesTheGameWhileAButtonHasTheFocus) {
    new_ordered_game();
    press(VK_ESCAPE);
    command(id_save_game);
    SetFocus(game.saves.back.hwnd);
    MSG message = {game.saves.back.hwnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    route_to_game(message);
    DispatchMessageA(&message);
    EXPECT_EQ(game.screen, screen_menu);
    EXPECT_TRUE(game.main_menu.can_continue);
}
}  // namespace
