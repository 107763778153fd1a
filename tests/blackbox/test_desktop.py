"""The installed game on a player's large desktop: a 3840x2160 screen at 24 bits with a
window manager, started through the installed launcher from a new HOME. The game's picture
is 800x600 enlarged three times, so every check reads it back at one sample a block.

The fixture starts its own X server and window manager and stops them, whatever happens.
"""
import configparser
import os
import subprocess
import time
from pathlib import Path

import pytest
from PIL import Image

from conftest import (BUILD, COUNT_BOX, OPTION_BUTTONS, PATIENCE, PREFIX, SPRITE_CENTRE,
                      Game, all_options_visible, board_shown, cell_box, cell_centre,
                      count_mismatches, install, label_of, load_rgb, menu_shown, player_env,
                      screen_rgb, send_wm_delete, shown_intro, tree, uninstall)

SCREEN = (3840, 2160)
SCALE = 3
PICTURE = (800 * SCALE, 600 * SCALE)
# Full screen centres the enlarged picture on black.
CENTRED = ((SCREEN[0] - PICTURE[0]) // 2, (SCREEN[1] - PICTURE[1]) // 2)
KEYS = ((255, 255, 255), (0, 255, 0))  # the colour keys: never shown where a key works


def wait_for(predicate, timeout, what, interval=0.1):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            pytest.fail(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


@pytest.fixture(scope="module")
def desktop():
    """DISPLAY of a 3840x2160x24 X server with openbox managing it."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    wm = None
    try:
        with os.fdopen(read_end) as f:
            number = f.readline().strip()
        assert number, "Xvfb reported no display"
        display = f":{number}"
        env = dict(os.environ, DISPLAY=display)
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True,
            text=True).stdout, 20, "the window manager")
        yield display
    finally:
        for p in (wm, xvfb):
            if p is not None:
                p.terminate()
                try:
                    p.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    p.kill()


class OnDesktop(Game):
    """The game in its window, or on the whole screen, wherever the window manager put it.
    Its screenshots are the 800x600 picture, one sample from the middle of each block."""

    def __init__(self, data, label, env):
        super().__init__(data, label)
        self.env = env
        self.window = None
        self.origin = None

    def x(self, *args):
        return subprocess.run([*args], env=self.env, capture_output=True, text=True,
                              timeout=20).stdout

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                              capture_output=True, text=True, timeout=20).stdout

    def titled(self, pattern):
        out = self.x("xdotool", "search", "--onlyvisible", "--name", pattern)
        return [int(w) for w in out.split()]

    def client(self):
        info = self.x("xwininfo", "-id", str(self.window))
        get = lambda key: int(info.split(key)[1].split()[0])  # noqa: E731
        return (get("Absolute upper-left X:"), get("Absolute upper-left Y:"),
                get("Width:"), get("Height:"))

    def find_window(self, timeout, size, offset=(0, 0), showing=None):
        """Waits for the game's window with a client of the given size, the picture at
        offset in it, and (if given) for showing(screen) to hold there; returns the screen.
        The window is found again at every poll: the window manager may still be moving
        it after a change of mode."""
        def found():
            windows = self.titled("^Pairwick$")
            if not windows:
                return None
            self.window = windows[0]
            x, y, w, h = self.client()
            if (w, h) != size:
                return None
            self.origin = (x + offset[0], y + offset[1])
            if showing is None:
                return True
            root = self.root()
            return showing(root) and root
        return wait_for(found, timeout, f"the game's window with a {size} client" +
                        (" showing what was expected" if showing else ""))

    def root(self):
        img = screen_rgb(self.env["DISPLAY"])
        assert img.size == SCREEN
        return img

    def picture(self, root=None):
        """The enlarged picture as the screen shows it."""
        x, y = self.origin
        return (root or self.root()).crop((x, y, x + PICTURE[0], y + PICTURE[1]))

    def screenshot(self, save=None):
        img = self.picture().resize((800, 600), Image.NEAREST)
        if save:
            self.save(img, save)
        return img

    def click(self, x, y):
        self.xdotool("mousemove", self.origin[0] + SCALE * x + 1,
                     self.origin[1] + SCALE * y + 1, "click", "--delay", 0, 1)
        self.last_click = time.monotonic()

    def state(self):
        return self.x("xprop", "-id", str(self.window), "WM_STATE")


def enlarged(img):
    return img.resize(PICTURE, Image.NEAREST)


def key_pixels(img, box=(0, 0, 800, 600)):
    colours = img.crop(box).getcolors(800 * 600)
    return sum(n for n, c in colours if c in KEYS)


def running_games(prefix):
    """Processes of the given Wine prefix that run Pairwick.exe itself."""
    found = []
    for p in Path("/proc").iterdir():
        try:
            cmd = (p / "cmdline").read_bytes().split(b"\0")
            env = (p / "environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if f"WINEPREFIX={prefix}".encode() in env and cmd[0].endswith(b"Pairwick.exe"):
            found.append(int(p.name))
    return found


def turn_a_card(game, shipped, tol):
    """From the menu to a new board with one card turned; checks the board's pictures
    against the artwork within tol per channel, and returns the screenshot."""
    img = game.new_game()
    field = Image.new("RGB", (800, 600))
    field.paste(load_rgb(shipped / "backgrounds" / "field.bmp"), (200, 0))
    back = img.crop(cell_box(0, 0))
    sheet = load_rgb(BUILD / "art-res" / "blazons.bmp")  # the first start's set
    faces = [sheet.crop((50 * (p % 10), 50 * (p // 10), 50 * (p % 10) + 50,
                         50 * (p // 10) + 50)) for p in range(32)]
    img = game.click_until(*cell_centre(3, 2), lambda im: im.crop(cell_box(3, 2)) != back,
                           what="a turned card")
    face = img.crop(cell_box(3, 2))
    assert any(count_mismatches(face, f, tol) == 0 for f in faces), \
        "the turned card is none of the set's pictures"
    gap = (560, 60, 565, 540)
    assert count_mismatches(img.crop(gap), field.crop(gap), tol) == 0
    assert key_pixels(img) == 0, "a colour key shows"
    return img, field, back


def test_the_installed_game_in_an_enlarged_window_and_full_screen_at_24_bits(
        desktop, tmp_path, request):
    dest = tmp_path / "dest"
    # A folder the install finds there is not its own to remove.
    (dest / PREFIX.lstrip("/") / "bin").mkdir(parents=True)
    top = install(dest)
    installed_files = tree(dest)
    launcher = top / "bin" / "pairwick"
    shipped = top / "share" / "pairwick"
    intro = shown_intro(shipped)
    home = tmp_path / "home"
    data = home / ".local" / "share" / "pairwick"
    env = player_env(home, DISPLAY=desktop)

    def start(*options, name):
        game = OnDesktop(data, label_of(request, f"-{name}"), env)
        game.log = open(game.evidence("launcher.log"), "ab")
        game.proc = subprocess.Popen([str(launcher), *options], env=env,
                                     stdin=subprocess.DEVNULL, stdout=game.log,
                                     stderr=subprocess.STDOUT)
        return game

    # The game's own window, three times 800x600 on this screen.
    game = start(name="window")
    try:
        # The first start makes the player's Wine setup.
        game.find_window(timeout=240, size=PICTURE)
        title = enlarged(intro)
        wait_for(lambda: count_mismatches(game.picture(), title, tol=0) == 0, 60,
                 "the title picture enlarged three times, pixel for pixel")
        game.save(game.root(), "desktop_title")
        # Framed, placed by the window manager, known to docks by its class.
        extents = game.x("xprop", "-id", str(game.window), "_NET_FRAME_EXTENTS")
        left, right, title_bar, bottom = map(int, extents.split("=")[1].split(","))
        assert title_bar > 0, extents
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(top / "share" / "applications" / "io.github.pairwick.Pairwick.desktop")
        wm_class = game.x("xprop", "-id", str(game.window), "WM_CLASS")
        assert f'"{entry["Desktop Entry"]["StartupWMClass"]}"' in wm_class.split("=")[1]

        # A click on an enlarged button and on an enlarged card.
        game.to_menu()
        game.save(game.picture(), "desktop_menu")
        game.menu("Options")
        game.wait_until(all_options_visible, what="the options' buttons, enlarged")
        game.save(game.picture(), "desktop_options")
        x, y = OPTION_BUTTONS["Back"]
        game.click(x + 50, y + 10)
        game.wait_until(menu_shown, what="the menu again")
        img, board, back = turn_a_card(game, shipped, tol=0)
        game.save(game.picture(), "desktop_turned_card")

        # Alt+Enter: the whole screen, the picture centred on black, and back.
        field = load_rgb(shipped / "backgrounds" / "field.bmp")
        game.key("alt+Return")
        root = game.find_window(PATIENCE, SCREEN, CENTRED, showing=lambda r: board_shown(
            game.picture(r).resize((800, 600), Image.NEAREST), field))
        game.save(root, "full_screen_from_the_window")
        for box in ((0, 0, SCREEN[0], CENTRED[1]), (0, 0, CENTRED[0], SCREEN[1]),
                    (SCREEN[0] - CENTRED[0], 0, SCREEN[0], SCREEN[1]),
                    (0, SCREEN[1] - CENTRED[1], SCREEN[0], SCREEN[1])):
            assert root.crop(box).getextrema() == ((0, 0),) * 3, f"not black: {box}"

        # On the whole screen the effects keep their keys too, and leave the bare field.
        before = img.crop(COUNT_BOX["dynamite"])
        game.click(*SPRITE_CENTRE["dynamite"])
        shots = [game.screenshot() for _ in range(5)]
        assert all(key_pixels(s) == 0 for s in shots), "a colour key shows in the explosion"
        img = game.wait_until(lambda im: sum(
            count_mismatches(im.crop(cell_box(c, r)), board.crop(cell_box(c, r)), 0) == 0
            for r in range(8) for c in range(8)) == 2, what="a pair blown away")
        assert count_mismatches(img.crop(COUNT_BOX["dynamite"]), before, 0) > 0, \
            "the dynamite count did not change"
        backs = [(c, r) for r in range(8) for c in range(8)
                 if count_mismatches(img.crop(cell_box(c, r)), back, 0) == 0]
        game.click(*SPRITE_CENTRE["hammer"])
        game.click(*cell_centre(*backs[-1]))
        shots = [game.screenshot() for _ in range(4)]
        game.save(shots[1], "smash")
        assert all(key_pixels(s) == 0 for s in shots), "a colour key shows in the smash"
        game.key("alt+Return")
        # Found again at every look: the window manager places the window after its size.
        game.find_window(PATIENCE, PICTURE, showing=lambda r: board_shown(
            game.picture(r).resize((800, 600), Image.NEAREST), field))

        # A second start raises the running game and starts none of its own.
        game.xdotool("windowminimize", game.window)
        wait_for(lambda: "Iconic" in game.state(), PATIENCE, "the window minimised")
        second = subprocess.run([str(launcher)], env=env, capture_output=True, text=True,
                                stdin=subprocess.DEVNULL, timeout=60)
        assert second.returncode == 0, second.stderr
        assert second.stderr.strip() == "pairwick: Pairwick is already running"
        wait_for(lambda: "Normal" in game.state(), PATIENCE, "the window raised again")
        assert len(game.titled("^Pairwick$")) == 1
        assert len(running_games(data / "wineprefix")) == 1

        # The close box ends the game the ordinary way, with the table written.
        (data / "scores.dat").unlink()
        send_wm_delete(game.window, desktop)
        assert game.wait_exit(30) == 0
        assert (data / "scores.dat").stat().st_size == 5600
    finally:
        game.stop()

    # The whole screen from the start; on this 24-bit screen nothing is quantised, so the
    # pictures arrive exactly.
    game = start("--fullscreen", name="full")
    try:
        game.find_window(60, SCREEN, CENTRED)
        wait_for(lambda: count_mismatches(game.picture(), enlarged(intro), tol=0) == 0, 60,
                 "the exact title picture, centred")
        game.to_menu()
        game.menu("Exit")
        assert game.wait_exit(30) == 0
    finally:
        game.stop()
        subprocess.run(["wineserver", "-k"], env=dict(env, WINEPREFIX=str(data / "wineprefix")),
                       capture_output=True, timeout=60)
    assert tree(dest) == installed_files, "the game wrote into the installed tree"

    # The player's files outlive the game's removal.
    player_tree = tree(data)
    uninstall(dest)
    assert list(top.rglob("*")) == [top / "bin"], "uninstall left or took too much"
    assert tree(data) == player_tree
