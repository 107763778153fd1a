#pragma once
#include <windows.h>

#include <cstdint>

// A horizontal strip of equal frames, advanced by the tick count and hit-tested
// against the place it was last drawn.
class animation {
public:
    HBITMAP image;
    HBITMAP mask;
    HDC image_dc;
    HDC mask_dc;
    int width;
    int height;
    int frame_width;
    int frame_height;
    int frames;
    std::uint32_t last_tick;
    int delay;
    int repeat;
    unsigned last_x;
    unsigned last_y;
    bool paused;
    int frame;

    void load(const char* name, int width, int height, int frames);
    void set_bk_color(int red, int green, int blue);
    void set_delay(int milliseconds);
    void set_repeat(int count);
    void update();
    void draw(HDC hdc, int x, int y);
    bool done() const;
    void resume();
    void jump_to_frame(int index);
    bool mouse_hit(unsigned x, unsigned y) const;
    void remove();
};
