#!/usr/bin/env bash
# test-reproducible.sh SOURCE_DIR BUILD_DIR KALVIO_EXE ZIP SETUP
# Builds Kalvio.exe and both packages again from a fresh clone of the commit
# checked out in SOURCE_DIR, in another folder and later, and compares them
# with the first build's, byte for byte. Also checks the first build's
# SHA256SUMS.txt. Needs the packages built first:
#   cmake --build --preset windows --target package
set -euo pipefail

[ $# -eq 5 ] || { echo "usage: test-reproducible.sh SOURCE_DIR BUILD_DIR KALVIO_EXE ZIP SETUP" >&2; exit 125; }
src=$1 build=$2 exe=$3 zip=$4 setup=$5
for f in "$exe" "$zip" "$setup" "$build/SHA256SUMS.txt"; do
    [ -f "$f" ] || { echo "test-reproducible.sh: no $f: build it with --target package" >&2; exit 1; }
done

# CI may check the sources out as another user.
git_src() { git -c "safe.directory=$src" -C "$src" "$@"; }
skip() { echo "SKIPPED: $*"; exit 77; }
command -v git >/dev/null || skip "no git to clone $src with"
git_src rev-parse --is-inside-work-tree >/dev/null 2>&1 || skip "$src is not a git checkout"
# A clone has only what is committed: with changes on top, this build is not
# that of any commit, and comparing would fail (or pass) for nothing.
changes=$(git_src status --porcelain --untracked-files=no)
[ -z "$changes" ] || skip "uncommitted changes in $src; commit or stash them, build the package target and run again:
$changes"
commit=$(git_src rev-parse HEAD)

failures=0
check() {  # check WHAT COMMAND [ARGS...]
    if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

names="$(basename "$zip") $(basename "$setup")"
sums_ok() {
    [ "$(cut -d' ' -f3- "$build/SHA256SUMS.txt" | tr '\n' ' ')" = "$names " ] &&
        (cd "$build" && sha256sum --quiet --strict -c SHA256SUMS.txt)
}
check "SHA256SUMS.txt lists $names and each checksum is right" sums_ok

# The second build: a clone in a folder of its own, only Kalvio and the packages.
work=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-rebuild.XXXXXX")
trap 'rm -rf "$work"' EXIT
clone=$work/kalvio
log=$work/build.log
echo "rebuilding $commit in $clone"
start=$SECONDS
if ! {
    git -c "safe.directory=$src" clone --quiet --no-checkout "$src" "$clone" &&
    git -C "$clone" checkout --quiet --detach "$commit" &&
    cd "$clone" &&
    cmake --preset windows -DKALVIO_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON &&
    cmake --build --preset windows -j "$(nproc)" --target Kalvio &&
    cmake --build --preset windows --target package
} >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "FAIL the second build"
    exit 1
fi
echo "second build took $((SECONDS - start)) s"

rebuilt=$clone/build/windows
same() {  # same FIRST SECOND
    local first second
    first=$(sha256sum <"$1" | cut -d' ' -f1)
    second=$(sha256sum <"$2" | cut -d' ' -f1)
    echo "     $first  $1"
    echo "     $second  $2"
    [ "$first" = "$second" ] && return
    # Where they part, to tell a time stamp from a path or an order.
    cmp -l "$1" "$2" | head -n 8 | awk '{ printf "     at 0x%x: %s != %s (octal)\n", $1 - 1, $2, $3 }'
    return 1
}
check "Kalvio.exe is the same from the clone" same "$exe" "$rebuilt/Kalvio.exe"
check "$(basename "$zip") is the same from the clone" same "$zip" "$rebuilt/$(basename "$zip")"
check "$(basename "$setup") is the same from the clone" same "$setup" "$rebuilt/$(basename "$setup")"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed. If HEAD has moved since the package target last ran here, build it again."
    exit 1
fi
echo "all reproducibility checks passed"
