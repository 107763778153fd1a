#!/usr/bin/env bash
# Runs one test in a fresh temporary working directory on the session's display:
#   run_in_tmp.sh STATE_FILE [--art DIST_DIR] -- COMMAND...
# With --art the game's artwork folders are linked in, as in the runnable folder.
set -euo pipefail
state=$1; shift
art=
if [[ ${1:-} == --art ]]; then art=$2; shift 2; fi
[[ ${1:-} == -- ]] && shift
# shellcheck disable=SC1090
source "$state"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
work=$(mktemp -d "${TMPDIR:-/tmp}/pairwick-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
if [[ -n $art ]]; then
    for d in backgrounds info_bar animations cards other; do
        [[ -d $art/$d ]] && ln -s "$art/$d" "$work/$d"
    done
fi
cd "$work"
export PAIRWICK_TEST_DIR=$work
"$@"
