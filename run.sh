#!/usr/bin/env bash
# Sets everything up (Debian packages, Release build) and starts Lumarik.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

lumarik_ensure_packages "${LUMARIK_BUILD_PACKAGES[@]}"
lumarik_build "$LUMARIK_ROOT/build" lumarik -DCMAKE_BUILD_TYPE=Release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. To run Lumarik without a screen, start it in a virtual one:" >&2
    echo "  apt-get install xvfb xauth && xvfb-run -s '-screen 0 1600x1000x24' ./run.sh" >&2
    exit 1
fi
exec "$LUMARIK_ROOT/build/src/lumarik" "$@"
