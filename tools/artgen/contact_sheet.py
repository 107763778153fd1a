#!/usr/bin/python3
"""Contact sheet of all Pairwick artwork.

usage: contact_sheet.py <dist_dir> <res_dir> <out.png>

Keyed files show their transparent colour as a checkerboard. Mock-ups of the play
screen and the title screen, composed the way the game keys and places the pieces (the
words in their English pictures, where resources/worded_pictures.h places them), come first.
"""
import os
import re
import sys

from PIL import Image, ImageDraw, ImageFont

WHITE = (255, 255, 255)
GREEN = (0, 255, 0)
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# (path relative to its folder, key or None)
DIST = [
    ("backgrounds/intro.bmp", None), ("backgrounds/menu.bmp", None),
    ("backgrounds/field.bmp", None), ("info_bar/background.bmp", None),
    ("info_bar/boxs.bmp", WHITE), ("info_bar/boxs2.bmp", WHITE),
    ("info_bar/chain.bmp", WHITE), ("animations/hammer.bmp", GREEN),
    ("animations/stopwatch.bmp", GREEN), ("animations/hourglass.bmp", GREEN),
    ("animations/dynamite.bmp", WHITE), ("animations/next.bmp", WHITE),
    ("cards/hammer.bmp", WHITE), ("cards/dynamite.bmp", WHITE),
    ("other/help_title.bmp", WHITE), ("other/options_title.bmp", WHITE),
    ("other/scores_title.bmp", WHITE), ("other/save_title.bmp", WHITE),
    ("other/load_title.bmp", WHITE), ("other/menu_title.bmp", WHITE),
    ("other/intro_line.bmp", WHITE), ("other/intro_press.bmp", WHITE),
    ("other/power_ups.bmp", WHITE),
]
# Where the game draws each picture with words: file -> (x, y).
WORDED = {f: (int(x), int(y)) for f, x, y in re.findall(
    r'"([a-z_/]+\.bmp)", tr_noop\("[^"]*"\),\s*\d+,\s*\d+,\s*(-?\d+),\s*(-?\d+)',
    re.sub(r"//[^\n]*", "", open(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                               "../../resources/worded_pictures.h")).read()))}
RES = ["castles.bmp", "flowers.bmp", "cars.bmp", "blazons.bmp"]


