#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/view.h"

// The picture the window shows, kept between frames. Every frame draws the whole game into
// it as before; only the parts that differ from what the window already shows go to the
// window, enlarged to the view's scale. Most frames change a sprite and a few digits.
class frame_buffer {
public:
    frame_buffer() = default;
    frame_buffer(const frame_buffer&) = delete;
    frame_buffer& operator=(const frame_buffer&) = delete;

    // One frame of the game, and the window's DC `target` brought up to date: what changed,
    // and the client pixels `exposed` (which the window lost) in full.
    void present(HDC target, const placement& place, const RECT* exposed);
    // One frame of the game, copied whole to target at its origin, one to one.
    void paint_whole(HDC target);
    // Made again at the next frame, as the display now is (also after a failed try).
    void release();

private:
    bool make(HDC like);
    void draw_game(HDC into);
    void copy(HDC target, const placement& place, const RECT& game_rect);
    // The tiles that differ from what the window shows, to the window.
    void copy_changes(HDC target, const placement& place);

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    unsigned char* pixels = nullptr;
    int stride = 0;
    int depth = 0;
    bool failed = false;
    // What the window shows, as bytes of the buffer; valid once a frame reached the window
    // whole at `shown_place`.
    std::vector<unsigned char> shown;
    bool shown_valid = false;
    placement shown_place = {0, 0, 0};
};

// How long to wait for the next frame: until the earliest wake asked for, and at least one
// display refresh after the frame before. -1 when nothing asked: no frame until an event.
int frame_delay(bool wake_wanted, std::uint32_t wake, std::uint32_t now,
                long long since_last_frame_us, long long refresh_us);

// Frames at most once a display refresh, and only when something on screen is due.
class frame_pacer {
public:
    // After each frame: the next one when the frame's wakes are due.
    void frame_done(HWND window);
    // Input was handled: its result on screen within a refresh.
    void input(HWND window);
    // The display's refresh rate, as Windows reports it (60 Hz where it reports none).
    void read_refresh_rate();
    static constexpr UINT_PTR timer_id = 1;

private:
    void wait(HWND window, int milliseconds);
    long long since_last_frame_us() const;
    LARGE_INTEGER last_frame = {};
    long long refresh_us = 1000000 / 60;
};

extern frame_buffer window_frame;
extern frame_pacer pacer;
