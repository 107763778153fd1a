#!/bin/sh
# Installs the game for Linux players, or removes exactly what an install put there:
#   install.sh install BUILD_DIR PREFIX BINDIR [DESTDIR]
#   install.sh uninstall PREFIX [DESTDIR]
# BINDIR, where the launcher goes, lies under PREFIX (Debian's games go to /usr/games).
# The list of installed files is kept with the game, so uninstall needs no build tree.
# A player's scores and options live in their own folder and are never touched here.
set -eu
umask 022
here=$(cd "$(dirname "$0")" && pwd)
list_name=share/pairwick/installed-files

die() { printf 'install.sh: %s\n' "$*" >&2; exit 1; }

uninstall() {  # uninstall TOP QUIET
    top=$1
    if [ ! -f "$top/$list_name" ]; then
        [ -n "$2" ] || echo "Nothing of Pairwick's is installed under $top"
        return 0
    fi
    listed=$(mktemp)
    { cat "$top/$list_name"; echo "$list_name"; } >"$listed"
    while IFS= read -r rel; do
        case $rel in ''|*/) continue ;; esac
        if [ -f "$top/$rel" ] || [ -L "$top/$rel" ]; then rm -f -- "$top/$rel"; fi
    done <"$listed"
    # Folders go only when the install made them (listed ending in /) and the removal left
    # them empty, deepest first: a parent sorts before what lies in it.
    grep '/$' "$listed" | LC_ALL=C sort -u -r | while IFS= read -r d; do
        rmdir -- "$top/$d" 2>/dev/null || true
    done
    rm -f -- "$listed"
    [ -n "$2" ] || echo "Removed Pairwick from $top"
}

put() {  # put MODE SOURCE REL
    d=$(dirname -- "$3")
    while [ "$d" != . ] && [ ! -d "$top/$d" ]; do
        echo "$d/" >>"$list"
        d=$(dirname -- "$d")
    done
    install -D -m "$1" -- "$2" "$top/$3"
    echo "$3" >>"$list"
}

case ${1:-} in
install)
    [ $# -ge 4 ] || die "usage: install.sh install BUILD_DIR PREFIX BINDIR [DESTDIR]"
    build=$2 prefix=${3%/} bindir=${4%/} top=${5:-}${3%/}
    case $bindir in
        "$prefix"/?*) bin=${bindir#"$prefix"/} ;;
        *) die "BINDIR ($bindir) must lie under PREFIX ($prefix)" ;;
    esac
    dist=$build/dist
    [ -f "$dist/Pairwick.exe" ] || die "$dist/Pairwick.exe is missing: run make build first"
    icons=$build/art-res/icons
    # The icon at every size the art generator drew, pairwick-<size>.png.
    sizes=$(for f in "$icons"/pairwick-*.png; do
        n=${f##*/pairwick-}; n=${n%.png}
        [ -f "$f" ] && case $n in ''|*[!0-9]*) ;; *) echo "$n" ;; esac
    done | sort -n)
    [ -n "$sizes" ] || die "no program icon in $icons (the art generator draws pairwick-<size>.png there): run make build"
    # A new install replaces an older one whole, so no file of it is left over.
    uninstall "$top" quiet
    list=$(mktemp)
    trap 'rm -f "$list"' EXIT

    put 755 "$here/pairwick" "$bin/pairwick"
    put 644 "$dist/Pairwick.exe" share/pairwick/Pairwick.exe
    for d in backgrounds info_bar animations cards other; do
        [ -d "$dist/$d" ] || die "$dist/$d is missing: run make build first"
        (cd "$dist" && find "$d" -type f | LC_ALL=C sort) | while IFS= read -r f; do
            put 644 "$dist/$f" "share/pairwick/$f"
        done
    done
    # The menu entry and what software centres show, both named by the game's AppStream id,
    # their texts translated from the catalogues of po/LINGUAS.
    id=io.github.pairwick.Pairwick
    made=$(mktemp)
    msgfmt --desktop --template="$here/pairwick.desktop.in" -d "$here/../../po" -o "$made"
    sed -i "s|@BINDIR@|$bindir|g" "$made"
    put 644 "$made" "share/applications/$id.desktop"
    msgfmt --xml --template="$here/$id.metainfo.xml" -d "$here/../../po" -o "$made"
    put 644 "$made" "share/metainfo/$id.metainfo.xml"
    rm -f "$made"
    for n in $sizes; do
        put 644 "$icons/pairwick-$n.png" "share/icons/hicolor/${n}x$n/apps/pairwick.png"
    done
    # gzip -n: no name or date inside, so two installs give the same bytes.
    gz=$(mktemp)
    gzip -9nc "$here/pairwick.6" >"$gz"
    put 644 "$gz" share/man/man6/pairwick.6.gz
    gzip -9nc "$here/changelog" >"$gz"
    put 644 "$gz" share/doc/pairwick/changelog.gz
    rm -f "$gz"
    put 644 "$here/copyright" share/doc/pairwick/copyright
    install -D -m 644 -- "$list" "$top/$list_name"
    echo "Installed Pairwick under $top: run it with $bindir/pairwick"
    ;;
uninstall)
    [ $# -ge 2 ] || die "usage: install.sh uninstall PREFIX [DESTDIR]"
    uninstall "${3:-}$2" ""
    ;;
*)
    die "usage: install.sh install BUILD_DIR PREFIX BINDIR [DESTDIR] | uninstall PREFIX [DESTDIR]" ;;
esac
