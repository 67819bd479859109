#!/usr/bin/env bash
# Installs, as root on Debian 12, whatever the build, the tests and the run
# command need and the machine lacks. Does nothing when all is there.
set -euo pipefail

packages=(
    cmake make g++ googletest git
    g++-mingw-w64-x86-64 wine wine64 fonts-wine fonts-liberation2 fonts-dejavu-extra locales
    xvfb python3 python3-pefile python3-pil
    hunspell hunspell-cs
    nsis osslsigncode openssl
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "install-deps.sh: missing packages (run as root): ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page (1250 for Czech) from the glibc locale.
# shellcheck source=wine/env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine/env.sh"
ensure_locale
