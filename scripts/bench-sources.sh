#!/bin/sh
# Times the list sources of the 64-bit build under Wine against the system's
# own tools on the same inputs: AddListing of a tree of 100,000 entries
# against find, and OpenFile of a 50 MB list. Figures in docs/performance.md.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target sources_bench
scripts/wine-prefix.sh
. scripts/wine-env.sh
. scripts/xvfb.sh

data="$root/build/bench-data"
tree="$data/tree"
list="$data/list-50mb.txt"
mkdir -p "$data"
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
echo "tree: $(find "$tree" -mindepth 1 | wc -l) entries; list: $(wc -c < "$list") bytes, LF line ends"

times=""
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    find "$tree" -printf '%P\n' > /dev/null
    end=$(date +%s%N)
    times="$times $(( (end - start) / 1000 ))"
done
printf "find DIR -printf '%%P\\n': median %s ms of 5 runs (all, in microseconds:%s)\n" \
    "$(( $(echo $times | tr ' ' '\n' | sort -n | sed -n 3p) / 1000 ))" "$times"

trap end_session EXIT INT TERM
start_xvfb
wineserver -p
out=$(mktemp)
wine build/win64/sources_bench.exe "$(winepath -w "$tree")" "$(winepath -w "$list")" > "$out" 2>/dev/null </dev/null
cat "$out"
rm -f "$out"
