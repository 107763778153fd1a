"""The Windows setup under Wine: what it installs, its Start-menu entries and its entry in
Apps & features, the game played from its entry, a second install over the first and one
elsewhere, the uninstaller, which leaves the player's files, and the player's language.

The setup changes the registry and the user's folders: the harness gives the test a Wine
prefix of its own, with its server running, and a HOME beside it.
"""
import gettext
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path, PureWindowsPath

import pytest

from conftest import (BUILD, PATIENCE, ROOT, WINE64, Game, fixed_versions, immutable, label_of,
                      menu_shown, play_out_slot_one, saved_game_bytes, version, version_words)

sys.path.insert(0, str(ROOT / "tools" / "installer"))
from texts import TEXTS  # noqa: E402

KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pairwick"
LIST = "installed-files.txt"
UNINSTALLER = "uninstall.exe"


def setup_exe():
    path = BUILD / f"Pairwick-{version()}-setup.exe"
    # A missing setup is a failure: the build makes it.
    assert path.is_file(), f"{path} was not built"
    return path


def zipped_files():
    """The player's zip as {path relative to its top folder: bytes}."""
    top = f"Pairwick-{version()}/"
    with zipfile.ZipFile(BUILD / f"Pairwick-{version()}-win64.zip") as z:
        return {i.filename[len(top):]: z.read(i) for i in z.infolist() if not i.is_dir()}


def add_lines(folder, lines):
    """Appends lines to the list in folder, as the setup writes them."""
    with open(folder / LIST, "ab") as f:
        f.write("".join(f"{line}\r\n" for line in lines).encode("utf-16-le"))


def files_under(folder):
    return {p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.is_file()}


def identities(folder):
    """Each file under folder with what changes when it is replaced."""
    return {p: (st.st_ino, st.st_mtime_ns, st.st_size)
            for p in folder.rglob("*") if p.is_file() for st in [p.stat()]}


def read_shortcut(path):
    """The target, arguments and working directory of a Shell Link (.lnk) file."""
    data = path.read_bytes()
    assert data[:4] == b"L\0\0\0", f"{path.name} is not a shell link"
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at = 0x4C
    if flags & 0x01:  # an item id list of the target, which the link info repeats
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = None
    if flags & 0x02:  # the link info: the target as a local path
        size, _, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, at)
        assert info_flags & 1, f"{path.name} points at no local file"

        def ansi(offset):
            end = data.index(b"\0", at + offset)
            return data[at + offset:end].decode("cp1252")
        target = ansi(base) + ansi(suffix)
        at += size
    strings = {}
    wide = flags & 0x80
    for bit, name in ((0x04, "description"), (0x08, "relative path"), (0x10, "working dir"),
                      (0x20, "arguments"), (0x40, "icon")):
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            at += 2
            size = count * 2 if wide else count
            # Wine counts a string's terminating NUL in; Windows does not.
            text = data[at:at + size].decode("utf-16-le" if wide else "cp1252")
            strings[name] = text.rstrip("\0")
            at += size
    return {"target": target, "arguments": strings.get("arguments", ""),
            "working dir": strings.get("working dir"), "description": strings.get("description")}


