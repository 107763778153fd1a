#!/usr/bin/python3
"""Times the game under Wine, screen by screen, against the floor program.

Usage: bench.py [--build DIR] [--pairs N] [--stretch S] [--starts N] [--share-seconds S]

It times build/bench/Pairwick.exe, the game's own sources built with the frame log (the
shipped exe has none). It starts its own Xvfb display and Wine prefix
(tests/harness/session.sh with a state file of its own), drives the game with xdotool and
reads the frame log the game writes when PAIRWICK_FRAME_LOG is set.

Game and floor run side by side, the floor on a second display and prefix of its own, and
take turns at painting: on each screen the bench stops one with SIGSTOP while the other
paints for a short stretch, floor then game, N pairs, both of a pair held on one CPU. Each
pair's ratio divides the game's median frame by the floor's from the same second, so a
change in the machine's load falls on both; a screen's figure is the median of its pairs'
ratios.

Then the game runs as a player has it, its frames paced as the game paces them, and on
each screen the bench reads how much CPU the game, its Wine server and the X server use
(utime and stime from /proc over a stretch of wall time) and how many frames a second the
game draws. It asserts nothing: it prints the tables and writes the same to
BUILD/bench/results.md.
"""
import argparse
import datetime
import os
import platform
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WINE64 = "/usr/lib/wine/wine64"
ART_DIRS = ("backgrounds", "info_bar", "animations", "cards", "other")
LONG_RUN_FRAMES = 10000

# Client positions of the menu's buttons (centres); the window sits at the screen origin.
NEW_GAME = (400, 190)
HIGH_SCORES = (400, 280)
HELP = (400, 340)
EXIT = (400, 370)
OPTIONS = (400, 310)
SAVE = (400, 220)
OPTIONS_BACK = (345, 580)


class FrameLog:
    """The lines a Pairwick frame log holds, re-read as the file grows."""

    def __init__(self, path):
        self.path = Path(path)
        self.offset = 0
        self.pending = ""
        self.frames = []   # (screen, in_shop, end_us, duration_us), one per frame
        self.samples = {}  # frame count -> (gdi objects, working set, peak working set)
        self.start = None  # (ms since process creation, first frame as Unix microseconds)
        self.marks = []    # (start-up step, ms since process creation), in order

    def read(self):
        try:
            with open(self.path, "r") as f:
                f.seek(self.offset)
                chunk = f.read()
                self.offset = f.tell()
        except FileNotFoundError:
            return self
        text = self.pending + chunk
        lines = text.split("\n")
        self.pending = lines.pop()  # an unfinished last line waits for the next read
        for line in lines:
            part = line.split()
            if not part:
                continue
            if part[0] == "f":
                self.frames.append((int(part[1]), int(part[2]), int(part[3]), int(part[4])))
            elif part[0] == "m":
                self.samples[int(part[1])] = (int(part[2]), int(part[3]), int(part[4]))
            elif part[0] == "s":
                self.marks.append((part[1], float(part[2])))
            elif part[0] == "start":
                self.start = (float(part[1]), int(part[2]))
        return self


class Session:
    """Our own Xvfb display and Wine prefix, through the test harness's session script."""

    def __init__(self, build, name=""):
        self.script = ROOT / "tests" / "harness" / "session.sh"
        self.state = build / f"bench{name}-session.env"
        # A prefix of our own: stopping the session ends its wineserver, which must never
        # take down a test run sharing the build tree's prefix.
        self.prefix = build / "bench" / f"wineprefix{name}"
        self.env = None

    def __enter__(self):
        subprocess.run([str(self.script), "start", str(self.state), str(self.prefix)],
                       check=True, stdout=sys.stderr)
        display = None
        for line in self.state.read_text().splitlines():
            if line.startswith("export DISPLAY="):
                display = line.split("=", 1)[1]
            if line.startswith("XVFB_PID="):
                self.xvfb = int(line.split("=", 1)[1])
        self.env = dict(os.environ, DISPLAY=display, WINEPREFIX=str(self.prefix),
                        WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d")
        for k in ("PAIRWICK_FRAME_LOG", "PAIRWICK_BENCH_REPAINT"):
            self.env.pop(k, None)
        return self

    def __exit__(self, *exc):
        subprocess.run([str(self.script), "stop", str(self.state), str(self.prefix)],
                       stdout=sys.stderr)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                       capture_output=True)


