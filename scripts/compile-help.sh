#!/bin/sh
# Compiles the help project staged in folder STAGE into the file OUT.
# Usage: scripts/compile-help.sh STAGE OUT
#
# chmcmd (fp-utils 3.2.2) stores each help context's page as the page's
# absolute path, while a viewer looks the page up by its path inside the
# file ("/quorvex.htm"). So chmcmd runs with STAGE as its root directory, in
# a user and mount namespace of its own (no root rights needed), with /usr
# mounted into it for the compiler and its libraries.
set -eu
stage=$(cd "$1" && pwd)
out=$2
compiler=$(readlink -f "$(command -v chmcmd)")
cd "$stage"
mkdir -p usr
rm -f mivo.chm
# Where user namespaces are not allowed (some containers), the file is still
# made, and the help test then names the contexts whose pages it cannot find.
if ! unshare --user --map-root-user true 2>/dev/null; then
    echo "compile-help.sh: no user namespace here; the help file's contexts will not open their pages" >&2
    "$compiler" mivo.hhp > chmcmd.log 2>&1 || { cat chmcmd.log >&2; exit 1; }
    mv mivo.chm "$out"
    exit 0
fi
unshare --user --map-root-user --mount --propagation private sh -c '
    set -eu
    mount --rbind /usr usr
    for d in bin lib lib32 lib64 libx32; do
        if [ -L "/$d" ]; then ln -sfn "$(readlink "/$d")" "$d"
        elif [ -d "/$d" ]; then mkdir -p "$d" && mount --rbind "/$d" "$d"; fi
    done
    exec chroot . "$0" mivo.hhp' "$compiler" > chmcmd.log 2>&1 || {
    cat chmcmd.log >&2
    exit 1
}
# The compiler also reports a broken page or contents file only in its log.
if grep -E -i '^(error|warning)|not found|corrupt' chmcmd.log >&2; then exit 1; fi
mv mivo.chm "$out"
