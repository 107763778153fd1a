#pragma once

#include "gfx/animation.h"

// How long the stopwatch stops the clock, and how much time the hourglass gives.
constexpr int freeze_seconds = 10;
constexpr int hourglass_seconds = 30;

// The four power-up sprites as the bar, the shop and the help screen all show them, each
// owner with its own strips. The help screen loads the dynamite strip 550 wide.
void load_power_up_sprites(animation& hammer, animation& stopwatch, animation& hourglass,
                           animation& dynamite, int dynamite_width);
