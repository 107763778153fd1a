"""Drives Pairwick.exe under Wine on the test display, one fresh working directory per test.

Screens are read back with ImageMagick's `import` and input goes through xdotool. The X
screen can lag the game by up to about two seconds, so every check polls for what it
expects with a deadline that only bounds the wait; nothing is timed.

Screenshots and logs go to the folder named by PAIRWICK_EVIDENCE (the harness gives each
CTest entry its own under the build tree), each named after the test that took it.
"""
import contextlib
import ctypes
import getpass
import os
import re
import shutil
import stat
import struct
import subprocess
import time
import warnings
import zlib
from pathlib import Path

import pytest
from PIL import Image, ImageChops, ImageStat

WINE64 = "/usr/lib/wine/wine64"
ROOT = Path(__file__).resolve().parents[2]
# The build the tests belong to; the picture tools that borrow these helpers pass --build.
BUILD = Path(os.environ.get("PAIRWICK_DIST", ROOT / "build" / "dist")).parent
PREFIX = "/usr/local"
ART_DIRS = ("backgrounds", "info_bar", "animations", "cards", "other")
# Run by hand, outside the harness, the evidence still stays in the build tree.
EVIDENCE = Path(os.environ.get("PAIRWICK_EVIDENCE") or BUILD / "test-output" / "by-hand")
# Long enough for a loaded machine whose screen lags the game; a fast game never waits it.
PATIENCE = 30.0
# A new shop, name box or question hears no key in its first half second, which nothing on
# screen shows: a key meant for it waits this long after it appears.
SETTLING = 0.6

# Layout of the game's screens, in client pixels (the window sits at the screen's origin).
MENU_X = 350
MENU_Y = {"Continue": 150, "New game": 180, "Save": 210, "Load": 240,
          "High scores": 270, "Options": 300, "Help / Credits": 330, "Exit": 360}
OPTION_BUTTONS = {"Castles": (10, 10), "Cars": (10, 30), "Flowers": (10, 50),
                  "Blazons": (10, 70), "Random": (10, 90), "Sound On": (10, 120),
                  "Sound Off": (10, 140), "Back": (295, 570), "Save": (405, 570)}
# The save and load screen: five slot buttons in a column, and Back.
SLOT_X = 100
SLOT_Y = [180 + 40 * i for i in range(5)]
SLOTS_BACK = (350, 570)
TIME_BOX = (118, 92, 186, 114)
POINTS_BOX = (118, 132, 186, 154)
LEVEL_BOX = (118, 172, 186, 194)
COUNT_BOX = {"hammer": (126, 316, 156, 338), "stopwatch": (126, 386, 156, 408),
             "hourglass": (126, 456, 156, 478), "dynamite": (126, 526, 156, 548)}
SPRITE_CENTRE = {"hammer": (70, 330), "stopwatch": (70, 400),
                 "hourglass": (70, 470), "dynamite": (70, 540)}


GRID_BLUE = (125, 167, 216)  # the high-score table's rules


def near(p, q, tol=8):
    return max(abs(a - b) for a, b in zip(p, q)) <= tol


def high_scores_shown(img):
    return near(img.getpixel((400, 100)), GRID_BLUE) and near(img.getpixel((400, 590)),
                                                              GRID_BLUE)


def cell_box(col, row):
    x, y = 265 + 60 * col, 65 + 60 * row
    return (x, y, x + 50, y + 50)


def cell_centre(col, row):
    return (265 + 60 * col + 25, 65 + 60 * row + 25)


def _channel_max_diff(a, b):
    assert a.size == b.size
    r, g, b_ = ImageChops.difference(a, b).split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b_)


def mean_abs_diff(a, b):
    """Mean absolute channel difference of two equally sized RGB images."""
    assert a.size == b.size
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def count_mismatches(a, b, tol=8):
    """Pixels whose largest channel difference exceeds tol (16-bit colour needs about 8)."""
    return sum(_channel_max_diff(a, b).histogram()[tol + 1:])


def _fraction(img, box, pred):
    px = list(img.crop(box).getdata())
    return sum(1 for p in px if pred(p)) / len(px)


