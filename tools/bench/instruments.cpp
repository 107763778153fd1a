// The benchmark's build of the game: the frame log around start-up and every frame, and
// F9 to clear the board, so the shop can be reached from outside.
#include "app/instruments.h"

#include "game/game.h"
#include "tools/bench/frame_log.h"

namespace instruments {
void start() {
    frame_log::open();
    frame_log::mark("winmain");
}

void mark(const char* step) { frame_log::mark(step); }

void paint(HWND window, HDC target, void (*paint)(HDC)) {
    if (frame_log::active())
        frame_log::timed_frame(window, target, paint, game.screen, game.in_shop);
    else
        paint(target);
}

bool key(HWND window, WPARAM key) {
    if (key != VK_F9 || !frame_log::active()) return false;
    for (const auto& c : game.field.card)
        if (c) c->removed = true;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

void stop() { frame_log::close(); }
}  // namespace instruments
