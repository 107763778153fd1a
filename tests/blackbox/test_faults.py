"""A hostile environment: no artwork, an options file or a working directory that cannot
be written, a scores.dat that is a directory, and a player who hammers the mouse."""
import os
import shutil
import struct
import subprocess
import time

import pytest

from conftest import (COUNT_BOX, MENU_X, MENU_Y, OPTION_BUTTONS, PATIENCE, SETTLING,
                      SPRITE_CENTRE, Game, all_options_visible, app_data_folder, board_shown, button_absent,
                      button_visible, cell_box, cell_centre, cell_classifier,
                      high_scores_shown, label_of, load_rgb, mean_abs_diff,
                      play_out_slot_one, radio_dot, saved_game_bytes)

CELLS = [(c, r) for r in range(8) for c in range(8)]


def black(img, box, tol=8):
    """Every pixel of box is black within 16-bit tolerance."""
    lo, hi = zip(*img.crop(box).getextrema())
    return max(hi) <= tol


def menu_up(img, with_continue=False):
    names = [n for n in MENU_Y if n != "Continue" or with_continue]
    return all(button_visible(img, MENU_X, MENU_Y[n]) for n in names)


def bare_game(tmp_path, request, name="run"):
    """A game in a folder holding nothing but the exe."""
    work = tmp_path / name
    work.mkdir()
    shutil.copyfile(os.environ["PAIRWICK_EXE"], work / "Pairwick.exe")
    return Game(work, label_of(request, f"-{name}"))


@pytest.fixture
def started():
    games = []
    yield games
    for g in games:
        g.stop()


# -- no artwork at all ---------------------------------------------------------------------

def test_without_any_artwork_the_game_draws_black_and_still_plays(tmp_path, request, started):
    game = bare_game(tmp_path, request)
    started.append(game)
    game.start(wait_intro=False)
    # The missing intro is a black 800x600 rectangle, in a window that really is there.
    img = game.wait_until(lambda im: game.windows(visible_only=True)
                          and black(im, (0, 0, 800, 600)),
                          timeout=60, what="a black intro in a visible window")
    game.save(img, "intro")
    assert game.running()

    img = game.to_menu()
    img = game.wait_until(menu_up, what="the menu buttons")
    game.save(img, "menu")

    game.menu("New game")
    # Board background, card backs and the bar's pieces are all missing: black, and no
    # menu button left over.
    img = game.wait_until(lambda im: button_absent(im, MENU_X, MENU_Y["Exit"])
                          and black(im, (200, 0, 800, 600)), what="a black board")
    game.save(img, "board")
    # The bar's text is black on its (missing, so black) background: nothing to see there,
    # and nothing else may be drawn in it either.
    assert black(img, (0, 0, 200, 600)), "something other than black in the bar"

    # The card sheets live inside the exe, so a picked card shows its face.
    cell = (2, 1)
    img = game.click_until(*cell_centre(*cell),
                           lambda im: not black(im, cell_box(*cell), tol=40),
                           what="a face on a board without artwork")
    game.save(img, "face")
    face = img.crop(cell_box(*cell))
    assert sum(1 for p in face.getdata() if max(p) > 60) > 0.5 * 50 * 50, \
        "the face is mostly dark"
    others = [c for c in CELLS if c != cell]
    assert all(black(img, cell_box(*c)) for c in others), "another cell turned too"

    game.key("Escape")
    game.wait_until(lambda im: menu_up(im, with_continue=True), what="the menu with Continue")
    game.menu("Exit")
    assert game.wait_exit() == 0
    # Only the score table is written at start-up.
    assert (game.dir / "scores.dat").stat().st_size == 5600


# -- a working directory that cannot be written ------------------------------------------

def make_immutable(path):
    """Root ignores permission bits, so chmod cannot stop the game writing. An immutable
    directory stops even root from creating a file in it. The caller undoes it in a
    finally; the harness clears a flag left by a run killed before that."""
    r = subprocess.run(["chattr", "+i", str(path)], capture_output=True, text=True)
    probe = path / "probe"
    try:
        probe.touch()
    except OSError:
        return r.returncode == 0
    probe.unlink()
    subprocess.run(["chattr", "-i", str(path)], capture_output=True)
    return False


def save_box(game, timeout=PATIENCE):
    """The options' message box: its window and a screenshot of it."""
    deadline = time.monotonic() + timeout
    while True:
        wins = game.windows("^Options$", visible_only=True)
        if wins:
            x, y, w, h = game.geometry(wins[0])
            # The box paints after it maps: wait for its OK button's light face.
            img = game.screenshot()
            if w > 100 and h > 40 and button_visible(img, x + w // 2 - 35, y + h - 32,
                                                     w=70, h=25, framed=False):
                return img, (x, y, x + w, y + h)
        if time.monotonic() > deadline:
            game.save(game.screenshot(), "timeout")
            pytest.fail("no message box captioned Options")
        time.sleep(0.1)


def warning_icon(img, box):
    """Wine's warning icon is an orange triangle; the game's own pictures are not inside a
    message box."""
    return sum(1 for p in img.crop(box).getdata()
               if p[0] >= 200 and 80 <= p[1] <= 180 and p[2] <= 80) >= 60