def button_visible(img, x, y, w=100, h=20, framed=True):
    """A standard button: a light neutral face, inside a grey neutral frame for a push
    button. The game's backdrops are tinted, so neutral pixels there are rare."""
    def light_neutral(p):
        return min(p) >= 200 and max(p) - min(p) <= 12

    def grey_neutral(p):
        return 100 <= min(p) and max(p) <= 210 and max(p) - min(p) <= 12

    face = _fraction(img, (x + 3, y + 3, x + w - 3, y + h - 3), light_neutral)
    if not framed:
        return face >= 0.6
    bottom = _fraction(img, (x + 2, y + h - 1, x + w - 2, y + h), grey_neutral)
    return face >= 0.6 and bottom >= 0.7


def option_visible(img, name):
    x, y = OPTION_BUTTONS[name]
    return button_visible(img, x, y, framed=name in ("Back", "Save"))


def all_options_visible(img):
    return all(option_visible(img, n) for n in OPTION_BUTTONS)


def button_absent(img, x, y, w=100, h=20):
    def light_neutral(p):
        return min(p) >= 200 and max(p) - min(p) <= 12
    return _fraction(img, (x + 3, y + 3, x + w - 3, y + h - 3), light_neutral) < 0.15


def slots_shown(img):
    return all(button_visible(img, SLOT_X, y) for y in SLOT_Y) and button_visible(img, *SLOTS_BACK)


