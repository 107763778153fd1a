"""Helpers shared by the artwork tests: reading BMP/WAV files and measuring pixels."""
import os
import re
import struct
from pathlib import Path

from PIL import Image, ImageChops, ImageFilter

WHITE = (255, 255, 255)
GREEN = (0, 255, 0)
ROOT = Path(__file__).resolve().parents[2]

# The pictures with words, from the game's one list of them:
# file -> (English words, width, height, x, y)
WORDED = {m[0]: (m[1],) + tuple(int(v) for v in m[2:]) for m in re.findall(
    r'constexpr worded_picture \w+ = \{\s*"([^"]+)",\s*tr_noop\("([^"]*)"\),'
    r'\s*(\d+),\s*(\d+),\s*(-?\d+),\s*(-?\d+)\s*\}',
    re.sub(r"//[^\n]*", "", (ROOT / "resources" / "worded_pictures.h").read_text()))}
assert len(WORDED) == 9, WORDED

# name -> (width, height, key, frame_width, frames)
DIST_FILES = {
    "backgrounds/intro.bmp": (800, 600, None, None, None),
    "backgrounds/menu.bmp": (800, 600, None, None, None),
    "backgrounds/field.bmp": (600, 600, None, None, None),
    "info_bar/background.bmp": (200, 600, None, None, None),
    "info_bar/boxs.bmp": (180, 30, WHITE, None, None),
    "info_bar/boxs2.bmp": (118, 60, WHITE, None, None),
    "info_bar/chain.bmp": (14, 600, WHITE, None, None),
    "animations/hammer.bmp": (594, 50, GREEN, 54, 11),
    "animations/stopwatch.bmp": (400, 50, GREEN, 50, 8),
    "animations/hourglass.bmp": (750, 50, GREEN, 50, 15),
    "animations/dynamite.bmp": (551, 50, WHITE, 50, 11),
    "animations/next.bmp": (600, 32, WHITE, 100, 6),
    "cards/hammer.bmp": (350, 50, WHITE, 50, 7),
    "cards/dynamite.bmp": (850, 50, WHITE, 50, 17),
    "other/menu_title.bmp": (360, 90, WHITE, None, None),
}
for _name, (_words, _w, _h, _x, _y) in WORDED.items():
    DIST_FILES.setdefault(_name, (_w, _h, WHITE, None, None))
assert DIST_FILES["animations/next.bmp"][:2] == WORDED["animations/next.bmp"][1:3]
# The card sheets, as the resource script links them into the exe.
RES_SHEETS = re.findall(r'^res_\w+ BITMAP "([^"]+)"',
                        (ROOT / "resources" / "pairwick.rc").read_text(), re.M)
assert len(RES_SHEETS) == 4, RES_SHEETS
ICON_SIZES = [16, 32, 48, 256]
ICON_PNGS = ["icons/pairwick-%d.png" % n for n in ICON_SIZES]
RES_FILES = RES_SHEETS + ["click.wav", "pairwick.ico"] + ICON_PNGS
KEYED = {name: spec for name, spec in DIST_FILES.items() if spec[2] is not None}


def bmp_header(path):
    """Parse and return the fields of a BMP header as a dict."""
    with open(path, "rb") as f:
        data = f.read()
    (magic, size, _r, offset, hsize, w, h, planes, bpp, comp, img_size) = struct.unpack_from(
        "<2sIIIIiiHHII", data, 0)
    return dict(magic=magic, size=size, offset=offset, hsize=hsize, w=w, h=h, planes=planes,
                bpp=bpp, comp=comp, img_size=img_size, length=len(data))


def load(path):
    return Image.open(path).convert("RGB")


def in_bucket(px, key):
    """True when a 16-bit display would merge this colour into the key."""
    r, g, b = px
    if key == WHITE:
        return r >= 248 and g >= 248 and b >= 248
    return r < 8 and g >= 248 and b < 8


def quantise5(v):
    """Channel value as a 5-bit-per-channel bitmap gives it back."""
    return ((v >> 3) << 3) | (v >> 5)


def _lin(c):
    c /= 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


LIN = [_lin(v) for v in range(256)]


def luminance(px):
    """WCAG relative luminance of an sRGB pixel after 5-bit quantisation."""
    r, g, b = (quantise5(v) for v in px)
    return 0.2126 * LIN[r] + 0.7152 * LIN[g] + 0.0722 * LIN[b]


def contrast_with_black(lum):
    return (lum + 0.05) / 0.05


def frames(img, fw, n):
    return [img.crop((i * fw, 0, (i + 1) * fw, img.height)) for i in range(n)]


def key_fraction(img, key):
    data = list(img.getdata())
    return sum(1 for p in data if p == key) / len(data)


def paste_keyed(dst, src, pos, key):
    """Blit like the game's masked draw: key pixels leave the destination alone."""
    mask = Image.eval(src.convert("RGB"), lambda v: v)  # copy
    m = Image.new("L", src.size, 255)
    mp, sp = m.load(), src.load()
    for y in range(src.height):
        for x in range(src.width):
            if sp[x, y] == key:
                mp[x, y] = 0
    dst.paste(mask, pos, m)


# ---- picture difference measures for the card sheets --------------------------------

def cell(sheet, p, inset=4):
    x, y = (p % 10) * 50, (p // 10) * 50
    return sheet.crop((x + inset, y + inset, x + 50 - inset, y + 50 - inset))


def rgb_distance(a, b):
    """Mean absolute per-channel difference, 0..255."""
    diff = ImageChops.difference(a, b)
    hist = diff.histogram()
    total = 0
    for ch in range(3):
        total += sum(v * n for v, n in enumerate(hist[ch * 256:(ch + 1) * 256]))
    return total / (a.width * a.height * 3)


EDGE_STRONG = 28  # on FIND_EDGES output, 0..255
EDGE_WEAK = 10


def edge_map(img, threshold=EDGE_STRONG):
    """Binary outline map of the grey picture: what a colour-blind player still sees."""
    grey = img.convert("L").filter(ImageFilter.FIND_EDGES)
    edges = grey.point(lambda v: 255 if v > threshold else 0)
    # FIND_EDGES leaves a one-pixel frame of junk; drop it.
    inner = Image.new("L", edges.size, 0)
    inner.paste(edges.crop((1, 1, edges.width - 1, edges.height - 1)), (1, 1))
    return inner


def _count(img):
    return img.histogram()[255]


def shape_distance(a, b):
    """Share of clear outline pixels (of either picture) at which the other picture has
    no outline at all, not even a faint one. 0 = same outlines, 1 = nothing in common.
    The faint level keeps a recoloured copy, whose outlines merely change contrast,
    close to 0."""
    sa, sb = edge_map(a), edge_map(b)
    wa, wb = edge_map(a, EDGE_WEAK), edge_map(b, EDGE_WEAK)
    only = ImageChops.lighter(ImageChops.subtract(sa, wb), ImageChops.subtract(sb, wa))
    return _count(only) / max(1, _count(ImageChops.lighter(sa, sb)))


def recolour(img):
    """The same drawing in other colours: channels rotated (red->green->blue->red)."""
    r, g, b = img.split()
    return Image.merge("RGB", (b, r, g))
