#!/bin/bash
# The installer under Wine: a silent install into a scratch folder and what
# it leaves, the uninstaller and what it removes, and a refused system on
# which nothing is copied. What the prefix held before (an InstallPath
# value) is put back. The product's installer is 32-bit: in a 64-bit prefix
# its registry values are in the 32-bit view.
# Usage: installer-test.sh INSTALLER BUILD-FOLDER VERSION
set -u
installer=$(realpath "$1") build=$(realpath "$2") version=$3
root=$(realpath "$(dirname "$0")/../..")
. "$root/scripts/wine-env.sh"
# Shortcuts would otherwise reach the desktop menus of the user running this.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
suite='HKLM\SOFTWARE\Orlenti\Vantoria'
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\OrlentiQuorvex'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orlenti Vantoria"
work=$(mktemp -d)
folder="$work/Vantoria" windows_folder="Z:${work//\//\\}\\Vantoria"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# Through files, not pipes: Wine's helper processes would keep a pipe open.
win() { wine "$@" > "$work/out" 2>&1 < /dev/null; }
view=/reg:64
file -b "$installer" | grep -q '^PE32 ' && view=/reg:32
query() { win reg query "$@" $view; local status=$?; tr -d '\r' < "$work/out"; return $status; }
install_path() { query "$suite" /v InstallPath | sed -n 's/^ *InstallPath *REG_SZ *//p'; }

saved=$(install_path)
# The uninstaller runs from a copy in the temporary folder, left behind.
copies_before=$(ls -d "$WINEPREFIX"/drive_c/users/*/Temp/~nsu*.tmp 2>/dev/null)
cleanup() {
    win reg delete 'HKCU\Software\Wine\AppDefaults\refused-setup.exe' /f
    for copy in "$WINEPREFIX"/drive_c/users/*/Temp/~nsu*.tmp; do
        grep -qxF "$copy" <<< "$copies_before" || rm -rf "$copy"
    done
    if [ $failures -ne 0 ]; then
        win reg delete "$entry" /f $view
        win reg delete "$suite" /v InstallPath /f $view
        rm -rf "$menu"
    fi
    [ -n "$saved" ] && win reg add "$suite" /v InstallPath /d "$saved" /f $view
    rm -rf "$work"
}
trap cleanup EXIT

win "$installer" /S "/D=$windows_folder" || fail "the silent install ended with $?"
for file in Quorvex.exe quorvex-compare.exe mivo.chm; do
    cmp -s "$build/$file" "$folder/$file" || fail "$file not installed as built"
done
[ "$(install_path)" = "$windows_folder" ] || fail "InstallPath is not the folder"
uninstaller="$windows_folder\\Uninstall Quorvex.exe"
expected=$(sed "s/^/    /" <<EOF
DisplayIcon    REG_SZ    $windows_folder\\Quorvex.exe,0
DisplayName    REG_SZ    Quorvex
DisplayVersion    REG_SZ    $version
InstallLocation    REG_SZ    $windows_folder
NoModify    REG_DWORD    0x1
NoRepair    REG_DWORD    0x1
Publisher    REG_SZ    Orlenti
QuietUninstallString    REG_SZ    "$uninstaller" /S
UninstallString    REG_SZ    "$uninstaller"
EOF
)
[ "$(query "$entry" | sed 1,2d | grep .)" = "$expected" ] || fail "the uninstall entry is not as expected"
grep -qa 'Quorvex.exe' "$menu/Quorvex.lnk" 2>/dev/null || fail "no Start-menu shortcut to Quorvex.exe"

# The uninstaller starts its copy and returns at once.
win "$folder/Uninstall Quorvex.exe" /S || fail "the uninstaller ended with $?"
for _ in $(seq 100); do
    if [ ! -e "$folder" ] && ! query "$entry" > /dev/null; then break; fi
    sleep 0.2
done
[ -e "$folder" ] && fail "the folder is still there: $(ls "$folder")"
query "$entry" > /dev/null && fail "the uninstall entry is still there"
query "$suite" /v InstallPath > /dev/null && fail "InstallPath is still there"
[ -e "$menu" ] && fail "the Start-menu folder is still there"

# Windows 7 is refused: the installer ends before it copies anything.
cp "$installer" "$work/refused-setup.exe"
win reg add 'HKCU\Software\Wine\AppDefaults\refused-setup.exe' /v Version /d win7 /f
win "$work/refused-setup.exe" /S "/D=$windows_folder"
status=$?
[ $status -eq 1 ] || fail "the refusing installer ended with $status, not 1"
[ -e "$folder" ] && fail "the refusing installer copied files"
query "$suite" /v InstallPath > /dev/null && fail "the refusing installer wrote InstallPath"

[ $failures -eq 0 ] && echo "installed, uninstalled and refused as expected"
exit $((failures != 0))