def saved_game_bytes(level=1, minutes=12, seconds=0, points=0, stocks=(10, 10, 10, 10),
                     used=(0, 0, 0, 0), in_shop=0, freeze=-1, card_mode=0, card_set=0,
                     pictures=None, removed=0, saved_at=1796000000):
    """A save slot's file as the game writes it: 87 little-endian 32-bit words, the last a
    CRC-32 of the others. By default a new game's board, picture p at cells 2p and 2p+1."""
    pictures = pictures or [i // 2 for i in range(64)]
    words = struct.pack("<4sI2I16i64i2I", b"PWSG", 1, saved_at & 0xFFFFFFFF, saved_at >> 32,
                        level, minutes, seconds, points, *stocks, *used, in_shop, freeze,
                        card_mode, card_set, *pictures, removed & 0xFFFFFFFF, removed >> 32)
    return words + struct.pack("<I", zlib.crc32(words))


def app_data_folder(prefix=None):
    """%APPDATA%\\Pairwick inside a Wine prefix (the tests' own by default)."""
    prefix = Path(prefix or os.environ["WINEPREFIX"])
    return prefix / "drive_c" / "users" / getpass.getuser() / "AppData" / "Roaming" / "Pairwick"


def name_dialog(game):
    """The shown "Game Over!" dialog, as a function from its template's dialog units to
    screen pixels."""
    def shown():
        return [game.geometry(w) for w in game.windows("^Game Over!$", visible_only=True)]
    deadline = time.monotonic() + PATIENCE
    while not shown():
        if time.monotonic() > deadline:
            game.save(game.screenshot(), "timeout")
            pytest.fail("no Game Over! dialog")
        time.sleep(0.1)
    x, y, w, h = shown()[0]
    # The template is 140 x 60 dialog units.
    return lambda du_x, du_y: (int(x + du_x * w / 140), int(y + du_y * h / 60))


def play_out_slot_one(game, name):
    """From the menu: loads slot 1, waits for its clock to run out, and enters the result
    under name; ends on the high-score screen."""
    game.menu("Load")
    game.wait_until(lambda im: slots_shown(im) and button_absent(im, MENU_X, 360),
                    what="the load screen")
    game.click(SLOT_X + 50, SLOT_Y[0] + 10)
    at = name_dialog(game)
    edit = (*at(10, 20), *at(130, 34))

    def caret_shown(im):
        """A dark upright line in the box, where its frame is grey: the box has the keys."""
        c = im.crop(edit)
        px = c.load()
        return any(sum(1 for j in range(c.height) if sum(px[i, j]) < 200) >= 8
                   for i in range(c.width))

    game.click(*at(70, 27))
    game.wait_until(caret_shown, what="the caret in the name box")
    time.sleep(SETTLING)
    game.type_text(name)
    game.wait_until(lambda im: sum(1 for p in im.crop(edit).getdata() if sum(p) < 200) > 60,
                    what="the typed name")
    game.click(*at(35, 47))  # "&Ok"
    return game.wait_until(high_scores_shown, what="the high-score screen")


def radio_dot(img, x, y):
    """Dark pixels where a radio button at (x, y) draws its check dot."""
    return sum(1 for p in img.crop((x + 4, y + 7, x + 11, y + 14)).getdata() if sum(p) < 200)


def glyphs(img, box, threshold=380):
    """Splits dark text in box into glyphs at blank columns; each glyph is a set of its dark
    pixels relative to its own left column and topmost pixel."""
    c = img.crop(box)
    w, h = c.size
    px = c.load()
    dark = [[sum(px[x, y]) < threshold for x in range(w)] for y in range(h)]
    cols = [any(dark[y][x] for y in range(h)) for x in range(w)]
    out, x = [], 0
    while x < w:
        if not cols[x]:
            x += 1
            continue
        start = x
        while x < w and cols[x]:
            x += 1
        pts = [(xx - start, y) for xx in range(start, x) for y in range(h) if dark[y][xx]]
        top = min(y for _, y in pts)
        out.append(frozenset((a, b - top) for a, b in pts))
    return out


def same_glyph(a, b, slack=2):
    return len(a ^ b) <= slack


def load_rgb(path):
    return Image.open(path).convert("RGB")


def shown_intro(folder, language=None):
    """The title screen as the game shows it in English, or in the language of that tag:
    its background with the pictures of its words over it, their white key left out, where
    resources/worded_pictures.h places them."""
    header = (ROOT / "resources" / "worded_pictures.h").read_text()
    img = load_rgb(Path(folder) / "backgrounds" / "intro.bmp")
    for name in ("other/intro_line.bmp", "other/intro_press.bmp"):
        x, y = map(int, re.search(re.escape(name) + r'", tr_noop\("[^"]*"\),\s*\d+,\s*\d+,'
                                  r'\s*(-?\d+),\s*(-?\d+)', header).groups())
        words = load_rgb(Path(folder) / (f"other/{language}/{Path(name).name}" if language
                                         else name))
        mask = Image.new("L", words.size)
        mask.putdata([0 if p == (255, 255, 255) else 255 for p in words.getdata()])
        img.paste(words, (x, y), mask)
    return img


class _XImage(ctypes.Structure):
    """The leading fields of Xlib's XImage, up to the colour masks."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


_x11 = None
_screens = {}


def _xlib():
    global _x11
    if _x11 is None:
        x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for f in ("XDefaultScreen", "XDisplayWidth", "XDisplayHeight"):
            getattr(x11, f).argtypes = [ctypes.c_void_p] + [ctypes.c_int] * (f != "XDefaultScreen")
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.POINTER(_XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        _x11 = x11
    return _x11


# Pillow's raw modes for the X screens the tests make, as (bits, byte order, masks):
# 5-6-5 with red in the high bits, scaled to 8 bits as import scales it, and 24-bit
# colour in 32-bit pixels.
_RAW_MODES = {(16, 0, 0xF800, 0x07E0, 0x001F): "BGR;16",
              (32, 0, 0xFF0000, 0x00FF00, 0x0000FF): "BGRX"}


def screen_rgb(display=None):
    """The whole X screen (DISPLAY, or the display named) as an 8-bit RGB image, read from
    the X server with one request: ImageMagick's import gives the same pixels, but takes
    five times as long, and the tests poll the screen all the time. A screen of another
    format is read with import."""
    x11 = _xlib()
    name = display or os.environ.get("DISPLAY", "")
    if name not in _screens:
        dpy = x11.XOpenDisplay(name.encode())
        assert dpy, f"cannot open the X display {name!r}"
        n = x11.XDefaultScreen(dpy)
        _screens[name] = (dpy, x11.XDefaultRootWindow(dpy),
                          x11.XDisplayWidth(dpy, n), x11.XDisplayHeight(dpy, n))
    dpy, root, w, h = _screens[name]
    got = x11.XGetImage(dpy, root, 0, 0, w, h, 0xFFFFFFFFFFFFFFFF, 2)  # ZPixmap
    assert got, "the X server gave no image of the screen"
    try:
        im = got.contents
        mode = _RAW_MODES.get((im.bits_per_pixel, im.byte_order, im.red_mask,
                               im.green_mask, im.blue_mask))
        if mode:
            data = ctypes.string_at(im.data, im.bytes_per_line * h)
            return Image.frombuffer("RGB", (w, h), data, "raw", mode, im.bytes_per_line, 1)
    finally:
        x11.XDestroyImage(got)
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                         env=dict(os.environ, DISPLAY=name), check=True, capture_output=True,
                         timeout=20).stdout
    return Image.frombytes("RGB", (w, h), raw)


class _XClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def send_wm_delete(window_id, display=None):
    """Asks a top-level X window to close, as a window manager's close box would; xdotool
    of this vintage can only destroy the X window, which is not a close request."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(display.encode() if display else None)
    assert dpy, "cannot open the X display"
    try:
        ev = _XEvent()
        ev.xclient.type = 33  # ClientMessage
        ev.xclient.window = window_id
        ev.xclient.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        ev.xclient.format = 32
        ev.xclient.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        ev.xclient.data[1] = 0  # CurrentTime
        assert x11.XSendEvent(dpy, window_id, 0, 0, ctypes.byref(ev))
        x11.XFlush(dpy)
    finally:
        x11.XCloseDisplay(dpy)


@contextlib.contextmanager
def immutable(path):
    """The folder takes no new files while inside; root ignores permission bits, but not
    the immutable flag. The harness clears a flag left by a run killed in here."""
    subprocess.run(["chattr", "+i", str(path)], check=True)
    try:
        yield
    finally:
        subprocess.run(["chattr", "-i", str(path)], check=True)


def version():
    """The project's version, x.y.z, as CMakeLists.txt names it."""
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Pairwick VERSION (\d+\.\d+\.\d+)", text).group(1)


def fixed_versions(exe):
    """The file and product versions of an exe's version block, each as its two 32-bit
    words, for comparing with version_words(); the block is found by its signature."""
    at = exe.index(struct.pack("<I", 0xFEEF04BD))
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", exe, at + 8)
    return (file_ms, file_ls), (product_ms, product_ls)


def version_words():
    major, minor, patch = map(int, version().split("."))
    return (major << 16) | minor, patch << 16


def make(*args):
    # -o build: the tests use the build they belong to and never rebuild it.
    r = subprocess.run(["make", "-C", str(ROOT), "-o", "build", f"BUILD={BUILD}", *args],
                       capture_output=True, text=True, timeout=600)
    assert r.returncode == 0, f"make {' '.join(args)} failed:\n{r.stdout}\n{r.stderr}"
    return r.stdout


def install(dest, *extra):
    """make install into DESTDIR dest; returns the prefix's folder under it."""
    make("install", f"DESTDIR={dest}", f"PREFIX={PREFIX}", *extra)
    return dest / PREFIX.lstrip("/")


def uninstall(dest):
    make("uninstall", f"DESTDIR={dest}", f"PREFIX={PREFIX}")


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
    """The environment of a player whose HOME is home, as a desktop session gives it."""
    env = {k: v for k, v in os.environ.items() if k not in ("XDG_DATA_HOME", "WINEPREFIX")}
    env.update(HOME=str(home), **extra)
    return env


class Game:
    """One Pairwick process in its own working directory."""

    def __init__(self, workdir, label):
        self.dir = Path(workdir)
        self.label = label
        self.proc = None
        self.shot_count = 0

    # -- process ---------------------------------------------------------------------
    def start(self, wait_intro=True, program=None, environment=None, language=None):
        """program: the exe as Wine is to start it (a shortcut's Windows path, say); by
        default the one in the working directory. environment: variables to set for it;
        language: the tag of the language the game is to speak, English by default."""
        # Under Wine the game's relative artwork paths find the exe's own folder before the
        # working directory, so the exe runs from the test's folder, as in the shipped layout.
        exe = self.dir / "Pairwick.exe"
        if not exe.exists():
            shutil.copyfile(os.environ["PAIRWICK_EXE"], exe)
        self.log = open(self.evidence("wine.log"), "ab")
        self.proc = subprocess.Popen([WINE64, str(program or exe)], cwd=self.dir,
                                     env={**os.environ, **(environment or {})},
                                     stdin=subprocess.DEVNULL,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        if wait_intro:
            intro = shown_intro(self.dir, language)
            # Wine's first start in a prefix can take several seconds.
            # The window must exist too, so that nothing left on the screen passes for it.
            self.wait_until(lambda im: self.matches(im, intro, (0, 0, 800, 600), 0.01)
                            and self.windows(visible_only=True),
                            timeout=60, what="the intro picture as the first frame")
        return self

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=PATIENCE):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.proc is None:
            return
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(timeout=10)
        self.log.close()

    # -- screen ----------------------------------------------------------------------
    def screenshot(self, save=None):
        img = screen_rgb()
        assert img.size == (800, 600), "the screen is not 800x600"
        if save:
            self.save(img, save)
        return img

    def evidence(self, name):
        """A path in the evidence folder for a file of this game's, named after its test."""
        EVIDENCE.mkdir(parents=True, exist_ok=True)
        return EVIDENCE / f"{self.label}-{name}"

    def save(self, img, name):
        self.shot_count += 1
        # Quick compression: a failing test may save many.
        img.save(self.evidence(f"{self.shot_count:02d}-{name}.png"), compress_level=1)

    def wait_until(self, predicate, timeout=PATIENCE, what="condition", interval=0.1,
                   save_as=None):
        """Polls screenshots until predicate(img) holds; returns that screenshot, kept as
        evidence under save_as if given."""
        deadline = time.monotonic() + timeout
        while True:
            img = self.screenshot()
            if predicate(img):
                if save_as:
                    self.save(img, save_as)
                return img
            if time.monotonic() > deadline:
                self.save(img, "timeout")
                pytest.fail(f"timed out after {timeout} s waiting for {what}")
            time.sleep(interval)

    @staticmethod
    def matches(img, ref, box, max_bad=0.002, tol=8):
        """Region box of the screen equals the same region of ref within 16-bit tolerance."""
        a, b = img.crop(box), ref.crop(box)
        return count_mismatches(a, b, tol) <= max_bad * a.width * a.height

    # -- input -----------------------------------------------------------------------
    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                              text=True, timeout=20).stdout

    def click(self, x, y):
        # xdotool sleeps 100 ms after every click unless told otherwise: a pause that no
        # test waits for, and most of the time of a test that clicks a level clear.
        self.xdotool("mousemove", x, y, "click", "--delay", 0, 1)
        self.last_click = time.monotonic()

    def click_until(self, x, y, predicate, what, tries=3, per_try=PATIENCE / 3):
        """Clicks where a repeated click does nothing more (a card that is already face up
        cannot be picked again), repeating only when the screen shows no effect; a repeat
        is reported as a warning, so lost clicks do not go unnoticed."""
        for attempt in range(tries):
            self.click(x, y)
            deadline = time.monotonic() + per_try
            while time.monotonic() < deadline:
                img = self.screenshot()
                if predicate(img):
                    if attempt:
                        warnings.warn(f"click at ({x}, {y}) needed {attempt + 1} tries: {what}")
                    return img
                time.sleep(0.05)
        self.save(img, "timeout")
        pytest.fail(f"no {what} after {tries} clicks at ({x}, {y})")

    def key(self, name):
        self.xdotool("key", name)

    def type_text(self, text):
        # A letter outside the keymap is typed on a spare key that xdotool binds to it for
        # half the delay, and Wine has to read the binding in that time: a loaded machine
        # lost letters at 50 ms.
        self.xdotool("type", "--delay", 50 if text.isascii() else 250, text)

    def menu(self, caption):
        self.click(MENU_X + 50, MENU_Y[caption] + 10)

    # -- windows ---------------------------------------------------------------------
    def windows(self, name="^Pairwick$", visible_only=False):
        """This process's own top-level windows of that name: Wine gives each X window the
        Unix pid of its process, so a window left by another run is never taken for ours."""
        if self.proc is None:
            return []
        opts = ["--onlyvisible"] if visible_only else []
        r = subprocess.run(["xdotool", "search", "--all", *opts, "--pid", str(self.proc.pid),
                            "--name", name], capture_output=True, text=True, timeout=20)
        return [int(w) for w in r.stdout.split()]

    def geometry(self, window_id):
        out = self.xdotool("getwindowgeometry", window_id)
        x, y = map(int, re.search(r"Position: (-?\d+),(-?\d+)", out).groups())
        w, h = map(int, re.search(r"Geometry: (\d+)x(\d+)", out).groups())
        return x, y, w, h

    # -- common screens --------------------------------------------------------------
    def to_menu(self):
        self.key("Escape")
        return self.wait_until(menu_shown, what="the menu")

    def new_game(self):
        self.menu("New game")
        field = load_rgb(self.dir / "backgrounds" / "field.bmp")
        return self.wait_until(lambda im: board_shown(im, field), what="the board")


