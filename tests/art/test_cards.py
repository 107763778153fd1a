"""Card sheets: every cell holds a picture and the 32 dealt pictures of a set differ
from each other by outline, so players who cannot tell the colours apart can still pair them."""
import itertools
import os

import pytest
from PIL import ImageStat

from artlib import RES_SHEETS, cell, load, recolour, rgb_distance, shape_distance

# Thresholds, measured on the sheets as drawn:
# - shape_distance between two different pictures of one set was >= 0.28 at its lowest
#   (two castles of one plan with different roofs); a recoloured copy of a picture
#   (channels rotated) stays <= 0.11, an identical copy is 0. 0.20 sits between the two.
# - rgb_distance (mean absolute difference per channel, 0..255) was >= 11 at its lowest;
#   an identical copy is 0 and JPEG-like noise stays under 2. 8 catches near-duplicates.
MIN_SHAPE = 0.20
MIN_RGB = 8.0


@pytest.fixture(scope="module", params=RES_SHEETS)
def sheet(request, art):
    return request.param, load(os.path.join(art[1], request.param))


def test_pairwise_distinct(sheet):
    name, img = sheet
    cells = [cell(img, p) for p in range(32)]
    too_close = []
    for i, j in itertools.combinations(range(32), 2):
        s, c = shape_distance(cells[i], cells[j]), rgb_distance(cells[i], cells[j])
        if s < MIN_SHAPE or c < MIN_RGB:
            too_close.append((i, j, round(s, 3), round(c, 1)))
    assert not too_close, "%s: pictures too alike (i, j, shape, rgb): %r" % (name, too_close)


def test_recoloured_copy_is_rejected(sheet):
    """The shape measure must not be fooled by colour: a recoloured copy of each
    picture is different in colour yet fails the shape threshold."""
    name, img = sheet
    for p in range(32):
        a = cell(img, p)
        b = recolour(a)
        assert rgb_distance(a, b) >= MIN_RGB, "recolouring changed colours visibly"
        assert shape_distance(a, b) < MIN_SHAPE, "%s picture %d: recolour passes as a new shape" % (name, p)
        assert shape_distance(a, a.copy()) == 0 and rgb_distance(a, a.copy()) == 0


def test_every_cell_holds_a_picture(sheet):
    name, img = sheet
    for p in range(50):
        st = ImageStat.Stat(cell(img, p, inset=0).convert("L"))
        assert st.stddev[0] > 20, "%s cell %d looks empty" % (name, p)
    # The face carries the set's frame: the outer ring of every cell is the same.
    ring = [cell(img, p, inset=0).crop((0, 0, 50, 2)).tobytes() for p in range(50)]
    assert len(set(ring)) == 1, "%s: cells do not share one frame style" % name
