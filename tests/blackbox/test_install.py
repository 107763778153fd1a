"""make install, the pairwick launcher it installs, make uninstall and make deb.

The installed launcher keeps a player's files in their own folder, so the game is started
from a temporary HOME; every install goes to a temporary DESTDIR.
"""
import configparser
import os
import re
import stat
import struct
import subprocess
from pathlib import Path

import pytest
from PIL import Image

from conftest import (ART_DIRS, MENU_X, MENU_Y, OPTION_BUTTONS, Game, all_options_visible,
                      button_visible, high_scores_shown, load_rgb, mean_abs_diff)

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ["PAIRWICK_DIST"]).parent
DIST = BUILD / "dist"
PREFIX = "/usr/local"


def version():
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Pairwick VERSION (\d+\.\d+\.\d+)", text).group(1)


def make(*args):
    # -o build: the tests use the build they belong to and never rebuild it.
    r = subprocess.run(["make", "-C", str(ROOT), "-o", "build", f"BUILD={BUILD}", *args],
                       capture_output=True, text=True, timeout=600)
    assert r.returncode == 0, f"make {' '.join(args)} failed:\n{r.stdout}\n{r.stderr}"
    return r.stdout


def install(dest, *extra):
    make("install", f"DESTDIR={dest}", f"PREFIX={PREFIX}", *extra)
    return dest / PREFIX.lstrip("/")


def tree(top):
    """Every path under top, with its kind, mode and size (0 for folders)."""
    out = {}
    for p in top.rglob("*"):
        st = p.lstat()
        kind = "d" if stat.S_ISDIR(st.st_mode) else "l" if stat.S_ISLNK(st.st_mode) else "f"
        out[p.relative_to(top).as_posix()] = (kind, stat.S_IMODE(st.st_mode),
                                              0 if kind == "d" else st.st_size)
    return out


def player_env(home, **extra):
    env = {k: v for k, v in os.environ.items() if k not in ("XDG_DATA_HOME", "WINEPREFIX")}
    env.update(HOME=str(home), **extra)
    return env


@pytest.fixture(scope="module")
def installed(tmp_path_factory):
    return install(tmp_path_factory.mktemp("dest"))


def test_install_lays_out_the_game_the_launcher_the_menu_entry_and_the_icons(installed):
    top = installed
    launcher = top / "bin" / "pairwick"
    assert launcher.stat().st_mode & 0o111, "the launcher is not executable"
    game = top / "share" / "pairwick"
    assert (game / "Pairwick.exe").read_bytes() == (DIST / "Pairwick.exe").read_bytes()
    for d in ART_DIRS:
        shipped = sorted(p.relative_to(DIST) for p in (DIST / d).rglob("*") if p.is_file())
        assert shipped, f"{d}/ is empty in the build"
        for rel in shipped:
            assert (game / rel).read_bytes() == (DIST / rel).read_bytes(), str(rel)

    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(top / "share" / "applications" / "pairwick.desktop")
    e = entry["Desktop Entry"]
    assert (e["Type"], e["Name"], e["Icon"], e["Categories"]) == \
        ("Application", "Pairwick", "pairwick", "Game;CardGame;")
    assert e["Comment"]
    assert e["Exec"] == f"{PREFIX}/bin/pairwick"

    drawn = sorted((BUILD / "art-res" / "icons").glob("pairwick-*.png"))
    assert drawn, "the art generator drew no icon"
    for png in drawn:
        n = int(png.stem.split("-")[1])
        icon = top / "share" / "icons" / "hicolor" / f"{n}x{n}" / "apps" / "pairwick.png"
        assert icon.read_bytes() == png.read_bytes()
        assert Image.open(icon).size == (n, n)


def run_launcher(launcher, env):
    return subprocess.run([str(launcher)], env=env, capture_output=True, text=True,
                          stdin=subprocess.DEVNULL, timeout=120)


