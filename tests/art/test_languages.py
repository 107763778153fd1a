"""Pictures with words in other languages, and the English ones over the backgrounds that
no longer carry their words."""
import os
import subprocess

import pytest
from PIL import Image, ImageChops

from artlib import WHITE, WORDED, in_bucket, load, paste_keyed

# Words longer than the English at its size (drawn smaller), Cyrillic and Polish letters.
CATALOGUES = {
    "de": {"Options": "Einstellungen des Spiels",
           "Press Enter or Escape to continue": "Eingabe oder Escape drücken, um fortzufahren",
           "NEXT": "WEITER", "Power-ups": "Extras"},
    "ru": {"Help": "Справка", "find the pairs before the clock runs out":
           "найдите пары, пока не кончилось время", "NEXT": "ДАЛЕЕ"},
    "pl": {"High Scores": "Najlepsze wyniki", "Save game": "Zapisz grę", "NEXT": "DALEJ",
           "Power-ups": "Wzmocnienia"},
}


def artgen(folder, catalogues, *more):
    for tag, words in catalogues.items():
        po = folder / (tag + ".po")
        po.write_text('msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n' + "".join(
            '\nmsgid "%s"\nmsgstr "%s"\n' % pair for pair in words.items()), encoding="utf-8")
        subprocess.run(["msgfmt", "-o", str(folder / (tag + ".mo")), str(po)], check=True)
    return subprocess.run([os.environ["ARTGEN"], str(folder / "dist"), str(folder / "res"),
                           "--catalogues", str(folder), *catalogues, *more],
                          capture_output=True, text=True, timeout=120)


@pytest.fixture(scope="module")
def drawn(tmp_path_factory):
    folder = tmp_path_factory.mktemp("languages")
    proc = artgen(folder, CATALOGUES, "--shown", str(folder / "shown"))
    assert proc.returncode == 0, proc.stderr
    return folder


@pytest.mark.parametrize("tag", CATALOGUES)
def test_every_picture_in_every_language(drawn, tag):
    dist = drawn / "dist"
    assert sorted(os.listdir(dist / "other" / tag)) == sorted(os.path.basename(n) for n in WORDED)
    for name, (english, w, h, _x, _y) in WORDED.items():
        img, own = load(dist / "other" / tag / os.path.basename(name)), load(dist / name)
        assert img.size == (w, h), name
        assert (img.tobytes() != own.tobytes()) == (english in CATALOGUES[tag]), name
        assert not [p for p in img.getdata() if p != WHITE and in_bucket(p, WHITE)], name
        if name == "animations/next.bmp":
            # Only the word differs from the English button, inside the rim, left of the chevrons.
            for f in range(6):
                box = (f * 100, 0, f * 100 + 100, 32)
                changed = ImageChops.difference(img.crop(box), own.crop(box)).getbbox()
                assert changed is None or (changed[0] >= 4 and changed[1] >= 4 and changed[2] <= 63
                                           and changed[3] <= 28), (f, changed)
        else:
            ink = ImageChops.difference(img, Image.new("RGB", img.size, WHITE)).getbbox()
            assert ink[0] >= 1 and ink[1] >= 1 and ink[2] <= w - 1 and ink[3] <= h - 1, (name, ink)


@pytest.mark.parametrize("words,name,why", [
    ("Hilfe, Hilfe und noch viel mehr Hilfe", "other/xx/help_title.bmp", "do not fit"),
    ("李", "other/xx/help_title.bmp", 'no letter "李"'),
])
def test_words_that_cannot_be_drawn_stop_the_build(tmp_path, words, name, why):
    proc = artgen(tmp_path, {"xx": {"Help": words}})
    assert proc.returncode == 1 and name in proc.stderr and why in proc.stderr, proc.stderr
    assert '"%s"' % words in proc.stderr and not (tmp_path / "dist" / name).exists()


@pytest.mark.parametrize("background,pieces", [
    ("backgrounds/intro.bmp", ["other/intro_line.bmp", "other/intro_press.bmp"]),
    ("info_bar/background.bmp", ["other/power_ups.bmp"]),
])
def test_english_words_over_the_background_give_it_as_drawn_in_one_piece(drawn, background, pieces):
    bare, whole = load(drawn / "dist" / background), load(drawn / "shown" / background)
    screen = bare.copy()
    for name in pieces:
        _words, w, h, x, y = WORDED[name]
        piece = load(drawn / "dist" / name)
        paste_keyed(screen, piece, (x, y), WHITE)
        # Under the words the background is not the words again: at most their faint rim
        # comes out the same.
        ink = [(x + i % w, y + i // w) for i, p in enumerate(piece.getdata()) if p != WHITE]
        assert sum(bare.getpixel(p) == whole.getpixel(p) for p in ink) < len(ink) / 2, name
    assert ImageChops.difference(screen, whole).getbbox() is None
