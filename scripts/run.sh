#!/bin/sh
# Builds Quorvex and starts it under Wine (Windows XP, private prefix in
# build/). With a display it simply runs. Without one it runs for a few
# seconds on a private X server, saves a screenshot and closes the program.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh win32 win64
. scripts/wine-env.sh
. scripts/xvfb.sh

# The 32-bit product needs 32-bit Wine; where only wine64 exists, the 64-bit
# build of the same sources runs.
exe=build/win64/Quorvex.exe
has_wine32 && exe=build/win32/Quorvex.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    wine "$exe" "$@"
    # Wine's own helper processes end with the last program (a server left
    # running by hand is ended too).
    timeout 30 wineserver -w 2>/dev/null || wineserver -k
    exit 0
fi

shot="$root/build/quorvex-screenshot.png"
trap end_session EXIT INT TERM
start_xvfb
wine "$exe" "$@" >/dev/null 2>&1 &
program=$!
tries=0
until xwininfo -root -tree 2>/dev/null | grep -q '"Quorvex"'; do
    tries=$((tries + 1))
    if [ $tries -gt 600 ] || ! kill -0 "$program" 2>/dev/null; then
        echo "Quorvex did not open its window" >&2
        exit 1
    fi
    sleep 0.1
done
sleep 3
import -display "$DISPLAY" -window root "$shot"
# A polite close: WM_CLOSE to the program's windows, as the close box sends.
wine taskkill /im Quorvex.exe >/dev/null 2>&1 || true
wait "$program" || true
timeout 30 wineserver -w 2>/dev/null || wineserver -k
echo "Screenshot: $shot"
