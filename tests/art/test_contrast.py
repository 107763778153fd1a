"""Black system-font text stays readable: at least 7:1 contrast on every pixel it may cover.

Every pixel (not a percentile) must reach relative luminance 0.30, i.e. (0.30+0.05)/0.05 = 7:1
against black: the system font is drawn without anti-aliasing and its strokes are one pixel
wide, so a single dark pixel under a stroke is enough to break a glyph. Colours are taken
after the 5-bit quantisation the game's 16-bit bitmaps apply.
"""
import os

import pytest
from PIL import Image

from artlib import WHITE, contrast_with_black, load, luminance, paste_keyed

MIN_LUMINANCE = 0.30


def play_screen(dist):
    scr = Image.new("RGB", (800, 600))
    scr.paste(load(os.path.join(dist, "info_bar/background.bmp")), (0, 0))
    scr.paste(load(os.path.join(dist, "backgrounds/field.bmp")), (200, 0))
    boxs = load(os.path.join(dist, "info_bar/boxs.bmp"))
    for y in (90, 130, 170):
        paste_keyed(scr, boxs, (10, y), WHITE)
    boxs2 = load(os.path.join(dist, "info_bar/boxs2.bmp"))
    for y in (300, 370, 440, 510):
        paste_keyed(scr, boxs2, (40, y), WHITE)
    paste_keyed(scr, load(os.path.join(dist, "info_bar/chain.bmp")), (193, 0), WHITE)
    return scr


SCREENS = {"play": play_screen, "menu": lambda d: load(os.path.join(d, "backgrounds/menu.bmp"))}

# (screen, what, (x0, y0, x1, y1) exclusive, window coordinates)
AREAS = [
    ("play", "Time row", (20, 96, 187, 112)),
    ("play", "Points row", (20, 136, 187, 152)),
    ("play", "Level row", (20, 176, 187, 192)),
    ("play", "hammer count", (130, 320, 156, 336)),
    ("play", "stopwatch count", (130, 390, 156, 406)),
    ("play", "hourglass count", (130, 460, 156, 476)),
    ("play", "dynamite count", (130, 530, 156, 546)),
    ("play", "shop lines", (350, 310, 571, 407)),
    ("menu", "help row 1", (160, 100, 701, 117)),
    ("menu", "help row 2", (160, 160, 701, 177)),
    ("menu", "help row 3", (160, 220, 701, 237)),
    ("menu", "help row 4", (160, 280, 701, 297)),
    ("menu", "high-score heading", (15, 50, 791, 67)),
    ("menu", "high-score table", (15, 103, 791, 517)),
    ("menu", "whole grid area", (10, 50, 791, 591)),
]


def darkest(img, box):
    lum = min(luminance(p) for p in set(img.crop(box).getdata()))
    return lum


@pytest.fixture(scope="module")
def screens(art):
    return {k: f(art[0]) for k, f in SCREENS.items()}


@pytest.mark.parametrize("screen,what,box", AREAS, ids=[a[1] for a in AREAS])
def test_text_area_contrast(screens, screen, what, box):
    lum = darkest(screens[screen], box)
    assert lum >= MIN_LUMINANCE, "%s: darkest pixel luminance %.3f, contrast %.1f:1" % (
        what, lum, contrast_with_black(lum))


def test_measure_flags_one_dark_pixel():
    img = Image.new("RGB", (20, 20), (240, 235, 220))
    assert darkest(img, (0, 0, 20, 20)) >= MIN_LUMINANCE
    img.putpixel((7, 7), (120, 100, 60))
    assert darkest(img, (0, 0, 20, 20)) < MIN_LUMINANCE
    assert abs(contrast_with_black(0.30) - 7.0) < 1e-9
