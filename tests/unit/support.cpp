#include "unit/support.h"

#include <intrin.h>

#include <cstdio>
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

int gdi_object_count() {
#if defined(_M_X64) || defined(__x86_64__)
    const auto peb = reinterpret_cast<const unsigned char*>(__readgsqword(0x60));
    const auto table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    if (!table) return -1;
    int live = 0;
    for (int i = 0; i < 65536; ++i)
        if (table[24 * i + 14] != 0) ++live;
    return live;
#else
    return static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
#endif
}

std::uint32_t fake_clock::now = 0;

fake_clock::fake_clock(std::uint32_t start) {
    now = start;
    set_tick_source([] { return now; });
}

fake_clock::~fake_clock() { set_tick_source(nullptr); }
