"""The options screen, options.ini, and the card set a new game takes from them."""
import time
from collections import Counter

import pytest
from PIL import Image

from conftest import (OPTION_BUTTONS, SETTLING, all_options_visible, cell_box, cell_centre,
                      immutable, load_rgb, mean_abs_diff, menu_shown, radio_dot)

SETS = ["Castles", "Cars", "Flowers", "Blazons", "Random"]
SOUNDS = ["Sound On", "Sound Off"]


def checked(img, names):
    return [n for n in names if radio_dot(img, *OPTION_BUTTONS[n]) >= 6]


def unchecked_clean(img, names):
    return all(radio_dot(img, *OPTION_BUTTONS[n]) == 0 for n in names)


def frame_colour(img, cell):
    """The most common colour of the ring just inside a card's outer edge, where each
    card set has a frame of its own colour."""
    c = img.crop(cell_box(*cell))
    ring = [c.getpixel((x, y)) for x in range(6, 44) for y in (1, 2, 47, 48)]
    ring += [c.getpixel((x, y)) for y in range(6, 44) for x in (1, 2, 47, 48)]
    return Counter(ring).most_common(1)[0][0]


def colour_family(rgb):
    r, g, b = rgb
    if max(rgb) - min(rgb) < 40:
        return "grey"
    return {0: "red", 1: "green", 2: "blue"}[max(range(3), key=lambda i: rgb[i])]


# Each set's card frame, as found by looking at the faces of each set.
FAMILY = {"Castles": "grey", "Cars": "red", "Flowers": "green", "Blazons": "blue"}


def face_up_frames(game, board_img):
    """Turns two cards and returns the frame colours of those seen face up (a matching
    second card may leave the board before it is seen)."""
    back = board_img.crop(cell_box(0, 0))
    field = Image.new("RGB", (800, 600))
    field.paste(load_rgb(game.dir / "backgrounds" / "field.bmp"), (200, 0))
    frames = []
    for cell in [(0, 0), (7, 7)]:
        box = cell_box(*cell)
        img = game.click_until(*cell_centre(*cell),
                               lambda im: mean_abs_diff(im.crop(box), back) > 20,
                               what=f"card {cell} face up")
        game.save(img, "face")
        if mean_abs_diff(img.crop(box), field.crop(box)) > 10:
            frames.append(frame_colour(img, cell))
    assert frames
    return frames


def open_options(game):
    game.menu("Options")
    return game.wait_until(all_options_visible, what="the options buttons")


def test_options_file_checks_buttons_and_save_writes_it(game_factory):
    game = game_factory(options=b"[CARDMODE]\n1\n[SOUND]\n0\n")
    game.to_menu()
    img = open_options(game)
    game.save(img, "options_read")
    assert checked(img, SETS) == ["Cars"]
    assert checked(img, SOUNDS) == ["Sound Off"]
    assert unchecked_clean(img, ["Castles", "Flowers", "Blazons", "Random", "Sound On"])

    for name in ("Castles", "Sound On"):
        x, y = OPTION_BUTTONS[name]
        game.click(x + 40, y + 10)
    img = game.wait_until(lambda im: checked(im, SETS) == ["Castles"]
                          and checked(im, SOUNDS) == ["Sound On"],
                          what="Castles and Sound On checked")
    assert (game.dir / "options.ini").read_bytes() == b"[CARDMODE]\n1\n[SOUND]\n0\n", \
        "choosing alone wrote the file"

    before = img
    x, y = OPTION_BUTTONS["Save"]
    # A folder that takes no new files: no temporary can be made beside options.ini, so
    # Save must write it in place.
    with immutable(game.dir):
        game.click(x + 50, y + 10)
        centre = (250, 200, 550, 400)
        img = game.wait_until(lambda im: mean_abs_diff(im.crop(centre), before.crop(centre))
                              > 3, what="the confirmation box")
        game.save(img, "saved_box")
    assert (game.dir / "options.ini").read_bytes() == b"[CARDMODE]\r\n2\r\n[SOUND]\r\n1\r\n"
    # A message box hears no key in its first half second.
    time.sleep(SETTLING)
    game.key("Return")
    img = game.wait_until(lambda im: mean_abs_diff(im.crop(centre), before.crop(centre)) < 1,
                          what="the confirmation box to go")
    assert checked(img, SETS) == ["Castles"]

    x, y = OPTION_BUTTONS["Back"]
    game.click(x + 50, y + 10)
    game.wait_until(menu_shown, what="the menu")
    board = game.new_game()
    frames = face_up_frames(game, board)
    assert {colour_family(f) for f in frames} == {"grey"}, f"not Castles: {frames}"


def test_a_choice_without_save_reaches_the_next_game_but_not_the_file(game_factory):
    game = game_factory(options=b"[CARDMODE]\r\n2\r\n[SOUND]\r\n0\r\n")
    game.to_menu()
    img = open_options(game)
    assert checked(img, SETS) == ["Castles"]
    x, y = OPTION_BUTTONS["Flowers"]
    game.click(x + 40, y + 10)
    game.wait_until(lambda im: checked(im, SETS) == ["Flowers"], what="Flowers checked")
    x, y = OPTION_BUTTONS["Back"]
    game.click(x + 50, y + 10)
    game.wait_until(menu_shown, what="the menu")
    frames = face_up_frames(game, game.new_game())
    assert {colour_family(f) for f in frames} == {"green"}, f"not Flowers: {frames}"
    assert (game.dir / "options.ini").read_bytes() == b"[CARDMODE]\r\n2\r\n[SOUND]\r\n0\r\n"


# The sets that the tests above do not show on a board; which mode is which set is pinned
# by the unit tests.
@pytest.mark.parametrize("mode,name", [(0, "Blazons"), (1, "Cars")])
def test_new_game_uses_the_card_set_of_the_options_file(game_factory, mode, name):
    game = game_factory(options=b"[CARDMODE]\n%d\n[SOUND]\n0\n" % mode)
    game.to_menu()
    frames = face_up_frames(game, game.new_game())
    assert len(set(frames)) == 1, f"cards of one game from different sets: {frames}"
    assert colour_family(frames[0]) == FAMILY[name], f"{name} expected, frame {frames[0]}"
