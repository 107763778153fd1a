"""Card sheets: every cell holds a picture, and every two of the 32 dealt pictures of a set
stay apart as the board shows them (50x50, 16-bit colour, at a glance): in grey, to an eye
that does not tell red from green, and as silhouettes."""
import itertools
import os

import pytest
from PIL import Image, ImageDraw, ImageStat

from artlib import RES_SHEETS, load
from distinct import cards_of, figure, halve, measures, quantised_cell, silhouette_distance

# The margins come from the pictures as they were drawn before they were told apart,
# measured with these very functions. Pairs players did confuse there:
#   flowers 0/8, 1/9, 2/10, 14/22 (one colour, one petal count): grey 3.3-4.6,
#     deuteranopia 4.0-6.5, protanopia 4.6-6.1, silhouette 0.12-0.16;
#   flowers 0/2, 2/8 (one picture in grey): grey 4.1 and 4.5;
#   castles 4/12, 4/28, 12/28, 0/8 (one plan, roof and sky aside): grey 3.2-5.7,
#     deuteranopia 7.5-13.4, silhouette 0.25-0.33;
#   cars 0/18, 3/4 (one body side-on, colour close): grey 3.2 and 3.5,
#     deuteranopia 6.7 and 7.6, protanopia 6.1 and 7.8, silhouette 0.05 and 0.15.
# Pairs nobody confuses, chosen as the closest such we could find by eye (castle 2/7 three
# towers against the palace, car 6/12 van against fire engine, blazon 3/17 per bend
# against barry): grey >= 8.6, either colour blindness >= 16, silhouette >= 0.18.
# Each margin sits just above the confused pairs of its own kind: grey above 5.7,
# colour above 7.8 (the colour-alike pairs; castles 0/8 differ in sky but not in plan),
# silhouette between the outline twins' 0.16 and the distinct pairs' 0.18. Every
# confused pair falls below at least one margin (castles 4/12 by grey).
MIN_GREY = 6.0          # mean |delta L*| at half size
MIN_COLOUR_BLIND = 8.0  # mean delta E at half size, deuteranopia and protanopia each
MIN_SILHOUETTE = 0.17   # 1 - intersection over union of the half-size silhouettes


def sheet_cells(img):
    return [img.crop(((p % 10) * 50, (p // 10) * 50, (p % 10) * 50 + 50, (p // 10) * 50 + 50))
            for p in range(32)]


@pytest.fixture(scope="module", params=RES_SHEETS)
def sheet(request, art):
    return request.param, load(os.path.join(art[1], request.param))


def too_close(cards):
    bad = []
    for i, j in itertools.combinations(range(len(cards)), 2):
        grey, deutan, protan, shape = measures(cards[i], cards[j])
        if grey < MIN_GREY or deutan < MIN_COLOUR_BLIND or protan < MIN_COLOUR_BLIND \
                or shape < MIN_SILHOUETTE:
            bad.append((i, j, round(grey, 1), round(deutan, 1), round(protan, 1), round(shape, 3)))
    return bad


def test_pairwise_distinct(sheet):
    name, img = sheet
    bad = too_close(cards_of(sheet_cells(img)))
    assert not bad, "%s: pictures too alike (i, j, grey, deuteranopia, protanopia, silhouette): %r" % (
        name, bad)


def recoloured_motif(img):
    """The same picture with the motif's colours rotated (red->green->blue), backdrop kept."""
    rows = quantised_cell(img)
    fig = figure(rows)
    out = img.copy()
    px = out.load()
    for x, y in fig:
        r, g, b = px[x + 4, y + 4]
        px[x + 4, y + 4] = (b, r, g)
    return out


def test_measures_see_through_colour(sheet):
    """A recoloured copy fails the silhouette check, and a picture against itself is at
    distance 0 on every measure."""
    name, img = sheet
    cells = sheet_cells(img)
    for p in (0, 7, 13, 22, 31):
        base = cards_of([cells[p]])[0]
        same = measures(base, cards_of([cells[p].copy()])[0])
        assert same == (0, 0, 0, 0)
        recoloured = cards_of([recoloured_motif(cells[p])])[0]
        assert measures(base, recoloured)[3] < MIN_SILHOUETTE, \
            "%s picture %d: a recoloured copy passes as a new outline" % (name, p)


def test_silhouette_follows_the_outline():
    """A disc and a square of one colour on one backdrop: their silhouettes part by the
    area they do not share, and a disc in another colour keeps the disc's silhouette."""
    def card(shape, colour):
        img = Image.new("RGB", (50, 50), (200, 220, 240))
        d = ImageDraw.Draw(img)
        if shape == "disc":
            d.ellipse((13, 13, 37, 37), fill=colour, outline=(20, 20, 30))
        else:
            d.rectangle((13, 13, 37, 37), fill=colour, outline=(20, 20, 30))
        return halve(figure(quantised_cell(img)))
    disc, square, blue_disc = card("disc", (200, 40, 40)), card("square", (200, 40, 40)), card("disc", (40, 40, 200))
    assert silhouette_distance(disc, blue_disc) == 0
    assert 0.15 < silhouette_distance(disc, square) < 0.3  # the square's corners: 1 - pi/4


def test_every_cell_holds_a_picture(sheet):
    name, img = sheet
    for p in range(50):
        x, y = (p % 10) * 50, (p // 10) * 50
        st = ImageStat.Stat(img.crop((x, y, x + 50, y + 50)).convert("L"))
        assert st.stddev[0] > 20, "%s cell %d looks empty" % (name, p)
    # The face carries the set's frame: the outer ring of every cell is the same.
    ring = [img.crop(((p % 10) * 50, (p // 10) * 50, (p % 10) * 50 + 50, (p // 10) * 50 + 2)).tobytes()
            for p in range(50)]
    assert len(set(ring)) == 1, "%s: cells do not share one frame style" % name
