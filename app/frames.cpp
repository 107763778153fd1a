#include "app/frames.h"

#include <cstring>

#include "game/game.h"
#include "gfx/text.h"
#include "gfx/ticks.h"

frame_buffer window_frame;
frame_pacer pacer;

namespace {
constexpr int width = 800;
constexpr int height = 600;
// 20 by 15 tiles: small enough that a sprite's step copies little, few enough to be cheap.
constexpr int tile = 40;
constexpr int tiles_across = width / tile;
constexpr int tiles_down = height / tile;

// The black around a centred picture, where the window lost it.
void paint_bars(HDC target, const placement& place, const RECT& exposed) {
    RECT client;
    if (!GetClientRect(game.window, &client)) return;
    const RECT picture = to_client(place, {0, 0, width, height});
    const RECT bars[4] = {{client.left, client.top, client.right, picture.top},
                          {client.left, picture.bottom, client.right, client.bottom},
                          {client.left, picture.top, picture.left, picture.bottom},
                          {picture.right, picture.top, client.right, picture.bottom}};
    for (const RECT& bar : bars) {
        RECT part;
        if (IntersectRect(&part, &bar, &exposed))
            FillRect(target, &part, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}
}  // namespace

bool frame_buffer::make(HDC like) {
    release();
    // A section in the very format a compatible bitmap would have here, so the game draws
    // the same pixels as ever, and they can be compared with what the window shows.
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info = {};
    info.header.biSize = sizeof info.header;
    if (HBITMAP probe = CreateCompatibleBitmap(like, 1, 1)) {
        auto* as_info = reinterpret_cast<BITMAPINFO*>(&info);
        GetDIBits(like, probe, 0, 1, nullptr, as_info, DIB_RGB_COLORS);
        if (info.header.biCompression == BI_BITFIELDS)
            GetDIBits(like, probe, 0, 1, nullptr, as_info, DIB_RGB_COLORS);
        DeleteObject(probe);
    }
    const int bits = info.header.biBitCount;
    if (bits != 16 && bits != 24 && bits != 32) {
        info.header.biBitCount = 32;
        info.header.biCompression = BI_RGB;
    }
    info.header.biWidth = width;
    info.header.biHeight = -height;  // top row first
    info.header.biPlanes = 1;
    info.header.biSizeImage = 0;
    void* section = nullptr;
    bitmap = CreateDIBSection(like, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                              &section, nullptr, 0);
    dc = bitmap ? CreateCompatibleDC(like) : nullptr;
    if (!dc) {
        release();
        return false;
    }
    previous = SelectObject(dc, bitmap);
    pixels = static_cast<unsigned char*>(section);
    stride = (width * info.header.biBitCount + 31) / 32 * 4;
    depth = GetDeviceCaps(like, BITSPIXEL);
    shown.assign(static_cast<std::size_t>(stride) * height, 0);
    shown_valid = false;
    return true;
}

void frame_buffer::release() {
    if (dc) {
        SelectObject(dc, previous);
        DeleteDC(dc);
    }
    // The section only after the DC that held it.
    if (bitmap) DeleteObject(bitmap);
    dc = nullptr;
    bitmap = nullptr;
    pixels = nullptr;
    shown.clear();
    shown_valid = false;
    failed = false;
}

void frame_buffer::draw_game(HDC into) {
    game.back_dc = into;
    // Once for the frame: each text would otherwise select the font anew.
    const HGDIOBJ font = SelectObject(into, picture_font());
    game.main();
    SelectObject(into, font);
    game.back_dc = nullptr;
    // The section's bytes are read next: GDI's batched drawing must have reached them.
    GdiFlush();
}

void frame_buffer::copy(HDC target, const placement& place, const RECT& r) {
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const int s = place.scale;
    if (s == 1)
        BitBlt(target, place.left + r.left, place.top + r.top, w, h, dc, r.left, r.top,
               SRCCOPY);
    else
        StretchBlt(target, place.left + r.left * s, place.top + r.top * s, w * s, h * s, dc,
                   r.left, r.top, w, h, SRCCOPY);
}

void frame_buffer::present(HDC target, const placement& place, const RECT* exposed) {
    if (!dc && !failed) failed = !make(target);
    if (dc && depth != GetDeviceCaps(target, BITSPIXEL)) failed = !make(target);
    if (!dc) {
        // No section could be made: a buffer for this frame alone, copied whole.
        HDC back = CreateCompatibleDC(target);
        HBITMAP buffer = CreateCompatibleBitmap(target, width, height);
        HGDIOBJ old = SelectObject(back, buffer);
        draw_game(back);
        SetStretchBltMode(target, COLORONCOLOR);
        StretchBlt(target, place.left, place.top, width * place.scale, height * place.scale,
                   back, 0, 0, width, height, SRCCOPY);
        SelectObject(back, old);
        DeleteObject(buffer);
        DeleteDC(back);
        if (exposed) paint_bars(target, place, *exposed);
        return;
    }
    if (!same_place(place, shown_place)) shown_valid = false;
    draw_game(dc);
    // Nearest neighbour: every game pixel a sharp block.
    SetStretchBltMode(target, COLORONCOLOR);
    if (shown_valid) {
        copy_changes(target, place);
        if (exposed) copy(target, place, to_game_rect(place, *exposed));
    } else {
        copy(target, place, {0, 0, width, height});
        std::memcpy(shown.data(), pixels, shown.size());
    }
    if (exposed) paint_bars(target, place, *exposed);
    shown_valid = true;
    shown_place = place;
}

void frame_buffer::copy_changes(HDC target, const placement& place) {
    const int bytes_across = stride / tiles_across;
    for (int ty = 0; ty < tiles_down; ++ty) {
        bool dirty[tiles_across] = {};
        const std::size_t band = static_cast<std::size_t>(ty) * tile * stride;
        for (int row = 0; row < tile; ++row)
            for (int tx = 0; tx < tiles_across; ++tx) {
                const std::size_t at = band + static_cast<std::size_t>(row) * stride +
                                       static_cast<std::size_t>(tx) * bytes_across;
                if (!dirty[tx] && std::memcmp(pixels + at, shown.data() + at, bytes_across))
                    dirty[tx] = true;
            }
        // Each run of changed tiles in one copy.
        for (int tx = 0; tx < tiles_across;) {
            if (!dirty[tx]) {
                ++tx;
                continue;
            }
            const int first = tx;
            while (tx < tiles_across && dirty[tx]) ++tx;
            copy(target, place, {first * tile, ty * tile, tx * tile, (ty + 1) * tile});
            for (int row = 0; row < tile; ++row) {
                const std::size_t at = band + static_cast<std::size_t>(row) * stride +
                                       static_cast<std::size_t>(first) * bytes_across;
                std::memcpy(shown.data() + at, pixels + at,
                            static_cast<std::size_t>(tx - first) * bytes_across);
            }
        }
    }
}

void frame_buffer::paint_whole(HDC target) {
    if (!dc && !failed) failed = !make(target);
    if (!dc) {
        present(target, {1, 0, 0}, nullptr);
        return;
    }
    draw_game(dc);
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    // What the window shows is no longer known to match.
    shown_valid = false;
}

int frame_delay(bool wake_wanted, std::uint32_t wake, std::uint32_t now,
                long long since_last_frame_us, long long refresh_us) {
    if (!wake_wanted) return -1;
    long long wait_us = static_cast<std::int32_t>(wake - now) * 1000LL;
    if (wait_us < refresh_us - since_last_frame_us) wait_us = refresh_us - since_last_frame_us;
    if (wait_us < 0) wait_us = 0;
    return static_cast<int>((wait_us + 999) / 1000);
}

long long frame_pacer::since_last_frame_us() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return (now.QuadPart - last_frame.QuadPart) * 1000000 / frequency.QuadPart;
}

void frame_pacer::wait(HWND window, int milliseconds) {
    if (milliseconds < 0)
        KillTimer(window, timer_id);
    else
        SetTimer(window, timer_id, static_cast<UINT>(milliseconds), nullptr);
}

void frame_pacer::frame_done(HWND window) {
    QueryPerformanceCounter(&last_frame);
    std::uint32_t wake;
    const bool wanted = take_wake(wake);
    wait(window, frame_delay(wanted, wake, current_tick(), 0, refresh_us));
}

void frame_pacer::input(HWND window) {
    wait(window, frame_delay(true, current_tick(), current_tick(), since_last_frame_us(),
                             refresh_us));
}

void frame_pacer::read_refresh_rate() {
    HDC screen = GetDC(nullptr);
    const int hertz = screen ? GetDeviceCaps(screen, VREFRESH) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    // 0 and 1 stand for the hardware's default rate, which Windows does not tell.
    refresh_us = 1000000 / (hertz > 1 ? hertz : 60);
}
