#pragma once
#include <windows.h>

// Benchmark instrumentation, shared by the bench's build of the game and the floor
// program; the shipped game has none. Dormant unless PAIRWICK_FRAME_LOG names a file:
// then every frame's screen and duration, the first frame's delay after process creation
// and periodic GDI and memory samples go to that file. PAIRWICK_BENCH_REPAINT=1 keeps
// every screen repainting so event-driven screens can be timed too.
namespace frame_log {
void open();
bool active();
// Paints one frame with paint(target), timed, and logs it under the screen and shop
// flag as they stand after the frame.
void timed_frame(HWND window, HDC target, void (*paint)(HDC), const int& screen,
                 const bool& in_shop);
// Logs how far start-up has got ("s name ms_since_process_creation"), so the bench can
// show where start-up time goes.
void mark(const char* name);
void close();
}  // namespace frame_log
