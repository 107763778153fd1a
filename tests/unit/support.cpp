#include "unit/support.h"

#include <cstdio>
#include <initializer_list>
#include <fstream>
#include <vector>

#include "gfx/ticks.h"

std::string describe(const rgb& c) {
    char text[48];
    std::snprintf(text, sizeof text, "(%d, %d, %d)", c.r, c.g, c.b);
    return text;
}

void write_bmp(const std::string& path, int width, int height,
               const std::function<rgb(int, int)>& pixel) {
    const int row = (width * 3 + 3) & ~3;
    const std::uint32_t data_size = static_cast<std::uint32_t>(row * height);
    std::vector<unsigned char> file(54 + data_size, 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, 54 + data_size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    put32(34, data_size);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const rgb c = pixel(x, y);
            unsigned char* p = &file[54 + (height - 1 - y) * row + 3 * x];
            p[0] = static_cast<unsigned char>(c.b);
            p[1] = static_cast<unsigned char>(c.g);
            p[2] = static_cast<unsigned char>(c.r);
        }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                static_cast<std::streamsize>(file.size()));
}

surface::surface(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
}

surface::~surface() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void surface::fill(const rgb& colour) {
    HBRUSH brush = CreateSolidBrush(RGB(colour.r, colour.g, colour.b));
    RECT all = {0, 0, 4096, 4096};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

rgb surface::at(int x, int y) const {
    const COLORREF c = GetPixel(dc_, x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

std::vector<COLORREF> grab(HDC dc, int x, int y, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copy = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(copy, dib);
    BitBlt(copy, 0, 0, width, height, dc, x, y, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height);
    const auto* quad = static_cast<const std::uint32_t*>(bits);
    // DIB pixels are 0x00RRGGBB; turn them round into COLORREFs.
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB((quad[i] >> 16) & 0xFF, (quad[i] >> 8) & 0xFF, quad[i] & 0xFF);
    SelectObject(copy, previous);
    DeleteDC(copy);
    DeleteObject(dib);
    return pixels;
}

std::uint32_t fake_clock::now = 0;

fake_clock::fake_clock(std::uint32_t start) {
    now = start;
    set_tick_source([] { return now; });
}

fake_clock::~fake_clock() { set_tick_source(nullptr); }

std::string own_temporary(const char* path) {
    return std::string(path) + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
}

void clear_score_files() {
    for (const std::string& path : {std::string("scores.dat"), own_temporary("scores.dat")}) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(path.c_str());
    }
}
