#!/usr/bin/env bash
# test-signed.sh SOURCE_DIR TEMPLATE_DIR PACKAGE_NAME UNSIGNED_EXE UNSIGNED_SETUP
# Kalvio.exe and both packages built again elsewhere, signed with a throw-away certificate: each signed
# file verifies, and unsigned, Kalvio.exe and the uninstaller are the unsigned build's (the installer holds them).
set -euo pipefail

wine_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine" && pwd)
[ $# -eq 5 ] || { echo "usage: test-signed.sh SOURCE_DIR TEMPLATE_DIR PACKAGE_NAME UNSIGNED_EXE UNSIGNED_SETUP" >&2; exit 125; }
src=$1 template=$2 name=$3 unsigned=$4 unsigned_setup=$5
missing=$(for tool in osslsigncode openssl; do command -v $tool >/dev/null || echo -n "$tool "; done)
[ -z "$missing" ] || { echo "SKIPPED: missing ${missing% } (apt-get install osslsigncode openssl)"; exit 77; }
if [ -z "${DISPLAY-}" ]; then exec "$wine_tools/with-xvfb.sh" bash "$0" "$@"; fi

failures=0
check() { if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi; }  # WHAT COMMAND...
work=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-signed.XXXXXX")
. "$wine_tools/env.sh"
export WINEPREFIX=$work/prefix
trap 'end_prefix "$WINEPREFIX"; rm -rf "$work"' EXIT

password="heslo-$RANDOM-$RANDOM"
(cd "$work" && printf %s "$password" >password &&
    openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=Root -keyout ca.key -out ca.pem &&
    openssl req -x509 -CA ca.pem -CAkey ca.key -newkey rsa:2048 -nodes -days 1 -subj "/CN=Kalvio Soft" \
        -addext extendedKeyUsage=codeSigning -keyout key.pem -out cert.pem &&
    openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.pfx -passout file:password) >"$work/log" 2>&1 &&
    (cd "$src" && cmake --preset windows -B "$work/build" -DKALVIO_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
        -DKALVIO_SIGN_PKCS12="$work/cert.pfx" -DKALVIO_SIGN_PASSWORD_FILE="$work/password" &&
        cmake --build "$work/build" -j "$(nproc)" --target Kalvio && cmake --build "$work/build" --target package) \
        >>"$work/log" 2>&1 || { tail -n 40 "$work/log"; echo "FAIL the signed build"; exit 1; }
exe=$work/build/Kalvio.exe setup=$work/build/$name-setup.exe

verifies() { osslsigncode verify -CAfile "$work/ca.pem" -in "$1" >/dev/null 2>&1; }
fails() { ! "$@"; }
strip() { rm -f "$work/stripped" && osslsigncode remove-signature -in "$1" -out "$work/stripped" >/dev/null; }
# Signing pads a file to 8 bytes and sets its PE checksum (NSIS leaves it 0); removing keeps both.
unsigned_but_padding_is() {
    local size sum; size=$(stat -c %s "$1") sum=$(($(od -An -tu4 -j60 -N4 "$1") + 88))
    strip "$2" && [ "$(stat -c %s "$work/stripped")" -lt $((size + 8)) ] && cmp -n $sum "$1" "$work/stripped" &&
        cmp -i $((sum + 4)) -n $((size - sum - 4)) "$1" "$work/stripped"
}
check "the signed Kalvio.exe verifies" verifies "$exe"
check "the installer verifies" verifies "$setup"
head -c 4000 "$exe" >"$work/changed" && printf '\x01' >>"$work/changed" && tail -c +4002 "$exe" >>"$work/changed"
check "one changed byte fails verification" fails verifies "$work/changed"
check "Kalvio.exe without its signature is the unsigned build's" eval 'strip "$exe" && cmp "$unsigned" "$work/stripped"'
check "the password is in no file of the build nor its log" fails grep -rqF "$password" "$work/build" "$work/log"

"$wine_tools/prepare-prefix.sh" "$template" && "$wine_tools/new-prefix.sh" "$template" "$WINEPREFIX"
installed=$WINEPREFIX/drive_c/Program\ Files/Kalvio
check "the signed installer installs (/S)" wine "$setup" /S
check "it installs the signed Kalvio.exe" cmp "$exe" "$installed/Kalvio.exe"
check "the uninstaller it writes verifies" verifies "$installed/Uninstall.exe"
check "the unsigned installer replaces it (/S)" eval 'cp "$installed/Uninstall.exe" "$work" && wine "$unsigned_setup" /S'
check "the uninstaller without its signature is the unsigned installer's, but for padding and checksum" \
    unsigned_but_padding_is "$installed/Uninstall.exe" "$work/Uninstall.exe"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; } && echo "all signing checks passed"
