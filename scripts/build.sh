#!/bin/sh
# Installs what is missing, configures and builds the given presets, and
# makes the private Wine prefix. Usage: scripts/build.sh PRESET...
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-deps.sh
for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
scripts/wine-prefix.sh
