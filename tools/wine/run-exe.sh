#!/usr/bin/env bash
# run-exe.sh --template DIR [--dpi N] [--dll-override SPEC] [--keep] EXE [ARGS...]
# Runs a Windows executable in its own throw-away Wine prefix (the emulator
# ctest uses for every Windows test) and exits with the program's status.
# --dll-override adds SPEC (WINEDLLOVERRIDES syntax, e.g. windowscodecs=d) to
# the program's run only, never to the prefix's preparation.
# Without DISPLAY the run gets a private Xvfb. Anything the program leaves
# running in the prefix is ended when it exits.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
die() { echo "run-exe.sh: $*" >&2; exit 125; }
usage='usage: run-exe.sh --template DIR [--dpi N] [--dll-override SPEC] [--keep] EXE [ARGS...]'

args=("$@")
template='' dpi='' override='' keep=''
while [ $# -gt 0 ]; do
    case $1 in
        --template|--dpi|--dll-override) [ $# -ge 2 ] || die "$1 needs a value"
            case $1 in --template) template=$2 ;; --dpi) dpi=$2 ;; --dll-override) override=$2 ;; esac
            shift 2 ;;
        --keep) keep=1; shift ;;
        --) shift; break ;;
        -*) die "unknown option $1; $usage" ;;
        *) break ;;
    esac
done
[ -n "$template" ] && [ $# -ge 1 ] || die "$usage"
case $1 in */*) [ -f "$1" ] || die "no such program: $1" ;; esac

if [ -z "${DISPLAY-}" ]; then
    exec "$here/with-xvfb.sh" "$here/run-exe.sh" "${args[@]}"
fi

. "$here/env.sh"
"$here/prepare-prefix.sh" "$template"

prefix=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-wine.XXXXXX")
cleanup() {
    if [ -n "$keep" ]; then
        # Let Wine shut down normally so the registry is saved for inspection.
        WINEPREFIX="$prefix" timeout 30 wineserver -w || WINEPREFIX="$prefix" wineserver -k || true
        echo "run-exe.sh: kept prefix $prefix" >&2
        return
    fi
    # Killing is much quicker than waiting for wineserver's idle shutdown (~2 s),
    # and the prefix is discarded anyway.
    end_prefix "$prefix"
    rm -rf "$prefix"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

"$here/new-prefix.sh" "$template" "$prefix" ${dpi:+"$dpi"}
export WINEPREFIX="$prefix"
[ -z "$override" ] || WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$override"

# In the background (stdin kept) so a stop signal reaches the trap at once.
wine "$@" <&0 &
status=0
wait $! || status=$?
exit "$status"
