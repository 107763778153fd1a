#include "inproc/inproc.h"

#include <fstream>
#include <iterator>
#include <string>

namespace {
using Keys = InProc;

bool focused(const button& b) { return button::keyboard_focus == &b; }

// Escape, Enter and Space leave the title, the help and the high scores for the menu, and
// Escape leaves the options as Back does.
TEST_F(Keys, EachScreenLeavesByItsKeys) {
    const struct {
        int from;
        WPARAM key;
        int to;
    } cases[] = {{screen_intro, VK_RETURN, screen_menu},      {screen_intro, VK_SPACE, screen_menu},
                 {screen_intro, 'X', screen_intro},           {screen_help, VK_SPACE, screen_menu},
                 {screen_high_scores, VK_RETURN, screen_menu}, {screen_high_scores, VK_LEFT, screen_high_scores},
                 {screen_options, VK_ESCAPE, screen_menu}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "screen " << c.from << ", key " << c.key);
        game.screen = c.from;
        press(c.key);
        EXPECT_EQ(game.screen, c.to);
    }
}

// Tab and the arrows go from button to button, Space selects, Escape leaves without
// saving and Enter saves.
TEST_F(Keys, TheOptionsByKeyboard) {
    DeleteFileA("options.ini");
    command(id_options);
    press(VK_DOWN);
    EXPECT_TRUE(focused(game.opts.buttons[2]));  // Castles, the first of the screen
    press(VK_DOWN);
    press(VK_SPACE);
    EXPECT_EQ(game.opts.card_mode, 1);  // Cars
    press(VK_TAB);
    press(VK_TAB);
    press(VK_TAB);
    press(VK_TAB);
    press(VK_TAB);
    EXPECT_TRUE(focused(game.opts.buttons[8]));  // Sound Off
    press(VK_ESCAPE);
    EXPECT_EQ(game.screen, screen_menu);
    EXPECT_EQ(GetFileAttributesA("options.ini"), INVALID_FILE_ATTRIBUTES);
    command(id_options);
    EXPECT_NE(answer_message_box("Options", [] { press(VK_RETURN); }).find("saved"),
              std::string::npos);
    std::ifstream in("options.ini");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 13), "[CARDMODE]\n1\n");
    command(id_back);
}

// The arrows and Enter, or a caption's underlined letter, press the menu's buttons.
TEST_F(Keys, TheMenuByArrowsAndLetters) {
    game.screen = screen_menu;
    frame();
    press(VK_DOWN);
    EXPECT_TRUE(focused(game.main_menu.buttons[1]));  // no Continue before a game
    press(VK_UP);
    EXPECT_TRUE(focused(game.main_menu.buttons[7]));
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_RETURN);
    EXPECT_EQ(game.screen, screen_save);
    press(VK_ESCAPE);
    type(L'h');
    EXPECT_EQ(game.screen, screen_high_scores);
    press(VK_ESCAPE);
    type(L'c');  // Continue is not offered
    EXPECT_EQ(game.screen, screen_menu);
}
// The arrows move the highlight over the cards still on the board, Space and Enter turn
// the one it frames as a click would, a click puts it away, and the digits use the
// power-ups, 1 arming and disarming the hammer.
TEST_F(Keys, TheBoardByArrowsSpaceAndDigits) {
    new_ordered_game();
    frame();
    game.field.card[0]->removed = game.field.card[1]->removed = true;
    press(VK_RIGHT);
    EXPECT_TRUE(game.highlight_shown);
    EXPECT_EQ(game.highlight, 2);  // shown on the first card left, not moved yet
    press(VK_DOWN);
    press(VK_LEFT);
    EXPECT_EQ(game.highlight, 9);
    press(VK_SPACE);
    press(VK_LEFT);
    press(VK_RETURN);
    frame();
    EXPECT_TRUE(game.field.card[8]->removed && game.field.card[9]->removed);
    press('1');
    surface shot(800, 600);
    paint_frame(shot.dc());
    // The highlight, gone on from the pair that left to the next card, and the armed
    // hammer's box.
    for (POINT p : {POINT{card_left(10) - 3, card_top(10) + 25}, POINT{37, 330}}) {
        const COLORREF c = GetPixel(shot.dc(), p.x, p.y);
        EXPECT_TRUE(GetRValue(c) > 240 && GetGValue(c) > 190 && GetBValue(c) < 20) << std::hex << c;
    }
    press('1');
    EXPECT_FALSE(game.hammer_armed);
    EXPECT_EQ(game.hammers, 10);
    press('1');
    press(VK_UP);  // to the nearest card above
    EXPECT_EQ(game.highlight, 0 + 2);
    press(VK_SPACE);
    EXPECT_TRUE(game.field.card[3]->smashing);
    EXPECT_EQ(game.hammers, 9);
    click(700, 590);
    EXPECT_FALSE(game.highlight_shown);
    press('2');
    press('3');
    press('4');
    SendMessageA(game.window, WM_KEYDOWN, '4', LPARAM{1} << 30);  // held: spends no more
    EXPECT_TRUE(game.frozen);
    EXPECT_EQ(game.hourglasses, 9);
    EXPECT_EQ(game.dynamites, 9);
}

