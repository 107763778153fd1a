#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/pairwick.h"
#include "game/game.h"
#include "resources/card_sets.h"
#include "unit/support.h"

// The real window, created once per test program as WinMain creates it, with the
// game's tick count driven by the test.
class game_window : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

// Resets the game to a fresh run's state on a given screen.
class InProc : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    fake_clock clock;
};

// One frame as a paint message runs it, into a test surface; pending repaints are
// dropped so frames come only when the test asks.
void frame();
// As the window procedure receives them.
void press(WPARAM key);
// A character typed, as the window procedure receives it.
void type(wchar_t typed);
void command(std::uint32_t id);
void click(int x, int y);
// A new game with cards of a fixed deal: picture p at positions 2p and 2p+1.
void new_ordered_game();
// Runs body while answering the first modal message box titled caption with the button
// `answer` (IDOK, IDYES, IDNO), or with the key -answer, its key message's lparam
// `key_flags`. Returns the box's text, or "" if none appeared.
std::string answer_message_box(const char* caption, const std::function<void()>& body,
                               int answer = IDOK, LPARAM key_flags = 0);
// Whether the last box answered by a key was still open after the key, and so was
// answered Yes.
bool message_box_outlived_key();
bool visible(HWND window);