class Prefix:
    """A Wine prefix of the test's own, with the environment every Wine command here gets."""

    def __init__(self):
        self.path = Path(os.environ["WINEPREFIX"])
        self.env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
        # No menu entries or file types for the Linux desktop: Wine's menu builder would
        # write them under HOME for every shortcut the setup makes.
        self.env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;"
                        "winemenubuilder.exe=d;winealsa.drv,winepulse.drv=d")
        # Wine takes the player's language from the locale: English, where a run names none.
        self.env["LC_ALL"] = "C.UTF-8"

    def run(self, *args, check=True, **env):
        # Into files, not pipes: a service Wine starts for the command inherits them and
        # outlives it, and reading a pipe would wait for the service to end.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            r = subprocess.run(args, env=dict(self.env, **env), stdin=subprocess.DEVNULL,
                               stdout=out, stderr=err, timeout=180)
            out.seek(0)
            err.seek(0)
            r.stdout = out.read().decode(errors="replace")
            r.stderr = err.read().decode(errors="replace")
        assert not check or r.returncode == 0, f"{args} exited {r.returncode}:\n{r.stderr}"
        return r

    def wine(self, *args, check=True, **env):
        return self.run(WINE64, *args, check=check, **env)

    def programs(self):
        """The prefix's running processes as {pid: command line}."""
        found = {}
        for proc in Path("/proc").iterdir():
            try:
                env = (proc / "environ").read_bytes().split(b"\0")
                cmd = (proc / "cmdline").read_bytes().decode(errors="replace")
            except OSError:  # not a process, one that has ended, or another user's
                continue
            if f"WINEPREFIX={self.path}".encode() in env:
                found[proc.name] = cmd
        return found

    def settle(self, before):
        """Waits until every program started since before (programs()) has ended, but
        Wine's own, which stay: an uninstaller runs on from a copy of itself after its own
        process has exited."""
        deadline = time.monotonic() + PATIENCE
        while any(pid not in before and not cmd.upper().startswith("C:\\WINDOWS\\")
                  for pid, cmd in self.programs().items()):
            assert time.monotonic() < deadline, f"still running: {self.programs()}"
            time.sleep(0.05)

    def unix(self, windows_path):
        p = PureWindowsPath(windows_path)
        assert p.drive.upper() == "C:", windows_path
        return self.path / "drive_c" / Path(*p.parts[1:])

    def user_folder(self):
        users = [p for p in (self.path / "drive_c" / "users").iterdir() if p.name != "Public"]
        assert len(users) == 1, users
        return users[0]

    def start_menu(self):
        return (self.user_folder() / "AppData" / "Roaming" / "Microsoft" / "Windows" /
                "Start Menu" / "Programs")

    def desktop(self):
        return self.user_folder() / "Desktop"

    def uninstall_key(self):
        """The values of the setup's uninstall key, or None where there is none."""
        r = self.wine("reg", "query", KEY, check=False)
        if r.returncode != 0:
            return None
        values = {}
        for line in r.stdout.splitlines():
            m = re.match(r"\s+(\S+)\s+(REG_SZ|REG_DWORD)\s+(.*)$", line)
            if m:
                name, kind, value = m.groups()
                values[name] = int(value, 16) if kind == "REG_DWORD" else value
        return values

    def uninstall(self):
        """Runs the uninstall key's quiet command, as Apps & features would."""
        quiet = self.uninstall_key()["QuietUninstallString"]
        m = re.fullmatch(r'"([^"]+)" (.*)', quiet)
        assert m, quiet
        before = self.programs()
        self.wine(m.group(1), *m.group(2).split())
        self.settle(before)


@pytest.fixture(scope="module")
def prefix():
    return Prefix()


