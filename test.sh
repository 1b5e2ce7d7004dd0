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
# The tests read tests/data and must never change it: a recording rewritten during the run
# (LUMARIK_UPDATE_RECORDINGS=1 left set) fails the run instead of passing on itself.
data_sums() { (cd "$LUMARIK_ROOT" && find tests/data docs -type f -print0 | sort -z | xargs -0 sha256sum); }
before=$(data_sums)
cd "$dir"
status=0
ctest --output-on-failure -j "$(nproc)" || status=$?
after=$(data_sums)
if [ "$before" != "$after" ]; then
    echo "The test run changed these files; review and commit them, or restore them:" >&2
    diff <(echo "$before") <(echo "$after") | grep '^>' | awk '{print "  " $3}' >&2
    exit 1
fi
exit "$status"
