#include "gfx/loadbmp.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {
// Far above any of our pictures, and narrow enough that a band holds two rows; larger
// pictures are left to LoadImageA.
constexpr LONG largest_side = 8192;

bool read_exactly(HANDLE file, void* into, DWORD size) {
    DWORD got = 0;
    return ReadFile(file, into, size, &got, nullptr) && got == size;
}

// Our artwork is uncompressed 24-bit bottom-up BMP. For exactly that layout, the pixels
// go a band of rows at a time from the file into a bitmap compatible with the screen:
// the bitmap LoadImageA makes, in about two thirds of its time under Wine, and no buffer
// the size of the picture is ever allocated (fresh memory costs more in page faults than
// the read itself). Anything else, malformed files included, is left to LoadImageA (null).
HBITMAP read_plain_24_bit(const char* name) {
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    BITMAPFILEHEADER header = {};
    BITMAPINFO info = {};
    LARGE_INTEGER file_size;
    bool plain = read_exactly(file, &header, sizeof header) &&
                 read_exactly(file, &info.bmiHeader, sizeof info.bmiHeader) &&
                 GetFileSizeEx(file, &file_size);
    const BITMAPINFOHEADER& h = info.bmiHeader;
    // A colour table (biClrUsed) would be read past our BITMAPINFO, which has none.
    plain = plain && header.bfType == 0x4D42 && h.biSize == sizeof h && h.biPlanes == 1 &&
            h.biBitCount == 24 && h.biCompression == BI_RGB && h.biClrUsed == 0 &&
            h.biWidth > 0 && h.biWidth <= largest_side && h.biHeight > 0 &&
            h.biHeight <= largest_side && header.bfOffBits >= sizeof header + sizeof h;
    const DWORD row = (static_cast<DWORD>(h.biWidth) * 3 + 3) & ~3u;
    plain = plain && header.bfOffBits + static_cast<long long>(row) * h.biHeight <=
                         file_size.QuadPart;
    LARGE_INTEGER at;
    at.QuadPart = header.bfOffBits;
    plain = plain && SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    HBITMAP bitmap = nullptr;
    HDC screen = plain ? GetDC(nullptr) : nullptr;
    if (screen) bitmap = CreateCompatibleBitmap(screen, h.biWidth, h.biHeight);
    if (bitmap) {
        // Bottom-up: the file's first row is scan line 0.
        static unsigned char band[64 * 1024];
        const DWORD band_rows = row <= sizeof band ? sizeof band / row : 0;
        bool complete = band_rows > 0;
        for (LONG y = 0; complete && y < h.biHeight; y += band_rows) {
            const DWORD rows = std::min<DWORD>(band_rows, static_cast<DWORD>(h.biHeight - y));
            complete = read_exactly(file, band, rows * row) &&
                       SetDIBits(screen, bitmap, static_cast<UINT>(y), rows, band, &info,
                                 DIB_RGB_COLORS) == static_cast<int>(rows);
        }
        if (!complete) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
    if (screen) ReleaseDC(nullptr, screen);
    CloseHandle(file);
    return bitmap;
}

HBITMAP load_image(const char* name) {
    return static_cast<HBITMAP>(LoadImageA(nullptr, name, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

// The untouched first reading of each file LoadImageA read, while start-up shares them;
// null for a file that could not be read. Files in our own layout are not shared: they
// read afresh faster than a reading is copied.
bool sharing = false;
std::vector<std::pair<std::string, HBITMAP>> first_readings;

// A bitmap of the original's own format (a compatible bitmap of a memory DC takes the
// format of the bitmap selected into it) holding the same bits.
HBITMAP copy_of(HBITMAP original) {
    BITMAP info;
    if (!original || !GetObjectA(original, sizeof info, &info)) return nullptr;
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    HGDIOBJ from_before = SelectObject(from, original);
    HBITMAP copy = CreateCompatibleBitmap(from, info.bmWidth, info.bmHeight);
    if (copy) {
        HGDIOBJ to_before = SelectObject(to, copy);
        BitBlt(to, 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
        SelectObject(to, to_before);
    }
    SelectObject(from, from_before);
    DeleteDC(to);
    DeleteDC(from);
    return copy;
}

HBITMAP read_picture(const char* name) {
    if (HBITMAP plain = read_plain_24_bit(name)) return plain;
    if (!sharing) return load_image(name);
    for (const auto& reading : first_readings)
        if (reading.first == name) return copy_of(reading.second);
    first_readings.emplace_back(name, load_image(name));
    return copy_of(first_readings.back().second);
}
}  // namespace

namespace picture_files {
void share() { sharing = true; }

void stop_sharing() {
    sharing = false;
    for (auto& reading : first_readings)
        if (reading.second) DeleteObject(reading.second);
    first_readings.clear();
}
}  // namespace picture_files

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
    BitBlt(hdc, x, y, width, height, mask_dc, 0, 0, SRCAND);
    BitBlt(hdc, x, y, width, height, image_dc, 0, 0, SRCPAINT);
}

void load_bmp::delete_bitmap() { release_masked(image, mask, image_dc, mask_dc); }