def press_options_save(game, choose=None):
    game.to_menu()
    game.wait_until(menu_up, what="the menu")
    game.menu("Options")
    game.wait_until(all_options_visible, what="the options buttons")
    if choose:
        x, y = OPTION_BUTTONS[choose]
        game.click(x + 40, y + 10)
        game.wait_until(lambda im: radio_dot(im, x, y) >= 6, what=f"{choose} checked")
    x, y = OPTION_BUTTONS["Save"]
    game.click(x + 50, y + 10)
    return save_box(game)


def close_box_and_exit(game):
    time.sleep(SETTLING)
    game.key("Return")
    deadline = time.monotonic() + PATIENCE
    while game.windows("^Options$", visible_only=True):
        assert time.monotonic() < deadline, "the message box did not close"
        time.sleep(0.1)
    x, y = OPTION_BUTTONS["Back"]
    game.click(x + 50, y + 10)
    game.wait_until(menu_up, what="the menu after Back")
    game.menu("Exit")
    return game.wait_exit()


def test_a_successful_save_says_so_without_a_warning(game):
    img, box = press_options_save(game)
    game.save(img, "saved_box")
    assert not warning_icon(img, box), "a warning on a save that worked"
    assert (game.dir / "options.ini").is_file()
    assert close_box_and_exit(game) == 0


def test_an_options_file_that_cannot_be_written_gets_a_warning(game_factory):
    game = game_factory(start=False)
    # An options.ini that is a directory cannot be opened for writing.
    (game.dir / "options.ini").mkdir()
    game.start()
    img, box = press_options_save(game)
    game.save(img, "failed_box")
    # The success box is narrower and has no icon; this one warns.
    assert warning_icon(img, box), "the box does not warn: it claims a save"
    assert game.running()
    assert close_box_and_exit(game) == 0
    assert (game.dir / "options.ini").is_dir()


def test_a_folder_that_takes_no_new_files_keeps_them_in_the_players_own(game_factory):
    """Where no new file can be made in the working directory, the player's files go to
    %APPDATA%\\Pairwick, started from what the working directory held."""
    own = app_data_folder()
    shutil.rmtree(own, ignore_errors=True)
    game = game_factory(start=False)
    shutil.copyfile(os.environ["PAIRWICK_EXE"], game.dir / "Pairwick.exe")
    # A game saved a second before its end, in the working directory.
    saved = saved_game_bytes(level=3, minutes=0, seconds=1, points=77)
    (game.dir / "save1.dat").write_bytes(saved)
    held = sorted(p.name for p in game.dir.iterdir())
    if not make_immutable(game.dir):
        pytest.skip("this file system has no immutable flag")
    try:
        game.start()
        game.to_menu()
        img = play_out_slot_one(game, "Far Away")
        game.save(img, "result_entered")
        game.key("Escape")
        img, box = press_options_save(game, choose="Cars")
        game.save(img, "saved_box")
        assert not warning_icon(img, box), "a warning on a save that worked"
        assert close_box_and_exit(game) == 0
        assert sorted(p.name for p in game.dir.iterdir()) == held

        # Both are read back at the next start, with the folder still closed.
        game.start()
        game.to_menu()
        img = high_score_rows(game)
        game.save(img, "read_back")
        row1 = img.crop((95, 121, 300, 139))
        row2 = img.crop((95, 141, 300, 159))
        assert mean_abs_diff(row1, row2) > 1, "the first row is not the result"
        game.key("Escape")
        game.wait_until(menu_up, what="the menu")
        game.menu("Options")
        x, y = OPTION_BUTTONS["Cars"]
        game.wait_until(lambda im: all_options_visible(im) and radio_dot(im, x, y) >= 6,
                        what="Cars checked")
        game.click(*(c + d for c, d in zip(OPTION_BUTTONS["Back"], (50, 10))))
        game.wait_until(menu_up, what="the menu")
        game.menu("Exit")
        assert game.wait_exit() == 0
    finally:
        subprocess.run(["chattr", "-i", str(game.dir)], capture_output=True)
    try:
        table = (own / "scores.dat").read_bytes()
        assert table[:9] == b"Far Away\0"
        assert struct.unpack_from("<2i", table, 256) == (3, 77)
        assert (own / "options.ini").read_bytes() == b"[CARDMODE]\r\n1\r\n[SOUND]\r\n0\r\n"
        assert (own / "save1.dat").read_bytes() == saved
    finally:
        shutil.rmtree(own, ignore_errors=True)


# -- scores.dat is a directory -------------------------------------------------------------

def high_score_rows(game):
    game.to_menu()
    game.wait_until(menu_up, what="the menu")
    game.menu("High scores")
    img = game.wait_until(high_scores_shown, what="the high-score grid")
    return img


