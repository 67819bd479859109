#!/usr/bin/env bash
# start-faked.sh "YYYY-MM-DD hh:mm:ss" EXE [ARGS...]
# Runs a Windows program under Wine with its clock starting at the given local
# date and time (then running on). Only this process is faked: it joins the
# prefix's running wineserver, which keeps the real clock, so other programs in
# the prefix (a test driver) still see its windows.
# Meant to be started from inside Wine too: CreateProcess on this script's
# Windows path (run-exe.sh exports it as KALVIO_START_FAKED) makes Wine exec it
# as a native process, inheriting WINEPREFIX, DISPLAY and std handles.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
die() { echo "start-faked.sh: $*" >&2; exit 125; }
[ $# -ge 2 ] || die 'usage: start-faked.sh "YYYY-MM-DD hh:mm:ss" EXE [ARGS...]'
date=$1; shift
[[ $date =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] \
    || die "date must look like '2026-03-15 10:00:00', got '$date'"
[ -n "${WINEPREFIX-}" ] || die "WINEPREFIX is not set; the program would not join the right wineserver"
lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1
[ -f "$lib" ] || die "libfaketime not found (apt-get install faketime)"
# shellcheck source=env.sh
. "$here/env.sh"

# "@" starts the clock at DATE and lets it run. Wine needs the real monotonic
# clock (timeouts, timers), and stat() times left alone keep file dates sane.
export FAKETIME="@$date" NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1
export LD_PRELOAD="$lib${LD_PRELOAD:+:$LD_PRELOAD}"
exec wine "$@"
