#pragma once
#include <windows.h>

#include <cstdint>

#include "gfx/loadbmp.h"

// A horizontal strip of equal frames, advanced by the tick count and hit-tested
// against the place it was last drawn.
class animation {
public:
    // The picture this strip loaded itself; empty for one that shows a shared picture.
    masked_picture own;
    // What it draws: `own`, or a picture another owns, which this strip cannot release.
    const masked_picture* picture = nullptr;
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

    animation() = default;
    animation(const animation&) = delete;
    animation& operator=(const animation&) = delete;

    void load(const char* name, int width, int height, int frames);
    // Shows `shared`, already keyed, with a frame and a clock of its own.
    void share(const masked_picture& shared, int width, int height, int frames);
    // Keys the strip's own picture; does nothing to a shared one.
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

private:
    void step();
};
