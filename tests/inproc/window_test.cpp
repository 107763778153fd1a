#include "inproc/inproc.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/frames.h"
#include "gfx/ticks.h"

namespace {
using Window = InProc;

TEST_F(Window, ClassAndWindowAreAsTheGameMakesThem) {
    char name[64] = {};
    GetClassNameA(game.window, name, sizeof name);
    EXPECT_STREQ(name, "Pairwick");
    GetWindowTextA(game.window, name, sizeof name);
    EXPECT_STREQ(name, "Pairwick");
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "Pairwick", &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(info.hbrBackground, nullptr);
    const LONG_PTR style = GetWindowLongPtrA(game.window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & WS_CAPTION);
    RECT r;
    GetWindowRect(game.window, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 800);
    EXPECT_EQ(r.bottom - r.top, 600);
    // The name dialog exists from creation on, hidden.
    ASSERT_NE(game.name_dialog, nullptr);
    EXPECT_FALSE(visible(game.name_dialog));
    GetWindowTextA(game.name_dialog, name, sizeof name);
    EXPECT_STREQ(name, "Game Over!");
}

TEST_F(Window, IntroHidesEveryButton) {
    frame();
    for (const button& b : game.main_menu.buttons) EXPECT_FALSE(visible(b.hwnd));
    for (const button& b : game.opts.buttons) EXPECT_FALSE(visible(b.hwnd));
}

struct escape_case {
    int from;
    bool time_left;
    int to;
    bool can_continue;
};

TEST_F(Window, EscapeTable) {
    const escape_case cases[] = {
        {screen_intro, true, screen_menu, false},
        {screen_menu, true, screen_menu, true},  // unchanged: was set true before
        {screen_play, true, screen_menu, true},
        {screen_play, false, screen_menu, false},
        {screen_options, true, screen_menu, true},  // as Back
    };
    for (const escape_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from screen " << c.from
                                        << (c.time_left ? " with time left" : " at 0:00:00"));
        game.screen = c.from;
        game.main_menu.can_continue = true;
        game.set_time(0, c.time_left ? 5 : 0, 0);
        press(VK_ESCAPE);
        EXPECT_EQ(game.screen, c.to);
        EXPECT_EQ(game.main_menu.can_continue, c.can_continue);
        // Every Escape asks for a frame.
        RECT pending;
        EXPECT_TRUE(GetUpdateRect(game.window, &pending, FALSE));
        ValidateRect(game.window, nullptr);
    }
}

TEST_F(Window, OtherKeysDoNothing) {
    for (WPARAM key : {WPARAM{VK_TAB}, WPARAM{'1'}, WPARAM{'A'}, WPARAM{VK_F1}}) {
        game.screen = screen_intro;
        press(key);
        EXPECT_EQ(game.screen, screen_intro);
    }
}

TEST_F(Window, EscapeFromAGameOffersContinueAndContinueReturns) {
    press(VK_ESCAPE);
    frame();
    EXPECT_FALSE(visible(game.main_menu.buttons[0].hwnd));
    command(id_new_game);
    EXPECT_EQ(game.screen, screen_play);
    frame();
    press(VK_ESCAPE);
    frame();
    EXPECT_TRUE(visible(game.main_menu.buttons[0].hwnd));
    EXPECT_FALSE(game.playing);
    command(id_continue);
    EXPECT_EQ(game.screen, screen_play);
    EXPECT_TRUE(game.playing);
    for (const button& b : game.main_menu.buttons) EXPECT_FALSE(visible(b.hwnd));
}

TEST_F(Window, ContinueIntoTheShopKeepsPlayingOff) {
    command(id_new_game);
    game.in_shop = true;
    game.playing = false;
    press(VK_ESCAPE);
    EXPECT_TRUE(game.main_menu.can_continue);
    command(id_continue);
    EXPECT_EQ(game.screen, screen_play);
    EXPECT_FALSE(game.playing);
}

struct command_case {
    std::uint32_t id;
    int screen;
};

TEST_F(Window, MenuCommandsSwitchScreensAndHideTheMenu) {
    const command_case cases[] = {
        {id_save_game, screen_save},   {id_load_game, screen_load},
        {id_high_scores, screen_high_scores}, {id_options, screen_options},
        {id_help, screen_help},        {id_new_game, screen_play},
    };
    for (const command_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.id);
        game.screen = screen_menu;
        frame();
        EXPECT_TRUE(visible(game.main_menu.buttons[1].hwnd));
        command(c.id);
        EXPECT_EQ(game.screen, c.screen);
        for (const button& b : game.main_menu.buttons) EXPECT_FALSE(visible(b.hwnd));
        for (const button& b : game.opts.buttons)
            EXPECT_EQ(visible(b.hwnd), c.screen == screen_options);
        if (c.screen == screen_options) command(id_back);
    }
}

