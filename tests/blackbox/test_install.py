"""make install, the pairwick launcher it installs, and make deb. (The installed game is
played, closed and uninstalled on a player's desktop in test_desktop.py.)

The launcher keeps a player's files in their own folder, so it is started from a temporary
HOME; every install goes to a temporary DESTDIR.
"""
import configparser
import os
import re
import subprocess
import time
from pathlib import Path

import pytest
from PIL import Image

from conftest import (ART_DIRS, BUILD, PREFIX, install, make, player_env, tree, version)

DIST = BUILD / "dist"
APP_ID = "io.github.pairwick.Pairwick"


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
    entry.read(top / "share" / "applications" / f"{APP_ID}.desktop")
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


def test_the_launcher_says_in_one_line_of_its_own_what_to_do(installed, tmp_path):
    launcher = installed / "bin" / "pairwick"
    home = tmp_path / "home"
    home.mkdir()
    (tmp_path / "file").touch()
    # (a change to the player's environment, how the one line starts, how it ends)
    for change, says, ends in (
            ({"PAIRWICK_WINE": str(tmp_path / "no" / "wine64")}, "Wine is not installed",
             "sudo apt install wine64"),
            ({"DISPLAY": None}, "there is no X display",
             "Xvfb :5 -screen 0 800x600x16 & DISPLAY=:5 pairwick"),
            ({"HOME": None}, "HOME is not set", "a folder for your scores and options"),
            ({"HOME": str(tmp_path / "file")}, "cannot make",
             "set XDG_DATA_HOME to a folder you can write")):
        env = {k: v for k, v in {**player_env(home), **change}.items() if v is not None}
        r = run_launcher(launcher, env)
        lines = r.stderr.splitlines()
        assert r.returncode != 0 and len(lines) == 1, r.stderr
        assert lines[0].startswith(f"pairwick: {says}") and lines[0].endswith(ends), r.stderr

    assert list(home.iterdir()) == [], "a failed start left files in HOME"


def test_the_launcher_runs_the_installed_exe_in_the_players_folder_and_passes_its_code_on(
        installed, tmp_path):
    # A stand-in for Wine that records how it was started and ends with code 7.
    record = tmp_path / "started"
    fake = tmp_path / "wine64"
    fake.write_text('#!/bin/sh\n'
                    'if [ "$1" = wineboot ]; then mkdir -p "$WINEPREFIX" &&'
                    ' : >"$WINEPREFIX/system.reg"; exit 0; fi\n'
                    f'printf "%s\\n" "$PWD" "$WINEPREFIX" "$WINEDEBUG" "${{LC_ALL:-}}" "$LANG"'
                    f' "$(locale charmap)" "$@" >"{record}"\n'
                    'exit 7\n')
    fake.chmod(0o755)
    data = tmp_path / "xdg" / "pairwick"
    exe = str((installed / "share" / "pairwick" / "Pairwick.exe").resolve())
    env = player_env(tmp_path / "home", PAIRWICK_WINE=str(fake),
                     XDG_DATA_HOME=str(tmp_path / "xdg"))
    # A player, unlike root, may not read other users' processes; the files stay open.
    player = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
              "--inh-caps=+dac_override", "--ambient-caps=+dac_override"]
    # The game's own window by default, its whole screen with --fullscreen. Wine gets the
    # player's language and a UTF-8 character set, which file names outside ASCII need.
    for options, command, lang in (([], [exe, "/window"], "C"),
                                   (["--fullscreen"], [exe, "/fullscreen"], "de_DE.UTF-8")):
        r = subprocess.run([*player, str(installed / "bin" / "pairwick"), *options],
                           env=dict(env, LANG=lang, LC_ALL="", LC_CTYPE=""),
                           capture_output=True, text=True, stdin=subprocess.DEVNULL, timeout=60)
        assert r.returncode == 7, r.stderr
        # A game that ends otherwise than by Exit or its close box: where to look.
        assert r.stderr.strip().endswith(
            f"the game ended with code 7; Wine's messages are in {data / 'wine.log'}"), r.stderr
        assert all(line.startswith("pairwick: ") for line in r.stderr.splitlines()), r.stderr
        cwd, prefix, debug, lc_all, lang_seen, charset, *args = record.read_text().splitlines()
        assert Path(cwd) == data
        assert (Path(prefix), debug) == (data / "wineprefix", "-all")
        assert (lc_all, lang_seen, charset) == ("", lang, "UTF-8")
        assert args == command
    for d in ART_DIRS:
        assert (data / d).resolve() == (installed / "share" / "pairwick" / d).resolve()

    r = subprocess.run([str(installed / "bin" / "pairwick"), "--help"], env=env,
                       capture_output=True, text=True, timeout=60)
    assert r.returncode == 0 and "--fullscreen" in r.stdout and not r.stderr
    r = subprocess.run([str(installed / "bin" / "pairwick"), "--windowed"], env=env,
                       capture_output=True, text=True, timeout=60)
    assert r.returncode == 2 and "unknown option '--windowed'" in r.stderr


