#include "gfx/animation.h"

#include "gfx/ticks.h"

void animation::load(const char* name, int w, int h, int count) {
    own.load(name, w, h);
    share(own, w, h, count);
}

void animation::share(const masked_picture& shared, int w, int h, int count) {
    picture = &shared;
    width = w;
    height = h;
    frame_width = w / count;
    frame_height = h;
    frames = count;
    paused = false;
    frame = 0;
    last_tick = 0;
    delay = 0;
    repeat = -1;
}

void animation::set_bk_color(int red, int green, int blue) {
    // A shared picture is keyed once, by its owner, for every strip that shows it.
    if (picture != &own) return;
    own.key(width, height, red, green, blue);
}

void animation::set_delay(int milliseconds) { delay = milliseconds; }

void animation::set_repeat(int count) { repeat = count; }

void animation::update() {
    if (paused) return;
    // Unsigned difference: the counter's wrap-around after 49.7 days is harmless.
    const std::uint32_t elapsed = current_tick() - last_tick;
    if (elapsed > static_cast<std::uint32_t>(delay)) step();
    if (!paused) wake_near(last_tick + static_cast<std::uint32_t>(delay) + 1);
}

void animation::step() {
    ++frame;
    // The next delay counts from the advance, so late calls stretch frames, never skip them.
    last_tick = current_tick();
    if (frame != frames) return;
    if (repeat == -1) {
        frame = 0;
    } else if (repeat == 0) {
        paused = true;
    } else {
        --repeat;
        frame = 0;
    }
}

void animation::draw(HDC hdc, int x, int y) {
    last_x = static_cast<unsigned>(x);
    last_y = static_cast<unsigned>(y);
    const int left = frame * frame_width;
    // Columns beyond the strip's right edge contribute nothing (a finished strip points
    // past its end); clipping here keeps that exact whatever the driver does outside.
    const int visible = left + frame_width > width ? width - left : frame_width;
    if (visible <= 0 || !picture) return;
    draw_masked(hdc, x, y, visible, height, picture->mask_dc, picture->image_dc, left, 0);
}

bool animation::done() const { return frame == frames; }

void animation::resume() {
    paused = false;
    last_tick = current_tick();
}

void animation::jump_to_frame(int index) { frame = index; }

bool animation::mouse_hit(unsigned x, unsigned y) const {
    return last_x <= x && x <= last_x + static_cast<unsigned>(frame_width) && last_y <= y &&
           y <= last_y + static_cast<unsigned>(frame_height);
}

void animation::remove() {
    if (picture == &own) picture = nullptr;
    own.release();
}
