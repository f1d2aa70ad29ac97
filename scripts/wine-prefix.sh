#!/bin/sh
# Makes the private Wine prefix once: Windows XP as the reported version, and
# window frames drawn by Wine (no window manager under Xvfb; managed windows
# would also wait 2 s at every hide).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
stamp="$WINEPREFIX/.quorvex-prefix-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
wine wineboot --init >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# Wine's own fonts (Tahoma, and Marlett for the caption buttons) are not found
# in its data folder on these machines; the prefix's Fonts folder is searched.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
touch "$stamp"
