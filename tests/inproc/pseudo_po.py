"""Writes a pseudo-language's catalogue from the template: every text 40 % longer, its
letters accented, its printf conversions and underlined letters kept, so that the fit check
shows where a real translation would run over.
    pseudo_po.py TEMPLATE.pot OUTPUT.po
"""
import math
import re
import sys

ACCENTED = str.maketrans("aceinosuyzACEINOSUYZ", "åçéîñöšüýžÅÇÉÎÑÖŠÜÝŽ")
# A printf conversion, a caption's & with its letter, or a run of anything else.
PIECES = re.compile(r"%[-+ #0-9.]*l?[a-zA-Z%]|&.|[^%&]+|[%&]")


def pseudo(text):
    out = "".join(p if p.startswith("%") else p.translate(ACCENTED) for p in PIECES.findall(text))
    pad = max(1, math.ceil(len(text) * 0.4) - 3)
    return "[" + out + " " + "~" * pad + "]"


def unquote(line):
    return bytes(line.strip()[1:-1], "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")


def quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def entries(lines):
    """(context, singular, plural) of each message of a .pot, the header left out."""
    entry, key = {}, None
    for line in lines + [""]:
        line = line.rstrip("\n")
        if line.startswith(("msgctxt ", "msgid ", "msgid_plural ")):
            key, rest = line.split(" ", 1)
            entry[key] = unquote(rest)
        elif line.startswith('"') and key:
            entry[key] += unquote(line)
        elif line.startswith("msgstr"):
            key = None
        elif not line.strip() and entry.get("msgid"):
            yield entry.get("msgctxt"), entry["msgid"], entry.get("msgid_plural")
            entry, key = {}, None
        elif not line.strip():
            entry, key = {}, None


def main(template, output):
    with open(template, encoding="utf-8") as f:
        lines = f.readlines()
    header = ["Project-Id-Version: Pairwick", "PO-Revision-Date: 2026-01-01 00:00+0000",
              "Last-Translator: Pairwick tests", "Language-Team: none", "Language: qps",
              "MIME-Version: 1.0", "Content-Type: text/plain; charset=UTF-8",
              "Content-Transfer-Encoding: 8bit", "Plural-Forms: nplurals=2; plural=(n != 1);"]
    out = ['msgid ""', 'msgstr ""'] + [quote(h + "\n") for h in header] + [""]
    for context, singular, plural in entries(lines):
        if context:
            out.append("msgctxt " + quote(context))
        out.append("msgid " + quote(singular))
        if plural:
            out.append("msgid_plural " + quote(plural))
            out.append("msgstr[0] " + quote(pseudo(singular)))
            out.append("msgstr[1] " + quote(pseudo(plural)))
        else:
            out.append("msgstr " + quote(pseudo(singular)))
        out.append("")
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main(*sys.argv[1:3])