class Program:
    """One run of an exe with a frame log, in the benchmark's working directory."""

    def __init__(self, session, exe, workdir, log_path, repaint):
        self.session = session
        env = dict(session.env, PAIRWICK_FRAME_LOG=str(log_path))
        if repaint:
            env["PAIRWICK_BENCH_REPAINT"] = "1"
        Path(log_path).unlink(missing_ok=True)
        self.log = FrameLog(log_path)
        self.launched = time.time()
        self.proc = subprocess.Popen([WINE64, str(exe)], cwd=workdir, env=env,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)

    def wait_for(self, predicate, timeout, what):
        deadline = time.monotonic() + timeout
        while True:
            self.log.read()
            if predicate(self.log):
                return
            if self.proc.poll() is not None:
                raise RuntimeError(f"the program ended (code {self.proc.returncode}) "
                                   f"while waiting for {what}")
            if time.monotonic() > deadline:
                raise RuntimeError(f"timed out after {timeout} s waiting for {what}")
            time.sleep(0.02)

    def wait_started(self):
        self.wait_for(lambda log: log.start is not None, 60, "the first frame")
        return self.log.start

    def pause(self):
        self.proc.send_signal(signal.SIGSTOP)

    def resume(self):
        self.proc.send_signal(signal.SIGCONT)

    def pin(self, cpus):
        """Keeps the program's threads, and those they start, on the given CPUs."""
        for task in Path(f"/proc/{self.proc.pid}/task").iterdir():
            try:
                os.sched_setaffinity(int(task.name), cpus)
            except ProcessLookupError:
                pass  # a thread that has just ended

    def paint_for(self, seconds):
        """Lets the paused program run `seconds`; returns the stretch's (start, end) as
        Unix seconds, the clock the log's first frame is stamped with."""
        begun = time.time()
        self.resume()
        time.sleep(seconds)
        self.pause()
        return begun, time.time()

    def frames_between(self, begun, ended):
        """The frames that both began and ended within (begun, ended), in Unix seconds.
        The frame a stop fell into lasts through the stop, and so is left out."""
        # The log times frames from its opening; its first frame also carries Unix time.
        offset = self.log.start[1] - self.log.frames[0][2]
        frames = [fr for fr in self.log.frames
                  if begun * 1e6 <= offset + fr[2] - fr[3] and offset + fr[2] <= ended * 1e6]
        if not frames:
            raise RuntimeError("a stretch without frames: the frame log's clock "
                               "does not match ours")
        return frames

    def stop(self, exit_keys=None):
        """Ends the program, politely through exit_keys() first if given."""
        self.resume()
        if self.proc.poll() is None and exit_keys:
            try:
                exit_keys()
                self.proc.wait(timeout=15)
            except (subprocess.TimeoutExpired, subprocess.CalledProcessError):
                pass
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.read()


def alternate(game, floor, pairs, stretch):
    """Lets floor and game paint in turn, floor first, the other stopped, `pairs` times;
    returns each pair's (floor stretch, game stretch) times for frames_between."""
    # Both of a pair run on one CPU, the pairs on each CPU in turn: the same frames have
    # taken half as long again on one of this machine's CPUs as on the other, and the
    # scheduler keeps a program on the CPU it last ran on, so game and floor could sit on
    # different CPUs for many pairs.
    cpus = sorted(os.sched_getaffinity(0))
    game.pause()
    times = []
    for i in range(pairs):
        for prog in (floor, game):
            prog.pin({cpus[i % len(cpus)]})
        times.append((floor.paint_for(stretch), game.paint_for(stretch)))
    for prog in (floor, game):
        prog.pin(cpus)
    game.resume()
    return times


