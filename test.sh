#!/usr/bin/env bash
# Sets everything up (Debian packages, Release build) and runs every test.
#   ./test.sh             the whole suite
#   ./test.sh --sanitize  the whole suite in an AddressSanitizer + UBSan build
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

lumarik_ensure_packages "${LUMARIK_BUILD_PACKAGES[@]}"
"$LUMARIK_ROOT/scripts/check-format.sh"

if [ "${1:-}" = "--sanitize" ]; then
    dir="$LUMARIK_ROOT/build-sanitize"
    lumarik_build "$dir" all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARIK_SANITIZE=ON -DLUMARIK_BENCH=OFF
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
else
    dir="$LUMARIK_ROOT/build"
    lumarik_build "$dir" all -DCMAKE_BUILD_TYPE=Release
fi
cd "$dir"
ctest --output-on-failure -j "$(nproc)"
