#!/bin/sh
# Makes the private Wine prefix: Windows XP as the reported version, and
# window frames drawn by Wine (no window manager under Xvfb; managed windows
# would also wait 2 s at every hide). A prefix made before 32-bit Wine was
# installed starts no program any more ("could not load kernel32.dll"), so
# the stamp records which Wine made it, and a prefix of the other kind is
# made anew. A step that fails says which, in Wine's own words.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
stamp="$WINEPREFIX/.quorvex-prefix-ready"
kind=64
has_wine32 && kind=32
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$kind" ] && exit 0

fail() {
    echo "wine-prefix.sh: $1 ($WINEPREFIX)" >&2
    [ -n "${2:-}" ] && printf '%s\n' "$2" | tail -n 5 >&2
    exit 1
}
step() {
    what=$1
    shift
    out=$("$@" 2>&1) || fail "$what failed" "$out"
}

if [ -e "$WINEPREFIX" ]; then
    echo "Making the Wine prefix anew for ${kind}-bit Wine: $WINEPREFIX"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX" || fail "the old prefix could not be removed"
fi
mkdir -p "$WINEPREFIX" || fail "the prefix folder could not be made"
# What counts is a prefix that can start a program, whatever wineboot's status.
out=$(wine wineboot --init 2>&1) || true
[ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] || fail "wineboot did not make the prefix" "$out"
step "setting the reported Windows version" wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f
step "turning off managed windows" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
# Wine's own fonts (Tahoma, and Marlett for the caption buttons) are not found
# in its data folder on these machines; the prefix's Fonts folder is searched.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null ||
    echo "wine-prefix.sh: Wine's fonts were not copied into the prefix; captions may draw in other fonts" >&2
wineserver -w
echo "$kind" > "$stamp"
