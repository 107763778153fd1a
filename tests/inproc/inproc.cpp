#include "inproc/inproc.h"

#include <cstring>
#include <string>

#include "app/frames.h"

namespace {
surface* frame_surface = nullptr;
}

void game_window::SetUp() {
    res = new cards_res;
    HWND window = create_main_window(GetModuleHandleA(nullptr));
    ASSERT_NE(window, nullptr);
    game.window = window;
    create_children(window);
    game.initialize();
    game.apply_language();
    frame_surface = new surface(800, 600);
}

void game_window::TearDown() {
    delete frame_surface;
    DestroyWindow(game.window);
    game.quit();
    delete res;
    res = nullptr;
}

void InProc::SetUp() {
    // Back to the state of a fresh start: intro screen, nothing played yet.
    game.screen = screen_intro;
    game.main_menu.can_continue = false;
    game.playing = game.in_shop = game.busy = game.hammer_armed = game.frozen = false;
    game.picks = 0;
    game.results_waiting.clear();
    game.set_time(0, 0, 0);
    game.last_clock_tick = 0;
    game.opts.card_mode = 2;
    game.opts.sound = 0;
    ShowWindow(game.name_dialog, SW_HIDE);
    // Frames come only when a test asks: none from the pacer's timer in a modal loop.
    KillTimer(game.window, frame_pacer::timer_id);
    frame();
}

void InProc::TearDown() { ShowWindow(game.name_dialog, SW_HIDE); }

void frame() {
    paint_frame(frame_surface->dc());
    ValidateRect(game.window, nullptr);
}

void press(WPARAM key) { SendMessageA(game.window, WM_KEYDOWN, key, 0); }

void type(wchar_t typed) { SendMessageW(game.window, WM_CHAR, typed, 0); }

void command(std::uint32_t id) { SendMessageA(game.window, WM_COMMAND, id, 0); }

void click(int x, int y) {
    SendMessageA(game.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void new_ordered_game() {
    command(id_new_game);
    for (int i = 0; i < 64; ++i) game.field.pictures[i] = i / 2;
    game.field.reset();
    res->assign_card_set(game.field.card, game.card_mode);
}

namespace {
const char* box_caption = nullptr;
int box_answer = IDOK;
LPARAM box_key_flags = 0;
bool box_outlived_key = false;
DWORD box_seen_at = 0;
std::string box_text;

void CALLBACK close_box(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA("#32770", box_caption);
    if (!box) return;
    char text[256] = {};
    // The text is the box's static control (id 0xFFFF).
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    box_text = text;
    if (box_answer < 0) {
        // A key once the box listens; one it leaves open is answered Yes at the next tick:
        // a failure, not a hang.
        if (!box_seen_at) box_seen_at = GetTickCount();
        if (GetTickCount() - box_seen_at < settling_time + 20) return;
        PostMessageA(box, WM_KEYDOWN, static_cast<WPARAM>(-box_answer), box_key_flags);
        box_answer = IDYES;
        return;
    }
    if (box_answer == IDYES && box_key_flags >= 0) {
        box_outlived_key = true;
    }
    KillTimer(nullptr, timer);
    SendMessageA(box, WM_COMMAND, box_answer, 0);
}
}  // namespace

std::string answer_message_box(const char* caption, const std::function<void()>& body,
                               int answer, LPARAM key_flags) {
    box_caption = caption;
    box_answer = answer;
    box_key_flags = answer < 0 ? key_flags : -1;
    box_outlived_key = false;
    box_seen_at = 0;
    box_text.clear();
    // The modal loop of the box dispatches this thread timer.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, close_box);
    body();
    KillTimer(nullptr, timer);
    MSG m;
    while (PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    return box_text;
}

bool message_box_outlived_key() { return box_outlived_key; }

bool visible(HWND window) { return IsWindowVisible(window) != FALSE; }

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new game_window);
    return RUN_ALL_TESTS();
}