// In the shop the digits buy and Enter goes on; on the slots the digits choose.
TEST_F(Keys, TheShopAndTheSlotsByDigits) {
    new_ordered_game();
    frame();
    for (const auto& c : game.field.card) c->removed = true;
    frame();
    ASSERT_TRUE(game.in_shop);
    clock.advance(settling_time);
    game.store.points = 500;
    const int hammers = game.store.hammers;
    press('1');
    EXPECT_EQ(game.hammers, hammers + 1);
    EXPECT_EQ(game.points, 380);
    press(VK_RETURN);
    EXPECT_FALSE(game.in_shop);
    EXPECT_EQ(game.level, 2);
    press(VK_ESCAPE);
    command(id_save_game);
    press('2');
    EXPECT_EQ(game.screen, screen_menu);
    command(id_new_game);
    command(id_load_game);
    press('2');
    EXPECT_EQ(game.screen, screen_play);
    EXPECT_EQ(game.level, 2);
    DeleteFileA("save2.dat");
}
// A key acts on what the player saw when pressing it: the shop hears nothing in its first
// half second; Enter on the menu that a game was left for goes on with it; Enter presses
// the framed push button; with the hammer armed, a power-up's key is the hammer's blow, as
// a click on its sprite is.
TEST_F(Keys, AKeyActsOnWhatThePlayerSaw) {
    new_ordered_game();
    frame();
    for (const auto& c : game.field.card) c->removed = true;
    frame();
    ASSERT_TRUE(game.in_shop);
    const int hammers = game.hammers;
    for (std::uint32_t wait : {0u, settling_time - 1}) {
        clock.advance(wait);
        press('1');
        press(VK_SPACE);
    }
    EXPECT_TRUE(game.in_shop);
    EXPECT_EQ(game.hammers, hammers);
    clock.advance(1);
    press(VK_SPACE);
    ASSERT_EQ(game.level, 2);
    press(VK_ESCAPE);
    press(VK_RETURN);
    EXPECT_EQ(game.screen, screen_play);
    EXPECT_EQ(game.level, 2);

    DeleteFileA("options.ini");
    command(id_options);
    for (int i = 0; i < 8 + game.opts.language_count; ++i) press(VK_TAB);
    ASSERT_TRUE(focused(game.opts.buttons[0]));  // Back
    EXPECT_EQ(answer_message_box("Options", [] { press(VK_RETURN); }), "");
    EXPECT_EQ(game.screen, screen_menu);
    EXPECT_EQ(GetFileAttributesA("options.ini"), INVALID_FILE_ATTRIBUTES);

    command(id_continue);
    frame();
    const int dynamites = game.dynamites;
    press('1');
    press('4');
    EXPECT_FALSE(game.hammer_armed);
    EXPECT_EQ(game.hammers, hammers - 1);
    EXPECT_EQ(game.dynamites, dynamites - 1);
}
}  // namespace
