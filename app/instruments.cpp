#include "app/instruments.h"

namespace instruments {
void start() {}
void mark(const char*) {}
void paint(HWND, HDC target, void (*paint)(HDC)) { paint(target); }
bool key(HWND, WPARAM) { return false; }
void stop() {}
}  // namespace instruments
