#!/bin/sh
# Times quorvex-compare file to file against LC_ALL=C sort + comm and a plain
# Python set difference on the same lists in one run, with each one's peak
# memory and temporary disk: in memory, beyond memory, and its growth from 10
# to 100 million lines a side (about 20 GB of lists and half an hour in all),
# or the sections named as arguments (memory, beyond, growth).
# Figures in docs/performance.md.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target quorvex-compare
exec python3 bench/compare_cli.py build/native/quorvex-compare build/bench-data "$@"
