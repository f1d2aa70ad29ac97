#!/bin/sh
# Installs the Debian packages that building, running and testing need, when
# any is missing, and any named as arguments, then 32-bit Wine, which runs the
# 32-bit product. Runs apt as root, through sudo when not root.
set -eu
packages="cmake ninja-build g++ clang clang-format libclang-rt-14-dev googletest libbenchmark-dev libicu-dev
g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
wine wine64 fonts-wine xvfb x11-utils imagemagick fp-utils python3 nsis dpkg-dev file $*"
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=""
for p in $packages; do
    installed "$p" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -qq || { echo "setup-deps.sh: apt-get update failed; nothing was installed" >&2; exit 1; }
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null ||
        { echo "setup-deps.sh: apt-get install failed for:$missing" >&2; exit 1; }
fi
# The i386 packages live in an index of their own, which some days does not
# match the amd64 one: then the 64-bit build stands in for the product.
if ! installed wine32:i386; then
    echo "Installing: wine32:i386"
    if ! { dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386; } ||
        ! $sudo apt-get update -qq ||
        ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null; then
        echo "32-bit Wine could not be installed; the 64-bit build is tested in place of the 32-bit product"
    fi
fi