def frame_stats(stretches):
    durations = sorted(fr[3] / 1000.0 for frames in stretches for fr in frames)
    n = len(durations)
    p90 = durations[min(n - 1, int(round(0.9 * (n - 1))))]
    # Frames per second of the time the program ran, its stopped time left out.
    span = sum(frames[-1][2] - frames[0][2] for frames in stretches) / 1e6
    paced = sum(len(frames) - 1 for frames in stretches)
    return {"frames": n, "median": statistics.median(durations), "p90": p90,
            "fps": paced / span if span > 0 else float("nan")}


def paired_ratios(pairs):
    def median_ms(frames):
        return statistics.median(fr[3] for fr in frames) / 1000.0
    return sorted(median_ms(game) / median_ms(floor) for floor, game in pairs)


def wait_for_quiet(timeout=5.0, idle_share=0.85, window=0.1):
    """Waits until the machine's CPUs were mostly idle over one short window: Wine and
    the X server tear a finished program down after it has gone, and a start timed
    during that work times the teardown too."""
    def cpu_times():
        with open("/proc/stat") as f:
            values = [int(v) for v in f.readline().split()[1:]]
        return values[3] + values[4], sum(values)  # idle + iowait, all
    deadline = time.monotonic() + timeout
    idle, total = cpu_times()
    while time.monotonic() < deadline:
        time.sleep(window)
        idle2, total2 = cpu_times()
        if total2 > total and (idle2 - idle) / (total2 - total) >= idle_share:
            return
        idle, total = idle2, total2


def startup_times(session, programs, workdir, logdir, starts):
    """Median start-up of each program, measured from process creation (as the process
    sees it) and from the launcher's spawn of Wine, each to the end of the first frame.
    The programs take turns, so a change in the machine's load falls on all alike; each
    start leaves the way a player would, and the next waits for a quiet machine."""
    results = {name: {"created_all": [], "launched_all": [], "marks": []}
               for name in programs}
    for i in range(starts + 1):
        for name, (exe, leave) in programs.items():
            wait_for_quiet()
            prog = Program(session, exe, workdir, logdir / f"{name}-start{i}.log",
                           repaint=False)
            since_creation, first_frame_us = prog.wait_started()
            prog.stop(lambda: leave(prog))
            if i == 0:
                continue  # a warm-up: the first start also fills file caches
            results[name]["created_all"].append(since_creation)
            results[name]["launched_all"].append(first_frame_us / 1000.0
                                                 - prog.launched * 1000.0)
            results[name]["marks"].append(prog.log.marks)
    for st in results.values():
        st["created"] = statistics.median(st["created_all"])
        st["launched"] = statistics.median(st["launched_all"])
        names = [m for m, _ in st["marks"][0]] if st["marks"] else []
        st["steps"] = [(m, statistics.median(dict(run)[m] for run in st["marks"]))
                       for m in names if all(m in dict(run) for run in st["marks"])]
    return results


def memory_row(log, frames):
    gdi, ws, _peak = log.samples[frames]
    return gdi, ws / 2**20


def walk_screens(game, x, measure, still_screens=False):
    """From the title to each screen in turn, measure(name, screen, in_shop) on each, and
    back to the menu at the end; with still_screens also the options and the save screen,
    which draw only on events."""
    def back_to_menu():
        x("key", "Escape")
        game.wait_for(lambda log: log.frames[-1][0] == 1, 30, "the menu")

    measure("intro", 0)
    x("key", "Escape")
    measure("menu", 1)
    x("mousemove", *NEW_GAME, "click", 1)
    measure("play (full board)", 2, 0)
    x("key", "F9")
    measure("shop", 2, 1)
    back_to_menu()
    screens = [("high scores", 5, HIGH_SCORES), ("help", 7, HELP)]
    if still_screens:
        screens += [("options", 6, OPTIONS), ("save", 3, SAVE)]
    for name, screen, button in screens:
        x("mousemove", *button, "click", 1)
        measure(name, screen)
        if screen == 6:  # only Back leaves the options
            x("mousemove", *OPTIONS_BACK, "click", 1)
            game.wait_for(lambda log: log.frames[-1][0] == 1, 30, "the menu")
        else:
            back_to_menu()


