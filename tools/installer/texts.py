"""The Windows setup's own texts, marked for the game's catalogues (po/), which the build
turns into NSIS language strings, one set for each language the game speaks:

    texts.py LINGUAS CATALOGUE_DIR OUTPUT.nsh

reads the compiled catalogue (CATALOGUE_DIR/<tag>.mo) of each tag in LINGUAS.

NSIS's own words stay in them as they are: ${VERSION}, $INSTDIR and the like are filled in by
the setup, $_CLICK is the page's usual "click Next" line, and a line break is a plain "\\n".
"""
import gettext
import re
import sys
from pathlib import Path


def _(text):
    return text


TEXTS = {
    # TRANSLATORS: the Windows setup's first page; keep ${VERSION} and $_CLICK as they are.
    "welcome": _("This will install Pairwick ${VERSION}, a pair-matching card game, for you "
                 "alone: it needs no administrator rights.\n\nYour scores, options and saved "
                 "games stay where they are when you install a newer version over this one."
                 "\n\n$_CLICK"),
    "licence_bottom": _("Pairwick is free software under the MIT License above."),
    "finish_run": _("Start Pairwick"),
    # TRANSLATORS: the uninstaller's first page; keep ${VERSION} and $_CLICK as they are.
    "uninstall_top": _("Pairwick ${VERSION} will be removed from the folder below. Your "
                       "scores, options and saved games in it are kept. $_CLICK"),
    "running_retry": _("Pairwick is running. Close it, then click Retry."),
    "running": _("Pairwick is running."),
    # TRANSLATORS: keep $INSTDIR as it is: the setup puts the folder there.
    "cannot_write": _("Cannot write in $INSTDIR."),
    "link_full_screen": _("Play Pairwick full screen"),
    "link_window": _("Play Pairwick in a window"),
    "section_desktop": _("Desktop shortcut"),
    "describe_game": _("The game, its Start-menu entries and its entry in Apps & features."),
    "describe_desktop": _("A Pairwick icon on your desktop."),
    # TRANSLATORS: keep $INSTDIR and ${LIST} as they are.
    "no_list": _("$INSTDIR holds no list of installed files (${LIST}), so nothing is removed."),
    # TRANSLATORS: the lines below are shown in the setup's details; keep every $ word
    # ($0, $1, $2, $4, ${LIST}, $INSTDIR) as it is.
    "not_ours": _("Not removed, not the setup's: $1"),
    "not_removed": _("Could not remove $1"),
    "list_kept": _("Kept ${LIST}: $4 of the files it names could not be removed."),
    "not_carried_own": _("Not carried, $1 has its own: $0\\$2"),
    "not_carried": _("Not carried, it could not be moved: $0\\$2"),
    "folder_kept": _("Kept $INSTDIR: your own files are in it."),
}

# Each catalogue's language among NSIS's. NSIS's Spanish speaks as Spain does ("ordenador",
# where SpanishInternational says "computadora"); a language serves the player's where their
# primary languages agree, so it serves every Spanish, as PortugueseBR serves Portugal's.
NSIS_LANGUAGES = {"de": "German", "es": "Spanish", "fr": "French", "it": "Italian",
                  "nl": "Dutch", "pl": "Polish", "pt_BR": "PortugueseBR", "ru": "Russian"}

NSIS_WORD = re.compile(r"\$(?:\{\w+\}|\w+)")


def nsis_string(text):
    """text in NSIS's double quotes; its $ words are NSIS's and stay as they are."""
    for plain, escaped in (('"', '$\\"'), ("\n", "$\\r$\\n"), ("\t", "$\\t")):
        text = text.replace(plain, escaped)
    return f'"{text}"'


def language_strings(tags, catalogue_dir):
    """The lines of the .nsh: each language and every text in it, English first, which the
    setup speaks where it has not the player's language, and where a catalogue has no
    translation."""
    lines = ["; Made by the build from tools/installer/texts.py and the catalogues."]
    for tag in [None] + tags:
        if tag is None:
            name, translate = "English", str
        elif tag not in NSIS_LANGUAGES:
            sys.exit(f"texts.py: no NSIS language is named for the catalogue {tag}")
        else:
            name = NSIS_LANGUAGES[tag]
            with open(Path(catalogue_dir) / f"{tag}.mo", "rb") as mo:
                translate = gettext.GNUTranslations(mo).gettext
        lines.append(f'!insertmacro MUI_LANGUAGE "{name}"')
        for key, english in TEXTS.items():
            text = translate(english)
            # A word lost or misspelt would show the player a bare $ or an empty place.
            if set(NSIS_WORD.findall(text)) != set(NSIS_WORD.findall(english)):
                sys.exit(f"{tag}.po: the translation of {english!r} must keep "
                         f"{' '.join(sorted(set(NSIS_WORD.findall(english))))} and no other "
                         f"$ word: {text!r}")
            lines.append(f"LangString {key} ${{LANG_{name}}} {nsis_string(text)}")
    return lines


if __name__ == "__main__":
    linguas, catalogue_dir, output = sys.argv[1:]
    tags = [line.strip() for line in open(linguas, encoding="utf-8") if line[:1].isalpha()]
    lines = language_strings(tags, catalogue_dir)
    # With its byte-order mark, makensis reads the file as UTF-8 whatever its own code page.
    Path(output).write_text("\ufeff" + "\n".join(lines) + "\n", encoding="utf-8")
