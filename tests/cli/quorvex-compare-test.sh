#!/bin/bash
# quorvex-compare from outside, as a script would run it: exit statuses and
# messages on bad input, standard input and UTF-16, Unicode's case folding,
# inputs of any shape, outputs of every kind of target, lists larger than the
# memory allowed, signals, full disks and a closed pipe, folder walks, and
# --pair against comm on random sorted lists.
# Usage: quorvex-compare-test.sh PROGRAM
set -u
program=$(realpath "$1")
work=$(mktemp -d)
chmod 755 "$work"  # another user's runs below read it
trap 'umount -l "$work/tiny" "$work/tinytmp" 2>/dev/null; rm -rf "$work"' EXIT
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
run -si left.txt right.txt
expect 1 $'< apple\n> apple' "" "short options bundled"
run left.txt missing.txt
expect 2 "" "quorvex-compare: missing.txt: No such file or directory" "a missing file"
run - -
expect 2 "" $'quorvex-compare: standard input can be only one side\nTry \'quorvex-compare --help\' for more information.' "both standard input"
run --frobnicate left.txt right.txt
expect 2 "" $'quorvex-compare: unrecognized option \'--frobnicate\'\nTry \'quorvex-compare --help\' for more information.' "a bad option"
run --gui left.txt missing.txt
expect 2 "" "quorvex-compare: missing.txt: No such file or directory" "--gui with a missing file"

# Unicode's case folding for UTF-8; a byte that is not UTF-8 stays as it is.
printf '\xc3\x89lan\n\xce\xa3\xce\x8a\xce\xa3\xce\xa5\xce\xa6\xce\x9f\xce\xa3\nA\xffB\nA\xfeB\n' > cased.txt  # Élan, ΣΊΣΥΦΟΣ
printf '\xc3\xa9lan\n\xcf\x83\xce\xaf\xcf\x83\xcf\x85\xcf\x86\xce\xbf\xcf\x82\na\xffb\n' > folded.txt  # élan, σίσυφος
run --ignore-case --left cased.txt folded.txt
expect 1 $'A\xfeB' "" "Unicode case"

# Inputs of any shape: NUL bytes inside items, a line of 100 MB (read from a
# file and, growing as it comes, from standard input), nothing, only line
# ends, and a device that never ends a line.
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
run --memory=64M /dev/zero left.txt
expect 2 "" "quorvex-compare: memory exhausted: an item is longer than the 4194304 bytes the memory allowed can compare; try a larger --memory" "/dev/zero"

# Paths compare whole by default; with --names a folder's line keeps its own
# name; -z keeps a name that holds a line end whole.
printf 'b1\\x.txt\r\nb1\\sub1\\\r\n' > b1.txt
printf 'b2\\x.txt\r\nb2\\sub2\\\r\n' > b2.txt
run b1.txt b2.txt
expect 1 $'< b1\\x.txt\n< b1\\sub1\\\n> b2\\x.txt\n> b2\\sub2\\' "" "paths whole"
run --names=always b1.txt b2.txt
expect 1 $'< sub1\\\n> sub2\\' "" "folder lines under --names"
mkdir -p zl zr && touch zl/$'two\nlines' zl/same zr/same zr/two
out=$("$program" -z zl zr | tr '\0' '|'; exit "${PIPESTATUS[0]}"); status=$?
[ "$status" = 1 ] && [ "$out" = $'< two\nlines|> two|' ] || fail "-z on folders: $status [$out]"

