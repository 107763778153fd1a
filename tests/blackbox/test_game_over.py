"""An untouched game runs out of time after twelve real minutes and asks for a name."""
import struct
import time

from conftest import (MENU_X, MENU_Y, POINTS_BOX, SETTLING, TIME_BOX, Game, button_absent, glyphs,
                      high_scores_shown, immutable, mean_abs_diff, offers_continue,
                      same_glyph, send_wm_delete)

NAME = "Ada Lovelace 7"
def dialog_geometry(game):
    return [game.geometry(w) for w in game.windows("^Game Over!$", visible_only=True)]


def test_game_over_name_entry_reaches_the_table(game_factory):
    game = game_factory(start=False)
    # A second copy in the same folder, started first and forgotten at its title: its exit
    # must not put back the table it read.
    other = Game(game.dir, game.label + "-other").start()
    game.start(wait_intro=False)
    deadline = time.monotonic() + 60
    while not game.windows(visible_only=True):
        assert time.monotonic() < deadline, "the second copy's window never came"
        time.sleep(0.2)
    game.to_menu()
    start = game.new_game()
    zero, = glyphs(start, POINTS_BOX)
    game.save(start, "start")
    centre = (300, 250, 500, 350)
    # The clock must still be running well before the end: the board stays up, no dialog.
    img = game.screenshot()
    assert mean_abs_diff(img.crop(centre), start.crop(centre)) < 3

    t0 = time.monotonic()
    img = game.wait_until(lambda im: mean_abs_diff(im.crop(centre), start.crop(centre)) > 8,
                          timeout=14 * 60, interval=1.0, what="the Game Over dialog")
    elapsed = time.monotonic() - t0
    game.save(img, "dialog")
    assert elapsed > 11.5 * 60, f"the game ended after {elapsed:.0f} s"
    assert game.running()

    geoms = dialog_geometry(game)
    assert len(geoms) == 1, f"visible Game Over! dialogs: {geoms}"
    x, y, w, h = geoms[0]
    # Over the board.
    assert abs((x + w / 2) - 500) <= 20 and abs((y + h / 2) - 300) <= 40, geoms[0]
    # Its template is 140 x 60 dialog units; place the controls by that scale.
    sx, sy = w / 140, h / 60

    def at(du_x, du_y):
        return int(x + du_x * sx), int(y + du_y * sy)

    # The board and the clock stay as they were while the dialog waits: the bar shows the
    # clock run out, and no menu.
    def ran_out(im):
        t = glyphs(im, TIME_BOX)
        return len(t) == 8 and all(same_glyph(t[i], zero) for i in (0, 1, 3, 4, 6, 7))

    img = game.wait_until(ran_out, what="the bar to read 00:00:00")
    assert button_absent(img, MENU_X, MENU_Y["Exit"])

    edit = (int(x + 10 * sx), int(y + 20 * sy), int(x + 130 * sx), int(y + 34 * sy))

    def caret_shown(im):
        """A dark upright line in the box, where its frame is grey: the box has the keys."""
        c = im.crop(edit)
        px = c.load()
        return any(sum(1 for j in range(c.height) if sum(px[i, j]) < 200) >= 8
                   for i in range(c.width))

    game.click(*at(70, 27))  # the edit box
    game.wait_until(caret_shown, what="the caret in the edit box")
    time.sleep(SETTLING)
    game.type_text(NAME)
    img = game.wait_until(lambda im: sum(1 for p in im.crop(edit).getdata() if sum(p) < 200)
                          > 60, what="the typed name in the edit box")
    game.save(img, "typed")
    # From here the folder takes no new files (so no temporary beside scores.dat), and the
    # process is killed at the end: the result must reach the file by itself, at Ok.
    try:
        with immutable(game.dir):
            game.click(*at(35, 47))  # "&Ok"

            img = game.wait_until(high_scores_shown, what="the high-score screen")
            game.save(img, "highscores")
            assert not dialog_geometry(game), "the dialog is still shown"
            # The first row now holds a name wider than "Unknown User".
            row1 = img.crop((95, 121, 300, 139))
            row2 = img.crop((95, 141, 300, 159))
            assert mean_abs_diff(row1, row2) > 1

            img = game.to_menu()
            assert not offers_continue(img), "Continue offered although the game is over"
            assert game.running()
            game.proc.kill()
            game.proc.wait(timeout=10)
            # The forgotten copy is closed as a window manager would close it.
            window = other.windows()
            assert len(window) == 1, window
            send_wm_delete(window[0])
            assert other.wait_exit(20) == 0
    finally:
        other.stop()

    data = (game.dir / "scores.dat").read_bytes()
    assert len(data) == 5600
    name = data[:256]
    assert name[:len(NAME) + 1] == NAME.encode() + b"\0"
    level, points = struct.unpack_from("<2i", data, 256)
    assert (level, points) == (1, 0)
    assert struct.unpack_from("<4i", data, 264) == (0, 0, 0, 0)
    # The other nineteen are the default entries, moved down one place.
    for i in range(1, 20):
        rec = data[280 * i:280 * (i + 1)]
        assert rec[:13] == b"Unknown User\0" and rec[256:] == b"\0" * 24, f"record {i}"
    assert not list(game.dir.glob("scores.dat*.tmp"))
