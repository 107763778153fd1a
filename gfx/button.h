#pragma once
#include <windows.h>

#include <string>

// One standard child button of the main window, known to the game by its command id. Its
// place is in game pixels; the window puts it where the scaled picture has that place.
class button {
public:
    HWND hwnd;
    int x;
    int y;
    int width;
    int height;

    // Captions are UTF-8.
    void push_button(HWND parent, const char* caption, int x, int y, int width, int height,
                     int id);
    void radio_button(HWND parent, const char* caption, int x, int y, int width, int height,
                      int id, int extra_style);
    void set_caption(const char* utf8);
    // How wide the button must be in game pixels for its caption to fit, in the game's
    // font (underlined letters' marks do not count).
    int width_for_caption() const;
    // Its place in game pixels; the window moves it there when it next lays the buttons out.
    void move(int x, int width);
    // Where the window last put it is its place: false after a move, until it lays the
    // buttons out again.
    bool laid_out = false;
    // Changes each time a button moves, so the window knows to lay them out again.
    static unsigned moves;
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
// The letter a caption underlines ("E&xit" underlines x); 0 for none.
wchar_t underlined_letter(const std::wstring& caption);
// Whether two letters are the same but for case, in any script.
bool same_letter(wchar_t a, wchar_t b);
