#pragma once
#include <windows.h>

#include <utility>
#include <vector>

// How the game's one 800x600 picture reaches the screen: the way it was first made (a
// pop-up at the screen's corner with the display switched to 800x600), a window of its own
// scaled by a whole number, or the whole monitor at its own resolution with the picture
// scaled and centred on black.
enum class window_mode { plain, windowed, full_screen };

// Where the picture sits in the client area: each game pixel is a scale-by-scale block,
// the picture's top-left corner at (left, top).
struct placement {
    int scale;
    int left;
    int top;
};

bool same_place(const placement& a, const placement& b);
// "/window" and "/fullscreen" choose those modes; anything else is the plain start.
window_mode mode_from_command_line(const char* command_line);
// The largest whole scale at which the picture and a frame of the given size fit the work
// area; 1 where not even that fits.
int window_scale(int work_width, int work_height, int frame_width, int frame_height);
// The largest whole scale that fits the area, centred in it.
placement centred(int width, int height);
// The game pixel under a client pixel; false on the black around the picture.
bool to_game(const placement& place, int x, int y, int& game_x, int& game_y);
// The client pixels a rectangle of game pixels covers.
RECT to_client(const placement& place, const RECT& game);
// The game pixels a rectangle of client pixels touches, within the picture.
RECT to_game_rect(const placement& place, const RECT& client);

// The main window's mode and the picture's place in it, and the changes between modes.
class view {
public:
    window_mode mode = window_mode::plain;
    placement place = {1, 0, 0};
    // The plain start switched the display to 800x600 and has to give it back.
    bool holds_display_mode = false;
    // The style, place and size the main window is made with.
    DWORD style() const;
    RECT initial_rect(window_mode requested);
    // After the window exists: its icon and its buttons as the mode wants them.
    void attach(HWND window);
    // Alt+Enter: from the plain start or full screen to the window, and from the window
    // to full screen.
    void toggle(HWND window);
    // The window is as large as its picture and frame, also on a screen smaller than both.
    void limit_size(MINMAXINFO& limits) const;
    // The desktop changed its size: the window or the full screen is placed again.
    void display_changed(HWND window);
    // Another program gained or lost the focus while the game may hold the 800x600 mode.
    void activate_app(HWND window, bool active);
    // Every button where the picture's placement puts it, lettered at its scale; cheap
    // where neither the placement nor a button moved.
    void layout_buttons(HWND window);
    // The name dialog: its controls as its template made them, and then as large as the
    // picture and over the board, shown or not, wherever the window goes; placed before it
    // shows, since a window moved as it is shown may lose the keyboard under Wine.
    void attach_dialog(HWND made);
    void place_dialog();
    void release();

private:
    void enter(HWND window, window_mode to);
    RECT windowed_rect(HMONITOR monitor);
    HFONT font = nullptr;
    int font_scale = 1;
    // Where the buttons were last put; they are made where the plain start has them.
    placement laid_out = {1, 0, 0};
    unsigned laid_out_moves = 0;
    bool mode_given_back = false;
    RECT last_window = {};
    HWND dialog = nullptr;
    SIZE made_size = {};
    std::vector<std::pair<HWND, RECT>> made_controls;
    HFONT dialog_font = nullptr;
    int dialog_font_height = 0;
};

extern view main_view;
