"""Animation strips move: no two consecutive frames are the same picture."""
import os

import pytest
from PIL import ImageChops

from artlib import DIST_FILES, frames, key_fraction, load

STRIPS = [n for n, s in DIST_FILES.items() if s[3]]
LOOPING = {"animations/hammer.bmp", "animations/stopwatch.bmp", "animations/hourglass.bmp",
           "animations/dynamite.bmp", "animations/next.bmp"}


def same(a, b):
    return ImageChops.difference(a, b).getbbox() is None


@pytest.mark.parametrize("name", STRIPS)
def test_consecutive_frames_differ(art, name):
    w, h, key, fw, n = DIST_FILES[name]
    fr = frames(load(os.path.join(art[0], name)), fw, n)
    pairs = [(i, i + 1) for i in range(n - 1)]
    if name in LOOPING:
        pairs.append((n - 1, 0))
    for i, j in pairs:
        if key_fraction(fr[i], key) == 1.0 and key_fraction(fr[j], key) == 1.0:
            continue  # an effect may end on empty frames
        assert not same(fr[i], fr[j]), "frames %d and %d are identical" % (i, j)


def test_identical_frames_are_noticed(art):
    fr = frames(load(os.path.join(art[0], "animations/stopwatch.bmp")), 50, 8)
    assert same(fr[3], fr[3].copy()) and not same(fr[3], fr[4])
