#pragma once
#include <windows.h>

// What a measuring build adds around start-up and the frames. The game links
// instruments.cpp, which adds nothing; the benchmark's build of the same sources links
// its own, which logs every frame.
namespace instruments {
void start();
// How far start-up has got.
void mark(const char* step);
// Paints one frame with paint(target).
void paint(HWND window, HDC target, void (*paint)(HDC));
// True for a key of the instruments' own, which the game must not see.
bool key(HWND window, WPARAM key);
void stop();
}  // namespace instruments