def test_the_launcher_says_in_one_line_how_to_get_wine_or_a_display(installed, tmp_path):
    launcher = installed / "bin" / "pairwick"
    home = tmp_path / "home"
    home.mkdir()

    r = run_launcher(launcher, player_env(home, PAIRWICK_WINE=str(tmp_path / "no" / "wine64")))
    assert r.returncode != 0
    lines = r.stderr.splitlines()
    assert len(lines) == 1 and "Wine is not installed" in lines[0], r.stderr
    assert lines[0].endswith("sudo apt install wine64"), r.stderr

    env = player_env(home)
    env.pop("DISPLAY", None)
    r = run_launcher(launcher, env)
    assert r.returncode != 0
    lines = r.stderr.splitlines()
    assert len(lines) == 1 and "no X display" in lines[0], r.stderr
    assert "Xvfb :5 -screen 0 800x600x16 & DISPLAY=:5 pairwick" in lines[0], r.stderr

    assert list(home.iterdir()) == [], "a failed start left files in HOME"


def test_the_launcher_runs_the_installed_exe_in_the_players_folder_and_passes_its_code_on(
        installed, tmp_path):
    # A stand-in for Wine that records how it was started and ends with code 7.
    record = tmp_path / "started"
    fake = tmp_path / "wine64"
    fake.write_text('#!/bin/sh\n'
                    'if [ "$1" = wineboot ]; then mkdir -p "$WINEPREFIX" &&'
                    ' : >"$WINEPREFIX/system.reg"; exit 0; fi\n'
                    f'printf "%s\\n" "$PWD" "$1" "$WINEPREFIX" "$WINEDEBUG" >"{record}"\n'
                    'exit 7\n')
    fake.chmod(0o755)
    data = tmp_path / "xdg" / "pairwick"
    r = run_launcher(installed / "bin" / "pairwick",
                     player_env(tmp_path / "home", PAIRWICK_WINE=str(fake),
                                XDG_DATA_HOME=str(tmp_path / "xdg")))
    assert r.returncode == 7, r.stderr
    cwd, exe, prefix, debug = record.read_text().splitlines()
    assert Path(cwd) == data
    assert Path(exe) == (installed / "share" / "pairwick" / "Pairwick.exe").resolve()
    assert (Path(prefix), debug) == (data / "wineprefix", "-all")
    for d in ART_DIRS:
        assert (data / d).resolve() == (installed / "share" / "pairwick" / d).resolve()


class Launched(Game):
    """The game as the installed launcher starts it, in the player's folder."""

    def __init__(self, launcher, env, data, label, log):
        super().__init__(data, label)
        self.launcher, self.env, self.log_path = launcher, env, log

    def start(self, intro, timeout):
        self.log = open(self.log_path, "wb")
        self.proc = subprocess.Popen([str(self.launcher)], env=self.env,
                                     stdin=subprocess.DEVNULL, stdout=self.log,
                                     stderr=subprocess.STDOUT)
        self.wait_until(lambda im: self.matches(im, intro, (0, 0, 800, 600), 0.01)
                        and self.windows(visible_only=True), timeout=timeout,
                        what="the intro picture through the launcher")

    def high_score_names(self):
        self.menu("High scores")
        img = self.wait_until(high_scores_shown, what="the high-score grid")
        self.key("Escape")
        self.wait_until(lambda im: button_visible(im, MENU_X, MENU_Y["Exit"]),
                        what="the menu")
        return [img.crop((95, 121 + 20 * i, 220, 139 + 20 * i)) for i in range(2)]

    def exit_and_settle(self):
        self.menu("Exit")
        code = self.wait_exit(20)
        # The player's Wine server outlives the game by a few seconds.
        subprocess.run(["wineserver", "-w"], env=self.env | {"WINEPREFIX": str(
            self.dir / "wineprefix")}, timeout=60)
        return code


