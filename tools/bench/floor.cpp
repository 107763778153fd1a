// The floor for `make bench`: an 800x600 pop-up at (0, 0) whose every frame only makes the
// back buffer, copies it to the window and frees it, repainting continuously. It writes
// the same frame log as Pairwick.exe (PAIRWICK_FRAME_LOG), so both are timed alike.
// Escape closes it.
#include <windows.h>
#include <intrin.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

namespace {
std::FILE* log_file = nullptr;
char log_buffer[1 << 16];
LARGE_INTEGER frequency, opened;
long frames = 0;

long long microseconds(long long counts) { return counts * 1000000 / frequency.QuadPart; }

// Wine leaves GetGuiResources at 0; there the live entries of the process's GDI handle
// table give the count.
int gdi_objects() {
    const int reported = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
#if defined(_M_X64) || defined(__x86_64__)
    if (reported > 0) return reported;
    const unsigned char* peb;
#if defined(__GNUC__)
    // GCC's inline __readgsqword trips its own array-bounds check.
    asm("movq %%gs:0x60, %0" : "=r"(peb));
#else
    peb = reinterpret_cast<const unsigned char*>(__readgsqword(0x60));
#endif
    const auto table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    if (!table) return -1;
    int live = 0;
    for (int i = 0; i < 65536; ++i)
        if (table[24 * i + 14] != 0) ++live;
    return live;
#else
    return reported;
#endif
}

void sample() {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::fprintf(log_file, "m %ld %d %llu %llu\n", frames, gdi_objects(),
                 static_cast<unsigned long long>(memory.WorkingSetSize),
                 static_cast<unsigned long long>(memory.PeakWorkingSetSize));
    std::fflush(log_file);
}

void first_frame_finished() {
    FILETIME created, unused, now;
    GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    std::fprintf(log_file, "start %.3f %lld\n", (ticks(now) - ticks(created)) / 1e4,
                 (ticks(now) - 116444736000000000LL) / 10);
    sample();
}

void frame(HDC target) {
    HDC back = CreateCompatibleDC(target);
    HBITMAP buffer = CreateCompatibleBitmap(target, 800, 600);
    HGDIOBJ previous = SelectObject(back, buffer);
    BitBlt(target, 0, 0, 800, 600, back, 0, 0, SRCCOPY);
    SelectObject(back, previous);
    DeleteObject(buffer);
    DeleteDC(back);
}

void timed_frame(HDC target) {
    LARGE_INTEGER begin, end;
    QueryPerformanceCounter(&begin);
    frame(target);
    QueryPerformanceCounter(&end);
    ++frames;
    // Screen -1 marks the floor's frames in the shared log format.
    std::fprintf(log_file, "f -1 0 %lld %lld\n", microseconds(end.QuadPart - opened.QuadPart),
                 microseconds(end.QuadPart - begin.QuadPart));
    if (frames == 1) first_frame_finished();
    else if (frames % 1000 == 0) sample();
    else if (frames % 100 == 0) std::fflush(log_file);
}

LRESULT CALLBACK floor_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = BeginPaint(window, &paint);
        if (log_file) timed_frame(target);
        else frame(target);
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
    const char* path = std::getenv("PAIRWICK_FRAME_LOG");
    if (path && *path && (log_file = std::fopen(path, "w"))) {
        std::setvbuf(log_file, log_buffer, _IOFBF, sizeof log_buffer);
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&opened);
    }
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
    if (log_file) {
        sample();
        std::fclose(log_file);
    }
    return static_cast<int>(message.wParam);
}
