"""The game in the player's language: started under a German locale, its menu, help and
name box speak German; a language chosen on the Options screen by keys applies at once and
is saved after the four lines that earlier versions read, which read as before."""
import subprocess
import time
from pathlib import Path

import pytest

from conftest import (SETTLING, high_scores_shown, menu_shown, radio_dot, saved_game_bytes,
                      slots_shown)
from test_names import name_ink, table

GERMAN = {"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8"}
LINGUAS = Path(__file__).resolve().parents[2] / "po" / "LINGUAS"


def language_button_y(tag):
    """The language buttons stand under the others: Automatic, English, then the catalogues."""
    tags = [t.strip() for t in LINGUAS.read_text().splitlines() if t.strip()[:1].isalpha()]
    return 180 + 20 * (2 + sorted(tags).index(tag))


def ink(img, box):
    return [sum(p) < 250 for p in img.crop(box).getdata()]


def dialog_up(game, title):
    return bool(game.windows(f"^{title}$", visible_only=True))


@pytest.fixture(scope="module", autouse=True)
def german_locale():
    if "de_DE.utf8" not in subprocess.run(["locale", "-a"], capture_output=True,
                                          text=True).stdout:
        pytest.skip("no de_DE.UTF-8 locale: make test generates it when run as root")


def test_a_german_desktop_gets_the_game_in_german(game_factory):
    # "Tasten", the help's heading over its keys in German, as a name in the table: the
    # same words drawn by the same code.
    game = game_factory(scores=table([("Tasten".encode(), 9)]), start=False)
    (game.dir / "save1.dat").write_bytes(saved_game_bytes(level=5, minutes=0, seconds=2))
    game.start(environment=GERMAN, language="de")
    game.key("Return")
    game.wait_until(menu_shown, what="the menu")
    # B is the German menu's letter for the table (Bestenliste); English has none.
    game.key("b")
    table_shot = game.wait_until(high_scores_shown, what="the table by its German letter")
    game.key("Escape")
    game.wait_until(menu_shown, what="the menu")
    # H: Hilfe, where English's H is the table.
    game.key("h")
    help_shot = game.wait_until(lambda im: ink(im, (100, 370, 225, 390)) == name_ink(table_shot, 1),
                                what="the help's German heading", save_as="help")
    assert not high_scores_shown(help_shot)
    game.key("Escape")
    game.wait_until(menu_shown, what="the menu")
    before = (game.dir / "scores.dat").read_bytes()
    game.key("l")
    game.wait_until(slots_shown, what="the load screen")
    game.key("1")
    game.wait_until(lambda im: dialog_up(game, "Game Over!"), what="the name box")
    time.sleep(SETTLING)
    # Alt+A: the German Cancel, Abbrechen.
    game.key("alt+a")
    game.wait_until(lambda im: not dialog_up(game, "Game Over!") and high_scores_shown(im),
                    what="the name box cancelled by its German letter")
    assert (game.dir / "scores.dat").read_bytes() == before


def test_a_language_chosen_by_keys_applies_at_once_and_is_saved(game_factory):
    today = b"[CARDMODE]\r\n1\r\n[SOUND]\r\n0\r\n"
    game = game_factory(options=today)
    game.key("Return")
    game.wait_until(menu_shown, what="the menu")
    game.key("o")
    polish = language_button_y("pl")
    # Today's file reads as before: Cars, sound off, and the language the system's.
    shot = game.wait_until(lambda im: radio_dot(im, 10, 30) > 5 and radio_dot(im, 10, 140) > 5
                           and radio_dot(im, 10, 180) > 5, what="today's options")
    assert radio_dot(shot, 10, polish) < 5
    # Tab round the buttons to Polski: the seven above the languages, then Automatic on.
    for _ in range(7 + (polish - 180) // 20 + 1):
        game.key("Tab")
    game.key("space")
    game.wait_until(lambda im: radio_dot(im, 10, polish) > 5, what="Polski chosen",
                    save_as="polish_options")
    # Enter saves from a radio button; the box says so in Polish.
    game.key("Return")
    game.wait_until(lambda im: dialog_up(game, "Opcje"), what="the Polish options box")
    time.sleep(SETTLING)
    game.key("Return")
    game.wait_until(lambda im: not dialog_up(game, "Opcje"), what="the box gone")
    assert (game.dir / "options.ini").read_bytes() == today + b"[LANGUAGE]\r\npl\r\n"
    game.key("Escape")
    game.wait_until(menu_shown, what="the menu")
    # T: the Polish menu's letter for the table (Tabela wyników).
    game.key("t")
    game.wait_until(high_scores_shown, what="the table by its Polish letter",
                    save_as="polish_table")
