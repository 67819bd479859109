#!/usr/bin/env bash
# test-package.sh TEMPLATE_DIR ZIP SETUP VERSION KALVIO_EXE SMOKE_EXE RECORDER
# The two release packages used as a user would: the portable zip, then the
# installer, a second install, the installed program run by the smoke test
# and the uninstaller, in a throw-away Wine prefix. Needs the packages built first:
#   cmake --build --preset windows --target package
set -euo pipefail

wine_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine" && pwd)
[ $# -eq 7 ] || { echo "usage: test-package.sh TEMPLATE_DIR ZIP SETUP VERSION KALVIO_EXE SMOKE_EXE RECORDER" >&2; exit 125; }
template=$1 zip=$2 setup=$3 version=$4 exe=$5 smoke=$6 recorder=$7
for f in "$zip" "$setup"; do
    [ -f "$f" ] || { echo "test-package.sh: no $f: build it with --target package" >&2; exit 1; }
done
if [ -z "${DISPLAY-}" ]; then exec "$wine_tools/with-xvfb.sh" bash "$0" "$@"; fi

failures=0
check() {  # check WHAT COMMAND [ARGS...]
    if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

# --- The portable zip: exactly the program and its read-me.
zip_ok() {
    python3 - "$zip" "$exe" <<'EOF'
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
names = sorted(archive.namelist())
readme = archive.read("ČTI MĚ.txt") if "ČTI MĚ.txt" in names else b""
problems = [
    (names != ["Kalvio.exe", "ČTI MĚ.txt"], f"holds {names}"),
    ("Kalvio.exe" in names and archive.read("Kalvio.exe") != open(sys.argv[2], "rb").read(),
     "Kalvio.exe differs from the built one (package target not rebuilt?)"),
    (not readme.startswith(b"\xef\xbb\xbf") or readme.count(b"\n") != readme.count(b"\r\n"),
     "ČTI MĚ.txt is not UTF-8 with BOM and CR LF"),
]
for failed, what in problems:
    if failed: print(" ", what)
sys.exit(any(failed for failed, _ in problems))
EOF
}
check "zip holds Kalvio.exe (the built one) and ČTI MĚ.txt (BOM, CR LF) only" zip_ok

# --- The installer, in a prefix of its own.
. "$wine_tools/env.sh"
"$wine_tools/prepare-prefix.sh" "$template"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-package.XXXXXX")
export WINEPREFIX
cleanup() {
    end_prefix "$WINEPREFIX"
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$wine_tools/new-prefix.sh" "$template" "$WINEPREFIX"

drive=$WINEPREFIX/drive_c
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
menu_link='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Kalvio.lnk'
IFS=. read -r major minor patch <<<"$version"
display_version=$(printf '%d.%02d.%04d' "$major" "$minor" "$patch")

unix_path() { local p=${1#C:\\}; echo "$drive/${p//\\//}"; }
# reg.exe now and then fails to start right after an install; a missing key
# fails every try.
reg_query() {
    for _ in 1 2 3; do wine reg query "$@" 2>/dev/null && return 0; sleep 1; done
    return 1
}
# "TYPE data" of one value of the Kalvio key, as reg.exe prints it.
reg_value() { reg_query "$uninstall\\Kalvio" /v "$1" | tr -d '\r' | sed -n "s/^    $1    \(REG_[A-Z_]*\)    /\1 /p"; }
expect_value() { check "registry $1 = $2" [ "$(reg_value "$1")" = "$2" ]; }
size_ok() {
    local size
    size=$(reg_value EstimatedSize)
    [[ $size =~ ^REG_DWORD\ 0x[0-9a-f]+$ ]] && (( ${size#REG_DWORD } >= $(stat -c %s "$exe") / 1024 ))
}
entries() { reg_query "$uninstall" /s | tr -d '\r' | grep -c "^    DisplayName    REG_SZ    Kalvio$"; }

installed_in() {  # installed_in WINDOWS_DIR
    local win=$1 dir
    dir=$(unix_path "$win")
    check "$win holds Kalvio.exe and Uninstall.exe only" [ "$(ls "$dir" 2>&1 | tr '\n' ' ')" = "Kalvio.exe Uninstall.exe " ]
    check "installed Kalvio.exe is the built one" cmp -s "$exe" "$dir/Kalvio.exe"
    check "Start-menu shortcut for all users, none on the desktop" \
        test -f "$(unix_path "$menu_link")" -a ! -e "$drive/users/Public/Desktop/Kalvio.lnk"
    expect_value DisplayName "REG_SZ Kalvio"
    expect_value DisplayVersion "REG_SZ $display_version"
    expect_value Publisher "REG_SZ Kalvio Soft"
    expect_value DisplayIcon "REG_SZ $win\\Kalvio.exe,0"
    expect_value UninstallString "REG_SZ \"$win\\Uninstall.exe\""
    expect_value QuietUninstallString "REG_SZ \"$win\\Uninstall.exe\" /S"
    expect_value NoModify "REG_DWORD 0x1"
    expect_value NoRepair "REG_DWORD 0x1"
    check "registry EstimatedSize is a DWORD of at least the program's KB" size_ok
    check "one Kalvio in Programs and Features" [ "$(entries)" = 1 ]
    check "the shortcut starts the installed Kalvio.exe" grep -qaF "$win\\Kalvio.exe" "$(unix_path "$menu_link")"
    check "the installed Kalvio starts, works and closes with status 0" wine "$smoke" "Z:$dir/Kalvio.exe" "$recorder"
}

check "silent install (/S) succeeds" wine "$setup" /S
installed_in 'C:\Program Files\Kalvio'

check "second silent install into another folder (/D=) succeeds" wine "$setup" /S '/D=C:\Programy\Kalvio'
installed_in 'C:\Programy\Kalvio'
check "the first copy is gone" test ! -e "$drive/Program Files/Kalvio"

# Wine now and then refuses a start right after another program ended.
again() { "$@" || { sleep 1; "$@"; }; }
check "silent uninstall starts" again wine 'C:\Programy\Kalvio\Uninstall.exe' /S
# It runs from a copy in the temporary folder and returns at once.
for _ in $(seq 150); do [ -e "$drive/Programy/Kalvio" ] || break; sleep 0.2; done
check "no file, folder or shortcut of Kalvio is left" [ -z "$(find "$drive" -iname '*kalvio*')" ]
check "no uninstall key is left" [ "$(entries)" = 0 ]
# Ending the prefix writes its registry out.
wineserver -k && wineserver -w
check "no registry key or value mentions Kalvio" [ "$(cat "$WINEPREFIX"/*.reg | grep -ci kalvio)" = 0 ]

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all package checks passed"
