#pragma once
#include <windows.h>

// A picture from a file with a monochrome mask: drawn as AND of the mask, then OR of
// the image, so one colour (the key) can be transparent. Unkeyed pictures are opaque.
class load_bmp {
public:
    HBITMAP image;
    HBITMAP mask;
    HDC image_dc;
    HDC mask_dc;
    int width;
    int height;
    // An unkeyed picture that fills its stated size is drawn with one plain copy,
    // which gives exactly the pixels of the two-pass draw at half the cost.
    bool plain_copy;

    load_bmp() = default;
    // One owner releases the handles.
    load_bmp(const load_bmp&) = delete;
    load_bmp& operator=(const load_bmp&) = delete;

    void load(const char* name, int width, int height);
    void set_bk_color(int red, int green, int blue);
    void draw(HDC hdc, int x, int y);
    void delete_bitmap();
};

// Draws width x height of a masked picture from (left, top) to (x, y) of target: AND of
// the mask, then OR of the image. Keyed pixels (mask 1, image black) leave target as it was.
void draw_masked(HDC target, int x, int y, int width, int height, HDC mask_dc, HDC image_dc,
                 int left = 0, int top = 0);

// The steps shared with sprite strips: read the file, make an all-0 mask of the given
// size, and put both into memory DCs.
void load_masked(const char* name, int width, int height, HBITMAP& image, HBITMAP& mask,
                 HDC& image_dc, HDC& mask_dc);
// Turns key-coloured pixels to mask 1 and image black.
void apply_key(HDC image_dc, HDC mask_dc, int width, int height, int red, int green, int blue);
void release_masked(HBITMAP& image, HBITMAP& mask, HDC& image_dc, HDC& mask_dc);

// The handles of one masked picture, with one owner that releases them.
struct masked_picture {
    HBITMAP image = nullptr;
    HBITMAP mask = nullptr;
    HDC image_dc = nullptr;
    HDC mask_dc = nullptr;

    masked_picture() = default;
    masked_picture(const masked_picture&) = delete;
    masked_picture& operator=(const masked_picture&) = delete;

    void load(const char* name, int width, int height) {
        load_masked(name, width, height, image, mask, image_dc, mask_dc);
    }
    void key(int width, int height, int red, int green, int blue) {
        apply_key(image_dc, mask_dc, width, height, red, green, blue);
    }
    void release() { release_masked(image, mask, image_dc, mask_dc); }
};