def keyed(img, key, checker=True):
    """RGBA copy with the key transparent, optionally over a checkerboard."""
    img = img.convert("RGB")
    rgba = img.convert("RGBA")
    px = rgba.load()
    for y in range(img.height):
        for x in range(img.width):
            if key is not None and px[x, y][:3] == key:
                px[x, y] = (0, 0, 0, 0)
    if not checker:
        return rgba
    board = Image.new("RGBA", img.size)
    bp = board.load()
    for y in range(img.height):
        for x in range(img.width):
            bp[x, y] = (200, 200, 200, 255) if ((x // 6) + (y // 6)) % 2 else (150, 150, 150, 255)
    board.alpha_composite(rgba)
    return board


def mock_play(dist, res):
    """The play screen: bar, board with a few cards, power-ups and the chain."""
    def load(p):
        return Image.open(os.path.join(dist, p)).convert("RGB")

    scr = Image.new("RGBA", (800, 600))
    scr.paste(load("info_bar/background.bmp"), (0, 0))
    scr.paste(load("backgrounds/field.bmp"), (200, 0))
    back = keyed(load("cards/hammer.bmp").crop((0, 0, 50, 50)), WHITE, False)
    sheet = Image.open(os.path.join(res, "castles.bmp")).convert("RGB")
    smash = load("cards/hammer.bmp")
    blast = load("cards/dynamite.bmp")
    for r in range(8):
        for c in range(8):
            x, y = 265 + c * 60, 65 + r * 60
            n = r * 8 + c
            if n in (9, 10, 27, 45):
                p = (n * 7) % 32
                scr.paste(sheet.crop((p % 10 * 50, p // 10 * 50, p % 10 * 50 + 50, p // 10 * 50 + 50)), (x, y))
            elif n in (20, 21, 50):
                continue  # already removed
            elif n == 36:
                scr.alpha_composite(keyed(smash.crop((150, 0, 200, 50)), WHITE, False), (x, y))
            elif n == 37:
                scr.alpha_composite(keyed(blast.crop((250, 0, 300, 50)), WHITE, False), (x, y))
            else:
                scr.alpha_composite(back, (x, y))
    d = ImageDraw.Draw(scr)
    font = ImageFont.truetype(FONT.replace("-Bold", ""), 13)
    boxs = keyed(load("info_bar/boxs.bmp"), WHITE, False)
    for i, (label, value) in enumerate([("Time:", "0:11:42"), ("Points:", "1250"), ("Level:", "3")]):
        y = 90 + 40 * i
        scr.alpha_composite(boxs, (10, y))
        d.text((20, y + 6), label, fill=(0, 0, 0), font=font)
        d.text((123, y + 6), value, fill=(0, 0, 0), font=font)
    boxs2 = keyed(load("info_bar/boxs2.bmp"), WHITE, False)
    sprites = [("animations/hammer.bmp", GREEN, 54), ("animations/stopwatch.bmp", GREEN, 50),
               ("animations/hourglass.bmp", GREEN, 50), ("animations/dynamite.bmp", WHITE, 50)]
    for i, (p, key, fw) in enumerate(sprites):
        y = 300 + 70 * i
        scr.alpha_composite(boxs2, (40, y))
        scr.alpha_composite(keyed(load(p).crop((fw * 2, 0, fw * 3, 50)), key, False), (45, y + 5))
        d.text((130, y + 20), str(10 - i), fill=(0, 0, 0), font=font)
    scr.alpha_composite(keyed(load("info_bar/chain.bmp"), WHITE, False), (193, 0))
    scr.alpha_composite(keyed(load("other/power_ups.bmp"), WHITE, False),
                        WORDED["other/power_ups.bmp"])
    return scr.convert("RGB")


def mock_intro(dist):
    """The title screen: its background with the English words over it."""
    scr = Image.open(os.path.join(dist, "backgrounds/intro.bmp")).convert("RGBA")
    for name in ("other/intro_line.bmp", "other/intro_press.bmp"):
        scr.alpha_composite(keyed(Image.open(os.path.join(dist, name)), WHITE, False), WORDED[name])
    return scr.convert("RGB")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    dist, res, out = sys.argv[1:]
    font = ImageFont.truetype(FONT, 14)
    tiles = [("play screen (mock-up)", mock_play(dist, res)),
             ("title screen (mock-up)", mock_intro(dist))]
    for p, key in DIST:
        img = Image.open(os.path.join(dist, p))
        tiles.append((p, keyed(img, key).convert("RGB")))
    for p in RES:
        tiles.append(("resources/" + p, Image.open(os.path.join(res, p)).convert("RGB")))

    # Explicit rows; small pieces are enlarged (nearest neighbour) so their pixels show.
    by_name = dict(tiles)
    rows = [
        [("play screen (mock-up)", 1), ("title screen (mock-up)", 1)],
        [("backgrounds/intro.bmp", 1), ("info_bar/background.bmp", 1), ("info_bar/chain.bmp", 1)],
        [("backgrounds/menu.bmp", 1), ("backgrounds/field.bmp", 1)],
        [("info_bar/boxs.bmp", 2), ("info_bar/boxs2.bmp", 2), ("other/power_ups.bmp", 2)],
        [("other/help_title.bmp", 1), ("other/options_title.bmp", 1), ("other/scores_title.bmp", 1)],
        [("other/save_title.bmp", 1), ("other/load_title.bmp", 1)],
        [("other/intro_line.bmp", 1), ("other/intro_press.bmp", 1)],
        [("other/menu_title.bmp", 2)],
        [("animations/hammer.bmp", 2)], [("animations/stopwatch.bmp", 2), ("animations/next.bmp", 2)],
        [("animations/hourglass.bmp", 2)], [("animations/dynamite.bmp", 2)],
        [("cards/hammer.bmp", 2)], [("cards/dynamite.bmp", 2)],
        [("resources/castles.bmp", 1.5), ("resources/flowers.bmp", 1.5)],
        [("resources/cars.bmp", 1.5), ("resources/blazons.bmp", 1.5)],
    ]
    pad, label_h = 14, 22
    placed = []
    for r in rows:
        line = []
        for name, scale in r:
            img = by_name[[k for k in by_name if k.startswith(name)][0]]
            if scale != 1:
                img = img.resize((int(img.width * scale), int(img.height * scale)), Image.NEAREST)
            line.append((name, img))
        placed.append(line)
    # The chain is tall: let it share the row but not set its height.
    width = max(sum(i.width + pad for _, i in r) for r in placed) + pad
    heights = [max(i.height for n, i in r if n != "info_bar/chain.bmp") + label_h + pad for r in placed]
    sheet = Image.new("RGB", (width, sum(heights) + pad + 24), (40, 46, 64))
    d = ImageDraw.Draw(sheet)
    d.text((pad, 6), "Pairwick artwork - grey checks mark key (transparent) pixels; small pieces enlarged",
           fill=(240, 228, 190), font=font)
    y = pad + 24
    for r, h in zip(placed, heights):
        x = pad
        for name, img in r:
            d.text((x, y), name, fill=(240, 228, 190), font=font)
            if name == "info_bar/chain.bmp":
                img = img.crop((0, 0, img.width, h - label_h - pad))
            sheet.paste(img, (x, y + label_h))
            x += max(img.width, int(d.textlength(name, font=font))) + pad
        y += h
    sheet.save(out, optimize=True)


if __name__ == "__main__":
    main()
