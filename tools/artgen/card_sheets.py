#!/usr/bin/python3
"""Contact sheets of the dealt card pictures, one per set, as the 16-bit board shows them.

usage: card_sheets.py <res_dir> <out_dir>

Writes <out_dir>/cards-<set>.png: the 32 dealt pictures in deal order (eight to a row) at
1:1 and in grey beside them, then at 2x, then at 2x in grey. Colours are quantised to 5 bits
per channel first, as the game's 16-bit bitmaps give them back.
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SETS = ["castles", "flowers", "cars", "blazons"]
GAP, PAD, HEAD = 2, 10, 22


def quantised(img):
    return img.point(lambda v: ((v >> 3) << 3) | (v >> 5))


def grid(sheet, scale):
    cell = 50 * scale + GAP
    out = Image.new("RGB", (8 * cell - GAP, 4 * cell - GAP), (40, 40, 48))
    for p in range(32):
        x, y = (p % 10) * 50, (p // 10) * 50
        pic = sheet.crop((x, y, x + 50, y + 50))
        if scale != 1:
            pic = pic.resize((50 * scale, 50 * scale), Image.NEAREST)
        out.paste(pic, ((p % 8) * cell, (p // 8) * cell))
    return out


def contact_sheet(path):
    sheet = quantised(Image.open(path).convert("RGB"))
    grey = sheet.convert("L").convert("RGB")
    parts = [("1:1", grid(sheet, 1)), ("1:1, grey", grid(grey, 1)),
             ("2x", grid(sheet, 2)), ("2x, grey", grid(grey, 2))]
    w = max(PAD + parts[2][1].width + PAD, 4 * PAD + 2 * parts[0][1].width)
    h = PAD + HEAD + parts[0][1].height + PAD + 2 * (HEAD + parts[2][1].height + PAD)
    out = Image.new("RGB", (w, h), (250, 248, 240))
    d = ImageDraw.Draw(out)
    font = ImageFont.truetype(FONT, 13) if os.path.exists(FONT) else ImageFont.load_default()
    y = PAD
    d.text((PAD, y), parts[0][0], fill=(30, 30, 40), font=font)
    d.text((PAD + parts[0][1].width + 2 * PAD, y), parts[1][0], fill=(30, 30, 40), font=font)
    out.paste(parts[0][1], (PAD, y + HEAD))
    out.paste(parts[1][1], (PAD + parts[0][1].width + 2 * PAD, y + HEAD))
    y += HEAD + parts[0][1].height + PAD
    for label, img in parts[2:]:
        d.text((PAD, y), label, fill=(30, 30, 40), font=font)
        out.paste(img, (PAD, y + HEAD))
        y += HEAD + img.height + PAD
    return out


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    res, out_dir = argv[1], argv[2]
    os.makedirs(out_dir, exist_ok=True)
    for name in SETS:
        contact_sheet(os.path.join(res, name + ".bmp")).save(os.path.join(out_dir, "cards-%s.png" % name),
                                                             optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
