#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "tools/bench/gdi_count.h"
#include "scores/highscores.h"

// Colours whose channels survive the display's 5-bit quantisation unchanged, so pixel
// checks can be exact.
struct rgb {
    int r, g, b;
    bool operator==(const rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::string describe(const rgb& c);

// Writes a 24-bit BMP file whose pixel (x, y) is pixel(x, y).
void write_bmp(const std::string& path, int width, int height,
               const std::function<rgb(int, int)>& pixel);

// A 16-bit memory surface like the game's back buffer, released on destruction.
class surface {
public:
    surface(int width, int height);
    ~surface();
    surface(const surface&) = delete;
    surface& operator=(const surface&) = delete;
    HDC dc() const { return dc_; }
    void fill(const rgb& colour);
    rgb at(int x, int y) const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// The pixels of a rectangle of dc, row by row, read in one go (GetPixel is slow under
// Wine); colours as 0x00BBGGRR.
std::vector<COLORREF> grab(HDC dc, int x, int y, int width, int height);


// Drives the game's tick count exactly for the lifetime of the object.
class fake_clock {
public:
    explicit fake_clock(std::uint32_t start = 100000);
    ~fake_clock();
    void advance(std::uint32_t milliseconds) { now += milliseconds; }
    void set(std::uint32_t value) { now = value; }
    static std::uint32_t now;
};

// The game's table lives in a zero-initialised global; a local one starts zeroed the
// same way.
class zeroed_scores {
public:
    zeroed_scores() : scores_(new (storage_) high_scores) {}
    ~zeroed_scores() { scores_->~high_scores(); }
    zeroed_scores(const zeroed_scores&) = delete;
    zeroed_scores& operator=(const zeroed_scores&) = delete;
    high_scores* operator->() { return scores_; }

private:
    alignas(high_scores) unsigned char storage_[sizeof(high_scores)] = {};
    high_scores* scores_;
};

// The temporary file this process writes beside path before renaming it over path.
std::string own_temporary(const char* path);
// A fresh working state: no score file, no leftover directory of that name.
void clear_score_files();
