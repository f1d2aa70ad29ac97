#!/bin/sh
# Installs the Debian packages that building, running and testing need, when
# any is missing, and any named as arguments. Runs apt as root, through sudo
# when not root.
set -eu
packages="cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev libicu-dev
g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
wine wine64 fonts-wine xvfb x11-utils imagemagick fp-utils python3 nsis dpkg-dev file $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
