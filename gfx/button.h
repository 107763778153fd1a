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
    // Shown and enabled: the keyboard may reach it.
    bool usable() const;
    // A push button, which Enter presses when it has the focus; not a radio button.
    bool is_push_button() const;
    // As a click: a radio button is checked, and the window gets the command.
    void press() const;

    // Where the keyboard is among the buttons. The window keeps the real focus, so every key
    // reaches the game's table; the focus frame is the game's own, drawn at the picture's
    // scale once the keyboard is in use, as Windows shows focus and underlined letters only
    // after a key.
    static const button* keyboard_focus;
    static int focus_scale;
    static bool keyboard_cues;
    static void hide_keyboard_cues(HWND parent);
    static void show_keyboard_cues(HWND parent);

private:
    void place(HWND made, int left, int top, int w, int h);
};

// Keyboard moves among a screen's buttons, in the order given: the keyboard's focus goes
// `step` usable buttons on from the focused one (1 forward, -1 back, round the ends), or to
// the first or last when none of them has it. Returns the newly focused button, or null.
const button* move_focus(const button* const* buttons, int count, int step);
// The usable button among them that has the focus, or null.
const button* focused_button(const button* const* buttons, int count);
// The letter a caption underlines, upper case ("E&xit" underlines X); 0 for none.
char underlined_letter(const char* caption);
