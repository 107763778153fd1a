"""How far apart two card pictures look to a player, measured on the card as the game
shows it: 50x50, quantised to 5 bits per channel like the 16-bit board, seen at half
size (a glance), in grey, through red-green colour blindness, and as a silhouette."""
from artlib import LIN, quantise5

INSET = 4  # the frame, the same on every card, is left out
SIDE = 50 - 2 * INSET
HALF = SIDE // 2

# Machado, Oliveira and Fernandes (2009), "A physiologically-based model for simulation
# of color vision deficiency", severity 1.0; applied to linear RGB.
DEUTERANOPIA = ((0.367322, 0.860646, -0.227968),
                (0.280085, 0.672501, 0.047413),
                (-0.011820, 0.042940, 0.968881))
PROTANOPIA = ((0.152286, 1.052583, -0.204868),
              (0.114503, 0.786281, 0.099216),
              (-0.003882, -0.048116, 1.051998))
NORMAL = ((1, 0, 0), (0, 1, 0), (0, 0, 1))


def _f(t):
    return t ** (1 / 3) if t > 0.008856 else 7.787 * t + 16 / 116


def lab(rgb_lin):
    """CIE L*a*b* (D65) of a linear sRGB triple."""
    r, g, b = rgb_lin
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    fx, fy, fz = _f(x), _f(y), _f(z)
    return (116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz))


def quantised_cell(img):
    """The inner SIDE x SIDE pixels of one card, 5 bits per channel as the board shows them."""
    px = img.load()
    return [[tuple(quantise5(v) for v in px[x, y][:3]) for x in range(INSET, 50 - INSET)]
            for y in range(INSET, 50 - INSET)]


def linear(rows):
    return [[tuple(LIN[v] for v in p) for p in row] for row in rows]


def half(rows):
    """2x2 box average in linear light: the card at half size."""
    out = []
    for y in range(0, SIDE, 2):
        row = []
        for x in range(0, SIDE, 2):
            q = (rows[y][x], rows[y][x + 1], rows[y + 1][x], rows[y + 1][x + 1])
            row.append(tuple(sum(p[c] for p in q) / 4 for c in range(3)))
        out.append(row)
    return out


def seen(rows, matrix):
    """Lab pixels of the half-size card as an eye described by matrix sees it."""
    out = []
    for row in half(rows):
        for r, g, b in row:
            sim = tuple(min(1.0, max(0.0, m[0] * r + m[1] * g + m[2] * b)) for m in matrix)
            out.append(lab(sim))
    return out


def grey_distance(a, b):
    """Mean |delta L*| of the half-size cards: how far apart they are in grey."""
    return sum(abs(p[0] - q[0]) for p, q in zip(a, b)) / len(a)


def colour_distance(a, b):
    """Mean delta E (CIE76) of the half-size cards."""
    return sum(((p[0] - q[0]) ** 2 + (p[1] - q[1]) ** 2 + (p[2] - q[2]) ** 2) ** 0.5
               for p, q in zip(a, b)) / len(a)


# Step per channel (sRGB, 0..255) between neighbours that still counts as one surface:
# one 5-bit quantisation step (8) of a gradient passes, an anti-aliased outline does not.
STEP = 12


def regions(rows, stage):
    """Smooth regions of the stage: neighbours joined while no channel jumps by more
    than STEP, so gradients stay one region and every drawn outline separates two."""
    label = {}
    sizes = []
    for start in stage:
        if start in label:
            continue
        n = len(sizes)
        label[start] = n
        stack, count = [start], 0
        while stack:
            x, y = stack.pop()
            count += 1
            p = rows[y][x]
            for q in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if q in stage and q not in label and \
                        max(abs(p[c] - rows[q[1]][q[0]][c]) for c in range(3)) <= STEP:
                    label[q] = n
                    stack.append(q)
        sizes.append(count)
    return label


def rim(stage):
    return [(x, y) for (x, y) in stage
            if any(q not in stage for q in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)))]


WHOLE = frozenset((x, y) for y in range(SIDE) for x in range(SIDE))


BACKDROP_LIKE = 40  # mean colours this close (max channel) are pieces of one backdrop
SCENERY = 0.15  # share of the rim a region must hold to be scenery (sky, ground, road)


def figure(rows, stage=WHOLE, scenery=True):
    """The motif at full size: the stage without its backdrop. The backdrop is the largest
    smooth region that reaches the stage's rim (the sky, the cream behind a flower, the
    field of a shield), the other rim regions of much its colour (the same sky cut in two
    by a tower) and, on a card's open scene, whatever runs along a good part of the rim
    (the ground, the road). Whatever the backdrop surrounds belongs to the figure."""
    label = regions(rows, stage)
    edge = rim(stage)
    votes, sums = {}, {}  # rim pixels and colour sums of the regions on the rim
    for p in edge:
        votes[label[p]] = votes.get(label[p], 0) + 1
    for (x, y), n in label.items():
        if n in votes:
            acc = sums.setdefault(n, [0, 0, 0, 0])
            for c in range(3):
                acc[c] += rows[y][x][c]
            acc[3] += 1
    mean = {n: [a[c] / a[3] for c in range(3)] for n, a in sums.items()}
    back = max(votes, key=lambda k: (sums[k][3], -k))
    backdrop = {n for n in votes
                if max(abs(mean[n][c] - mean[back][c]) for c in range(3)) <= BACKDROP_LIKE
                or (scenery and votes[n] >= SCENERY * len(edge))}
    return frozenset(p for p in stage if label[p] not in backdrop)


def halve(pixels):
    """The silhouette at half size: a cell is figure when two of its four pixels are."""
    count = {}
    for x, y in pixels:
        count[(x // 2, y // 2)] = count.get((x // 2, y // 2), 0) + 1
    return frozenset(c for c, n in count.items() if n >= 2)


def erode(pixels, steps):
    for _ in range(steps):
        pixels = frozenset((x, y) for (x, y) in pixels
                           if all(q in pixels for q in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1))))
    return pixels


def set_stage(figures):
    """Where a set's pictures are told apart by outline. When every card of a set shares
    one large outline (a shield), that outline is the set's style, not a picture: the
    pictures are then compared inside it, a little in from its rim."""
    common = frozenset.intersection(*figures)
    if len(common) >= 0.5 * SIDE * SIDE:
        return erode(common, 4)
    return WHOLE


def silhouette_distance(a, b):
    """1 - intersection over union: 0 for one outline, 1 for outlines with nothing in common."""
    union = len(a | b)
    return 1 - len(a & b) / union if union else 0.0


class Card:
    """One picture with everything the measures need, computed once."""

    def __init__(self, img):
        self.rows = quantised_cell(img)
        lin = linear(self.rows)
        self.normal = seen(lin, NORMAL)
        self.deutan = seen(lin, DEUTERANOPIA)
        self.protan = seen(lin, PROTANOPIA)
        self.shape = halve(figure(self.rows))

    def restage(self, stage):
        self.shape = halve(figure(self.rows, stage, scenery=False))


def cards_of(cells):
    """Cards of one set, their silhouettes measured on the set's stage."""
    cards = [Card(c) for c in cells]
    stage = set_stage([figure(c.rows) for c in cards])
    if stage is not WHOLE:
        for c in cards:
            c.restage(stage)
    return cards


def measures(a, b):
    """(grey, deuteranopia, protanopia, silhouette) distances of two Cards."""
    return (grey_distance(a.normal, b.normal), colour_distance(a.deutan, b.deutan),
            colour_distance(a.protan, b.protan), silhouette_distance(a.shape, b.shape))
