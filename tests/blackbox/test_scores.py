"""scores.dat as the program creates, reads and rewrites it."""
import struct

from conftest import high_scores_shown, menu_shown

RECORD = 280


def record(name, level=0, points=0, used=(0, 0, 0, 0)):
    return name.ljust(256, b"\0") + struct.pack("<6i", level, points, *used)


def test_first_start_writes_the_default_table_before_any_game(game):
    path = game.dir / "scores.dat"
    # The table is written during start-up; the fixture has seen the first frame.
    data = path.read_bytes()
    assert len(data) == 20 * RECORD
    assert data == record(b"Unknown User") * 20
    game.to_menu()
    game.menu("Exit")
    assert game.wait_exit() == 0
    assert path.read_bytes() == record(b"Unknown User") * 20


def test_a_long_file_is_cut_to_twenty_records_at_exit(game_factory):
    rows = [record(b"Player %d" % i, level=40 - i, points=i * 7, used=(i, 1, 2, 3))
            for i in range(20)]
    extra = b"\x55" * 400
    game = game_factory(scores=b"".join(rows) + extra)
    game.to_menu()
    game.menu("High scores")
    img = game.wait_until(high_scores_shown, what="the high-score grid")
    game.save(img, "loaded_table")
    # The file's rows are shown in its order: each name differs from the next.
    names = [img.crop((95, 121 + 20 * i, 220, 139 + 20 * i)).tobytes() for i in range(20)]
    assert all(a != b for a, b in zip(names, names[1:]))
    game.key("Escape")
    game.wait_until(menu_shown, what="the menu")
    game.menu("Exit")
    assert game.wait_exit() == 0
    assert (game.dir / "scores.dat").read_bytes() == b"".join(rows)


def test_a_short_file_fills_the_rest_with_empty_records(game_factory):
    first = record(b"Only One", level=3, points=99, used=(1, 2, 3, 4))
    game = game_factory(scores=first)
    assert (game.dir / "scores.dat").read_bytes() == first, "a present file was rewritten"
    game.to_menu()
    game.menu("Exit")
    assert game.wait_exit() == 0
    assert (game.dir / "scores.dat").read_bytes() == first + b"\0" * (19 * RECORD)
