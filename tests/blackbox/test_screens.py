"""The window, the intro, the menu and the screens reached from it, and leaving the program.

Two runs of the game: one from its own intro picture through help to the Exit button, and
one through a game, the options and the screens reached from the menu, none of which takes
Continue away, to the close box."""
from PIL import Image, ImageDraw

from conftest import (GRID_BLUE, MENU_X, MENU_Y, OPTION_BUTTONS, all_options_visible,
                      button_absent, count_mismatches, high_scores_shown, load_rgb,
                      menu_shown, near, offers_continue, radio_dot, send_wm_delete,
                      shown_intro, slots_shown)

CARD_SETS = ["Castles", "Cars", "Flowers", "Blazons"]


def wait_menu(game, with_continue):
    """The whole menu; Continue paints before the other buttons, so once they show, its
    absence is real."""
    img = game.wait_until(lambda im: menu_shown(im) and (offers_continue(im) or not with_continue),
                          what=f"the menu {'with' if with_continue else 'without'} Continue")
    if not with_continue:
        assert not offers_continue(img), "Continue offered"
    return img


def no_buttons(img):
    return all(button_absent(img, MENU_X, y) for y in MENU_Y.values()) and \
        all(button_absent(img, x, y) for x, y in OPTION_BUTTONS.values())


def own_intro():
    """A picture unlike the shipped one, in colours exact at 16 bits, with corner marks
    that show any shift or flip."""
    img = Image.new("RGB", (800, 600), (0, 0, 0))
    d = ImageDraw.Draw(img)
    palette = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 0, 255),
               (0, 255, 255), (132, 66, 0), (0, 132, 198)]
    for i in range(8):
        for j in range(6):
            d.rectangle([i * 100, j * 100, i * 100 + 99, j * 100 + 99],
                        fill=palette[(i + 2 * j) % 8])
    d.rectangle([0, 0, 9, 9], fill=(255, 255, 255))
    d.rectangle([790, 590, 799, 599], fill=(66, 66, 66))
    d.line([0, 0, 799, 599], fill=(255, 255, 255), width=3)
    return img


def check_help(game):
    game.menu("Help / Credits")
    title = load_rgb(game.dir / "other" / "help_title.bmp")
    backdrop = load_rgb(game.dir / "backgrounds" / "menu.bmp")
    left = (800 - title.width) // 2

    def title_shown(im):
        got = im.crop((left, 20, left + title.width, 20 + title.height))
        bad = 0
        for p, q in zip(title.getdata(), got.getdata()):
            if p != (255, 255, 255) and max(abs(a - b) for a, b in zip(p, q)) > 8:
                bad += 1
        return bad < 0.01 * title.width * title.height

    img = game.wait_until(title_shown, what=f"the help title at ({left}, 20)")
    game.save(img, "help")
    assert no_buttons(img)
    # A sprite beside each of the four lines, over the backdrop.
    for y in (100, 160, 220, 280):
        box = (100, y, 150, y + 50)
        assert count_mismatches(img.crop(box), backdrop.crop(box)) > 200, f"no sprite at y {y}"
    # Text to the right of the sprites.
    for y in (100, 160, 220, 280):
        dark = sum(1 for p in img.crop((160, y, 560, y + 20)).getdata() if sum(p) < 200)
        assert dark > 50, f"no text near y {y}"
    # The help keeps repainting: its sprites move.
    before = img.crop((100, 90, 150, 340))
    game.wait_until(lambda im: im.crop((100, 90, 150, 340)).tobytes() != before.tobytes(),
                    what="the help sprites to move")


