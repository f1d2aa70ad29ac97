#!/bin/sh
# Formats the C++ sources with the committed .clang-format; with --check,
# changes nothing and fails, naming the files, when one is not formatted.
# Usage: scripts/format.sh [--check]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v clang-format >/dev/null || { echo "format.sh: clang-format is not installed (apt-get install clang-format)" >&2; exit 1; }
files=$(git ls-files '*.cpp' '*.h')
# The names hold no blanks: they are split on purpose.
if [ "${1:-}" != "--check" ]; then
    clang-format -i $files
    exit 0
fi
# One run over every file; it names each place it would change, or says why
# it could not run.
report=$(clang-format --dry-run --Werror $files 2>&1) && exit 0
unformatted=$(printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
[ -n "$unformatted" ] || { printf 'format.sh: clang-format failed:\n%s\n' "$report" >&2; exit 1; }
echo "not formatted (scripts/format.sh formats them):" $unformatted >&2
exit 1
