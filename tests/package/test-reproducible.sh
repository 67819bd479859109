#!/usr/bin/env bash
# test-reproducible.sh SOURCE_DIR BUILD_DIR KALVIO_EXE ZIP SETUP
# Checks the package target's SHA256SUMS.txt, then builds Kalvio.exe and both packages
# again from a fresh clone of SOURCE_DIR's commit, elsewhere and later: the same bytes.
set -euo pipefail

[ $# -eq 5 ] || { echo "usage: test-reproducible.sh SOURCE_DIR BUILD_DIR KALVIO_EXE ZIP SETUP" >&2; exit 125; }
src=$1 sums=$2/SHA256SUMS.txt built=("$3" "$4" "$5")
for f in "${built[@]}" "$sums"; do [ -f "$f" ] || { echo "no $f: build --target package" >&2; exit 1; }; done

# CI may check the sources out as another user. A clone has only what is
# committed: with changes on top, this build is not that of any commit.
git_src() { git -c "safe.directory=$src" -C "$src" "$@"; }
[ -z "$(git_src status --porcelain --untracked-files=no 2>&1)" ] ||
    { echo "SKIPPED: $src is no git checkout, or has uncommitted changes; commit, build the package target, rerun"; exit 77; }
commit=$(git_src rev-parse HEAD)

failures=0
check() { if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi; }  # WHAT COMMAND...

sums_ok() {
    [ "$(cut -d' ' -f3- "$sums")" = "$(basename -a "$4" "$5")" ] &&
        (cd "$(dirname "$sums")" && sha256sum --quiet --strict -c "$sums")
}
check "SHA256SUMS.txt lists the two downloads, each with its right sum" sums_ok "$@"

work=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-rebuild.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "rebuilding $commit in $work/kalvio"
(git -c "safe.directory=$src" clone --quiet --no-checkout "$src" "$work/kalvio" &&
    cd "$work/kalvio" && git checkout --quiet --detach "$commit" &&
    cmake --preset windows -DKALVIO_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON &&
    cmake --build --preset windows -j "$(nproc)" --target Kalvio &&
    cmake --build --preset windows --target package) >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; echo "FAIL the second build"; exit 1; }

# cmp names the first byte where they part: a time stamp, a path or an order.
for first in "${built[@]}"; do
    name=$(basename "$first")
    check "$name is the same from the clone" cmp "$first" "$work/kalvio/build/windows/$name"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed (has HEAD moved since the package target ran?)"; exit 1; }
echo "all reproducibility checks passed"
