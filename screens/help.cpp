#include "screens/help.h"

#include "gfx/text.h"
#include "screens/power_ups.h"

void help::load() {
    load_power_up_sprites(hammer_anim, stopwatch_anim, hourglass_anim, dynamite_anim, 550);
    background.load("backgrounds/menu.bmp", 800, 600);
    title.load("other/help_title.bmp", 160, 40);
    title.set_bk_color(255, 255, 255);
}

void help::render(HDC surface) {
    background.draw(surface, 0, 0);
    title.draw(surface, 320, 20);
    SetBkMode(surface, TRANSPARENT);
    struct row {
        animation& sprite;
        int y;
        const char* text;
    };
    const row rows[4] = {
        {hammer_anim, 100,
         "You can use this to remove one picture pair. You can choose the pair."},
        {stopwatch_anim, 160, "You can use this to stop time. Time will stop for 10 seconds."},
        {hourglass_anim, 220, "You can use this to get extra time. You will get 30 seconds."},
        {dynamite_anim, 280,
         "You can use this to remove one picture pair. You can not choose the pair."},
    };
    for (const row& r : rows) {
        r.sprite.update();
        r.sprite.draw(surface, 100, r.y);
        draw_text(surface, 160, r.y, r.text);
    }
    static const char* const keys[] = {
        "Arrows move the frame over the cards; Space or Enter turns the framed card.",
        "1 hammer (1 again puts it down), 2 stopwatch, 3 hourglass, 4 dynamite.",
        "In the shop, 1 to 4 buy one of each; Space or Enter goes on to the next level.",
        "Menus: arrows or Tab, then Space or Enter, or the underlined letter.",
        "Escape goes back to the menu; Alt+Enter switches between window and whole screen.",
    };
    draw_text(surface, 100, 370, "Keys");
    int y = 396;
    for (const char* line : keys) {
        draw_text(surface, 120, y, line);
        y += 22;
    }
}

void help::remove() {
    hammer_anim.remove();
    stopwatch_anim.remove();
    hourglass_anim.remove();
    dynamite_anim.remove();
    background.delete_bitmap();
    title.delete_bitmap();
}
