#pragma once
#include <windows.h>

// A part of a screen that is the same on every frame, drawn once into a bitmap of its own
// and copied after: one blit instead of many, the same pixels. Where the bitmap cannot be
// made, draw() says so on every frame and the owner draws the plain way.
class draw_cache {
public:
    draw_cache() = default;
    draw_cache(const draw_cache&) = delete;
    draw_cache& operator=(const draw_cache&) = delete;

    // Copies the cache to (x, y) of target. The first call makes it, like target, and
    // fills it with paint(dc). False, drawing nothing, where it could not be made.
    template <class Paint>
    bool draw(HDC target, int x, int y, int width, int height, Paint paint) {
        if (!dc && !failed) {
            failed = !make(target, width, height);
            if (!failed) paint(dc);
        }
        if (!dc) return false;
        BitBlt(target, x, y, width, height, dc, 0, 0, SRCCOPY);
        return true;
    }
    void release();

private:
    bool make(HDC like, int width, int height);

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    bool failed = false;
};
