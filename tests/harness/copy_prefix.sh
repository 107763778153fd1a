#!/usr/bin/env bash
# A test's own Wine prefix, copied from the template that prefix.sh makes:
#   copy_prefix.sh TEMPLATE DEST           makes DEST
#   copy_prefix.sh --check TEMPLATE DEST   fails if the test wrote into the template
# Wine's programs, libraries and tables (most of the template's 700 MB) are hard links,
# which Wine only reads; every other file is a copy. Wine writes a file that has more
# than one link in place rather than beside it (the server's registry files, for one), so
# a link to one of those would carry a test's changes into the template.
set -euo pipefail
check=
if [[ $1 == --check ]]; then check=1; shift; fi
template=$1 dest=$2
readonly_files=(-name '*.dll' -o -name '*.exe' -o -name '*.drv' -o -name '*.sys'
                -o -name '*.nls' -o -name '*.ocx' -o -name '*.acm' -o -name '*.cpl'
                -o -name '*.tlb' -o -name '*.com' -o -name '*.ax' -o -name '*.ds'
                -o -name '*.msstyles' -o -name '*.manifest' -o -name '*.icm')

if [[ -n $check ]]; then
    # A linked file changed since the copy was made changed in the template too; the next
    # run makes the template again.
    changed=$(find "$dest" -type f -links +1 -newer "$dest/.copied" | head -5)
    [[ -z $changed ]] && exit 0
    rm -f "$template/.made-by-prefix.sh"
    echo "The test wrote into files its Wine prefix shares with $template:" >&2
    echo "$changed" >&2
    exit 1
fi

# The template is replaced under an exclusive lock (prefix.sh), never while it is copied.
exec 9>"$template.lock"
flock -s 9
cp -al "$template" "$dest"
cd "$template"
find . -type f ! \( "${readonly_files[@]}" \) -print0 |
    xargs -0 cp -p --parents --remove-destination -t "$dest"
touch "$dest/.copied"
