#!/usr/bin/env bash
# Makes the Wine prefix that every Wine-run test starts from a copy of (run_in_tmp.sh
# --wine): once, and again only when Wine has changed, so that no copy is ever updated in
# place by Wine. Runs that overlap on one build tree make it once between them.
#   prefix.sh TEMPLATE
set -euo pipefail
template=$1
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"

# What Wine writes into a prefix's .update-timestamp, and compares at every start: a prefix
# that differs is updated, its system files rewritten, by the first program to start in it.
wine_stamp() {
    local inf
    for inf in /usr/share/wine/wine.inf /usr/lib/wine/wine.inf; do
        [[ -f $inf ]] && { stat -c %Y "$inf"; return; }
    done
    echo unknown
}

# How this script makes the template; a template made otherwise (an older one, with links
# to HOME) is made again.
MADE_AS=1

current() {
    local stamp made
    read -r made 2>/dev/null <"$template/.made-by-prefix.sh" && [[ $made == "$MADE_AS" ]] &&
        read -r stamp 2>/dev/null <"$template/.update-timestamp" &&
        [[ ${stamp%$'\r'} == "$(wine_stamp)" ]]
}

# Tests copy the template under a shared lock (run_in_tmp.sh); it is made under this one.
exec 9>"$template.lock"
flock -s 9
current && exit 0
flock 9
current && exit 0

echo "Making the Wine prefix $template (once)"
new=$template.new
# A killed maker's server for a half-made prefix would answer the next one's programs.
[[ -d $new ]] && WINEPREFIX=$new wineserver -k 2>/dev/null 9>&- || true
rm -rf "$new"
mkdir -p "$new"
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 800x600x16 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 9>&- &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$fdfile"' EXIT
for _ in $(seq 200); do [[ -s $fdfile ]] && break; sleep 0.1; done
[[ -s $fdfile ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(tr -dc 0-9 <"$fdfile") WINEPREFIX=$new
/usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1 9>&-
# Wine waits up to two seconds for a window manager to acknowledge every hidden dialog;
# the test displays have none. The test programs drive the game's windows by messages and
# never look at their frames, so Wine manages their windows itself. The game's own
# windows stay as a player sees them.
for program in inproc_tests.exe unit_tests.exe; do
    /usr/lib/wine/wine64 reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
        /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&-
done
# The registry reaches the disk when the server ends.
wineserver -w 9>&-
# The user's folders are links to HOME (the Desktop among them): folders of the prefix's
# own instead, so that no test writes outside its copy.
while IFS= read -r -d '' link; do
    rm "$link"
    mkdir "$link"
done < <(find "$new/drive_c/users" -type l -print0)
[[ -f $new/system.reg ]] || { echo "wineboot made no prefix in $new" >&2; exit 1; }
echo "$MADE_AS" >"$new/.made-by-prefix.sh"
if [[ -d $template ]]; then
    mv "$template" "$template.old.$$"
    rm -rf "$template.old.$$"
fi
mv "$new" "$template"
