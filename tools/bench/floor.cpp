// The floor for `make bench`: an 800x600 pop-up at (0, 0) whose every frame only makes the
// back buffer, copies it to the window and frees it, repainting continuously. It writes
// the same frame log as Pairwick.exe (PAIRWICK_FRAME_LOG), so both are timed alike.
// Escape closes it.
#include <windows.h>

#include "tools/bench/frame_log.h"

namespace {
void frame(HDC target) {
    HDC back = CreateCompatibleDC(target);
    HBITMAP buffer = CreateCompatibleBitmap(target, 800, 600);
    HGDIOBJ previous = SelectObject(back, buffer);
    BitBlt(target, 0, 0, 800, 600, back, 0, 0, SRCCOPY);
    SelectObject(back, previous);
    DeleteObject(buffer);
    DeleteDC(back);
}

// Screen -1 marks the floor's frames in the shared log format.
const int floor_screen = -1;
const bool no_shop = false;

LRESULT CALLBACK floor_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = BeginPaint(window, &paint);
        if (frame_log::active())
            frame_log::timed_frame(window, target, frame, floor_screen, no_shop);
        else
            frame(target);
        EndPaint(window, &paint);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    }
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    frame_log::open();
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = floor_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.lpszClassName = "PairwickFloor";
    if (!RegisterClassExA(&window_class)) return 1;
    HWND window = CreateWindowExA(0, "PairwickFloor", "Pairwick floor", WS_POPUP | WS_VISIBLE,
                                  0, 0, 800, 600, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    frame_log::close();
    return static_cast<int>(message.wParam);
}
