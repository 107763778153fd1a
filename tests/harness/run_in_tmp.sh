#!/usr/bin/env bash
# Runs one test in a fresh temporary working directory:
#   run_in_tmp.sh [--display | --wine TEMPLATE] [--art DIST_DIR] [--evidence DIR] [--lock FILE]
#                 -- COMMAND...
# With --display the test gets an X display of its own (800x600x16), with --wine a Wine
# prefix of its own too: a copy of TEMPLATE (prefix.sh) with its own server, and a HOME of
# its own for Wine. Tests running side by side never see each other's windows, keys or
# files; a test given neither sees no display and no prefix at all.
# With --art the game's artwork folders are linked in, as in the runnable folder.
# With --evidence DIR the test keeps its screenshots and logs in DIR (emptied first, and
# named in PAIRWICK_EVIDENCE), where they outlive the run.
# With --lock FILE the test waits for the lock on FILE, which tests of other runs on the
# same build tree take too (CTest's RESOURCE_LOCK orders the tests of one run only).
set -euo pipefail
harness=$(dirname "$(readlink -f "$0")")
display= template= art= evidence= lock=
while [[ ${1:-} == --* && $1 != -- ]]; do
    case $1 in
    --display) display=1; shift; continue ;;
    --wine) display=1 template=$2 ;;
    --art) art=$2 ;;
    --evidence) evidence=$2 ;;
    --lock) lock=$2 ;;
    *) echo "run_in_tmp.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
[[ ${1:-} == -- ]] && shift
if [[ -n $lock ]]; then
    exec 8>"$lock"
    flock 8
fi
unset DISPLAY WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko to offer, no sound device to complain about, and no menu entries for
# the desktop of whoever runs the tests.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d;winemenubuilder.exe=d"

tmp=${TMPDIR:-/tmp}
work=$(mktemp -d "$tmp/pairwick-test.XXXXXX")
reaper=
cleanup() {
    # With a display the watcher below removes everything once this script has gone, so
    # that the test's time does not include stopping Wine.
    [[ -z $reaper ]] || return 0
    # A test stopped between chattr +i and its own undoing leaves a folder rm cannot empty.
    rm -rf "$work" 2>/dev/null || { chattr -R -i "$work" 2>/dev/null; rm -rf "$work"; }
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

if [[ -n $display ]]; then
    own=$(mktemp -d "$tmp/pairwick-session.XXXXXX")
    # -displayfd makes Xvfb choose a free display itself and report it: we never touch a
    # display we did not start.
    Xvfb -displayfd 3 -screen 0 800x600x16 -nolisten tcp 3>"$own/display" >/dev/null 2>&1 8>&- &
    xvfb=$!
    # A watcher outside the test's process tree (which CTest stops as a whole when a test
    # runs too long, but which Wine's server and services leave) ends the display and Wine
    # and removes the folders once this script has gone, however it went.
    setsid -f "$harness/reap.sh" "$$" "$xvfb" "$own" "$work" </dev/null >/dev/null 2>&1 8>&-
    reaper=1
    for _ in $(seq 400); do
        [[ -s $own/display ]] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.05
    done
    [[ -s $own/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(tr -dc 0-9 <"$own/display")
fi
if [[ -n $template ]]; then
    prefix=$own/prefix
    "$harness/copy_prefix.sh" "$template" "$prefix"
    export WINEPREFIX=$prefix HOME=$own/home
    mkdir "$HOME"
    # One server for the whole test spares each program its start-up. Wine's services and
    # its desktop (explorer.exe) start with the first program that makes a window, and
    # keep its output open: rundll32 makes one for the call, so they start here, holding
    # nothing of the test's (a first test program's pipe stayed open a second past its
    # end, and CTest waits for every holder of a test's output).
    wineserver -p </dev/null >/dev/null 2>&1 8>&-
    /usr/lib/wine/wine64 rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 8>&- ||
        true
fi

if [[ -n $art ]]; then
    for d in backgrounds info_bar animations cards other; do
        [[ -d $art/$d ]] && ln -s "$art/$d" "$work/$d"
    done
fi
if [[ -n $evidence ]]; then
    rm -rf "$evidence"
    mkdir -p "$evidence"
    export PAIRWICK_EVIDENCE=$evidence
fi
cd "$work"
export PAIRWICK_TEST_DIR=$work
status=0
"$@" || status=$?
if [[ -n $template ]]; then
    "$harness/copy_prefix.sh" --check "$template" "$prefix" || status=1
fi
exit "$status"
