"""A game in progress: the board, the clock, picking cards, the hammer and the hourglass."""
import time

from PIL import Image

from conftest import (COUNT_BOX, LEVEL_BOX, MENU_X, MENU_Y, POINTS_BOX, SPRITE_CENTRE,
                      TIME_BOX, button_absent, button_visible, cell_box, cell_centre, glyphs,
                      load_rgb, mean_abs_diff, same_glyph)

CELLS = [(c, r) for r in range(8) for c in range(8)]


class Board:
    """Classifies the 64 board cells of a screenshot as card back, field or other."""

    def __init__(self, game, first_board):
        self.field = Image.new("RGB", (800, 600))
        self.field.paste(load_rgb(game.dir / "backgrounds" / "field.bmp"), (200, 0))
        self.back = first_board.crop(cell_box(0, 0))
        # The back must be a drawn card, not the field showing through.
        assert mean_abs_diff(self.back, self.field.crop(cell_box(0, 0))) > 30

    def is_back(self, img, cell):
        return mean_abs_diff(img.crop(cell_box(*cell)), self.back) < 4

    def is_field(self, img, cell):
        box = cell_box(*cell)
        return mean_abs_diff(img.crop(box), self.field.crop(box)) < 4

    def state(self, img, cell):
        if self.is_back(img, cell):
            return "back"
        if self.is_field(img, cell):
            return "field"
        return "other"

    def states(self, img):
        return {cell: self.state(img, cell) for cell in CELLS}


def start_game(game):
    game.to_menu()
    img = game.new_game()
    game.save(img, "board")
    return img, Board(game, img)


def crop_bytes(img, box):
    return img.crop(box).tobytes()


def test_new_game_shows_full_board_and_bar_and_the_clock_runs(game):
    img, board = start_game(game)
    assert all(s == "back" for s in board.states(img).values()), "not 64 card backs"
    assert button_absent(img, MENU_X, MENU_Y["New game"])

    # Read the bar by comparing glyphs drawn in this very frame: points "0", level "1".
    zero, = glyphs(img, POINTS_BOX)
    one, = glyphs(img, LEVEL_BOX)
    assert not same_glyph(zero, one)
    for name, box in COUNT_BOX.items():
        digits = glyphs(img, box)
        assert len(digits) == 2 and same_glyph(digits[0], one) and same_glyph(digits[1], zero), \
            f"{name} count is not 10"

    # The first second of a run's first game goes at once: the first board seen already
    # reads 00:11:xx (00:12:00 would differ in its fifth glyph).
    t = glyphs(img, TIME_BOX)
    assert len(t) == 8, "time text is not hh:mm:ss"
    assert [same_glyph(t[i], g) for i, g in ((0, zero), (1, zero), (3, one), (4, one))] \
        == [True] * 4, "time does not read 00:11:.."
    assert same_glyph(t[2], t[5]) and not same_glyph(t[2], zero)

    # Then it keeps stepping about once a second with no input at all.
    seen = [crop_bytes(img, TIME_BOX)]
    end = time.monotonic() + 3.5
    while time.monotonic() < end:
        b = crop_bytes(game.screenshot(), TIME_BOX)
        if b != seen[-1]:
            seen.append(b)
    assert 3 <= len(seen) <= 6, f"{len(seen)} distinct clock readings in 3.5 s"


def test_two_picked_cards_show_faces_and_a_mismatch_turns_back(game):
    img, board = start_game(game)
    pairs = [((0, 0), (1, 0)), ((2, 0), (3, 0)), ((4, 0), (5, 0)), ((6, 0), (7, 0))]
    for a, b in pairs:
        img = game.click_until(*cell_centre(*a), lambda im: board.state(im, a) == "other",
                               what=f"face of {a}")
        face_a = img.crop(cell_box(*a))
        img = game.click_until(*cell_centre(*b), lambda im: board.state(im, b) != "back",
                               what=f"card {b} turned")
        if board.state(img, b) == "field" or board.state(img, a) == "field":
            # The two happened to match and left at once; try the next two.
            game.wait_until(lambda im: board.state(im, a) == board.state(im, b) == "field",
                            what="the matched pair removed")
            continue
        game.save(img, "two_faces")
        assert board.state(img, a) == "other", "first card no longer face up"
        assert mean_abs_diff(img.crop(cell_box(*a)), face_a) < 2, "first face changed"
        # Other cards stay face down.
        assert sum(1 for c in CELLS if board.state(img, c) == "back") == 62
        img = game.wait_until(lambda im: board.state(im, a) == board.state(im, b) == "back",
                              timeout=4, what="the mismatch to turn face down")
        waited = time.monotonic() - game.last_click
        game.save(img, "turned_back")
        assert waited >= 0.9, f"mismatch turned back after only {waited:.2f} s"
        return
    raise AssertionError("every tried pair matched")