# A folder named relatively: its links to above it are listed, not followed.
mkdir -p walk/top walk/far/deep && : > walk/top/f
ln -s .. walk/top/up && ln -s / walk/top/root && ln -s . walk/top/self
ln -s far/deep walk/link && ln -s .. walk/far/deep/back
out=$(cd walk && timeout 10 "$program" --recursive top /dev/null | LC_ALL=C sort | tr '\n' ' ')
[ "$out" = '< f < root\ < self\ < up\ ' ] || fail "links above a relative top folder: [$out]"
out=$(cd walk && timeout 10 "$program" --recursive link /dev/null)
[ "$out" = '< back\' ] || fail "links above a top folder that is a link: [$out]"

# Outputs go where they point, as sort -o writes: a link's target, a pipe
# and a device as they are, a file's mode kept, - as standard output.
echo old > target.txt && ln -s target.txt link.txt
"$program" --output-left=link.txt left.txt right.txt > /dev/null
[ -L link.txt ] && [ "$(cat target.txt)" = pear ] || fail "an output through a link"
echo secret > private.txt && chmod 640 private.txt
"$program" --output-left=private.txt left.txt right.txt > /dev/null
[ "$(stat -c %a private.txt)" = 640 ] && [ "$(cat private.txt)" = pear ] || fail "an output's mode"
(umask 027 && "$program" --output-left=new.txt left.txt right.txt > /dev/null)
[ "$(stat -c %a new.txt)" = 640 ] || fail "a new output's mode: $(stat -c %a new.txt)"
mkfifo pipe && (cat pipe > from-pipe &)
"$program" --output-left=pipe left.txt right.txt > /dev/null
sleep 0.2
[ -p pipe ] && [ "$(cat from-pipe)" = pear ] || fail "an output to a pipe"
if mknod null c 1 3 2>/dev/null; then
    "$program" --output-left=null left.txt right.txt > /dev/null
    [ -c null ] || fail "an output to a device"
else
    echo "an output to a device node not tried: no mknod here"
fi
run --output-left=- left.txt right.txt
expect 1 pear "" "an output to standard output"
[ ! -e ./- ] || fail "an output named - made a file"
mkdir readonly && echo kept > readonly/ro.txt && chmod 444 readonly/ro.txt
if [ "$(id -u)" = 0 ] && command -v setpriv > /dev/null; then
    as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
    chown -R nobody readonly   # a folder the user may write: the file's own mode refuses
    out=$(as_nobody "$program" --output-left=readonly/ro.txt left.txt right.txt 2>&1); status=$?
    [ "$status" = 2 ] && [ "$out" = "quorvex-compare: readonly/ro.txt: Permission denied" ] &&
        [ "$(cat readonly/ro.txt)" = kept ] || fail "a read-only output: $status [$out]"
    chmod 644 readonly/ro.txt && chmod 555 readonly  # a file the user may write in a folder that takes no new one
    as_nobody "$program" --output-left=readonly/ro.txt left.txt right.txt > /dev/null
    [ "$(cat readonly/ro.txt)" = pear ] || fail "an output in a read-only folder"
else
    echo "read-only outputs not tried: cannot run as another user"
fi

# Larger than the memory allowed: the same bytes as in memory, within the
# memory, no temporary file left, also after SIGINT.
seq 1 1500000 | sed 's/$/-item/' > big-left.txt
seq 750000 2250000 | sed 's/$/-ITEM/' > big-right.txt
mkdir scratch
for options in "" "-i -a" "--pair -s" "-c"; do
    expected=$("$program" $options big-left.txt big-right.txt | md5sum)
    actual=$(TMPDIR=scratch /usr/bin/time -f %M -o peak.txt "$program" --memory=8M $options big-left.txt big-right.txt | md5sum)
    [ "$actual" = "$expected" ] || fail "in pieces on disk with '$options'"
    [ "$(tail -1 peak.txt)" -lt $(((8 + 48) * 1024)) ] || fail "peak $(tail -1 peak.txt) KB with '$options'"
done
[ -z "$(ls -A scratch)" ] || fail "temporary files left: $(ls -A scratch)"
expected=$("$program" -i big-left.txt big-right.txt | md5sum)
actual=$(ulimit -v 150000; "$program" -i big-left.txt big-right.txt | md5sum)
[ "$actual" = "$expected" ] || fail "an address-space limit"
# Interrupted while it reads a list that is still coming (a job of its own,
# as a shell without job control starts it with SIGINT ignored).
echo old > out.txt
set -m
(cat big-right.txt; sleep 3) | TMPDIR=scratch "$program" --memory=1M --output-left=out.txt big-left.txt - > /dev/null &
set +m
sleep 0.5 && kill -INT $!
wait $!; status=$?
[ "$status" = 130 ] && [ "$(cat out.txt)" = old ] && [ "$(ls -A | grep -c quorvex)" = 0 ] &&
    [ -z "$(ls -A scratch)" ] || fail "SIGINT: status $status, files [$(ls -A scratch; ls -A | grep quorvex)]"
run --memory=1M -T missing-folder big-left.txt big-right.txt
expect 2 "" "quorvex-compare: cannot make a temporary file in 'missing-folder': No such file or directory; name another folder with --temporary-directory" "a missing temporary folder"

# A reader that goes away: ended as the signal ends GNU tools, quietly; an
# output file is still written whole.
seq 1 200000 > many.txt
"$program" --output-left=all.txt many.txt /dev/null 2>err.txt | head -1 > /dev/null
status=${PIPESTATUS[0]}
[ "$status" = 141 ] && [ ! -s err.txt ] && [ "$(wc -l < all.txt)" = 200000 ] ||
    fail "closed pipe: status $status, err [$(cat err.txt)]"
run many.txt /dev/null
"$program" many.txt /dev/null > /dev/full 2>err.txt; status=$?
[ "$status" = 2 ] && [ "$(cat err.txt)" = "quorvex-compare: standard output: No space left on device" ] ||
    fail "standard output on a full disk: $status [$(cat err.txt)]"

# A full disk keeps the old output file whole and leaves nothing beside it;
# a full temporary disk says what to do.
mkdir tiny tinytmp
if mount -t tmpfs -o size=16k tmpfs tiny 2>/dev/null && mount -t tmpfs -o size=64k tmpfs tinytmp 2>/dev/null; then
    echo old > tiny/out.txt
    run --output-left=tiny/out.txt many.txt /dev/null
    [ "$status" = 2 ] && [ "$(cat tiny/out.txt)" = old ] && [ "$(ls tiny)" = out.txt ] &&
        [[ "$err" == "quorvex-compare: tiny/out.txt: No space left on device" ]] ||
        fail "full disk: status $status, err [$err], files [$(ls tiny)]"
    run --memory=1M -T tinytmp many.txt /dev/null
    expect 2 "" "quorvex-compare: no room left for temporary files in 'tinytmp' (No space left on device); name a folder on a larger disk with --temporary-directory" "a full temporary disk"
else
    echo "full disks not tried: no tmpfs here"
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
        actual=$("$program" --pair --no-trim ${mode#* } a.txt b.txt)
        [ "$actual" = "$expected" ] || fail "comm ${mode%% *}, round $round"
    done
done

[ $failures = 0 ] && echo "all passed"
exit $((failures > 0))
