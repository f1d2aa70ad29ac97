#!/bin/sh
# Checks the product: a 32-bit GUI executable that loads on Windows Me and
# 2000. Wine exports everything, so only the import table shows a function
# those systems lack: every import must be in scripts/product-imports.txt,
# which says where each one exists.
set -eu
exe=${1:?usage: check-product.sh Quorvex.exe}
list="$(dirname "$0")/product-imports.txt"
objdump=i686-w64-mingw32-objdump
# Missing, it is not built yet: a native build alone skips this check (77),
# the test command, which builds every preset first, fails it.
if [ ! -f "$exe" ]; then
    [ -n "${QUORVEX_EVERY_BUILD:-}" ] && { echo "missing: $exe" >&2; exit 1; }
    echo "no $exe: the win32 preset builds it; not checked"
    exit 77
fi
$objdump -f "$exe" | grep -q 'file format pei-i386' || { echo "not a 32-bit PE executable: $exe" >&2; exit 1; }
headers=$($objdump -p "$exe")
echo "$headers" | grep -q 'Subsystem.*(Windows GUI)' || { echo "not a GUI executable: $exe" >&2; exit 1; }

imports=$(echo "$headers" | awk '
    /DLL Name:/ { dll = tolower($3); next }
    /^\t[ 0-9a-f]+\t +[0-9]+ / { print dll, $NF }')
count=$(echo "$imports" | grep -c . || true)
[ "$count" -gt 0 ] || { echo "no imports read from $exe" >&2; exit 1; }
bad=$(echo "$imports" | awk -v list="$list" '
    BEGIN { while ((getline line < list) > 0) if (line !~ /^#/ && split(line, f) == 3) since[f[1] " " f[2]] = f[3] }
    !(($1 " " $2) in since) { print "  " $1 " " $2 ": not in " list; next }
    since[$1 " " $2] !~ /^(95|95-ie3|95-stub|98)$/ { print "  " $1 " " $2 ": only from " since[$1 " " $2] }')
if [ -n "$bad" ]; then
    echo "imports that Windows Me or 2000 may lack:" >&2
    echo "$bad" >&2
    exit 1
fi
echo "$exe: 32-bit GUI executable; $count imports, all present on Windows Me and 2000"
