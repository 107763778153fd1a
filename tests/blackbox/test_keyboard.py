"""The whole game from the keyboard, with no mouse event at all: the title, a new game, the
board by arrows and Space, a level cleared with dynamite, hammer and turned pairs, the shop,
a save and a load, and a name entered at game over."""
import struct
import time
import zlib

from conftest import (COUNT_BOX, SETTLING, board_shown, cell_classifier, load_rgb, menu_shown,
                      near, offers_continue, saved_game_bytes, slots_shown)
from player import shop_shown

# A saved level 55 with four pairs left, far apart: the pictures 0 to 3 at these cells.
PAIRS = [((1, 1), (6, 6)), ((2, 5), (5, 2)), ((0, 7), (7, 0)), ((3, 3), (4, 4))]


def index(cell):
    return 8 * cell[1] + cell[0]


def four_pairs_left():
    pictures, removed = [None] * 64, (1 << 64) - 1
    for p, (a, b) in enumerate(PAIRS):
        for c in (a, b):
            pictures[index(c)] = p
            removed &= ~(1 << index(c))
    rest = iter(p // 2 for p in range(8, 64))
    pictures = [next(rest) if p is None else p for p in pictures]
    return saved_game_bytes(level=55, minutes=5, points=1000, stocks=(1, 0, 0, 1),
                            pictures=pictures, removed=removed)


def with_time_left(save, seconds):
    """A saved game's file with its clock at 0:seconds and its check word made again."""
    words = bytearray(save[:-4])
    struct.pack_into("<2i", words, 20, 0, seconds)  # minutes and seconds, after the level
    return bytes(words) + struct.pack("<I", zlib.crc32(words))


def highlighted(img):
    """The cell the keyboard's frame is around: its light band left of the card."""
    for r in range(8):
        for c in range(8):
            if near(img.getpixel((265 + 60 * c - 3, 65 + 60 * r + 25)), (255, 208, 0), 12):
                return (c, r)
    return None


def go_to(game, cell):
    """Left or Right, which go through the cards in reading order, until the frame is around
    cell, as the screen shows it."""
    for _ in range(64):
        at = highlighted(game.wait_until(highlighted, what="the keyboard's frame"))
        if at == cell:
            return
        key = "Right" if index(cell) > index(at) else "Left"
        game.key(key)
        game.wait_until(lambda im, at=at: highlighted(im) not in (None, at),
                        what=f"the frame to leave {at} for {key}")
    raise AssertionError(f"the frame never reached {cell}")


def test_the_whole_game_by_keyboard(game_factory):
    game = game_factory(start=False)
    (game.dir / "save1.dat").write_bytes(four_pairs_left())
    game.start()

    # From the title to a new game, and a card turned.
    game.key("Return")
    game.wait_until(menu_shown, what="the menu")
    game.key("Tab")
    game.key("Return")
    field = load_rgb(game.dir / "backgrounds" / "field.bmp")
    first = game.wait_until(lambda im: board_shown(im, field), what="a new board")
    state = cell_classifier(first, game.dir)
    assert highlighted(first) is None, "the frame shows before any arrow key"
    game.key("Right")
    game.wait_until(lambda im: highlighted(im) == (0, 0), what="the frame", save_as="highlight")
    go_to(game, (1, 0))
    game.key("space")
    game.wait_until(lambda im: state(im, (1, 0)) == "other", what="the framed card turned")

    # Escape, and the four pairs of the saved game loaded by its digit.
    game.key("Escape")
    game.wait_until(offers_continue, what="the menu with Continue")
    game.key("l")
    game.wait_until(slots_shown, what="the load screen")
    game.key("1")
    backs = lambda im: sum(state(im, (c, r)) == "back" for r in range(8) for c in range(8))  # noqa: E731
    img = game.wait_until(lambda im: backs(im) == 8, what="the saved game's eight cards")

    # Dynamite, then the hammer on a card of the keyboard's choice.
    game.key("4")
    game.wait_until(lambda im: backs(im) == 6, what="a pair blown up")
    hammers = img.crop(COUNT_BOX["hammer"])
    game.key("1")
    game.wait_until(lambda im: near(im.getpixel((37, 330)), (255, 208, 0), 12),
                    what="the armed hammer's box marked", save_as="hammer_armed")
    left = [pair for pair in PAIRS if state(game.screenshot(), pair[0]) == "back"]
    go_to(game, left[0][1])
    game.key("Return")
    game.wait_until(lambda im: backs(im) == 4 and im.crop(COUNT_BOX["hammer"]) != hammers,
                    what="the pair hammered")

    # The last two pairs turned by arrows and Space; the shop follows.
    for a, b in left[1:]:
        go_to(game, a)
        game.key("space")
        game.wait_until(lambda im, a=a: state(im, a) == "other", what=f"{a} turned")
        go_to(game, b)
        game.key("space")
        game.wait_until(lambda im, a=a, b=b: state(im, a) == state(im, b) == "field"
                        or shop_shown(im), what=f"the pair {a}, {b} gone")
    shop = game.wait_until(shop_shown, what="the shop")
    time.sleep(SETTLING)
    game.key("1")
    game.wait_until(lambda im: im.crop(COUNT_BOX["hammer"]) != shop.crop(COUNT_BOX["hammer"]),
                    what="a hammer bought")
    game.key("Return")
    game.wait_until(lambda im: backs(im) == 64, what="level 56's board")

    # Saved in slot 2 and loaded again by keys; the file's clock is set to three seconds
    # first rather than waiting out the level's ten (the clock's pace is pinned in-process).
    game.key("Escape")
    game.wait_until(offers_continue, what="the menu with Continue")
    game.key("s")
    game.wait_until(slots_shown, what="the save screen")
    game.key("2")
    game.wait_until(lambda im: menu_shown(im) and offers_continue(im), what="the menu again")
    saved = game.dir / "save2.dat"
    assert saved.stat().st_size == 348
    saved.write_bytes(with_time_left(saved.read_bytes(), seconds=3))
    game.key("l")
    game.wait_until(slots_shown, what="the load screen")
    game.key("2")
    game.wait_until(lambda im: backs(im) == 64, what="the game loaded from slot 2")

    # Game over: a name typed and Enter.
    game.wait_until(lambda im: game.windows("^Game Over!$", visible_only=True),
                    what="the name dialog")
    time.sleep(SETTLING)
    game.type_text("Keys")
    game.key("Return")
    game.wait_until(lambda im: not game.windows("^Game Over!$", visible_only=True),
                    what="the dialog gone")
    table = (game.dir / "scores.dat").read_bytes()
    assert table[:5] == b"Keys\0" and int.from_bytes(table[256:260], "little") == 56
