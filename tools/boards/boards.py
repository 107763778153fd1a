#!/usr/bin/python3
"""Pictures of every card set on the real board, to be looked at (nothing is asserted).

    /usr/bin/python3 tools/boards/boards.py --build build --out /tmp/boards

- board-<set>.png: all 64 cards face up, drawn by the game's own frame into a 16-bit
  surface like its back buffer (board_faces.cpp, the build's target board_faces, which
  uses the in-process tests' window);
- exe-<set>.png: Pairwick.exe itself under Wine, the set chosen in options.ini, a new game
  and two cards turned with the mouse.
Both run on a display and a Wine prefix of their own, the screenshot tool's session.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from PIL import Image

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
sys.path.insert(0, str(ROOT / "tests" / "blackbox"))
sys.path.insert(0, str(ROOT / "tools" / "screenshots"))

from conftest import ART_DIRS, WINE64, Game, cell_centre, cell_classifier  # noqa: E402
from take import Session  # noqa: E402

def card_sets():
    """{set name: card mode in options.ini}, from the game's one list of card sets."""
    text = (ROOT / "resources" / "card_sets.h").read_text()
    return {caption.lower(): int(mode)
            for mode, caption in re.findall(r'\{(\d+), "(\w+)", res_\w+, \d+\}', text)}


def build_faces_program(build):
    subprocess.run(["cmake", "--build", str(build), "--target", "board_faces"], check=True)
    return build / "tools" / "boards" / "board_faces.exe"


def art_folder(dist, where):
    where.mkdir(parents=True)
    for d in ART_DIRS:
        os.symlink(dist / d, where / d)
    return where


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default=str(ROOT / "build"))
    ap.add_argument("--out", required=True)
    args = ap.parse_args()
    build, out = Path(args.build).resolve(), Path(args.out).resolve()
    dist = build / "dist"
    out.mkdir(parents=True, exist_ok=True)
    sets = card_sets()
    assert len(sets) == 4, sets
    faces = build_faces_program(build)
    work = Path(tempfile.mkdtemp(prefix="pairwick-boards."))
    try:
        with Session(build):
            here = art_folder(dist, work / "faces")
            win = subprocess.run(["winepath", "-w", str(here)], capture_output=True, text=True,
                                 check=True).stdout.strip()
            subprocess.run([WINE64, str(faces)], cwd=here, check=True,
                           env=dict(os.environ, PAIRWICK_SHOTS=win, PAIRWICK_TEST_DIR=str(here)))
            for name in sets:
                Image.open(here / ("board-faces-%s.bmp" % name)).save(out / ("board-%s.png" % name))
            for name, mode in sets.items():
                run = art_folder(dist, work / name)
                shutil.copyfile(dist / "Pairwick.exe", run / "Pairwick.exe")
                (run / "options.ini").write_bytes(b"[CARDMODE]\r\n%d\r\n[SOUND]\r\n0\r\n" % mode)
                game = Game(run, "boards")
                try:
                    game.start()
                    game.to_menu()
                    img = game.new_game()
                    state = cell_classifier(img, run)
                    # A mismatch turns back after a second: catch both faces up, and
                    # try other cards if the screen lagged past that.
                    for a, b in (((2, 3), (5, 4)), ((1, 6), (6, 1)), ((4, 0), (3, 7))):
                        game.xdotool("mousemove", *cell_centre(*a), "click", 1,
                                     "mousemove", *cell_centre(*b), "click", 1)
                        try:
                            img = game.wait_until(lambda im: state(im, a) == state(im, b) == "other",
                                                  timeout=0.9, what="two cards face up")
                            break
                        except BaseException:  # the helpers fail through pytest
                            game.wait_until(lambda im: state(im, a) != "other", timeout=5,
                                            what="the cards to turn back")
                    else:
                        raise SystemExit("never caught two cards face up")
                    img.save(out / ("exe-%s.png" % name))
                finally:
                    game.stop()
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
