#!/bin/bash
# quorvex-compare from outside: exit statuses and messages on bad input,
# standard input and UTF-16, Unicode's case folding, inputs of any shape, a
# closed pipe, a failed output file, and --pair against comm on random sorted
# lists. Usage: quorvex-compare-test.sh PROGRAM
set -u
program=$(realpath "$1")
work=$(mktemp -d)
trap 'umount -l "$work/tiny" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# Runs the program; sets out, err and status.
run() { out=$("$program" "$@" 2>err.txt); status=$?; err=$(cat err.txt); }
expect() {  # status, stdout, stderr, what
    [ "$status" = "$1" ] && [ "$out" = "$2" ] && [ "$err" = "$3" ] ||
        fail "$4: status $status, out [$out], err [$err]"
}

printf 'pear\napple\n' > left.txt
printf '\xff\xfek\x00i\x00w\x00i\x00\r\x00\n\x00a\x00p\x00p\x00l\x00e\x00' > right.txt  # UTF-16
run left.txt right.txt
expect 1 $'< pear\n> kiwi' "" "differences"
out=$(printf 'apple\rpear' | "$program" left.txt -); status=$?
[ "$status" = 0 ] && [ "$out" = "" ] || fail "standard input: $status [$out]"
run left.txt missing.txt
expect 2 "" "quorvex-compare: missing.txt: No such file or directory" "a missing file"
run - -
expect 2 "" $'quorvex-compare: standard input can be only one side\nTry \'quorvex-compare --help\' for more information.' "both standard input"
run --frobnicate left.txt right.txt
expect 2 "" $'quorvex-compare: unrecognized option \'--frobnicate\'\nTry \'quorvex-compare --help\' for more information.' "a bad option"

# Unicode's case folding for UTF-8; a byte that is not UTF-8 stays as it is.
printf '\xc3\x89lan\n\xce\xa3\xce\x8a\xce\xa3\xce\xa5\xce\xa6\xce\x9f\xce\xa3\nA\xffB\nA\xfeB\n' > cased.txt  # Élan, ΣΊΣΥΦΟΣ
printf '\xc3\xa9lan\n\xcf\x83\xce\xaf\xcf\x83\xcf\x85\xcf\x86\xce\xbf\xcf\x82\na\xffb\n' > folded.txt  # élan, σίσυφος
run --ignore-case --left cased.txt folded.txt
expect 1 $'A\xfeB' "" "Unicode case"

# Inputs of any shape: NUL bytes inside items, a line of 100 MB (read from a
# file and, growing as it comes, from standard input), nothing, only line ends.
printf 'a\0b\r\nc\n' > nul.txt
printf '\n\r\n\r' > ends.txt
: > empty.txt
"$program" --output-left=kept.txt nul.txt ends.txt > /dev/null
printf 'a\0b\nc\n' | cmp -s - kept.txt || fail "NUL bytes"
run --count empty.txt ends.txt
expect 0 $'left\t0\t0\nright\t0\t0' "" "empty and only line ends"
head -c 100000000 /dev/zero | tr '\0' x > long.txt
out=$("$program" --count long.txt - < long.txt); status=$?
[ "$status" = 0 ] && [ "$out" = $'left\t1\t0\nright\t1\t0' ] || fail "a line of 100 MB: $status [$out]"
rm long.txt

# A reader that goes away: status 2 and no message.
seq 1 200000 > many.txt
"$program" many.txt /dev/null 2>err.txt | head -1 > /dev/null
status=${PIPESTATUS[0]}
[ "$status" = 2 ] && [ ! -s err.txt ] || fail "closed pipe: status $status, err [$(cat err.txt)]"

# A full disk keeps the old output file whole and leaves nothing beside it.
mkdir tiny
if mount -t tmpfs -o size=16k tmpfs tiny 2>/dev/null; then
    echo old > tiny/out.txt
    run --output-left=tiny/out.txt many.txt /dev/null
    [ "$status" = 2 ] && [ "$(cat tiny/out.txt)" = old ] && [ "$(ls tiny)" = out.txt ] &&
        [[ "$err" == "quorvex-compare: tiny/out.txt: No space left on device" ]] ||
        fail "full disk: status $status, err [$err], files [$(ls tiny)]"
else
    echo "full disk not tried: no tmpfs here"
fi

# --pair keeps and drops occurrences as comm does on sorted lists (comm also
# prints empty lines, which are never items).
for round in $(seq 1 20); do
    for side in a b; do
        awk -v seed=$((round * 2)) -v side=$side 'BEGIN {
            srand(seed + (side == "b")); split("x,y,xy, x,x ,\xe9,\xe9x,", words, ",")
            for (i = 0; i < 150; i++) print words[int(rand() * 8) + 1]
        }' | LC_ALL=C sort > $side.txt
    done
    for mode in "-23 --left" "-13 --right" "-12 --similarities --left"; do
        expected=$(LC_ALL=C comm ${mode%% *} a.txt b.txt | LC_ALL=C grep -av '^$')
        actual=$("$program" --pair --no-trim --names=never ${mode#* } a.txt b.txt)
        [ "$actual" = "$expected" ] || fail "comm ${mode%% *}, round $round"
    done
done

[ $failures = 0 ] && echo "all passed"
exit $((failures > 0))