def menu_shown(img):
    """Every menu button but Continue is painted. Continue is the topmost of the buttons and
    paints first, so a screenshot showing these shows Continue too if the menu offers it."""
    return all(button_visible(img, MENU_X, MENU_Y[c]) for c in MENU_Y if c != "Continue")


def offers_continue(img):
    return button_visible(img, MENU_X, MENU_Y["Continue"])


def cell_classifier(img, workdir):
    """A function telling whether a board cell of a screenshot shows the card back (as in
    img's top-left cell), the bare field of workdir's artwork, or something else."""
    back = img.crop(cell_box(0, 0))
    field = Image.new("RGB", (800, 600))
    field.paste(load_rgb(Path(workdir) / "backgrounds" / "field.bmp"), (200, 0))

    def state(im, c):
        crop = im.crop(cell_box(*c))
        if mean_abs_diff(crop, back) < 4:
            return "back"
        if mean_abs_diff(crop, field.crop(cell_box(*c))) < 4:
            return "field"
        return "other"

    return state


def board_shown(img, field):
    """The card grid over the field picture: a gap between cards shows the field."""
    gap = (560, 60, 565, 540)  # the column between the 5th and 6th card columns
    ref = Image.new("RGB", (800, 600))
    ref.paste(field, (200, 0))
    return Game.matches(img, ref, gap, max_bad=0.02) and button_absent(img, MENU_X, 360)


