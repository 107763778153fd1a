#include "gfx/ticks.h"

#include <windows.h>

namespace {
std::uint32_t system_tick() { return GetTickCount(); }
tick_source active_source = system_tick;
}  // namespace

std::uint32_t current_tick() { return active_source(); }

void set_tick_source(tick_source source) { active_source = source ? source : system_tick; }