def test_hammer_removes_a_pair_and_continue_returns_to_the_same_board(game):
    img, board = start_game(game)
    counts = {k: crop_bytes(img, b) for k, b in COUNT_BOX.items()}
    assert len(set(counts.values())) == 1, "the four counts differ at the start"
    ten = counts["hammer"]

    game.click(*SPRITE_CENTRE["hammer"])
    target = (3, 4)
    game.click(*cell_centre(*target))

    def two_removed(im):
        s = board.states(im)
        return sum(1 for v in s.values() if v == "field") == 2 and \
            sum(1 for v in s.values() if v == "back") == 62

    img = game.wait_until(two_removed, timeout=5, what="the hammered pair to leave the board")
    game.save(img, "hammered")
    removed = sorted(c for c, v in board.states(img).items() if v == "field")
    assert target in removed, f"removed {removed}, not the clicked card"
    assert crop_bytes(img, COUNT_BOX["hammer"]) != ten, "hammer count unchanged"
    for k in ("stopwatch", "hourglass", "dynamite"):
        assert crop_bytes(img, COUNT_BOX[k]) == ten, f"{k} count changed"

    # Both counts used once now read the same ("9").
    game.click(*SPRITE_CENTRE["hourglass"])
    img = game.wait_until(
        lambda im: crop_bytes(im, COUNT_BOX["hourglass"]) == crop_bytes(im, COUNT_BOX["hammer"]),
        what="hourglass count to equal the hammer count")
    assert len(glyphs(img, COUNT_BOX["hammer"])) == 1
    assert crop_bytes(img, COUNT_BOX["stopwatch"]) == ten
    # Spending the hammer disarmed it: a further click picks the card instead.
    other = next(c for c in CELLS if c not in removed)
    img = game.click_until(*cell_centre(*other), lambda im: board.state(im, other) == "other",
                           what="a picked card")
    assert sorted(c for c, v in board.states(img).items() if v == "field") == removed

    game.key("Escape")
    img = game.wait_until(lambda im: button_visible(im, MENU_X, MENU_Y["Continue"])
                          and button_visible(im, MENU_X, MENU_Y["Exit"]),
                          what="the menu with Continue")
    game.save(img, "menu_continue")
    game.menu("Continue")
    img = game.wait_until(lambda im: button_absent(im, MENU_X, MENU_Y["Exit"])
                          and board.state(im, (7, 7)) == "back", what="the board again")
    game.save(img, "continued")
    assert sorted(c for c, v in board.states(img).items() if v == "field") == removed
    assert crop_bytes(img, COUNT_BOX["hammer"]) == crop_bytes(img, COUNT_BOX["hourglass"])


def test_hourglass_adds_thirty_seconds(game):
    img, board = start_game(game)
    history = []  # (first seen, time-text crop), one entry per clock reading
    hg_count = crop_bytes(img, COUNT_BOX["hourglass"])
    end = time.monotonic() + 33
    while time.monotonic() < end:
        t = time.monotonic()
        b = crop_bytes(game.screenshot(), TIME_BOX)
        if not history or history[-1][1] != b:
            history.append((t, b))
    game.click(*SPRITE_CENTRE["hourglass"])
    t_click = time.monotonic()
    img = game.wait_until(lambda im: crop_bytes(im, TIME_BOX) != history[-1][1]
                          and crop_bytes(im, COUNT_BOX["hourglass"]) != hg_count,
                          what="the clock and the hourglass count to change")
    game.save(img, "hourglass")
    now = crop_bytes(img, TIME_BOX)
    earlier = [t for t, b in history if b == now]
    assert earlier, "the clock after the hourglass shows no reading seen before"
    back = t_click - earlier[0]
    # Thirty clock steps of a little over a second each, give or take the screen lag.
    assert 28 <= back <= 34, f"hourglass moved the clock back {back:.1f} s"
    assert crop_bytes(img, COUNT_BOX["hourglass"]) != crop_bytes(img, COUNT_BOX["dynamite"])
    assert len(glyphs(img, COUNT_BOX["hourglass"])) == 1, "hourglass count is not one digit"
