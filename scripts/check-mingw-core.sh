#!/usr/bin/env bash
# Cross-compiles the core library for Windows with MinGW-w64 (no Qt), warnings as errors, to
# prove that src/core builds on Windows as well. The tree lands in build-mingw/.
set -euo pipefail
source "$(dirname "$0")/common.sh"

lumarik_ensure_packages cmake ninja-build g++-mingw-w64-x86-64

dir="$LUMARIK_ROOT/build-mingw"
lumarik_build "$dir" lumarik_core -DCMAKE_BUILD_TYPE=Release -DLUMARIK_CORE_ONLY=ON \
    -DCMAKE_TOOLCHAIN_FILE="$LUMARIK_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CXX_FLAGS=-Werror
echo "The core builds with MinGW-w64."
