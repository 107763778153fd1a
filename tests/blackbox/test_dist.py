"""The player's zip: what it holds, and that the game plays from a folder unpacked from it."""
import os
import zipfile
from pathlib import Path

import pytest
from PIL import Image

from conftest import (ART_DIRS, MENU_X, MENU_Y, Game, button_visible, cell_box, cell_centre,
                      fixed_versions, load_rgb, mean_abs_diff, version, version_words)

ROOT = Path(__file__).resolve().parents[2]
CELLS = [(c, r) for r in range(8) for c in range(8)]


def zip_path():
    if os.environ.get("PAIRWICK_ZIP"):
        return Path(os.environ["PAIRWICK_ZIP"])
    return Path(os.environ["PAIRWICK_DIST"]).parent / f"Pairwick-{version()}-win64.zip"


@pytest.fixture
def unpacked(tmp_path):
    path = zip_path()
    # A missing zip is a failure: the build makes it.
    assert path.is_file(), f"{path} was not built"
    out = tmp_path / "unpacked"
    out.mkdir()
    with zipfile.ZipFile(path) as z:
        z.extractall(out)
    return path, out


def test_the_zip_holds_one_folder_with_the_game_and_is_reproducible(unpacked):
    path, out = unpacked
    top = f"Pairwick-{version()}"
    assert [p.name for p in out.iterdir()] == [top]
    folder = out / top
    assert sorted(p.name for p in folder.iterdir()) == sorted(
        ["Pairwick.exe", "README.txt", "LICENSE", *ART_DIRS])
    dist = Path(os.environ["PAIRWICK_DIST"])
    assert (folder / "Pairwick.exe").read_bytes() == (dist / "Pairwick.exe").read_bytes()
    for d in ART_DIRS:
        shipped = sorted(p.relative_to(dist) for p in (dist / d).rglob("*") if p.is_file())
        packed = sorted(p.relative_to(folder) for p in (folder / d).rglob("*") if p.is_file())
        assert packed == shipped, f"{d}/ differs from the runnable folder"
        for rel in packed:
            assert (folder / rel).read_bytes() == (dist / rel).read_bytes(), str(rel)
    assert (folder / "LICENSE").read_bytes() == (ROOT / "LICENSE").read_bytes()
    readme = (folder / "README.txt").read_text()
    for words in ("options.ini", "scores.dat", "800 x 600", "16-bit", "Pairwick.exe"):
        assert words in readme, f"README.txt does not mention {words}"
    # Nothing a run leaves behind.
    assert not (folder / "scores.dat").exists() and not (folder / "options.ini").exists()

    with zipfile.ZipFile(path) as z:
        infos = z.infolist()
    names = [i.filename for i in infos]
    assert names == sorted(names), "entries are not sorted"
    assert len({i.date_time for i in infos}) == 1, "entries carry different dates"


def test_the_exe_says_what_it_is_and_declares_no_windows_version(unpacked):
    _, out = unpacked
    exe = (out / f"Pairwick-{version()}" / "Pairwick.exe").read_bytes()
    assert fixed_versions(exe) == (version_words(), version_words())
    for key, value in (("ProductName", "Pairwick"), ("OriginalFilename", "Pairwick.exe"),
                       ("ProductVersion", version()), ("FileVersion", version())):
        assert f"{key}\0".encode("utf-16-le") in exe, key
        assert f"{value}\0".encode("utf-16-le") in exe, value
    # Windows emulates the 16-bit mode only for programs that declare no later Windows.
    assert b"supportedOS" not in exe


def board_back(img, field):
    """The cell images of a fresh board: all alike, none the bare field."""
    back = img.crop(cell_box(0, 0))
    return all(mean_abs_diff(img.crop(cell_box(*c)), back) < 4 for c in CELLS) and \
        mean_abs_diff(back, field.crop(cell_box(0, 0))) > 30


def test_the_game_plays_from_the_unpacked_folder(unpacked, request):
    _, out = unpacked
    folder = out / f"Pairwick-{version()}"
    game = Game(folder, request.node.name)
    try:
        game.start()  # waits for the unpacked intro picture
        game.to_menu()
        game.menu("New game")
        field = Image.new("RGB", (800, 600))
        field.paste(load_rgb(folder / "backgrounds" / "field.bmp"), (200, 0))
        img = game.wait_until(lambda im: board_back(im, field), what="a board of 64 backs")
        game.save(img, "board")
        back = img.crop(cell_box(0, 0))

        def turned(cell):
            return lambda im: mean_abs_diff(im.crop(cell_box(*cell)), back) >= 4

        a, b = (2, 2), (5, 6)
        img = game.click_until(*cell_centre(*a), turned(a), what=f"the face of {a}")
        face = img.crop(cell_box(*a))
        assert mean_abs_diff(face, field.crop(cell_box(*a))) > 30, "the cell shows the field"
        img = game.click_until(*cell_centre(*b), turned(b), what=f"the face of {b}")
        game.save(img, "two_faces")

        game.key("Escape")
        game.wait_until(lambda im: button_visible(im, MENU_X, MENU_Y["Continue"])
                        and button_visible(im, MENU_X, MENU_Y["Exit"]),
                        what="the menu with Continue")
        game.menu("Exit")
        assert game.wait_exit() == 0
        assert (folder / "scores.dat").stat().st_size == 5600
    finally:
        game.stop()
