#!/bin/sh
# Times the list sources under Wine (the 32-bit build where 32-bit Wine runs
# it, the 64-bit one otherwise) against the system's own tools on the same
# inputs: AddListing of a tree of 100,000 entries
# against find, and OpenFile of a 50 MB list; then a million items a pane
# through the window (--million alone skips the first part), and a 100 MB
# list opened (--large, on its own only), and 10,000 handed-over names
# (--handed-over, on its own only). Figures in docs/performance.md.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-deps.sh
. scripts/wine-env.sh
# The 32-bit test preset builds the product's sources, optimised as the
# product is, with the thread model its test libraries need.
preset=win64
has_wine32 && preset=win32-test
cmake --preset $preset >/dev/null
cmake --build --preset $preset --target sources_bench
bench="build/$preset/sources_bench.exe"
scripts/wine-prefix.sh
. scripts/xvfb.sh

data="$root/build/bench-data"
tree="$data/tree"
list="$data/list-50mb.txt"
mkdir -p "$data"
trap end_session EXIT INT TERM
# The handed-over names need none of the inputs below: the program writes them.
if [ "${1:-}" = "--handed-over" ]; then
    start_xvfb
    wineserver -p
    wine "$bench" --handed-over "$(winepath -w "$data")" > "$data/handed-over.out" 2>/dev/null \
        </dev/null
    cat "$data/handed-over.out"
    exit 0
fi
# 10 x 10 x 10 folders; 98 files in each of the 1000 deepest, 8 in each of
# the 100 middle ones, 9 in each of the 10 upper ones: 100,000 entries.
if [ ! -f "$data/tree.ready" ]; then
    rm -rf "$tree"
    for a in 0 1 2 3 4 5 6 7 8 9; do
        for b in 0 1 2 3 4 5 6 7 8 9; do
            for c in 0 1 2 3 4 5 6 7 8 9; do mkdir -p "$tree/a$a/b$b/c$c"; done
            (cd "$tree/a$a/b$b" && touch m1 m2 m3 m4 m5 m6 m7 m8)
            for c in 0 1 2 3 4 5 6 7 8 9; do
                (cd "$tree/a$a/b$b/c$c" && seq -f 'file%02g.txt' 1 98 | xargs touch)
            done
        done
        (cd "$tree/a$a" && touch u1 u2 u3 u4 u5 u6 u7 u8 u9)
    done
    touch "$data/tree.ready"
fi
[ -f "$list" ] || seq -f 'list-item-%012g' 1 2500000 | head -c 50000000 > "$list"
# Two lists of 1,000,000 items like "Qe7b6438b-0932537.txt", half of them on
# both sides, each side in its own shuffled order.
left="$data/million-left.txt"
right="$data/million-right.txt"
if [ ! -f "$right" ]; then
    awk -v right="$data/million-right.tmp" 'BEGIN { srand(7); for (i = 0; i < 1000000; i++) {
        h = sprintf("%08x", int(rand() * 4294967296)); printf "Q%s-%07d.txt\n", h, i
        printf "%s%s-%07d.txt\n", (i % 2 ? "R" : "Q"), h, i > right } }' > "$data/million-left.tmp"
    shuf --random-source="$data/million-left.tmp" "$data/million-left.tmp" > "$left"
    shuf --random-source="$data/million-left.tmp" "$data/million-right.tmp" > "$right"
    rm -f "$data/million-left.tmp" "$data/million-right.tmp"
fi
echo "tree: $(find "$tree" -mindepth 1 | wc -l) entries; list: $(wc -c < "$list") bytes, LF line ends"

start_xvfb
wineserver -p
out=$(mktemp)
million() {
    wine "$bench" --million "$(winepath -w "$left")" "$(winepath -w "$right")" \
        "$(winepath -w "$data")\\saved.txt" > "$out" 2>/dev/null </dev/null
    cat "$out"
}
if [ "${1:-}" = "--large" ]; then
    large="$data/list-100mb.txt"
    [ -f "$large" ] || seq -f 'list-item-%012g' 1 5000000 | head -c 100000000 > "$large"
    wine "$bench" --large "$(winepath -w "$large")" > "$out" 2>/dev/null </dev/null
    cat "$out"
    rm -f "$out"
    exit 0
fi
if [ "${1:-}" = "--million" ]; then
    million
    rm -f "$out"
    exit 0
fi

times=""
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    find "$tree" -printf '%P\n' > /dev/null
    end=$(date +%s%N)
    times="$times $(( (end - start) / 1000 ))"
done
printf "find DIR -printf '%%P\\n': median %s ms of 5 runs (all, in microseconds:%s)\n" \
    "$(( $(echo $times | tr ' ' '\n' | sort -n | sed -n 3p) / 1000 ))" "$times"

wine "$bench" "$(winepath -w "$tree")" "$(winepath -w "$list")" > "$out" 2>/dev/null </dev/null
cat "$out"
million
rm -f "$out"
