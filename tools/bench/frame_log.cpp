#include "tools/bench/frame_log.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/bench/gdi_count.h"

namespace frame_log {
struct state {
    std::FILE* file;
    bool repaint;
    LARGE_INTEGER frequency;
    LARGE_INTEGER opened;
    long frames;
    char buffer[1 << 16];
};
state* log = nullptr;

long long microseconds_since(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    return (to.QuadPart - from.QuadPart) * 1000000 / log->frequency.QuadPart;
}

void sample() {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::fprintf(log->file, "m %ld %d %llu %llu\n", log->frames, gdi_object_count(),
                 static_cast<unsigned long long>(memory.WorkingSetSize),
                 static_cast<unsigned long long>(memory.PeakWorkingSetSize));
    std::fflush(log->file);
}

bool active() { return log != nullptr; }

void open() {
    if (log) return;
    const char* path = std::getenv("PAIRWICK_FRAME_LOG");
    if (!path || !*path) return;
    static state opened_log;
    opened_log.file = std::fopen(path, "w");
    if (!opened_log.file) return;
    std::setvbuf(opened_log.file, opened_log.buffer, _IOFBF, sizeof opened_log.buffer);
    const char* repaint = std::getenv("PAIRWICK_BENCH_REPAINT");
    opened_log.repaint = repaint && std::strcmp(repaint, "1") == 0;
    QueryPerformanceFrequency(&opened_log.frequency);
    QueryPerformanceCounter(&opened_log.opened);
    log = &opened_log;
}

long long filetime_ticks(const FILETIME& t) {
    return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// Both in 100 ns units of FILETIME.
void process_age(long long& age, long long& now_ticks) {
    FILETIME created, unused, now;
    GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
    GetSystemTimePreciseAsFileTime(&now);
    now_ticks = filetime_ticks(now);
    age = now_ticks - filetime_ticks(created);
}

void mark(const char* name) {
    if (!log) return;
    long long age, now;
    process_age(age, now);
    std::fprintf(log->file, "s %s %.3f\n", name, age / 1e4);
}

void first_frame_finished() {
    long long age, now;
    process_age(age, now);
    // FILETIME counts 100 ns from 1601; the Unix epoch lets the launcher compare clocks.
    std::fprintf(log->file, "start %.3f %lld\n", age / 1e4, (now - 116444736000000000LL) / 10);
    sample();
}

void timed_frame(HWND window, HDC target, void (*paint)(HDC), const int& screen,
                 const bool& in_shop) {
    LARGE_INTEGER begin, end;
    QueryPerformanceCounter(&begin);
    paint(target);
    QueryPerformanceCounter(&end);
    ++log->frames;
    std::fprintf(log->file, "f %d %d %lld %lld\n", screen, in_shop ? 1 : 0,
                 microseconds_since(log->opened, end), microseconds_since(begin, end));
    if (log->frames == 1) first_frame_finished();
    else if (log->frames % 1000 == 0) sample();
    else if (log->frames % 100 == 0) std::fflush(log->file);
    if (log->repaint) InvalidateRect(window, nullptr, FALSE);
}

void close() {
    if (!log) return;
    sample();
    std::fclose(log->file);
    log = nullptr;
}
}  // namespace frame_log
