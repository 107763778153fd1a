"""Names in any script: typed into the name box at game over, shown in the table exactly as
typed and kept in scores.dat as UTF-8, also after a restart; a table written before, its
names in the code page, still shows them as it did."""
import time

from conftest import SETTLING, high_scores_shown, name_dialog, saved_game_bytes, slots_shown

# Lower case: xdotool types a letter outside the keymap on a spare key, and may lose the
# case of a capital.
TYPED = "żółć łąka"
OLD = "Zo\xeb"  # "Zoë" in the old code page, cp1252


def table(rows):
    """scores.dat of (name bytes, level) rows, the rest as a new table has them."""
    rows = rows + [(b"Unknown User", 0)] * (20 - len(rows))
    return b"".join(name.ljust(256, b"\0") + level.to_bytes(4, "little") + bytes(20)
                    for name, level in rows)


def name_ink(img, place):
    """The dark text in the name column of a table row, place 1 to 20, on any backdrop."""
    y = 120 + 20 * (place - 1)
    return [sum(p) < 250 for p in img.crop((100, y, 225, y + 20)).getdata()]


def check_table(img):
    # The typed name (place 3) as the game draws the same name read from a file (place 4),
    # and the old name as the same name written as UTF-8.
    assert name_ink(img, 3) == name_ink(img, 4), "the typed name differs"
    assert name_ink(img, 1) == name_ink(img, 2), "the old name differs"
    assert name_ink(img, 3) != name_ink(img, 5) and sum(name_ink(img, 3)) > 50


def test_a_name_typed_in_another_script_is_kept_and_shown_as_typed(game_factory):
    scores = table([(OLD.encode("cp1252"), 9), ("Zoë".encode(), 8), (TYPED.encode(), 2)])
    game = game_factory(scores=scores, start=False)
    (game.dir / "save1.dat").write_bytes(saved_game_bytes(level=5, minutes=0, seconds=2))
    game.start()
    game.key("Return")
    game.key("l")
    game.wait_until(slots_shown, what="the load screen")
    game.key("1")
    at = name_dialog(game)
    edit = (*at(10, 20), *at(130, 34))
    time.sleep(SETTLING)
    game.type_text(TYPED)
    game.wait_until(lambda im: sum(1 for p in im.crop(edit).getdata() if sum(p) < 200) > 60,
                    what="the typed name", save_as="typed")
    game.key("Return")
    check_table(game.wait_until(high_scores_shown, what="the table", save_as="table"))
    on_disk = game.dir.joinpath("scores.dat").read_bytes()
    assert on_disk[2 * 280:2 * 280 + 256] == TYPED.encode().ljust(256, b"\0")
    assert on_disk[:256] == OLD.encode("cp1252").ljust(256, b"\0")

    game.key("Escape")
    game.key("x")
    assert game.wait_exit() == 0
    game.start()
    game.key("Return")
    game.key("h")
    check_table(game.wait_until(high_scores_shown, what="the table again",
                                save_as="after_restart"))
