#!/usr/bin/env bash
# prepare-prefix.sh TEMPLATE_DIR
# Builds the template Wine prefix that new-prefix.sh copies for every test run.
# Idempotent and safe to call from parallel jobs: the first caller builds under
# a lock, the rest wait and reuse. A template built by other script versions or
# another Wine version is rebuilt.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
die() { echo "prepare-prefix.sh: $*" >&2; exit 125; }
[ $# -eq 1 ] && [ -n "$1" ] || die "usage: prepare-prefix.sh TEMPLATE_DIR"
# shellcheck source=env.sh
. "$here/env.sh"
command -v wine >/dev/null || die "wine not found (apt-get install wine wine64)"
[ -d /usr/share/wine/fonts ] || die "Wine's fonts missing (apt-get install fonts-wine)"
[ -d /usr/share/fonts/truetype/liberation2 ] || die "Liberation fonts missing (apt-get install fonts-liberation2)"

template=$(realpath -m "$1")
marker="$template/.kalvio-template"
stamp="$(wine --version) $(cat "$here/env.sh" "$here/prepare-prefix.sh" "$here/template.reg" | sha256sum | cut -c1-16)"

ready() { [ -f "$marker" ] && [ "$(cat "$marker")" = "$stamp" ]; }
# Checked on every call: without the locale Wine quietly switches to code page 1252.
ensure_locale || die "the cs_CZ.UTF-8 locale is required"
ready && exit 0

mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock -w 600 9 || die "timed out waiting for another build of $template"
ready && exit 0

build="$template.new.$$"
log="$template.log"
cleanup() {
    [ -d "$build" ] || return 0
    end_prefix "$build"
    rm -rf "$build"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

rm -rf "$build"
export WINEPREFIX="$build"
{
    # Without wine32 wineboot complains about syswow64; that is expected here.
    wine wineboot -i &&
    # Wine's own fonts (MS Sans Serif, Tahoma, ...) are not found unless they sit in
    # C:\windows\Fonts; without them everything falls back to Liberation Sans.
    cp /usr/share/wine/fonts/* "$build/drive_c/windows/Fonts/" &&
    # Arial/Times/Courier stand-ins, taken from the prefix rather than fontconfig.
    cp /usr/share/fonts/truetype/liberation2/Liberation*.ttf "$build/drive_c/windows/Fonts/" &&
    wine regedit /S "Z:${here//\//\\}\\template.reg" &&
    wineserver -w
} >"$log" 2>&1 || die "building the prefix failed, see $log"

# Documents, Desktop etc. are links into the real $HOME; make them plain folders
# so whatever a test writes stays in its prefix.
find "$build/drive_c/users" -type l -lname '/*' | while read -r link; do
    rm "$link" && mkdir "$link"
done
end_prefix "$build"
echo "$stamp" >"$build/.kalvio-template"

rm -rf "$template"
mv "$build" "$template"
