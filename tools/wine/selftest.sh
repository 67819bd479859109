#!/usr/bin/env bash
# selftest.sh [TEMPLATE_DIR]
# Checks that the Wine test environment works on this machine, using only
# programs that ship with Wine. Without TEMPLATE_DIR a fresh template is built
# (about 10 s). Prints "N passed, N failed" and fails if anything failed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Everything the scripts create (prefixes, Xvfb and wineserver temp dirs) lands
# here, so leftovers can be detected.
work=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-wine-selftest.XXXXXX")
export TMPDIR="$work/tmp"
mkdir "$TMPDIR"
trap 'rm -rf "$work"' EXIT
template=${1:-$work/template}

passed=0 failed=0
check() { # NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then passed=$((passed + 1)); echo "ok   $1"
    else failed=$((failed + 1)); printf 'FAIL %s\n     expected: %q\n     actual:   %q\n' "$1" "$2" "$3"; fi
}
run() { "$here/run-exe.sh" --template "$template" "$@"; }
# cmd writes ANSI code page bytes to a pipe; decode them as Windows-1250.
text() { iconv -f CP1250 -t UTF-8 | tr -d '\r'; }

"$here/prepare-prefix.sh" "$template"
start=$(date +%s%N)
"$here/prepare-prefix.sh" "$template"
check "prepared template is reused at once" yes "$([ $(( ($(date +%s%N) - start) / 1000000 )) -lt 1000 ] && echo yes || echo no)"

status=0; run cmd /c exit 7 || status=$?
check "program exit status is passed on" 7 "$status"

run cmd /c echo ahoj >"$work/out" 2>"$work/err" || true
check "stdout carries only the program's output" "ahoj" "$(text <"$work/out")"
check "stderr is quiet" "" "$(cat "$work/err")"

# "č" exists in code page 1250 but not in 1252: proves the Czech ANSI code page
# and Czech messages at run time, not just in the registry.
check "Czech locale, code page 1250" yes \
    "$(run cmd /c time /t | text | grep -qE '^Aktuální čas je [0-9]{1,2}:[0-9]{2}' && echo yes || echo no)"

check "--faketime sets the program's date" "Aktuální datum je 15. 3. 2026" \
    "$(run --faketime "2026-03-15 10:00:00" cmd /c date /t | text)"

# A program inside Wine starts another at a fake date through KALVIO_START_FAKED
# and keeps its own real date. The started process cannot be waited for, so poll.
printf '%s\r\n' '@echo off' \
    '"%KALVIO_START_FAKED%" "2026-03-15 10:00:00" cmd /c "date /t >C:\faked.tmp && move C:\faked.tmp C:\faked.txt >nul"' \
    'set n=0' ':wait' 'if exist C:\faked.txt goto done' 'set /a n+=1' 'if %n% lss 3000 goto wait' ':done' \
    'type C:\faked.txt' 'date /t' >"$work/faked.bat"
run cmd /c "Z:${work//\//\\}\\faked.bat" | text >"$work/faked.out" || true
check "started from inside Wine: child has the fake date" "Aktuální datum je 15. 3. 2026" "$(sed -n 1p "$work/faked.out")"
check "started from inside Wine: parent keeps the real date" \
    "Aktuální datum je $(date +'%-d. %-m. %Y')" "$(sed -n 2p "$work/faked.out")"

check "--dpi sets LogPixels" "LogPixels REG_DWORD 0x90" \
    "$(run --dpi 144 reg query 'HKCU\Control Panel\Desktop' /v LogPixels | text | grep LogPixels | xargs)"
check "windows live in Wine's virtual desktop" "Desktop REG_SZ Default" \
    "$(run reg query 'HKCU\Software\Wine\Explorer' /v Desktop | text | grep Desktop | xargs)"
check "crash dialog is off" "ShowCrashDialog REG_DWORD 0x0" \
    "$(run reg query 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog | text | grep ShowCrash | xargs)"

s1=0 s2=0
run cmd /c exit 3 & p1=$!
run cmd /c exit 4 & p2=$!
wait "$p1" || s1=$?
wait "$p2" || s2=$?
check "parallel runs are independent" "3 4" "$s1 $s2"

check "nothing left in TMPDIR" "" "$(ls -A "$TMPDIR")"
leftover=''
for env in /proc/[0-9]*/environ; do
    if grep -qz "^WINEPREFIX=$TMPDIR/" "$env" 2>/dev/null; then leftover+=" ${env//[^0-9]/}"; fi
done
check "no Wine process left running" "" "$leftover"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