TEST_F(Window, UnknownCommandsAndNotificationsAreIgnored) {
    game.screen = screen_menu;
    game.opts.card_mode = 2;
    game.opts.sound = 0;
    // 107 belongs to no button; a non-zero notification half matches no id.
    for (std::uint32_t id : {0u, 99u, 107u, 111u, 510u, 516u, 599u, 602u, 0x10065u, 0x20068u,
                             0x101FFu}) {
        SCOPED_TRACE(testing::Message() << "id 0x" << std::hex << id);
        command(id);
        EXPECT_EQ(game.screen, screen_menu);
        EXPECT_EQ(game.opts.card_mode, 2);
        EXPECT_EQ(game.opts.sound, 0);
        MSG m;
        EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    }
}

TEST_F(Window, OptionCommandsChangeOnlyTheOptions) {
    struct option_case {
        std::uint32_t id;
        int card_mode;
        int sound;
    };
    std::vector<option_case> cases = {{id_random_set, random_card_mode, 7},
                                      {id_sound_on, 9, 1}, {id_sound_off, 9, 0}};
    for (const card_set& set : card_sets)
        cases.push_back({static_cast<std::uint32_t>(set.sheet_id), set.card_mode, 7});
    for (const option_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.id);
        game.opts.card_mode = 9;
        game.opts.sound = 7;
        game.card_mode = 1;
        game.sound = 1;
        command(c.id);
        EXPECT_EQ(game.opts.card_mode, c.card_mode);
        EXPECT_EQ(game.opts.sound, c.sound);
        EXPECT_EQ(game.card_mode, 1);
        EXPECT_EQ(game.sound, 1);
    }
}

TEST_F(Window, ExitPostsTheQuitMessage) {
    command(id_exit);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 0u);
}

// Closing Wine's desktop window ends the session: the process dies after this message.
TEST_F(Window, EndOfSessionWritesTheTableAsExitWould) {
    for (WPARAM ending : {FALSE, TRUE}) {
        SCOPED_TRACE(ending ? "session ends" : "end cancelled");
        DeleteFileA("scores.dat");
        SendMessageA(game.window, WM_ENDSESSION, ending, 0);
        WIN32_FILE_ATTRIBUTE_DATA info{};
        const bool written = GetFileAttributesExA("scores.dat", GetFileExInfoStandard, &info);
        EXPECT_EQ(written, ending == TRUE);
        if (written) {
            EXPECT_EQ(info.nFileSizeLow, sizeof game.scores.table);
        }
    }
}

TEST_F(Window, MenuShowsSevenButtonsAndShowIsIdempotent) {
    game.screen = screen_menu;
    const char* const captions[8] = {"&Continue", "&New game", "&Save",           "&Load",
                                     "&High scores", "&Options", "H&elp / Credits", "E&xit"};
    const int ids[8] = {id_continue,    id_new_game, id_save_game, id_load_game,
                        id_high_scores, id_options,  id_help,      id_exit};
    for (unsigned char flag : {0, 1, 2, 1}) {
        SCOPED_TRACE(testing::Message() << "can_continue byte " << int(flag));
        std::memcpy(&game.main_menu.can_continue, &flag, 1);
        for (int repeat = 0; repeat < 2; ++repeat) {
            frame();
            for (int i = 0; i < 8; ++i) {
                const HWND b = game.main_menu.buttons[i].hwnd;
                EXPECT_EQ(visible(b), i != 0 || flag == 1) << captions[i];
                char text[32] = {};
                GetWindowTextA(b, text, sizeof text);
                EXPECT_STREQ(text, captions[i]);
                EXPECT_EQ(GetDlgCtrlID(b), ids[i]);
                RECT r;
                GetWindowRect(b, &r);
                EXPECT_EQ(r.left, 350);
                EXPECT_EQ(r.top, 150 + 30 * i);
                EXPECT_EQ(r.right - r.left, 100);
                EXPECT_EQ(r.bottom - r.top, 20);
            }
        }
    }
    game.main_menu.can_continue = false;
}

TEST_F(Window, OptionsScreenAndBack) {
    game.screen = screen_menu;
    game.main_menu.can_continue = true;
    command(id_options);
    frame();
    EXPECT_EQ(game.screen, screen_options);
    for (const button& b : game.opts.buttons) EXPECT_TRUE(visible(b.hwnd));
    command(id_back);
    EXPECT_EQ(game.screen, screen_menu);
    frame();
    for (const button& b : game.opts.buttons) EXPECT_FALSE(visible(b.hwnd));
    // Back keeps Continue as it was.
    EXPECT_TRUE(visible(game.main_menu.buttons[0].hwnd));
    game.main_menu.can_continue = false;
}

