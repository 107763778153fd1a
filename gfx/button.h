#pragma once
#include <windows.h>

// One standard child button of the main window, known to the game by its command id. Its
// place is in game pixels; the window puts it where the scaled picture has that place.
class button {
public:
    HWND hwnd;
    int x;
    int y;
    int width;
    int height;

    void push_button(HWND parent, const char* caption, int x, int y, int width, int height,
                     int id);
    void radio_button(HWND parent, const char* caption, int x, int y, int width, int height,
                      int id, int extra_style);
    void show_button();
    void hide_button();

private:
    void place(HWND made, int left, int top, int w, int h);
};
