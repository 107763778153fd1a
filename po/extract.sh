#!/bin/sh
# Extracts every text a player reads from the sources into a template:
#   po/extract.sh OUTPUT.pot VERSION
# The game's marks (tr, tr_c, tr_n, tr_noop), the menu entry, the software centre's page
# and the Windows setup's texts. Run from the repository's top folder.
set -eu
out=$1 version=$2
common="--from-code=UTF-8 --add-comments=TRANSLATORS: --add-location=file
  --package-name=Pairwick --package-version=$version --copyright-holder=
  --msgid-bugs-address=https://github.com/pairwick/pairwick/issues"
# shellcheck disable=SC2086
{
  xgettext $common --language=C++ -o "$out" --keyword=tr --keyword=tr_c:1c,2 \
    --keyword=tr_n:1,2 --keyword=tr_noop --keyword=tr_noop_c:1c,2 \
    $(find app game screens scores text resources -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
  xgettext $common -j -o "$out" --language=Desktop --keyword=Name --keyword=GenericName \
    --keyword=Comment --keyword=Keywords tools/linux/pairwick.desktop.in
  xgettext $common -j -o "$out" tools/linux/io.github.pairwick.Pairwick.metainfo.xml
  xgettext $common -j -o "$out" --language=Python --keyword=_ tools/installer/texts.py
}