def run_screens(session, floor_session, game_exe, floor_exe, workdir, logdir, pairs,
                stretch):
    """Times each screen of the game in turns with the floor, which runs all the while on
    a display and prefix of its own (in one Wine session the game's window would cover
    the floor's, and a covered window paints less); then lets both run on to frame
    10,000."""
    floor = Program(floor_session, floor_exe, workdir, logdir / "floor.log", repaint=False)
    game = None
    x = session.xdotool
    timed = {}  # screen's name -> (which of the game's frames are its, stretch times)
    try:
        floor.wait_started()
        floor.pause()
        game = Program(session, game_exe, workdir, logdir / "game.log", repaint=True)
        game.wait_started()

        def measure(name, screen, in_shop=None):
            # The shop flag outlives the shop (it holds until the next level), so it
            # tells the shop from the board only on the play screen.
            def ours(fr):
                return fr[0] == screen and (screen != 2 or fr[1] == in_shop)
            game.wait_for(lambda log: ours(log.frames[-1]), 30, f"the {name} screen")
            timed[name] = (ours, alternate(game, floor, pairs, stretch))

        walk_screens(game, x, measure)
        # The rest of the long run on a fresh board, the screen players spend time on.
        x("mousemove", *NEW_GAME, "click", 1)
        floor.resume()
        for prog in (game, floor):
            prog.wait_for(lambda log: LONG_RUN_FRAMES in log.samples, 600,
                          f"{LONG_RUN_FRAMES} frames")
        long_run_screen = game.log.frames[LONG_RUN_FRAMES - 1][0]
    finally:
        def exit_keys():
            x("key", "Escape")
            time.sleep(0.5)
            x("mousemove", *EXIT, "click", 1)
        if game:
            game.stop(exit_keys)
        floor.stop(lambda: floor_session.xdotool("key", "Escape"))
    # Read once both have gone: a stopped program holds its last frames unwritten.
    screens = {name: [(floor.frames_between(*f),
                       [fr for fr in game.frames_between(*g) if ours(fr)])
                      for f, g in times]
               for name, (ours, times) in timed.items()}
    return game.log, floor.log, screens, long_run_screen, game.proc.returncode


def cpu_ticks(pid):
    """User and system time a process has used, in clock ticks."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def wine_server(prefix):
    """The Wine server of the given prefix."""
    for p in Path("/proc").iterdir():
        try:
            if not (p / "comm").read_text().startswith("wineserver"):
                continue
            if f"WINEPREFIX={prefix}".encode() in (p / "environ").read_bytes().split(b"\0"):
                return int(p.name)
        except OSError:
            continue
    return None


def cpu_shares(session, game_exe, workdir, logdir, seconds):
    """The game as a player has it, frames paced by the game itself: on each screen, the
    share of one core that the game, its Wine server and the X server use, and the
    game's frames per second, over `seconds` of wall time."""
    x = session.xdotool
    game = Program(session, game_exe, workdir, logdir / "paced.log", repaint=False)
    rows = []
    try:
        game.wait_started()
        server = wine_server(session.prefix)
        processes = {"game": game.proc.pid, "wineserver": server, "X": session.xvfb}

        def measure(name, screen, in_shop=None):
            def ours(fr):
                return fr[0] == screen and (screen != 2 or fr[1] == in_shop)
            game.wait_for(lambda log: log.frames and ours(log.frames[-1]), 30,
                          f"the {name} screen")
            time.sleep(1.0)  # past the switch's own frames
            game.log.read()
            frames_before = len(game.log.frames)
            before = {k: cpu_ticks(v) for k, v in processes.items()}
            begun = time.monotonic()
            time.sleep(seconds)
            after = {k: cpu_ticks(v) for k, v in processes.items()}
            span = time.monotonic() - begun
            frames = len(game.log.read().frames) - frames_before
            hz = os.sysconf("SC_CLK_TCK")
            share = {k: 100.0 * (after[k] - before[k]) / hz / span for k in processes}
            rows.append((name, frames / span, share))
            print(f"  {name}: {frames / span:.1f} frames/s, "
                  f"{sum(share.values()):.1f} % of a core", file=sys.stderr)

        walk_screens(game, x, measure, still_screens=True)
    finally:
        game.stop(lambda: x("mousemove", *EXIT, "click", 1))
    return rows


