#!/usr/bin/env bash
# The whole test suite on a fresh Debian 12 machine (as root): installs what
# is missing, builds every preset and runs every ctest suite (host, sanitizers,
# Windows under Wine with the end-to-end tests).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash tools/install-deps.sh

jobs=$(nproc)
run_preset() {
    local preset=$1
    echo "=== $preset ==="
    cmake --preset "$preset" -DKALVIO_WARNINGS_AS_ERRORS=ON
    cmake --build --preset "$preset" -j "$jobs"
    [ "$preset" != windows ] || cmake --build --preset windows -j "$jobs" --target package
    ctest --preset "$preset" -j "$jobs" && return
    # Under load Wine now and then fails to start a program or loses a key:
    # a failed Windows test gets a second run, and is named at the end. A
    # real fault fails both.
    [ "$preset" = windows ] || return 1
    mapfile -t retried < <(cut -d: -f2- "build/$preset/Testing/Temporary/LastTestsFailed.log")
    ctest --preset "$preset" -j "$jobs" --rerun-failed
}

retried=()
run_preset host
run_preset host-sanitize
run_preset windows
echo "=== all suites passed ==="
[ ${#retried[@]} -eq 0 ] || printf 'passed only on its second run: %s\n' "${retried[@]}"
