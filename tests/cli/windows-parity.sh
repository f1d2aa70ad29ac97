#!/bin/bash
# The Windows console build of quorvex-compare, run under Wine on the same
# files, prints what the native one prints, line ends and the system's words
# for an error aside.
# Usage: windows-parity.sh NATIVE-PROGRAM WINDOWS-PROGRAM
set -u
if ! [ -f "$2" ] || ! command -v wine > /dev/null; then
    [ -n "${QUORVEX_EVERY_BUILD:-}" ] && { echo "FAILED: no Windows build ($2) or no Wine"; exit 1; }
    echo "no Windows build or no Wine: not run"
    exit 77
fi
native=$(realpath "$1") windows=$(realpath "$2")
root=$(realpath "$(dirname "$0")/../..")
. "$root/scripts/wine-env.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf 'pear\r\napple\nC:\\x\\kiwi.txt\r\n  plum \n\nApple\npear\n' > left.txt
printf '\xff\xfek\x00i\x00w\x00i\x00.\x00t\x00x\x00t\x00\n\x00a\x00p\x00p\x00l\x00e\x00' > right.txt
mkdir -p folder/sub && touch folder/a.txt folder/b.txt folder/sub/c.txt
# Larger than a megabyte of memory allows: compared in pieces in a scratch file.
seq 1 150000 > many.txt && seq 100000 250000 | sed 's/$/x/' > more.txt
# Through files, not pipes: Wine's helper processes would inherit a pipe and
# keep it open long after the program ended.
run_windows() {
    wine "$windows" "$@" > out.txt 2>&1 < "${input:-/dev/null}"
    local status=$?
    tr -d '\r' < out.txt
    return $status
}
failures=0
while read -r options; do
    reason='s/^\(quorvex-compare: [^:]*\): .*/\1: (reason)/'
    expected=$("$native" $options 2>&1 | sed "$reason"; echo "status ${PIPESTATUS[0]}")
    actual=$(run_windows $options | sed "$reason"; echo "status ${PIPESTATUS[0]}")
    [ "$actual" = "$expected" ] || { echo "FAILED: $options"; diff <(echo "$expected") <(echo "$actual"); failures=$((failures + 1)); }
done <<'OPTIONS'
left.txt right.txt
--similarities --sort left.txt right.txt
--pair --count left.txt left.txt
--format=json --no-trim --names=always left.txt right.txt
--ignore-case --encoding=ansi --left left.txt right.txt
--sort --recursive folder left.txt
missing.txt left.txt
--memory=1M --count many.txt more.txt
--memory=1M -s --pair many.txt many.txt
--memory=1M --sort --left many.txt more.txt
OPTIONS
printf 'x\n' > input.txt
input=input.txt run_windows - left.txt > /dev/null || [ $? = 1 ] || { echo "FAILED: standard input"; failures=$((failures + 1)); }
[ $failures = 0 ] && echo "all passed"
exit $((failures > 0))
