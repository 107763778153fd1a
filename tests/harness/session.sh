#!/usr/bin/env bash
# Starts or stops a display and a Wine prefix that several programs share, for make bench
# and make screenshots (each test gets its own from run_in_tmp.sh): an Xvfb display at
# 800x600x16 on a free display number, and a Wine prefix under the build tree (made once).
#   session.sh start|stop STATE_FILE WINEPREFIX
set -euo pipefail
action=$1 state=$2 prefix=$3
export WINEPREFIX=$prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"

wait_for() {  # wait_for SECONDS COMMAND...: poll until the command succeeds
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# A live process as pid:start-time, so that a pid the kernel hands out again is not taken
# for the process that had it. A killed process nobody has reaped yet is a zombie: gone.
process_id() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    # The fields after the command name, which may hold spaces: the state is the 3rd,
    # the start time the 22nd.
    read -ra fields <<<"${stat##*) }"
    [[ ${fields[0]} != [ZX] ]] || return 1
    echo "$1:${fields[19]}"
}

alive() { [[ $(process_id "${1%%:*}" || true) == "$1" ]]; }

# The session's users are the processes that started it (a ctest run, or the screenshot
# tool), so a run that was killed midway stops counting by itself.
me=$(process_id "$PPID")

write_state() {  # write_state DISPLAY XVFB_PID USERS...
    local display=$1 pid=$2; shift 2
    printf 'export DISPLAY=%s\nXVFB_PID=%s\nUSERS="%s"\n' "$display" "$pid" "$*" >"$state.new"
    mv "$state.new" "$state"
}

live_users() {
    local u
    for u in ${USERS:-}; do alive "$u" && echo "$u"; done
    return 0
}

end_session() {
    # Whatever a killed run left in the prefix (games, dialogs) ends with its server.
    wineserver -k 2>/dev/null || true
    if [[ -n ${XVFB_PID:-} ]] && grep -qa '^Xvfb' "/proc/$XVFB_PID/cmdline" 2>/dev/null; then
        kill "$XVFB_PID" 2>/dev/null || true
    fi
    rm -f "$state"
}

# Test runs that overlap (several ctest invocations on one build tree) share one
# session; the state file is changed only under this lock.
exec 9>"$state.lock"
flock 9

case $action in
start)
    if [[ -f $state ]]; then
        # shellcheck disable=SC1090
        source "$state"
        mapfile -t users < <(live_users)
        if ((${#users[@]})) && kill -0 "$XVFB_PID" 2>/dev/null; then
            write_state "$DISPLAY" "$XVFB_PID" "${users[@]}" "$me"
            echo "Sharing the running session on $DISPLAY"
            exit 0
        fi
        # Nobody alive uses it: a killed run's display, with whatever it left on it.
        echo "Ending the session of a run that is gone ($DISPLAY)"
        end_session
    fi
    fdfile=$(mktemp)
    # -displayfd makes Xvfb choose a free display itself and report it: we never
    # touch a display we did not start.
    Xvfb -displayfd 3 -screen 0 800x600x16 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 9>&- &
    pid=$!
    wait_for 20 test -s "$fdfile" || { echo "Xvfb did not start" >&2; kill "$pid" || true; exit 1; }
    display=:$(tr -dc 0-9 <"$fdfile")
    rm -f "$fdfile"
    write_state "$display" "$pid" "$me"
    export DISPLAY=$display
    if [[ ! -f $prefix/system.reg ]]; then
        echo "Creating the Wine prefix $prefix (once)"
        mkdir -p "$prefix"
        wineboot -i </dev/null >/dev/null 2>&1 9>&-
        # The registry reaches the disk when the server ends.
        wineserver -w
    fi
    # One persistent server for the whole run spares every test its start-up, and
    # starting Wine's services here keeps them off the tests' output pipes (CTest
    # waits for every holder of a test's output to close it).
    wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
    wineboot </dev/null >/dev/null 2>&1 9>&- || true
    # Wine waits up to two seconds for a window manager to acknowledge every hidden dialog;
    # the test display has none. The test programs drive the game's windows by messages and
    # never look at their frames, so Wine manages their windows itself. The game's own
    # windows stay as a player sees them.
    if ! grep -q 'inproc_tests.exe' "$prefix/user.reg"; then
        for program in inproc_tests.exe unit_tests.exe; do
            /usr/lib/wine/wine64 reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
                /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&-
        done
    fi
    echo "Xvfb $display (pid $pid), Wine prefix $prefix"
    ;;
stop)
    [[ -f $state ]] || exit 0
    # shellcheck disable=SC1090
    source "$state"
    mapfile -t users < <(live_users)
    rest=()
    dropped=
    for u in "${users[@]}"; do
        if [[ -z $dropped && $u == "$me" ]]; then dropped=1; else rest+=("$u"); fi
    done
    if ((${#rest[@]})); then
        write_state "$DISPLAY" "$XVFB_PID" "${rest[@]}"
        exit 0
    fi
    end_session
    ;;
*)
    echo "usage: $0 start|stop STATE_FILE WINEPREFIX" >&2; exit 2 ;;
esac