def test_a_scores_directory_shows_the_default_table(game_factory):
    ref_game = game_factory()
    ref = high_score_rows(ref_game)
    ref_game.save(ref, "default_table")
    ref_game.stop()

    game = game_factory(start=False)
    (game.dir / "scores.dat").mkdir()
    (game.dir / "scores.dat" / "keep").write_bytes(b"x")
    game.start()
    img = high_score_rows(game)
    game.save(img, "table")
    # Twenty rows of text, nothing below them, and the same text as the default table.
    for i in range(20):
        y = 120 + 20 * i
        dark = sum(1 for p in img.crop((95, y + 1, 220, y + 19)).getdata() if sum(p) < 200)
        assert dark > 10, f"row {i + 1} has no name"
    assert sum(1 for p in img.crop((15, 522, 220, 585)).getdata() if sum(p) < 200) == 0
    rows = (10, 120, 790, 520)
    assert Game.matches(img, ref, rows, max_bad=0.001), "not the default table"

    game.key("Escape")
    game.wait_until(menu_up, what="the menu")
    game.menu("Exit")
    assert game.wait_exit() == 0
    assert (game.dir / "scores.dat").is_dir()
    assert (game.dir / "scores.dat" / "keep").read_bytes() == b"x"
    assert not list(game.dir.glob("scores.dat*.tmp")), "a temporary table was left behind"


# -- click storms ----------------------------------------------------------------------------

def storm(game, *spots, repeat=12, delay=3):
    """Bursts of clicks, each spot in turn, in one xdotool run so nothing paces them."""
    args = []
    for x, y in spots:
        args += ["mousemove", x, y, "click", "--repeat", repeat, "--delay", delay, 1]
    game.xdotool(*args)


def test_click_storms_while_pairs_resolve_and_cards_leave(game):
    game.to_menu()
    img = game.new_game()
    state = cell_classifier(img, game.dir)

    # Double clicks on two cards and then on everything else while the pair is up.
    storm(game, cell_centre(0, 0), cell_centre(1, 0), repeat=2, delay=1)
    storm(game, *(cell_centre(c, 0) for c in range(8)), repeat=10, delay=2)
    # Between cards, on the bar and on the board's edge.
    storm(game, (260, 60), (320, 120), (100, 100), (790, 590), (205, 5), repeat=8, delay=2)
    # The hammer armed and a card smashed, then storms on the card it is smashing, on the
    # hammer sprite and on the neighbours while the animation runs.
    storm(game, SPRITE_CENTRE["hammer"], repeat=1)
    storm(game, cell_centre(3, 3), repeat=1)
    storm(game, cell_centre(3, 3), SPRITE_CENTRE["hammer"], cell_centre(4, 3),
          cell_centre(3, 4), repeat=15, delay=2)
    # Several dynamites at once, with clicks on the sprite and across the board meanwhile.
    storm(game, SPRITE_CENTRE["dynamite"], repeat=4, delay=5)
    storm(game, *(cell_centre(c, r) for c in range(0, 8, 2) for r in range(1, 8, 2)),
          repeat=6, delay=2)
    storm(game, SPRITE_CENTRE["dynamite"], SPRITE_CENTRE["stopwatch"],
          SPRITE_CENTRE["hourglass"], repeat=10, delay=1)
    storm(game, *(cell_centre(c, 5) for c in range(8)), repeat=3, delay=1)
    assert game.running(), "the game died during the storm"

    # Once the dust settles nothing is stuck: at most one card waits for its partner,
    # every other cell shows a back or the bare field, and something has left the board.
    # A removal's last frames are nearly the field, where a waiting card shows a face.
    field = load_rgb(game.dir / "backgrounds" / "field.bmp")

    def face(im, cell):
        x0, y0, x1, y1 = cell_box(*cell)
        return mean_abs_diff(im.crop((x0, y0, x1, y1)),
                             field.crop((x0 - 200, y0, x1 - 200, y1))) > 20

    # A dynamite has gone off by then (its count changed), and every storm came while the
    # dynamites' pairs were still exploding: a still board is one after every click.
    ten = img.crop(COUNT_BOX["dynamite"]).tobytes()

    def settled(im):
        s = [state(im, c) for c in CELLS]
        waiting = [c for c, v in zip(CELLS, s) if v == "other"]
        return len(waiting) <= 1 and all(face(im, c) for c in waiting) and \
            s.count("field") >= 2 and im.crop(COUNT_BOX["dynamite"]).tobytes() != ten

    img = game.wait_until(settled, what="the board to settle after the storm")
    game.save(img, "after_storm")
    before = [state(img, c) for c in CELLS]

    game.key("Escape")
    img = game.wait_until(lambda im: menu_up(im, with_continue=True),
                          what="the menu with Continue")
    game.save(img, "menu")
    game.menu("Continue")
    img = game.wait_until(lambda im: board_shown(im, load_rgb(game.dir / "backgrounds" /
                                                              "field.bmp")),
                          what="the board again")
    game.save(img, "continued")
    after = [state(img, c) for c in CELLS]
    assert settled(img), "the board is unsettled again"
    assert [s == "field" for s in after] == [s == "field" for s in before], \
        "the board changed while the menu was shown"
    game.key("Escape")
    game.wait_until(lambda im: menu_up(im, with_continue=True), what="the menu")
    game.menu("Exit")
    assert game.wait_exit() == 0