def machine():
    cpu = "unknown CPU"
    try:
        for line in open("/proc/cpuinfo"):
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    wine = subprocess.run([WINE64, "--version"], capture_output=True, text=True).stdout.strip()
    return f"{cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, {wine}"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default=str(ROOT / "build"))
    ap.add_argument("--pairs", type=int, default=10,
                    help="floor-and-game stretches per screen")
    ap.add_argument("--stretch", type=float, default=0.4,
                    help="seconds each program paints in its turn")
    ap.add_argument("--starts", type=int, default=9, help="timed starts of each program")
    ap.add_argument("--share-seconds", type=float, default=10.0,
                    help="seconds of wall time over which each screen's CPU share is read")
    args = ap.parse_args()
    build = Path(args.build).resolve()
    # The game's own sources built with the frame log; the shipped exe carries none.
    game_exe = build / "bench" / "Pairwick.exe"
    dist = build / "dist"
    floor_exe = build / "bench" / "floor.exe"
    out_dir = build / "bench"
    for exe in (game_exe, floor_exe):
        if not exe.exists():
            sys.exit(f"{exe} is missing: build first (make build)")

    work = Path(tempfile.mkdtemp(prefix="pairwick-bench."))
    logdir = out_dir / "logs"
    logdir.mkdir(parents=True, exist_ok=True)
    for d in ART_DIRS:
        if (dist / d).is_dir():
            (work / d).symlink_to(dist / d)
    load_before = os.getloadavg()
    started = datetime.datetime.now()
    try:
        with Session(build) as session:
            with Session(build, "-floor") as floor_session:
                print("Timing start-ups ...", file=sys.stderr)
                x = session.xdotool

                def leave_game(prog):
                    x("key", "Escape")
                    prog.wait_for(lambda log: log.frames and log.frames[-1][0] == 1, 30,
                                  "the menu")
                    x("mousemove", *EXIT, "click", 1)

                starts = startup_times(session, {
                    "floor": (floor_exe, lambda prog: x("key", "Escape")),
                    "game": (game_exe, leave_game)}, work, logdir, args.starts)
                floor_start, game_start = starts["floor"], starts["game"]
                print("Timing the game's screens in turns with the floor ...",
                      file=sys.stderr)
                game_log, floor_log, screens, long_screen, exit_code = run_screens(
                    session, floor_session, game_exe, floor_exe, work, logdir, args.pairs,
                    args.stretch)
            # The floor gone, so that nothing but the game runs on the X server.
            print("Reading each screen's CPU share, frames paced by the game ...",
                  file=sys.stderr)
            shares = cpu_shares(session, game_exe, work, logdir, args.share_seconds)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    load_after = os.getloadavg()

    lines = []
    out = lines.append
    out(f"# Pairwick benchmark, {started:%Y-%m-%d %H:%M}")
    out("")
    out(f"Machine: {machine()}; Xvfb 800x600x16. "
        f"Load average before/after: {load_before[0]:.2f}/{load_after[0]:.2f}.")
    out("")
    all_floor = [floor for pairs in screens.values() for floor, _ in pairs]
    fewest = min(len(frames) for pairs in screens.values() for pair in pairs
                 for frames in pair)
    out(f"Frames: game and floor run side by side, each on a display of its own, and take "
        f"turns at painting while the other is stopped (SIGSTOP): on each screen "
        f"{args.pairs} pairs of {args.stretch:g} s stretches, floor then game, both of a "
        f"pair on one CPU and the pairs on each CPU in turn; at least {fewest} frames a "
        "stretch, continuous repaint (PAIRWICK_BENCH_REPAINT=1). A frame that a stop fell "
        "into is left out. Frame time is the paint of one frame (back buffer, drawing, "
        "copy, release); fps counts frames per second of the time the program ran. "
        "Median / floor is the median of the pairs' ratios, each the game's median frame "
        "over the floor's in the stretch just before, so both come from the same second "
        "of machine load; the range gives the lowest and highest pair. The floor's row "
        "holds all its stretches.")
    out("")
    out("| Screen | Frames | Median ms | P90 ms | FPS | Median / floor | Pairs' range |")
    out("|---|---:|---:|---:|---:|---:|---:|")
    for name, pairs in screens.items():
        s = frame_stats([game for _, game in pairs])
        ratios = paired_ratios(pairs)
        out(f"| {name} | {s['frames']} | {s['median']:.2f} | {s['p90']:.2f} | "
            f"{s['fps']:.0f} | {statistics.median(ratios):.2f}x | "
            f"{ratios[0]:.2f}–{ratios[-1]:.2f} |")
    s = frame_stats(all_floor)
    out(f"| floor | {s['frames']} | {s['median']:.2f} | {s['p90']:.2f} | {s['fps']:.0f} "
        "| 1.00x | |")
    out("")
    out(f"CPU as a player has it: the game alone on its display, frames paced by the game "
        f"itself (no forced repaint), each screen read over {args.share_seconds:g} s of "
        "wall time after a second to settle. Shares are of one core, from utime + stime "
        "in /proc; the frames are those the game logged in the same stretch. The goal for "
        "the play screen is at most 2 % for the three together.")
    out("")
    out("| Screen | Frames/s | Game % | Wine server % | X server % | All three % |")
    out("|---|---:|---:|---:|---:|---:|")
    for name, fps, share in shares:
        out(f"| {name} | {fps:.1f} | {share['game']:.1f} | {share['wineserver']:.1f} | "
            f"{share['X']:.1f} | {sum(share.values()):.1f} |")
    out("")
    out(f"Start-up to the first finished frame, median of {args.starts} starts "
        "(after one warm-up start each; floor and game take turns, each start waits for "
        "a quiet machine):")
    out("")
    out("| Program | From process creation, ms | From launching wine64, ms |")
    out("|---|---:|---:|")
    for name, st in (("Pairwick.exe", game_start), ("floor", floor_start)):
        out(f"| {name} | {st['created']:.0f} | {st['launched']:.0f} |")
    out(f"| ratio game / floor | {game_start['created'] / floor_start['created']:.2f}x | "
        f"{game_start['launched'] / floor_start['launched']:.2f}x |")
    out("")
    out("All starts, ms from process creation: game "
        + ", ".join(f"{v:.0f}" for v in game_start["created_all"]) + "; floor "
        + ", ".join(f"{v:.0f}" for v in floor_start["created_all"]) + ".")
    out("")
    out("Where the game's start-up goes (median ms since process creation at the end of "
        "each step, in the order reached; the title shows before the rest is made):")
    out("")
    out("| Step | Reached at, ms | Step took, ms |")
    out("|---|---:|---:|")
    previous = 0.0
    for step, at in sorted(game_start["steps"] + [("first frame", game_start["created"])],
                           key=lambda s: s[1]):
        out(f"| {step} | {at:.0f} | {at - previous:.0f} |")
        previous = at
    out("")
    out("| Program | GDI objects after start | after 10,000 frames | "
        "Working set after start, MB | after 10,000 frames, MB |")
    out("|---|---:|---:|---:|---:|")
    for name, log in (("Pairwick.exe", game_log), ("floor", floor_log)):
        g1, w1 = memory_row(log, 1)
        g2, w2 = memory_row(log, LONG_RUN_FRAMES)
        out(f"| {name} | {g1} | {g2} | {w1:.1f} | {w2:.1f} |")
    out("")
    screen_names = {0: "intro", 1: "menu", 2: "play", 5: "high scores", 7: "help"}
    out(f"The game's 10,000 frames span every screen above, then the play screen "
        f"(frame 10,000 was on the {screen_names.get(long_screen, long_screen)} screen); "
        f"the game then left through the menu's Exit with code {exit_code}.")
    text = "\n".join(lines) + "\n"
    print(text)
    (out_dir / "results.md").write_text(text)
    print(f"(written to {out_dir / 'results.md'}; frame logs in {logdir})", file=sys.stderr)


if __name__ == "__main__":
    main()
