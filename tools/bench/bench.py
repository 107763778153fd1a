#!/usr/bin/python3
"""Times the game under Wine, screen by screen, against the floor program.

Usage: bench.py [--build DIR] [--seconds S] [--starts N]

It times build/bench/Pairwick.exe, the game's own sources built with the frame log (the
shipped exe has none). It starts its own Xvfb display and Wine prefix
(tests/harness/session.sh with a state file of its own), drives the game with xdotool and
reads the frame log the game writes when PAIRWICK_FRAME_LOG is set. It asserts nothing: it prints a table and writes the same
to BUILD/bench/results.md.
"""
import argparse
import datetime
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WINE64 = "/usr/lib/wine/wine64"
ART_DIRS = ("backgrounds", "info_bar", "animations", "cards", "other")
MIN_FRAMES = 200
LONG_RUN_FRAMES = 10000

# Client positions of the menu's buttons (centres); the window sits at the screen origin.
NEW_GAME = (400, 190)
HIGH_SCORES = (400, 280)
HELP = (400, 340)
EXIT = (400, 370)


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

    def __init__(self, build):
        self.script = ROOT / "tests" / "harness" / "session.sh"
        self.state = build / "bench-session.env"
        # A prefix of our own: stopping the session ends its wineserver, which must never
        # take down a test run sharing the build tree's prefix.
        self.prefix = build / "bench" / "wineprefix"
        self.env = None

    def __enter__(self):
        subprocess.run([str(self.script), "start", str(self.state), str(self.prefix)],
                       check=True, stdout=sys.stderr)
        display = None
        for line in self.state.read_text().splitlines():
            if line.startswith("export DISPLAY="):
                display = line.split("=", 1)[1]
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

    def stop(self, exit_keys=None):
        """Ends the program, politely through exit_keys() first if given."""
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


def measure_screen(prog, screen, in_shop, seconds, what):
    """Waits for the screen's first frame, then lets it run `seconds` and at least
    MIN_FRAMES frames; returns that stretch's frames of the screen."""
    # The shop flag outlives the shop (it holds until the next level), so it tells the
    # shop from the board only on the play screen.
    def ours(fr):
        return fr[0] == screen and (screen != 2 or fr[1] == in_shop)

    def matching(log):
        return [i for i, fr in enumerate(log.frames) if ours(fr)]

    prog.wait_for(lambda log: matching(log), 30, f"the {what} screen")
    first = matching(prog.log)[0]
    begun = time.monotonic()
    prog.wait_for(lambda log: time.monotonic() - begun >= seconds
                  and len(log.frames) - first >= MIN_FRAMES, seconds + 60,
                  f"{MIN_FRAMES} frames of the {what} screen")
    frames = prog.log.frames[first:]
    # Skip the frame that switched screens; it carries the transition's work.
    return [fr for fr in frames[1:] if ours(fr)]


def frame_stats(frames):
    durations = sorted(fr[3] / 1000.0 for fr in frames)
    n = len(durations)
    p90 = durations[min(n - 1, int(round(0.9 * (n - 1))))]
    span = (frames[-1][2] - frames[0][2]) / 1e6
    return {"frames": n, "median": statistics.median(durations), "p90": p90,
            "fps": (n - 1) / span if span > 0 else float("nan")}


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


def run_game(session, exe, workdir, logdir, seconds):
    prog = Program(session, exe, workdir, logdir / "game.log", repaint=True)
    x = session.xdotool
    screens = {}
    try:
        prog.wait_started()
        screens["intro"] = measure_screen(prog, 0, 0, seconds, "intro")
        x("key", "Escape")
        screens["menu"] = measure_screen(prog, 1, 0, seconds, "menu")
        x("mousemove", *NEW_GAME, "click", 1)
        screens["play (full board)"] = measure_screen(prog, 2, 0, seconds, "play")
        x("key", "F9")
        screens["shop"] = measure_screen(prog, 2, 1, seconds, "shop")
        x("key", "Escape")
        prog.wait_for(lambda log: log.frames and log.frames[-1][0] == 1, 30, "the menu")
        x("mousemove", *HIGH_SCORES, "click", 1)
        screens["high scores"] = measure_screen(prog, 5, None, seconds, "high scores")
        x("key", "Escape")
        prog.wait_for(lambda log: log.frames and log.frames[-1][0] == 1, 30, "the menu")
        x("mousemove", *HELP, "click", 1)
        screens["help"] = measure_screen(prog, 7, None, seconds, "help")
        x("key", "Escape")
        prog.wait_for(lambda log: log.frames and log.frames[-1][0] == 1, 30, "the menu")
        # The rest of the long run on a fresh board, the screen players spend time on.
        x("mousemove", *NEW_GAME, "click", 1)
        prog.wait_for(lambda log: LONG_RUN_FRAMES in log.samples, 600,
                      f"{LONG_RUN_FRAMES} frames")
        long_run_screen = prog.log.frames[LONG_RUN_FRAMES - 1][0]
    finally:
        def exit_keys():
            x("key", "Escape")
            time.sleep(0.5)
            x("mousemove", *EXIT, "click", 1)
        prog.stop(exit_keys)
    return prog.log, screens, long_run_screen, prog.proc.returncode


def run_floor(session, exe, workdir, logdir, seconds):
    prog = Program(session, exe, workdir, logdir / "floor.log", repaint=False)
    try:
        prog.wait_started()
        frames = measure_screen(prog, -1, 0, seconds, "floor")
        prog.wait_for(lambda log: LONG_RUN_FRAMES in log.samples, 600,
                      f"{LONG_RUN_FRAMES} floor frames")
    finally:
        prog.stop(lambda: session.xdotool("key", "Escape"))
    return prog.log, frames


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
    ap.add_argument("--seconds", type=float, default=3.0, help="seconds per screen")
    ap.add_argument("--starts", type=int, default=9, help="timed starts of each program")
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
            print("Timing the floor ...", file=sys.stderr)
            floor_log, floor_frames = run_floor(session, floor_exe, work, logdir,
                                                args.seconds)
            print("Timing the game's screens ...", file=sys.stderr)
            game_log, screens, long_screen, exit_code = run_game(session, game_exe, work,
                                                                 logdir, args.seconds)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    load_after = os.getloadavg()

    floor = frame_stats(floor_frames)
    lines = []
    out = lines.append
    out(f"# Pairwick benchmark, {started:%Y-%m-%d %H:%M}")
    out("")
    out(f"Machine: {machine()}; Xvfb 800x600x16. "
        f"Load average before/after: {load_before[0]:.2f}/{load_after[0]:.2f}.")
    out("")
    out(f"Frames: {args.seconds:g} s and at least {MIN_FRAMES} frames per screen, "
        "continuous repaint (PAIRWICK_BENCH_REPAINT=1). Frame time is the paint of one frame "
        "(back buffer, drawing, copy, release); fps counts frames per second of wall time.")
    out("")
    out("| Screen | Frames | Median ms | P90 ms | FPS | Median / floor |")
    out("|---|---:|---:|---:|---:|---:|")
    for name, frames in list(screens.items()) + [("floor", floor_frames)]:
        s = frame_stats(frames)
        out(f"| {name} | {s['frames']} | {s['median']:.2f} | {s['p90']:.2f} | "
            f"{s['fps']:.0f} | {s['median'] / floor['median']:.2f}x |")
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
        "each step):")
    out("")
    out("| Step | Reached at, ms | Step took, ms |")
    out("|---|---:|---:|")
    previous = 0.0
    for step, at in game_start["steps"] + [("first frame", game_start["created"])]:
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
