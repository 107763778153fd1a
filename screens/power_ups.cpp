#include "screens/power_ups.h"

namespace {
struct sprite_look {
    const char* file;
    int width;
    int frames;
    int key_red, key_green, key_blue;
    int delay;
};

void load_sprite(animation& sprite, const sprite_look& look, int width) {
    sprite.load(look.file, width, 50, look.frames);
    sprite.set_bk_color(look.key_red, look.key_green, look.key_blue);
    sprite.set_delay(look.delay);
    sprite.set_repeat(-1);
}
}  // namespace

void load_power_up_sprites(animation& hammer, animation& stopwatch, animation& hourglass,
                           animation& dynamite, int dynamite_width) {
    static const sprite_look hammer_look = {"animations/hammer.bmp", 594, 11, 0, 255, 0, 100};
    static const sprite_look stopwatch_look = {"animations/stopwatch.bmp", 400, 8, 0, 255, 0, 300};
    static const sprite_look hourglass_look = {"animations/hourglass.bmp", 750, 15, 0, 255, 0, 200};
    static const sprite_look dynamite_look = {"animations/dynamite.bmp", 0, 11, 255, 255, 255, 200};
    load_sprite(hammer, hammer_look, hammer_look.width);
    load_sprite(stopwatch, stopwatch_look, stopwatch_look.width);
    load_sprite(hourglass, hourglass_look, hourglass_look.width);
    load_sprite(dynamite, dynamite_look, dynamite_width);
}
