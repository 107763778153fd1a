"""The Windows setup's own texts, marked for the game's catalogues (po/), which the build
turns into NSIS language strings, one set for each language the game speaks.

NSIS's own words stay in them as they are: ${VERSION}, $INSTDIR and the like are filled in by
the setup, $_CLICK is the page's usual "click Next" line, and a line break is a plain "\\n".
"""


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
