#!/usr/bin/env bash
# Packs the runnable folder into build/Pairwick-<version>-win64.zip:
#   make_dist.sh [BUILD_DIR]
# The zip is reproducible: sorted entries, fixed dates and modes, so two builds of the
# same sources give the same bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
version=$(sed -n 's/^project(Pairwick VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[[ -n $version ]] || { echo "no version in $root/CMakeLists.txt" >&2; exit 1; }
name=Pairwick-$version
zip=$build/$name-win64.zip
[[ -f $build/dist/Pairwick.exe ]] || { echo "$build/dist/Pairwick.exe is missing: build first" >&2; exit 1; }

# Debian's Python, as everywhere in the build; any python3 will do.
python=/usr/bin/python3
[[ -x $python ]] || python=python3
"$python" - "$build/dist" "$here/README.txt" "$root/LICENSE" "$name" "$zip" <<'PY'
import os, sys, zipfile
dist, readme, licence, top, out = sys.argv[1:]
ART = ("backgrounds", "info_bar", "animations", "cards", "other")
files = {"Pairwick.exe": os.path.join(dist, "Pairwick.exe"), "LICENSE": licence}
for d in ART:
    base = os.path.join(dist, d)
    if not os.path.isdir(base):
        sys.exit(f"{base} is missing: build the artwork first")
    for dirpath, _, names in os.walk(base):
        for n in names:
            p = os.path.join(dirpath, n)
            files[os.path.relpath(p, dist).replace(os.sep, "/")] = p
dirs = {"/".join(k.split("/")[:i]) for k in files for i in range(1, k.count("/") + 1)}
with open(readme, "rb") as f:
    # Notepad of older Windows shows a text without CR as one line.
    text = f.read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
stamp = (2026, 1, 1, 0, 0, 0)

def info(name, mode):
    zi = zipfile.ZipInfo(f"{top}/{name}", stamp)
    zi.create_system = 3  # Unix, so the modes below are kept
    zi.external_attr = mode << 16
    zi.compress_type = zipfile.ZIP_DEFLATED
    return zi

entries = [(d + "/", None) for d in dirs] + [(k, p) for k, p in files.items()]
entries.append(("README.txt", text))
tmp = out + ".part"
with zipfile.ZipFile(tmp, "w") as z:
    z.writestr(info("", 0o40755), b"")
    for name, src in sorted(entries):
        if src is None:
            z.writestr(info(name, 0o40755), b"")
        elif isinstance(src, bytes):
            z.writestr(info(name, 0o100644), src)
        else:
            with open(src, "rb") as f:
                mode = 0o100755 if name.endswith(".exe") else 0o100644
                z.writestr(info(name, mode), f.read())
# Replace in one step, so a reader never sees half a zip.
os.replace(tmp, out)
PY
echo "$zip"