def command_line(proc):
    """A process's command line; empty once it has ended."""
    try:
        return (proc / "cmdline").read_bytes()
    except OSError:
        return b""


def locked(path):
    """Whether the kernel lists a lock on path: taking the lock to see would, at the wrong
    moment, turn a start away as if a game ran."""
    st = path.stat()
    return f"{os.major(st.st_dev):02x}:{os.minor(st.st_dev):02x}:{st.st_ino} " in \
        Path("/proc/locks").read_text()


def test_a_game_whose_launcher_was_killed_is_still_running_and_never_killed(installed,
                                                                            tmp_path):
    # The fake Wine holds the game's place until it is told to end.
    fake = tmp_path / "wine64"
    gate = tmp_path / "gate"
    fake.write_text('#!/bin/sh\n'
                    'if [ "$1" = wineboot ]; then mkdir -p "$WINEPREFIX" &&'
                    ' : >"$WINEPREFIX/system.reg"; exit 0; fi\n'
                    f'while [ ! -e "{gate}" ]; do sleep 0.05; done\n')
    fake.chmod(0o755)
    # Its Wine server, stopped, ends the game.
    (tmp_path / "wineserver").write_text(f'#!/bin/sh\n: >"{gate}"\n')
    (tmp_path / "wineserver").chmod(0o755)
    env = player_env(tmp_path / "home", PAIRWICK_WINE=str(fake))
    launcher = str(installed / "bin" / "pairwick")
    # The game, not the fake's wineboot before it (a launcher killed then starts none).
    game = f"{fake}\0{(installed / 'share' / 'pairwick' / 'Pairwick.exe').resolve()}\0".encode()
    first = subprocess.Popen([launcher], env=env, stdin=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True)
    try:
        lock = tmp_path / "home" / ".local" / "share" / "pairwick" / "running.lock"
        deadline = time.monotonic() + 30
        while not (lock.exists() and locked(lock)):
            assert time.monotonic() < deadline, "the first start never took its lock"
            time.sleep(0.05)
        busy = subprocess.run([launcher], env=env, capture_output=True, text=True, timeout=60)
        assert busy.returncode == 0 and "already running" in busy.stderr, busy.stderr
        # Two for a moment while the fake forks its sleep.
        while len(games := [p for p in Path("/proc").iterdir() if game in command_line(p)]) != 1:
            assert time.monotonic() < deadline, "the first start started no game, or two"
            time.sleep(0.05)
        # Without its launcher the game holds no lock, and is still the player's game,
        # however the folder is spelt.
        first.kill()
        first.wait(timeout=10)
        orphan = subprocess.run([launcher], capture_output=True, text=True, timeout=60,
                                env=dict(env, XDG_DATA_HOME=f"{tmp_path}/home/.local/share/"))
        assert orphan.returncode == 0 and "already running" in orphan.stderr, orphan.stderr
        # A killed game may stay unreaped, its /proc folder with it, but not its command line.
        assert game in command_line(games[0]), "a second start ended the running game"
        gate.touch()
        deadline = time.monotonic() + 30
        while command_line(games[0]):
            assert time.monotonic() < deadline, "the fake game did not end"
            time.sleep(0.05)
        again = subprocess.run([launcher], env=env, capture_output=True, text=True, timeout=60)
        assert again.returncode == 0 and "already running" not in again.stderr, again.stderr
    finally:
        gate.touch()
        first.kill()
        first.wait(timeout=10)


