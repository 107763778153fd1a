#pragma once
#include <windows.h>

// Live GDI objects of this process. Wine answers 0 to GetGuiResources; there the live
// entries of the process's GDI handle table give the count.
int gdi_object_count();

// Benchmark-only instrumentation, dormant unless PAIRWICK_FRAME_LOG names a file.
namespace frame_log {
struct state;
extern state* active;
void open();
void timed_frame(HWND window, HDC target);
// F9 while logging: clears the board so the shop can be reached from outside.
void clear_board();
void close();
}  // namespace frame_log
