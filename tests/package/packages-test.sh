#!/bin/bash
# What scripts/package.sh leaves in build/packages: the Debian package holds
# quorvex-compare and its manual page, depends on the ICU it was built with
# and names the project's version; the portable archive holds the three files
# and a README with CR LF line ends; the installer is the 32-bit one.
# Usage: packages-test.sh PACKAGES-FOLDER VERSION ICU-PACKAGE
set -u
packages=$(realpath "$1") version=$2 icu=$3
deb=$(echo "$packages"/quorvex-compare_"$version"_*.deb)
archive=$packages/Quorvex-$version.zip installer=$packages/Quorvex-$version-setup.exe
# Missing, they are not built yet: a native build alone skips this test (77),
# the test command, which builds them first, fails it.
for file in "$deb" "$archive" "$installer"; do
    [ -f "$file" ] && continue
    [ -n "${QUORVEX_EVERY_BUILD:-}" ] && { echo "FAILED: no $file: scripts/package.sh builds it"; exit 1; }
    echo "no $file: scripts/package.sh builds it; not run"
    exit 77
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

dpkg-deb -x "$deb" "$work/deb"
[ "$("$work/deb/usr/bin/quorvex-compare" --version)" = "quorvex-compare (Quorvex) $version" ] ||
    fail "the packaged quorvex-compare does not name version $version"
zcat "$work/deb/usr/share/man/man1/quorvex-compare.1.gz" | grep -q '^\.TH QUORVEX-COMPARE 1' ||
    fail "no manual page in the package"
dpkg-deb --info "$deb" | grep -Eq "^ Depends: (.*, )?$icu( |,|$)" || fail "the package does not depend on $icu"

[ "$(cmake -E tar tf "$archive" | LC_ALL=C sort | tr '\n' ' ')" = "Quorvex.exe README.txt mivo.chm quorvex-compare.exe " ] ||
    fail "the archive does not hold the three files and README.txt alone"
(cd "$work" && cmake -E tar xf "$archive" README.txt)
[ "$(grep -c $'\r$' "$work/README.txt")" = "$(wc -l < "$work/README.txt")" ] || fail "README.txt has lines without CR LF"
file "$installer" | grep -q 'PE32 executable (GUI) Intel 80386.*Nullsoft' || fail "the installer is not a 32-bit NSIS one"

[ $failures -eq 0 ] && echo "the packages hold what they should"
exit $((failures != 0))