def test_setup_installs_the_zip_the_entries_and_the_game_plays_there_until_uninstalled(
        prefix, request):
    setup = setup_exe()
    exe = setup.read_bytes()
    assert fixed_versions(exe) == (version_words(), version_words())
    assert f"ProductVersion\0{version()}\0".encode("utf-16-le") in exe

    prefix.wine(str(setup), "/S")
    folder = prefix.user_folder() / "AppData" / "Local" / "Programs" / "Pairwick"
    shipped = zipped_files()
    assert files_under(folder) == set(shipped) | {UNINSTALLER, LIST}
    for rel, content in shipped.items():
        assert (folder / rel).read_bytes() == content, rel
    assert (folder / UNINSTALLER).read_bytes()[:2] == b"MZ"

    menu = prefix.start_menu()
    links = {name: read_shortcut(menu / name) for name in ("Pairwick.lnk",
                                                           "Pairwick (window).lnk")}
    for name, link in links.items():
        assert prefix.unix(link["target"]) == folder / "Pairwick.exe", name
        assert prefix.unix(link["working dir"]) == folder, name
    assert links["Pairwick.lnk"]["arguments"] == ""
    assert links["Pairwick (window).lnk"]["arguments"] == "/window"
    assert [link["description"] for link in links.values()] == [TEXTS["link_full_screen"],
                                                                TEXTS["link_window"]]
    # The desktop shortcut is for the player to choose.
    assert not (prefix.desktop() / "Pairwick.lnk").exists()

    values = prefix.uninstall_key()
    windows_folder = links["Pairwick.lnk"]["working dir"]
    uninstaller = f"{windows_folder}\\{UNINSTALLER}"
    assert {k: v for k, v in values.items() if k != "EstimatedSize"} == {
        "DisplayName": "Pairwick", "DisplayVersion": version(),
        "Publisher": "The Pairwick developers",
        "DisplayIcon": f"{windows_folder}\\Pairwick.exe", "InstallLocation": windows_folder,
        "UninstallString": f'"{uninstaller}"', "QuietUninstallString": f'"{uninstaller}" /S',
        "NoModify": 1, "NoRepair": 1, "InstallerLanguage": 0x409}
    installed = [len(c) for c in shipped.values()] + [(folder / UNINSTALLER).stat().st_size]
    # Each file is counted in whole KB, rounded up.
    kb = sum(installed) / 1024
    assert kb <= values["EstimatedSize"] <= kb + len(installed)

    # Played from the Start-menu entry: the game writes its files beside itself.
    game = Game(prefix.unix(links["Pairwick.lnk"]["working dir"]), label_of(request))
    try:
        game.start(program=links["Pairwick.lnk"]["target"])
        game.screenshot(save="started_from_the_start_menu")
        assert (folder / "scores.dat").stat().st_size == 5600
        # Over a running game the setup stops before it changes anything: no file is
        # deleted and made anew.
        before = identities(folder)
        assert prefix.wine(str(setup), "/S", check=False).returncode == 2
        assert identities(folder) == before
        game.to_menu()
        # A result: a game saved seconds before its end, loaded and played out.
        (folder / "save1.dat").write_bytes(saved_game_bytes(level=4, minutes=0, seconds=1,
                                                            points=321))
        game.save(play_out_slot_one(game, "Installed"), "result_beside_the_exe")
        game.key("Escape")
        game.wait_until(menu_shown, what="the menu")
        game.menu("Exit")
        assert game.wait_exit() == 0
    finally:
        game.stop()
    scores = (folder / "scores.dat").read_bytes()
    assert scores[:10] == b"Installed\0"
    assert struct.unpack_from("<2i", scores, 256) == (4, 321)

    (folder / "cards" / "mine.bmp").write_bytes(b"BM")
    # What could not be removed stays listed, with the uninstaller and its key to try again.
    with immutable(folder / "cards"):
        prefix.uninstall()
    assert (folder / LIST).exists() and prefix.uninstall_key() is not None
    prefix.uninstall()
    # The player's files, the lock the game takes to write the table among them; the folder
    # of the player's own file stays, the others go.
    assert files_under(folder) == {"scores.dat", "scores.dat.lock", "save1.dat", "cards/mine.bmp"}
    assert [p.name for p in folder.iterdir() if p.is_dir()] == ["cards"]
    assert (folder / "scores.dat").read_bytes() == scores
    assert not any((menu / name).exists() for name in links)
    assert prefix.uninstall_key() is None


