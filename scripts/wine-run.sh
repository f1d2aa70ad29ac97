#!/bin/sh
# Runs a Windows program under Wine for ctest (the cross-compiling emulator).
# Output goes through files, not ctest's pipe: Wine's helper processes would
# inherit the pipe and keep ctest waiting until its timeout.
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
cat "$err" >&2
exit $rc
