#!/bin/sh
# Builds BUILD_DIR/pairwick_<version>_amd64.deb from the same tree make install writes:
#   make_deb.sh [BUILD_DIR]
# No fakeroot: dpkg-deb records every file as root's. File dates are clamped to the
# last commit (or SOURCE_DATE_EPOCH), so two builds of one source give the same package.
set -eu
umask 022
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
version=$(sed -n 's/^project(Pairwick VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "make_deb.sh: no version in $root/CMakeLists.txt" >&2; exit 1; }
logged=$(sed -n '1s/^pairwick (\([^)]*\)).*/\1/p' "$here/changelog")
[ "$logged" = "$version" ] || {
    echo "make_deb.sh: tools/linux/changelog's top entry is $logged, the game is $version: add an entry" >&2
    exit 1; }

stage=$build/deb-root
deb=$build/pairwick_${version}_amd64.deb
rm -rf "$stage"
mkdir -p "$stage/DEBIAN"
# Debian keeps the commands of games in /usr/games, on every user's PATH.
"$here/install.sh" install "$build" /usr /usr/games "$stage" >/dev/null
size=$(du -sk --exclude=DEBIAN "$stage" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@SIZE@/$size/" "$here/control.in" >"$stage/DEBIAN/control"
(cd "$stage" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$stage/DEBIAN/md5sums"
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}
find "$stage" -exec touch -h -d "@$epoch" {} +
SOURCE_DATE_EPOCH=$epoch dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb.part" >/dev/null
mv "$deb.part" "$deb"
echo "$deb"
