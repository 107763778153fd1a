"""A game saved in a slot, the program ended, and the game loaded in the next start: the
same board, clock, points and stocks, and play goes on from there."""
import struct

from conftest import (COUNT_BOX, MENU_X, MENU_Y, POINTS_BOX, SLOT_X, SLOT_Y, SPRITE_CENTRE,
                      TIME_BOX, button_absent, cell_box, cell_centre, cell_classifier, glyphs,
                      mean_abs_diff, menu_shown, offers_continue, slots_shown)

CELLS = [(c, r) for r in range(8) for c in range(8)]


def same_face(a, b):
    return mean_abs_diff(a, b) < 2


def bar_of(img):
    return {name: img.crop(box).tobytes()
            for name, box in [("time", TIME_BOX), ("points", POINTS_BOX), *COUNT_BOX.items()]}


def texts_in_row(img, slot):
    """Glyphs written right of a slot's button: "Empty", or a saved game's five columns."""
    y = SLOT_Y[slot]
    return len(glyphs(img, (SLOT_X + 115, y, 790, y + 20)))


class Table:
    """The board as the player sees it, and the faces seen so far."""

    def __init__(self, game, first_board):
        self.game = game
        self.state = cell_classifier(first_board, game.dir)
        self.faces = {}

    def states(self, img):
        return {c: self.state(img, c) for c in CELLS}

    def turn(self, cell, second=False):
        """Turns a card face up. The second card of a pair that matches shows its face for
        one frame only, so for it leaving the board counts too."""
        img = self.game.click_until(
            *cell_centre(*cell),
            lambda im: self.state(im, cell) != "back" if second else
            self.state(im, cell) == "other", what=f"the face of {cell}")
        if self.state(img, cell) == "other":
            self.faces[cell] = img.crop(cell_box(*cell))
        return self.faces.get(cell)

    def settle(self, a, b):
        """Waits until a turned pair has left the board or turned face down again."""
        img = self.game.wait_until(lambda im: self.state(im, a) == self.state(im, b) != "other",
                                   what=f"the pair {a}, {b} to leave or turn back")
        if self.state(img, a) == "back":
            return False
        for c in (a, b):
            self.faces.pop(c, None)
        return True

    def partner(self, cell):
        face = self.faces.get(cell)
        return next((c for c, f in self.faces.items() if c != cell and face is not None
                     and same_face(f, face)), None)

    def find_pair(self, cells):
        """Turns cards two at a time until the faces seen hold a pair still on the board,
        and returns its two cells, both face down."""
        for a, b in zip(cells[::2], cells[1::2]):
            self.turn(a)
            self.turn(b, second=True)
            if self.settle(a, b):
                continue
            for c in (a, b):
                if self.partner(c) is not None:
                    return self.partner(c), c
        raise AssertionError("no pair among the cards tried")


def test_a_saved_game_loads_in_the_next_start_and_plays_on(game_factory):
    game = game_factory()
    game.to_menu()
    first = game.new_game()
    table = Table(game, first)

    # A few pairs cleared: one hammered, then one blown up (which could choose the first
    # while it is still leaving).
    fields = lambda im: list(table.states(im).values()).count("field")  # noqa: E731
    game.click(*SPRITE_CENTRE["hammer"])
    game.click(*cell_centre(3, 7))
    game.wait_until(lambda im: fields(im) == 2, what="the hammered pair gone")
    game.click(*SPRITE_CENTRE["dynamite"])
    img = game.wait_until(lambda im: fields(im) == 4, what="the blown-up pair gone")
    gone = {c for c, s in table.states(img).items() if s == "field"}
    candidates = [c for c in CELLS if c not in gone]
    u, v = table.find_pair(candidates[:40])
    # One more card up as a pick: a pick is not saved.
    picked = next(c for c in candidates[40:] if table.partner(c) is None)
    picked_face = table.turn(picked)
    # The stopwatch holds the clock, so the clock saved is the one on screen now.
    game.click(*SPRITE_CENTRE["stopwatch"])
    before = game.wait_until(lambda im: bar_of(im)["stopwatch"] == bar_of(im)["hammer"],
                             what="the stopwatch spent")
    before_bar = bar_of(before)
    game.save(before, "board_before_saving")
    removed = {c for c, s in table.states(before).items() if s == "field"}

    game.key("Escape")
    game.wait_until(offers_continue, what="the menu with Continue")
    game.menu("Save")
    img = game.wait_until(lambda im: slots_shown(im) and button_absent(im, MENU_X, 360),
                          what="the save screen")
    game.save(img, "save_screen_empty")
    assert texts_in_row(img, 0) == texts_in_row(img, 4) < 8, "slot 1 is not empty"
    game.click(SLOT_X + 50, SLOT_Y[0] + 10)
    img = game.wait_until(lambda im: menu_shown(im) and offers_continue(im),
                          what="the menu with Continue after saving")
    assert (game.dir / "save1.dat").stat().st_size == 348
    game.menu("Save")
    img = game.wait_until(lambda im: slots_shown(im) and texts_in_row(im, 0) > 20,
                          what="slot 1 in use")
    game.save(img, "save_screen_used")
    assert texts_in_row(img, 4) < 8
    game.key("Escape")
    game.wait_until(offers_continue, what="the menu with Continue")
    game.menu("Exit")
    assert game.wait_exit() == 0

    game.start()
    game.to_menu()
    game.menu("Load")
    img = game.wait_until(lambda im: slots_shown(im) and texts_in_row(im, 0) > 20,
                          what="the load screen with slot 1")
    game.save(img, "load_screen")
    game.click(SLOT_X + 50, SLOT_Y[0] + 10)
    after = game.wait_until(lambda im: button_absent(im, MENU_X, MENU_Y["Exit"])
                            and table.state(im, picked) == "back", what="the loaded board")
    game.save(after, "board_after_loading")
    states = table.states(after)
    assert {c for c, s in states.items() if s == "field"} == removed
    assert all(s == "back" for c, s in states.items() if c not in removed)
    # Points and stocks read as when saved; so does the clock while the freeze still holds
    # it, which needs the seconds it had left at saving to cover the screenshot after loading.
    frozen_for = struct.unpack_from("<i", (game.dir / "save1.dat").read_bytes(), 17 * 4)[0]
    after_bar = bar_of(after)
    if frozen_for > 6000:
        del before_bar["time"], after_bar["time"]
    assert after_bar == before_bar

    # The same picture where the pick was, and the pair found before saving leaves.
    assert same_face(table.turn(picked), picked_face)
    table.turn(u, second=True)
    assert not table.settle(picked, u)
    table.turn(u)
    table.turn(v, second=True)
    assert table.settle(u, v), "the pair found before saving did not match after loading"
    game.key("Escape")
    game.wait_until(offers_continue, what="the menu with Continue")
    game.menu("Exit")
    assert game.wait_exit() == 0
