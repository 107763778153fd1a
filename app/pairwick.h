#pragma once
#include <windows.h>

#include "app/view.h"

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK EnterYourName(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Registers the window class and creates the main window. Returns the window, or null
// when registration or creation fails.
HWND create_main_window(HINSTANCE instance, window_mode mode = window_mode::plain);
// What the screens after the title need, made as the title shows: the buttons, the
// options read, the board's cards and the hidden name dialog. The card resources first.
void create_children(HWND window);
// One frame of the game, copied whole to target at its origin, one to one.
void paint_frame(HDC target);
// The game's keys reach the game also while one of its buttons has the focus: a key
// message for a button is readdressed to the main window before it is dispatched.
void route_to_game(MSG& message);
// The name dialog's keys, as any dialog has them, with Escape as Cancel: true when the
// message was the dialog's and is handled.
bool name_dialog_key(MSG& message);
