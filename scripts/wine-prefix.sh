#!/bin/sh
# Makes the private Wine prefix: Windows XP as the reported version, and
# window frames drawn by Wine (no window manager under Xvfb; managed windows
# would also wait 2 s at every hide). A prefix made before 32-bit Wine was
# installed starts no program any more ("could not load kernel32.dll"), so
# the stamp records which Wine made it, and a prefix of the other kind is
# made anew.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
stamp="$WINEPREFIX/.quorvex-prefix-ready"
kind=64
[ -x /usr/lib/wine/wine ] && kind=32
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$kind" ] && exit 0
if [ -e "$WINEPREFIX" ]; then
    echo "Making the Wine prefix anew for ${kind}-bit Wine: $WINEPREFIX"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
fi
mkdir -p "$WINEPREFIX"
wine wineboot --init >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# Wine's own fonts (Tahoma, and Marlett for the caption buttons) are not found
# in its data folder on these machines; the prefix's Fonts folder is searched.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
echo "$kind" > "$stamp"
