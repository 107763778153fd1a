#pragma once
#include <cstdint>

// Every piece of game timing reads the millisecond counter through here, so tests
// can drive time exactly instead of waiting for it.
using tick_source = std::uint32_t (*)();

std::uint32_t current_tick();
// nullptr restores the system's tick count.
void set_tick_source(tick_source source);

// Whatever waits on the tick count to change the picture (an animation's next step, the
// clock's next second, a card turning back) says when, so that frames are drawn only
// when something is due instead of as fast as they can be.
void wake_at(std::uint32_t tick);
// A step that looks the same a little late, such as a sprite's next frame: it may wait up
// to 20 ms for another wake, so that sprites due at nearly the same moment share a frame
// and keep sharing it.
void wake_near(std::uint32_t tick);
// The tick of the next frame for the wakes asked for since the last call, if any;
// forgets them all.
bool take_wake(std::uint32_t& tick);
