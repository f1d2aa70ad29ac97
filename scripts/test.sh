#!/bin/sh
# Builds the four presets and the packages and runs every test: the native
# unit tests (ASan and UBSan), the check of the 32-bit product and of the
# packages, and the 64-bit build's tests under Wine on a private X server.
# Ends with ctest's summary.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh win32 win64 native fuzz
# What the package tests check.
scripts/package.sh >/dev/null

. scripts/wine-env.sh
. scripts/xvfb.sh
trap end_session EXIT INT TERM
start_xvfb
# One wineserver for the whole run, so each test starts in a fraction of a second.
wineserver -p

# Both build folders' tests in one run, with one summary.
printf 'subdirs("native" "fuzz" "win64")\n' > build/CTestTestfile.cmake
set +e
ctest --test-dir build --output-on-failure -j2 "$@"
rc=$?
set -e
exit $rc