// Many frames over every screen leave the process's graphics objects where they were.
TEST_F(Window, TenThousandFramesLeakNoGraphicsObject) {
    command(id_new_game);
    frame();
    const int screens[] = {screen_intro, screen_menu, screen_play, screen_save,
                           screen_high_scores, screen_options, screen_help, screen_play};
    // Each screen reads its pictures as it first shows; from then on nothing may grow.
    for (int s : screens) {
        game.screen = s;
        frame();
        game.in_shop = !game.in_shop;
        frame();
    }
    game.in_shop = false;
    const int before = gdi_object_count();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 10000; ++i) {
        game.screen = screens[(i / 250) % 8];
        // Half of the play frames show the shop.
        game.in_shop = (i / 2000) % 2 == 1;
        clock.advance(37);
        frame();
    }
    EXPECT_EQ(gdi_object_count(), before);
    game.in_shop = false;
}
TEST(WindowDisplayMode, AlreadyInModeOnlyWhenEveryAskedSettingMatches) {
    DEVMODEA wanted{};
    wanted.dmPelsWidth = 800;
    wanted.dmPelsHeight = 600;
    wanted.dmBitsPerPel = 16;
    wanted.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    struct row {
        DWORD width, height, bits;
        bool already;
    };
    const row rows[] = {
        {800, 600, 16, true},   {1024, 600, 16, false}, {800, 768, 16, false},
        {800, 600, 32, false},  {800, 600, 15, false},  {1920, 1080, 32, false},
    };
    for (const row& r : rows) {
        DEVMODEA current{};
        current.dmPelsWidth = r.width;
        current.dmPelsHeight = r.height;
        current.dmBitsPerPel = r.bits;
        SCOPED_TRACE(testing::Message() << r.width << "x" << r.height << "x" << r.bits);
        EXPECT_EQ(display_already_in(wanted, current), r.already);
    }
    // A setting the request leaves out cannot make the display differ.
    DEVMODEA current{};
    current.dmPelsWidth = 800;
    current.dmPelsHeight = 600;
    current.dmBitsPerPel = 32;
    wanted.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    EXPECT_TRUE(display_already_in(wanted, current));
}
}  // namespace

