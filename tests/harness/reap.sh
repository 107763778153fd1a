#!/usr/bin/env bash
# Started by run_in_tmp.sh outside the test's process tree:
#   reap.sh HARNESS_PID XVFB_PID OWN_DIR WORK_DIR
# Waits for the harness to end, then stops the Wine server of the prefix in OWN_DIR and the
# X server, and removes both folders: what a harness that was killed outright left.
# The harness leaves this to it when it ends normally too, so a test's time does not
# include stopping Wine.
set -uo pipefail
harness=$1 xvfb=$2 own=$3 work=$4

# A process as its start time, so that a pid the kernel hands out again is not taken for
# the process that had it. A killed process nobody has reaped yet is a zombie: gone.
started() {
    local stat fields
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    read -ra fields <<<"${stat##*) }"
    [[ ${fields[0]} != [ZX] ]] || return 1
    echo "${fields[19]}"
}

harness_start=$(started "$harness") || harness_start=gone
xvfb_start=$(started "$xvfb") || xvfb_start=gone
while [[ $(started "$harness") == "$harness_start" ]]; do
    sleep 0.2
done
if [[ -d $own/prefix ]]; then
    WINEPREFIX=$own/prefix wineserver -k 2>/dev/null
fi
if [[ $xvfb_start != gone && $(started "$xvfb") == "$xvfb_start" ]]; then
    kill "$xvfb" 2>/dev/null
fi
for d in "$work" "$own"; do
    [[ -e $d ]] || continue
    rm -rf "$d" 2>/dev/null || { chattr -R -i "$d" 2>/dev/null; rm -rf "$d"; }
done
