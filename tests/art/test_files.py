"""The generator's output: exact file set, formats, sizes and byte-for-byte repeatability."""
import os
import struct
import subprocess

import pytest

from PIL import Image

from artlib import DIST_FILES, ICON_SIZES, RES_FILES, RES_SHEETS, bmp_header
from conftest import run_artgen


def listing(root):
    out = set()
    for d, _, files in os.walk(root):
        for f in files:
            out.add(os.path.relpath(os.path.join(d, f), root).replace(os.sep, "/"))
    return out


def test_two_runs_are_byte_identical(tmp_path):
    a = run_artgen(str(tmp_path / "a"))
    b = run_artgen(str(tmp_path / "b"))
    for root_a, root_b in zip(a, b):
        assert listing(root_a) == listing(root_b)
        for rel in sorted(listing(root_a)):
            with open(os.path.join(root_a, rel), "rb") as fa, open(os.path.join(root_b, rel), "rb") as fb:
                assert fa.read() == fb.read(), rel + " differs between two runs"


def test_exact_file_set(art):
    dist, res = art
    assert listing(dist) == set(DIST_FILES)
    assert listing(res) == set(RES_FILES)


BMPS = [("dist", n, s[0], s[1]) for n, s in DIST_FILES.items()] + \
       [("res", n, 500, 250) for n in RES_SHEETS]


@pytest.mark.parametrize("where,name,w,h", BMPS, ids=[b[1] for b in BMPS])
def test_bmp_format(art, where, name, w, h):
    path = os.path.join(art[0] if where == "dist" else art[1], name)
    hd = bmp_header(path)
    row = (w * 3 + 3) & ~3
    assert hd["magic"] == b"BM"
    assert (hd["w"], hd["h"]) == (w, h), "positive height = bottom-up rows"
    assert hd["offset"] == 54 and hd["hsize"] == 40 and hd["planes"] == 1
    assert hd["bpp"] == 24 and hd["comp"] == 0
    assert hd["length"] == hd["size"] == 54 + row * h


def test_click_wav(art):
    with open(os.path.join(art[1], "click.wav"), "rb") as f:
        data = f.read()
    riff, size, wave, fmt, fsize, pcm, ch, rate, brate, align, bits = struct.unpack_from(
        "<4sI4s4sIHHIIHH", data, 0)
    assert (riff, wave, fmt) == (b"RIFF", b"WAVE", b"fmt ")
    assert size == len(data) - 8
    assert (fsize, pcm, ch, rate, bits, align, brate) == (16, 1, 1, 22050, 8, 1, 22050)
    tag, n = struct.unpack_from("<4sI", data, 36)
    assert tag == b"data"
    samples = data[44:44 + n]
    assert 0.2 <= n / rate <= 0.3
    assert max(abs(s - 128) for s in samples[:2000]) >= 40, "the click is audible"
    assert max(abs(s - 128) for s in samples[-500:]) <= 3, "and dies away to silence"


def test_missing_font_fails_cleanly(tmp_path):
    exe = os.environ["ARTGEN"]
    proc = subprocess.run([exe, str(tmp_path / "d"), str(tmp_path / "r"), "--font", str(tmp_path / "none.ttf")],
                          capture_output=True, text=True)
    assert proc.returncode != 0 and "font" in proc.stderr


def test_icon(art):
    """One .ico with the four sizes (256 as PNG, the rest as DIBs, as Windows reads
    them), the same pictures as the PNGs beside it, transparent round the cards."""
    res = art[1]
    with open(os.path.join(res, "pairwick.ico"), "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, len(ICON_SIZES))
    for i, n in enumerate(ICON_SIZES):
        w, h, colours, _r, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        assert (w or 256, h or 256, planes, bpp) == (n, n, 1, 32)
        assert offset + size <= len(data)
        entry = data[offset:offset + size]
        if n == 256:
            assert entry[:8] == b"\x89PNG\r\n\x1a\n"
        else:
            assert struct.unpack_from("<Iii", entry, 0) == (40, n, 2 * n)
        png = Image.open(os.path.join(res, "icons/pairwick-%d.png" % n))
        assert png.size == (n, n) and png.mode == "RGBA"
        ico = Image.open(os.path.join(res, "pairwick.ico"))
        ico.size = (n, n)
        ico = ico.convert("RGBA")
        worst = max(max(abs(a - b) for a, b in zip(p, q)) for p, q in zip(png.getdata(), ico.getdata())
                    if p[3] or q[3])
        assert worst <= 1, "%d px: .ico and PNG differ by %d" % (n, worst)
        alpha = png.getchannel("A")
        assert all(alpha.getpixel(c) == 0 for c in [(0, 0), (n - 1, 0)]), "top corners show through"
        assert alpha.getpixel((n // 2, n * 5 // 8)) == 255, "the cards are opaque"
        assert 0.35 <= sum(1 for a in alpha.getdata() if a) / (n * n) <= 0.9
