#pragma once
#include <cstdint>

// Every piece of game timing reads the millisecond counter through here, so tests
// can drive time exactly instead of waiting for it.
using tick_source = std::uint32_t (*)();

std::uint32_t current_tick();
// nullptr restores the system's tick count.
void set_tick_source(tick_source source);
