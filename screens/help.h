#pragma once
#include <windows.h>

#include "gfx/animation.h"
#include "gfx/loadbmp.h"
#include "screens/titles.h"

// Explains the four power-ups, each beside its moving sprite.
class help {
public:
    animation hammer_anim;
    animation stopwatch_anim;
    animation hourglass_anim;
    animation dynamite_anim;
    load_bmp background;
    screen_title title;

    void load();
    void render(HDC surface);
    void remove();
};
