#include "screens/help.h"

#include "gfx/text.h"
#include "screens/power_ups.h"
#include "text/language.h"

void help::load() {
    load_power_up_sprites(hammer_anim, stopwatch_anim, hourglass_anim, dynamite_anim, 550);
    background.load("backgrounds/menu.bmp", 800, 600);
    title.load(help_title);
}

void help::render(HDC surface) {
    background.draw(surface, 0, 0);
    title.draw(surface);
    SetBkMode(surface, TRANSPARENT);
    struct row {
        animation& sprite;
        int y;
        std::string text;
    };
    const row rows[4] = {
        {hammer_anim, 100,
         tr("You can use this to remove one picture pair. You can choose the pair.")},
        {stopwatch_anim, 160,
         format(tr_n("You can use this to stop time. Time will stop for %d second.",
                     "You can use this to stop time. Time will stop for %d seconds.",
                     freeze_seconds),
                freeze_seconds)},
        {hourglass_anim, 220,
         format(tr_n("You can use this to get extra time. You will get %d second.",
                     "You can use this to get extra time. You will get %d seconds.",
                     hourglass_seconds),
                hourglass_seconds)},
        {dynamite_anim, 280,
         tr("You can use this to remove one picture pair. You can not choose the pair.")},
    };
    // A line too long for the screen goes on below, beside its sprite.
    for (const row& r : rows) {
        r.sprite.update();
        r.sprite.draw(surface, 100, r.y);
        draw_wrapped(surface, {160, r.y, 790, r.y + 18}, 18, r.text.c_str());
    }
    const char* const keys[] = {
        // TRANSLATORS: the help screen's list of keys. Name the keys as your keyboard
        // labels them (Space, Enter, Tab, Escape, Alt).
        tr("Arrows move the frame over the cards; Space or Enter turns the framed card."),
        tr("1 hammer (1 again puts it down), 2 stopwatch, 3 hourglass, 4 dynamite."),
        tr("In the shop, 1 to 4 buy one of each; Space or Enter goes on to the next level."),
        tr("Menus: arrows or Tab, then Space or Enter, or the underlined letter."),
        tr("Escape goes back to the menu; Alt+Enter switches between window and whole screen."),
    };
    draw_text_in(surface, {100, 370, 790, 386}, tr("Keys"));
    int y = 396;
    for (const char* line : keys) y += 22 * draw_wrapped(surface, {120, y, 790, y + 22}, 22, line);
}

void help::remove() {
    hammer_anim.remove();
    stopwatch_anim.remove();
    hourglass_anim.remove();
    dynamite_anim.remove();
    background.delete_bitmap();
    title.release();
}
