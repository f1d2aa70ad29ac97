#!/bin/sh
# Builds the presets and the packages and runs every test: the native unit
# tests (ASan and UBSan), the fuzz targets, the check of the 32-bit product
# and of the packages, and the Windows builds' tests under Wine on a private
# X server. Ends with ctest's summary. The tests have a Wine prefix and a
# Wine server of their own: a Quorvex started by scripts/run.sh (or any
# program of another prefix) keeps running through them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export QUORVEX_WINEPREFIX="$root/build/test-wineprefix"
scripts/setup-deps.sh
. scripts/wine-env.sh
# With 32-bit Wine the product itself is tested: its programs and installer
# by the 32-bit test build, which also runs the window tests 32-bit.
tested="native fuzz win64"
has_wine32 && tested="$tested win32-test"
scripts/build.sh win32 $tested
# What the package tests check.
scripts/package.sh >/dev/null

. scripts/xvfb.sh
trap end_session EXIT INT TERM
start_xvfb
# One wineserver for the whole run, so each test starts in a fraction of a
# second. One still running in this prefix is an earlier run's: it goes.
if ! wineserver -p 2>/dev/null; then
    wineserver -k 2>/dev/null || true
    wineserver -p 2>/dev/null || echo "test.sh: no Wine server of its own for $WINEPREFIX; each test starts one" >&2
fi

# Every build folder's tests in one run, with one summary. Every build is
# there: a test that would skip for want of one fails instead.
export QUORVEX_EVERY_BUILD=1
printf 'subdirs(%s)\n' "$(printf '"%s" ' $tested)" > build/CTestTestfile.cmake
set +e
ctest --test-dir build --output-on-failure -j2 "$@"
rc=$?
set -e
exit $rc
