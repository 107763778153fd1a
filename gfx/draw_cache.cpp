#include "gfx/draw_cache.h"

bool draw_cache::make(HDC like, int width, int height) {
    dc = CreateCompatibleDC(like);
    bitmap = dc ? CreateCompatibleBitmap(like, width, height) : nullptr;
    previous = bitmap ? SelectObject(dc, bitmap) : nullptr;
    if (previous) return true;
    release();
    return false;
}

void draw_cache::release() {
    if (dc && previous) SelectObject(dc, previous);
    if (dc) DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    dc = nullptr;
    bitmap = nullptr;
    previous = nullptr;
}