def test_the_installed_game_keeps_a_players_files_in_their_folder_and_uninstall_spares_them(
        tmp_path, request):
    dest = tmp_path / "dest"
    top = install(dest)
    installed_files = tree(dest)
    home = tmp_path / "home"
    data = home / ".local" / "share" / "pairwick"
    env = player_env(home)
    intro = load_rgb(top / "share" / "pairwick" / "backgrounds" / "intro.bmp")
    label = request.node.name[:40]

    game = Launched(top / "bin" / "pairwick", env, data, f"{label}-first",
                    tmp_path / "first.log")
    try:
        # The first start makes the player's Wine prefix.
        game.start(intro, timeout=240)
        img = game.to_menu()
        game.save(img, "menu")
        shown = game.high_score_names()
        game.menu("Options")
        before = game.wait_until(all_options_visible, what="the options buttons")
        x, y = OPTION_BUTTONS["Save"]
        game.click(x + 50, y + 10)
        centre = (250, 200, 550, 400)
        game.wait_until(lambda im: (data / "options.ini").exists()
                        and mean_abs_diff(im.crop(centre), before.crop(centre)) > 3,
                        what="options.ini and the confirmation box")
        game.key("Return")
        game.wait_until(lambda im: mean_abs_diff(im.crop(centre), before.crop(centre)) < 1,
                        what="the confirmation box to go")
        x, y = OPTION_BUTTONS["Back"]
        game.click(x + 50, y + 10)
        game.wait_until(lambda im: button_visible(im, MENU_X, MENU_Y["Exit"]), what="the menu")
        assert game.exit_and_settle() == 0
    finally:
        game.stop()
    assert (data / "scores.dat").stat().st_size == 5600
    assert (data / "options.ini").is_file()
    assert tree(dest) == installed_files, "the game wrote into the installed tree"

    # A changed table is what the next start reads and keeps.
    table = bytearray((data / "scores.dat").read_bytes())
    table[0:280] = b"Kept Between Starts".ljust(256, b"\0") + struct.pack("<6i", 5, 1234,
                                                                          0, 0, 0, 0)
    (data / "scores.dat").write_bytes(bytes(table))
    game = Launched(top / "bin" / "pairwick", env, data, f"{label}-second",
                    tmp_path / "second.log")
    try:
        game.start(intro, timeout=60)
        game.to_menu()
        first, second = game.high_score_names()
        assert mean_abs_diff(first, shown[0]) > 1, "the changed first row is not shown"
        assert mean_abs_diff(second, shown[1]) < 1
        assert game.exit_and_settle() == 0
    finally:
        game.stop()
    assert (data / "scores.dat").read_bytes() == bytes(table)

    players = {p: p.read_bytes() for p in (data / "scores.dat", data / "options.ini")}
    player_tree = tree(data)
    make("uninstall", f"DESTDIR={dest}", f"PREFIX={PREFIX}")
    assert list(top.rglob("*")) == [], "uninstall left part of the install behind"
    assert tree(data) == player_tree
    assert all(p.read_bytes() == b for p, b in players.items())


def deb_contents(deb):
    """dpkg-deb --contents as {path: (kind, mode, size)}, paths relative to the root."""
    out = subprocess.run(["dpkg-deb", "--contents", str(deb)], check=True,
                         capture_output=True, text=True).stdout
    entries = {}
    for line in out.splitlines():
        perms, owner, size, _day, _time, path = line.split(None, 5)
        assert owner == "root/root", line
        path = path.split(" -> ")[0].removeprefix("./").rstrip("/")
        if not path:
            continue
        mode = sum(1 << (8 - i) for i, c in enumerate(perms[1:10]) if c != "-")
        kind = {"d": "d", "l": "l", "-": "f"}[perms[0]]
        entries[path] = (kind, mode, 0 if kind == "d" else int(size))
    return entries


def test_the_deb_holds_the_install_tree_and_lintian_finds_no_error(tmp_path):
    deb = Path(make("-s", "deb").strip().splitlines()[-1])
    assert deb == BUILD / f"pairwick_{version()}_amd64.deb"
    fields = subprocess.run(["dpkg-deb", "-f", str(deb), "Package", "Version", "Architecture",
                             "Depends"], check=True, capture_output=True, text=True).stdout
    assert fields.splitlines() == ["Package: pairwick", f"Version: {version()}",
                                   "Architecture: amd64", "Depends: wine64"]

    dest = tmp_path / "dest"
    make("install", f"DESTDIR={dest}", "PREFIX=/usr", "BINDIR=/usr/games")
    assert deb_contents(deb) == tree(dest)

    r = subprocess.run(["lintian", "--tag-display-limit", "0", str(deb)], capture_output=True,
                       text=True, timeout=300)
    print(r.stdout)
    assert r.returncode == 0 and not re.search(r"^E: ", r.stdout, re.M), r.stdout + r.stderr
