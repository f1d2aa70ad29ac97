#!/bin/sh
# Times quorvex-compare file to file against LC_ALL=C sort + comm and a Python
# set difference on the same lists in one run, with each one's peak memory:
# 1, 3 and 10 million lines a side, or the millions given as arguments.
# Figures in docs/performance.md.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target quorvex-compare
exec python3 bench/compare_cli.py build/native/quorvex-compare build/bench-data "$@"
