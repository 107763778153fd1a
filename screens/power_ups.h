#pragma once

#include "gfx/animation.h"

// The four power-up sprites as the bar, the shop and the help screen all show them, each
// owner with its own strips. The help screen loads the dynamite strip 550 wide.
void load_power_up_sprites(animation& hammer, animation& stopwatch, animation& hourglass,
                           animation& dynamite, int dynamite_width);
