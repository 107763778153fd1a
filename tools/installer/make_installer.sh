#!/usr/bin/env bash
# Builds the Windows setup, BUILD_DIR/Pairwick-VERSION-setup.exe, with Debian's makensis:
#   make_installer.sh BUILD_DIR VERSION
# (the build runs it with its own folder and the project's version). It packs the player's
# zip as the build made it, so the setup installs exactly what the zip holds, and writes the
# setup's file list from it, and its texts in every language from the compiled catalogues.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[[ $# == 2 && $2 =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] ||
    { echo "usage: make_installer.sh BUILD_DIR x.y.z" >&2; exit 2; }
build=$(cd "$1" && pwd)
version=$2
zip=$build/Pairwick-$version-win64.zip
setup=$build/Pairwick-$version-setup.exe
icon=$build/art-res/pairwick.ico
linguas=$here/../../po/LINGUAS
command -v makensis >/dev/null ||
    { echo "makensis is missing: sudo apt-get install nsis (or make deps as root)" >&2; exit 1; }
[[ -f $zip && -f $icon ]] || { echo "$zip or $icon is missing: build first" >&2; exit 1; }

work=$build/installer
rm -rf "$work"
mkdir -p "$work"
unzip -q "$zip" -d "$work"
stage=$work/Pairwick-$version
[[ -f $stage/Pairwick.exe ]] || { echo "$zip holds no Pairwick-$version/Pairwick.exe" >&2; exit 1; }

# Each file into its folder, then the folders, deepest first, so that the uninstaller,
# reading the list in order, finds each folder emptied before it tries to remove it. The
# uninstaller reads the same lines as the only names it may remove.
winpath() { printf '%s' "${1//\//\\}"; }
{
    folder=
    while IFS= read -r rel; do
        dir=$(dirname "$rel")
        if [[ $dir != "$folder" ]]; then
            if [[ $dir == . ]]; then echo '!insertmacro put_in ""'
            else echo "!insertmacro put_in \"$(winpath "$dir")\""; fi
            folder=$dir
        fi
        echo "!insertmacro put_file \"$rel\" \"$(winpath "$rel")\""
    done < <(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)
    (cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r) |
        while IFS= read -r dir; do echo "!insertmacro put_folder \"$(winpath "$dir")\""; done
} >"$work/files.nsh"
# Debian's Python, as everywhere in the build; any python3 will do.
python=/usr/bin/python3
[[ -x $python ]] || python=python3
"$python" "$here/texts.py" "$linguas" "$build/catalogues" "$work/texts.nsh"

makensis -V2 -NOCD -DVERSION="$version" -DSTAGE="$stage" -DFILES="$work/files.nsh" \
    -DICON="$icon" -DTEXTS="$work/texts.nsh" -DOUTFILE="$setup.part" "$here/pairwick.nsi"
# Replace in one step, so a reader never sees half a setup.
mv "$setup.part" "$setup"
echo "$setup"
