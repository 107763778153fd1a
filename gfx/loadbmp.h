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

    void load(const char* name, int width, int height);
    void set_bk_color(int red, int green, int blue);
    void draw(HDC hdc, int x, int y);
    void delete_bitmap();
};

// Start-up reads some files several times (the menu backdrop for three screens, the
// power-up strips for three). Between share() and stop_sharing() each file that is not in
// our own plain 24-bit layout is read once by LoadImageA, and every load gets its own copy
// of that first reading: the same pixels for a copy's cost. Files are told apart by the
// name they were asked for, so the window must stay short; stop_sharing() frees the
// first readings.
namespace picture_files {
void share();
void stop_sharing();
}  // namespace picture_files

// The steps shared with sprite strips: read the file, make an all-0 mask of the given
// size, and put both into memory DCs.
void load_masked(const char* name, int width, int height, HBITMAP& image, HBITMAP& mask,
                 HDC& image_dc, HDC& mask_dc);
// Turns key-coloured pixels to mask 1 and image black.
void apply_key(HDC image_dc, HDC mask_dc, int width, int height, int red, int green, int blue);
void release_masked(HBITMAP& image, HBITMAP& mask, HDC& image_dc, HDC& mask_dc);