def test_a_lock_that_fails_otherwise_is_not_taken_for_a_running_game(installed, tmp_path):
    bin_dir = tmp_path / "bin"
    bin_dir.mkdir()
    # A flock that cannot lock this folder (a file system without locks, say).
    (bin_dir / "flock").write_text("#!/bin/sh\necho 'flock: cannot lock' >&2\nexit 66\n")
    (bin_dir / "flock").chmod(0o755)
    fake = tmp_path / "wine64"
    fake.write_text('#!/bin/sh\n'
                    'if [ "$1" = wineboot ]; then mkdir -p "$WINEPREFIX" &&'
                    ' : >"$WINEPREFIX/system.reg"; exit 0; fi\nexit 0\n')
    fake.chmod(0o755)
    # Nor is a Wine server stopped: another start may be launching its game just now.
    (tmp_path / "wineserver").write_text(f'#!/bin/sh\n: >"{tmp_path / "stopped"}"\n')
    (tmp_path / "wineserver").chmod(0o755)
    (tmp_path / "home" / ".local" / "share" / "pairwick" / "wineprefix").mkdir(parents=True)
    env = player_env(tmp_path / "home", PAIRWICK_WINE=str(fake))
    env["PATH"] = f"{bin_dir}:{env['PATH']}"
    r = subprocess.run([str(installed / "bin" / "pairwick")], env=env, capture_output=True,
                       text=True, stdin=subprocess.DEVNULL, timeout=60)
    assert r.returncode == 0, r.stderr
    assert "cannot lock" in r.stderr and "already running" not in r.stderr, r.stderr
    assert not (tmp_path / "stopped").exists()


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


def test_the_deb_holds_the_install_tree_and_its_validators_and_lintian_find_no_error(tmp_path):
    deb = Path(make("-s", "deb").strip().splitlines()[-1])
    assert deb == BUILD / f"pairwick_{version()}_amd64.deb"
    fields = subprocess.run(["dpkg-deb", "-f", str(deb), "Package", "Version", "Architecture",
                             "Depends", "Suggests"], check=True, capture_output=True,
                            text=True).stdout
    assert fields.splitlines() == ["Package: pairwick", f"Version: {version()}",
                                   "Architecture: amd64", "Depends: wine64",
                                   "Suggests: wmctrl | xdotool"]

    dest = tmp_path / "dest"
    make("install", f"DESTDIR={dest}", "PREFIX=/usr", "BINDIR=/usr/games")
    assert deb_contents(deb) == tree(dest)

    # The menu entry and the metainfo the package installs pass their validators and carry
    # the catalogues' translations.
    root = tmp_path / "root"
    subprocess.run(["dpkg-deb", "-x", str(deb), str(root)], check=True)
    share = root / "usr" / "share"
    for validate, path, german in (
            (["desktop-file-validate"], share / "applications" / f"{APP_ID}.desktop",
             r"^Comment\[de\]=\S"),
            (["appstreamcli", "validate", "--no-net"],
             share / "metainfo" / f"{APP_ID}.metainfo.xml", r'<summary xml:lang="de">\S')):
        r = subprocess.run([*validate, str(path)], capture_output=True, text=True, timeout=120)
        print(r.stdout)
        assert r.returncode == 0 and "warning" not in r.stdout.lower(), r.stdout + r.stderr
        assert re.search(german, path.read_text(encoding="utf-8"), re.M), path.name

    r = subprocess.run(["lintian", "--tag-display-limit", "0", str(deb)], capture_output=True,
                       text=True, timeout=300)
    print(r.stdout)
    assert r.returncode == 0 and not re.search(r"^E: ", r.stdout, re.M), r.stdout + r.stderr