def test_a_second_install_and_one_elsewhere_keep_the_players_files_and_the_list_no_further(
        prefix):
    setup, first, second = str(setup_exe()), r"C:\Games\Pairwick", r"C:\New\Pairwick"
    # A key left naming a folder without the game: the player's file comes along and the
    # folder goes.
    stale = prefix.unix(r"C:\Stale\Pairwick")
    stale.mkdir(parents=True)
    (stale / "scores.dat").write_bytes(b"stale")
    prefix.wine("reg", "add", KEY, "/v", "InstallLocation", "/d", r"C:\Stale\Pairwick", "/f")
    # /D= names the folder; it must come last.
    prefix.wine(setup, "/S", f"/D={first}")
    assert not stale.exists()
    assert prefix.uninstall_key()["InstallLocation"] == first
    old, folder = prefix.unix(first), prefix.unix(second)
    player = {"scores.dat": os.urandom(5600), "options.ini": b"[CARDMODE]\r\n3\r\n[SOUND]\r\n1\r\n",
              "save1.dat": os.urandom(300), "save5.dat": os.urandom(300),
              "scores.dat.lock": b"", "cards/mine.bmp": os.urandom(100)}
    for rel, content in player.items():
        (old / rel).write_bytes(content)
    # Into a folder that cannot be made, the setup stops before the first install changes.
    before, locked = identities(old), prefix.unix(r"C:\Locked")
    locked.mkdir()
    with immutable(locked):
        assert prefix.wine(setup, "/S", r"/D=C:\Locked\Pairwick", check=False).returncode == 2
    assert identities(old) == before and prefix.uninstall_key()["InstallLocation"] == first
    prefix.wine("reg", "add", KEY, "/v", "DisplayVersion", "/d", "1.0.0", "/f")
    menu, desktop = prefix.start_menu(), prefix.desktop() / "Pairwick.lnk"
    desktop.write_bytes(b"another program's")

    # Without /D=: the setup goes where the last install is.
    prefix.wine(setup, "/S")
    assert desktop.read_bytes() == b"another program's"
    shipped = zipped_files()
    assert files_under(old) == set(shipped) | {UNINSTALLER, LIST} | set(player)
    for rel, content in player.items():
        assert (old / rel).read_bytes() == content, f"{rel} changed"
    assert prefix.uninstall_key()["DisplayVersion"] == version()
    shutil.copy(menu / "Pairwick.lnk", desktop)  # as if the player had chosen it
    desktop_link = rf"link C:\users\{prefix.user_folder().name}\Desktop\Pairwick.lnk"
    add_lines(old, [desktop_link])

    # Elsewhere: the player's files go along, but never over one the new folder has.
    folder.mkdir(parents=True)
    (folder / "options.ini").write_bytes(b"new options.ini")
    prefix.wine(setup, "/S", f"/D={second}")
    assert [(folder / rel).read_bytes() for rel in ("scores.dat", "save5.dat", "options.ini")] == [
        player["scores.dat"], player["save5.dat"], b"new options.ini"]
    assert files_under(old) == {"options.ini", "cards/mine.bmp"}
    assert (old / "options.ini").read_bytes() == player["options.ini"]
    assert prefix.uninstall_key()["InstallLocation"] == second
    assert read_shortcut(desktop)["target"] == second + r"\Pairwick.exe"

    # A link in the folder to one outside: the list's own line leads through it.
    outside = prefix.unix(r"C:\Outside")
    outside.mkdir()
    shutil.rmtree(folder / "cards")
    (folder / "cards").symlink_to(outside)
    # Lines the setup never writes, each with the file it aims at, which stays.
    start_menu_link = re.search(r"link .*\\Pairwick\.lnk", (folder / LIST).read_text("utf-16-le"))
    hostile = {r"file ..\victim.txt": folder.parent / "victim.txt",
               "file *.ini": folder / "options.ini", r"file \save2.dat": folder / "save2.dat",
               "file scores.dat": folder / "scores.dat",
               "file save3.dat.42.tmp": folder / "save3.dat.42.tmp",
               "file notes.txt": folder / "notes.txt",
               # Windows' file search takes these for wildcards too.
               "file scores.da>": folder / "scores.dat", "file options.in>": folder / "options.ini",
               "file save>.dat": folder / "save1.dat",
               r"link C:\Pairwick.lnk": prefix.path / "drive_c" / "Pairwick.lnk",
               start_menu_link.group().replace("Pairwick.lnk", "Other.lnk"): menu / "Other.lnk",
               start_menu_link.group().replace("Pairwick.lnk", "Pairwick Editor.lnk"):
                   menu / "Pairwick Editor.lnk",
               desktop_link.replace("Pairwick.lnk", "Pairwick Tools.lnk"):
                   desktop.with_name("Pairwick Tools.lnk"),
               r"file cards\dynamite.bmp": outside / "dynamite.bmp"}
    for target in hostile.values():
        if not target.exists():
            target.write_bytes(b"mine")
    add_lines(folder, hostile)
    prefix.uninstall()
    assert [line for line, target in hostile.items() if not target.exists()] == []
    assert not any(p.exists() for p in (desktop, menu / "Pairwick.lnk",
                                        menu / "Pairwick (window).lnk"))
    assert prefix.uninstall_key() is None


def test_the_setup_speaks_the_players_language(prefix):
    if "de_DE.utf8" not in subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout:
        try:  # --keep-existing generates a locale listed twice only once
            with open("/etc/locale.gen", "a") as f:
                f.write("de_DE.UTF-8 UTF-8\n")
            subprocess.run(["locale-gen", "--keep-existing"], check=True, capture_output=True)
        except (OSError, subprocess.CalledProcessError) as e:
            pytest.skip(f"the de_DE.UTF-8 locale is missing and could not be generated: {e}")
    with open(BUILD / "catalogues" / "de.mo", "rb") as mo:
        german = gettext.GNUTranslations(mo).gettext
    prefix.wine(str(setup_exe()), "/S", LC_ALL="de_DE.UTF-8")
    described = [read_shortcut(prefix.start_menu() / name)["description"]
                 for name in ("Pairwick.lnk", "Pairwick (window).lnk")]
    assert described == [german(TEXTS["link_full_screen"]), german(TEXTS["link_window"])]
    assert described[0] != TEXTS["link_full_screen"], "de.po does not translate it"
    # The uninstaller speaks it too, whatever the player's language is by then.
    assert prefix.uninstall_key()["InstallerLanguage"] == 0x407