def check_high_scores(game):
    game.menu("High scores")
    img = game.wait_until(high_scores_shown, what="the high-score grid")
    game.save(img, "highscores")
    for y in (100, 120, 590):
        row = [img.getpixel((x, y)) for x in range(12, 789, 7)]
        assert all(near(p, GRID_BLUE) for p in row), f"horizontal rule at y {y}"
    for x in (10, 55, 225, 270, 350, 430, 510, 590, 790):
        col = [img.getpixel((x, y)) for y in range(101, 590, 7)]
        assert all(near(p, GRID_BLUE) for p in col), f"vertical rule at x {x}"
    assert not near(img.getpixel((400, 300)), GRID_BLUE)
    # Title above the grid.
    assert sum(1 for p in img.crop((375, 45, 470, 70)).getdata() if sum(p) < 200) > 40
    # Twenty rows of text in the place and name columns, nothing below them.
    for i in range(20):
        y = 120 + 20 * i
        for x0, x1 in ((15, 50), (95, 220)):
            dark = sum(1 for p in img.crop((x0, y + 1, x1, y + 19)).getdata() if sum(p) < 200)
            assert dark > 10, f"row {i + 1} empty in columns {x0}..{x1}"
    assert sum(1 for p in img.crop((15, 522, 220, 585)).getdata() if sum(p) < 200) == 0
    assert no_buttons(img)


def check_save_or_load(game, screen):
    game.menu(screen)
    img = game.wait_until(lambda im: slots_shown(im) and button_absent(im, MENU_X, 360),
                          what=f"the {screen} screen's slots")
    game.save(img, screen)


def check_options_escape_as_back(game):
    game.menu("Options")
    img = game.wait_until(all_options_visible, what="the nine options buttons")
    game.save(img, "options")
    assert all(button_absent(img, MENU_X, y) for y in MENU_Y.values())
    # Escape leaves as Back does: a card set chosen is not saved.
    choice = next(n for n in CARD_SETS if radio_dot(img, *OPTION_BUTTONS[n]) == 0)
    x, y = OPTION_BUTTONS[choice]
    game.click(x + 40, y + 10)
    game.wait_until(lambda im: radio_dot(im, x, y) >= 6, what=f"{choice} checked")
    game.key("Escape")
    wait_menu(game, with_continue=True)
    assert not (game.dir / "options.ini").exists()


def test_intro_until_escape_help_and_the_exit_button(game_factory):
    intro = own_intro()
    game = game_factory(art={"backgrounds/intro.bmp": intro})
    img = game.screenshot(save="intro")
    assert count_mismatches(img, shown_intro(game.dir)) == 0, \
        "first frame differs from backgrounds/intro.bmp with the title screen's words"

    wins = game.windows()
    assert wins, "no window named Pairwick"
    assert (0, 0, 800, 600) in [game.geometry(w) for w in wins]

    # Escape, Enter or Space leave the intro; other keys and clicks on the hidden buttons do
    # nothing. Had any of them left it, the menu after Enter would offer Continue (a game
    # started), would not come (the options, where Enter saves, or the program ended), or
    # the program would be gone.
    game.key("a")
    game.key("Tab")
    for caption in ("New game", "Exit", "Options"):
        game.menu(caption)
    game.key("Return")
    game.save(wait_menu(game, with_continue=False), "menu")
    assert game.running()

    check_help(game)
    game.key("Escape")
    wait_menu(game, with_continue=False)
    game.menu("Exit")
    assert game.wait_exit() == 0


def test_screens_after_a_game_and_the_close_box(game):
    game.to_menu()
    game.new_game()
    game.key("Escape")
    wait_menu(game, with_continue=True)
    # The options keep Continue as it was; Escape returns to the menu as Back does.
    check_options_escape_as_back(game)
    img = wait_menu(game, with_continue=True)
    assert all(button_absent(img, x, y) for x, y in OPTION_BUTTONS.values())
    # Looking at these from the menu keeps the way back into the game.
    for screen in ("Save", "Load", "High scores"):
        if screen == "High scores":
            check_high_scores(game)
        else:
            check_save_or_load(game, screen)
        game.key("Escape")
        wait_menu(game, with_continue=True)

    wins = game.windows()
    assert wins
    for w in wins:
        send_wm_delete(w)
    assert game.wait_exit() == 0
