#!/bin/sh
# Builds the packages into build/packages: the product's installer and
# portable archive from the 32-bit build, the Debian package of
# quorvex-compare from the native one. Usage: scripts/package.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh win32 native
cmake --build --preset win32 --target packages
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win32/CMakeCache.txt)
out=build/packages
rm -rf "$out" build/native/cpack
mkdir -p "$out"
cp "build/win32/packages/Quorvex-$version-setup.exe" "build/win32/packages/Quorvex-$version.zip" "$out/"
(cd build/native && cpack -G DEB -B "$root/build/native/cpack" >/dev/null)
mv build/native/cpack/*.deb "$out/"
ls -l "$out"
