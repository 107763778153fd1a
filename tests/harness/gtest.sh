#!/usr/bin/env bash
# Runs a GoogleTest program under Wine and fails when the filter selected no test, so a
# renamed suite can never pass by running nothing.
#   gtest.sh EXE FILTER
set -uo pipefail
out=$(mktemp)
trap 'rm -f "$out"' EXIT
/usr/lib/wine/wine64 "$1" --gtest_filter="$2" 2>&1 | tee "$out"
status=${PIPESTATUS[0]}
if grep -q '^\[==========\] 0 tests from' "$out"; then
    echo "No test matched the filter $2" >&2
    exit 1
fi
exit "$status"