def label_of(request, suffix=""):
    """A file-name-safe label for evidence: the test function's name, with parameters."""
    return re.sub(r"[^\w.\[\]-]", "_", request.node.name + suffix)


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    if report.when == "call":
        item.failed_call = report.failed


@pytest.fixture
def game_factory(tmp_path, request):
    """Returns launch(options=None, scores=None, art=None, start=True) -> Game.

    art maps a relative path (e.g. "backgrounds/intro.bmp") to a PIL image or bytes that
    replace the shipped file in this test's directory only."""
    dist = Path(os.environ["PAIRWICK_DIST"])
    made = []

    def launch(options=None, scores=None, art=None, start=True):
        work = tmp_path / f"run{len(made)}"
        work.mkdir()
        art = art or {}
        for d in ART_DIRS:
            own = {k: v for k, v in art.items() if k.split("/")[0] == d}
            if not own:
                os.symlink(dist / d, work / d)
                continue
            (work / d).mkdir()
            for f in (dist / d).iterdir():
                os.symlink(f, work / d / f.name)
            for rel, content in own.items():
                target = work / rel
                if target.is_symlink():
                    target.unlink()
                if isinstance(content, Image.Image):
                    content.save(target, format="BMP")
                else:
                    target.write_bytes(content)
        if options is not None:
            (work / "options.ini").write_bytes(options)
        if scores is not None:
            (work / "scores.dat").write_bytes(scores)
        g = Game(work, label_of(request, f"-{len(made)}"))
        made.append(g)
        if start:
            g.start()
        return g

    yield launch
    if getattr(request.node, "failed_call", False) and any(g.running() for g in made):
        made[-1].screenshot(save="at-failure")
    for g in made:
        g.stop()


@pytest.fixture
def game(game_factory):
    return game_factory()
