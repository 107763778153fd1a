#include "gfx/ticks.h"

#include <windows.h>

namespace {
std::uint32_t system_tick() { return GetTickCount(); }
tick_source active_source = system_tick;
bool wake_wanted = false;
std::uint32_t earliest_wake = 0;
// The steps that may wait a little for another frame, and how long.
constexpr std::uint32_t sharing = 20;
constexpr int most_flexible = 32;
std::uint32_t flexible[most_flexible];
int flexible_count = 0;

// Ticks wrap after 49.7 days: compared by signed difference.
bool before(std::uint32_t a, std::uint32_t b) { return static_cast<std::int32_t>(a - b) < 0; }
}  // namespace

std::uint32_t current_tick() { return active_source(); }

void set_tick_source(tick_source source) { active_source = source ? source : system_tick; }

void wake_at(std::uint32_t tick) {
    if (!wake_wanted || before(tick, earliest_wake)) earliest_wake = tick;
    wake_wanted = true;
}

void wake_near(std::uint32_t tick) {
    if (flexible_count == most_flexible)
        wake_at(tick);
    else
        flexible[flexible_count++] = tick;
}

bool take_wake(std::uint32_t& tick) {
    bool wanted = wake_wanted;
    tick = earliest_wake;
    if (flexible_count > 0) {
        std::uint32_t first = flexible[0];
        for (int i = 1; i < flexible_count; ++i)
            if (before(flexible[i], first)) first = flexible[i];
        // The first of them waits for the latest wake due within the sharing time after
        // it, but never keeps a wake that must be kept waiting.
        std::uint32_t shared = first;
        for (int i = 0; i < flexible_count; ++i)
            if (before(shared, flexible[i]) && !before(first + sharing, flexible[i]))
                shared = flexible[i];
        if (wanted && !before(first + sharing, earliest_wake) && before(shared, earliest_wake))
            shared = earliest_wake;
        if (!wanted || before(shared, earliest_wake)) tick = shared;
        wanted = true;
    }
    wake_wanted = false;
    flexible_count = 0;
    return wanted;
}
