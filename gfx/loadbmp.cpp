#include "gfx/loadbmp.h"

namespace {
HBITMAP read_picture(const char* name) {
    return static_cast<HBITMAP>(LoadImageA(nullptr, name, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}
}  // namespace

void draw_masked(HDC target, int x, int y, int width, int height, HDC mask_dc, HDC image_dc,
                 int left, int top) {
    BitBlt(target, x, y, width, height, mask_dc, left, top, SRCAND);
    BitBlt(target, x, y, width, height, image_dc, left, top, SRCPAINT);
}

void load_masked(const char* name, int width, int height, HBITMAP& image, HBITMAP& mask,
                 HDC& image_dc, HDC& mask_dc) {
    image = read_picture(name);
    mask = CreateBitmap(width, height, 1, 1, nullptr);
    image_dc = CreateCompatibleDC(nullptr);
    mask_dc = CreateCompatibleDC(nullptr);
    if (image) SelectObject(image_dc, image);
    SelectObject(mask_dc, mask);
    // CreateBitmap without bits leaves the content undefined on Windows; the mask must
    // start all 0 (opaque).
    PatBlt(mask_dc, 0, 0, width, height, BLACKNESS);
}

void apply_key(HDC image_dc, HDC mask_dc, int width, int height, int red, int green, int blue) {
    const COLORREF key = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
    SetBkColor(image_dc, key);
    // The mask must come from the untouched image, before the key pixels are blacked out.
    BitBlt(mask_dc, 0, 0, width, height, image_dc, 0, 0, SRCCOPY);
    BitBlt(image_dc, 0, 0, width, height, mask_dc, 0, 0, SRCINVERT);
}

void release_masked(HBITMAP& image, HBITMAP& mask, HDC& image_dc, HDC& mask_dc) {
    // A bitmap may only be deleted once no DC holds it.
    if (image_dc) DeleteDC(image_dc);
    if (mask_dc) DeleteDC(mask_dc);
    if (image) DeleteObject(image);
    if (mask) DeleteObject(mask);
    image = nullptr;
    mask = nullptr;
    image_dc = nullptr;
    mask_dc = nullptr;
}

void load_bmp::load(const char* name, int w, int h) {
    load_masked(name, w, h, image, mask, image_dc, mask_dc);
    width = w;
    height = h;
    BITMAP info;
    plain_copy = image && GetObjectA(image, sizeof info, &info) && info.bmWidth >= w &&
                 info.bmHeight >= h;
}

void load_bmp::set_bk_color(int red, int green, int blue) {
    apply_key(image_dc, mask_dc, width, height, red, green, blue);
    plain_copy = false;
}

void load_bmp::draw(HDC hdc, int x, int y) {
    if (plain_copy) {
        BitBlt(hdc, x, y, width, height, image_dc, 0, 0, SRCCOPY);
        return;
    }
    draw_masked(hdc, x, y, width, height, mask_dc, image_dc);
}

void load_bmp::delete_bitmap() { release_masked(image, mask, image_dc, mask_dc); }
