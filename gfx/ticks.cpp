#include "gfx/ticks.h"

#include <windows.h>

namespace {
std::uint32_t system_tick() { return GetTickCount(); }
tick_source active_source = system_tick;
bool wake_wanted = false;
std::uint32_t earliest_wake = 0;
}  // namespace

std::uint32_t current_tick() { return active_source(); }

void set_tick_source(tick_source source) { active_source = source ? source : system_tick; }

void wake_at(std::uint32_t tick) {
    // Ticks wrap after 49.7 days: compared by signed difference.
    if (!wake_wanted || static_cast<std::int32_t>(tick - earliest_wake) < 0) earliest_wake = tick;
    wake_wanted = true;
}

bool take_wake(std::uint32_t& tick) {
    tick = earliest_wake;
    const bool wanted = wake_wanted;
    wake_wanted = false;
    return wanted;
}