namespace {
using Frames = InProc;

// Frames come only when something on screen is due: every screen that moves asks to be
// woken no later than its next step, and one that stands still asks for nothing.
TEST_F(Frames, EachScreenAsksToBeWokenForItsNextChangeOrNotAtAll) {
    command(id_new_game);
    const struct {
        int screen;
        bool in_shop;
        bool moves;
    } cases[] = {
        {screen_play, false, true}, {screen_play, true, true}, {screen_help, false, true},
        {screen_high_scores, false, false}, {screen_menu, false, false},
        {screen_options, false, false}, {screen_save, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "screen " << c.screen << (c.in_shop ? ", shop" : ""));
        game.screen = c.screen;
        game.in_shop = c.in_shop;
        clock.advance(1000);
        std::uint32_t wake;
        take_wake(wake);
        frame();
        ASSERT_EQ(take_wake(wake), c.moves);
        // The quickest sprite steps every 100 ms.
        if (c.moves) {
            EXPECT_GT(static_cast<std::int32_t>(wake - clock.now), 0);
            EXPECT_LE(wake - clock.now, 101u);
        }
    }
    game.in_shop = false;
}

TEST_F(Frames, NoFrameWhileMinimisedAndTheClockStandsStill) {
    command(id_new_game);
    frame();
    const int seconds = game.seconds;
    ShowWindow(game.window, SW_MINIMIZE);
    clock.advance(5000);
    SendMessageA(game.window, WM_TIMER, frame_pacer::timer_id, 0);
    EXPECT_EQ(game.seconds, seconds);
    ShowWindow(game.window, SW_RESTORE);
    ValidateRect(game.window, nullptr);
    SendMessageA(game.window, WM_TIMER, frame_pacer::timer_id, 0);
    // As after any time without frames: the first one back takes one second.
    EXPECT_EQ(game.seconds, seconds - 1);
    KillTimer(game.window, frame_pacer::timer_id);
}

// While the plain start holds the 800x600 mode, another program gets the desktop's own
// mode back and the game steps aside; coming back takes the mode again.
TEST_F(Frames, AnotherProgramTakingTheFocusGetsTheDesktopBack) {
    ASSERT_EQ(main_view.mode, window_mode::plain);
    main_view.holds_display_mode = true;
    SendMessageA(game.window, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_TRUE(IsIconic(game.window));
    EXPECT_FALSE(main_view.holds_display_mode);
    SendMessageA(game.window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_FALSE(IsIconic(game.window));
    // This display is already at 800x600 and 16 bits, so the request succeeds.
    EXPECT_TRUE(main_view.holds_display_mode);
    RECT r;
    GetWindowRect(game.window, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 800);
    EXPECT_EQ(r.bottom, 600);
    // Without the mode held, losing the focus changes nothing.
    main_view.holds_display_mode = false;
    SendMessageA(game.window, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(IsIconic(game.window));
}
}  // namespace

namespace {
using Modes = InProc;

HHOOK menu_hook = nullptr;
bool menu_opened = false;
// Sees the system menu asked for by the keyboard, and keeps it from running its loop.
LRESULT CALLBACK catch_key_menu(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_SYSCOMMAND && (wparam & 0xFFF0) == SC_KEYMENU) {
        menu_opened = true;
        return 1;
    }
    return CallNextHookEx(menu_hook, code, wparam, lparam);
}

// Alt+Enter leaves the plain start for a window of its own (between that window and the
// whole screen, the installed game's desktop test goes), once per press, whichever key the
// player lets go first; a change of the desktop places the window again.
TEST_F(Modes, AltEnterLeavesThePlainStartForAWindowOfItsOwn) {
    ASSERT_EQ(main_view.mode, window_mode::plain);
    constexpr LPARAM alt = LPARAM{1} << 29, repeat = LPARAM{1} << 30, up = LPARAM{1} << 31;
    const auto client = [] {
        RECT r;
        GetClientRect(game.window, &r);
        return r;
    };
    menu_hook = SetWindowsHookExA(WH_CBT, catch_key_menu, nullptr, GetCurrentThreadId());
    SendMessageA(game.window, WM_SYSKEYDOWN, VK_MENU, alt);
    SendMessageA(game.window, WM_SYSKEYDOWN, VK_RETURN, alt);
    SendMessageA(game.window, WM_SYSKEYUP, VK_MENU, alt | repeat | up);
    UnhookWindowsHookEx(menu_hook);
    EXPECT_FALSE(menu_opened);
    EXPECT_EQ(main_view.mode, window_mode::windowed);
    EXPECT_TRUE(GetWindowLongPtrA(game.window, GWL_STYLE) & WS_CAPTION);
    // This screen is 800x600: a window of scale 1, the picture at the client's corner.
    EXPECT_EQ(client().right, 800);
    EXPECT_EQ(client().bottom, 600);
    EXPECT_EQ(main_view.place.scale, 1);
    SendMessageA(game.window, WM_SYSKEYDOWN, VK_RETURN, alt | repeat);
    EXPECT_EQ(main_view.mode, window_mode::windowed);
    main_view.place = {3, 0, 0};
    SendMessageA(game.window, WM_DISPLAYCHANGE, 16, MAKELPARAM(800, 600));
    EXPECT_EQ(main_view.place.scale, 1);
    EXPECT_EQ(client().right, 800);
    // The name dialog stands on the board wherever the window was moved, and Alt+Enter
    // typed in it switches the window too.
    const auto dialog_on_board = [] {
        RECT d;
        GetWindowRect(game.name_dialog, &d);
        const RECT board = to_client(main_view.place, {200, 0, 800, 600});
        POINT centre = {(board.left + board.right) / 2, (board.top + board.bottom) / 2};
        ClientToScreen(game.window, &centre);
        return std::abs((d.left + d.right) / 2 - centre.x) <= 1 &&
               std::abs((d.top + d.bottom) / 2 - centre.y) <= 1;
    };
    SetWindowPos(game.window, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(game.name_dialog, SW_SHOW);
    EXPECT_TRUE(dialog_on_board());
    MSG alt_enter = {game.name_dialog, WM_SYSKEYDOWN, VK_RETURN, alt, GetTickCount(), {}};
    EXPECT_TRUE(name_dialog_key(alt_enter));
    EXPECT_EQ(main_view.mode, window_mode::full_screen);
    EXPECT_TRUE(dialog_on_board());
    ShowWindow(game.name_dialog, SW_HIDE);

    // Back to the plain start for the tests that follow.
    main_view.mode = window_mode::plain;
    main_view.place = {1, 0, 0};
    SetWindowLongPtrA(game.window, GWL_STYLE, static_cast<LONG_PTR>(main_view.style()));
    SetWindowPos(game.window, HWND_TOP, 0, 0, 800, 600, SWP_FRAMECHANGED);
    main_view.layout_buttons(game.window);
}
}  // namespace
