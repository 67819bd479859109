#!/usr/bin/env bash
# Builds Kalvio.exe and starts it under Wine, as on a Czech Windows, on the
# current X display. As root on a fresh Debian 12 it installs what is missing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no display: Kalvio needs an X display (set DISPLAY, or use tools/wine/with-xvfb.sh)" >&2
    exit 1
fi

bash tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kalvio -j "$(nproc)"

# One prefix kept in the build tree, so later starts are quick.
template=build/windows/wine-template
prefix=build/windows/wine-run
bash tools/wine/prepare-prefix.sh "$template"
[ -f "$prefix/system.reg" ] || bash tools/wine/new-prefix.sh "$template" "$prefix"

# shellcheck source=wine/env.sh
. tools/wine/env.sh
export WINEPREFIX=$PWD/$prefix
exec wine build/windows/Kalvio.exe
