#!/usr/bin/env bash
# Runs one test in a fresh temporary working directory on the session's display:
#   run_in_tmp.sh STATE_FILE [--art DIST_DIR] [--evidence DIR] -- COMMAND...
# With --art the game's artwork folders are linked in, as in the runnable folder.
# With --evidence DIR the test keeps its screenshots and logs in DIR (emptied first, and
# named in PAIRWICK_EVIDENCE), where they outlive the run.
set -euo pipefail
state=$1; shift
art= evidence=
while [[ ${1:-} == --* && $1 != -- ]]; do
    case $1 in
    --art) art=$2 ;;
    --evidence) evidence=$2 ;;
    *) echo "run_in_tmp.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
[[ ${1:-} == -- ]] && shift
# shellcheck disable=SC1090
source "$state"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
work=$(mktemp -d "${TMPDIR:-/tmp}/pairwick-test.XXXXXX")
cleanup() {
    # A test stopped between chattr +i and its own undoing leaves a folder rm cannot empty.
    rm -rf "$work" 2>/dev/null || { chattr -R -i "$work" 2>/dev/null; rm -rf "$work"; }
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
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
"$@"
