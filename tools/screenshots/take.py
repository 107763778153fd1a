#!/usr/bin/python3
"""Captures every screen of the real game into docs/screenshots/<screen>.png.

Runs Pairwick.exe under Wine on an Xvfb display and a Wine prefix of its own
(tests/harness/session.sh with its own state file, the prefix made once) in a temporary
copy of the runnable folder, and drives it with the black-box tests' helpers, so the
pictures show exactly what a player sees. The game-over dialog needs twelve real minutes
and is left out. What the helpers keep (the scripted player's notes) goes to
<build>/test-output/screenshots/.

    /usr/bin/python3 tools/screenshots/take.py [--build build] [--out docs/screenshots]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "blackbox"))


def parse_args():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default=str(ROOT / "build"))
    ap.add_argument("--out", default=str(ROOT / "docs" / "screenshots"))
    return ap.parse_args()


ARGS = parse_args()
# The tests' helpers take the build from the runnable folder, and keep what they save (the
# scripted player's notes and pictures) in the build tree.
os.environ["PAIRWICK_DIST"] = str(Path(ARGS.build).resolve() / "dist")
os.environ["PAIRWICK_EVIDENCE"] = str(Path(ARGS.build).resolve() / "test-output" / "screenshots")

from conftest import (ART_DIRS, MENU_X, MENU_Y, OPTION_BUTTONS, SLOT_X, SLOT_Y,  # noqa: E402
                      SPRITE_CENTRE, Game, all_options_visible, button_absent, button_visible,
                      cell_centre, cell_classifier, glyphs, high_scores_shown, load_rgb,
                      mean_abs_diff, slots_shown)
from player import Player, shop_shown  # noqa: E402

SESSION = ROOT / "tests" / "harness" / "session.sh"
MENU = [n for n in MENU_Y if n != "Continue"]


class Session:
    """A display and a Wine prefix of our own. The build tree's prefix is no good here: one
    wineserver serving two displays keeps one foreground window for both, so keys went to
    the other display's windows (and ours could steal a running test's), and stopping the
    session ends that server under the tests."""

    def __init__(self, build):
        self.state = build / "shots-session.env"
        self.prefix = build / "shots" / "wineprefix"

    def __enter__(self):
        self.prefix.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run([str(SESSION), "start", str(self.state), str(self.prefix)], check=True)
        env = {}
        for line in self.state.read_text().splitlines():
            key, _, value = line.replace("export ", "").partition("=")
            env[key] = value
        os.environ.update(DISPLAY=env["DISPLAY"], WINEPREFIX=str(self.prefix),
                          WINEDEBUG="-all",
                          WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d")
        return self

    def __exit__(self, *exc):
        subprocess.run([str(SESSION), "stop", str(self.state), str(self.prefix)], check=False)


def shoot(game, out, name, img):
    # Palette PNGs keep the committed files small; the 16-bit screen has few colours.
    path = out / f"{name}.png"
    img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE) \
        .save(path, optimize=True)
    print(f"{path.relative_to(ROOT)}: {path.stat().st_size // 1024} KiB")


def menu_up(img):
    return all(button_visible(img, MENU_X, MENU_Y[n]) for n in MENU)


def wait_menu(game):
    return game.wait_until(menu_up, what="the menu buttons")


def play_in_progress(game, out):
    """A board with a pair gone, two faces up and a hammer smash under way."""
    img = game.new_game()
    cell_state = cell_classifier(img, game.dir)

    cells = [(c, r) for r in range(8) for c in range(8)]
    game.click(*SPRITE_CENTRE["dynamite"])
    game.wait_until(lambda im: sum(cell_state(im, c) == "field" for c in cells) == 2,
                    what="the dynamited pair to leave")
    # The smash lasts about half a second: one card up, the hammer on another, the second
    # card up, all in one burst, and the screen read at once; another try if it was missed.
    tries = [((0, 0), (3, 2), (4, 4)), ((7, 7), (2, 6), (5, 1)), ((1, 7), (6, 5), (0, 3))]
    for a, x, b in tries:
        live = [c for c in (a, x, b)
                if cell_state(game.screenshot(), c) == "back"]
        if len(live) < 3:
            continue
        game.xdotool("mousemove", *cell_centre(*a), "click", 1,
                     "mousemove", *SPRITE_CENTRE["hammer"], "click", 1,
                     "mousemove", *cell_centre(*x), "click", 1,
                     "mousemove", *cell_centre(*b), "click", 1)
        img = game.screenshot()
        smashing = [c for c in cells if c not in (a, b) and cell_state(img, c) == "other"]
        if cell_state(img, a) == cell_state(img, b) == "other" and smashing:
            break
        # Let the pair resolve before the next try.
        time.sleep(1.5)
    else:
        raise SystemExit("never caught the hammer at work")
    shoot(game, out, "play", img)


def main():
    build, out = Path(ARGS.build).resolve(), Path(ARGS.out).resolve()
    shutil.rmtree(os.environ["PAIRWICK_EVIDENCE"], ignore_errors=True)
    dist = build / "dist"
    out.mkdir(parents=True, exist_ok=True)
    work = Path(tempfile.mkdtemp(prefix="pairwick-shots."))
    for d in ART_DIRS:
        os.symlink(dist / d, work / d)
    shutil.copyfile(dist / "Pairwick.exe", work / "Pairwick.exe")

    game = Game(work, "shots")
    try:
        with Session(build):
            game.start()
            # Let the intro's first frame reach the X screen whole.
            time.sleep(0.5)
            shoot(game, out, "intro", game.screenshot())

            game.key("Escape")
            shoot(game, out, "menu", wait_menu(game))

            game.menu("Options")
            img = game.wait_until(all_options_visible, what="the options buttons")
            shoot(game, out, "options", img)
            x, y = OPTION_BUTTONS["Back"]
            game.click(x + 50, y + 10)
            wait_menu(game)

            game.menu("Help / Credits")
            title = load_rgb(work / "other" / "help_title.bmp")
            left = (800 - title.width) // 2
            img = game.wait_until(
                lambda im: button_absent(im, MENU_X, MENU_Y["Exit"])
                and mean_abs_diff(im.crop((left, 20, left + title.width, 20 + title.height)),
                                  title) < 40, what="the help screen")
            time.sleep(0.5)
            shoot(game, out, "help", game.screenshot())
            game.key("Escape")
            wait_menu(game)

            game.menu("High scores")
            shoot(game, out, "high_scores", game.wait_until(high_scores_shown,
                                                             what="the high scores"))
            game.key("Escape")
            wait_menu(game)

            play_in_progress(game, out)

            # That game kept in the first slot, and the slots as the save screen shows them.
            game.key("Escape")
            wait_menu(game)
            game.menu("Save")
            game.wait_until(slots_shown, what="the save screen")
            game.click(SLOT_X + 50, SLOT_Y[0] + 10)
            wait_menu(game)
            game.menu("Save")
            row = (SLOT_X + 115, SLOT_Y[0], 790, SLOT_Y[0] + 20)
            shoot(game, out, "save", game.wait_until(
                lambda im: slots_shown(im) and len(glyphs(im, row)) > 20,
                what="the first slot in use"))
            game.key("Escape")
            wait_menu(game)

            # The shop needs a cleared board: the tests' scripted player clears one.
            player = Player(game)
            player.start()
            player.play_level(hammers=10, dynamites=9)
            img = game.wait_until(shop_shown, what="the shop")
            time.sleep(0.5)
            shoot(game, out, "shop", game.screenshot())

            game.key("Escape")
            wait_menu(game)
            game.menu("Exit")
            code = game.wait_exit(10)
            if code != 0:
                sys.exit(f"the game ended with code {code}")
    finally:
        game.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
