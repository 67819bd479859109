#!/usr/bin/env bash
# with-xvfb.sh CMD [ARGS...]
# Runs CMD with DISPLAY pointing at a private Xvfb server on the first free
# display, stops the server afterwards and exits with CMD's status.
# XVFB_SCREEN overrides the screen geometry (default 1280x1024x24).
set -euo pipefail

die() { echo "with-xvfb.sh: $*" >&2; exit 125; }
[ $# -gt 0 ] || die "usage: with-xvfb.sh CMD [ARGS...]"
command -v Xvfb >/dev/null || die "Xvfb not found (apt-get install xvfb)"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/xvfb.XXXXXX")
xvfb_pid='' cmd_pid=''
cleanup() {
    # Background jobs of a script ignore SIGINT, so pass the stop on explicitly.
    [ -z "$cmd_pid" ] || { kill -TERM "$cmd_pid" 2>/dev/null; wait "$cmd_pid" 2>/dev/null; } || true
    [ -z "$xvfb_pid" ] || { kill -TERM "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; } || true
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# -displayfd picks a free display itself, so parallel callers never collide.
: >"$tmp/display"
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
    3>>"$tmp/display" >"$tmp/log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
    grep -q . "$tmp/display" && break
    kill -0 "$xvfb_pid" 2>/dev/null || { xvfb_pid=''; die "Xvfb exited: $(tail -n 1 "$tmp/log")"; }
    sleep 0.05
done
read -r num <"$tmp/display" || die "Xvfb did not report a display within 10 s"
export DISPLAY=":$num"

"$@" <&0 &
cmd_pid=$!
status=0
wait "$cmd_pid" || status=$?
cmd_pid=''
exit "$status"
