#!/bin/sh
# Formats the C++ sources with the committed .clang-format; with --check,
# changes nothing and fails, naming the files, when one is not formatted.
# Usage: scripts/format.sh [--check]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v clang-format >/dev/null || { echo "format.sh: clang-format is not installed (apt-get install clang-format)" >&2; exit 1; }
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" != "--check" ]; then
    # shellcheck disable=SC2086
    clang-format -i $files
    exit 0
fi
unformatted=""
for file in $files; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted="$unformatted $file"
done
[ -z "$unformatted" ] && exit 0
echo "not formatted (scripts/format.sh formats them):$unformatted" >&2
exit 1
