"""Colour keys: what must vanish does, and nothing else falls into the key's 16-bit bucket."""
import os

import pytest
from PIL import Image

from artlib import GREEN, KEYED, WHITE, frames, in_bucket, key_fraction, load


@pytest.mark.parametrize("name", sorted(KEYED))
def test_no_opaque_pixel_in_key_bucket(art, name):
    key = KEYED[name][2]
    img = load(os.path.join(art[0], name))
    bad = [(i % img.width, i // img.width, p) for i, p in enumerate(img.getdata())
           if p != key and in_bucket(p, key)]
    assert not bad, "%d opaque pixels would turn transparent, first %r" % (len(bad), bad[:3])


def test_bucket_rule_catches_near_key():
    # The colour the platform notes saw vanish, and the green counterpart.
    assert in_bucket((250, 255, 250), WHITE) and in_bucket((5, 250, 3), GREEN)
    assert not in_bucket((240, 240, 240), WHITE) and not in_bucket((8, 255, 0), GREEN)


# (file, frames to check or None for the whole picture, min key share, max key share, corners keyed)
PRESENCE = [
    ("animations/hammer.bmp", "all", 0.25, 0.92, True),
    ("animations/stopwatch.bmp", "all", 0.25, 0.92, True),
    ("animations/hourglass.bmp", "all", 0.25, 0.92, True),
    ("animations/dynamite.bmp", "all", 0.25, 0.92, True),
    ("animations/next.bmp", "all", 0.02, 0.5, True),
    ("cards/hammer.bmp", [0], 0.0, 0.05, False),       # the card back is solid
    ("cards/hammer.bmp", [1, 2], 0.0, 0.05, False),    # cracked but still in place
    ("cards/hammer.bmp", [3, 4], 0.05, 0.9, False),    # falling apart
    ("cards/hammer.bmp", [6], 0.9, 1.0, False),        # nearly gone
    ("cards/dynamite.bmp", [0], 0.0, 0.05, False),
    ("cards/dynamite.bmp", [5, 6, 7], 0.1, 0.9, False),
    ("cards/dynamite.bmp", [15, 16], 0.9, 1.0, False),
    ("info_bar/boxs.bmp", None, 0.001, 0.1, True),
    ("info_bar/boxs2.bmp", None, 0.001, 0.1, True),
    ("info_bar/chain.bmp", None, 0.2, 0.8, False),
    ("other/help_title.bmp", None, 0.3, 0.9, True),
    ("other/options_title.bmp", None, 0.3, 0.9, True),
    ("other/scores_title.bmp", None, 0.3, 0.9, True),
    ("other/save_title.bmp", None, 0.3, 0.9, True),
    ("other/load_title.bmp", None, 0.3, 0.9, True),
    ("other/menu_title.bmp", None, 0.3, 0.9, True),
]


@pytest.mark.parametrize("name,which,lo,hi,corners", PRESENCE,
                         ids=["%s-%s" % (p[0], p[1]) for p in PRESENCE])
def test_key_where_expected(art, name, which, lo, hi, corners):
    w, h, key, fw, n = KEYED[name]
    img = load(os.path.join(art[0], name))
    if which is None:
        parts = [img]
    else:
        all_frames = frames(img, fw, n)
        parts = all_frames if which == "all" else [all_frames[i] for i in which]
    for i, part in enumerate(parts):
        share = key_fraction(part, key)
        assert lo <= share <= hi, "part %d: key share %.3f not in [%s, %s]" % (i, share, lo, hi)
        if corners:
            px = part.load()
            for x, y in [(0, 0), (part.width - 1, 0), (0, part.height - 1), (part.width - 1, part.height - 1)]:
                assert px[x, y] == key, "corner (%d,%d) of part %d is not key" % (x, y, i)


def test_dynamite_spare_column_is_key(art):
    img = load(os.path.join(art[0], "animations/dynamite.bmp"))
    assert all(img.getpixel((550, y)) == WHITE for y in range(50))


HALO_FILES = ["animations/hammer.bmp", "animations/stopwatch.bmp", "animations/hourglass.bmp",
              "animations/dynamite.bmp", "cards/hammer.bmp", "cards/dynamite.bmp", "info_bar/chain.bmp",
              "other/help_title.bmp", "other/options_title.bmp", "other/scores_title.bmp",
              "other/save_title.bmp", "other/load_title.bmp", "other/menu_title.bmp"]


def light_edge_share(img, key):
    """Share of opaque pixels touching the key that are pale (all channels >= 200):
    a blended fringe of the key colour would show as a light halo on dark backdrops."""
    px = img.load()
    edge = light = 0
    for y in range(img.height):
        for x in range(img.width):
            p = px[x, y]
            if p == key:
                continue
            if any(0 <= x + dx < img.width and 0 <= y + dy < img.height and px[x + dx, y + dy] == key
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                edge += 1
                if min(p) >= 200:
                    light += 1
    return light / max(1, edge)


@pytest.mark.parametrize("name", HALO_FILES)
def test_no_light_halo(art, name):
    img = load(os.path.join(art[0], name))
    # 3%: a few genuinely pale spots (a spark's core) may touch the edge, a fringe may not.
    assert light_edge_share(img, KEYED[name][2]) <= 0.03


def test_halo_measure_catches_a_fringe():
    img = Image.new("RGB", (20, 20), WHITE)
    for y in range(5, 15):
        for x in range(5, 15):
            img.putpixel((x, y), (30, 30, 90))
    assert light_edge_share(img, WHITE) == 0
    for x in range(5, 15):  # a blended pale rim, as naive anti-aliasing leaves
        img.putpixel((x, 5), (220, 220, 230))
        img.putpixel((x, 14), (220, 220, 230))
    assert light_edge_share(img, WHITE) > 0.03
