#!/bin/sh
# The template holds every text the sources mark, and every catalogue of po/LINGUAS
# translates each of them, none fuzzy:
#   check_catalogues.sh SOURCE_DIR VERSION
set -eu
src=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$src"
po/extract.sh "$work/pairwick.pot" "$version"
if ! diff -u -I '^"POT-Creation-Date:' po/pairwick.pot "$work/pairwick.pot"; then
    echo "po/pairwick.pot is not the sources' texts: run 'make pot' (and 'make po')" >&2
    exit 1
fi
status=0
for tag in $(grep '^[A-Za-z]' po/LINGUAS); do
    if ! msgcmp "po/$tag.po" po/pairwick.pot; then
        echo "po/$tag.po lacks texts of the template" >&2
        status=1
    fi
    report=$(msgfmt --check --statistics -o /dev/null "po/$tag.po" 2>&1)
    case $report in
    *untranslated* | *fuzzy*) echo "po/$tag.po: $report" >&2; status=1 ;;
    esac
done
exit $status
