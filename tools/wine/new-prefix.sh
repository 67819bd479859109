#!/usr/bin/env bash
# new-prefix.sh TEMPLATE_DIR DEST_DIR [DPI]
# Makes a throw-away Wine prefix from a template built by prepare-prefix.sh,
# optionally with a screen DPI (LogPixels, e.g. 144 for 150 %).
set -euo pipefail

die() { echo "new-prefix.sh: $*" >&2; exit 125; }
[ $# -eq 2 ] || [ $# -eq 3 ] || die "usage: new-prefix.sh TEMPLATE_DIR DEST_DIR [DPI]"
template=$(realpath -m "$1") dest=$(realpath -m "$2") dpi=${3-}
[ -f "$template/.kalvio-template" ] || die "$template is not a prepared template (run prepare-prefix.sh)"
[[ -z $dpi || $dpi =~ ^[1-9][0-9]{1,3}$ ]] || die "DPI must be a number such as 96 or 144, got '$dpi'"
if [ -e "$dest" ] && [ -n "$(ls -A "$dest")" ]; then die "$dest exists and is not empty"; fi
mkdir -p "$dest"

# A full copy is ~700 MB, mostly DLLs Wine only ever reads: hard-link those,
# copy everything else so registry, ini and data writes stay in this prefix.
cp -al "$template/." "$dest/"
(cd "$template" && find . -type f ! -iregex '.*\.\(dll\|exe\|nls\|fon\|ttf\|sys\|drv\|ocx\|cpl\|acm\|tlb\|ax\|com\|ds\|msstyles\)' -print0 |
    xargs -0 -r cp -a --parents --remove-destination -t "$dest")
rm -f "$dest/.kalvio-template"

if [ -n "$dpi" ]; then
    # wineserver is not running on this prefix yet, so the text hive can be edited directly.
    hex=$(printf '%08x' "$dpi")
    awk -v val="\"LogPixels\"=dword:$hex" '
        pending && !/^#time=/ { print val; pending = 0; done = 1 }
        /^\[/ { insec = ($0 ~ /^\[Control Panel\\\\Desktop\] /); pending = insec }
        insec && /^"LogPixels"=/ { next }
        { print }
        END { exit !done }
    ' "$dest/user.reg" >"$dest/user.reg.new" || die "no [Control Panel\\Desktop] key in $dest/user.reg"
    mv "$dest/user.reg.new" "$dest/user.reg"
fi
