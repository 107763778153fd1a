"""A game in progress: the board, the clock, picking cards, the hammer and the hourglass's
count. (How much the hourglass adds is pinned in-process; the scripted player sees it add.)"""
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


def test_new_game_shows_the_bar_two_picked_cards_and_a_running_clock(game):
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

    # A new game's clock starts at 00:12:00 and the first board seen reads 00:11:xx (only
    # 00:12:00 would differ in its fifth glyph).
    t = glyphs(img, TIME_BOX)
    assert len(t) == 8, "time text is not hh:mm:ss"
    assert [same_glyph(t[i], g) for i, g in ((0, zero), (1, zero), (3, one), (4, one))] \
        == [True] * 4, "time does not read 00:11:.."
    assert same_glyph(t[2], t[5]) and not same_glyph(t[2], zero)

    # Pairs along the top row until one mismatches; the deal may match the first tries.
    gone = set()
    for a, b in [((0, 0), (1, 0)), ((2, 0), (3, 0)), ((4, 0), (5, 0)), ((6, 0), (7, 0))]:
        img = game.click_until(*cell_centre(*a), lambda im: board.state(im, a) == "other",
                               what=f"face of {a}")
        face_a = img.crop(cell_box(*a))
        both_up = game.click_until(*cell_centre(*b), lambda im: board.state(im, b) != "back",
                                   what=f"card {b} turned")
        # A match leaves the board, a mismatch turns face down: which one, only the end
        # shows, since a leaving pair is no longer the field for a while either.
        end = game.wait_until(lambda im: board.state(im, a) == board.state(im, b) != "other",
                              what=f"the pair {a}, {b} to leave or turn face down")
        if board.state(end, a) == "field":
            gone |= {a, b}
            continue
        game.save(both_up, "two_faces")
        game.save(end, "turned_back")
        # While the mismatch was up, both faces showed, the first as it was, and no other
        # card had turned.
        assert board.state(both_up, a) == board.state(both_up, b) == "other"
        assert mean_abs_diff(both_up.crop(cell_box(*a)), face_a) < 2, "first face changed"
        assert mean_abs_diff(both_up.crop(cell_box(*b)), face_a) > 2, "a mismatch alike"
        others = [c for c in CELLS if c not in gone | {a, b}]
        assert all(board.state(both_up, c) == "back" for c in others), \
            "another card turned with the picked pair"
        assert all(board.state(end, c) == "field" for c in gone)
        break
    else:
        raise AssertionError("every tried pair matched")

    # The clock keeps stepping with no input at all.
    readings = {crop_bytes(img, TIME_BOX)}
    game.wait_until(lambda im: readings.add(crop_bytes(im, TIME_BOX)) or len(readings) >= 3,
                    what="two more clock readings")


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

    img = game.wait_until(two_removed, what="the hammered pair to leave the board")
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
