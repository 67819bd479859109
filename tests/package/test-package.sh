#!/usr/bin/env bash
# test-package.sh TEMPLATE_DIR ZIP SETUP VERSION_TEXT KALVIO_EXE
# The release packages used as a user would, in a throw-away Wine prefix: the
# zip, an install, a second install elsewhere, the uninstall.
# Needs `cmake --build --preset windows --target package`.
set -euo pipefail

wine_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine" && pwd)
[ $# -eq 5 ] || { echo "usage: test-package.sh TEMPLATE_DIR ZIP SETUP VERSION_TEXT KALVIO_EXE" >&2; exit 125; }
template=$1 zip=$2 setup=$3 version=$4 exe=$5
for f in "$zip" "$setup"; do [ -f "$f" ] || { echo "no $f: build --target package" >&2; exit 1; }; done
if [ -z "${DISPLAY-}" ]; then exec "$wine_tools/with-xvfb.sh" bash "$0" "$@"; fi

failures=0
check() {  # check WHAT COMMAND [ARGS...]
    if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

# Notepad shows the read-me right only as UTF-8 with a BOM and CR LF.
check "zip holds the built Kalvio.exe and ČTI MĚ.txt (BOM, CR LF) only" python3 - "$zip" "$exe" <<'EOF'
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
if sorted(archive.namelist()) != ["Kalvio.exe", "ČTI MĚ.txt"]: sys.exit(f"  holds {archive.namelist()}")
if archive.read("Kalvio.exe") != open(sys.argv[2], "rb").read(): sys.exit("  Kalvio.exe is not the built one")
readme = archive.read("ČTI MĚ.txt")
if readme[:3] != b"\xef\xbb\xbf" or b"\n" in readme.replace(b"\r\n", b""): sys.exit("  ČTI MĚ.txt: BOM or CR missing")
EOF

. "$wine_tools/env.sh"
"$wine_tools/prepare-prefix.sh" "$template"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-package.XXXXXX")
export WINEPREFIX
trap 'end_prefix "$WINEPREFIX"; rm -rf "$WINEPREFIX"' EXIT
"$wine_tools/new-prefix.sh" "$template" "$WINEPREFIX"
drive=$WINEPREFIX/drive_c

# reg.exe now and then fails to start right after an install; a missing key fails every try.
reg_query() { for _ in 1 2 3; do wine reg query "$@" 2>/dev/null && return 0; sleep 1; done; return 1; }
# The uninstall entry, every value in name order; the size is the folder's in KB.
entry_ok() {  # entry_ok WINDOWS_DIR UNIX_DIR
    diff - <(reg_query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvio' | tr -d '\r' |
        sed -n 's/^    \([A-Za-z]*\)    \(REG_[A-Z_]*\)    /\1 \2 /p' | LC_ALL=C sort) <<EOF
DisplayIcon REG_SZ $1\\Kalvio.exe,0
DisplayName REG_SZ Kalvio
DisplayVersion REG_SZ $version
EstimatedSize REG_DWORD $(printf '0x%x' $(( $(cat "$2"/* | wc -c) / 1024 )))
InstallLocation REG_SZ $1
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ Kalvio Soft
QuietUninstallString REG_SZ "$1\\Uninstall.exe" /S
UninstallString REG_SZ "$1\\Uninstall.exe"
EOF
}
files_ok() { [ "$(ls "$1" | tr '\n' ' ')" = "Kalvio.exe Uninstall.exe " ] && cmp "$exe" "$1/Kalvio.exe"; }
menu_lnk='ProgramData/Microsoft/Windows/Start Menu/Programs/Kalvio.lnk' desktop_lnk='users/Public/Desktop/Kalvio.lnk'
shortcuts() {  # the shortcuts for all users that start WINDOWS_DIR\Kalvio.exe
    cd "$drive" && grep -laF "$1\\Kalvio.exe" "$menu_lnk" "$desktop_lnk" 2>/dev/null | tr '\n' ' '
}
installed_in() {  # installed_in WINDOWS_DIR UNIX_DIR SHORTCUTS
    check "$1 holds the built Kalvio.exe and Uninstall.exe only" files_ok "$2"
    check "shortcuts for all users start it: $3" test "$(shortcuts "$1")" = "$3"
    check "its uninstall entry holds the expected values" entry_ok "$1" "$2"
}

check "silent install (/S) succeeds" wine "$setup" /S
installed_in 'C:\Program Files\Kalvio' "$drive/Program Files/Kalvio" "$menu_lnk "
check "second silent install with the desktop shortcut, into another folder (/D=), succeeds" \
    wine "$setup" /S /DESKTOP '/D=C:\Programy\Kalvio'
installed_in 'C:\Programy\Kalvio' "$drive/Programy/Kalvio" "$menu_lnk $desktop_lnk "
check "the first copy is gone" test ! -e "$drive/Program Files/Kalvio"

# Wine now and then refuses a start right after another program ended.
again() { "$@" || { sleep 1; "$@"; }; }
check "silent uninstall starts" again wine 'C:\Programy\Kalvio\Uninstall.exe' /S
# It runs from a copy in the temporary folder and returns at once.
for _ in $(seq 150); do [ -e "$drive/Programy/Kalvio" ] || break; sleep 0.2; done
check "no file, folder or shortcut of Kalvio is left" test -z "$(find "$drive" -iname '*kalvio*' | tee /dev/stderr)"
wineserver -k && wineserver -w  # writes the registry out
check "no registry key or value mentions Kalvio" test -z "$(grep -hi kalvio "$WINEPREFIX"/*.reg | tee /dev/stderr)"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all package checks passed"
